// A dialog template: the caption, size, styles and table of controls of one dialog,
// in dialog units, as data. The tables themselves live in res/; CDialog builds a
// window from one. Texts are the program's own, as UTF-8 literals.
#pragma once

#include <span>

namespace ordisan {

// Results of a modal dialog and the identifiers the dialog manager gives meaning to.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_STATIC = -1;

enum class ControlKind {
    Text,            // left-aligned static text
    Picture,         // static showing a bitmap resource, stretched over its rectangle
    Icon,            // static showing an icon resource at the system icon size
    GroupBox,        // a frame with a title; only paints, never takes input
    PushButton,
    DefPushButton,   // the dialog's default command
    OwnerDrawButton, // a picture button; its caption names its images
    AutoRadioButton,
    Edit,
    ProgressBar,
    TreeView,
};

// Control styles the program's templates use, one bit each.
namespace style {
inline constexpr unsigned TABSTOP = 1u << 0;
inline constexpr unsigned GROUP = 1u << 1;
inline constexpr unsigned DISABLED = 1u << 2;
inline constexpr unsigned BORDER = 1u << 3;
inline constexpr unsigned NOPREFIX = 1u << 4;      // static text: '&' is shown as it is
inline constexpr unsigned HASBUTTONS = 1u << 5;    // tree view
inline constexpr unsigned HASLINES = 1u << 6;      // tree view
inline constexpr unsigned LINESATROOT = 1u << 7;   // tree view
inline constexpr unsigned SHOWSELALWAYS = 1u << 8; // tree view
inline constexpr unsigned AUTOHSCROLL = 1u << 9;   // edit
inline constexpr unsigned MODALFRAME_EX = 1u << 10; // sunken double frame around the control
} // namespace style

// Dialog styles beyond the caption, close box and fixed modal frame that every
// template of the program has.
namespace dialog_style {
inline constexpr unsigned CENTER = 1u << 0;    // centred on the screen, not over the owner
inline constexpr unsigned APPWINDOW = 1u << 1; // a window of its own in the task bar
} // namespace dialog_style

struct DialogRect {
    int x;
    int y;
    int cx;
    int cy;
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    DialogRect rect;
    const char* text;  // caption; for a picture or an icon, null
    unsigned styles;   // style:: bits
    int resource = 0;  // the bitmap or icon number of a picture or an icon
};

struct DialogTemplate {
    int id;
    const char* caption;
    int cx;
    int cy;
    unsigned styles; // dialog_style:: bits
    std::span<const ControlTemplate> controls;
};

} // namespace ordisan
