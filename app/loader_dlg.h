#pragma once

#include "knowledge/file_access.h"
#include "knowledge/knowledge_base.h"
#include "knowledge/line_reader.h"
#include "knowledge/load_reporter.h"
#include "platform/dialog.h"

#include <cstdint>

class QProgressBar;
class QPushButton;

namespace ordisan {

// The dialog shown while the knowledge base loads at start (template 132). 200 ms
// after it opens it loads podaci.cxt and then rjecnik.cxt, showing progress and
// counts as the loaders report them; after a full load it enables "Ok" and closes
// itself after a five-second countdown. After an error it stays until closed.
class CLoaderDlg final : public CDialog, public LoadReporter {
    Q_OBJECT
public:
    // Reads the data files through `files` (the program: the current directory).
    explicit CLoaderDlg(FileAccess& files, QWidget* parent = nullptr);

    // Loads into `kb`; every way of closing ends with IDCANCEL (-1: no window).
    virtual int RunModal(KnowledgeBase* kb);
    // Stops the countdown if it still runs.
    bool DestroyWindow() override;

    // LoadReporter: the loaders report here.
    void showMessage(const char* text, const char* caption, int icon) override;
    void showProgress(int percent) override;
    void showSyndromeCounts(int syndromes, int symptoms, int links) override;
    void showWordCount(int words) override;

protected:
    void DoDataExchange(DataExchange& exchange) override;
    bool OnInitDialog() override;
    bool OnCommand(int id) override;
    void OnTimer(int id) override;

private:
    static constexpr int TIMER_START = 1;
    static constexpr int TIMER_COUNTDOWN = 2;
    static constexpr int START_DELAY_MS = 200;
    static constexpr int COUNTDOWN_PERIOD_MS = 1000;
    static constexpr int COUNTDOWN_SECONDS = 5;

    void OnOkButton();
    void runLoad();
    // Shows the updated controls at once: the load keeps the event loop waiting.
    void repaintNow(std::initializer_list<int> ids);

    QPushButton* okButton = nullptr;
    QProgressBar* progressBar = nullptr;
    QString syndromeCountText;
    QString symptomCountText;
    QString linkCountText;
    QString statusText;
    QString wordCountText;
    QString countdownText;
    LineReader reader;
    std::int32_t countdown = 0; // seconds left; non-zero exactly while timer 2 runs
    KnowledgeBase* knowledgeBase = nullptr;
};

} // namespace ordisan
