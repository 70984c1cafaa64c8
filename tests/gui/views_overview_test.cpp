// The overview tree: what a user sees of the knowledge base, its pictures and item
// data, focus and keys, and what closing leaves behind.
#include "modal_watcher.h"
#include "views_support.h"

#include "platform/dialog_units.h"
#include "platform/window_owner.h"
#include "res/resource.h"
#include "views/overview_dlg.h"

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

using namespace ordisan;
using namespace ordisan::test;

namespace {

// The dialog as RunModal prepares it, built without the modal loop.
class OpenOverview final : public COverviewDlg {
public:
    bool open(KnowledgeBase* kb)
    {
        knowledgeBase = kb;
        BuildImageList();
        return Create();
    }
    QTreeWidget* tree() const { return GetDlgItem<QTreeWidget>(IDC_TREE); }
    QPushButton* exitButton() const { return GetDlgItem<QPushButton>(IDOK); }
    const CImageList& images() const { return imageList; }
    using COverviewDlg::FillTree;
    // Opened and shown on the screen, for what needs painting, focus or keys.
    bool openShown(KnowledgeBase* kb) { return open(kb) && (show(), QTest::qWaitForWindowExposed(this)); }
};

// What a child shows: its text, its item data and whether it has the picture `icon`.
QString childLine(const QTreeWidgetItem* child, int icon)
{
    return QStringLiteral("%1 %2 %3").arg(child->text(0)).arg(child->data(0, Qt::UserRole).toInt())
        .arg(shownImage(child) == iconImage(icon) ? "ok" : "other picture");
}

} // namespace

class OverviewTest final : public QObject {
    Q_OBJECT
private slots:
    void templateAndPlaces();
    void emptyKnowledgeBaseGivesAnEmptyTree();
    void syndromesInFileOrderWithTheirLinksInLinkOrder();
    void rankingAndAnswersChangeNothing();
    void childrenOfSharedAndRepeatedLinks();
    void picturesByLocation_data();
    void picturesByLocation();
    void picturesAreSharpOnHighDpiScreens();
    void croatianLettersInItemTexts();
    void longTextsAreShownWhole();
    void typingJumpsToTheNextMatchingItem();
    void focusOnIzlazakEnterClosesTabReachesTheTree();
    void runModalOverTheOwnerAndCleanUpOnClose_data();
    void runModalOverTheOwnerAndCleanUpOnClose();
};

void OverviewTest::templateAndPlaces()
{
    KnowledgeBuilder kb;
    OpenOverview dialog;
    QVERIFY(dialog.open(kb.get()));
    checkBrowsingDialog(dialog, dialog.tree(), dialog.exitButton(),
                        QStringLiteral("Pregled simptoma i sindroma"), 231, 321, {7, 7, 217, 289},
                        {7, 300, 217, 14});
}

void OverviewTest::emptyKnowledgeBaseGivesAnEmptyTree()
{
    KnowledgeBuilder kb;
    kb.symptom("Glavobolja", LOC_HEAD); // symptoms without syndromes show nothing
    OpenOverview dialog;
    QVERIFY(dialog.open(kb.get()));
    QCOMPARE(dialog.tree()->topLevelItemCount(), 0);
    // The pictures are there all the same, in the order they are added.
    QCOMPARE(dialog.images().GetImageCount(), 5);
}

void OverviewTest::syndromesInFileOrderWithTheirLinksInLinkOrder()
{
    KnowledgeBuilder kb;
    const int zeta = kb.syndrome("Zeta");
    const int alfa = kb.syndrome("Alfa");
    const int first = kb.symptom("prvi");
    const int second = kb.symptom("drugi");
    const int third = kb.symptom("treci");
    // Links of the two syndromes interleave; the symptom with the lowest index is
    // linked last under Zeta and must stand last.
    kb.link(zeta, third);
    kb.link(alfa, second);
    kb.link(zeta, second);
    kb.link(alfa, first);
    kb.link(zeta, first);
    kb.syndrome("Bez simptoma");

    OpenOverview dialog;
    QVERIFY(dialog.open(kb.get()));
    QTreeWidget* tree = dialog.tree();
    // Filling again, as a second opening does, gives the same tree.
    for (int fill = 0; fill < 2; ++fill) {
        QCOMPARE(topLevelTexts(tree), (QStringList{"Zeta", "Alfa", "Bez simptoma"}));
        QCOMPARE(childTexts(tree->topLevelItem(0)), (QStringList{"treci", "drugi", "prvi"}));
        QCOMPARE(childTexts(tree->topLevelItem(1)), (QStringList{"drugi", "prvi"}));
        dialog.FillTree();
    }
    // A syndrome without links has no expand button.
    QCOMPARE(tree->topLevelItem(2)->childCount(), 0);
    QCOMPARE(tree->topLevelItem(2)->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicatorWhenChildless);
    // Collapsed, unselected, and no text can be edited.
    QCOMPARE(tree->editTriggers(), QAbstractItemView::NoEditTriggers);
    for (int i = 0; i < 2; ++i) {
        QTreeWidgetItem* item = tree->topLevelItem(i);
        QVERIFY(!item->isExpanded() && !item->isSelected());
        QVERIFY(!(item->flags() & Qt::ItemIsEditable) && !(item->child(0)->flags() & Qt::ItemIsEditable));
    }
}

