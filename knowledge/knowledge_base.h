// The knowledge layer: the one in-memory record of a run, the line reader with its
// reporter interface, and the two file loaders. Standard C++ only; no toolkit header
// may be included anywhere below knowledge/.
#pragma once

#include <cstdint>

namespace ordisan {

inline constexpr int MAX_SYNDROMES = 500;
inline constexpr int MAX_SYMPTOMS = 2000;
inline constexpr int MAX_LINKS = 3000;
inline constexpr int MAX_WORDS = 1000;

// Above every symptom index; the trees' item parameters build on it (a symptom item
// of the overview holds it plus its index, a syndrome item of the diagnosis holds it).
inline constexpr int ITEM_PARAMETER_BASE = 10000;
static_assert(ITEM_PARAMETER_BASE >= MAX_SYMPTOMS);

// Widths of the text arrays, terminating NUL included.
inline constexpr int NAME_SIZE = 256;
inline constexpr int TERM_SIZE = 50;
inline constexpr int EXPLANATION_SIZE = 100;

// Codes are plain 32-bit integers: a record may hold any value, and readers must
// cope with values outside the named ones.
using SexCode = std::int32_t;
inline constexpr SexCode SEX_MALE = 1;
inline constexpr SexCode SEX_FEMALE = 2;
inline constexpr SexCode SEX_BOTH = 3;

using LocationCode = std::int32_t;
inline constexpr LocationCode LOC_HEAD = 1;
inline constexpr LocationCode LOC_TRUNK = 2;
inline constexpr LocationCode LOC_LIMBS = 3;
inline constexpr LocationCode LOC_OTHER = 4;

using AnswerCode = std::int32_t;
inline constexpr AnswerCode ANSWER_PRESENT = 1;
inline constexpr AnswerCode ANSWER_ABSENT = 2;
inline constexpr AnswerCode ANSWER_UNKNOWN = 3;

struct SyndromeRecord {
    char name[NAME_SIZE];
    float score;
};

struct SymptomRecord {
    char text[NAME_SIZE];
    SexCode sex;
    LocationCode location;
    AnswerCode answer;
    float weight;
};

struct SymptomLink {
    std::int32_t symptom;
    std::int32_t syndrome;
};

struct DictionaryEntry {
    char term[TERM_SIZE];
    char explanation[EXPLANATION_SIZE];
};

// Everything the program knows during a run. Plain public fields; the loaders only
// append, and readers never look past the counts. Value-initialise it (`{}`) to get
// the all-zero state of program start.
struct KnowledgeBase {
    std::int32_t symptomCount;
    std::int32_t syndromeCount;
    std::int32_t linkCount;
    std::int32_t wordCount;
    SyndromeRecord syndromes[MAX_SYNDROMES];
    SymptomRecord symptoms[MAX_SYMPTOMS];
    SymptomLink links[MAX_LINKS];
    DictionaryEntry words[MAX_WORDS];
    std::uint32_t patientAge;
    SexCode patientSex;
    std::int32_t syndromeOrder[MAX_SYNDROMES];
    std::int32_t symptomOrder[MAX_SYMPTOMS];
};

} // namespace ordisan
