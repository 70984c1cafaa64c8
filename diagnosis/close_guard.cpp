#include "diagnosis/close_guard.h"

#include "platform/message_box.h"

namespace ordisan {

namespace {

enum Choice { SAVE, CLOSE, BACK };

} // namespace

bool CloseGuard::mayClose(QWidget* owner, bool hasAnswers)
{
    if (!unsaved_ || !hasAnswers)
        return true;
    const int choice = questionBox(
        owner,
        QStringLiteral("Odgovori ovog slučaja nisu ni spremljeni ni kopirani otkad su se "
                       "zadnji put promijenili.\n\nŽelite li spremiti slučaj prije zatvaranja?"),
        QStringLiteral("Dijagnosticiranje"),
        {QStringLiteral("&Spremi slučaj..."), QStringLiteral("&Zatvori bez spremanja"),
         QStringLiteral("&Natrag na slučaj")},
        SAVE, BACK);
    switch (choice) {
    case SAVE: return save_ && save_();
    case CLOSE: return true;
    default: return false;
    }
}

} // namespace ordisan