void OverviewTest::rankingAndAnswersChangeNothing()
{
    KnowledgeBuilder kb;
    const int first = kb.syndrome("Prvi");
    const int second = kb.syndrome("Drugi");
    const int head = kb.symptom("glavobolja", LOC_HEAD);
    const int limbs = kb.symptom("otok noge", LOC_LIMBS);
    kb.link(first, head);
    kb.link(second, limbs);
    // As a diagnosis leaves it: the second syndrome ranked first, answers given.
    KnowledgeBase* base = kb.get();
    base->syndromes[first].score = 0.1f;
    base->syndromes[second].score = 0.9f;
    base->syndromeOrder[0] = second;
    base->syndromeOrder[1] = first;
    base->symptoms[head].answer = ANSWER_PRESENT;
    base->symptoms[limbs].answer = ANSWER_ABSENT;
    base->symptoms[head].weight = 5.0f;
    base->patientSex = SEX_FEMALE;
    base->symptoms[head].sex = SEX_MALE;

    OpenOverview dialog;
    QVERIFY(dialog.open(base));
    QTreeWidget* tree = dialog.tree();
    QCOMPARE(topLevelTexts(tree), (QStringList{"Prvi", "Drugi"}));
    QCOMPARE(childTexts(tree->topLevelItem(0)), QStringList{"glavobolja"});
    QCOMPARE(shownImage(tree->topLevelItem(0)->child(0)), iconImage(IDI_HEAD));
    QCOMPARE(shownImage(tree->topLevelItem(1)->child(0)), iconImage(IDI_LIMBS));
    QCOMPARE(shownImage(tree->topLevelItem(1)), iconImage(IDI_SYNDROME));
    // And the view itself changed nothing.
    QCOMPARE(base->syndromeOrder[0], second);
    QCOMPARE(base->symptoms[head].answer, ANSWER_PRESENT);
}

// Every link gives a child, a shared symptom one under each syndrome and a repeated
// line two; item data tells syndromes (their index) from symptoms (base + index).
void OverviewTest::childrenOfSharedAndRepeatedLinks()
{
    KnowledgeBuilder kb;
    const int shared = kb.symptom("povisena temperatura", LOC_OTHER);
    const int head = kb.symptom("glavobolja", LOC_HEAD);
    const int pain = kb.symptom("bol u prsima", LOC_TRUNK);
    for (const char* name : {"Gripa", "Upala pluca", "Meningitis"})
        kb.link(kb.syndrome(name), shared);
    kb.link(2, head);
    const int angina = kb.syndrome("Angina");
    kb.link(angina, pain);
    kb.link(angina, pain);

    OpenOverview dialog;
    QVERIFY(dialog.open(kb.get()));
    QTreeWidget* tree = dialog.tree();
    QCOMPARE(tree->topLevelItemCount(), 4);
    const QString sharedLine = childLine(tree->topLevelItem(0)->child(0), IDI_OTHER);
    QCOMPARE(sharedLine, QStringLiteral("povisena temperatura %1 ok").arg(OVERVIEW_SYMPTOM_PARAM_BASE + shared));
    QCOMPARE(childLine(tree->topLevelItem(1)->child(0), IDI_OTHER), sharedLine);
    QCOMPARE(childLine(tree->topLevelItem(2)->child(0), IDI_OTHER), sharedLine);
    QCOMPARE(childLine(tree->topLevelItem(2)->child(1), IDI_HEAD), QStringLiteral("glavobolja 10001 ok"));
    QCOMPARE(tree->topLevelItem(3)->childCount(), 2);
    for (int i = 0; i < 2; ++i)
        QCOMPARE(childLine(tree->topLevelItem(3)->child(i), IDI_TRUNK), QStringLiteral("bol u prsima 10002 ok"));
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(tree->topLevelItem(i)->data(0, Qt::UserRole).toInt(), i);
        QCOMPARE(shownImage(tree->topLevelItem(i)), iconImage(IDI_SYNDROME));
    }
}

