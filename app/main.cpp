#include "app/diagnostic_app.h"
#include "platform/qt_translation.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Command-line arguments have no effect: Qt sees the program name only. No
    // application display name is set, since Qt would add it to every window title.
    int qtArgc = 1;
    char fallbackName[] = "ordisan";
    char* qtArgv[] = {argc > 0 ? argv[0] : fallbackName, nullptr};
    QApplication qt(qtArgc, qtArgv);
    QApplication::setQuitOnLastWindowClosed(false); // the dialogs' own loops decide
    QGuiApplication::setDesktopFileName(QStringLiteral("ordisan"));
    // Without it Qt's own texts stay in English; the program runs on.
    ordisan::installQtTranslation();

    ordisan::CDiagnosticApp app;
    app.InitInstance();
    return 0;
}
