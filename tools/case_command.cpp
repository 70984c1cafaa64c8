#include "tools/case_command.h"

#include "cases/case_file_match.h"
#include "tools/audit_output.h"
#include "tools/case_output.h"
#include "tools/knowledge_audit.h"
#include "tools/case_run.h"
#include "tools/check_output.h"
#include "tools/check_run.h"

#include <algorithm>
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

// The case file of --cases matched against the loaded knowledge base, or the exit
// status after its faults went to standard error.
std::optional<int> loadCases(const CheckOptions& options, const KnowledgeBase& kb,
                             std::vector<CaseEntry>& cases)
{
    std::string bytes;
    if (const auto error = readWhole(options.casesFile, bytes))
        return toStderr(options.casesFile + ": " + *error + "\n");
    const CaseFileText text = readCaseFile(bytes);
    MatchedCaseFile matched = matchCaseFile(text, kb);
    // Every fault at once, in line order: the author mends them in one go.
    std::vector<CaseFileError> errors = text.errors;
    errors.insert(errors.end(), matched.errors.begin(), matched.errors.end());
    sortByLine(errors);
    if (!errors.empty())
        return toStderr(caseFileErrorLines(options.casesFile, errors));
    cases = std::move(matched.cases);
    return std::nullopt;
}

int printed(const std::string& out, int status)
{
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? status : 2;
}

int explain(const CheckOptions& options, KnowledgeBase& kb, const std::vector<CaseEntry>& cases)
{
    // The case that the line belongs to: the last one starting at or before it.
    const CaseEntry* entry = nullptr;
    for (const CaseEntry& c : cases) {
        if (c.line <= options.explainLine)
            entry = &c;
    }
    if (entry == nullptr)
        return toStderr(options.casesFile + ":" + std::to_string(options.explainLine)
                        + ": no case starts at or before this line\n");
    std::vector<CaseResult> results = runCases(kb, {*entry});
    DiagnosisCase diagnosis(kb);
    results[0].explanation = explainCase(diagnosis, *entry, true);
    return printed(options.json ? jsonCaseReport(options.casesFile, kb, results)
                                : humanCaseReport(options.casesFile, kb, results),
                   results[0].passed ? 0 : 1);
}

} // namespace

int runCaseCommand(const CheckOptions& options)
{
    CheckRun run = loadAndCheck(options.folder);
    // A case passing or failing on a knowledge base the program would complain about
    // says nothing about the medicine; the author sees the complaints instead.
    if (exitStatusOf(run) != 0)
        return toStderr(humanReport(run, CheckOptions{}) + "ordisan-check: the knowledge base in "
                        + options.folder + " did not load cleanly, so no "
                        + (options.action == CheckOptions::Action::Audit ? "audit" : "case")
                        + " was run\n");
    KnowledgeBase& kb = *run.kb;

    std::vector<CaseEntry> cases;
    if (!options.casesFile.empty()) {
        if (const auto status = loadCases(options, kb, cases))
            return *status;
    }
    if (options.action == CheckOptions::Action::Audit) {
        DiagnosisCase diagnosis(kb);
        const KnowledgeAudit audit =
            auditKnowledgeBase(diagnosis, options.casesFile.empty() ? nullptr : &cases);
        return printed(options.json ? jsonAudit(kb, audit, options.casesFile)
                                    : humanAudit(kb, audit, options.casesFile),
                       0);
    }
    if (options.action == CheckOptions::Action::Explain)
        return explain(options, kb, cases);

    const std::vector<CaseResult> results = runCases(kb, cases);
    const bool allPassed = std::all_of(results.begin(), results.end(),
                                       [](const CaseResult& r) { return r.passed; });
    return printed(options.json ? jsonCaseReport(options.casesFile, kb, results)
                                : humanCaseReport(options.casesFile, kb, results),
                   allPassed ? 0 : 1);
}

} // namespace ordisan::tools
