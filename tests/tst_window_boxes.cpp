// The Qt window's boxes as their users meet them: an address the desktop did not open, selected
// to copy and drawn whole; the desktop's opener watched, not waited for; a failing click
// reported; the end message in Chinese whatever the locale; and a held key that does not close a
// box before it can be read.
#include "fakes.h"
#include "journey.h"
#include "qt_window.h"
#include "ui/qt/appearance.h"
#include "ui/qt/desktop_shell.h"
#include "ui/qt/main_window.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vorlank;

namespace
{
const QString lookupOfRen
    = QStringLiteral("https://dict.baidu.com/s?wd=%C8%CB&select=0&tn=qorvex_pg");

// A generator that fails as the checked arithmetic does, to reach the handlers' error path.
class FailingRandom final : public runtime::RandomSource
{
public:
    void reseed() override { }
    float next() override { throw runtime::OverflowError("overflow in 32-bit multiplication"); }
};

// The number of rows of `image` with ink in them.
int inkRows(const QImage &image)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = qGray(image.pixel(x, y)) < 128;
        rows += ink;
    }
    return rows;
}

QWidget *openBox()
{
    QWidget *box = nullptr;
    const bool shown = QTest::qWaitFor(
        [&] { return (box = QApplication::activeModalWidget()) && box->isVisible(); });
    return shown ? box : nullptr;
}
} // namespace

class WindowBoxesTest : public QObject
{
    Q_OBJECT
    RecordingShell shell;
    ScriptedRandom random { { 0.1f, 0.4f } };

private slots:
    void initTestCase() { ui::qt::applyChineseConventions(); }
    void cleanup()
    {
        while (QWidget *box = QApplication::activeModalWidget())
            box->close();
        shell.opens = true;
    }

