#pragma once

#include <QString>
#include <QStringList>

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

// A modal question with the given buttons, left to right; returns the index of the
// button chosen. Enter chooses `defaultButton`; Esc and the close box choose
// `escapeButton`. A button's text may mark its key with '&'.
int questionBox(QWidget* owner, const QString& text, const QString& caption,
                const QStringList& buttons, int defaultButton, int escapeButton);

} // namespace ordisan
