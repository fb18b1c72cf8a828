#include "fakes.h"
#include "inventory/inventory.h"
#include "launch/addresses.h"
#include "launch/launch.h"
#include "runtime/runtime.h"

#include <QTest>
#include <QUrl>

using namespace vorlank;
using namespace vorlank::launch;

class LaunchTest : public QObject
{
    Q_OBJECT
private slots:
    void windowsArgumentsComeFromTheArgumentBuilding()
    {
        const ShellArguments a = shellArguments(u"open", u"人", 0, 0, 1);
        QCOMPARE(q(a.operation), QByteArray("open"));
        QCOMPARE(q(a.target), QByteArray("\xC8\xCB"));
        QCOMPARE(q(a.parameters), QByteArray("0")); // a number arrives as its decimal text
        QCOMPARE(q(a.directory), QByteArray("0"));
        QCOMPARE(a.showMode, 1);
        QCOMPARE(q(shellArguments(u"open", -12, u"x", 7, 1).target), QByteArray("-12"));
    }

    void lookUpHandsOverTheCharacterAsRawGbk()
    {
        RecordingShell shell;
        const HandOver done = lookupCharacter(shell, u"人");
        QCOMPARE(shell.calls.size(), 1);
        const ShellArguments &a = shell.calls[0];
        const QByteArray expected
            = QByteArray(addresses::dictionaryPrefix) + "\xC8\xCB" + "&select=0&tn=qorvex_pg";
        QCOMPARE(q(a.target), expected);
        QVERIFY(!q(a.target).contains("\xE4\xBA\xBA")); // not UTF-8
        QVERIFY(!q(a.target).contains("%")); // not escaped
        QVERIFY(q(a.target).startsWith("https://") && q(a.target).contains("/s?wd="));
        QCOMPARE(a, shellArguments(u"open", lookupAddress(u"人"), 0, 0, 1));
        QVERIFY(done.opened);
        QCOMPARE(q(done.target), expected);
    }

    // 弢 is 8F 7C in GBK, and 7C is "|": a URL must carry both bytes escaped. So must every other
    // character of the inventory, whatever its trail byte looks like.
    void everyCharacterGivesAValidUrlThatDecodesBackToIt()
    {
        const QByteArray prefix(addresses::dictionaryPrefix);
        const QByteArray suffix(addresses::dictionarySuffix);
        QCOMPARE(q(percentEncodeAnsi(runtime::encodeGbk(lookupAddress(u"弢")))),
            prefix + "%8F%7C" + suffix);
        const auto texts = inventory::embeddedInventory();
        int checked = 0;
        for (const std::u16string &block : { texts.text1, texts.text2 }) {
            for (const std::u16string_view row : runtime::splitAtCrLf(block)) {
                if (row.empty())
                    continue;
                const std::u16string character(row.substr(0, 1));
                const std::string ansi = runtime::encodeGbk(lookupAddress(character));
                const QByteArray encoded = q(percentEncodeAnsi(ansi));
                const QUrl url = QUrl::fromEncoded(encoded, QUrl::StrictMode);
                QVERIFY2(url.isValid(), encoded.constData());
                QVERIFY(encoded.startsWith(prefix) && encoded.endsWith(suffix));
                const QByteArray wd
                    = encoded.mid(prefix.size(), encoded.size() - prefix.size() - suffix.size());
                QCOMPARE(q(runtime::decodeGbk(QByteArray::fromPercentEncoding(wd).toStdString())),
                    q(character));
                ++checked;
            }
        }
        QCOMPARE(checked, 6730);
    }

    void anEmptyCaptionLooksUpNothing()
    {
        RecordingShell shell;
        lookupCharacter(shell, u"");
        QCOMPARE(q(shell.calls[0].target),
            QByteArray(addresses::dictionaryPrefix) + "&select=0&tn=qorvex_pg");
    }

    void productPagesAreDistinctSecureShopPages()
    {
        RecordingShell shell;
        shell.opens = false;
        QVERIFY(!openProductPage(shell, Product::First).opened);
        openProductPage(shell, Product::Second);
        QCOMPARE(shell.calls.size(), 2);
        for (const ShellArguments &a : shell.calls) {
            const QUrl url = QUrl::fromEncoded(q(a.target), QUrl::StrictMode);
            QCOMPARE(url.scheme(), QStringLiteral("https"));
            QVERIFY(url.host().endsWith(QStringLiteral("example.com")));
            QCOMPARE(url.path(), QStringLiteral("/item.htm"));
            QVERIFY(url.query().startsWith(QStringLiteral("id=")));
            QCOMPARE(q(a.operation), QByteArray("open"));
            QCOMPARE(a.showMode, 1);
        }
        QVERIFY(shell.calls[0].target != shell.calls[1].target);
    }
};

QTEST_APPLESS_MAIN(LaunchTest)
#include "tst_launch.moc"
