#include "fakes.h"
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
        const std::u16string text = u"a|1\r\nb|2\r\n";
        const auto pieces = splitAtCrLf(text);
        QCOMPARE(pieces.size(), 3U);
        QVERIFY(pieces[2].empty());
        QCOMPARE(q(pieceAt(pieces, 1)), u"b|2");
        QVERIFY_THROWS_EXCEPTION(SubscriptError, pieceAt(pieces, 3));
        QVERIFY_THROWS_EXCEPTION(SubscriptError, pieceAt(pieces, -1));
        // A lone CR or LF is not a delimiter.
        QCOMPARE(splitAtCrLf(u"a\rb\nc").size(), 1U);
        QCOMPARE(splitAtCrLf(u"").size(), 1U);
    }

    void characterPickingAndDecimalText()
    {
        QCOMPARE(q(leftmostCharacter(u"人|1159")), u"人");
        QCOMPARE(q(leftmostCharacter(u"")), QString());
        QCOMPARE(q(middleCharacter(u"一二三", 3)), u"三");
        QCOMPARE(q(middleCharacter(u"一二三", 4)), QString());
        QCOMPARE(q(middleCharacter(u"一二三", 0)), QString());
        QCOMPARE(q(middleCharacter(u"", 1)), QString());
        QCOMPARE(q(decimalText(6734)), u"6734");
        QCOMPARE(q(decimalText(-5)), u"-5");
        QCOMPARE(q(decimalText(1234567)), u"1234567"); // no grouping
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
