#pragma once

#include "platform/dialog.h"

#include <QString>

#include <cstdint>

class QWidget;

namespace ordisan {

// What the framework says when a field meant for an unsigned number is rejected.
inline constexpr const char* UNSIGNED_FIELD_MESSAGE = "Please enter a positive integer.";
inline constexpr const char* UNSIGNED_FIELD_CAPTION = "Ordisan";

// One run of a dialog's DoDataExchange, towards the controls or from them. After a
// field has been rejected every later exchange of the run does nothing.
class DataExchange {
public:
    DataExchange(CDialog& dialog, bool saveAndValidate)
        : dialog_(dialog), saveAndValidate_(saveAndValidate)
    {
    }

    CDialog& dialog() const { return dialog_; }
    // True: from the controls into the members.
    bool saving() const { return saveAndValidate_; }
    bool failed() const { return failed_; }

    // Rejects the field of `control`: tells the user, puts the focus back on the
    // control with its text selected, and stops the exchange.
    void fail(QWidget* control, const QString& message);

private:
    CDialog& dialog_;
    bool saveAndValidate_;
    bool failed_ = false;
};

// The text of a static, button, group box or edit control.
void DDX_Text(DataExchange& exchange, int id, QString& value);
// An edit control as an unsigned decimal number: digits, blanks around them allowed,
// at most 4294967295. Anything else is rejected with UNSIGNED_FIELD_MESSAGE.
void DDX_Text(DataExchange& exchange, int id, std::uint32_t& value);
// The position of the checked button among the radio buttons of the group that starts
// with control `id`; -1 for none.
void DDX_Radio(DataExchange& exchange, int id, int& index);

// Binds a member to the control `id` of the dialog; null when there is no such
// control of that type.
template <class Control>
void DDX_Control(DataExchange& exchange, int id, Control*& member)
{
    member = exchange.dialog().template GetDlgItem<Control>(id);
}

// The unsigned exchange's reading rule, on its own.
bool parseUnsignedField(const QString& text, std::uint32_t& value);

} // namespace ordisan
