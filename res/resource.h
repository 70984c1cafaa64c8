// The program's resource numbers: dialog templates, controls, icons, bitmaps,
// strings and commands. They are part of the interface: the pictures in this folder
// are named after them (icon128.svg, bitmap179.svg).
#pragma once

namespace ordisan {

// Dialog templates.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_MAINMENU = 102;
inline constexpr int IDD_LOADER = 132;
inline constexpr int IDD_OVERVIEW = 133;
inline constexpr int IDD_DICTIONARY = 136;
inline constexpr int IDD_PATIENT = 139;
inline constexpr int IDD_DIAGNOSIS = 140;

// Strings.
inline constexpr int IDS_ABOUTBOX = 101;

// System-menu commands.
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;

// Icons.
inline constexpr int IDR_MAINFRAME = 128; // the application icon
inline constexpr int IDI_SYNDROME = 134;
inline constexpr int IDI_LETTER = 137;
inline constexpr int IDI_WORD = 138;
inline constexpr int IDI_PRESENT = 141;
inline constexpr int IDI_ABSENT = 142;
inline constexpr int IDI_UNKNOWN = 144;
inline constexpr int IDI_BAND_HALF = 145;
inline constexpr int IDI_BAND_ABOVE_HALF = 146;
inline constexpr int IDI_BAND_HIGH = 147;
inline constexpr int IDI_BAND_BELOW_HALF = 148;
inline constexpr int IDI_BAND_LOW = 149;
inline constexpr int IDI_HEAD = 150;
inline constexpr int IDI_TRUNK = 151;
inline constexpr int IDI_LIMBS = 152;
inline constexpr int IDI_OTHER = 153;

// Bitmaps; the picture buttons' images go by name (PREGLEDU, PRD …).
inline constexpr int IDB_DIAGNOSIS = 173;
inline constexpr int IDB_DIAGNOSIS_TITLE = 174;
inline constexpr int IDB_TITLE = 179;

// Controls.
inline constexpr int IDC_DIJAGNOSTICIRANJE = 1002;
inline constexpr int IDC_RJECNIK = 1003; // also the diagnosis dialog's "RJ"
inline constexpr int IDC_PROGRESS = 1008;
inline constexpr int IDC_TREE = 1010;
inline constexpr int IDC_SEX_MALE = 1016;
inline constexpr int IDC_SEX_FEMALE = 1017;
inline constexpr int IDC_AGE = 1018;
inline constexpr int IDC_SEX_GROUP = 1019;
inline constexpr int IDC_PREGLED = 1023; // also the diagnosis dialog's "PR"
inline constexpr int IDC_RERANK = 1027;
inline constexpr int IDC_SYNDROME_TREE = 1032;
inline constexpr int IDC_SYMPTOM_TREE = 1033;
inline constexpr int IDC_SYNDROME_COUNT = 1038;
inline constexpr int IDC_SYMPTOM_COUNT = 1039;
inline constexpr int IDC_LINK_COUNT = 1041;
inline constexpr int IDC_LOADER_OK = 1042;
inline constexpr int IDC_STATUS = 1043;
inline constexpr int IDC_WORD_COUNT = 1044;
inline constexpr int IDC_COUNTDOWN = 1045;

} // namespace ordisan
