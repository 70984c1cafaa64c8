#pragma once

#include "knowledge/knowledge_base.h"

#include <memory>

namespace ordisan::test {

// A knowledge base filled by hand, appended in the order a load would give it. Texts
// are code page 1250 bytes, cut to their field.
class KnowledgeBaseBuilder final {
public:
    int syndrome(const char* name = "");
    int symptom(const char* text = "", SexCode sex = SEX_BOTH, LocationCode location = LOC_OTHER);
    void link(int syndrome, int symptom) { kb_->links[kb_->linkCount++] = SymptomLink{symptom, syndrome}; }
    int word(const char* term, const char* explanation = "");
    // The patient a diagnosis is for.
    KnowledgeBaseBuilder& patient(SexCode sex);

    KnowledgeBase& kb() { return *kb_; }
    std::unique_ptr<KnowledgeBase> take() { return std::move(kb_); }

private:
    std::unique_ptr<KnowledgeBase> kb_ = std::make_unique<KnowledgeBase>();
};

} // namespace ordisan::test
