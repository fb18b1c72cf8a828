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

    // The dictionary reads its query as GBK. The address carries the character's GBK bytes
    // percent-encoded, so it is plain ASCII: the same bytes on every ANSI code page and in every
    // browser, which would re-encode raw text as UTF-8.
    void lookUpHandsOverTheCharactersGbkBytesPercentEncoded()
    {
        RecordingShell shell;
        const HandOver done = lookupCharacter(shell, u"人");
        QCOMPARE(shell.calls.size(), 1);
        const ShellArguments &a = shell.calls[0];
        const QByteArray expected("https://dict.baidu.com/s?wd=%C8%CB&select=0&tn=qorvex_pg");
        QCOMPARE(q(a.target), expected);
        QCOMPARE(a, shellArguments(u"open", lookupAddress(u"人"), 0, 0, 1));
        QVERIFY(done.opened);
        QCOMPARE(q(done.target), expected);

        // A character GBK cannot carry is refused with the runtime's clear error, and nothing
        // is handed over.
        QVERIFY_THROWS_EXCEPTION(runtime::ConversionError, lookupCharacter(shell, u"\U0001F600"));
        QCOMPARE(shell.calls.size(), 1);
    }

    // 弢 is 8F 7C in GBK, and 7C is "|": a URL must carry both bytes escaped. So must every other
    // character of the inventory, whatever its trail byte looks like.
    void everyCharacterGivesAValidUrlThatDecodesBackToIt()
    {
        const QByteArray prefix(addresses::dictionaryPrefix);
        const QByteArray suffix(addresses::dictionarySuffix);
        QCOMPARE(q(runtime::encodeGbk(lookupAddress(u"弢"))), prefix + "%8F%7C" + suffix);
        const auto texts = inventory::embeddedInventory();
        int checked = 0;
        for (const std::u16string &block : { texts.text1, texts.text2 }) {
            for (const std::u16string_view row : runtime::splitAtCrLf(block)) {
                if (row.empty())
                    continue;
                const std::u16string character(row.substr(0, 1));
                const QByteArray encoded = q(runtime::encodeGbk(lookupAddress(character)));
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
