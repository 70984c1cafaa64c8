#pragma once

#include "knowledge/knowledge_base.h"
#include "tools/case_explanation.h"
#include "tools/json_writer.h"

#include <string>
#include <vector>

namespace ordisan::tools {

// What decided a case, for people: against each syndrome ranked above the expected
// one (the first three of them), the answers by kind with their points, and the sizes.
// Lines indented by two blanks.
std::string humanExplanation(const KnowledgeBase& kb, int expected,
                             const std::vector<RivalExplanation>& rivals);

// The same as the value of a JSON key: an array with every rival.
void jsonExplanation(JsonWriter& json, const KnowledgeBase& kb,
                     const std::vector<RivalExplanation>& rivals);

// "12.5", as every points figure of the tool is shown, and that figure as a number
// for the JSON forms.
std::string pointsText(double points);
double roundedPoints(double points);

} // namespace ordisan::tools
