#include "fakes.h"
#include "inventory/inventory.h"
#include "runtime/runtime.h"

#include <QSet>
#include <QStringEncoder>
#include <QTest>

#include <algorithm>

using namespace vorlank::inventory;

namespace
{
struct Row {
    QChar character;
    int count;
};

QList<Row> rowsOf(const QString &joined)
{
    QList<Row> rows;
    const QStringList pieces = joined.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i + 1 < pieces.size(); ++i)
        rows.append({ pieces[i][0], pieces[i].sliced(2).toInt() });
    return rows;
}

// Same rows, every count replaced: the bands must not notice.
QString withOtherCounts(const QString &text)
{
    QString out;
    const QStringList pieces = text.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i + 1 < pieces.size(); ++i)
        out += pieces[i].first(1) + QStringLiteral("|%1\r\n").arg((i * 7919) % 100000);
    return out;
}

QString syntheticInventory(int rows)
{
    QString text;
    for (int i = 0; i < rows; ++i)
        text += QChar(0x4E00 + i) + QStringLiteral("|0\r\n");
    return text;
}

Bands load(const QString &text1, const QString &text2)
{
    return loadBands(text1.toStdU16String(), text2.toStdU16String());
}

// Describes the first row of `joined` that is not `character|count` followed by CR LF (or a
// missing final CR LF); empty when every row is well-formed.
std::u16string findRowFault(std::u16string_view joined)
{
    if (joined.size() < 2 || joined.substr(joined.size() - 2) != u"\r\n")
        return u"the inventory does not end with CR LF";
    const std::vector<std::u16string_view> pieces = vorlank::runtime::splitAtCrLf(joined);
    const auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
        const std::u16string_view row = pieces[i];
        const std::u16string_view count = row.size() >= 2 ? row.substr(2) : std::u16string_view();
        const bool surrogate = !row.empty() && row[0] >= 0xD800 && row[0] <= 0xDFFF;
        const bool wellFormed = row.size() >= 3 && !surrogate && row[0] != u'|' && row[1] == u'|'
            && std::all_of(count.begin(), count.end(), isDigit)
            && !(count.size() > 1 && count[0] == u'0');
        if (!wellFormed)
            return u"row " + vorlank::runtime::decimalText(static_cast<std::int32_t>(i))
                + u" is not character|count: \"" + std::u16string(row) + u"\"";
    }
    return {};
}

QString faultIn(const QString &text)
{
    return q(findRowFault(text.toStdU16String()));
}
} // namespace

class InventoryTest : public QObject
{
    Q_OBJECT
    struct {
        QString text1;
        QString text2;
    } texts { q(embeddedInventory().text1), q(embeddedInventory().text2) };
    QString joined = texts.text1 + texts.text2;
    QList<Row> rows = rowsOf(joined);

private slots:
    void committedBlocksHaveTheirDocumentedShape()
    {
        QCOMPARE(embeddedText1Gbk().size(), 21366U);
        QCOMPARE(embeddedText2Gbk().size(), 22188U);
        QCOMPARE(faultIn(texts.text1), QString());
        QCOMPARE(faultIn(texts.text2), QString());
        QCOMPARE(rowsOf(texts.text1).size(), 3561);
        QCOMPARE(rowsOf(texts.text2).size(), 3169);
        QCOMPARE(rows.size(), 6730);
    }

    void committedRowsHoldTheDocumentedFacts()
    {
        QSet<QChar> seen;
        const auto inGb2312 = [](QChar c) {
            QStringEncoder gb2312("GB2312", QStringConverter::Flag::Stateless);
            const QByteArray ignored = gb2312(QString(c));
            return !gb2312.hasError();
        };
        QString outsideGb2312;
        int zeros = 0;
        for (qsizetype rank = 0; rank < rows.size(); ++rank) {
            const Row &row = rows[rank];
            QVERIFY2(!seen.contains(row.character), qPrintable(QString(row.character)));
            seen.insert(row.character);
            if (rank > 0)
                QVERIFY(rows[rank - 1].count <= row.count);
            zeros += row.count == 0;
            if (!inGb2312(row.character)) {
                outsideGb2312 += row.character;
                QCOMPARE(row.count, 0);
            }
        }
        QCOMPARE(outsideGb2312, QStringLiteral("弢"));
        QCOMPARE(zeros, 1305);
        QCOMPARE(rows[3560].count, 5);
        QCOMPARE(rows[3561].count, 6);
        QCOMPARE(rows.last().count, 1440);

        const QList<std::tuple<int, QString, int>> telling = {
            { 0, "亻", 0 },
            { 1, "冂", 0 },
            { 2, "凵", 0 },
            { 3, "勹", 0 },
            { 4, "厶", 0 },
            { 3560, "镶", 5 },
            { 3561, "乃", 6 },
            { 6725, "一", 905 },
            { 6726, "大", 1086 },
            { 6727, "人", 1159 },
            { 6728, "子", 1401 },
            { 6729, "不", 1440 },
        };
        for (const auto &[rank, character, count] : telling) {
            QCOMPARE(QString(rows[rank].character), character);
            QCOMPARE(rows[rank].count, count);
        }
    }

