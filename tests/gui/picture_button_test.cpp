// Picture buttons: images by caption, the up image's size, the down image while held.
#include "platform/dialog.h"
#include "platform/picture_button.h"
#include "platform/resources.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

#include <QPainter>
#include <QTest>

using namespace ordisan;

namespace {

using enum ControlKind;

constexpr ControlTemplate MISSING_ROWS[] = {
    {3001, OwnerDrawButton, {10, 10, 40, 20}, "NEPOSTOJECA", 0},
    {3002, PushButton, {60, 10, 40, 14}, "Pregled", 0},
};
constexpr DialogTemplate MISSING_TEMPLATE{9020, "Slike", 120, 40, 0, MISSING_ROWS};

QImage imageOf(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A picture as a grab of the button shows it: over the button's own background.
QImage asShownBy(const QWidget* button, const QPixmap& picture)
{
    QImage image(picture.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(button->palette().window().color());
    QPainter painter(&image);
    painter.drawPixmap(0, 0, picture);
    return image;
}

} // namespace

class PictureButtonTest final : public QObject {
    Q_OBJECT
private slots:
    void takesItsUpImagesSizeAtItsCornerShowsTheDownOneWhileHeld();
    void withoutImagesKeepsItsSizeAndPaintsNothing();
    void takesFocusOnlyAsATabStop();
};

void PictureButtonTest::takesItsUpImagesSizeAtItsCornerShowsTheDownOneWhileHeld()
{
    // The main menu's buttons are checked one by one in main_menu_test.
    CDialog dialog(&MAIN_MENU_TEMPLATE);
    dialog.Create();
    CBitmapButton attached;
    QVERIFY(attached.AutoLoad(IDC_RJECNIK, &dialog));
    QCOMPARE(attached.button(), dialog.GetDlgItem(IDC_RJECNIK));
    // At (162, 166) units, that is (243, 269.75 → 270); the template's 118 × 24 units
    // give way to the image's 119 × 38 px.
    QCOMPARE(attached.button()->geometry(), QRect(243, 270, 119, 38));
    QCOMPARE(attached.button()->sizeHint(), QSize(119, 38));
    QCOMPARE(attached.button()->downImage().deviceIndependentSize().toSize(), QSize(119, 38));

    // Shows the down image while held.
    PictureButton* button = attached.button();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QImage up = asShownBy(button, button->upImage());
    const QImage down = asShownBy(button, button->downImage());
    QVERIFY(up != down);

    QCOMPARE(imageOf(button->grab()), up);
    QTest::mousePress(button, Qt::LeftButton);
    QVERIFY(button->isDown());
    QCOMPARE(imageOf(button->grab()), down);
    QTest::mouseRelease(button, Qt::LeftButton);
    QCOMPARE(imageOf(button->grab()), up);
}

void PictureButtonTest::withoutImagesKeepsItsSizeAndPaintsNothing()
{
    CDialog dialog(&MISSING_TEMPLATE);
    dialog.Create();
    CBitmapButton missing;
    QVERIFY(!missing.AutoLoad(3001, &dialog));
    auto* button = dialog.GetDlgItem<PictureButton>(3001);
    QCOMPARE(button->size(), QSize(60, 33));
    QVERIFY(button->currentImage().isNull());

    // An ordinary push button is not a picture button, whatever its caption.
    CBitmapButton wrongKind;
    QVERIFY(!wrongKind.AutoLoad(3002, &dialog));
    QCOMPARE(wrongKind.button(), nullptr);
    QVERIFY(!wrongKind.AutoLoad(4040, &dialog));
}

void PictureButtonTest::takesFocusOnlyAsATabStop()
{
    // The main menu's buttons, no tab stops, are checked in main_menu_test.
    CDialog diagnosis(&DIAGNOSIS_TEMPLATE);
    diagnosis.Create();
    QCOMPARE(diagnosis.GetDlgItem(IDC_PREGLED)->focusPolicy(), Qt::StrongFocus);
    CBitmapButton overview;
    QVERIFY(overview.AutoLoad(IDC_PREGLED, &diagnosis));
    QCOMPARE(overview.button()->size(), QSize(54, 58));
}

QTEST_MAIN(PictureButtonTest)
#include "picture_button_test.moc"
