// What the GUI tests share beside the suites' common support (knowledge-base builder,
// code page 1250 text): small clinics, dialogs run with a look at them while they are
// up, and what a user sees of a tree.
#pragma once

#include "knowledge_base_builder.h"
#include "test_files.h"

#include "diagnosis/diagnosis_dlg.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QTreeWidget;
class QTreeWidgetItem;

namespace ordisan::test {

// The clinic of the diagnosis tests, for a patient of `sex`:
//   0 Gripa:          0 vrućica, 1 kašalj, 2 glavobolja
//   1 Migrena:        2 glavobolja, 3 mučnina, 3 mučnina (the line repeated)
//   2 Trudnoća:       4 izostanak menstruacije (Ž), 3 mučnina
//   3 Prostatitis:    5 otežano mokrenje (M)
//   4 Ženski sindrom: 6 bol u zdjelici (Ž)
// Symptom 7, "đurđica na koži", belongs to no syndrome.
std::unique_ptr<KnowledgeBase> clinic(SexCode sex);
// "Sindrom 1" … "Sindrom n", each with its own "simptom k", and last "Zadnji" with
// "zajednički", which "Sindrom 1" has as well: far apart in both trees.
std::unique_ptr<KnowledgeBase> longClinic(int fillers);

inline QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

// Runs `run` (a dialog's RunModal or DoModal); once the dialog is up, `look` sees it.
// A dialog that `look` left open is then ended with LEFT_OPEN. Returns what `run` did.
inline constexpr int LEFT_OPEN = -2;
int whileShown(CDialog& dialog, const std::function<int()>& run, const std::function<void()>& look);
// The same for a dialog run on `kb`.
template <class Dialog>
int whileShown(Dialog& dialog, KnowledgeBase* kb, const std::function<void()>& look)
{
    return whileShown(dialog, [&] { return dialog.RunModal(kb); }, look);
}

// Runs a diagnosis dialog on `kb` as the program does; once it is up, `look` sees it
// and its two trees. Returns what RunModal did.
using DiagnosisLook = std::function<void(CDiagnosisDlg&, QTreeWidget* left, QTreeWidget* right)>;
int whileDiagnosing(KnowledgeBase* kb, const DiagnosisLook& look);

// The diagnosis dialog's answer and band icons.
QList<int> diagnosisIcons();
// The icon resource an item shows, found by comparing pictures; 0 for none of `among`.
int shownIcon(const QTreeWidgetItem* item, const QList<int>& among = diagnosisIcons());
// The tree as lines: each top-level text, each child's text indented by two blanks.
// With `icons`, each line ends in " =N", N the icon it shows among them; with
// `itemData`, in " #N", N the item's data. `topOnly` leaves the children out.
QStringList treeLines(const QTreeWidget* tree, const QList<int>& icons = {}, bool itemData = false,
                      bool topOnly = false);

// A double-click as the window system delivers it, at `position` in the viewport.
void doubleClickAt(QTreeWidget* tree, const QPoint& position);
// On the middle of the item; the item is scrolled into view first.
void doubleClick(QTreeWidget* tree, QTreeWidgetItem* item);

} // namespace ordisan::test
