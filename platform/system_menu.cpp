#include "platform/system_menu.h"

#include "platform/dialog.h"
#include "platform/dialog_font.h"

#include <QMenu>

namespace ordisan {

SystemMenu::SystemMenu(CDialog& dialog) : dialog_(dialog) {}

SystemMenu::~SystemMenu()
{
    delete menu_;
}

QMenu* SystemMenu::ensureMenu()
{
    if (!menu_) {
        menu_ = new QMenu(&dialog_);
        menu_->setObjectName(QStringLiteral("systemMenu"));
        menu_->setFont(dialogFont());
        // The separator above the program's own items shows although it comes first.
        menu_->setSeparatorsCollapsible(false);
    }
    return menu_;
}

void SystemMenu::reset()
{
    delete menu_;
    menu_ = nullptr;
    itemCount_ = 0;
}

void SystemMenu::appendSeparator()
{
    ++itemCount_;
    ensureMenu()->addSeparator();
}

void SystemMenu::appendItem(unsigned command, const QString& text)
{
    ++itemCount_;
    QAction* action = ensureMenu()->addAction(text);
    action->setData(command);
    QObject::connect(action, &QAction::triggered, &dialog_,
                     [this, command] { dialog_.sendSysCommand(command); });
}

bool SystemMenu::popup(const QPoint& globalPosition)
{
    if (!menu_ || isEmpty())
        return false;
    menu_->popup(globalPosition);
    return true;
}

} // namespace ordisan
