#pragma once

#include <QIcon>
#include <QList>
#include <QSize>

namespace ordisan {

// A tree's pictures, built from the program's icon resources each time a dialog opens
// and deleted when its window goes. An index is the position of an added icon; -1
// stands for an icon that could not be added and shows no picture.
class CImageList final {
public:
    // Starts an empty list of images of `size` device-independent pixels.
    void Create(int size);
    // Appends icon `number`, drawn at the list's size and sharp at twice that size for
    // high-dpi screens. Returns its index, or -1 when there is no list or no such icon.
    int AddIcon(int number);
    // Forgets every image; the list is then no list at all.
    void DeleteImageList();

    QSize imageSize() const { return QSize(size_, size_); }
    // The image at `index`; a null icon for -1 or any other index not in the list.
    QIcon icon(int index) const;

private:
    bool created_ = false;
    int size_ = 0;
    QList<QIcon> icons_;
};

} // namespace ordisan
