#include "views/overview_dlg.h"

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

} // namespace

COverviewDlg::COverviewDlg(QWidget* parent) : CBrowsingDlg(&OVERVIEW_TEMPLATE, parent) {}

COverviewDlg::~COverviewDlg() = default;

void COverviewDlg::buildImageList()
{
    imageList.Create(IMAGE_SIZE);
    headImage = imageList.AddIcon(IDI_HEAD);
    trunkImage = imageList.AddIcon(IDI_TRUNK);
    otherImage = imageList.AddIcon(IDI_OTHER);
    limbsImage = imageList.AddIcon(IDI_LIMBS);
    syndromeImage = imageList.AddIcon(IDI_SYNDROME);
}

int COverviewDlg::imageForLocation(LocationCode location) const
{
    switch (location) {
    case LOC_HEAD: return headImage;
    case LOC_TRUNK: return trunkImage;
    case LOC_LIMBS: return limbsImage;
    default: return otherImage; // LOC_OTHER and any value a record may hold
    }
}

// The texts are converted before the old items go: the conversion's buffers are then
// taken before the allocator holds thousands of freed items, which makes a second fill
// as quick as the first.
bool COverviewDlg::FillTree()
{
    if (!treeCtrl)
        return true;
    const KnowledgeBase* kb = knowledgeBase;
    const int syndromeCount = kb ? std::min(kb->syndromeCount, MAX_SYNDROMES) : 0;
    const int symptomCount = kb ? std::clamp(kb->symptomCount, 0, MAX_SYMPTOMS) : 0;
    const int linkCount = kb ? std::clamp(kb->linkCount, 0, MAX_LINKS) : 0;

    // The links that can be shown: the loaders only make links between records they
    // have read, and a link that names anything else has nothing to show.
    const auto shown = [&](const SymptomLink& link) {
        return link.syndrome >= 0 && link.syndrome < syndromeCount && link.symptom >= 0
            && link.symptom < symptomCount;
    };

    // Every text converted at once; a symptom shared by several syndromes only once.
    TextBatch texts;
    for (int i = 0; i < syndromeCount; ++i)
        texts.add(fieldText(kb->syndromes[i].name));
    QList<int> symptomText(symptomCount, -1);
    for (int j = 0; j < linkCount; ++j) {
        const SymptomLink& link = kb->links[j];
        if (shown(link) && symptomText[link.symptom] < 0)
            symptomText[link.symptom] = texts.add(fieldText(kb->symptoms[link.symptom].text));
    }
    texts.convert();
    QList<QTreeWidgetItem*> syndromeItems;
    syndromeItems.reserve(syndromeCount);

    treeCtrl->clear();
    treeCtrl->setIconSize(imageList.imageSize().isEmpty() ? QSize(IMAGE_SIZE, IMAGE_SIZE)
                                                          : imageList.imageSize());

    // Items are built off the tree and added in one go; the result is the same as
    // inserting them one by one: syndromes in file order, children in link order.
    const QIcon syndromeIcon = imageList.icon(syndromeImage);
    for (int i = 0; i < syndromeCount; ++i) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, texts.text(i));
        item->setIcon(0, syndromeIcon);
        item->setData(0, Qt::UserRole, i);
        syndromeItems.append(item);
    }
    for (int j = 0; j < linkCount; ++j) {
        const SymptomLink& link = kb->links[j];
        if (!shown(link))
            continue;
        const int s = link.symptom;
        auto* child = new QTreeWidgetItem(syndromeItems[link.syndrome]);
        child->setText(0, texts.text(symptomText[s]));
        child->setIcon(0, imageList.icon(imageForLocation(kb->symptoms[s].location)));
        child->setData(0, Qt::UserRole, OVERVIEW_SYMPTOM_PARAM_BASE + s);
    }
    treeCtrl->addTopLevelItems(syndromeItems);
    return true;
}

} // namespace ordisan
