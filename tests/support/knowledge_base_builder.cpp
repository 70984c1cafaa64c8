#include "knowledge_base_builder.h"

#include <cstring>

namespace ordisan::test {

namespace {

template <std::size_t N>
void copy(char (&field)[N], const char* text)
{
    std::strncpy(field, text, N - 1);
}

} // namespace

int KnowledgeBaseBuilder::syndrome(const char* name)
{
    copy(kb_->syndromes[kb_->syndromeCount].name, name);
    return kb_->syndromeCount++;
}

int KnowledgeBaseBuilder::symptom(const char* text, SexCode sex, LocationCode location)
{
    SymptomRecord& s = kb_->symptoms[kb_->symptomCount];
    copy(s.text, text);
    s.sex = sex;
    s.location = location;
    return kb_->symptomCount++;
}

int KnowledgeBaseBuilder::word(const char* term, const char* explanation)
{
    copy(kb_->words[kb_->wordCount].term, term);
    copy(kb_->words[kb_->wordCount].explanation, explanation);
    return kb_->wordCount++;
}

KnowledgeBaseBuilder& KnowledgeBaseBuilder::patient(SexCode sex)
{
    kb_->patientSex = sex;
    return *this;
}

} // namespace ordisan::test
