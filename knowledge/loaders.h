#pragma once

#include "knowledge/knowledge_base.h"
#include "knowledge/line_reader.h"
#include "knowledge/load_reporter.h"

namespace ordisan {

inline constexpr const char* SYNDROME_FILE_NAME = "podaci.cxt";
inline constexpr const char* DICTIONARY_FILE_NAME = "rjecnik.cxt";

// Loads podaci.cxt from the reader's folder into the syndromes, symptoms and links.
// True when the file was read to its end (or ended by a line too long for the
// reader); false after an error reported through `reporter`. Obtains the reader's
// chunk and leaves it with the reader for the dictionary.
bool loadSyndromeFile(KnowledgeBase& kb, LineReader& reader, LoadReporter& reporter);

// Loads rjecnik.cxt into the words, pairing each term line with the explanation line
// right after it. Releases the reader's chunk when the file has been read.
bool loadDictionaryFile(KnowledgeBase& kb, LineReader& reader, LoadReporter& reporter);

// The progress shown for `bytes` taken of a file of `size` bytes: 0 … 100.
int progressPercent(std::int64_t bytes, std::int64_t size);

// Empty or blanks only, read as a C string.
bool isBlankLine(const char* line);

} // namespace ordisan
