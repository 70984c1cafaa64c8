#pragma once

#include <QString>

namespace ordisan {

class CDialog;

// The window system's own system menu, where there is one to add to (Windows). Each
// call returns false where there is none, and the caller builds its stand-in.
bool nativeSystemMenuAppendSeparator(CDialog& dialog);
bool nativeSystemMenuAppendItem(CDialog& dialog, unsigned command, const QString& text);
// For a native window message: the command of a WM_SYSCOMMAND that carries one of
// the program's own commands (below the window system's 0xF000 range).
bool nativeSystemCommand(const void* message, unsigned* command);

} // namespace ordisan
