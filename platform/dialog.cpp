#include "platform/dialog.h"

#include "platform/control_factory.h"
#include "platform/data_exchange.h"
#include "platform/dialog_font.h"
#include "platform/dialog_units.h"
#include "platform/edge_follow.h"
#include "platform/group_frame.h"
#include "platform/window_owner.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTimerEvent>
#include <QToolTip>
#include <QWindow>

#include <algorithm>

namespace ordisan {

CDialog::CDialog(const DialogTemplate* dialogTemplate, QWidget* parent)
    : QDialog(parent), template_(dialogTemplate), systemMenu_(*this)
{
}

CDialog::~CDialog() = default;

int CDialog::DoModal()
{
    if (!Create())
        return -1;
    if (!ended_) { // OnInitDialog may already have ended it
        placeWindow();
        exec();
    }
    DestroyWindow();
    return modalResult_;
}

bool CDialog::Create()
{
    if (!template_)
        return false;
    qDeleteAll(controls_);
    controls_.clear();
    controlsById_.clear();
    systemMenu_.reset();
    modalResult_ = 0;
    ended_ = false;

    const bool ownWindow = (template_->styles & dialog_style::APPWINDOW) != 0;
    // A caption with a close box and no minimise box; a fixed frame, or a frame that
    // can be dragged with a maximise box.
    setWindowFlags((ownWindow ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint
                   | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | (resizable() ? Qt::WindowMaximizeButtonHint
                                  : Qt::MSWindowsFixedSizeDialogHint));
    if (!parentWidget() && !ownWindow) {
        QWidget* owner = defaultOwner();
        if (owner && owner != this)
            setParent(owner, windowFlags());
    }
    setWindowTitle(QString::fromUtf8(template_->caption));
    setFont(dialogFont());
    // Tooltips are windows of their own and do not inherit it.
    QToolTip::setFont(dialogFont());
    const QSize templateSize = dialogSizeToPixels(template_->cx, template_->cy);
    if (resizable()) {
        setMinimumSize(templateSize);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(templateSize);
    } else {
        setFixedSize(templateSize);
    }
    buildControls();

    if (OnInitDialog())
        focusFirstTabStop();
    return true;
}

void CDialog::buildControls()
{
    int index = 0;
    for (const ControlTemplate& row : template_->controls) {
        QWidget* control = createControl(row, index, this);
        controls_.append(control);
        if (control && row.id != IDC_STATIC && !controlsById_.contains(row.id))
            controlsById_.insert(row.id, control);
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            const int id = row.id;
            connect(button, &QAbstractButton::clicked, this, [this, id] { sendCommand(id); });
        }
        ++index;
    }
    groupRadioButtons();
    stackControls();
}

// A radio group runs from a control with the group style to the next one; only its
// radio buttons count.
void CDialog::groupRadioButtons()
{
    QButtonGroup* group = nullptr;
    for (qsizetype i = 0; i < controls_.size(); ++i) {
        const ControlTemplate& row = template_->controls[static_cast<std::size_t>(i)];
        if (row.styles & style::GROUP)
            group = nullptr;
        auto* radio = qobject_cast<QRadioButton*>(controls_[i]);
        if (!radio)
            continue;
        if (!group)
            group = new QButtonGroup(radio);
        group->addButton(radio);
    }
}

// Frames and then the pictures go to the bottom, so that they never cover a control
// that the template lists before them; of the pictures, the first listed lies lowest.
void CDialog::stackControls()
{
    for (QWidget* control : controls_)
        if (qobject_cast<GroupFrame*>(control))
            control->lower();
    for (qsizetype i = controls_.size() - 1; i >= 0; --i)
        if (controls_[i]
            && template_->controls[static_cast<std::size_t>(i)].kind == ControlKind::Picture)
            controls_[i]->lower();
}

void CDialog::focusFirstTabStop()
{
    for (qsizetype i = 0; i < controls_.size(); ++i) {
        QWidget* control = controls_[i];
        const ControlTemplate& row = template_->controls[static_cast<std::size_t>(i)];
        if (control && (row.styles & style::TABSTOP) && control->isEnabled()
            && !control->isHidden()) {
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

bool CDialog::resizable() const
{
    return template_ && (template_->styles & dialog_style::RESIZABLE) != 0;
}

// Centred on the screen, or over the owner when there is one to see and the template
// does not ask for the screen; never beyond the screen's free area. A resizable dialog
// larger than that area shrinks to fit it; a fixed one keeps its title bar in reach.
void CDialog::placeWindow()
{
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const bool overOwner = owner && owner->isVisible()
        && !(template_->styles & dialog_style::CENTER);
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // A window manager tells a window's frame only once it is shown: until then the
    // platform's own guess or the owner's frame, whichever is larger.
    create();
    QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (owner && owner->isVisible()) {
        const QRect outer = owner->frameGeometry();
        const QRect inner = owner->geometry();
        frame.setLeft(std::max(frame.left(), inner.left() - outer.left()));
        frame.setTop(std::max(frame.top(), inner.top() - outer.top()));
        frame.setRight(std::max(frame.right(), outer.right() - inner.right()));
        frame.setBottom(std::max(frame.bottom(), outer.bottom() - inner.bottom()));
    }
    const QRect room = available.marginsRemoved(frame);
    if (resizable() && !room.isEmpty() && (width() > room.width() || height() > room.height())) {
        const QSize fitted = size().boundedTo(room.size());
        setMinimumSize(minimumSize().boundedTo(fitted));
        resize(fitted);
    }
    const QRect area = overOwner ? owner->frameGeometry() : available;
    const QSize outer = size().grownBy(frame);
    QPoint corner = area.center() - QPoint(outer.width() / 2, outer.height() / 2);
    const QPoint last = available.bottomRight() + QPoint(1 - outer.width(), 1 - outer.height());
    corner.setX(std::max(available.left(), std::min(corner.x(), last.x())));
    corner.setY(std::max(available.top(), std::min(corner.y(), last.y())));
    move(corner);
}

// The controls follow the edges by the change against the template's size. Icons and
// picture buttons keep the size they took for their pictures.
void CDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (!resizable())
        return;
    const QSize change = size() - dialogSizeToPixels(template_->cx, template_->cy);
    for (qsizetype i = 0; i < controls_.size(); ++i) {
        QWidget* control = controls_[i];
        if (!control)
            continue;
        const ControlTemplate& row = template_->controls[static_cast<std::size_t>(i)];
        QRect home = dialogRectToPixels(row.rect);
        if (row.kind == ControlKind::Icon || row.kind == ControlKind::OwnerDrawButton)
            home.setSize(control->size());
        control->setGeometry(followEdges(home, row.anchor, change));
    }
}

void CDialog::EndDialog(int result)
{
    modalResult_ = result;
    ended_ = true;
    done(result);
}

bool CDialog::DestroyWindow()
{
    for (int handle : std::as_const(timers_))
        stopTimer(handle);
    timers_.clear();
    hide();
    return true;
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    DataExchange exchange(*this, saveAndValidate);
    DoDataExchange(exchange);
    return !exchange.failed();
}

QWidget* CDialog::GetDlgItem(int id) const
{
    return controlsById_.value(id, nullptr);
}

void CDialog::MessageBox(const QString& text, const QString& caption, MessageIcon icon)
{
    messageBox(this, text, caption, icon);
}

int CDialog::SetTimer(int id, int milliseconds)
{
    KillTimer(id);
    const int handle = timerSource_
        ? timerSource_->startTimer(milliseconds, [this, id] { OnTimer(id); })
        : startTimer(milliseconds);
    if (handle == 0)
        return 0;
    timers_.insert(id, handle);
    return id;
}

bool CDialog::KillTimer(int id)
{
    const auto found = timers_.constFind(id);
    if (found == timers_.constEnd())
        return false;
    stopTimer(*found);
    timers_.erase(found);
    return true;
}

void CDialog::stopTimer(int handle)
{
    if (timerSource_)
        timerSource_->stopTimer(handle);
    else
        killTimer(handle);
}

void CDialog::timerEvent(QTimerEvent* event)
{
    if (!timerSource_) {
        for (auto it = timers_.constBegin(); it != timers_.constEnd(); ++it) {
            if (it.value() == event->timerId()) {
                OnTimer(it.key());
                return;
            }
        }
    }
    QDialog::timerEvent(event);
}

void CDialog::sendCommand(int id)
{
    OnCommand(id);
}

void CDialog::sendSysCommand(unsigned command)
{
    OnSysCommand(command, 0);
}

void CDialog::SetIcon(const QIcon& icon)
{
    setWindowIcon(icon);
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(DataExchange&) {}

bool CDialog::OnCommand(int id)
{
    switch (id) {
    case IDOK: OnOK(); return true;
    case IDCANCEL: OnCancel(); return true;
    default: return false;
    }
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::OnTimer(int) {}

bool CDialog::OnSysCommand(unsigned, long)
{
    return false;
}

void CDialog::accept()
{
    sendCommand(IDOK);
}

void CDialog::reject()
{
    // The close box and Esc do nothing while a Cancel button is there but disabled.
    if (QWidget* cancel = GetDlgItem(IDCANCEL); cancel && !cancel->isEnabled())
        return;
    sendCommand(IDCANCEL);
}

int CDialog::defaultCommandId() const
{
    if (!template_)
        return 0;
    for (const ControlTemplate& row : template_->controls)
        if (row.kind == ControlKind::DefPushButton)
            return row.id;
    return 0;
}

// Enter: a focused push button has pressed itself already; otherwise the default
// button's command if that button is enabled, and IDOK when the template has none.
void CDialog::pressDefaultCommand()
{
    const int id = defaultCommandId();
    if (id == 0) {
        sendCommand(IDOK);
        return;
    }
    QWidget* button = GetDlgItem(id);
    if (!button) {
        sendCommand(id);
        return;
    }
    if (button->isEnabled())
        sendCommand(id);
}

void CDialog::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain) {
        switch (event->key()) {
        case Qt::Key_Escape:
            reject(); // refused, like the close box, while Cancel is disabled
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            pressDefaultCommand();
            return;
        default:
            break;
        }
    }
    QDialog::keyPressEvent(event);
}

void CDialog::contextMenuEvent(QContextMenuEvent* event)
{
    if (systemMenu_.popup(event->globalPos()))
        event->accept();
    else
        QDialog::contextMenuEvent(event);
}

} // namespace ordisan
