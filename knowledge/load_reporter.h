#pragma once

#include "knowledge/message_id.h"

namespace ordisan {

// Message box types: one OK button, with no icon or with the stop sign.
inline constexpr int ICON_NONE = 0;
inline constexpr int ICON_STOP = 0x10;

// How the reader and the loaders present a load. Texts and captions are
// NUL-terminated code page 1250 strings. The caller owns the implementation.
class LoadReporter {
public:
    virtual ~LoadReporter() = default;
    // Modal: returns when the user has dismissed the message.
    virtual void showMessage(const char* text, const char* caption, int icon) = 0;
    // How the reader and the loaders report a message: with its id, for a presenter
    // that tells messages apart without reading their text. Shows the text by default.
    virtual void showIdentifiedMessage(Message id, const char* text, const char* caption, int icon)
    {
        (void)id;
        showMessage(text, caption, icon);
    }
    virtual void showProgress(int percent) = 0;
    virtual void showSyndromeCounts(int syndromes, int symptoms, int links) = 0;
    virtual void showWordCount(int words) = 0;
};

} // namespace ordisan
