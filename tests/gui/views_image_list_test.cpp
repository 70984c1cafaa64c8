// The views' picture lists: built per opening from the icon resources, -1 for an icon
// that cannot be added, empty after deletion.
#include "views_support.h"

#include "res/resource.h"
#include "views/image_list.h"

#include <QTest>

using namespace ordisan;
using namespace ordisan::test;

class ImageListTest final : public QObject {
    Q_OBJECT
private slots:
    void iconsGetIndexesInTheOrderAdded();
    void missingIconGivesMinusOneAndNoPicture();
    void nothingIsAddedWithoutAList();
    void deletingEmptiesTheList();
};

void ImageListTest::iconsGetIndexesInTheOrderAdded()
{
    CImageList list;
    list.Create(16);
    QCOMPARE(list.AddIcon(IDI_LETTER), 0);
    QCOMPARE(list.AddIcon(IDI_WORD), 1);
    QCOMPARE(list.GetImageCount(), 2);
    QCOMPARE(list.imageSize(), QSize(16, 16));
    const QImage letter =
        list.icon(0).pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(letter, iconImage(IDI_LETTER));
    QVERIFY(!letter.isNull());
    QVERIFY(letter != iconImage(IDI_WORD));
}

void ImageListTest::missingIconGivesMinusOneAndNoPicture()
{
    CImageList list;
    list.Create(16);
    QCOMPARE(list.AddIcon(99999), -1);
    QCOMPARE(list.GetImageCount(), 0);
    QVERIFY(list.icon(-1).isNull());
    QCOMPARE(list.AddIcon(IDI_SYNDROME), 0); // the next one still gets its index
}

void ImageListTest::nothingIsAddedWithoutAList()
{
    CImageList list;
    QVERIFY(!list.isCreated());
    QCOMPARE(list.AddIcon(IDI_HEAD), -1);
    QVERIFY(list.icon(0).isNull());
}

void ImageListTest::deletingEmptiesTheList()
{
    CImageList list;
    list.Create(16);
    list.AddIcon(IDI_HEAD);
    list.DeleteImageList();
    QVERIFY(!list.isCreated());
    QCOMPARE(list.GetImageCount(), 0);
    QVERIFY(list.icon(0).isNull());
    // A new opening builds it anew.
    list.Create(16);
    QCOMPARE(list.AddIcon(IDI_TRUNK), 0);
}

QTEST_MAIN(ImageListTest)
#include "views_image_list_test.moc"