    // The desktop cannot open the address: the user gets it in a field, selected to copy, in the
    // window face, every character drawn whole (the underscore, which the window face puts below
    // its descent, and the Chinese line above it).
    void anAddressTheDesktopCannotOpenIsShownToCopy()
    {
        ui::qt::MainWindow form(shell, random);
        form.show();
        shell.opens = false;
        control<QPushButton>(&form, QStringLiteral("查询此字"))->click();
        QWidget *box = openBox();
        QVERIFY(box);
        QVERIFY(QTest::qWaitForWindowExposed(box));
        auto *field = box->findChild<QLineEdit *>();
        auto *message = control<QLabel>(box, QStringLiteral("无法打开网页浏览器。"));
        QVERIFY(field && message);
        QCOMPARE(shownBox().title, QStringLiteral("Vorlank"));
        QCOMPARE(shownBox().buttons, QStringList(QStringLiteral("确定")));
        QCOMPARE(field->accessibleName(), message->text());
        QCOMPARE(box->focusWidget(), field);
        QCOMPARE(field->selectedText(), lookupOfRen);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), lookupOfRen);
        const QImage drawn = field->grab().toImage();
        field->setText(field->text().replace(QLatin1Char('_'), QLatin1Char(' ')));
        field->selectAll();
        QVERIFY(field->grab().toImage() != drawn);
        // The message is drawn whole: as many rows of ink as with room to spare.
        const QImage shown = message->grab().toImage();
        QImage free(shown.width(), shown.height() * 3, QImage::Format_RGB32);
        free.fill(Qt::white);
        QPainter painter(&free);
        painter.setFont(message->font());
        painter.drawText(QRect(0, shown.height(), shown.width(), shown.height() * 2),
            Qt::AlignLeft | Qt::AlignTop, message->text());
        painter.end();
        QCOMPARE(inkRows(shown), inkRows(free));
    }

    // An opener that ends with an error (xdg-open exits 3 when it finds no browser) gets the user
    // the address to copy; one that succeeds shows nothing; while a slow one runs, the window
    // answers.
    void theDesktopsOpenerIsWatchedNotWaitedFor_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("box");
        QTest::newRow("exits 3") << 0 << 3 << true;
        QTest::newRow("exits 0") << 0 << 0 << false;
        QTest::newRow("sleeps") << 1 << 0 << false;
    }
    void theDesktopsOpenerIsWatchedNotWaitedFor()
    {
        QFETCH(int, seconds);
        QFETCH(int, status);
        QFETCH(bool, box);
        QTemporaryDir dir;
        QFile opener(dir.filePath(QStringLiteral("xdg-open")));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write(
            QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/opened\"\n"
                           "sleep %1\ntouch \"$(dirname \"$0\")/ended\"\nexit %2\n")
                .arg(seconds)
                .arg(status)
                .toUtf8());
        opener.close();
        opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()) + ':' + path);

        ui::qt::DesktopShell desktop;
        ui::qt::MainWindow form(desktop, random);
        form.show();
        QElapsedTimer clock;
        clock.start();
        control<QPushButton>(&form, QStringLiteral("查询此字"))->click();
        control<QPushButton>(&form, QStringLiteral("开始测试"))->click();
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(control(&form, QStringLiteral("人")), nullptr); // a test is drawn
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath(QStringLiteral("ended"))), 10000);
        QFile opened(dir.filePath(QStringLiteral("opened")));
        QVERIFY(opened.open(QIODevice::ReadOnly));
        QCOMPARE(opened.readAll(), lookupOfRen.toLatin1() + '\n');
        if (box)
            QTRY_COMPARE(shownBox().texts.value(0),
                QStringLiteral("无法打开网页浏览器。请把下面的网址复制到浏览器中打开："));
        QTest::qWait(box ? 0 : 300); // the opener's end reaches the window
        QCOMPARE(!shownBox().title.isEmpty(), box);
        qputenv("PATH", path);
    }

    // A failure inside a click is shown in the window's box, and the window carries on.
    void aFailingClickIsReportedAndTheWindowCarriesOn()
    {
        FailingRandom failing;
        ui::qt::MainWindow form(shell, failing);
        form.show();
        control<QPushButton>(&form, QStringLiteral("开始测试"))->click();
        QVERIFY(openBox());
        QCOMPARE(shownBox().texts.value(0), QStringLiteral("操作未能完成："));
        QVERIFY(QApplication::activeModalWidget()->findChild<QLineEdit *>()->text().contains(
            QStringLiteral("overflow")));
        QApplication::activeModalWidget()->close();
        control<QPushButton>(&form, QStringLiteral("查询此字"))->click();
        QCOMPARE(shell.opened.back(), lookupOfRen.toStdString());
        QCOMPARE(form.windowTitle(), QStringLiteral("Vorlank1.0版"));
    }

    // The end message, reached by the table's journey to it (CTest runs this under C.UTF-8):
    // Chinese, in a Simplified Chinese face. Enter held down on 提交 answers at the key's rate,
    // but its repeats do not close the box; a fresh press does.
    void theEndMessageStaysForAHeldKeyWhateverTheLocale()
    {
        QCOMPARE(QLocale::system().language(), QLocale::C);
        ui::qt::MainWindow form(shell, random);
        form.show();
        QFile table(QStringLiteral(VORLANK_TESTS_DIR "/journeys.txt"));
        QVERIFY(table.open(QIODevice::ReadOnly));
        for (const journeys::Row &row : journeys::parse(table.readAll().toStdString())) {
            if (!row.expected.starts_with("box "))
                continue;
            for (const std::string &action : row.actions) {
                const QStringList repeat = QString::fromStdString(action).split(QChar(u'×'));
                for (int i = 0; i < repeat.value(1, QStringLiteral("1")).toInt(); ++i)
                    QTest::mouseClick(control(&form, repeat[0]), Qt::LeftButton);
            }
            break;
        }
        QWidget *box = openBox();
        QVERIFY(box);
        const auto *message = control<QLabel>(box, QStringLiteral("测试完毕！你认识"));
        QVERIFY(message);
        const QString family = QFontInfo(message->font()).family();
        QVERIFY2(family == QStringLiteral("SimSun") || family == QStringLiteral("AR PL UMing CN"),
            qPrintable(family));
        auto *button = control<QPushButton>(box, QStringLiteral("确定"));
        QVERIFY(button);
        for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape }) {
            QKeyEvent held(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(button, &held);
            QKeyEvent let(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(button, &let);
            QVERIFY(box->isVisible());
        }
        QTest::keyClick(button, Qt::Key_Return);
        QTRY_COMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(WindowBoxesTest)
#include "tst_window_boxes.moc"
