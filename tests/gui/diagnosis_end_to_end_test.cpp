// A whole diagnosis through the program on the sample data: start with the loader, the
// main menu's "Dijagnosticiranje", a patient, three answers, "<<Rangiraj>>", and the
// ranking compared with what ordisan-check computes from the same files.
#include "diagnosis_fixture.h"
#include "modal_watcher.h"

#include "app/diagnostic_app.h"
#include "app/loader_dlg.h"
#include "app/main_menu_dlg.h"
#include "diagnosis/diagnosis_dlg.h"
#include "diagnosis/diagnosis_item.h"
#include "diagnosis/patient_dlg.h"
#include "platform/picture_button.h"
#include "platform/text_codec.h"
#include "res/resource.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace ordisan;
using namespace ordisan::test;

namespace {

// As a user does: waits for "Ok" and presses it.
void finishLoading(CLoaderDlg* loader)
{
    QWidget* ok = loader->GetDlgItem(IDC_LOADER_OK);
    QTRY_VERIFY(ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
}

// Clicks "Dijagnosticiranje" once the watcher's tick is over, so that the watcher
// sees the dialogs that open from it.
void startDiagnosis(CMainMenuDlg* menu)
{
    QTimer::singleShot(0, menu, [menu] {
        QTest::mouseClick(menu->GetDlgItem<PictureButton>(IDC_DIJAGNOSTICIRANJE), Qt::LeftButton);
        QTest::keyClick(menu, Qt::Key_Escape);
    });
}

// A woman of `age` typed in, then the button `id` pressed.
void answerPatient(CPatientDlg* patient, const QString& age, int id)
{
    auto* edit = patient->GetDlgItem<QLineEdit>(IDC_AGE);
    edit->selectAll();
    QTest::keyClicks(edit, age);
    QTest::mouseClick(patient->GetDlgItem<QRadioButton>(IDC_SEX_FEMALE), Qt::LeftButton);
    QTest::mouseClick(patient->GetDlgItem<QPushButton>(id), Qt::LeftButton);
}

QString join(const QList<int>& indexes)
{
    QStringList parts;
    for (int index : indexes)
        parts.append(QString::number(index));
    return parts.join(QLatin1Char(','));
}

} // namespace

class DiagnosisEndToEndTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void wholeDiagnosisMatchesOrdisanCheck();
    void cancelledPatientOpensNoDiagnosis();

private:
    QString previousFolder_;
};

void DiagnosisEndToEndTest::initTestCase()
{
    // The program reads its data files from the current directory.
    previousFolder_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QStringLiteral(ORDISAN_DATA_DIR)));
}

void DiagnosisEndToEndTest::cleanupTestCase()
{
    QDir::setCurrent(previousFolder_);
}

