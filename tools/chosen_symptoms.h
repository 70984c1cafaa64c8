#pragma once

#include "knowledge/knowledge_base.h"
#include "tools/check_options.h"

#include <optional>
#include <string>
#include <vector>

namespace ordisan::tools {

struct ChosenSymptoms {
    std::vector<int> present;
    std::vector<int> absent;
};

// The symptoms that the values of --present and --absent name for the options' sex:
// indexes below the symptom count, or texts as in podaci.cxt (every symptom of that
// text that applies to the sex). Returns the reason when a value names none.
std::optional<std::string> chooseSymptoms(const CheckOptions& options, const KnowledgeBase& kb,
                                          ChosenSymptoms& chosen);

} // namespace ordisan::tools
