// What the patient and diagnosis dialog tests share: small knowledge bases written
// out in the test (texts as code page 1250 bytes), the dialogs opened without their
// modal loop, and what a user sees of a tree item.
#pragma once

#include "diagnosis/diagnosis_dlg.h"
#include "diagnosis/patient_dlg.h"
#include "knowledge/knowledge_base.h"

#include <QString>
#include <QStringList>

#include <memory>

class QTreeWidget;
class QTreeWidgetItem;

namespace ordisan::test {

// A knowledge base filled by hand, in the order a syndrome file would give it.
class KnowledgeBaseBuilder {
public:
    KnowledgeBaseBuilder();
    int syndrome(const char* name);
    int symptom(const char* text, SexCode sex = SEX_BOTH, LocationCode location = LOC_OTHER);
    void link(int syndrome, int symptom);
    // The patient the diagnosis is for.
    KnowledgeBaseBuilder& patient(SexCode sex);
    std::unique_ptr<KnowledgeBase> take() { return std::move(kb_); }

private:
    std::unique_ptr<KnowledgeBase> kb_;
};

// The clinic of the diagnosis tests, for a patient of `sex`:
//   0 Gripa:          0 vrućica, 1 kašalj, 2 glavobolja
//   1 Migrena:        2 glavobolja, 3 mučnina, 3 mučnina (the line repeated)
//   2 Trudnoća:       4 izostanak menstruacije (Ž), 3 mučnina
//   3 Prostatitis:    5 otežano mokrenje (M)
//   4 Ženski sindrom: 6 bol u zdjelici (Ž)
// Symptom 7, "đurđica na koži", belongs to no syndrome.
std::unique_ptr<KnowledgeBase> clinic(SexCode sex);
// Syndromes "Sindrom 1" … "Sindrom n", each with its own "simptom k", and last the
// syndrome "Zadnji" with the symptom "zajednički", which "Sindrom 1" has as well: the
// shared symptom stands at the top of the left tree and at the bottom of both.
std::unique_ptr<KnowledgeBase> longClinic(int fillers);

// UTF-8 text of the test source as the program shows it.
inline QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

// The diagnosis dialog opened as RunModal opens it, without the modal loop.
class OpenDiagnosisDlg final : public CDiagnosisDlg {
public:
    // False when the window does not appear.
    [[nodiscard]] bool open(KnowledgeBase* kb);
    QTreeWidget* left() const;
    QTreeWidget* right() const;
};

// The patient dialog likewise.
class OpenPatientDlg final : public CPatientDlg {
public:
    [[nodiscard]] bool open(KnowledgeBase* kb);
    std::uint32_t ageField() const { return age; }
    int sexField() const { return sexIndex; }
};

// The icon resource an item shows: 141, 142, 144, 145 … 149; 0 for any other picture.
int shownIcon(const QTreeWidgetItem* item);
// The texts of the top-level items, or of the children of `parent`.
QStringList topTexts(const QTreeWidget* tree);
QStringList childTexts(const QTreeWidgetItem* parent);
QTreeWidgetItem* topItem(const QTreeWidget* tree, const QString& text);
// Every item of the tree, children included, whose text is `text`.
QList<QTreeWidgetItem*> itemsNamed(const QTreeWidget* tree, const QString& text);

// A double-click as the window system delivers it: press, release, double-click,
// release, at `position` in the tree's viewport.
void doubleClickAt(QTreeWidget* tree, const QPoint& position);
// On the middle of the item's text and icon; the item is scrolled into view first.
void doubleClick(QTreeWidget* tree, QTreeWidgetItem* item);

} // namespace ordisan::test
