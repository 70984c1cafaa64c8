// The application: start-up, the main menu, the About box and the loader dialog.
// The only layer that knows every dialog of the program.
#pragma once

#include "knowledge/file_access.h"
#include "knowledge/knowledge_base.h"

#include <memory>

namespace ordisan {

// Owns the one knowledge base of the run and runs the program.
class CDiagnosticApp final {
public:
    CDiagnosticApp();
    ~CDiagnosticApp();

    CDiagnosticApp(const CDiagnosticApp&) = delete;
    CDiagnosticApp& operator=(const CDiagnosticApp&) = delete;

    // Makes the main menu the main window and runs it; the loader runs inside it.
    // Returns false: when the main menu closes, the program ends.
    bool InitInstance();

    KnowledgeBase& knowledgeBase() { return *knowledgeBase_; }

private:
    std::unique_ptr<KnowledgeBase> knowledgeBase_; // zero at start; too big for the stack
    FileAccess files_;                             // the data files of the current directory
};

} // namespace ordisan
