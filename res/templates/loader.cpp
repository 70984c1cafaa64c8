// Template 132, the loader dialog.
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace ordisan {

namespace {

using enum ControlKind;
using namespace style;

constexpr ControlTemplate CONTROLS[] = {
    // id                kind           x    y    cx   cy   text                             styles
    {IDC_STATUS,         Text,          {14, 19, 118, 8},  "Ucitavam sindrome i simptome",  GROUP},
    {IDC_PROGRESS,       ProgressBar,   {14, 33, 206, 14}, nullptr,                         BORDER},
    {IDC_LOADER_OK,      DefPushButton, {178, 98, 50, 14}, "Ok",                            TABSTOP | DISABLED},
    {IDC_STATIC,         Text,          {14, 52, 32, 8},   "Sindroma:",                     GROUP},
    {IDC_STATIC,         Text,          {12, 64, 34, 8},   "Simptoma:",                     GROUP},
    {IDC_SYNDROME_COUNT, Text,          {58, 52, 56, 8},   "Static",                        GROUP},
    {IDC_SYMPTOM_COUNT,  Text,          {58, 64, 61, 8},   "Static",                        GROUP},
    {IDC_STATIC,         Text,          {27, 75, 19, 8},   "Veza:",                         GROUP},
    {IDC_LINK_COUNT,     Text,          {58, 75, 54, 8},   "Static",                        GROUP},
    {IDC_STATIC,         GroupBox,      {7, 7, 222, 87},   "Ucitavanje podataka...",        0},
    {IDC_STATIC,         Text,          {120, 75, 54, 8},  "Rijeci u rijecniku:",           GROUP},
    {IDC_WORD_COUNT,     Text,          {179, 75, 43, 8},  "Static",                        GROUP},
    {IDC_STATIC,         Text,          {9, 97, 22, 8},    "Start...",                      GROUP},
    {IDC_COUNTDOWN,      Text,          {34, 97, 24, 8},   "5",                             GROUP},
};

} // namespace

const DialogTemplate LOADER_TEMPLATE{IDD_LOADER, "Ordisan loader...", 236, 118, dialog_style::CENTER,
                                     CONTROLS};

} // namespace ordisan
