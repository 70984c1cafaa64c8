#pragma once

#include "tools/load_record.h"

#include <string>
#include <string_view>
#include <vector>

namespace ordisan::tools {

// A line of a data file longer than the loader takes: the reader's limit for any line,
// or the limit of the field the line holds (syndrome name, symptom text, term,
// explanation). The loader stops at the first; this finds them all.
struct LongLine {
    int line = 0;
    const char* what = "";     // "line", "syndrome name", "symptom text", "term", "explanation"
    int bytes = 0;
    int limit = 0;
    int cp1250Bytes = 0;       // the same text with its UTF-8 letters one byte each
};

// Every over-long line of the whole file `bytes`, read as the reader and the loader of
// `file` read it (line breaks, comments and slashes, blank lines, terms and their
// explanations).
std::vector<LongLine> longLinesOf(DataFile file, std::string_view bytes);

// Whether the reader or a loader refused the line of this call for its length; the
// scan finds that line among the over-long ones.
bool refusesForLength(const ReportCall& call);

// "explanation of 104 bytes, at most 99", and when UTF-8 letters are why or part of
// why, what the text takes in code page 1250 and how to convert the file.
std::string describe(const LongLine& line);

} // namespace ordisan::tools
