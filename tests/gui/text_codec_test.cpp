// Code page 1250 bytes from the data files become the right letters on screen.
#include "platform/text_codec.h"

#include <QTest>

using namespace ordisan;

class TextCodecTest final : public QObject {
    Q_OBJECT
private slots:
    void letters_data();
    void letters();
    void nullAndEmptyGiveEmptyText();
    void textsStayApart();
};

void TextCodecTest::letters_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain ASCII") << QByteArray("Gripa") << QStringLiteral("Gripa");
    QTest::newRow("Croatian capitals") << QByteArray("\x8A\xC8\xC6\xD0\x8E")
                                       << QStringLiteral("\u0160\u010C\u0106\u0110\u017D");
    QTest::newRow("Croatian small letters") << QByteArray("\x9A\xE8\xE6\xF0\x9E")
                                            << QStringLiteral("\u0161\u010D\u0107\u0111\u017E");
    QTest::newRow("a loader message") << QByteArray("Previ\x9A" "e sindroma!")
                                      << QStringLiteral("Previše sindroma!");
    QTest::newRow("caption GRESKA with S caron") << QByteArray("GRE\x8AKA")
                                                 << QStringLiteral("GREŠKA");
    QTest::newRow("unassigned 0x81 passes as U+0081") << QByteArray("a\x81z")
                                                      << QStringLiteral("a\u0081z");
}

void TextCodecTest::letters()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(fromCp1250(bytes.constData()), text);
    QCOMPARE(fromCp1250(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))),
             text);
}

void TextCodecTest::nullAndEmptyGiveEmptyText()
{
    QVERIFY(fromCp1250(static_cast<const char*>(nullptr)).isEmpty());
    QVERIFY(fromCp1250("").isEmpty());
}

void TextCodecTest::textsStayApart()
{
    // A stateful decoder shared between calls could carry bytes from one to the next.
    QCOMPARE(fromCp1250("\xE8"), QStringLiteral("\u010D"));
    QCOMPARE(fromCp1250("x"), QStringLiteral("x"));
}

QTEST_APPLESS_MAIN(TextCodecTest)
#include "text_codec_test.moc"
