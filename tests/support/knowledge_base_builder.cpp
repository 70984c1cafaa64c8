#include "knowledge_base_builder.h"

#include <cstring>

namespace ordisan::test {

namespace {

template <std::size_t N>
void copy(char (&field)[N], const char* text)
{
    std::strncpy(field, text, N - 1);
    field[N - 1] = '\0';
}

} // namespace

int KnowledgeBaseBuilder::syndrome(const char* name)
{
    const int i = kb_->syndromeCount++;
    copy(kb_->syndromes[i].name, name);
    return i;
}

int KnowledgeBaseBuilder::symptom(const char* text, SexCode sex, LocationCode location)
{
    const int j = kb_->symptomCount++;
    SymptomRecord& s = kb_->symptoms[j];
    copy(s.text, text);
    s.sex = sex;
    s.location = location;
    return j;
}

void KnowledgeBaseBuilder::link(int syndrome, int symptom)
{
    kb_->links[kb_->linkCount++] = SymptomLink{symptom, syndrome};
}

int KnowledgeBaseBuilder::word(const char* term, const char* explanation)
{
    const int w = kb_->wordCount++;
    copy(kb_->words[w].term, term);
    copy(kb_->words[w].explanation, explanation);
    return w;
}

KnowledgeBaseBuilder& KnowledgeBaseBuilder::patient(SexCode sex)
{
    kb_->patientSex = sex;
    return *this;
}

} // namespace ordisan::test
