#include "fakes.h"
#include "launch/addresses.h"
#include "launch/launch.h"

#include <QTest>

using namespace vorlank::launch;

class LaunchTest : public QObject
{
    Q_OBJECT
private slots:
    void windowsArgumentsComeFromTheArgumentBuilding()
    {
        const ShellArguments a
            = shellArguments(QStringLiteral("open"), QStringLiteral("人"), 0, 0, 1);
        QCOMPARE(a.operation, QByteArray("open"));
        QCOMPARE(a.target, QByteArray("\xC8\xCB"));
        QCOMPARE(a.parameters, QByteArray("0")); // a number arrives as its decimal text
        QCOMPARE(a.directory, QByteArray("0"));
        QCOMPARE(a.showMode, 1);
        QCOMPARE(shellArguments(QStringLiteral("open"), -12, QStringLiteral("x"), 7, 1).target,
            QByteArray("-12"));
    }

    void lookUpHandsOverTheCharacterAsRawGbk()
    {
        RecordingShell shell;
        lookupCharacter(shell, QStringLiteral("人"));
        QCOMPARE(shell.calls.size(), 1);
        const ShellArguments &a = shell.calls[0];
        const QByteArray expected
            = QByteArray(addresses::dictionaryPrefix) + "\xC8\xCB" + "&select=0&tn=qorvex_pg";
        QCOMPARE(a.target, expected);
        QVERIFY(!a.target.contains("\xE4\xBA\xBA")); // not UTF-8
        QVERIFY(!a.target.contains("%")); // not escaped
        QVERIFY(a.target.startsWith("https://") && a.target.contains("/s?wd="));
        QCOMPARE(a,
            shellArguments(QStringLiteral("open"), lookupAddress(QStringLiteral("人")), 0, 0, 1));
    }

    void theUrlFormEscapesOnlyTheGbkBytes()
    {
        RecordingShell shell;
        lookupCharacter(shell, QStringLiteral("人"));
        const QUrl url = urlFromAnsi(shell.calls[0].target);
        QVERIFY(url.isValid());
        QCOMPARE(url.toEncoded(),
            QByteArray(addresses::dictionaryPrefix) + "%C8%CB&select=0&tn=qorvex_pg");
        QCOMPARE(url.query(QUrl::FullyEncoded), QStringLiteral("wd=%C8%CB&select=0&tn=qorvex_pg"));
    }

    void anEmptyCaptionLooksUpNothing()
    {
        RecordingShell shell;
        lookupCharacter(shell, QString());
        QCOMPARE(shell.calls[0].target,
            QByteArray(addresses::dictionaryPrefix) + "&select=0&tn=qorvex_pg");
    }

    void productPagesAreDistinctSecureShopPages()
    {
        RecordingShell shell;
        openProductPage(shell, Product::First);
        openProductPage(shell, Product::Second);
        QCOMPARE(shell.calls.size(), 2);
        for (const ShellArguments &a : shell.calls) {
            const QUrl url = urlFromAnsi(a.target);
            QCOMPARE(url.scheme(), QStringLiteral("https"));
            QVERIFY(url.host().endsWith(QStringLiteral("example.com")));
            QCOMPARE(url.path(), QStringLiteral("/item.htm"));
            QVERIFY(url.query().startsWith(QStringLiteral("id=")));
            QCOMPARE(a.operation, QByteArray("open"));
            QCOMPARE(a.showMode, 1);
        }
        QVERIFY(shell.calls[0].target != shell.calls[1].target);
    }
};

QTEST_APPLESS_MAIN(LaunchTest)
#include "tst_launch.moc"
