// Ordisan on a desktop of today: dialogs that grow and fit the screen, every template
// text inside its control, Qt's own texts in Croatian, a warning about data saved as
// UTF-8, and the case summary printed to a PDF file.
#include "gui_support.h"

#include "app/diagnostic_app.h"
#include "app/loader_dlg.h"
#include "app/main_menu_dlg.h"
#include "platform/control_backing.h"
#include "platform/control_factory.h"
#include "platform/dialog_units.h"
#include "platform/group_frame.h"
#include "platform/picture_control.h"
#include "platform/qt_translation.h"
#include "res/dialog_templates.h"
#include "views/dictionary_dlg.h"
#include "views/overview_dlg.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QWindow>

#include <optional>

using namespace ordisan;
using namespace ordisan::test;

namespace {

enum Which { OVERVIEW, DICTIONARY, DIAGNOSIS };

std::unique_ptr<CDialog> dialogOf(int which)
{
    switch (which) {
    case OVERVIEW: return std::make_unique<COverviewDlg>();
    case DICTIONARY: return std::make_unique<CDictionaryDlg>();
    default: return std::make_unique<CDiagnosisDlg>();
    }
}

// Runs the dialog on the clinic, as the program does; `look` sees it while it is up.
void whileOpen(int which, const std::function<void(CDialog&)>& look)
{
    auto kb = clinic(SEX_MALE);
    auto dialog = dialogOf(which);
    const auto run = [&](auto& typed) { whileShown(typed, kb.get(), [&] { look(typed); }); };
    if (auto* view = dynamic_cast<CBrowsingDlg*>(dialog.get()))
        run(*view);
    else
        run(static_cast<CDiagnosisDlg&>(*dialog));
}

QSize templateSize(const CDialog& dialog)
{
    return dialogSizeToPixels(dialog.dialogTemplate()->cx, dialog.dialogTemplate()->cy);
}

// The controls a user works with (trees and buttons), each with its template rectangle.
QList<std::pair<QWidget*, QRect>> workingControls(const CDialog& dialog)
{
    QList<std::pair<QWidget*, QRect>> controls;
    for (const ControlTemplate& row : dialog.dialogTemplate()->controls)
        if (row.id != IDC_STATIC)
            controls.append({dialog.GetDlgItem(row.id), dialogRectToPixels(row.rect)});
    return controls;
}

// Room for text inside a button or radio button, as the style lays it out.
int textRoom(QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    return button->style()
        ->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents,
                         &option, button)
        .width();
}

QString pdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000))
        return QStringLiteral("pdftotext (poppler-utils) did not run");
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace

class DesktopTest final : public QObject {
    Q_OBJECT
private slots:
    void dialogsGrow_data();
    void dialogsGrow();
    void dialogsFitTheScreen_data();
    void dialogsFitTheScreen();
    void templateTextsFit();
    void utf8DataIsNamedOnce();
    void printedSummary_data();
    void printedSummary();
    void qtTextsInCroatian(); // last: the translation stays installed
};

void DesktopTest::dialogsGrow_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QStringList>("grown"); // each control's growth, and how far it moved
    // "Izlazak" below the tree, as wide as it.
    const QStringList view{"IDOK 400x0 moved 0x300", "1010 400x300"};
    QTest::newRow("overview") << int(OVERVIEW) << view;
    QTest::newRow("dictionary") << int(DICTIONARY) << view;
    QTest::newRow("diagnosis") << int(DIAGNOSIS)
                               << QStringList{"1032 200x300", "1033 200x300 moved 200x0",
                                              "1023 0x0 moved 400x0", "1003 0x0 moved 400x0",
                                              "1027 0x300 moved 400x0", "IDOK 0x0 moved 400x300"};
}

