// ordisan-check: loads a knowledge base with the program's own loaders and tells its
// author what the program would report, and what loads but is likely a mistake.
#include "tools/case_command.h"
#include "tools/check_options.h"
#include "tools/check_output.h"
#include "tools/check_run.h"
#include "tools/chosen_symptoms.h"
#include "tools/convert_command.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

int usageError(const std::string& reason)
{
    std::fprintf(stderr, "ordisan-check: %s (%s)\n", reason.c_str(), ordisan::tools::USAGE);
    return 2;
}

int printed(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace ordisan::tools;
    using Action = CheckOptions::Action;
    CheckOptions options;
    if (const auto error = parseOptions(std::vector<std::string>(argv + 1, argv + argc), options))
        return usageError(*error);

    switch (options.action) {
    case Action::Help:
        return printed(std::string(USAGE) + "\n");
    case Action::Version:
        return printed("ordisan-check " ORDISAN_VERSION "\n");
    case Action::Convert:
        return runConvertCommand(options.convertFrom, options.convertTo);
    case Action::Cases:
    case Action::Explain:
    case Action::Audit:
        return runCaseCommand(options);
    case Action::Report:
    case Action::Diagnosis:
        break;
    }

    CheckRun run = loadAndCheck(options.folder);
    if (options.action == Action::Diagnosis) {
        ChosenSymptoms chosen;
        if (const auto error = chooseSymptoms(options, *run.kb, chosen))
            return usageError(*error);
        rankDiagnosis(*run.kb, *options.sex, chosen.present, chosen.absent);
    }
    const std::string out = options.json ? jsonReport(run, options) : humanReport(run, options);
    if (printed(out) != 0)
        return 1;
    return exitStatusOf(run);
}
