#include "cases/case_file_reader.h"

#include "cases/byte_file_access.h"
#include "knowledge/line_reader.h"
#include "knowledge/load_reporter.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace ordisan {

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

// A whole number without a sign that fits 32 bits, as the patient dialog takes an age
// (leading zeros too).
std::optional<std::uint32_t> ageOf(const std::string& value)
{
    if (value.empty())
        return std::nullopt;
    std::uint64_t age = 0;
    for (const char c : value) {
        if (c < '0' || c > '9')
            return std::nullopt;
        age = age * 10 + static_cast<std::uint64_t>(c - '0');
        if (age > UINT32_MAX)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(age);
}

class CaseFileParser {
public:
    void takeLine(int line, const std::string& text)
    {
        const std::size_t colon = text.find(':');
        const std::string_view whole(text);
        const std::string key = trimmedBlanks(whole.substr(0, colon));
        const std::string value =
            colon == std::string::npos ? "" : trimmedBlanks(whole.substr(colon + 1));
        if (colon == std::string::npos) {
            error(line, CaseFileMessage::NoKey, {text});
            return;
        }
        if (!isKey(key)) {
            error(line, CaseFileMessage::UnknownKey, {key});
            return;
        }
        if (key == "SLUCAJ") {
            closeCase();
            open_ = CaseText{line, value, {}, {}, {}, 0, {}};
            if (value.empty())
                error(line, CaseFileMessage::NoSyndromeGiven);
            return;
        }
        if (!open_) {
            error(line, CaseFileMessage::OutsideCase, {key});
            return;
        }
        if (key == "SPOL")
            takeSex(line, value);
        else if (key == "DOB")
            takeAge(line, value);
        else if (key == "MJESTO")
            takeWithin(line, value);
        else if (value.empty())
            error(line, CaseFileMessage::NoSymptomGiven);
        else
            open_->answers.push_back({line, key == "DA", value});
    }

    CaseFileText finish()
    {
        closeCase();
        if (file_.cases.empty() && file_.errors.empty())
            error(0, CaseFileMessage::NoCase);
        sortByLine(file_.errors);
        return std::move(file_);
    }

    void error(int line, CaseFileMessage id, std::vector<std::string> args = {})
    {
        file_.errors.emplace_back(line, id, std::move(args));
    }

private:
    static bool isKey(const std::string& key)
    {
        return key == "SLUCAJ" || key == "SPOL" || key == "DOB" || key == "DA" || key == "NE"
            || key == "MJESTO";
    }

    void takeSex(int line, const std::string& value)
    {
        if (open_->sex) {
            error(line, CaseFileMessage::SexTwice);
        } else if (value == "M" || value == "Z") {
            open_->sex = value == "M" ? SEX_MALE : SEX_FEMALE;
        } else {
            error(line, CaseFileMessage::BadSex, {value});
            open_->sex = SEX_BOTH; // given, though unusable: no second complaint
        }
    }

    void takeAge(int line, const std::string& value)
    {
        if (seenAge_) {
            error(line, CaseFileMessage::AgeTwice);
            return;
        }
        seenAge_ = true;
        open_->age = ageOf(value);
        if (!open_->age)
            error(line, CaseFileMessage::BadAge, {value});
    }

    void takeWithin(int line, const std::string& value)
    {
        if (open_->within) {
            error(line, CaseFileMessage::WithinTwice);
            return;
        }
        open_->within = value;
        open_->withinLine = line;
    }

    // The check that needs the whole case: its sex given, and no answer contradicted.
    void closeCase()
    {
        if (!open_)
            return;
        if (!open_->sex)
            error(open_->line, CaseFileMessage::NoSex);
        std::map<std::string, const CaseAnswerText*> first;
        for (const CaseAnswerText& answer : open_->answers) {
            const auto [earlier, isNew] = first.emplace(answer.text, &answer);
            if (!isNew && earlier->second->present != answer.present)
                error(answer.line, CaseFileMessage::PresentAndAbsent,
                      {answer.text, std::to_string(earlier->second->line)});
        }
        file_.cases.push_back(std::move(*open_));
        open_.reset();
        seenAge_ = false;
    }

    std::optional<CaseText> open_;
    bool seenAge_ = false; // a DOB line, even one that gave no age
    CaseFileText file_;
};

} // namespace

std::string trimmedBlanks(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos)
        return {};
    return std::string(text.substr(begin, text.find_last_not_of(" \t") + 1 - begin));
}

CaseFileText readCaseFile(std::string_view bytes)
{
    CaseFileParser parser;
    ByteFileAccess files(bytes);
    OpenedFile opened(files);
    opened.stream = files.open("");
    LineReader reader(files);
    if (!reader.allocateChunk()) {
        parser.error(0, CaseFileMessage::Unreadable);
        return parser.finish();
    }
    reader.attach(opened.stream);
    ReaderComplaint complaint;
    while (reader.readLine(MAX_EXPRESSION_LENGTH, complaint)) {
        // A NUL would cut the line silently: the rest of it would not count.
        if (static_cast<std::size_t>(reader.lineLength()) > std::strlen(reader.line())) {
            parser.error(reader.lineNumber(), CaseFileMessage::NulByte);
            continue;
        }
        const std::string line = trimmedBlanks(reader.line());
        if (!line.empty())
            parser.takeLine(reader.lineNumber(), line);
    }
    // The reader stops a line that grows too long right after its limit.
    if (complaint.complained) {
        if (reader.lineLength() > MAX_EXPRESSION_LENGTH)
            parser.error(reader.lineNumber(), CaseFileMessage::LineTooLong,
                         {std::to_string(MAX_EXPRESSION_LENGTH)});
        else
            parser.error(reader.lineNumber(), CaseFileMessage::Unreadable);
    }
    return parser.finish();
}

} // namespace ordisan