// At its template's size nothing has moved; 400 x 300 px larger, the trees take the
// room, the buttons keep their distance to the right and bottom edges, nothing overlaps.
void DesktopTest::dialogsGrow()
{
    QFETCH(int, which);
    QFETCH(QStringList, grown);
    whileOpen(which, [&](CDialog& dialog) {
        QCOMPARE(dialog.size(), templateSize(dialog));
        QCOMPARE(dialog.minimumSize(), templateSize(dialog));
        const auto controls = workingControls(dialog);
        QList<QRect> before;
        for (const auto& [control, home] : controls) {
            QCOMPARE(control->pos(), home.topLeft());
            before.append(control->geometry());
        }
        dialog.resize(templateSize(dialog) + QSize(400, 300));
        QStringList growth;
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QWidget* control = controls[i].first;
            const QRect now = control->geometry();
            const QSize change = now.size() - before[i].size();
            const QPoint moved = now.topLeft() - before[i].topLeft();
            QString line = QStringLiteral("%1 %2x%3").arg(control->objectName());
            line = line.arg(change.width()).arg(change.height());
            if (!moved.isNull())
                line += QStringLiteral(" moved %1x%2").arg(moved.x()).arg(moved.y());
            growth.append(line);
            for (qsizetype j = 0; j < i; ++j)
                QVERIFY2(!now.intersects(controls[j].first->geometry()),
                         qPrintable(control->objectName() + " on "
                                    + controls[j].first->objectName()));
            QVERIFY(dialog.rect().contains(now));
        }
        QCOMPARE(growth, grown);
        // The pictures are drawn anew at their new size, not stretched.
        for (const PictureControl* picture : dialog.findChildren<PictureControl*>())
            QTRY_COMPARE(picture->picture().deviceIndependentSize().toSize(), picture->size());
        // The panels behind the diagnosis trees have followed them.
        for (const TreePanel* panel : dialog.findChildren<TreePanel*>()) {
            const auto* tree = dialog.GetDlgItem(panel->heading().startsWith("Sindromi")
                                                     ? IDC_SYNDROME_TREE : IDC_SYMPTOM_TREE);
            QVERIFY(panel->geometry().contains(tree->geometry().adjusted(-8, -30, 8, 10)));
        }
    });
}

void DesktopTest::dialogsFitTheScreen_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("overview") << int(OVERVIEW);
    QTest::newRow("dictionary") << int(DICTIONARY);
    QTest::newRow("diagnosis") << int(DIAGNOSIS);
}

// Run once as it comes and once at a scale factor of 2 (a screen of 400 x 300 px):
// a dialog larger than the screen opens shrunk to it, inside it, its buttons in reach.
void DesktopTest::dialogsFitTheScreen()
{
    QFETCH(int, which);
    whileOpen(which, [&](CDialog& dialog) {
        const QRect available = dialog.screen()->availableGeometry();
        const QMargins frame = dialog.windowHandle()->frameMargins();
        QCOMPARE(dialog.size(),
                 templateSize(dialog).boundedTo(available.marginsRemoved(frame).size()));
        QVERIFY(available.contains(dialog.frameGeometry()));
        QCOMPARE(dialog.minimumSize(), dialog.size());
        const QWidget* exit = dialog.GetDlgItem(IDOK);
        QVERIFY(dialog.rect().contains(exit->geometry()));
        QVERIFY(exit->width() > 0 && exit->height() > 0);
    });
}

