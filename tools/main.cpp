// ordisan-check: loads a knowledge base with the program's own loaders and tells its
// author what the program would report, and what loads but is likely a mistake.
#include "tools/case_command.h"
#include "tools/check_options.h"
#include "tools/check_output.h"
#include "tools/check_run.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

int usageError(const std::string& reason)
{
    std::fprintf(stderr, "ordisan-check: %s (%s)\n", reason.c_str(), ordisan::tools::USAGE);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace ordisan::tools;
    CheckOptions options;
    if (const auto error = parseOptions(std::vector<std::string>(argv + 1, argv + argc), options))
        return usageError(*error);
    if (options.action != CheckOptions::Action::Check) {
        const bool help = options.action == CheckOptions::Action::Help;
        std::printf("%s\n", help ? USAGE : "ordisan-check " ORDISAN_VERSION);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (!options.casesFile.empty())
        return runCaseCommand(options);

    CheckRun run = loadAndCheck(options.folder);
    if (const auto error = checkIndexes(options, run.kb->symptomCount))
        return usageError(*error);
    if (options.sex)
        rankDiagnosis(*run.kb, *options.sex, options.present, options.absent);

    const std::string out = options.json ? jsonReport(run, options) : humanReport(run, options);
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (std::fflush(stdout) != 0)
        return 1;
    return exitStatusOf(run);
}
