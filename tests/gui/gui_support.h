// What the GUI tests share beside the suites' common support.
#pragma once

#include "knowledge_base_builder.h"
#include "test_files.h"

#include "diagnosis/diagnosis_dlg.h"
#include "res/resource.h"

#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <sys/resource.h>

#include <functional>
#include <memory>

namespace ordisan::test {

// The clinic of the diagnosis tests, for a patient of `sex`:
//   0 Gripa:          0 vrućica, 1 kašalj, 2 glavobolja
//   1 Migrena:        2 glavobolja, 3 mučnina, 3 mučnina (the line repeated)
//   2 Trudnoća:       4 izostanak menstruacije (Ž), 3 mučnina
//   3 Prostatitis:    5 otežano mokrenje (M)
//   4 Ženski sindrom: 6 bol u zdjelici (Ž)
// Symptom 7, "đurđica na koži", belongs to no syndrome. The dictionary, in file order:
// Apscirati, Bedro, Cista, Čir, Ginko, Rana.
std::unique_ptr<KnowledgeBase> clinic(SexCode sex);

inline QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

// Runs the dialog on `kb`; once it is up, `look` sees it. A dialog that `look` left
// open is then ended with LEFT_OPEN. Returns what RunModal did.
inline constexpr int LEFT_OPEN = -2;
template <class Dialog>
int whileShown(Dialog& dialog, KnowledgeBase* kb, const std::function<void()>& look)
{
    QTimer::singleShot(0, &dialog, [&] {
        look();
        if (dialog.isVisible())
            dialog.EndDialog(LEFT_OPEN);
    });
    return dialog.RunModal(kb);
}

// Runs a diagnosis dialog on `kb` as the program does; once it is up, `look` sees it
// and its two trees. Returns what RunModal did.
using DiagnosisLook = std::function<void(CDiagnosisDlg&, QTreeWidget* left, QTreeWidget* right)>;
int whileDiagnosing(KnowledgeBase* kb, const DiagnosisLook& look);

inline const QList<int> diagnosisIcons{IDI_PRESENT, IDI_ABSENT, IDI_UNKNOWN, IDI_BAND_HALF,
                                       IDI_BAND_ABOVE_HALF, IDI_BAND_HIGH, IDI_BAND_BELOW_HALF,
                                       IDI_BAND_LOW};
// The icon resource an item shows, found by comparing pictures; 0 for none of `among`.
int shownIcon(const QTreeWidgetItem* item, const QList<int>& among = diagnosisIcons);
// The tree as lines: each top-level text, each child's text indented by two blanks.
// With `icons`, each line ends in " =N", N the icon it shows among them; with
// `itemData`, in " #N", N the item's data. `topOnly` leaves the children out.
QStringList treeLines(const QTreeWidget* tree, const QList<int>& icons = {}, bool itemData = false,
                      bool topOnly = false);

// A double-click as the window system delivers it, at `position` in the viewport.
void doubleClickAt(QTreeWidget* tree, const QPoint& position);
// On the middle of the item; the item is scrolled into view first.
void doubleClick(QTreeWidget* tree, QTreeWidgetItem* item);

struct MessageRecord {
    QString text;
    QString caption;
    QMessageBox::Icon icon;
    int buttonCount;
    QWidget* owner;
};

// Answers the modal windows that a test's code opens, so that tests run real modal
// loops without sleeping. Every few milliseconds it looks at the top of the modal
// stack: a message box is recorded and dismissed with the button whose text is `press`
// (OK when empty); any other new modal window goes once to `onDialog`, which may look
// at it and close it.
class ModalWatcher final : public QObject {
    Q_OBJECT
public:
    ModalWatcher();

    QList<MessageRecord> messages;
    QString press;
    std::function<void(QWidget*)> onDialog;
    std::function<void(QMessageBox*)> onMessage; // before it is recorded and dismissed

private:
    void look();

    QTimer timer_;
    QList<QPointer<QWidget>> seen_;
};

// While it lives, files this process writes may grow to `bytes` at most; a write beyond
// fails with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
};

} // namespace ordisan::test
