#include "views/dictionary_dlg.h"

#include "knowledge/dictionary_letters.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "views/text_batch.h"

#include <QList>
#include <QTreeWidget>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace ordisan {

namespace {

constexpr int IMAGE_SIZE = 16;
constexpr std::string_view ENTRY_SEPARATOR = " - ";

} // namespace

CDictionaryDlg::CDictionaryDlg(QWidget* parent) : CBrowsingDlg(&DICTIONARY_TEMPLATE, parent) {}

CDictionaryDlg::~CDictionaryDlg() = default;

void CDictionaryDlg::buildImageList()
{
    imageList.Create(IMAGE_SIZE);
    letterImage = imageList.AddIcon(IDI_LETTER);
    wordImage = imageList.AddIcon(IDI_WORD);
}

// The texts are converted before the old items go: the conversion's buffers are then
// taken before the allocator holds a thousand freed items, which makes a second fill
// as quick as the first.
bool CDictionaryDlg::FillTree()
{
    if (!treeCtrl)
        return true;

    // The letters, then the entries that begin with one of them, in file order, each
    // with the position of its letter. A term beginning with any other byte is not
    // shown.
    TextBatch texts;
    for (unsigned char letter : dictionaryLetters()) {
        const char byte = static_cast<char>(letter);
        texts.add(std::string_view(&byte, 1));
    }
    QList<int> entryLetters;
    if (knowledgeBase) {
        const KnowledgeBase& kb = *knowledgeBase;
        const int wordCount = std::clamp(kb.wordCount, 0, MAX_WORDS);
        entryLetters.reserve(wordCount);
        for (int j = 0; j < wordCount; ++j) {
            const DictionaryEntry& word = kb.words[j];
            const int letter = dictionaryLetterIndex(static_cast<unsigned char>(word.term[0]));
            if (letter < 0)
                continue;
            texts.add({fieldText(word.term), ENTRY_SEPARATOR, fieldText(word.explanation)});
            entryLetters.append(letter);
        }
    }
    texts.convert();
    QList<QTreeWidgetItem*> letterItems;
    letterItems.reserve(DICTIONARY_LETTER_COUNT);

    treeCtrl->clear();
    treeCtrl->setIconSize(imageList.imageSize().isEmpty() ? QSize(IMAGE_SIZE, IMAGE_SIZE)
                                                          : imageList.imageSize());

    // Every letter has its item, whether or not an entry begins with it. No item
    // stands for a record of its own: every item's data is 0.
    int next = 0;
    const QIcon letterIcon = imageList.icon(letterImage);
    for (int i = 0; i < DICTIONARY_LETTER_COUNT; ++i) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, texts.text(next++));
        item->setIcon(0, letterIcon);
        item->setData(0, Qt::UserRole, 0);
        letterItems.append(item);
    }
    const QIcon wordIcon = imageList.icon(wordImage);
    for (int letter : std::as_const(entryLetters)) {
        auto* item = new QTreeWidgetItem(letterItems[letter]);
        item->setText(0, texts.text(next++));
        item->setIcon(0, wordIcon);
        item->setData(0, Qt::UserRole, 0);
    }
    treeCtrl->addTopLevelItems(letterItems);
    return true;
}

} // namespace ordisan
