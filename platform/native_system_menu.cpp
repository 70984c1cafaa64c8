// Windows keeps a system menu per window that a program may append to; other window
// systems have nothing of the kind, and these functions report so.
#include "platform/native_system_menu.h"

#include "platform/dialog.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace ordisan {

#ifdef Q_OS_WIN

namespace {

HMENU systemMenuOf(CDialog& dialog)
{
    return ::GetSystemMenu(reinterpret_cast<HWND>(dialog.winId()), FALSE);
}

} // namespace

bool nativeSystemMenuAppendSeparator(CDialog& dialog)
{
    ::AppendMenuW(systemMenuOf(dialog), MF_SEPARATOR, 0, nullptr);
    return true;
}

bool nativeSystemMenuAppendItem(CDialog& dialog, unsigned command, const QString& text)
{
    ::AppendMenuW(systemMenuOf(dialog), MF_STRING, command,
                  reinterpret_cast<const wchar_t*>(text.utf16()));
    return true;
}

bool nativeSystemCommand(const void* message, unsigned* command)
{
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message != WM_SYSCOMMAND || (msg->wParam & 0xFFF0) >= 0xF000)
        return false;
    *command = static_cast<unsigned>(msg->wParam);
    return true;
}

#else

bool nativeSystemMenuAppendSeparator(CDialog&)
{
    return false;
}

bool nativeSystemMenuAppendItem(CDialog&, unsigned, const QString&)
{
    return false;
}

bool nativeSystemCommand(const void*, unsigned*)
{
    return false;
}

#endif

} // namespace ordisan
