// The dialog templates as built: every control where its table puts it, every text
// inside its rectangle in the dialog font, every picture there at its size.
#include "platform/control_factory.h"
#include "platform/dialog.h"
#include "platform/dialog_units.h"
#include "platform/group_frame.h"
#include "platform/resources.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "res/strings.h"

#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

#include <memory>

using namespace ordisan;

Q_DECLARE_METATYPE(const DialogTemplate*)

namespace {

std::unique_ptr<CDialog> built(const DialogTemplate* dialogTemplate)
{
    auto dialog = std::make_unique<CDialog>(dialogTemplate);
    dialog->Create();
    return dialog;
}

QString rowName(const DialogTemplate& dialogTemplate, int index)
{
    const ControlTemplate& row = dialogTemplate.controls[static_cast<std::size_t>(index)];
    return QStringLiteral("%1/%2 %3")
        .arg(dialogTemplate.id)
        .arg(controlObjectName(row.id, index))
        .arg(row.text ? QString::fromUtf8(row.text) : QString());
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

} // namespace

class TemplatesTest final : public QObject {
    Q_OBJECT
private slots:
    void lookupByNumber();
    void aboutString();
    void dialogSizeAndCaption_data();
    void dialogSizeAndCaption();
    void controlsAtTheirRectangles_data();
    void controlsAtTheirRectangles();
    void runtimeTextsFit_data();
    void runtimeTextsFit();
    void picturesHaveTheirSizes_data();
    void picturesHaveTheirSizes();
    void everyIconOfTheProgramIsThere();
};

void TemplatesTest::lookupByNumber()
{
    for (int id : {IDD_ABOUTBOX, IDD_MAINMENU, IDD_LOADER, IDD_OVERVIEW, IDD_DICTIONARY,
                   IDD_PATIENT, IDD_DIAGNOSIS}) {
        const DialogTemplate* found = findDialogTemplate(id);
        QVERIFY2(found, qPrintable(QString::number(id)));
        QCOMPARE(found->id, id);
    }
    QCOMPARE(findDialogTemplate(101), nullptr);
    QCOMPARE(allDialogTemplates().size(), std::size_t{7});
}

void TemplatesTest::aboutString()
{
    QCOMPARE(loadString(IDS_ABOUTBOX), QStringLiteral("&About Ordisan..."));
    QVERIFY(loadString(102).isEmpty());
}

void TemplatesTest::dialogSizeAndCaption_data()
{
    QTest::addColumn<const DialogTemplate*>("dialogTemplate");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    // Sizes worked out by hand from the tables: x × 1.5, y × 13/8.
    QTest::newRow("100") << &ABOUT_BOX_TEMPLATE << "About Ordisan" << QSize(326, 89);
    QTest::newRow("102") << &MAIN_MENU_TEMPLATE << "Ordisan" << QSize(641, 479);
    QTest::newRow("132") << &LOADER_TEMPLATE << "Ordisan loader..." << QSize(354, 192);
    QTest::newRow("133") << &OVERVIEW_TEMPLATE << "Pregled simptoma i sindroma" << QSize(347, 522);
    QTest::newRow("136") << &DICTIONARY_TEMPLATE << "Rjecnik" << QSize(276, 548);
    QTest::newRow("139") << &PATIENT_TEMPLATE << "Osnovni podaci o pacijentu" << QSize(221, 198);
    QTest::newRow("140") << &DIAGNOSIS_TEMPLATE << "Dijagnosticiranje" << QSize(641, 479);
}

void TemplatesTest::dialogSizeAndCaption()
{
    QFETCH(const DialogTemplate*, dialogTemplate);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    auto dialog = built(dialogTemplate);
    QCOMPARE(dialog->windowTitle(), caption);
    QCOMPARE(dialog->size(), size);
    QCOMPARE(dialog->minimumSize(), size);
    QCOMPARE(dialog->maximumSize(), size);
}

void TemplatesTest::controlsAtTheirRectangles_data()
{
    QTest::addColumn<const DialogTemplate*>("dialogTemplate");
    QTest::addColumn<int>("index");
    for (const DialogTemplate* dialogTemplate : allDialogTemplates())
        for (int i = 0; i < static_cast<int>(dialogTemplate->controls.size()); ++i)
            QTest::newRow(qPrintable(rowName(*dialogTemplate, i))) << dialogTemplate << i;
}

// Every control where its table puts it, and its text, if any, inside it.
void TemplatesTest::controlsAtTheirRectangles()
{
    QFETCH(const DialogTemplate*, dialogTemplate);
    QFETCH(int, index);
    const ControlTemplate& row = dialogTemplate->controls[static_cast<std::size_t>(index)];
    auto dialog = built(dialogTemplate);
    auto* control = dialog->findChild<QWidget*>(controlObjectName(row.id, index));
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), dialog.get());
    const QRect rect = dialogRectToPixels(row.rect);
    if (row.kind == ControlKind::Icon) // an icon static takes the system icon's size
        QCOMPARE(control->geometry(), QRect(rect.topLeft(), QSize(32, 32)));
    else
        QCOMPARE(control->geometry(), rect);
    QCOMPARE(control->isEnabled(), (row.styles & style::DISABLED) == 0);
    if (row.id != IDC_STATIC)
        QCOMPARE(dialog->GetDlgItem(row.id), control);
    if (!row.text || !*row.text || row.kind == ControlKind::OwnerDrawButton)
        return;

    // Its text fits inside it in the dialog font.
    const QFontMetrics metrics = control->fontMetrics();
    const QString text = QString::fromUtf8(row.text);
    if (auto* frame = qobject_cast<GroupFrame*>(control)) {
        QVERIFY2(frame->titleRect().right() < frame->width() - 1,
                 qPrintable(QStringLiteral("title ends at %1 of %2")
                                .arg(frame->titleRect().right())
                                .arg(frame->width())));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        const int needed = metrics.horizontalAdvance(button->text());
        QVERIFY2(needed <= textRoom(button),
                 qPrintable(QStringLiteral("%1 px in %2").arg(needed).arg(textRoom(button))));
    } else {
        // One line of text, as wide and as high as the static's rectangle allows.
        QVERIFY2(metrics.horizontalAdvance(text) <= control->width(),
                 qPrintable(QStringLiteral("%1 px in %2")
                                .arg(metrics.horizontalAdvance(text))
                                .arg(control->width())));
        QVERIFY(metrics.height() <= control->height());
    }
}

