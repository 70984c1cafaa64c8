#include "platform/arrow_key_buttons.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace ordisan {

ArrowKeyButtons::ArrowKeyButtons(QWidget* window, const QList<QAbstractButton*>& buttons)
    : QObject(window), window_(window)
{
    window->installEventFilter(this);
    for (QAbstractButton* button : buttons) {
        if (!button)
            continue;
        buttons_.append(button);
        button->installEventFilter(this);
    }
}

bool ArrowKeyButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right: move(1); return true;
    case Qt::Key_Up:
    case Qt::Key_Left: move(-1); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        for (const auto& button : std::as_const(buttons_)) {
            if (button && button == watched) {
                button->click();
                return true;
            }
        }
        return false;
    default: return false;
    }
}

void ArrowKeyButtons::move(int step)
{
    const auto count = buttons_.size();
    if (count == 0)
        return;
    qsizetype at = -1;
    for (qsizetype i = 0; i < count; ++i)
        if (buttons_[i] && buttons_[i] == window_->focusWidget())
            at = i;
    at = at < 0 ? (step > 0 ? 0 : count - 1) : (at + step + count) % count;
    if (QAbstractButton* button = buttons_[at])
        button->setFocus(Qt::TabFocusReason);
}

} // namespace ordisan
