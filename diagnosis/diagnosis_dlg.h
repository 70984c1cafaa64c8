#pragma once

#include "diagnosis/case_file_dialogs.h"
#include "diagnosis/close_guard.h"
#include "engine/diagnosis_case.h"
#include "knowledge/knowledge_base.h"
#include "platform/dialog.h"
#include "platform/picture_button.h"
#include "views/image_list.h"

#include <memory>
#include <optional>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace ordisan {

class CaseSummary;
enum class DiagnosisKey;
class DiagnosisItem;
class ItemTextCache;

// The diagnosis dialog (template 140). On the left every syndrome, best score first,
// with the symptoms that apply to the patient as its children; on the right the
// symptoms whose answer is still unknown, the one most worth asking about first.
// A double-click on a symptom (or Space on a selected one) cycles its answer and
// changes the icon of every item of that symptom in both trees; nothing is
// recomputed until "<<Rangiraj>>", whose button shows meanwhile that the ranking is
// out of date. "PR" and "RJ" open the overview and the dictionary above it. Ctrl+C
// and the trees' context menu copy or save a summary of the case. The answers stay
// in the knowledge base when it closes. Closing it with answers neither copied nor
// saved asks first (close_guard.h); Ctrl+P prints the summary (CasePrint).
class CDiagnosisDlg final : public CDialog {
    Q_OBJECT
public:
    explicit CDiagnosisDlg(QWidget* parent = nullptr);
    ~CDiagnosisDlg() override;

    // Builds the image lists, starts a case for `patient` (without one, for the patient
    // the record holds) with every answer unknown, and runs the dialog.
    int RunModal(KnowledgeBase* kb, std::optional<Patient> patient = std::nullopt);

    // Deletes both image lists, then closes the window.
    bool DestroyWindow() override;

private:
    void DoDataExchange(DataExchange& exchange) override;
    bool OnInitDialog() override;
    bool OnCommand(int id) override;
    // Double-clicks on the trees' items.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The keys of diagnosis_keys.h, wherever the focus is in the dialog; the answer
    // keys act on the selected item of the focused tree.
    void keyPressEvent(QKeyEvent* event) override;

    void OnOverview();
    void OnDictionary();
    void OnRerank();
    void FillSyndromeTree();
    void FillSymptomTree();
    // A double-click at `position` in the tree's viewport.
    void OnDblclkSyndromeTree(const QPoint& position);
    void OnDblclkSymptomTree(const QPoint& position);

    QTreeWidget* symptomTree = nullptr;  // control 1033, right
    QTreeWidget* syndromeTree = nullptr; // control 1032, left
    KnowledgeBase* knowledgeBase = nullptr;

    int presentImage = -1;
    int absentImage = -1;
    int unknownImage = -1;
    int lowImage = -1;
    int belowHalfImage = -1;
    int halfImage = -1;
    int aboveHalfImage = -1;
    int highImage = -1;
    CImageList syndromeImages;

    int symptomPresentImage = -1;
    int symptomAbsentImage = -1;
    int symptomUnknownImage = -1;
    CImageList symptomImages;

    CBitmapButton overviewButton;
    CBitmapButton dictionaryButton;

    void prepareTrees();
    void cycleAnswerAt(QTreeWidget* tree, const QPoint& position);
    // Cycles the answer of the symptom that `item` shows; false for a syndrome item.
    bool cycleAnswerOf(QTreeWidgetItem* item);
    // The answer `key` gives the symptom that `item` shows; false for a syndrome item.
    bool answer(QTreeWidgetItem* item, DiagnosisKey key);
    void answerSelected(DiagnosisKey key);
    void showFromTop(QTreeWidget* tree);
    // Every item of `symptom` in both trees shows `answer`.
    void showAnswer(int symptom, AnswerCode answer);
    int syndromeAnswerImage(AnswerCode answer) const;
    int symptomAnswerImage(AnswerCode answer) const;
    int bandImage(int percent) const;

    // Bold "<<Rangiraj>>" with a tooltip while an answer has changed since the ranking.
    void showRankingStale();
    // Both trees as the case was last ranked; `anew` makes every item again (the
    // patient's sex, and so the symptoms that apply, may have changed).
    void showRanking(bool anew);
    CaseSummary caseSummary() const;
    void copyCaseSummary();
    void saveCaseSummary();
    void printCaseSummary();
    // False when nothing was saved: cancelled, or the file could not be written.
    bool saveCase();
    void openCase();
    // Answers would be lost if the case went now.
    bool wouldLoseAnswers() const;
    void showCaseSummaryMenu(QTreeWidget* tree, const QPoint& position);

    int addSymptomsOf(DiagnosisItem* syndrome, int i);

    // For one opening of the window: the converted and measured texts, the links of
    // each syndrome, and the items by syndrome and by symptom index, which the trees
    // own while they show them.
    struct LinksBySyndrome;
    std::unique_ptr<ItemTextCache> texts_;
    std::unique_ptr<LinksBySyndrome> linksBySyndrome_;
    std::vector<DiagnosisItem*> syndromeItems_;
    std::vector<DiagnosisItem*> symptomItems_;
    std::unique_ptr<DiagnosisCase> case_;
    CaseFileDialogs files_{this};
    CloseGuard closeGuard_{[this] { return saveCase(); }};
};

} // namespace ordisan
