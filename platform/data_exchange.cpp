#include "platform/data_exchange.h"

#include "platform/group_frame.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <limits>

namespace ordisan {

namespace {

QString textOf(const QWidget* control)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* frame = qobject_cast<const GroupFrame*>(control))
        return frame->title();
    return {};
}

void setTextOf(QWidget* control, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* frame = qobject_cast<GroupFrame*>(control))
        frame->setTitle(text);
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The radio buttons of the group that control `id` starts, in template order.
QList<QRadioButton*> radioGroupOf(const CDialog& dialog, int id)
{
    QList<QRadioButton*> buttons;
    const DialogTemplate* dialogTemplate = dialog.dialogTemplate();
    if (!dialogTemplate)
        return buttons;
    const auto& rows = dialogTemplate->controls;
    std::size_t first = 0;
    while (first < rows.size() && rows[first].id != id)
        ++first;
    for (std::size_t i = first; i < rows.size(); ++i) {
        if (i > first && (rows[i].styles & style::GROUP))
            break;
        if (rows[i].kind == ControlKind::AutoRadioButton) {
            if (auto* radio = dialog.GetDlgItem<QRadioButton>(rows[i].id))
                buttons.append(radio);
        }
    }
    return buttons;
}

} // namespace

void DataExchange::fail(QWidget* control, const QString& message)
{
    failed_ = true;
    messageBox(&dialog_, message, QString::fromUtf8(UNSIGNED_FIELD_CAPTION),
               MessageIcon::Exclamation);
    if (control) {
        control->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->selectAll();
    }
}

bool parseUnsignedField(const QString& text, std::uint32_t& value)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    if (begin == end)
        return false;
    std::uint64_t number = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        number = number * 10 + static_cast<std::uint64_t>(c.unicode() - '0');
        if (number > std::numeric_limits<std::uint32_t>::max())
            return false;
    }
    value = static_cast<std::uint32_t>(number);
    return true;
}

void DDX_Text(DataExchange& exchange, int id, QString& value)
{
    if (exchange.failed())
        return;
    QWidget* control = exchange.dialog().GetDlgItem(id);
    if (!control)
        return;
    if (exchange.saving())
        value = textOf(control);
    else
        setTextOf(control, value);
}

void DDX_Text(DataExchange& exchange, int id, std::uint32_t& value)
{
    if (exchange.failed())
        return;
    QWidget* control = exchange.dialog().GetDlgItem(id);
    if (!control)
        return;
    if (!exchange.saving()) {
        setTextOf(control, QString::number(value));
        return;
    }
    std::uint32_t read = 0;
    if (parseUnsignedField(textOf(control), read))
        value = read;
    else
        exchange.fail(control, QString::fromUtf8(UNSIGNED_FIELD_MESSAGE));
}

void DDX_Radio(DataExchange& exchange, int id, int& index)
{
    if (exchange.failed())
        return;
    const QList<QRadioButton*> buttons = radioGroupOf(exchange.dialog(), id);
    if (exchange.saving()) {
        index = -1;
        for (qsizetype i = 0; i < buttons.size(); ++i)
            if (buttons[i]->isChecked())
                index = static_cast<int>(i);
        return;
    }
    // An exclusive group refuses to clear its checked button, and -1 clears them all.
    QList<QButtonGroup*> exclusiveGroups;
    for (QRadioButton* button : buttons) {
        QButtonGroup* group = button->group();
        if (group && group->exclusive() && !exclusiveGroups.contains(group)) {
            exclusiveGroups.append(group);
            group->setExclusive(false);
        }
    }
    for (qsizetype i = 0; i < buttons.size(); ++i)
        buttons[i]->setChecked(i == index);
    for (QButtonGroup* group : exclusiveGroups)
        group->setExclusive(true);
}

} // namespace ordisan