    void bandsFollowTheBandTable()
    {
        const Bands bands = load(texts.text1, texts.text2);
        // band: first appended, last appended, count of the first and the last row
        const QList<std::tuple<QString, QString, int, int>> table = {
            { "不", "圈", 1440, 73 },
            { "索", "臭", 73, 40 },
            { "继", "仿", 40, 24 },
            { "份", "扁", 24, 14 },
            { "峡", "炕", 14, 9 },
            { "帛", "嗝", 9, 5 },
            { "颊", "甄", 5, 3 },
            { "瑜", "犄", 3, 2 },
            { "滁", "嘹", 2, 1 },
            { "龇", "栀", 1, 1 },
            { "柽", "锴", 1, 0 },
            { "銎", "轼", 0, 0 },
            { "軎", "亻", 0, 0 },
        };
        int total = 0;
        QString all;
        for (int b = 0; b < bandCount; ++b) {
            const auto &[first, last, firstCount, lastCount] = table[b];
            const FrequencyBand &band = bands[b];
            QCOMPARE(band.count(), b == 0 ? 730 : 500);
            QCOMPARE(q(band.item(0)), first);
            QCOMPARE(q(band.item(band.count() - 1)), last);
            const int high = b == 0 ? 6729 : 6499 - 500 * b;
            QCOMPARE(rows[high].count, firstCount);
            QCOMPARE(rows[high - band.count() + 1].count, lastCount);
            total += band.count();
            all += q(band.items());
        }
        QCOMPARE(total, 6730);
        // Every row lands exactly once, most frequent first: the reverse of the inventory.
        QString expected;
        for (qsizetype rank = rows.size() - 1; rank >= 0; --rank)
            expected += rows[rank].character;
        QCOMPARE(all, expected);
        QVERIFY_THROWS_EXCEPTION(vorlank::runtime::SubscriptError, bands[1].item(500));
    }

    void blockBoundaryRowsStaySeparateInBandFive() const
    {
        const Bands bands = load(texts.text1, texts.text2);
        const QString band5 = q(bands[5].items());
        const qsizetype nai = band5.indexOf(u'乃');
        QVERIFY(nai >= 0);
        QCOMPARE(band5[nai + 1], QChar(u'镶'));
        QVERIFY(!band5.contains(u'|') && !band5.contains(u'\r') && !band5.contains(u'\n'));
    }

    void countsHaveNoEffectOnTheBands() const
    {
        const Bands original = load(texts.text1, texts.text2);
        const Bands recounted = load(withOtherCounts(texts.text1), withOtherCounts(texts.text2));
        for (int b = 0; b < bandCount; ++b)
            QCOMPARE(q(recounted[b].items()), q(original[b].items()));
    }

    void tooShortAnInventoryIsRejected()
    {
        QVERIFY_THROWS_EXCEPTION(InventoryError, load(syntheticInventory(5999), QString()));
        QVERIFY_THROWS_EXCEPTION(InventoryError, load(QString(), QString()));
        const Bands bands = load(syntheticInventory(6000), QString());
        QCOMPARE(bands[0].count(), 0); // band 0 takes whatever lies above rank 5999
        QCOMPARE(bands[12].count(), 500);
    }

    void malformedRowsAreNamed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fault");
        QTest::newRow("no final CR LF") << "人|1\r\n大|2"
                                        << "does not end with CR LF";
        QTest::newRow("missing bar") << "人|1\r\n大2\r\n"
                                     << "row 1";
        QTest::newRow("two characters") << "人大|1\r\n"
                                        << "row 0";
        QTest::newRow("leading zero") << "人|01\r\n"
                                      << "row 0";
        QTest::newRow("sign") << "人|-1\r\n"
                              << "row 0";
        QTest::newRow("empty row") << "人|1\r\n\r\n"
                                   << "row 1";
        QTest::newRow("LF only") << "人|1\n大|2\r\n"
                                 << "row 0";
    }
    void malformedRowsAreNamed()
    {
        QFETCH(QString, text);
        QFETCH(QString, fault);
        QVERIFY2(faultIn(text).contains(fault), qPrintable(faultIn(text)));
    }
};

QTEST_APPLESS_MAIN(InventoryTest)
#include "tst_inventory.moc"
