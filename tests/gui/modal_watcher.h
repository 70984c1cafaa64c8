// Answers the modal windows that a test's code opens, so that tests run real modal
// loops without sleeping.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

namespace ordisan::test {

struct MessageRecord {
    QString text;
    QString caption;
    QMessageBox::Icon icon;
    int buttonCount;
    QWidget* owner;
};

// Every few milliseconds it looks at the top of the modal stack: a message box is
// recorded and dismissed with OK; any other new modal window goes once to `onDialog`,
// which may look at it and close it.
class ModalWatcher final : public QObject {
    Q_OBJECT
public:
    ModalWatcher();

    QList<MessageRecord> messages;
    std::function<void(QWidget*)> onDialog;

private:
    void look();

    QTimer timer_;
    QList<QPointer<QWidget>> seen_;
};

} // namespace ordisan::test
