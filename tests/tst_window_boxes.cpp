// The Qt window's boxes where only pixels and processes tell: an address the desktop did not
// open drawn whole, to copy; and the desktop's opener watched, not waited for. (What the boxes
// say, and that a held key does not close them, the journeys runner checks.)
#include "fakes.h"
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
};

QTEST_MAIN(WindowBoxesTest)
#include "tst_window_boxes.moc"
