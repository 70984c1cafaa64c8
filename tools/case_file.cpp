#include "tools/case_file.h"

#include "knowledge/file_access.h"
#include "knowledge/line_reader.h"
#include "knowledge/load_reporter.h"
#include "knowledge/utf8_letter.h"
#include "tools/closest_text.h"
#include "tools/in_quotes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>

namespace ordisan::tools {

namespace {

// Remembers that the reader complained: of a line too long, or of a failed read.
class ReaderComplaint final : public LoadReporter {
public:
    void showMessage(const char*, const char*, int) override { complained = true; }
    void showProgress(int) override {}
    void showSyndromeCounts(int, int, int) override {}
    void showWordCount(int) override {}

    bool complained = false;
};

std::string trimmed(const std::string& text)
{
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t") + 1 - begin);
}

const char* sexWord(SexCode sex)
{
    return sex == SEX_MALE ? "male" : "female";
}

// A DA or NE line, kept until the case's sex is known.
struct Answer {
    int line;
    bool present;
    std::string text;
    std::vector<int> symptoms; // every symptom with this text
};

// A case as its lines give it, checked as a whole when the next one starts.
struct OpenCase {
    RegressionCase result;
    std::optional<SexCode> sex;
    bool withinGiven = false;
    std::vector<Answer> answers;
};

class CaseFileParser {
public:
    explicit CaseFileParser(const KnowledgeBase& kb) : kb_(kb)
    {
        for (int i = 0; i < kb.syndromeCount; ++i)
            syndromeNames_.push_back(trimmed(kb.syndromes[i].name));
        for (int j = 0; j < kb.symptomCount; ++j)
            symptomTexts_.push_back(trimmed(kb.symptoms[j].text));
    }

    void takeLine(int line, const std::string& text)
    {
        const std::size_t colon = text.find(':');
        const std::string key = trimmed(text.substr(0, colon));
        const std::string value = colon == std::string::npos ? "" : trimmed(text.substr(colon + 1));
        if (colon == std::string::npos || !isKey(key)) {
            error(line, (colon == std::string::npos ? "no \"KEY:\" in " + inQuotes(text)
                                                    : "unknown key " + inQuotes(key))
                            + "; the keys are SLUCAJ, SPOL, DA, NE and MJESTO");
            return;
        }
        if (key == "SLUCAJ") {
            closeCase();
            open_.emplace();
            open_->result.line = line;
            open_->result.syndrome = lookUp(line, value, syndromeNames_, "syndrome");
            return;
        }
        if (!open_) {
            error(line, key + " outside a case; a case starts with SLUCAJ");
            return;
        }
        if (key == "SPOL")
            takeSex(line, value);
        else if (key == "MJESTO")
            takeWithin(line, value);
        else
            takeAnswer(line, key == "DA", value);
    }

    CaseFile finish()
    {
        closeCase();
        if (file_.cases.empty() && file_.errors.empty())
            error(0, "holds no case; a case starts with SLUCAJ");
        std::stable_sort(
            file_.errors.begin(), file_.errors.end(),
            [](const CaseFileError& a, const CaseFileError& b) { return a.line < b.line; });
        if (!file_.errors.empty())
            file_.cases.clear();
        return std::move(file_);
    }

    void error(int line, std::string text) { file_.errors.push_back({line, std::move(text)}); }

private:
    static bool isKey(const std::string& key)
    {
        return key == "SLUCAJ" || key == "SPOL" || key == "DA" || key == "NE" || key == "MJESTO";
    }

    // The index of the one name equal to `value`, or -1 after an error naming the
    // closest one.
    int lookUp(int line, const std::string& value, const std::vector<std::string>& names,
               const char* what)
    {
        if (value.empty()) {
            error(line, std::string("no ") + what + " given");
            return -1;
        }
        const auto found = std::find(names.begin(), names.end(), value);
        if (found != names.end())
            return static_cast<int>(found - names.begin());
        std::string text = std::string("no ") + what + " " + inQuotes(value);
        text += names.empty() ? "; none is loaded"
                              : "; the closest is " + inQuotes(closestText(value, names));
        if (!utf8LetterIn(value.c_str()).empty())
            text += "; the case file seems saved as UTF-8, not code page 1250";
        error(line, text);
        return -1;
    }

    void takeSex(int line, const std::string& value)
    {
        if (open_->sex) {
            error(line, "SPOL given twice in one case");
        } else if (value == "M" || value == "Z") {
            open_->sex = value == "M" ? SEX_MALE : SEX_FEMALE;
        } else {
            error(line, "SPOL must be M or Z, not " + inQuotes(value));
            open_->sex = SEX_BOTH; // given, though unusable: no second complaint
        }
    }

