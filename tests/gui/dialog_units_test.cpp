// Dialog units to pixels: 1.5 px across, 13/8 px down, rounded half away from zero.
#include "platform/dialog_units.h"

#include <QTest>

using namespace ordisan;

class DialogUnitsTest final : public QObject {
    Q_OBJECT
private slots:
    void toPixels_data();
    void toPixels();
    void rectangleConvertsEachValueOnItsOwn();
    void fullScreenDialogIsTheSizeOfItsPicture();
};

void DialogUnitsTest::toPixels_data()
{
    QTest::addColumn<bool>("down"); // false: across
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("pixels");
    QTest::newRow("across: zero") << false << 0 << 0;
    QTest::newRow("across: one unit is 1.5, up to 2") << false << 1 << 2;
    QTest::newRow("across: even units are exact") << false << 2 << 3;
    QTest::newRow("across: three units are 4.5, up to 5") << false << 3 << 5;
    QTest::newRow("across: 71 is 106.5, up to 107") << false << 71 << 107;
    QTest::newRow("across: 427 is 640.5, up to 641") << false << 427 << 641;
    QTest::newRow("across: negative halves go down") << false << -1 << -2;
    QTest::newRow("across: minus three is -4.5, to -5") << false << -3 << -5;
    QTest::newRow("down: zero") << true << 0 << 0;
    QTest::newRow("down: one unit is 1.625, to 2") << true << 1 << 2;
    QTest::newRow("down: three units are 4.875, to 5") << true << 3 << 5;
    QTest::newRow("down: four units are 6.5, up to 7") << true << 4 << 7;
    QTest::newRow("down: eight units are one line, 13") << true << 8 << 13;
    QTest::newRow("down: 95 is 154.375, down to 154") << true << 95 << 154;
    QTest::newRow("down: 295 is 479.375, down to 479") << true << 295 << 479;
    QTest::newRow("down: minus four is -6.5, to -7") << true << -4 << -7;
}

void DialogUnitsTest::toPixels()
{
    QFETCH(bool, down);
    QFETCH(int, units);
    QFETCH(int, pixels);
    QCOMPARE(down ? dialogUnitsToPixelsY(units) : dialogUnitsToPixelsX(units), pixels);
}

void DialogUnitsTest::rectangleConvertsEachValueOnItsOwn()
{
    // Converting the right edge instead of the width would give 107 + 428 = 535.
    QCOMPARE(dialogRectToPixels({71, 95, 285, 23}), QRect(107, 154, 428, 37));
    QCOMPARE(dialogRectToPixels({1, 1, 1, 1}), QRect(2, 2, 2, 2));
}

void DialogUnitsTest::fullScreenDialogIsTheSizeOfItsPicture()
{
    // 640.5 × 479.4 before rounding: within a pixel of the 640 × 480 picture.
    QCOMPARE(dialogSizeToPixels(427, 295), QSize(641, 479));
}

QTEST_APPLESS_MAIN(DialogUnitsTest)
#include "dialog_units_test.moc"
