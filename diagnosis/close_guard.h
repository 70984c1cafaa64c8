#pragma once

#include <functional>

class QWidget;

namespace ordisan {

// Keeps a case from being lost to one key: when a diagnosis is about to close, by any
// way, while its answers have changed since the case was last copied or saved, it asks
// once whether to save the case, close anyway, or go back to it. A case without answers
// closes without a question.
class CloseGuard final {
public:
    // `save` saves the case and says whether it was saved (not cancelled, not failed).
    explicit CloseGuard(std::function<bool()> save) : save_(std::move(save)) {}

    void answersChanged() { unsaved_ = true; }
    // The case was copied or saved as it stands.
    void caseKept() { unsaved_ = false; }
    bool unsaved() const { return unsaved_; }

    // True when the diagnosis may close; asks over `owner` when there is something to
    // lose. `hasAnswers`: some symptom is answered.
    bool mayClose(QWidget* owner, bool hasAnswers);

private:
    std::function<bool()> save_;
    bool unsaved_ = false;
};

} // namespace ordisan
