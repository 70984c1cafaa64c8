#include "diagnosis/close_guard.h"

#include "platform/message_box.h"

namespace ordisan {

namespace {

enum Choice { SAVE, GO_ON, BACK };

} // namespace

bool CloseGuard::mayLeave(QWidget* owner, bool wouldLose, Leaving leaving) const
{
    if (!wouldLose)
        return true;
    const bool closing = leaving == Leaving::Close;
    const int choice = questionBox(
        owner,
        QStringLiteral("Odgovori ovog slučaja nisu ni spremljeni ni kopirani otkad su se "
                       "zadnji put promijenili.\n\nŽelite li spremiti slučaj prije %1?")
            .arg(closing ? QStringLiteral("zatvaranja") : QStringLiteral("otvaranja drugoga")),
        QStringLiteral("Dijagnosticiranje"),
        {QStringLiteral("&Spremi slučaj..."),
         closing ? QStringLiteral("&Zatvori bez spremanja") : QStringLiteral("&Otvori bez spremanja"),
         QStringLiteral("&Natrag na slučaj")},
        SAVE, BACK);
    switch (choice) {
    case SAVE: return save_ && save_();
    case GO_ON: return true;
    default: return false;
    }
}

} // namespace ordisan
