// The users' journeys of tests/journeys.txt on the Qt window, beside a twin of its state that the
// same journey is taken through: after every click and key the window must show what the twin's
// view says (the title, the prompt, the character, the chosen answer, the focus and the box),
// hand over its address, and tell screen readers its announcement and its new title, once each.
#include "fakes.h"
#include "journey.h"
#include "qt_window.h"
#include "ui/qt/appearance.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_text.h"

#include <QFile>
#include <QRadioButton>
#include <QTest>

using namespace vorlank;
using ui::qt::toQString;

namespace
{
const QHash<QString, Qt::Key> keys = { { QStringLiteral("space"), Qt::Key_Space },
    { QStringLiteral("Tab"), Qt::Key_Tab }, { QStringLiteral("Return"), Qt::Key_Return },
    { QStringLiteral("Escape"), Qt::Key_Escape }, { QStringLiteral("Left"), Qt::Key_Left },
    { QStringLiteral("Right"), Qt::Key_Right }, { QStringLiteral("Up"), Qt::Key_Up },
    { QStringLiteral("Down"), Qt::Key_Down } };
} // namespace

class WindowJourneysTest : public QObject
{
    Q_OBJECT
    std::vector<float> draws { 0.1f, 0.4f, 0.7f, 0.9f };

    // The first way the window differs from what the twin's walk says; empty when it does not.
    static QString difference(const QWidget &form, const journeys::Walk &twin, const Heard &heard,
        std::size_t heardBefore, const RecordingShell &shell)
    {
        const ui::View &v = twin.last();
        const auto differs = [](const char *what, const QString &got, const QString &want) {
            return got == want ? QString()
                               : QStringLiteral("%1: '%2', expected '%3'").arg(what, got, want);
        };
        QString found = differs("title", form.windowTitle(), toQString(v.title));
        for (const QString &shown : { toQString(v.prompt), toQString(v.character) })
            if (found.isEmpty() && !control<QLabel>(&form, shown))
                found = QStringLiteral("no text a screen reader reads as '%1'").arg(shown);
        for (const ui::Element &e : ui::elements()) {
            const auto *option = control<QRadioButton>(&form, toQString(ui::accessibleName(e)));
            if (found.isEmpty() && option && option->isChecked() != (&e == v.checked))
                found
                    = QStringLiteral("%1 checked: %2").arg(option->text()).arg(option->isChecked());
        }
        const ShownBox box = shownBox();
        if (found.isEmpty() && twin.box())
            found = differs("box", box.title + box.texts.join(u'|') + box.buttons.join(u'|'),
                toQString(twin.box()->title + twin.box()->message + twin.box()->button));
        else if (found.isEmpty())
            found = differs("box", box.title, {});
        if (found.isEmpty() && !twin.box() && twin.focus())
            found = differs("focus",
                QApplication::focusWidget() ? QApplication::focusWidget()->accessibleName()
                                            : QString(),
                toQString(journeys::nameOf(*twin.focus(), v)));
        const std::vector<QString> told(
            heard.notifications.begin() + static_cast<long>(heardBefore),
            heard.notifications.end());
        const std::vector<QString> announced = v.announcement.empty()
            ? std::vector<QString> {}
            : std::vector<QString> { toQString(v.announcement) };
        if (found.isEmpty() && told != announced)
            found = differs("notifications", QStringList(told.begin(), told.end()).join(u'|'),
                toQString(v.announcement));
        if (found.isEmpty() && !v.address.empty())
            found = differs("address handed over",
                shell.opened.empty() ? QString() : QString::fromStdString(shell.opened.back()),
                QString::fromStdString(v.address));
        return found;
    }

private slots:
    void initTestCase()
    {
        ui::qt::applyChineseConventions();
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
    }

    void journeys_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("expected");
        QFile table(QStringLiteral(VORLANK_TESTS_DIR "/journeys.txt"));
        QVERIFY(table.open(QIODevice::ReadOnly));
        for (const journeys::Row &row : journeys::parse(table.readAll().toStdString())) {
            if (std::find(row.keyboards.begin(), row.keyboards.end(), ui::Keyboard::Window)
                == row.keyboards.end())
                continue;
            QStringList actions;
            for (const std::string &a : row.actions)
                actions.push_back(QString::fromStdString(a));
            QTest::newRow(qPrintable(actions.join(u' ')))
                << actions << QString::fromStdString(row.expected);
        }
    }

    void journeys()
    {
        QFETCH(QStringList, actions);
        QFETCH(QString, expected);
        RecordingShell shell;
        ScriptedRandom random(draws);
        ScriptedRandom twinRandom(draws);
        Heard heard;
        ui::qt::MainWindow form(shell, random);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        ui::WindowState twinState(ui::Opener::Desktop, twinRandom);
        journeys::Walk twin(twinState, ui::Keyboard::Window);
        QString lastTitle = form.windowTitle();
        std::size_t titles = heard.windowNames.size();
        for (const QString &action : actions) {
            const QStringList repeat = action.split(QChar(u'×'));
            for (int i = 0; i < repeat.value(1, QStringLiteral("1")).toInt(); ++i) {
                const std::size_t heardBefore = heard.notifications.size();
                QWidget *modal = QApplication::activeModalWidget();
                QWidget *focus = modal ? modal->focusWidget() : QApplication::focusWidget();
                if (action.front().unicode() >= 0x80) {
                    QWidget *target = control(&form, repeat[0]);
                    QVERIFY2(target, qPrintable(repeat[0]));
                    QTest::mouseClick(target, Qt::LeftButton);
                } else {
                    QString key = action;
                    const bool shift = key.startsWith(QStringLiteral("shift+"));
                    key.remove(QStringLiteral("shift+"));
                    QVERIFY2(keys.contains(key), qPrintable(key));
                    QTest::keyClick(
                        focus, keys.value(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
                }
                twin.take(repeat[0].toStdString());
                // A box comes up, or goes and the window has the keyboard again, in a moment. (No
                // window manager is here to give it back: do as one would.)
                (void)QTest::qWaitFor([&] {
                    QWidget *box = QApplication::activeModalWidget();
                    if (!box && !QApplication::activeWindow())
                        form.activateWindow();
                    return QApplication::activeWindow() == (twin.box() ? box : &form);
                });
                const QString fault = difference(form, twin, heard, heardBefore, shell);
                QVERIFY2(
                    fault.isEmpty(), qPrintable(QStringLiteral("after %1: %2").arg(action, fault)));
                // A new title is told to screen readers once, as the window's new name.
                titles += form.windowTitle() != std::exchange(lastTitle, form.windowTitle());
                QCOMPARE(heard.windowNames.size(), titles);
            }
        }
        const ShownBox box = shownBox();
        const QString ended = !box.title.isEmpty() ? QStringLiteral("box ") + box.texts.value(0)
            : expected.startsWith(QStringLiteral("focus"))
            ? QStringLiteral("focus ") + QApplication::focusWidget()->accessibleName()
            : QStringLiteral("title ") + form.windowTitle();
        QCOMPARE(ended, expected);
        if (QWidget *open = QApplication::activeModalWidget())
            open->close();
    }
};

QTEST_MAIN(WindowJourneysTest)
#include "tst_window_journeys.moc"
