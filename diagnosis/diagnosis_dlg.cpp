#include "diagnosis/diagnosis_dlg.h"

#include "diagnosis/case_print.h"
#include "diagnosis/case_summary.h"
#include "diagnosis/diagnosis_item.h"
#include "diagnosis/diagnosis_keys.h"
#include "diagnosis/item_text_cache.h"
#include "diagnosis/item_texts.h"
#include "engine/ranking_engine.h"
#include "platform/control_backing.h"
#include "platform/data_exchange.h"
#include "platform/tree_control.h"
#include "platform/tree_look.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "views/dictionary_dlg.h"
#include "views/overview_dlg.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

namespace ordisan {

namespace {

constexpr int IMAGE_SIZE = 16;

bool templateStyleOf(const CDialog& dialog, int id, unsigned styleBit)
{
    for (const ControlTemplate& row : dialog.dialogTemplate()->controls)
        if (row.id == id)
            return (row.styles & styleBit) != 0;
    return false;
}

// The item a double-click at `position` landed on: its icon or its text. Empty space
// below the items, an expand button and the lines beside an item are no item.
QTreeWidgetItem* itemHit(QTreeWidget* tree, const QPoint& position)
{
    QTreeWidgetItem* item = tree->itemAt(position);
    if (!item || !tree->visualItemRect(item).contains(position))
        return nullptr;
    return item;
}

} // namespace

// The links of each syndrome in link-table order, found in one pass: the links of
// syndrome i are byLink[first[i]] … byLink[first[i + 1] - 1].
struct CDiagnosisDlg::LinksBySyndrome {
    explicit LinksBySyndrome(const KnowledgeBase& kb)
        : first(static_cast<std::size_t>(kb.syndromeCount) + 1, 0),
          byLink(static_cast<std::size_t>(kb.linkCount))
    {
        for (int l = 0; l < kb.linkCount; ++l)
            ++first[static_cast<std::size_t>(kb.links[l].syndrome) + 1];
        for (std::size_t i = 1; i < first.size(); ++i)
            first[i] += first[i - 1];
        std::vector<int> next(first.begin(), first.end() - 1);
        for (int l = 0; l < kb.linkCount; ++l)
            byLink[static_cast<std::size_t>(next[static_cast<std::size_t>(kb.links[l].syndrome)]++)] = l;
    }
    std::vector<int> first;
    std::vector<int> byLink;
};

CDiagnosisDlg::CDiagnosisDlg(QWidget* parent) : CDialog(&DIAGNOSIS_TEMPLATE, parent) {}

CDiagnosisDlg::~CDiagnosisDlg() = default;

int CDiagnosisDlg::RunModal(KnowledgeBase* kb, std::optional<Patient> patient)
{
    knowledgeBase = kb;
    // The three answer pictures come first in both lists, in the same order.
    syndromeImages.Create(IMAGE_SIZE);
    presentImage = syndromeImages.AddIcon(IDI_PRESENT);
    absentImage = syndromeImages.AddIcon(IDI_ABSENT);
    unknownImage = syndromeImages.AddIcon(IDI_UNKNOWN);
    lowImage = syndromeImages.AddIcon(IDI_BAND_LOW);
    belowHalfImage = syndromeImages.AddIcon(IDI_BAND_BELOW_HALF);
    halfImage = syndromeImages.AddIcon(IDI_BAND_HALF);
    aboveHalfImage = syndromeImages.AddIcon(IDI_BAND_ABOVE_HALF);
    highImage = syndromeImages.AddIcon(IDI_BAND_HIGH);
    symptomImages.Create(IMAGE_SIZE);
    symptomPresentImage = symptomImages.AddIcon(IDI_PRESENT);
    symptomAbsentImage = symptomImages.AddIcon(IDI_ABSENT);
    symptomUnknownImage = symptomImages.AddIcon(IDI_UNKNOWN);
    // A new diagnosis starts from nothing known.
    case_ = std::make_unique<DiagnosisCase>(*kb);
    if (patient) {
        case_->setSex(patient->sex);
        case_->setAge(patient->age);
    }
    case_->start();
    return DoModal();
}

bool CDiagnosisDlg::DestroyWindow()
{
    symptomImages.DeleteImageList();
    syndromeImages.DeleteImageList();
    return CDialog::DestroyWindow();
}

void CDiagnosisDlg::DoDataExchange(DataExchange& exchange)
{
    DDX_Control(exchange, IDC_SYMPTOM_TREE, symptomTree);
    DDX_Control(exchange, IDC_SYNDROME_TREE, syndromeTree);
}

bool CDiagnosisDlg::OnInitDialog()
{
    CDialog::OnInitDialog(); // binds the trees
    overviewButton.AutoLoad(IDC_PREGLED, this);
    dictionaryButton.AutoLoad(IDC_RJECNIK, this);
    prepareTrees();
    texts_ = std::make_unique<ItemTextCache>(*knowledgeBase, syndromeTree->font());
    syndromeItems_.clear();
    symptomItems_.clear();
    linksBySyndrome_.reset();

    case_->rank();
    showRanking(false);
    // The questions come first: the right tree has the focus, on its first item.
    symptomTree->setFocus(Qt::OtherFocusReason);
    return false;
}

void CDiagnosisDlg::prepareTrees()
{
    const struct {
        QTreeWidget* tree;
        int id;
        const char* name; // the heading of its panel, and its name for screen readers
    } trees[] = {{syndromeTree, IDC_SYNDROME_TREE, "Sindromi"},
                 {symptomTree, IDC_SYMPTOM_TREE, "Simptomi"}};
    for (const auto& entry : trees) {
        if (!entry.tree)
            continue;
        new TreePanel(entry.tree, QString::fromUtf8(entry.name) + QLatin1Char(':'));
        showSelectionAlways(entry.tree, templateStyleOf(*this, entry.id, style::SHOWSELALWAYS));
        showTextsWhole(entry.tree, ColumnWidth::SetByFitColumn);
        entry.tree->setAccessibleName(QString::fromUtf8(entry.name));
        entry.tree->viewport()->installEventFilter(this);
        if (auto* tree = qobject_cast<TreeControl*>(entry.tree))
            tree->setKeyRule([](const QKeyEvent& event) {
                const DiagnosisKey key = diagnosisKeyOf(event);
                if (key == DiagnosisKey::None)
                    return TreeControl::KeyUse::Tree;
                return isAnswerKey(key) ? TreeControl::KeyUse::Item : TreeControl::KeyUse::Dialog;
            });
        entry.tree->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(entry.tree, &QWidget::customContextMenuRequested, this,
                [this, tree = entry.tree](const QPoint& position) {
                    showCaseSummaryMenu(tree, position);
                });
    }
    if (PictureButton* button = overviewButton.button()) {
        button->setAccessibleName(QStringLiteral("Pregled"));
        new PictureFrame(button);
    }
    if (PictureButton* button = dictionaryButton.button()) {
        button->setAccessibleName(QStringLiteral("Rječnik"));
        new PictureFrame(button);
    }
}

bool CDiagnosisDlg::OnCommand(int id)
{
    switch (id) {
    case IDC_PREGLED: OnOverview(); return true;
    case IDC_RJECNIK: OnDictionary(); return true;
    case IDC_RERANK: OnRerank(); return true;
    case IDOK:     // "Izlazak" and Enter
    case IDCANCEL: // Esc and the close box
        if (!closeGuard_.mayLeave(this, wouldLoseAnswers(), CloseGuard::Leaving::Close))
            return true;
        return CDialog::OnCommand(id);
    default: return CDialog::OnCommand(id);
    }
}

void CDiagnosisDlg::OnOverview()
{
    COverviewDlg overview;
    overview.RunModal(knowledgeBase);
}

void CDiagnosisDlg::OnDictionary()
{
    CDictionaryDlg dictionary;
    dictionary.RunModal(knowledgeBase);
}

void CDiagnosisDlg::OnRerank()
{
    case_->rank();
    showRanking(false);
}

void CDiagnosisDlg::showRanking(bool anew)
{
    if (anew) {
        // The trees delete the items when they find fewer than they need.
        syndromeItems_.clear();
        symptomItems_.clear();
        linksBySyndrome_.reset();
    }
    FillSyndromeTree();
    FillSymptomTree();
    showRankingStale();
}

void CDiagnosisDlg::showRankingStale()
{
    const bool stale = case_->outOfDate();
    auto* button = GetDlgItem<QPushButton>(IDC_RERANK);
    if (!button)
        return;
    QFont font = button->font();
    font.setBold(stale);
    button->setFont(font);
    button->setToolTip(stale ? QStringLiteral("Odgovori su promijenjeni: pritisnite <<Rangiraj>>")
                             : QString());
}

CaseSummary CDiagnosisDlg::caseSummary() const
{
    return CaseSummary(*knowledgeBase, QDateTime::currentDateTime(), case_->openSymptoms(),
                       case_->outOfDate());
}

// Plain text for any program, HTML for an office program, which pastes it as a table.
void CDiagnosisDlg::copyCaseSummary()
{
    const CaseSummary summary = caseSummary();
    auto* data = new QMimeData;
    data->setText(summary.plainText());
    data->setHtml(summary.html());
    QGuiApplication::clipboard()->setMimeData(data);
    case_->markSaved();
}

bool CDiagnosisDlg::wouldLoseAnswers() const
{
    return case_->changedSinceSaved() && case_->hasAnswers();
}

void CDiagnosisDlg::saveCaseSummary()
{
    // The case as it was when asked for.
    if (files_.saveSummary(caseSummary().plainText()))
        case_->markSaved();
}

bool CDiagnosisDlg::saveCase()
{
    if (!files_.saveCase(*case_))
        return false;
    case_->markSaved();
    return true;
}

void CDiagnosisDlg::openCase()
{
    if (!closeGuard_.mayLeave(this, wouldLoseAnswers(), CloseGuard::Leaving::Open))
        return;
    files_.openCase(*case_, [this] { showRanking(true); });
}

// On paper or into a PDF file, through the print dialog; A4 unless the user picks
// another paper.
void CDiagnosisDlg::printCaseSummary()
{
    const CaseSummary summary = caseSummary(); // the case as it was when asked for
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QDateTime::currentDateTime().toString(
        QStringLiteral("'sazetak-slucaja-'yyyy-MM-dd-HHmm")));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Ispiši sažetak slučaja"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString error = CasePrint(summary).print(printer);
    if (!error.isEmpty())
        MessageBox(error, QStringLiteral("GREŠKA"), MessageIcon::None);
    else
        case_->markSaved(); // on paper or in a PDF, kept as a copied summary is
}

