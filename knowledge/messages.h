#pragma once

#include "knowledge/load_reporter.h"

namespace ordisan {

struct MessageText {
    Message id;
    const char* text; // a printf format with one %d where the message names a line
    const char* caption;
    int icon;
};

const MessageText& messageText(Message message);

void reportMessage(LoadReporter& reporter, Message message);
// For the messages that name a physical line.
void reportLineMessage(LoadReporter& reporter, Message message, int lineNumber);

} // namespace ordisan
