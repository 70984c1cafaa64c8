// Driving what a user would wait for: the modal windows a test's code opens, and the
// ticks of a dialog's window timers.
#pragma once

#include "platform/timer_source.h"

#include <QHash>
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

// Answers the modal windows that a test's code opens. Every few milliseconds it looks
// at the top of the modal stack: a message box is recorded and dismissed with OK; any
// other new modal window goes once to `onDialog`, which may look at it and close it.
// Tests thus run real modal loops without sleeping.
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

// Window timers that tick only when the test says so, one per period; the period is
// the timer's handle.
class ManualTimers final : public TimerSource {
public:
    int startTimer(int milliseconds, std::function<void()> tick) override;
    void stopTimer(int handle) override { timers_.remove(handle); }
    // One tick of the running timer of that period; false when none runs.
    bool tick(int milliseconds);
    bool running(int milliseconds) const { return timers_.contains(milliseconds); }

private:
    QHash<int, std::function<void()>> timers_;
};

} // namespace ordisan::test
