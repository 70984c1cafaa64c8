#pragma once

#include "knowledge/knowledge_base.h"
#include "tools/load_record.h"

#include <string>
#include <string_view>
#include <vector>

namespace ordisan::tools {

// What loads but is likely a mistake, in the order the kinds are listed here.
enum class WarningKind {
    DroppedExplanation,
    TermNotShown,
    RepeatedSymptom,
    EmptySyndrome,
    DuplicateSyndrome,
    UndefinedByte,
    Slash,
    NulCut,
    Utf8,
    TooLong,
};

const char* kindName(WarningKind kind);

struct Warning {
    WarningKind kind;
    DataFile file;
    int line;
    std::string text; // code page 1250, like the texts it quotes
};

// What a load read of one file and how far it got: lines after `stopLine` were never
// looked at by the loader, and the line `stopLine` itself was refused (nothing of it
// stored). 0: the loader took every line the reader returned. The bytes belong to
// the caller; the second read replays them in place.
struct LoadExtent {
    bool opened = false;
    std::string_view bytes;
    bool readFailed = false; // reading stopped on an error, not at the end
    int stopLine = 0;
};

// Reads the same bytes a second time with a line reader of its own and a reporter
// that swallows everything, and matches the lines against what the load stored in
// `kb`. What the loader reported is not touched.
std::vector<Warning> syndromeFileWarnings(const KnowledgeBase& kb, const LoadExtent& extent);
std::vector<Warning> dictionaryFileWarnings(const KnowledgeBase& kb, const LoadExtent& extent);

// Both files' warnings, sorted by file, line and kind.
void sortWarnings(std::vector<Warning>& warnings);

} // namespace ordisan::tools