void DiagnosisEndToEndTest::wholeDiagnosisMatchesOrdisanCheck()
{
    QList<int> present;
    QList<int> absent;
    QStringList left;
    QStringList right;
    int patientsSeen = 0;
    int diagnosesSeen = 0;
    bool ownedByMenu = false;
    ModalWatcher watcher;
    watcher.onDialog = [&](QWidget* window) {
        if (auto* loader = qobject_cast<CLoaderDlg*>(window)) {
            finishLoading(loader);
        } else if (auto* menu = qobject_cast<CMainMenuDlg*>(window)) {
            startDiagnosis(menu);
        } else if (auto* patient = qobject_cast<CPatientDlg*>(window)) {
            ++patientsSeen;
            answerPatient(patient, QStringLiteral("47"), IDOK);
        } else if (auto* diagnosis = qobject_cast<CDiagnosisDlg*>(window)) {
            ++diagnosesSeen;
            ownedByMenu = qobject_cast<CMainMenuDlg*>(diagnosis->parentWidget()) != nullptr;
            auto* symptoms = diagnosis->GetDlgItem<QTreeWidget>(IDC_SYMPTOM_TREE);
            // Two present, one absent, all among the first open symptoms.
            QTreeWidgetItem* first = symptoms->topLevelItem(0);
            QTreeWidgetItem* second = symptoms->topLevelItem(3);
            QTreeWidgetItem* third = symptoms->topLevelItem(7);
            doubleClick(symptoms, first);
            doubleClick(symptoms, second);
            doubleClick(symptoms, third);
            doubleClick(symptoms, third);
            present = {diagnosisItem(first)->parameter(), diagnosisItem(second)->parameter()};
            absent = {diagnosisItem(third)->parameter()};
            QTest::mouseClick(diagnosis->GetDlgItem<QPushButton>(IDC_RERANK), Qt::LeftButton);
            left = topTexts(diagnosis->GetDlgItem<QTreeWidget>(IDC_SYNDROME_TREE));
            right = topTexts(symptoms);
            QTest::mouseClick(diagnosis->GetDlgItem<QPushButton>(IDOK), Qt::LeftButton);
        }
    };
    CDiagnosticApp app;
    QVERIFY(!app.InitInstance());
    QVERIFY(watcher.messages.isEmpty());
    QCOMPARE(patientsSeen, 1);
    QCOMPARE(diagnosesSeen, 1);
    QVERIFY(ownedByMenu);
    const KnowledgeBase& kb = app.knowledgeBase();
    QCOMPARE(kb.patientAge, 47u);
    QCOMPARE(kb.patientSex, SEX_FEMALE);
    QCOMPARE(kb.symptoms[present[0]].answer, ANSWER_PRESENT);
    QCOMPARE(kb.symptoms[absent[0]].answer, ANSWER_ABSENT);

    QProcess check;
    check.start(QStringLiteral(ORDISAN_CHECK_PATH),
                {QStringLiteral("--json"), QStringLiteral("--sex"), QStringLiteral("Z"),
                 QStringLiteral("--present"), join(present), QStringLiteral("--absent"),
                 join(absent), QStringLiteral(ORDISAN_DATA_DIR)});
    QVERIFY(check.waitForFinished(60000));
    QCOMPARE(check.exitStatus(), QProcess::NormalExit);
    QJsonParseError error{};
    const QJsonObject result = QJsonDocument::fromJson(check.readAllStandardOutput(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject diagnosis = result.value(QStringLiteral("diagnosis")).toObject();

    QStringList expectedLeft;
    for (const QJsonValue& entry : diagnosis.value(QStringLiteral("syndromes")).toArray()) {
        const QJsonObject syndrome = entry.toObject();
        expectedLeft.append(QStringLiteral("(%1%) - %2")
                                .arg(syndrome.value(QStringLiteral("percent")).toInt())
                                .arg(fromCp1250(kb.syndromes[syndrome.value(QStringLiteral("index")).toInt()].name)));
    }
    QStringList expectedRight;
    for (const QJsonValue& entry : diagnosis.value(QStringLiteral("symptoms")).toArray()) {
        const QJsonObject symptom = entry.toObject();
        if (symptom.value(QStringLiteral("answer")).toString() == QLatin1String("unknown"))
            expectedRight.append(QStringLiteral("(%1%) - %2")
                                     .arg(symptom.value(QStringLiteral("percent")).toInt())
                                     .arg(fromCp1250(kb.symptoms[symptom.value(QStringLiteral("index")).toInt()].text)));
    }
    QVERIFY(!expectedLeft.isEmpty());
    QVERIFY(!left.first().startsWith(QStringLiteral("(50%)"))); // the answers moved the top one
    QCOMPARE(left, expectedLeft);
    QCOMPARE(right, expectedRight);
}

void DiagnosisEndToEndTest::cancelledPatientOpensNoDiagnosis()
{
    int diagnosesSeen = 0;
    bool menuVisibleAgain = false;
    ModalWatcher watcher;
    watcher.onDialog = [&](QWidget* window) {
        if (auto* loader = qobject_cast<CLoaderDlg*>(window)) {
            finishLoading(loader);
        } else if (auto* menu = qobject_cast<CMainMenuDlg*>(window)) {
            QTimer::singleShot(0, menu, [menu, &menuVisibleAgain] {
                QTest::mouseClick(menu->GetDlgItem<PictureButton>(IDC_DIJAGNOSTICIRANJE), Qt::LeftButton);
                menuVisibleAgain = menu->isVisible() && menu->isEnabled();
                QTest::keyClick(menu, Qt::Key_Escape);
            });
        } else if (auto* patient = qobject_cast<CPatientDlg*>(window)) {
            answerPatient(patient, QStringLiteral("30"), IDCANCEL);
        } else if (qobject_cast<CDiagnosisDlg*>(window)) {
            ++diagnosesSeen;
            window->close();
        }
    };
    CDiagnosticApp app;
    QVERIFY(!app.InitInstance());
    QCOMPARE(diagnosesSeen, 0);
    QVERIFY(menuVisibleAgain);
    QCOMPARE(app.knowledgeBase().patientAge, 0u);
    QCOMPARE(app.knowledgeBase().patientSex, 0);
}

QTEST_MAIN(DiagnosisEndToEndTest)
#include "diagnosis_end_to_end_test.moc"
