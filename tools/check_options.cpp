#include "tools/check_options.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace ordisan::tools {

namespace {

// A list of decimal indexes separated by commas. Numbers too big for an int are kept
// as INT_MAX, which no symptom count reaches.
bool parseIndexList(const std::string& text, std::vector<int>& indexes)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string item = text.substr(start, comma - start);
        if (item.empty() || !std::all_of(item.begin(), item.end(),
                                         [](char c) { return c >= '0' && c <= '9'; }))
            return false;
        int value = 0;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
        (void)end;
        indexes.push_back(error == std::errc::result_out_of_range ? INT_MAX : value);
        if (comma == text.size())
            return true;
        start = comma + 1;
    }
}

} // namespace

std::optional<std::string> parseOptions(const std::vector<std::string>& arguments,
                                        CheckOptions& options)
{
    bool seenJson = false;
    bool seenSex = false;
    bool seenPresent = false;
    bool seenAbsent = false;
    bool seenFolder = false;
    bool seenCases = false;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "--version") {
            options.action = argument == "--help" ? CheckOptions::Action::Help
                                                  : CheckOptions::Action::Version;
            return std::nullopt;
        }
        const bool takesValue = argument == "--sex" || argument == "--present"
            || argument == "--absent" || argument == "--cases";
        bool* seen = argument == "--json" ? &seenJson
            : argument == "--sex"         ? &seenSex
            : argument == "--present"     ? &seenPresent
            : argument == "--absent"      ? &seenAbsent
            : argument == "--cases"       ? &seenCases
                                          : nullptr;
        if (seen == nullptr) {
            if (!argument.empty() && argument[0] == '-')
                return "unknown option " + argument;
            if (seenFolder)
                return "a second folder " + argument;
            seenFolder = true;
            options.folder = argument;
            continue;
        }
        if (*seen)
            return "repeated option " + argument;
        *seen = true;
        if (!takesValue) {
            options.json = true;
            continue;
        }
        if (i + 1 == arguments.size())
            return "missing value after " + argument;
        const std::string& value = arguments[++i];
        if (argument == "--cases") {
            if (value.empty())
                return "an empty case file name after --cases";
            options.casesFile = value;
        } else if (argument == "--sex") {
            if (value == "M")
                options.sex = SEX_MALE;
            else if (value == "Z")
                options.sex = SEX_FEMALE;
            else
                return "sex must be M or Z, not " + value;
        } else if (!parseIndexList(value, argument == "--present" ? options.present
                                                                : options.absent)) {
            return "not a list of symptom indexes after " + argument + ": " + value;
        }
    }
    // A case file gives each case its own sex and answers.
    if (seenCases && (seenSex || seenPresent || seenAbsent))
        return "--cases takes no --sex, --present or --absent";
    if ((seenPresent || seenAbsent) && !seenSex)
        return std::string(seenPresent ? "--present" : "--absent") + " needs --sex";
    return std::nullopt;
}

std::optional<std::string> checkIndexes(const CheckOptions& options, int symptomCount)
{
    for (const auto* list : {&options.present, &options.absent}) {
        for (const int index : *list) {
            if (index >= symptomCount)
                return "symptom index " + std::to_string(index) + " is not below the "
                    + std::to_string(symptomCount) + " symptoms loaded";
        }
    }
    for (const int index : options.present) {
        if (std::find(options.absent.begin(), options.absent.end(), index)
            != options.absent.end())
            return "symptom index " + std::to_string(index) + " is both present and absent";
    }
    return std::nullopt;
}

} // namespace ordisan::tools
