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
// Can be resized and maximised: the template's size is the default and the smallest,
// and each control follows the right and bottom edges as its anchor says.
inline constexpr unsigned RESIZABLE = 1u << 2;
} // namespace dialog_style

// How a control follows one edge of a growing dialog (the right or the bottom), by the
// change of the dialog's width or height against its template. At the template's size
// nothing moves.
enum class Follow : unsigned char {
    Stays,      // keeps its place and size
    Moves,      // moves with the edge, keeps its size
    Stretches,  // keeps its place, grows with the edge
    FirstHalf,  // keeps its place, grows by half the change: the first of two that share it
    SecondHalf, // moves by that half and grows by the rest: the second of the two
};

struct Anchor {
    Follow right = Follow::Stays;
    Follow bottom = Follow::Stays;
};

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
    Anchor anchor = {}; // in a resizable dialog
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
