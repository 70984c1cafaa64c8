#include "platform/message_box.h"

#include "platform/dialog_font.h"
#include "platform/window_owner.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

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

int questionBox(QWidget* owner, const QString& text, const QString& caption,
                const QStringList& buttons, int defaultButton, int escapeButton)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton,
                    owner ? owner : defaultOwner());
    box.setFont(dialogFont());
    box.setTextFormat(Qt::PlainText);
    QList<QPushButton*> added;
    for (const QString& label : buttons)
        added.append(box.addButton(label, QMessageBox::ActionRole));
    // Action buttons in the order given, rather than sorted by a role.
    if (defaultButton >= 0 && defaultButton < added.size())
        box.setDefaultButton(added[defaultButton]);
    if (escapeButton >= 0 && escapeButton < added.size())
        box.setEscapeButton(added[escapeButton]);
    box.exec();
    const auto chosen = added.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return chosen >= 0 ? static_cast<int>(chosen) : escapeButton;
}

} // namespace ordisan
