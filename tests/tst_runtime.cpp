#include "runtime/runtime.h"

#include <QTest>

#include <chrono>
#include <limits>
#include <set>

using namespace vorlank::runtime;

class RuntimeTest : public QObject
{
    Q_OBJECT
private slots:
    void checkedArithmeticAtThe32BitEdges()
    {
        constexpr auto max = std::numeric_limits<std::int32_t>::max();
        constexpr auto min = std::numeric_limits<std::int32_t>::min();
        QCOMPARE(checkedAdd(max - 1, 1), max);
        QVERIFY_THROWS_EXCEPTION(OverflowError, checkedAdd(max, 1));
        QVERIFY_THROWS_EXCEPTION(OverflowError, checkedAdd(min, -1));
        QCOMPARE(checkedSubtract(min + 1, 1), min);
        QVERIFY_THROWS_EXCEPTION(OverflowError, checkedSubtract(min, 1));
        QVERIFY_THROWS_EXCEPTION(OverflowError, checkedSubtract(0, min));
        QCOMPARE(checkedMultiply(29020049, 74), 2147483626);
        QVERIFY_THROWS_EXCEPTION(OverflowError, checkedMultiply(29020050, 74));
        QVERIFY_THROWS_EXCEPTION(OverflowError, checkedMultiply(min, -1));
    }

    void splitKeepsTheFinalEmptyPiece()
    {
        const QString text = QStringLiteral("a|1\r\nb|2\r\n");
        const auto pieces = splitAtCrLf(text);
        QCOMPARE(pieces.size(), 3);
        QCOMPARE(pieces[2], QStringView());
        QCOMPARE(pieceAt(pieces, 1), u"b|2");
        QVERIFY_THROWS_EXCEPTION(SubscriptError, pieceAt(pieces, 3));
        QVERIFY_THROWS_EXCEPTION(SubscriptError, pieceAt(pieces, -1));
        // A lone CR or LF is not a delimiter.
        QCOMPARE(splitAtCrLf(u"a\rb\nc").size(), 1);
    }

    void characterPickingAndDecimalText()
    {
        QCOMPARE(leftmostCharacter(u"人|1159"), QStringLiteral("人"));
        QCOMPARE(leftmostCharacter(u""), QString());
        QCOMPARE(middleCharacter(u"一二三", 3), QStringLiteral("三"));
        QCOMPARE(middleCharacter(u"一二三", 4), QString());
        QCOMPARE(middleCharacter(u"", 1), QString());
        QCOMPARE(decimalText(6734), QStringLiteral("6734"));
        QCOMPARE(decimalText(-5), QStringLiteral("-5"));
        QCOMPARE(decimalText(1234567), QStringLiteral("1234567")); // no grouping
    }

    void gbkRoundTripsIncludingTheTrailByteThatLooksLikeABar()
    {
        // 弢 is 8F 7C in GBK: its second byte is the ASCII bar.
        const QByteArray bytes("\xC8\xCB|1159\r\n\x8F\x7C|0\r\n");
        const QString text = decodeGbk(bytes);
        QCOMPARE(text, QStringLiteral("人|1159\r\n弢|0\r\n"));
        QCOMPARE(encodeGbk(text), bytes);
    }

    void gbkErrorsNameTheOffset_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qsizetype>("offset");
        QTest::newRow("invalid trail byte") << QByteArray("ab\xC8\xCBx\x81\x20") << qsizetype(5);
        QTest::newRow("byte mapped to private use") << QByteArray("\xC8\xCB\xFF") << qsizetype(2);
        QTest::newRow("truncated at the end") << QByteArray("abc\xC8") << qsizetype(3);
    }
    void gbkErrorsNameTheOffset()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qsizetype, offset);
        try {
            decodeGbk(bytes);
            QFAIL("undecodable bytes were accepted");
        } catch (const ConversionError &e) {
            QCOMPARE(e.offset, offset);
            QVERIFY(QByteArray(e.what()).contains("offset " + QByteArray::number(offset)));
        }
    }

    void unencodableTextNamesTheOffset()
    {
        try {
            encodeGbk(QStringLiteral("人😀"));
            QFAIL("an emoji was encoded");
        } catch (const ConversionError &e) {
            QCOMPARE(e.offset, qsizetype(1));
            QVERIFY(QByteArray(e.what()).contains("1F600"));
        }
    }

    void generatorStaysBelowOne()
    {
        ClockRandom random;
        float highest = 0;
        for (int i = 0; i < 2'000'000; ++i) {
            const float r = random.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            highest = std::max(highest, r);
        }
        QVERIFY(highest > 0.999f); // and it does reach the top of the range
    }

    void reseedsWithinOneClockTickDoNotRepeat()
    {
        ClockRandom random;
        std::set<float> firsts;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 1000; ++i) {
            random.reseed();
            firsts.insert(random.next());
        }
        // 1000 reseeds take far less than a coarse clock tick; the values must still differ.
        QVERIFY(std::chrono::steady_clock::now() - start < std::chrono::seconds(1));
        QVERIFY(firsts.size() > 990);

        ClockRandom other;
        random.reseed();
        other.reseed();
        QVERIFY(random.next() != other.next()); // two generators started together differ
    }
};

QTEST_APPLESS_MAIN(RuntimeTest)
#include "tst_runtime.moc"
