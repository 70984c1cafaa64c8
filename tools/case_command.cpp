#include "tools/case_command.h"

#include "cases/case_file_match.h"
#include "tools/case_output.h"
#include "tools/case_run.h"
#include "tools/check_output.h"
#include "tools/check_run.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace ordisan::tools {

namespace {

int toStderr(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
    return 2;
}

// The whole file into `bytes`, or why not.
std::optional<std::string> readWhole(const std::string& path, std::string& bytes)
{
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        return "is a folder, not a case file";
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                                &std::fclose);
    if (!file)
        return std::string("cannot be opened: ") + std::strerror(errno);
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, got);
    if (std::ferror(file.get()))
        return "the file could not be read to its end";
    return std::nullopt;
}

} // namespace

int runCaseCommand(const CheckOptions& options)
{
    CheckRun run = loadAndCheck(options.folder);
    // A case passing or failing on a knowledge base the program would complain about
    // says nothing about the medicine; the author sees the complaints instead.
    if (exitStatusOf(run) != 0)
        return toStderr(humanReport(run, CheckOptions{}) + "ordisan-check: the knowledge base in "
                        + options.folder + " did not load cleanly, so no case was run\n");

    std::string bytes;
    if (const auto error = readWhole(options.casesFile, bytes))
        return toStderr(options.casesFile + ": " + *error + "\n");
    const CaseFileText text = readCaseFile(bytes);
    MatchedCaseFile cases = matchCaseFile(text, *run.kb);
    // Every fault at once, in line order: the author mends them in one go.
    std::vector<CaseFileError> errors = text.errors;
    errors.insert(errors.end(), cases.errors.begin(), cases.errors.end());
    sortByLine(errors);
    if (!errors.empty())
        return toStderr(caseFileErrorLines(options.casesFile, errors));

    const std::vector<CaseResult> results = runCases(*run.kb, cases.cases);
    const std::string out = options.json ? jsonCaseReport(options.casesFile, *run.kb, results)
                                         : humanCaseReport(options.casesFile, *run.kb, results);
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (std::fflush(stdout) != 0)
        return 2;
    for (const CaseResult& r : results) {
        if (!r.passed)
            return 1;
    }
    return 0;
}

} // namespace ordisan::tools
