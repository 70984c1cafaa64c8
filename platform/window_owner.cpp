#include "platform/window_owner.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace ordisan {

namespace {

// The framework's notion of the main window: one per program, as the design has it.
QPointer<QWidget>& mainWindowSlot()
{
    static QPointer<QWidget> window;
    return window;
}

} // namespace

void setMainWindow(QWidget* window)
{
    mainWindowSlot() = window;
}

QWidget* mainWindow()
{
    return mainWindowSlot().data();
}

QWidget* defaultOwner()
{
    if (QWidget* running = QApplication::activeModalWidget())
        return running;
    return mainWindow();
}

} // namespace ordisan
