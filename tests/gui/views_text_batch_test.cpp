// Texts converted together come apart again exactly as each would alone.
#include "views/text_batch.h"

#include <QTest>

#include <string>

using namespace ordisan;

class TextBatchTest final : public QObject {
    Q_OBJECT
private slots:
    void eachTextComesBackWhole();
    void manyBlocks();
    void textsEndAtTheirFirstNul();
    void unknownIndexesGiveEmptyTexts();
};

void TextBatchTest::eachTextComesBackWhole()
{
    TextBatch batch;
    const int croatian = batch.add("\xC8" "a\x9A" "a \x8E" "ute \xF0" "umbir \xE6" "evap");
    const int empty = batch.add("");
    const int undefined = batch.add("a\x81" "b\x98" "c"); // bytes the code page leaves open
    const int last = batch.add("kraj");
    batch.convert();
    QCOMPARE(batch.text(croatian), QStringLiteral(u"Čaša Žute đumbir ćevap"));
    QCOMPARE(batch.text(empty), QString());
    QCOMPARE(batch.text(undefined).size(), 5);
    QCOMPARE(batch.text(undefined).front(), QLatin1Char('a'));
    QCOMPARE(batch.text(undefined).back(), QLatin1Char('c'));
    QCOMPARE(batch.text(last), QStringLiteral("kraj"));
}

void TextBatchTest::manyBlocks()
{
    // Enough text for several blocks, with texts of every length up to a long one.
    TextBatch batch;
    QStringList expected;
    for (int i = 0; i < 600; ++i) {
        std::string text = std::to_string(i) + " \x9E" + std::string(static_cast<std::size_t>(i % 97), 'x');
        QCOMPARE(batch.add(text), i);
        expected.append(QString::number(i) + QStringLiteral(u" ž") + QString(i % 97, QLatin1Char('x')));
    }
    const std::string huge(10000, 'h'); // longer than a block on its own
    QCOMPARE(batch.add(huge), 600);
    QCOMPARE(batch.add("poslije"), 601);
    batch.convert();
    for (int i = 0; i < 600; ++i)
        QCOMPARE(batch.text(i), expected[i]);
    QCOMPARE(batch.text(600), QString(10000, QLatin1Char('h')));
    QCOMPARE(batch.text(601), QStringLiteral("poslije"));
}

void TextBatchTest::textsEndAtTheirFirstNul()
{
    TextBatch batch;
    const int cut = batch.add(std::string_view("prije\0poslije", 13));
    const int next = batch.add("drugi");
    // Each piece of a joined text ends at its own NUL; an empty last piece adds nothing.
    const int joined = batch.add({std::string_view("\xC8ir\0ostatak", 11), " - ", ""});
    batch.convert();
    QCOMPARE(batch.text(joined), QStringLiteral(u"Čir - "));
    QCOMPARE(batch.text(cut), QStringLiteral("prije"));
    QCOMPARE(batch.text(next), QStringLiteral("drugi"));
}

void TextBatchTest::unknownIndexesGiveEmptyTexts()
{
    TextBatch batch;
    const int only = batch.add("jedan");
    QCOMPARE(batch.text(only), QString()); // not converted yet
    batch.convert();
    QCOMPARE(batch.text(only), QStringLiteral("jedan"));
    QCOMPARE(batch.text(-1), QString());
    QCOMPARE(batch.text(1), QString());
}

QTEST_MAIN(TextBatchTest)
#include "views_text_batch_test.moc"
