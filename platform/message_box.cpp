#include "platform/message_box.h"

#include "platform/dialog_font.h"
#include "platform/window_owner.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace ordisan {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void messageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon)
{
    QMessageBox box(qtIcon(icon), caption, text, QMessageBox::Ok, owner ? owner : defaultOwner());
    box.setFont(dialogFont());
    box.setTextFormat(Qt::PlainText);
    // Plain buttons, like the dialogs' own: some styles put an icon on OK.
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setIcon(QIcon());
    box.exec();
}

} // namespace ordisan
