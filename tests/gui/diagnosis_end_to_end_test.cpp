// The program on the sample data, as a user runs it: the loader alone, "Ok", the main
// menu's "Pregled" and "Rjecnik", then "Dijagnosticiranje", a patient, three answers and
// "<<Rangiraj>>", with the ranking compared with what ordisan-check computes from the
// same files; and a cancelled patient, after which no diagnosis opens.
#include "gui_support.h"

#include "app/diagnostic_app.h"
#include "app/loader_dlg.h"
#include "app/main_menu_dlg.h"
#include "diagnosis/diagnosis_item.h"
#include "diagnosis/patient_dlg.h"
#include "views/browsing_dlg.h"
#include "platform/text_codec.h"
#include "platform/window_owner.h"
#include "res/resource.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTreeWidget>

using namespace ordisan;
using namespace ordisan::test;

class DiagnosisEndToEndTest final : public QObject {
    Q_OBJECT
private slots:
    // The program reads the current folder.
    void initTestCase() { QVERIFY(QDir::setCurrent(ORDISAN_DATA_DIR)); }
    void diagnosis_data();
    void diagnosis();
};

void DiagnosisEndToEndTest::diagnosis_data()
{
    QTest::addColumn<int>("patientButton");
    QTest::newRow("Dalje >>: matches ordisan-check") << IDOK;
    QTest::newRow("Otkaži: no diagnosis") << IDCANCEL;
}

void DiagnosisEndToEndTest::diagnosis()
{
    QFETCH(int, patientButton);
    QStringList seen, left, right, present, absent;
    ModalWatcher watcher;
    watcher.onDialog = [&](QWidget* window) {
        const bool owned = window->parentWidget() == mainWindow();
        seen.append(QString::fromLatin1(window->metaObject()->className()).mid(9)
                    + (owned ? "" : " not owned") + (mainWindow()->isVisible() ? "" : " alone"));
        if (auto* loader = qobject_cast<CLoaderDlg*>(window)) {
            QTRY_VERIFY(loader->GetDlgItem(IDC_LOADER_OK)->isEnabled()); // as a user waits
            QTest::mouseClick(loader->GetDlgItem(IDC_LOADER_OK), Qt::LeftButton);
        } else if (auto* menu = qobject_cast<CMainMenuDlg*>(window)) {
            // Out of the watcher's tick, which must see what opens.
            QTimer::singleShot(0, menu, [menu] {
                for (int button : {IDC_PREGLED, IDC_RJECNIK, IDC_DIJAGNOSTICIRANJE})
                    QTest::mouseClick(menu->GetDlgItem(button), Qt::LeftButton);
                QTest::keyClick(menu, Qt::Key_Escape);
            });
        } else if (auto* view = qobject_cast<CBrowsingDlg*>(window)) {
            if (view->GetDlgItem<QTreeWidget>(IDC_TREE)->topLevelItemCount() == 0)
                seen.last() += " empty";
            QTest::mouseClick(view->GetDlgItem(IDOK), Qt::LeftButton);
        } else if (auto* patient = qobject_cast<CPatientDlg*>(window)) {
            QTest::keyClicks(patient->GetDlgItem<QLineEdit>(IDC_AGE), "47");
            QTest::mouseClick(patient->GetDlgItem(IDC_SEX_FEMALE), Qt::LeftButton);
            QTest::mouseClick(patient->GetDlgItem(patientButton), Qt::LeftButton);
        } else if (auto* dialog = qobject_cast<CDialog*>(window)) {
            auto* symptoms = dialog->GetDlgItem<QTreeWidget>(IDC_SYMPTOM_TREE);
            for (int row : {0, 3, 7, 7}) // two present, one absent
                doubleClick(symptoms, symptoms->topLevelItem(row));
            for (int row : {0, 3, 7}) {
                const int symptom = diagnosisItem(symptoms->topLevelItem(row))->parameter();
                (row == 7 ? absent : present).append(QString::number(symptom));
            }
            QTest::mouseClick(dialog->GetDlgItem(IDC_RERANK), Qt::LeftButton);
            left = treeLines(dialog->GetDlgItem<QTreeWidget>(IDC_SYNDROME_TREE), {}, false, true);
            right = treeLines(symptoms);
            QTest::mouseClick(dialog->GetDlgItem(IDOK), Qt::LeftButton);
        }
    };
    CDiagnosticApp app;
    QVERIFY(!app.InitInstance());
    QVERIFY(watcher.messages.isEmpty());
    const KnowledgeBase& kb = app.knowledgeBase();
    const QStringList start{"CLoaderDlg alone", "CMainMenuDlg not owned", "COverviewDlg",
                            "CDictionaryDlg", "CPatientDlg"};
    if (patientButton == IDCANCEL) {
        QCOMPARE(seen, start);
        QCOMPARE(kb.patientAge, 0u);
        return;
    }
    QCOMPARE(seen, start + QStringList{"CDiagnosisDlg"});
    QCOMPARE(kb.patientAge, 47u);
    QProcess check;
    check.start(ORDISAN_CHECK_PATH, {"--json", "--sex", "Z", "--present", present.join(','),
                                     "--absent", absent.join(','), "."});
    QVERIFY(check.waitForFinished(60000));
    const QJsonObject ranked =
        QJsonDocument::fromJson(check.readAllStandardOutput()).object()["diagnosis"].toObject();
    const auto line = [](const QJsonValue& entry, const char* name) {
        return QStringLiteral("(%1%) - %2").arg(entry["percent"].toInt()).arg(fromCp1250(name));
    };
    QStringList expectedLeft, expectedRight;
    for (const QJsonValue& entry : ranked["syndromes"].toArray())
        expectedLeft.append(line(entry, kb.syndromes[entry["index"].toInt()].name));
    for (const QJsonValue& entry : ranked["symptoms"].toArray())
        if (entry["answer"].toString() == "unknown")
            expectedRight.append(line(entry, kb.symptoms[entry["index"].toInt()].text));
    QVERIFY(!left.first().startsWith("(50%)")); // the answers moved the top one
    QCOMPARE(left, expectedLeft);
    QCOMPARE(right, expectedRight);
}

QTEST_MAIN(DiagnosisEndToEndTest)
#include "diagnosis_end_to_end_test.moc"