void OverviewTest::picturesByLocation_data()
{
    QTest::addColumn<int>("location");
    QTest::addColumn<int>("icon");
    QTest::newRow("head") << int(LOC_HEAD) << IDI_HEAD;
    QTest::newRow("trunk") << int(LOC_TRUNK) << IDI_TRUNK;
    QTest::newRow("limbs") << int(LOC_LIMBS) << IDI_LIMBS;
    QTest::newRow("other") << int(LOC_OTHER) << IDI_OTHER;
    QTest::newRow("zero") << 0 << IDI_OTHER;
    QTest::newRow("five") << 5 << IDI_OTHER;
    QTest::newRow("negative") << -1 << IDI_OTHER;
}

void OverviewTest::picturesByLocation()
{
    QFETCH(int, location);
    QFETCH(int, icon);
    // The five pictures differ, so a wrong choice cannot pass.
    const int all[] = {IDI_SYNDROME, IDI_HEAD, IDI_TRUNK, IDI_LIMBS, IDI_OTHER};
    for (int a : all)
        for (int b : all)
            QCOMPARE(iconImage(a) == iconImage(b), a == b);

    KnowledgeBuilder kb;
    kb.link(kb.syndrome("Sindrom"), kb.symptom("simptom", location));
    OpenOverview dialog;
    QVERIFY(dialog.open(kb.get()));
    QCOMPARE(shownImage(dialog.tree()->topLevelItem(0)->child(0)), iconImage(icon));
}

void OverviewTest::picturesAreSharpOnHighDpiScreens()
{
    KnowledgeBuilder kb;
    kb.link(kb.syndrome("Sindrom"), kb.symptom("simptom", LOC_LIMBS));
    OpenOverview dialog;
    QVERIFY(dialog.open(kb.get()));
    const QIcon icon = dialog.tree()->topLevelItem(0)->child(0)->icon(0);
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    // At twice the pixel density the picture is drawn at 32 pixels, not enlarged.
    QImage sharp = icon.pixmap(QSize(16, 16), 2.0).toImage().convertToFormat(
        QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(sharp.size(), QSize(32, 32));
    sharp.setDevicePixelRatio(1.0);
    QCOMPARE(sharp, loadIconPixmap(IDI_LIMBS, 32).toImage().convertToFormat(
                        QImage::Format_ARGB32_Premultiplied));

    // A selected item keeps its picture.
    QTreeWidgetItem* syndrome = dialog.tree()->topLevelItem(0);
    syndrome->setExpanded(true);
    dialog.tree()->setCurrentItem(syndrome->child(0));
    QVERIFY(syndrome->child(0)->isSelected());
    QCOMPARE(shownImage(syndrome->child(0), QIcon::Selected), iconImage(IDI_LIMBS));
    QCOMPARE(shownImage(syndrome, QIcon::Selected), iconImage(IDI_SYNDROME));
}

void OverviewTest::croatianLettersInItemTexts()
{
    KnowledgeBuilder kb;
    // Code page 1250: Č 0xC8, č 0xE8, ć 0xE6, đ 0xF0, š 0x9A, ž 0x9E, Š 0x8A, Ž 0x8E.
    const int syndrome = kb.syndrome("\xC8ir \x9E" "eluca i \x8Ailjak \x8E" "dral");
    kb.link(syndrome, kb.symptom("ko\x9E" "a pe\xE8" "e, \xF0" "ak mu\xE6" "en"));
    OpenOverview dialog;
    QVERIFY(dialog.open(kb.get()));
    QTreeWidgetItem* item = dialog.tree()->topLevelItem(0);
    QCOMPARE(item->text(0), QStringLiteral(u"Čir želuca i Šiljak Ždral"));
    QCOMPARE(item->child(0)->text(0), QStringLiteral(u"koža peče, đak mućen"));
}

void OverviewTest::longTextsAreShownWhole()
{
    KnowledgeBuilder kb;
    QByteArray longest(NAME_SIZE - 1, 'm');
    longest.replace(0, 4, "Kraj");
    longest.replace(NAME_SIZE - 5, 4, "KRAJ");
    const int syndrome = kb.syndrome("Kratko");
    kb.link(syndrome, kb.symptom(longest.constData()));
    OpenOverview dialog;
    QVERIFY(dialog.openShown(kb.get()));
    QTreeWidget* tree = dialog.tree();
    QTreeWidgetItem* child = tree->topLevelItem(0)->child(0);
    QCOMPARE(child->text(0), QString::fromLatin1(longest));

    tree->topLevelItem(0)->setExpanded(true);
    QCoreApplication::processEvents();
    // Two levels of indentation, the picture and the whole text fit in the column.
    const int needed = 2 * tree->indentation() + tree->iconSize().width()
        + tree->fontMetrics().horizontalAdvance(child->text(0));
    QTRY_VERIFY(tree->columnWidth(0) >= needed);
    QVERIFY(columnHoldsEveryShownText(tree));
    QVERIFY(tree->horizontalScrollBar()->maximum() > 0);

    // Collapsed again, the column shrinks to the short text and the scroll bar goes.
    tree->topLevelItem(0)->setExpanded(false);
    QTRY_VERIFY(tree->columnWidth(0) < needed);
    QTRY_COMPARE(tree->horizontalScrollBar()->maximum(), 0);
}

void OverviewTest::typingJumpsToTheNextMatchingItem()
{
    KnowledgeBuilder kb;
    for (const char* name : {"Akutni bronhitis", "Pneumonija", "Plu\xE6" "na embolija", "Astma"})
        kb.syndrome(name);
    OpenOverview dialog;
    QVERIFY(dialog.openShown(kb.get()));
    QTreeWidget* tree = dialog.tree();
    tree->setFocus();
    QTest::keyClicks(tree, "plu");
    QVERIFY(tree->currentItem());
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral(u"Plućna embolija"));
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClicks(tree, "a");
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("Astma"));
    QCOMPARE(dialog.modalResult(), 0); // typing does not close the dialog
}

