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
    {Message::SyndromeFileOpen, "Ne mogu otvoriti datoteku podaci.cxt", GRESKA, ICON_NONE},
    {Message::SyndromeFileSeekEnd,
         "Ne mogu se pozicionirati na kraj datoteke podaci.cxt", GRESKA, ICON_NONE},
    {Message::SyndromeFileSeekStart,
         "Ne mogu se pozicionirati na po\xE8" "etak datoteke podaci.cxt", GRESKA, ICON_NONE},
    {Message::ChunkAllocation, "Ne mogu alocirati buffer!", GRESKA, ICON_NONE},
    {Message::TooManySyndromes, "Previ\x9A" "e sindroma!", STOP, ICON_STOP},
    {Message::UnknownSex, "Definiran nepoznati spol u liniji %d.", GRESKA, ICON_NONE},
    {Message::ExpectedDash, "O\xE8" "ekivana '-' u liniji %d.", GRESKA, ICON_NONE},
    {Message::UnknownLocation, "Definirana nepoznata lokacija u liniji %d.", GRESKA, ICON_NONE},
    {Message::ExpectedParenthesis, "O\xE8" "ekivana ')' u liniji %d.", GRESKA, ICON_NONE},
    {Message::TooManySymptoms, "Previ\x9A" "e simptoma!", STOP, ICON_STOP},
    {Message::TooManyLinks, "Previ\x9A" "e veza!", STOP, ICON_STOP},
    {Message::SymptomWithoutSyndrome, "Simptom bez sindroma u liniji %d.", GRESKA, ICON_NONE},
    {Message::SyndromeNameTooLong,
         "Preduga\xE8" "ak naziv sindroma u liniji %d.", GRESKA, ICON_NONE},
    {Message::SymptomTextTooLong, "Preduga\xE8" "ak opis simptoma u liniji %d.", GRESKA, ICON_NONE},
    {Message::DictionaryFileOpen, "Ne mogu otvoriti datoteku rjecnik.cxt", GRESKA_PLAIN, ICON_NONE},
    {Message::DictionaryFileSeekEnd,
         "Ne mogu se pozicionirati na kraj datoteke rjecnik.cxt", GRESKA, ICON_NONE},
    {Message::DictionaryFileSeekStart,
         "Ne mogu se pozicionirati na po\xE8" "etak datoteke rjecnik.cxt", GRESKA, ICON_NONE},
    {Message::TooManyWords, "Previ\x9A" "e rijeci za rjecnik!", STOP, ICON_STOP},
    {Message::TermTooLong, "Preduga\xE8" "ak pojam u liniji %d.", GRESKA, ICON_NONE},
    {Message::ExplanationTooLong,
         "Preduga\xE8" "ko obja\x9A" "njenje u liniji %d.", GRESKA, ICON_NONE},
    {Message::ExpressionTooLong,
         "Nije o\xE8" "ekivan tako dug izraz u liniji br.%d", ERROR, ICON_NONE},
    {Message::LineTooLongForBuffer, "Preduga\xE8" "ak red u liniji br. %d", GRESKA, ICON_NONE},
    {Message::ReadError,
         "Gre\x9A" "ka pri \xE8" "itanju datoteke u liniji br. %d", GRESKA, ICON_NONE},
};

// Each row sits at its id's place, so that a reordered enum or table fails to build
// rather than showing one message's text for another.
constexpr bool keyedInOrder()
{
    for (std::size_t i = 0; i < std::size(TABLE); ++i) {
        if (TABLE[i].id != static_cast<Message>(i))
            return false;
    }
    return true;
}
static_assert(keyedInOrder(), "message table rows out of their ids' order");
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
    reporter.showIdentifiedMessage(message, m.text, m.caption, m.icon);
}

void reportLineMessage(LoadReporter& reporter, Message message, int lineNumber)
{
    const MessageText& m = messageText(message);
    char text[128];
    std::snprintf(text, sizeof text, m.text, lineNumber);
    reporter.showIdentifiedMessage(message, text, m.caption, m.icon);
}

} // namespace ordisan
