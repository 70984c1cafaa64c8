#pragma once

#include <functional>

namespace ordisan {

// Where a dialog's window timers come from. A dialog uses Qt's timers of its own
// window unless it is given a source: a program that drives time itself (a replay
// of a session, a test that steps through a countdown) gives one.
class TimerSource {
public:
    virtual ~TimerSource() = default;
    // Calls `tick` every `milliseconds` until stopped. Returns a non-zero handle, or
    // 0 when no timer can be set.
    virtual int startTimer(int milliseconds, std::function<void()> tick) = 0;
    virtual void stopTimer(int handle) = 0;
};

} // namespace ordisan
