#include "knowledge/messages.h"

#include <cstdio>
#include <iterator>

namespace ordisan {

namespace {

// Code page 1250: \x8A is Š, \x9A is š, \xC8 is Č, \xE8 is č. A string literal is
// split after each escape so that no following letter is read as a hex digit.
constexpr const char* GRESKA = "GRE\x8A" "KA";
constexpr const char* GRESKA_PLAIN = "GRESKA";
constexpr const char* STOP = "STOP!";
constexpr const char* ERROR = "ERROR";

constexpr MessageText TABLE[] = {
    {"Ne mogu otvoriti datoteku podaci.cxt", GRESKA, ICON_NONE},
    {"Ne mogu se pozicionirati na kraj datoteke podaci.cxt", GRESKA, ICON_NONE},
    {"Ne mogu se pozicionirati na po\xE8" "etak datoteke podaci.cxt", GRESKA, ICON_NONE},
    {"Ne mogu alocirati buffer!", GRESKA, ICON_NONE},
    {"Previ\x9A" "e sindroma!", STOP, ICON_STOP},
    {"Definiran nepoznati spol u liniji %d.", GRESKA, ICON_NONE},
    {"O\xE8" "ekivana '-' u liniji %d.", GRESKA, ICON_NONE},
    {"Definirana nepoznata lokacija u liniji %d.", GRESKA, ICON_NONE},
    {"O\xE8" "ekivana ')' u liniji %d.", GRESKA, ICON_NONE},
    {"Previ\x9A" "e simptoma!", STOP, ICON_STOP},
    {"Previ\x9A" "e veza!", STOP, ICON_STOP},
    {"Simptom bez sindroma u liniji %d.", GRESKA, ICON_NONE},
    {"Preduga\xE8" "ak naziv sindroma u liniji %d.", GRESKA, ICON_NONE},
    {"Preduga\xE8" "ak opis simptoma u liniji %d.", GRESKA, ICON_NONE},
    {"Ne mogu otvoriti datoteku rjecnik.cxt", GRESKA_PLAIN, ICON_NONE},
    {"Ne mogu se pozicionirati na kraj datoteke rjecnik.cxt", GRESKA, ICON_NONE},
    {"Ne mogu se pozicionirati na po\xE8" "etak datoteke rjecnik.cxt", GRESKA, ICON_NONE},
    {"Previ\x9A" "e rijeci za rjecnik!", STOP, ICON_STOP},
    {"Preduga\xE8" "ak pojam u liniji %d.", GRESKA, ICON_NONE},
    {"Preduga\xE8" "ko obja\x9A" "njenje u liniji %d.", GRESKA, ICON_NONE},
    {"Nije o\xE8" "ekivan tako dug izraz u liniji br.%d", ERROR, ICON_NONE},
    {"Preduga\xE8" "ak red u liniji br. %d", GRESKA, ICON_NONE},
    {"Gre\x9A" "ka pri \xE8" "itanju datoteke u liniji br. %d", GRESKA, ICON_NONE},
};

static_assert(std::size(TABLE) == static_cast<std::size_t>(Message::ReadError) + 1,
              "one text for every message");

} // namespace

const MessageText& messageText(Message message)
{
    return TABLE[static_cast<int>(message)];
}

void reportMessage(LoadReporter& reporter, Message message)
{
    const MessageText& m = messageText(message);
    reporter.showMessage(m.text, m.caption, m.icon);
}

void reportLineMessage(LoadReporter& reporter, Message message, int lineNumber)
{
    const MessageText& m = messageText(message);
    char text[128];
    std::snprintf(text, sizeof text, m.text, lineNumber);
    reporter.showMessage(text, m.caption, m.icon);
}

} // namespace ordisan
