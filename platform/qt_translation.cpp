#include "platform/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ordisan {

bool installQtTranslation(const QString& folder)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return false;
    const QString from =
        folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    auto* translator = new QTranslator(app);
    if (!translator->load(QStringLiteral("qtbase_hr"), from)
        || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        qWarning("ordisan: Qt's Croatian translation qtbase_hr.qm was not found in %s (Debian "
                 "package qt6-translations-l10n); Qt's own dialogs and buttons stay in English.",
                 qPrintable(from));
        return false;
    }
    return true;
}

} // namespace ordisan
