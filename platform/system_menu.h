#pragma once

#include <QList>
#include <QString>

class QMenu;
class QPoint;
class QWidget;

namespace ordisan {

class CDialog;

// Items a dialog appends to its window's system menu. A Qt window cannot add to the
// window manager's menu, so the items make up a context menu (right mouse button or
// the menu key) instead. Choosing an item sends its command to the dialog's
// OnSysCommand.
class SystemMenu final {
public:
    explicit SystemMenu(CDialog& dialog);
    ~SystemMenu();

    SystemMenu(const SystemMenu&) = delete;
    SystemMenu& operator=(const SystemMenu&) = delete;

    // Forgets the items: a window made anew starts with the window system's own.
    void reset();
    void appendSeparator();
    void appendItem(unsigned command, const QString& text);

    bool isEmpty() const { return itemCount_ == 0; }
    // Opens the context menu at a global position; false when there is none.
    bool popup(const QPoint& globalPosition);

private:
    QMenu* ensureMenu();

    CDialog& dialog_;
    QMenu* menu_ = nullptr;
    int itemCount_ = 0;
};

} // namespace ordisan