// The menu acts on the case, never on the item under it: no answer changes here.
void CDiagnosisDlg::showCaseSummaryMenu(QTreeWidget* tree, const QPoint& position)
{
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("Kopiraj sažetak slučaja"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutVisibleInContextMenu(true);
    QAction* save = menu.addAction(QStringLiteral("Spremi sažetak slučaja..."));
    QAction* print = menu.addAction(QStringLiteral("Ispiši sažetak slučaja..."));
    print->setShortcut(QKeySequence::Print);
    print->setShortcutVisibleInContextMenu(true);
    menu.addSeparator();
    QAction* saveFile = menu.addAction(QStringLiteral("Spremi slučaj..."));
    saveFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* openFile = menu.addAction(QStringLiteral("Otvori slučaj..."));
    openFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    for (QAction* action : {saveFile, openFile})
        action->setShortcutVisibleInContextMenu(true);
    addKeyHelp(menu);
    QAction* chosen = menu.exec(tree->viewport()->mapToGlobal(position));
    if (chosen == copy)
        copyCaseSummary();
    else if (chosen == save)
        saveCaseSummary();
    else if (chosen == print)
        printCaseSummary();
    else if (chosen == saveFile)
        saveCase();
    else if (chosen == openFile)
        openCase();
}

int CDiagnosisDlg::syndromeAnswerImage(AnswerCode answer) const
{
    switch (answer) {
    case ANSWER_PRESENT: return presentImage;
    case ANSWER_ABSENT: return absentImage;
    default: return unknownImage;
    }
}

int CDiagnosisDlg::symptomAnswerImage(AnswerCode answer) const
{
    switch (answer) {
    case ANSWER_PRESENT: return symptomPresentImage;
    case ANSWER_ABSENT: return symptomAbsentImage;
    default: return symptomUnknownImage;
    }
}

int CDiagnosisDlg::bandImage(int percent) const
{
    switch (ScoreBandOf(percent)) {
    case BAND_LOW: return lowImage;
    case BAND_BELOW_HALF: return belowHalfImage;
    case BAND_HALF: return halfImage;
    case BAND_ABOVE_HALF: return aboveHalfImage;
    case BAND_HIGH: break;
    }
    return highImage;
}

// Every syndrome, best score first, each with one child per link to a symptom that
// applies to the patient, in link-table order (a repeated link gives two children).
// While the dialog is open the syndromes and their children stay the same (the
// patient's sex does not change), so after the first fill the items are taken out,
// brought up to date and put back in the new order, all collapsed, rather than made
// anew.
void CDiagnosisDlg::FillSyndromeTree()
{
    const KnowledgeBase& kb = *knowledgeBase;
    const QList<QTreeWidgetItem*> previous = syndromeTree->invisibleRootItem()->takeChildren();
    const auto count = static_cast<std::size_t>(kb.syndromeCount);
    if (syndromeItems_.size() != count) {
        qDeleteAll(previous);
        syndromeItems_.assign(count, nullptr);
    }

    const int syndromeIndent = textIndent(syndromeTree, 0);
    const int symptomIndent = textIndent(syndromeTree, 1);
    int widest = 0;
    QList<QTreeWidgetItem*> items;
    items.reserve(kb.syndromeCount);
    for (int k = 0; k < kb.syndromeCount; ++k) {
        const int i = kb.syndromeOrder[k];
        const int percent = PercentOf(kb.syndromes[i].score);
        const QString text = texts_->percentText(percent, texts_->syndromeName(i));
        const QIcon band = syndromeImages.icon(bandImage(percent));
        const IconMeaning bandMeans = bandMeaning(ScoreBandOf(percent));
        DiagnosisItem*& syndrome = syndromeItems_[static_cast<std::size_t>(i)];
        if (syndrome) {
            syndrome->setText(0, text);
            syndrome->showIcon(band, bandMeans);
            // Every double-click has shown its answer on every child already.
            for (int c = 0; c < syndrome->childCount(); ++c) {
                const int s = static_cast<DiagnosisItem*>(syndrome->child(c))->parameter();
                widest = std::max(widest, symptomIndent + texts_->symptomTextWidth(s));
            }
        } else {
            syndrome = new DiagnosisItem(kb, DiagnosisItem::Kind::Syndrome, i, text, band, bandMeans);
            widest = std::max(widest, addSymptomsOf(syndrome, i));
        }
        widest = std::max(widest, syndromeIndent + texts_->percentPrefixWidth(percent)
                                      + texts_->syndromeNameWidth(i));
        items.append(syndrome);
    }
    syndromeTree->addTopLevelItems(items);
    fitColumn(syndromeTree, widest);
    showFromTop(syndromeTree);
}

// The children of a new syndrome item; the width the widest of them needs.
int CDiagnosisDlg::addSymptomsOf(DiagnosisItem* syndrome, int i)
{
    const KnowledgeBase& kb = *knowledgeBase;
    if (!linksBySyndrome_)
        linksBySyndrome_ = std::make_unique<LinksBySyndrome>(kb);
    const LinksBySyndrome& links = *linksBySyndrome_;
    const int indent = textIndent(syndromeTree, 1);
    int widest = 0;
    const auto begin = static_cast<std::size_t>(links.first[static_cast<std::size_t>(i)]);
    const auto end = static_cast<std::size_t>(links.first[static_cast<std::size_t>(i) + 1]);
    for (std::size_t n = begin; n < end; ++n) {
        const int s = kb.links[links.byLink[n]].symptom;
        if (!SymptomApplies(kb, s))
            continue;
        const AnswerCode answer = kb.symptoms[s].answer;
        syndrome->addChild(new DiagnosisItem(kb, DiagnosisItem::Kind::LinkedSymptom, s,
                                             texts_->symptomText(s),
                                             syndromeImages.icon(syndromeAnswerImage(answer)),
                                             answerMeaning(answer)));
        widest = std::max(widest, indent + texts_->symptomTextWidth(s));
    }
    return widest;
}

// The symptoms whose answer is unknown, highest weight first. Symptoms that do not
// apply are absent after every ranking and so never listed. The items of symptoms
// still unknown are kept from one ranking to the next; those answered since go.
void CDiagnosisDlg::FillSymptomTree()
{
    const KnowledgeBase& kb = *knowledgeBase;
    const QList<QTreeWidgetItem*> previous = symptomTree->invisibleRootItem()->takeChildren();
    const auto count = static_cast<std::size_t>(kb.symptomCount);
    if (symptomItems_.size() != count) {
        qDeleteAll(previous);
        symptomItems_.assign(count, nullptr);
    } else {
        for (QTreeWidgetItem* item : previous) {
            const int j = static_cast<DiagnosisItem*>(item)->parameter();
            if (kb.symptoms[j].answer != ANSWER_UNKNOWN) {
                symptomItems_[static_cast<std::size_t>(j)] = nullptr;
                delete item;
            }
        }
    }

    const QIcon unknown = symptomImages.icon(symptomUnknownImage);
    const int indent = textIndent(symptomTree, 0);
    int widest = 0;
    QList<QTreeWidgetItem*> items;
    items.reserve(kb.symptomCount);
    for (const int j : case_->openSymptoms()) {
        const int percent = PercentOf(kb.symptoms[j].weight);
        const QString text = texts_->percentText(percent, texts_->symptomText(j));
        DiagnosisItem*& symptom = symptomItems_[static_cast<std::size_t>(j)];
        if (symptom) {
            symptom->setText(0, text);
            symptom->showIcon(unknown, IconMeaning::Unknown);
        } else {
            symptom = new DiagnosisItem(kb, DiagnosisItem::Kind::OpenSymptom, j, text, unknown,
                                        IconMeaning::Unknown);
        }
        widest = std::max(widest, indent + texts_->percentPrefixWidth(percent)
                                      + texts_->symptomTextWidth(j));
        items.append(symptom);
    }
    symptomTree->addTopLevelItems(items);
    fitColumn(symptomTree, widest);
    showFromTop(symptomTree);
}

// A refilled tree shows its best items, and typing and the answer keys go on from the
// first of them.
void CDiagnosisDlg::showFromTop(QTreeWidget* tree)
{
    if (QTreeWidgetItem* first = tree->topLevelItem(0))
        tree->setCurrentItem(first);
    tree->scrollToTop();
    tree->horizontalScrollBar()->setValue(0);
}

void CDiagnosisDlg::OnDblclkSyndromeTree(const QPoint& position)
{
    cycleAnswerAt(syndromeTree, position);
}

void CDiagnosisDlg::OnDblclkSymptomTree(const QPoint& position)
{
    cycleAnswerAt(symptomTree, position);
}

// The first click of a double-click has selected the item under it, and that item
// is the one acted on; a double-click that arrives without that click selects it
// here. A double-click that lands on no item changes nothing: the selection it finds
// may be an older one.
void CDiagnosisDlg::cycleAnswerAt(QTreeWidget* tree, const QPoint& position)
{
    QTreeWidgetItem* hit = itemHit(tree, position);
    if (!hit)
        return;
    if (tree->currentItem() != hit || !hit->isSelected())
        tree->setCurrentItem(hit);
    cycleAnswerOf(hit);
}

bool CDiagnosisDlg::cycleAnswerOf(QTreeWidgetItem* item)
{
    return answer(item, DiagnosisKey::CycleAnswer);
}

bool CDiagnosisDlg::answer(QTreeWidgetItem* item, DiagnosisKey key)
{
    const DiagnosisItem* shown = diagnosisItem(item);
    if (!shown)
        return false;
    const int symptom = shown->parameter();
    // Syndrome items carry a parameter above every symptom index.
    if (symptom < 0 || symptom >= knowledgeBase->symptomCount)
        return false;
    const AnswerCode before = case_->answer(symptom);
    switch (key) {
    case DiagnosisKey::Present: case_->setAnswer(symptom, ANSWER_PRESENT); break;
    case DiagnosisKey::Absent: case_->setAnswer(symptom, ANSWER_ABSENT); break;
    case DiagnosisKey::Unknown: case_->setAnswer(symptom, ANSWER_UNKNOWN); break;
    default: case_->cycleAnswer(symptom); break;
    }
    if (case_->answer(symptom) != before) {
        showAnswer(symptom, case_->answer(symptom));
        showRankingStale();
    }
    return true;
}

// An answer key on the selected item of the focused tree. On a syndrome, + and - open
// and close it, as in any tree.
void CDiagnosisDlg::answerSelected(DiagnosisKey key)
{
    auto* tree = qobject_cast<QTreeWidget*>(focusWidget());
    if (tree != syndromeTree && tree != symptomTree)
        return;
    QTreeWidgetItem* current = tree->currentItem();
    if (!current || !current->isSelected() || answer(current, key))
        return;
    if (key == DiagnosisKey::Present || key == DiagnosisKey::Absent)
        current->setExpanded(key == DiagnosisKey::Present);
}

// Under every syndrome and in the right tree, expanded or not, in view or not: no
// item may show an answer that the knowledge base no longer holds. Texts, order and
// band icons stay as they are until the next ranking.
void CDiagnosisDlg::showAnswer(int symptom, AnswerCode answer)
{
    const IconMeaning meaning = answerMeaning(answer);
    const struct {
        QTreeWidget* tree;
        QIcon icon;
    } trees[] = {{syndromeTree, syndromeImages.icon(syndromeAnswerImage(answer))},
                 {symptomTree, symptomImages.icon(symptomAnswerImage(answer))}};
    for (const auto& entry : trees) {
        const int topCount = entry.tree->topLevelItemCount();
        for (int i = 0; i < topCount; ++i) {
            QTreeWidgetItem* top = entry.tree->topLevelItem(i);
            if (DiagnosisItem* item = diagnosisItem(top); item && item->parameter() == symptom)
                item->showIcon(entry.icon, meaning);
            const int childCount = top->childCount();
            for (int c = 0; c < childCount; ++c)
                if (DiagnosisItem* item = diagnosisItem(top->child(c));
                    item && item->parameter() == symptom)
                    item->showIcon(entry.icon, meaning);
        }
    }
}

void CDiagnosisDlg::keyPressEvent(QKeyEvent* event)
{
    // The trees pass the keys the dialog reserves on to here, as the buttons do.
    switch (const DiagnosisKey key = diagnosisKeyOf(*event)) {
    case DiagnosisKey::None: CDialog::keyPressEvent(event); return;
    case DiagnosisKey::Rerank: OnRerank(); break;
    case DiagnosisKey::CopySummary: copyCaseSummary(); break;
    case DiagnosisKey::SaveCase: saveCase(); break;
    case DiagnosisKey::OpenCase: openCase(); break;
    case DiagnosisKey::PrintSummary: printCaseSummary(); break;
    default: answerSelected(key); break;
    }
    event->accept();
}

bool CDiagnosisDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (syndromeTree && symptomTree && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (watched == syndromeTree->viewport())
                OnDblclkSyndromeTree(mouse->position().toPoint());
            else if (watched == symptomTree->viewport())
                OnDblclkSymptomTree(mouse->position().toPoint());
        }
        // The tree's own handling goes on: a syndrome expands or collapses.
    }
    return CDialog::eventFilter(watched, event);
}

} // namespace ordisan
