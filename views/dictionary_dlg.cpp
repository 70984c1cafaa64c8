#include "views/dictionary_dlg.h"

#include "knowledge/dictionary_letters.h"
#include "platform/data_exchange.h"
#include "platform/text_codec.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "views/browsing_tree.h"

#include <QList>
#include <QTreeWidget>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace ordisan {

namespace {

constexpr int IMAGE_SIZE = 16;
constexpr std::string_view ENTRY_SEPARATOR = " - ";

// A text field up to its NUL, never past the end of its array.
template <std::size_t N>
std::string_view fieldText(const char (&field)[N])
{
    return std::string_view(field, strnlen(field, N));
}

} // namespace

CDictionaryDlg::CDictionaryDlg(QWidget* parent) : CDialog(&DICTIONARY_TEMPLATE, parent) {}

CDictionaryDlg::~CDictionaryDlg() = default;

int CDictionaryDlg::RunModal(KnowledgeBase* kb)
{
    knowledgeBase = kb;
    BuildImageList();
    return DoModal();
}

void CDictionaryDlg::BuildImageList()
{
    imageList.Create(IMAGE_SIZE);
    letterImage = imageList.AddIcon(IDI_LETTER);
    wordImage = imageList.AddIcon(IDI_WORD);
}

void CDictionaryDlg::DoDataExchange(DataExchange& exchange)
{
    DDX_Control(exchange, IDC_TREE, treeCtrl);
}

bool CDictionaryDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    setUpBrowsingTree(treeCtrl);
    FillTree();
    return true;
}

bool CDictionaryDlg::FillTree()
{
    if (!treeCtrl)
        return true;
    treeCtrl->clear();
    treeCtrl->setIconSize(imageList.imageSize().isEmpty() ? QSize(IMAGE_SIZE, IMAGE_SIZE)
                                                          : imageList.imageSize());

    // Every letter has its item, whether or not an entry begins with it.
    QList<QTreeWidgetItem*> letterItems;
    letterItems.reserve(DICTIONARY_LETTER_COUNT);
    const QIcon letterIcon = imageList.icon(letterImage);
    for (unsigned char letter : dictionaryLetters()) {
        const char byte = static_cast<char>(letter);
        auto* item = new QTreeWidgetItem(QStringList(fromCp1250(std::string_view(&byte, 1))));
        item->setIcon(0, letterIcon);
        item->setData(0, Qt::UserRole, 0);
        letterItems.append(item);
    }

    // Entries in file order, each under the letter its first byte belongs to; a term
    // beginning with any other byte belongs to no letter and is not shown.
    if (knowledgeBase) {
        const KnowledgeBase& kb = *knowledgeBase;
        const int wordCount = std::clamp(kb.wordCount, 0, MAX_WORDS);
        const QIcon wordIcon = imageList.icon(wordImage);
        std::string text;
        for (int j = 0; j < wordCount; ++j) {
            const DictionaryEntry& word = kb.words[j];
            const int letter = dictionaryLetterIndex(static_cast<unsigned char>(word.term[0]));
            if (letter < 0)
                continue;
            text.assign(fieldText(word.term));
            text.append(ENTRY_SEPARATOR);
            text.append(fieldText(word.explanation));
            auto* child = new QTreeWidgetItem(letterItems[letter], QStringList(fromCp1250(text)));
            child->setIcon(0, wordIcon);
            child->setData(0, Qt::UserRole, 0);
        }
    }
    treeCtrl->addTopLevelItems(letterItems);
    return true;
}

bool CDictionaryDlg::DestroyWindow()
{
    if (treeCtrl)
        treeCtrl->clear();
    imageList.DeleteImageList();
    return CDialog::DestroyWindow();
}

} // namespace ordisan