// With the dialog font, every template text fits its control at the template's size,
// which is also the smallest a dialog can take.
void DesktopTest::templateTextsFit()
{
    for (const DialogTemplate* dialogTemplate :
         {&ABOUT_BOX_TEMPLATE, &MAIN_MENU_TEMPLATE, &LOADER_TEMPLATE, &OVERVIEW_TEMPLATE,
          &DICTIONARY_TEMPLATE, &PATIENT_TEMPLATE, &DIAGNOSIS_TEMPLATE}) {
        CDialog dialog(dialogTemplate);
        QVERIFY(dialog.Create());
        int index = 0;
        for (const ControlTemplate& row : dialogTemplate->controls) {
            QWidget* control = dialog.findChild<QWidget*>(controlObjectName(row.id, index++));
            if (!row.text || !*row.text || row.kind == ControlKind::OwnerDrawButton)
                continue;
            const QString where = QString::fromUtf8(dialogTemplate->caption) + ": "
                + QString::fromUtf8(row.text);
            const QFontMetrics metrics = control->fontMetrics();
            int needed = metrics.horizontalAdvance(QString::fromUtf8(row.text));
            int room = control->width();
            if (auto* frame = qobject_cast<GroupFrame*>(control)) {
                needed = frame->titleRect().right() + 2;
            } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                needed = metrics.horizontalAdvance(button->text());
                room = textRoom(button);
            } else {
                QVERIFY2(metrics.height() <= control->height(), qPrintable(where));
            }
            QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1: %2 px in %3")
                                                    .arg(where).arg(needed).arg(room)));
        }
    }
}

// A knowledge base saved as UTF-8 loads as it always has; once the loader has closed,
// one message names the file and its first such line, read as the author wrote it, and
// the command that converts it.
// (The sample, in code page 1250, brings no message: AppTest::diagnosis.)
void DesktopTest::utf8DataIsNamedOnce()
{
    TempFolder folder;
    folder.write("podaci.cxt", "Gripa\r\n O-G) vrucica\r\nPeptička bolest\r\n O-T) žgaravica\r\n");
    folder.write("rjecnik.cxt", cp1250("Čir\r\nrana na sluznici\r\n"));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QString::fromStdString(folder.path().string())));
    const QString file = QDir::toNativeSeparators(QDir::current().absoluteFilePath("podaci.cxt"));
    ModalWatcher watcher;
    watcher.onDialog = [&](QWidget* window) {
        if (auto* loader = qobject_cast<CLoaderDlg*>(window)) {
            QTRY_VERIFY(loader->GetDlgItem(IDC_LOADER_OK)->isEnabled());
            QTest::mouseClick(loader->GetDlgItem(IDC_LOADER_OK), Qt::LeftButton);
        } else if (auto* menu = qobject_cast<CMainMenuDlg*>(window)) {
            QTimer::singleShot(0, menu, [menu] { QTest::keyClick(menu, Qt::Key_Escape); });
        }
    };
    CDiagnosticApp app;
    app.InitInstance();
    QDir::setCurrent(previous);
    QCOMPARE(app.knowledgeBase().syndromeCount, 2);
    QCOMPARE(watcher.messages.size(), 1);
    QCOMPARE(watcher.messages[0].caption, u8("Upozorenje"));
    QVERIFY2(watcher.messages[0].text.contains(
                 file + u8(", redak 3: Peptička bolest\n")),
             qPrintable(watcher.messages[0].text));
    QVERIFY(watcher.messages[0].text.contains("\nordisan-check --to-cp1250 podaci.cxt podaci.cxt\n"));
    QVERIFY(!watcher.messages[0].text.contains(u8("rjecnik.cxt")));
}

void DesktopTest::printedSummary_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("printed");
    QTest::addColumn<bool>("diskFull"); // every write fails as on a full disk
    QTest::newRow("a PDF file") << QStringLiteral("sazetak.pdf") << true << false;
    QTest::newRow("over an older PDF") << QStringLiteral("stari.pdf") << true << false;
    QTest::newRow("in a missing folder") << QStringLiteral("nema/sazetak.pdf") << false << false;
    QTest::newRow("disk full: over an older PDF") << QStringLiteral("stari.pdf") << false << true;
}

