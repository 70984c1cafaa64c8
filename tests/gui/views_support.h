// Shared by the tests of the browsing views: a knowledge base written by hand, and
// what a tree shows of an item.
#pragma once

#include "knowledge/knowledge_base.h"
#include "platform/dialog_units.h"
#include "platform/resources.h"

#include <QAbstractButton>
#include <QDialog>
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QTest>
#include <QTreeWidget>

#include <cstring>
#include <memory>

namespace ordisan::test {

// Records appended as the loaders would; texts are code page 1250 bytes.
class KnowledgeBuilder {
public:
    KnowledgeBuilder() : kb_(std::make_unique<KnowledgeBase>()) {}

    KnowledgeBase* get() { return kb_.get(); }

    int syndrome(const char* name)
    {
        const int i = kb_->syndromeCount++;
        copy(kb_->syndromes[i].name, name);
        return i;
    }
    int symptom(const char* text, LocationCode location = LOC_OTHER)
    {
        const int s = kb_->symptomCount++;
        copy(kb_->symptoms[s].text, text);
        kb_->symptoms[s].sex = SEX_BOTH;
        kb_->symptoms[s].location = location;
        kb_->symptoms[s].answer = ANSWER_UNKNOWN;
        return s;
    }
    void link(int syndrome, int symptom)
    {
        kb_->links[kb_->linkCount++] = SymptomLink{symptom, syndrome};
    }
    void word(const char* term, const char* explanation)
    {
        DictionaryEntry& entry = kb_->words[kb_->wordCount++];
        copy(entry.term, term);
        copy(entry.explanation, explanation);
    }

private:
    template <std::size_t N>
    static void copy(char (&field)[N], const char* text)
    {
        std::strncpy(field, text, N - 1);
        field[N - 1] = '\0';
    }

    std::unique_ptr<KnowledgeBase> kb_;
};

// The 16 × 16 picture of an icon resource, and the one an item shows (unselected and
// selected), in one format so that they compare pixel for pixel.
inline QImage iconImage(int number)
{
    return loadIconPixmap(number, 16).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

inline QImage shownImage(const QTreeWidgetItem* item, QIcon::Mode mode = QIcon::Normal)
{
    return item->icon(0).pixmap(QSize(16, 16), mode).toImage().convertToFormat(
        QImage::Format_ARGB32_Premultiplied);
}

inline QStringList childTexts(const QTreeWidgetItem* item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts.append(item->child(i)->text(0));
    return texts;
}

inline QStringList topLevelTexts(const QTreeWidget* tree)
{
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        texts.append(tree->topLevelItem(i)->text(0));
    return texts;
}

// Whether every shown row's text fits whole inside the column, so that nothing is
// cut or elided; the horizontal scroll bar then reaches the rest.
inline bool columnHoldsEveryShownText(QTreeWidget* tree)
{
    const QAbstractItemView* view = tree; // the hint is public there
    return tree->columnWidth(0) >= view->sizeHintForColumn(0);
}

// What the templates of both browsing dialogs give, and how both trees show their
// texts: whole, in one column as wide as the longest, scrolled sideways, not editable.
// Check QTest::currentTestFailed() after it.
inline void checkBrowsingDialog(const QDialog& dialog, QTreeWidget* tree, QAbstractButton* exit,
                                const QString& caption, int cx, int cy, DialogRect treeRect,
                                DialogRect exitRect)
{
    QCOMPARE(dialog.windowTitle(), caption);
    QCOMPARE(dialog.size(), dialogSizeToPixels(cx, cy));
    QCOMPARE(tree->geometry(), dialogRectToPixels(treeRect));
    QCOMPARE(exit->geometry(), dialogRectToPixels(exitRect));
    QCOMPARE(exit->text(), QStringLiteral("Izlazak"));
    QVERIFY(exit->property("default").toBool());
    QVERIFY(tree->isHeaderHidden());
    QCOMPARE(tree->columnCount(), 1);
    QVERIFY(tree->rootIsDecorated());
    QCOMPARE(tree->iconSize(), QSize(16, 16));
    QCOMPARE(tree->textElideMode(), Qt::ElideNone);
    QVERIFY(!tree->header()->stretchLastSection());
    QCOMPARE(tree->header()->sectionResizeMode(0), QHeaderView::ResizeToContents);
    QCOMPARE(tree->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(tree->editTriggers(), QAbstractItemView::NoEditTriggers);
}

} // namespace ordisan::test
