#pragma once

#include "knowledge/file_access.h"
#include "knowledge/knowledge_base.h"
#include "memory_file_access.h"

#include <string>

namespace ordisan::bench {

// The two data files of a knowledge base filled to every capacity: 500 syndromes,
// 2000 distinct symptoms, 3000 links and 1000 words, in code page 1250 with CR LF.
struct FullKnowledgeFiles {
    std::string syndromes;
    std::string dictionary;
};

FullKnowledgeFiles makeFullKnowledgeFiles();

// Loads both files from memory with the program's loaders; aborts unless every table
// ends up full.
void loadFull(KnowledgeBase& kb, const FullKnowledgeFiles& files);
// The same from an access that already serves them (see serveFull).
void loadFull(KnowledgeBase& kb, FileAccess& access);
void serveFull(test::MemoryFileAccess& access, const FullKnowledgeFiles& files);

} // namespace ordisan::bench
