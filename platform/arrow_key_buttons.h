#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAbstractButton;
class QWidget;

namespace ordisan {

// The arrow keys among a row of buttons that take no focus by Tab: ↓ and → move the
// keyboard focus to the next button, ↑ and ← to the one before, round at both ends;
// the first press goes to the first or the last. Enter and Space press the button
// that has the focus. Until an arrow is pressed no button has the focus, so the
// window's own Enter stands.
class ArrowKeyButtons final : public QObject {
    Q_OBJECT
public:
    // Watches `window` and the buttons, in their order of navigation.
    ArrowKeyButtons(QWidget* window, const QList<QAbstractButton*>& buttons);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void move(int step);

    QWidget* window_;
    QList<QPointer<QAbstractButton>> buttons_;
};

} // namespace ordisan
