#pragma once

#include <functional>

class QWidget;

namespace ordisan {

// Keeps a case from being lost to one key: before a diagnosis closes, by any way, or
// another case is opened over it, while it has answers that have changed since it was
// last copied or saved, it asks once whether to save the case, go on without saving,
// or go back to it.
class CloseGuard final {
public:
    enum class Leaving { Close, Open };

    // `save` saves the case and says whether it was saved (not cancelled, not failed).
    explicit CloseGuard(std::function<bool()> save) : save_(std::move(save)) {}

    // True when the case may be left; asks over `owner` when `wouldLose`.
    bool mayLeave(QWidget* owner, bool wouldLose, Leaving leaving) const;

private:
    std::function<bool()> save_;
};

} // namespace ordisan
