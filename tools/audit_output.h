#pragma once

#include "knowledge/knowledge_base.h"
#include "tools/knowledge_audit.h"

#include <string>

namespace ordisan::tools {

// The audit for people: sizes, findings that a small syndrome wins alone, pairs that
// cannot be told apart, and with a case file its thinnest margins.
std::string humanAudit(const KnowledgeBase& kb, const KnowledgeAudit& audit,
                       const std::string& casesFile);

// The same as one JSON object, every lone finding and every margin included.
std::string jsonAudit(const KnowledgeBase& kb, const KnowledgeAudit& audit,
                      const std::string& casesFile);

} // namespace ordisan::tools
