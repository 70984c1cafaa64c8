#pragma once

#include <QString>

namespace ordisan {

// Qt's own texts (file and print dialogs, message-box buttons, the standard context
// menus of trees and text fields) in Croatian: loads Qt's translation `qtbase_hr` from
// `folder`, by default Qt's translations folder, and installs it in the application,
// which must exist and owns it. The program's own texts are Croatian already. False
// when the translation is missing or unreadable: Qt's texts then stay in English, and
// a warning names the folder and the package that brings the file.
bool installQtTranslation(const QString& folder = QString());

} // namespace ordisan
