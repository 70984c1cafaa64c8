// Dialog units to pixels: 1.5 px across, 13/8 px down, rounded half away from zero.
#include "platform/dialog_units.h"

#include <QTest>

using namespace ordisan;

class DialogUnitsTest final : public QObject {
    Q_OBJECT
private slots:
    void horizontal_data();
    void horizontal();
    void vertical_data();
    void vertical();
    void rectangleConvertsEachValueOnItsOwn();
    void fullScreenDialogIsTheSizeOfItsPicture();
};

void DialogUnitsTest::horizontal_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("one unit is 1.5, up to 2") << 1 << 2;
    QTest::newRow("even units are exact") << 2 << 3;
    QTest::newRow("three units are 4.5, up to 5") << 3 << 5;
    QTest::newRow("71 is 106.5, up to 107") << 71 << 107;
    QTest::newRow("427 is 640.5, up to 641") << 427 << 641;
    QTest::newRow("negative halves go down") << -1 << -2;
    QTest::newRow("minus three is -4.5, to -5") << -3 << -5;
}

void DialogUnitsTest::horizontal()
{
    QFETCH(int, units);
    QFETCH(int, pixels);
    QCOMPARE(dialogUnitsToPixelsX(units), pixels);
}

void DialogUnitsTest::vertical_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("one unit is 1.625, to 2") << 1 << 2;
    QTest::newRow("three units are 4.875, to 5") << 3 << 5;
    QTest::newRow("four units are 6.5, up to 7") << 4 << 7;
    QTest::newRow("eight units are one line, 13") << 8 << 13;
    QTest::newRow("95 is 154.375, down to 154") << 95 << 154;
    QTest::newRow("295 is 479.375, down to 479") << 295 << 479;
    QTest::newRow("minus four is -6.5, to -7") << -4 << -7;
}

void DialogUnitsTest::vertical()
{
    QFETCH(int, units);
    QFETCH(int, pixels);
    QCOMPARE(dialogUnitsToPixelsY(units), pixels);
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