    void takeWithin(int line, const std::string& value)
    {
        const bool digits = !value.empty() && value.size() <= 9
            && std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
        const int within = digits ? std::stoi(value) : 0;
        if (open_->withinGiven)
            error(line, "MJESTO given twice in one case");
        else if (within < 1 || within > kb_.syndromeCount)
            error(line, "MJESTO must be a whole number from 1 to the "
                            + std::to_string(kb_.syndromeCount) + " syndromes loaded, not "
                            + inQuotes(value));
        open_->withinGiven = true;
        open_->result.within = std::max(within, 1);
    }

    void takeAnswer(int line, bool present, const std::string& value)
    {
        Answer answer{line, present, value, {}};
        if (lookUp(line, value, symptomTexts_, "symptom") < 0)
            return;
        for (int j = 0; j < kb_.symptomCount; ++j) {
            if (symptomTexts_[static_cast<std::size_t>(j)] == value)
                answer.symptoms.push_back(j);
        }
        open_->answers.push_back(std::move(answer));
    }

    // The checks that need the whole case: its sex, and answers that contradict.
    void closeCase()
    {
        if (!open_)
            return;
        OpenCase& c = *open_;
        if (!c.sex)
            error(c.result.line, "the case has no SPOL");
        std::map<std::string, const Answer*> first;
        for (const Answer& answer : c.answers) {
            const auto [earlier, isNew] = first.emplace(answer.text, &answer);
            if (!isNew && earlier->second->present != answer.present)
                error(answer.line, "symptom " + inQuotes(answer.text)
                                       + " is both present and absent (line "
                                       + std::to_string(earlier->second->line) + ")");
            if (!c.sex || (*c.sex != SEX_MALE && *c.sex != SEX_FEMALE))
                continue;
            // The program asks only what applies to the patient; of a text given to
            // symptoms of several sexes, the ones that apply are answered.
            bool applies = false;
            for (const int j : answer.symptoms) {
                const SexCode sex = kb_.symptoms[j].sex;
                if (sex != SEX_BOTH && sex != *c.sex)
                    continue;
                applies = true;
                (answer.present ? c.result.present : c.result.absent).push_back(j);
            }
            if (!applies)
                error(answer.line, "symptom " + inQuotes(answer.text) + " is for "
                                       + sexWord(*c.sex == SEX_MALE ? SEX_FEMALE : SEX_MALE)
                                       + " patients only, and the case is " + sexWord(*c.sex));
        }
        if (c.sex)
            c.result.sex = *c.sex;
        file_.cases.push_back(c.result);
        open_.reset();
    }

    const KnowledgeBase& kb_;
    std::vector<std::string> syndromeNames_;
    std::vector<std::string> symptomTexts_;
    std::optional<OpenCase> open_;
    CaseFile file_;
};

} // namespace

CaseFile readCaseFile(const std::string& path, const KnowledgeBase& kb)
{
    CaseFileParser parser(kb);
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        parser.error(0, "is a folder, not a case file");
        return parser.finish();
    }
    FileAccess files; // no folder: the path is taken as given
    OpenedFile opened(files);
    opened.stream = files.open(path.c_str());
    if (opened.stream == nullptr) {
        parser.error(0, std::string("cannot be opened: ") + std::strerror(errno));
        return parser.finish();
    }
    LineReader reader(files);
    if (!reader.allocateChunk()) {
        parser.error(0, "no memory to read it");
        return parser.finish();
    }
    reader.attach(opened.stream);
    ReaderComplaint complaint;
    while (reader.readLine(MAX_EXPRESSION_LENGTH, complaint)) {
        // A NUL would cut the line silently: the rest of it would not count.
        if (static_cast<std::size_t>(reader.lineLength()) > std::strlen(reader.line())) {
            parser.error(reader.lineNumber(), "the line holds a NUL byte");
            continue;
        }
        const std::string line = trimmed(reader.line());
        if (!line.empty())
            parser.takeLine(reader.lineNumber(), line);
    }
    // The reader stops a line that grows too long right after its limit.
    if (complaint.complained)
        parser.error(reader.lineNumber(),
                     reader.lineLength() > MAX_EXPRESSION_LENGTH
                         ? "the line is longer than " + std::to_string(MAX_EXPRESSION_LENGTH)
                             + " bytes"
                         : std::string("the file could not be read to its end"));
    return parser.finish();
}

} // namespace ordisan::tools
