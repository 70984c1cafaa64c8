#include "modal_watcher.h"

#include <QAbstractButton>
#include <QApplication>

namespace ordisan::test {

ModalWatcher::ModalWatcher()
{
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalWatcher::look);
    timer_.start();
}

void ModalWatcher::look()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        messages.append({box->text(), box->windowTitle(), box->icon(),
                         static_cast<int>(box->buttons().size()), box->parentWidget()});
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
        return;
    }
    for (const QPointer<QWidget>& seen : std::as_const(seen_))
        if (seen == modal)
            return;
    seen_.append(modal);
    if (onDialog)
        onDialog(modal);
}

} // namespace ordisan::test
