#include "tools/case_command.h"

#include "tools/case_file.h"
#include "tools/case_output.h"
#include "tools/case_run.h"
#include "tools/check_output.h"
#include "tools/check_run.h"

#include <cstdio>
#include <string>

namespace ordisan::tools {

namespace {

int toStderr(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
    return 2;
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

    const CaseFile cases = readCaseFile(options.casesFile, *run.kb);
    if (!cases.errors.empty())
        return toStderr(caseFileErrorLines(options.casesFile, cases.errors));

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
