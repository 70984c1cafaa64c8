#pragma once

#include "knowledge/knowledge_base.h"

#include <cstring>
#include <memory>

namespace ordisan::test {

// A knowledge base filled by hand, appended in the order a load would give it. Texts
// are code page 1250 bytes, cut to their field.
class KnowledgeBaseBuilder final {
public:
    int syndrome(const char* name = "")
    {
        copy(kb_->syndromes[kb_->syndromeCount].name, name);
        return kb_->syndromeCount++;
    }
    int symptom(const char* text = "", SexCode sex = SEX_BOTH, LocationCode location = LOC_OTHER)
    {
        SymptomRecord& s = kb_->symptoms[kb_->symptomCount];
        copy(s.text, text);
        s.sex = sex;
        s.location = location;
        return kb_->symptomCount++;
    }
    void link(int syndrome, int symptom)
    {
        kb_->links[kb_->linkCount++] = SymptomLink{symptom, syndrome};
    }
    int word(const char* term, const char* explanation = "")
    {
        copy(kb_->words[kb_->wordCount].term, term);
        copy(kb_->words[kb_->wordCount].explanation, explanation);
        return kb_->wordCount++;
    }
    // The patient a diagnosis is for.
    KnowledgeBaseBuilder& patient(SexCode sex)
    {
        kb_->patientSex = sex;
        return *this;
    }

    KnowledgeBase& kb() { return *kb_; }
    std::unique_ptr<KnowledgeBase> take() { return std::move(kb_); }

private:
    template <std::size_t N>
    static void copy(char (&field)[N], const char* text) { std::strncpy(field, text, N - 1); }

    std::unique_ptr<KnowledgeBase> kb_ = std::make_unique<KnowledgeBase>();
};

} // namespace ordisan::test