// Ctrl+P in a tree opens the print dialog; printed to a PDF file, the summary reads back
// with its Croatian letters, the findings and the ranking in order, and the page number.
// A print that fails says where, and leaves an older PDF as it was and nothing new. A
// printed case is kept as a copied one is: Esc then closes without asking.
void DesktopTest::printedSummary()
{
    QFETCH(QString, name);
    QFETCH(bool, printed);
    QFETCH(bool, diskFull);
    TempFolder folder;
    const QByteArray older = "%PDF-1.4 staro";
    folder.write("stari.pdf", older.toStdString());
    const QDir dir(QString::fromStdString(folder.path().string()));
    const QString path = dir.filePath(name);
    auto kb = clinic(SEX_MALE);
    kb->patientAge = 35;
    ModalWatcher watcher;
    QString title;
    bool closed = false;
    std::optional<FileSizeLimit> limit;
    watcher.onDialog = [&](QWidget* window) {
        auto* print = qobject_cast<QPrintDialog*>(window);
        if (!print)
            return;
        title = print->windowTitle();
        auto* file = print->findChild<QLineEdit*>(QStringLiteral("filename"));
        QVERIFY(file);
        file->setText(path);
        if (diskFull)
            limit.emplace(0);
        print->accept();
    };
    whileDiagnosing(kb.get(), [&](CDiagnosisDlg& dialog, QTreeWidget* left, QTreeWidget* right) {
        for (const char* symptom : {"vrućica", "kašalj", "mučnina", "mučnina"})
            doubleClick(right, right->findItems(u8(symptom), Qt::MatchEndsWith)[0]);
        QTest::mouseClick(dialog.GetDlgItem(IDC_RERANK), Qt::LeftButton);
        QApplication::setActiveWindow(&dialog);
        left->setFocus();
        QTest::keyClick(left, Qt::Key_P, Qt::ControlModifier);
        limit.reset();
        QTest::keyClick(left, Qt::Key_Escape);
        closed = !dialog.isVisible();
    });
    QCOMPARE(title, u8("Ispiši sažetak slučaja"));
    QCOMPARE(dir.entryList(QDir::Files).size(), printed && name != "stari.pdf" ? 2 : 1);
    QCOMPARE(closed, printed);
    if (!printed) {
        QCOMPARE(watcher.messages.size(), 2); // the failure, then the close question
        QVERIFY2(watcher.messages[0].text.startsWith(
                     u8("Sažetak slučaja nije spremljen u datoteku\n%1\n").arg(path)),
                 qPrintable(watcher.messages[0].text));
        QFile file(dir.filePath(QStringLiteral("stari.pdf")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), older);
        return;
    }
    QVERIFY(watcher.messages.isEmpty());
    const QString text = pdfText(path);
    qsizetype at = 0;
    for (const char* expected :
         {"Ordisan – sažetak slučaja", "Spol:", "muški", "Prisutni simptomi", "vrućica",
          "kašalj", "Odsutni simptomi", "mučnina", "Sindromi (posljednje rangiranje)", "Mjesto",
          "Postotak", "Gripa", "Trudnoća", "Ženski sindrom", "Otvoreni simptomi",
          "đurđica na koži", "stranica 1 od 1"}) {
        const qsizetype found = text.indexOf(u8(expected), at);
        QVERIFY2(found >= 0, qPrintable(u8(expected) + " not after " + text.left(at)));
        at = found;
    }
    QVERIFY(text.contains("Prostatitis")); // no letters joined into one glyph
}

// Qt's own texts in Croatian when its translation is there; English, and a warning
// that names the folder and the package, when it is not.
void DesktopTest::qtTextsInCroatian()
{
    const auto cancelText = [] {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Cancel);
        return box.button(QMessageBox::Cancel)->text();
    };
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("qtbase_hr.qm was not found in /nowhere .*"
                                            "qt6-translations-l10n.*stay in English"));
    QVERIFY(!installQtTranslation(QStringLiteral("/nowhere")));
    QCOMPARE(cancelText(), u8("Cancel"));
    QVERIFY(installQtTranslation());
    QCOMPARE(cancelText(), u8("Odustani"));
}

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
