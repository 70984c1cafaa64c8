#include "views/image_list.h"

#include "platform/resources.h"

namespace ordisan {

void CImageList::Create(int size)
{
    icons_.clear();
    size_ = size;
    created_ = true;
}

int CImageList::AddIcon(int number)
{
    if (!created_)
        return -1;
    const QPixmap normal = loadIconPixmap(number, size_);
    if (normal.isNull())
        return -1;
    const QPixmap sharp = loadIconPixmap(number, 2 * size_);
    // A selected item shows the very same picture: no tint of the selection colour.
    QIcon icon;
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Selected}) {
        icon.addPixmap(normal, mode);
        if (!sharp.isNull())
            icon.addPixmap(sharp, mode);
    }
    icons_.append(icon);
    return static_cast<int>(icons_.size()) - 1;
}

void CImageList::DeleteImageList()
{
    icons_.clear();
    size_ = 0;
    created_ = false;
}

QIcon CImageList::icon(int index) const
{
    if (index < 0 || index >= icons_.size())
        return QIcon();
    return icons_[index];
}

} // namespace ordisan