void OverviewTest::focusOnIzlazakEnterClosesTabReachesTheTree()
{
    KnowledgeBuilder kb;
    kb.link(kb.syndrome("Sindrom"), kb.symptom("simptom"));
    // Enter on Izlazak closes; Tab reaches the tree, and Enter there still presses the
    // default button.
    for (const bool fromTree : {false, true}) {
        OpenOverview dialog;
        QVERIFY(dialog.openShown(kb.get()));
        QApplication::setActiveWindow(&dialog);
        QTRY_COMPARE(QApplication::focusWidget(), dialog.exitButton());
        if (fromTree) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), dialog.tree());
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.modalResult(), IDOK);
    }
}

void OverviewTest::runModalOverTheOwnerAndCleanUpOnClose_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("Izlazak") << "button" << IDOK;
    QTest::newRow("Esc") << "escape" << IDCANCEL;
    QTest::newRow("close box") << "close" << IDCANCEL;
}

void OverviewTest::runModalOverTheOwnerAndCleanUpOnClose()
{
    QFETCH(QString, how);
    QFETCH(int, result);
    KnowledgeBuilder kb;
    kb.link(kb.syndrome("Sindrom"), kb.symptom("simptom"));

    // An owner off the screen's centre: the overview is centred over it.
    QWidget owner;
    owner.setGeometry(10, 10, 641, 479);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    setMainWindow(&owner);

    ModalWatcher watcher;
    int itemsSeen = -1;
    int imagesSeen = -1;
    QPoint centreSeen;
    QWidget* ownerSeen = nullptr;
    COverviewDlg* seen = nullptr;
    watcher.onDialog = [&](QWidget* window) {
        seen = qobject_cast<COverviewDlg*>(window);
        if (!seen)
            return;
        auto* tree = seen->GetDlgItem<QTreeWidget>(IDC_TREE);
        itemsSeen = tree->topLevelItemCount() + tree->topLevelItem(0)->childCount();
        imagesSeen = shownImage(tree->topLevelItem(0)).isNull() ? 0 : 1;
        centreSeen = seen->frameGeometry().center();
        ownerSeen = seen->parentWidget();
        if (how == QLatin1String("button"))
            seen->GetDlgItem<QPushButton>(IDOK)->click();
        else if (how == QLatin1String("escape"))
            QTest::keyClick(seen, Qt::Key_Escape);
        else
            seen->close();
    };

    struct Inspected : COverviewDlg {
        int items() const { return treeCtrl ? treeCtrl->topLevelItemCount() : -1; }
        bool imageListAlive() const { return imageList.isCreated(); }
    } dialog;
    QCOMPARE(dialog.RunModal(kb.get()), result);
    setMainWindow(nullptr);

    QCOMPARE(seen, &dialog);
    QCOMPARE(itemsSeen, 2);
    QCOMPARE(imagesSeen, 1);
    QCOMPARE(ownerSeen, &owner);
    // Within the width of a window frame of the owner's centre, far from the screen's.
    QVERIFY((centreSeen - owner.frameGeometry().center()).manhattanLength() <= 6);
    QVERIFY((centreSeen - owner.screen()->availableGeometry().center()).manhattanLength() > 60);
    // Closing deleted the items and then the pictures.
    QCOMPARE(dialog.items(), 0);
    QVERIFY(!dialog.imageListAlive());
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(OverviewTest)
#include "views_overview_test.moc"