void TemplatesTest::runtimeTextsFit_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    // What the loader writes into its fields while it runs; counts at most four digits.
    QTest::newRow("status: dictionary") << IDC_STATUS << "Ucitavam rijeci iz rijecnika...";
    QTest::newRow("status: done") << IDC_STATUS << "Gotovo...";
    QTest::newRow("syndromes") << IDC_SYNDROME_COUNT << "500";
    QTest::newRow("symptoms") << IDC_SYMPTOM_COUNT << "2000";
    QTest::newRow("links") << IDC_LINK_COUNT << "3000";
    QTest::newRow("words") << IDC_WORD_COUNT << "1000";
    QTest::newRow("countdown") << IDC_COUNTDOWN << "4";
}

void TemplatesTest::runtimeTextsFit()
{
    QFETCH(int, id);
    QFETCH(QString, text);
    auto dialog = built(&LOADER_TEMPLATE);
    QWidget* field = dialog->GetDlgItem(id);
    QVERIFY(field);
    QVERIFY(field->fontMetrics().horizontalAdvance(text) <= field->width());
}

void TemplatesTest::picturesHaveTheirSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("bitmap 179") << "bitmap179" << QSize(640, 480);
    QTest::newRow("bitmap 173") << "bitmap173" << QSize(640, 480);
    const struct {
        const char* caption;
        QSize size;
    } buttons[] = {
        {"PREGLED", {430, 39}}, {"DIJAGNOSTICIRANJE", {255, 43}}, {"RJECNIK", {119, 38}},
        {"IZLAZAK", {295, 41}}, {"PR", {54, 58}},                 {"RJ", {58, 57}},
    };
    for (const auto& button : buttons) {
        const QString caption = QString::fromLatin1(button.caption);
        QTest::newRow(qPrintable(caption + "U")) << caption + "U" << button.size;
        QTest::newRow(qPrintable(caption + "D")) << caption + "D" << button.size;
    }
}

void TemplatesTest::picturesHaveTheirSizes()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const bool numbered = name.startsWith(QLatin1String("bitmap"));
    const QPixmap picture = numbered ? loadBitmap(name.mid(6).toInt()) : loadNamedBitmap(name);
    QVERIFY2(!picture.isNull(), qPrintable(name));
    QCOMPARE(picture.deviceIndependentSize().toSize(), size);
}

void TemplatesTest::everyIconOfTheProgramIsThere()
{
    for (int number : {IDR_MAINFRAME, IDI_SYNDROME, IDI_LETTER, IDI_WORD, IDI_PRESENT,
                       IDI_ABSENT, IDI_UNKNOWN, IDI_BAND_HALF, IDI_BAND_ABOVE_HALF,
                       IDI_BAND_HIGH, IDI_BAND_BELOW_HALF, IDI_BAND_LOW, IDI_HEAD, IDI_TRUNK,
                       IDI_LIMBS, IDI_OTHER}) {
        const QPixmap small = loadIconPixmap(number, 16);
        QVERIFY2(!small.isNull(), qPrintable(QString::number(number)));
        QCOMPARE(small.deviceIndependentSize().toSize(), QSize(16, 16));
    }
    const QIcon appIcon = loadIcon(IDR_MAINFRAME);
    for (int size : {16, 32, 48, 256})
        QCOMPARE(appIcon.pixmap(size).deviceIndependentSize().toSize(), QSize(size, size));
    QVERIFY(loadIconPixmap(9999, 16).isNull());
}

QTEST_MAIN(TemplatesTest)
#include "templates_test.moc"
