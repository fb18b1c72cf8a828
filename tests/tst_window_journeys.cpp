// The users' journeys of tests/journeys.txt on the Qt window, beside a twin of its state that the
// same journey is taken through: after every click and key the window must show what the twin's
// view says (the title, the prompt, the character, the chosen answer, the box and the focus),
// tell screen readers its announcement and its new title, once each, and hand over its address.
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

// What one step should leave, line by line, as the twin says: the title, the prompt and the
// character (each a text a screen reader reads), the answer checked, the box, the focus, what a
// screen reader is told (the announcement and a new title) and the address handed over.
QString wanted(const journeys::Walk &twin, const QString &titleBefore)
{
    const ui::View &v = twin.last();
    const QString title = toQString(v.title);
    return QStringList { title, toQString(v.prompt), toQString(v.character),
        v.checked ? toQString(v.checked->caption) : QString(),
        twin.box() ? toQString(twin.box()->title + twin.box()->message + twin.box()->button)
                   : QString(),
        twin.box() ? QString() : toQString(ui::shownText(v, *twin.focus())),
        toQString(v.announcement), title == titleBefore ? QString() : title,
        QString::fromStdString(v.address) }
        .join(u'\n');
}

// The same, as the window shows it and what screen readers and the desktop received in the step.
QString seen(const QWidget &form, const journeys::Walk &twin, const Heard &heard,
    std::pair<std::size_t, std::size_t> heardBefore, const RecordingShell &shell,
    std::size_t opened)
{
    const auto read = [&](const std::u16string &text) {
        return control<QLabel>(&form, toQString(text)) ? toQString(text) : QStringLiteral("-");
    };
    QStringList checked;
    for (const QRadioButton *option : form.findChildren<QRadioButton *>())
        if (option->isChecked())
            checked << option->text();
    const ShownBox box = shownBox();
    const auto since = [](const std::vector<QString> &all, std::size_t from) {
        return QStringList(all.begin() + static_cast<long>(from), all.end()).join(u'|');
    };
    return QStringList { form.windowTitle(), read(twin.last().prompt), read(twin.last().character),
        checked.join(u','), box.title + box.texts.join(QString()) + box.buttons.join(QString()),
        box.title.isEmpty() ? QApplication::focusWidget()->accessibleName() : QString(),
        since(heard.notifications, heardBefore.first), since(heard.windowNames, heardBefore.second),
        shell.opened.size() > opened ? QString::fromStdString(shell.opened.back()) : QString() }
        .join(u'\n');
}
} // namespace

class WindowJourneysTest : public QObject
{
    Q_OBJECT

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
            QStringList actions;
            for (const std::string &a : row.actions)
                actions << QString::fromStdString(a);
            if (std::count(row.keyboards.begin(), row.keyboards.end(), ui::Keyboard::Window))
                QTest::newRow(qPrintable(actions.join(u' ')))
                    << actions << QString::fromStdString(row.expected);
        }
    }

    void journeys()
    {
        QFETCH(QStringList, actions);
        QFETCH(QString, expected);
        RecordingShell shell;
        const std::vector<float> draws { 0.1f, 0.4f, 0.7f, 0.9f };
        ScriptedRandom random(draws);
        ScriptedRandom twinRandom(draws);
        Heard heard;
        ui::qt::MainWindow form(shell, random);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        ui::WindowState twinState(ui::Opener::Desktop, twinRandom);
        journeys::Walk twin(twinState, ui::Keyboard::Window);
        for (const QString &action : actions) {
            const QStringList repeat = action.split(QChar(u'×'));
            for (int i = 0; i < repeat.value(1, QStringLiteral("1")).toInt(); ++i) {
                const std::pair before(heard.notifications.size(), heard.windowNames.size());
                const std::size_t opened = shell.opened.size();
                const QString title = form.windowTitle();
                QWidget *modal = QApplication::activeModalWidget();
                QString key = action;
                const bool shift = key.remove(QStringLiteral("shift+")) != action;
                if (action.front().unicode() >= 0x80)
                    QTest::mouseClick(control(&form, repeat[0]), Qt::LeftButton);
                else
                    QTest::keyClick(modal ? modal->focusWidget() : QApplication::focusWidget(),
                        keys.value(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
                twin.take(repeat[0].toStdString());
                // A box comes up, or goes and the window has the keyboard again, in a moment. (No
                // window manager is here to give it back: do as one would.)
                (void)QTest::qWaitFor([&] {
                    QWidget *box = QApplication::activeModalWidget();
                    if (!box && !QApplication::activeWindow())
                        form.activateWindow();
                    return QApplication::activeWindow() == (twin.box() ? box : &form);
                });
                QCOMPARE(seen(form, twin, heard, before, shell, opened), wanted(twin, title));
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
