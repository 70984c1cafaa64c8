#include "tools/check_options.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <map>

namespace ordisan::tools {

bool isIndexList(const std::string& value)
{
    return !value.empty() && std::all_of(value.begin(), value.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == ',';
    });
}

bool parseIndexList(const std::string& text, std::vector<int>& indexes)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string item = text.substr(start, comma - start);
        if (item.empty())
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

std::optional<std::string> parseOptions(const std::vector<std::string>& arguments,
                                        CheckOptions& options)
{
    // How often each option was given.
    std::map<std::string, int> seen;
    std::vector<std::string> positional;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "--version") {
            options.action = argument == "--help" ? CheckOptions::Action::Help
                                                  : CheckOptions::Action::Version;
            return std::nullopt;
        }
        static const std::map<std::string, int> VALUES = {
            {"--json", 0},  {"--audit", 0},   {"--sex", 1},     {"--present", 1},
            {"--absent", 1}, {"--cases", 1}, {"--explain", 1}, {"--to-cp1250", 2},
        };
        const auto option = VALUES.find(argument);
        if (option == VALUES.end()) {
            if (!argument.empty() && argument[0] == '-')
                return "unknown option " + argument;
            positional.push_back(argument);
            continue;
        }
        // Only the answers may be given more than once: one text each.
        if (seen[argument]++ > 0 && argument != "--present" && argument != "--absent")
            return "repeated option " + argument;
        if (i + static_cast<std::size_t>(option->second) >= arguments.size())
            return "missing value after " + argument;
        const std::string value = option->second > 0 ? arguments[i + 1] : std::string();
        i += static_cast<std::size_t>(option->second);
        if (argument == "--json") {
            options.json = true;
        } else if (argument == "--sex") {
            if (value != "M" && value != "Z")
                return "sex must be M or Z, not " + value;
            options.sex = value == "M" ? SEX_MALE : SEX_FEMALE;
        } else if (argument == "--present" || argument == "--absent") {
            std::vector<int> unused;
            if (value.empty() || (isIndexList(value) && !parseIndexList(value, unused)))
                return "not a list of symptom indexes nor a symptom text after " + argument
                    + ": " + value;
            (argument == "--present" ? options.present : options.absent).push_back(value);
        } else if (argument == "--cases") {
            if (value.empty())
                return "an empty case file name after --cases";
            options.casesFile = value;
        } else if (argument == "--explain") {
            const bool digits = !value.empty() && value.size() <= 9
                && std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
            options.explainLine = digits ? std::stoi(value) : 0;
            if (options.explainLine < 1)
                return "--explain takes the number of a line of the case file, not " + value;
        } else if (argument == "--to-cp1250") {
            options.convertFrom = value;
            options.convertTo = arguments[i];
        }
    }

    const auto given = [&](const char* option) { return seen.count(option) > 0; };
    const bool answers = given("--present") || given("--absent");
    if (given("--to-cp1250")) {
        if (seen.size() > 1 || !positional.empty())
            return "--to-cp1250 IN OUT takes no other option or folder";
        options.action = CheckOptions::Action::Convert;
        return std::nullopt;
    }
    if (positional.size() > 1)
        return "a second folder " + positional[1];
    if (!positional.empty())
        options.folder = positional[0];
    if (given("--audit")) {
        if (given("--sex") || answers || given("--explain"))
            return "--audit takes no --sex, --present, --absent or --explain";
        options.action = CheckOptions::Action::Audit;
    } else if (given("--cases")) {
        // A case file gives each case its own sex and answers.
        if (given("--sex") || answers)
            return "--cases takes no --sex, --present or --absent";
        options.action = given("--explain") ? CheckOptions::Action::Explain
                                            : CheckOptions::Action::Cases;
    } else if (given("--explain")) {
        return "--explain needs --cases FILE";
    } else if (given("--sex")) {
        options.action = CheckOptions::Action::Diagnosis;
    } else if (answers) {
        return std::string(given("--present") ? "--present" : "--absent") + " needs --sex";
    }
    return std::nullopt;
}

} // namespace ordisan::tools
