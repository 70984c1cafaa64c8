#pragma once

#include <QString>

class QWidget;

namespace ordisan {

enum class MessageIcon {
    None,
    Stop,        // the loaders' full-table messages
    Exclamation, // the framework's own message for a rejected field
};

// A modal message box with one OK button; returns when the user has dismissed it.
// A null owner means the default owner (window_owner.h).
void messageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon);

} // namespace ordisan
