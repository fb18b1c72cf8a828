#include "fakes.h"
#include "ui/qt/appearance.h"
#include "ui/qt/desktop_shell.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_text.h"
#include "ui/window_state.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <stdexcept>

using namespace vorlank;
using ui::qt::toQString;

namespace
{
// A generator that fails as the checked arithmetic does, to reach the handlers' error path.
class FailingRandom final : public runtime::RandomSource
{
public:
    void reseed() override { }
    float next() override { throw runtime::OverflowError("overflow in 32-bit multiplication"); }
};

// The faces whose forms are the mainland's for every character the window shows.
bool isSimplifiedChineseFace(const QString &family)
{
    return family == QStringLiteral("SimSun") || family == QStringLiteral("AR PL UMing CN")
        || family.endsWith(QStringLiteral(" SC"));
}

struct BoxSeen {
    QString title;
    QString text;
    QString button;
    QString family;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool problem = false; // the problem box, not a message box
    bool selected = false; // its detail is selected, with the keyboard focus
    QString copied; // what Ctrl+C puts on the clipboard as the box opens
    bool messageFits = false; // its message's every glyph lies within its lines
    QImage field; // the detail as first drawn, selected
    QImage fieldWithoutUnderscores; // the same, selected, with each "_" replaced by a space
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
} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
    RecordingShell shell;
    std::vector<float> draws { 0.1f, 0.4f, 0.7f, 0.9f };
    ScriptedRandom random { draws };
    std::unique_ptr<ui::qt::MainWindow> form;

    // The control a screen reader reads by `name`, or whose name starts with it (a paragraph's).
    template <typename W = QWidget> W *control(const QString &name, QWidget *in = nullptr) const
    {
        QWidget *found = nullptr;
        for (QWidget *w : (in ? in : form.get())->findChildren<QWidget *>()) {
            if (!w->accessibleName().startsWith(name))
                continue;
            if (found)
                qFatal("two controls named %s", qPrintable(name));
            found = w;
        }
        if (!qobject_cast<W *>(found))
            qFatal("no control named %s", qPrintable(name));
        return qobject_cast<W *>(found);
    }
    // The labels whose text the test run changes: the prompt and the character on show.
    QLabel *prompt() const { return labels().first; }
    QLabel *character() const { return labels().second; }
    std::pair<QLabel *, QLabel *> labels() const
    {
        QLabel *big = nullptr;
        QLabel *beside = nullptr;
        for (QLabel *l : form->findChildren<QLabel *>()) {
            if (l->font().pointSize() == 72)
                big = l;
            else if (l->text().startsWith(QStringLiteral("第")))
                beside = l;
        }
        if (!big || !beside)
            qFatal("no prompt or character on show");
        return { beside, big };
    }

    // Dismisses the end message once it is up, remembering its title and text.
    void dismissEndMessageWhenShown(QString *title, QString *text)
    {
        QTimer::singleShot(0, this, [=] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            *title = box->windowTitle();
            *text = box->text();
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->buttons().size(), 1);
            box->button(QMessageBox::Ok)->click();
        });
    }

    // Dismisses the next message box once it is up, remembering what it showed.
    void dismissBoxWhenShown(BoxSeen *seen)
    {
        QTimer::singleShot(0, this, [this, seen] { dismissBox(seen); });
    }

    // Watches for message boxes for as long as the timer lives, dismissing each.
    std::unique_ptr<QTimer> watchForBoxes(BoxSeen *seen)
    {
        auto timer = std::make_unique<QTimer>();
        connect(timer.get(), &QTimer::timeout, this, [this, seen] {
            if (QApplication::activeModalWidget())
                dismissBox(seen);
        });
        timer->start(20);
        return timer;
    }

    void dismissBox(BoxSeen *seen)
    {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        seen->title = modal->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            seen->text = box->text();
            seen->icon = box->icon();
            seen->buttons = static_cast<int>(box->buttons().size());
            seen->button = box->buttons().value(0)->text();
            seen->family
                = QFontInfo(box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->font())
                      .family();
            box->buttons().value(0)->click();
            return;
        }
        // The problem box, once it is up and has taken what was sent it: its message, and the
        // detail in a field, selected to copy.
        QVERIFY(QTest::qWaitForWindowExposed(modal));
        QTest::qWait(20);
        auto *message = modal->findChild<QLabel *>(QStringLiteral("message"));
        auto *field = modal->findChild<QLineEdit *>(QStringLiteral("detail"));
        QVERIFY(message && field);
        seen->text = message->text() + QLatin1Char('\n') + field->text();
        seen->problem = true;
        seen->selected = modal->focusWidget() == field && field->selectedText() == field->text();
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(modal->focusWidget(), Qt::Key_C, Qt::ControlModifier);
        seen->copied = QGuiApplication::clipboard()->text();
        seen->family = QFontInfo(message->font()).family();
        seen->field = field->grab().toImage();
        field->setText(field->text().replace(QLatin1Char('_'), QLatin1Char(' ')));
        field->selectAll(); // as the user first sees it
        seen->fieldWithoutUnderscores = field->grab().toImage();
        const QList<QAbstractButton *> buttons = modal->findChild<QDialogButtonBox *>()->buttons();
        seen->buttons = static_cast<int>(buttons.size());
        seen->button = buttons.value(0)->text();
        // Whether the message is drawn whole: as many rows of ink as the same text has when drawn
        // with room to spare.
        const QImage drawn = message->grab().toImage();
        QImage free(drawn.width(), drawn.height() * 3, QImage::Format_RGB32);
        free.fill(Qt::white);
        QPainter painter(&free);
        painter.setFont(message->font());
        painter.drawText(QRect(0, drawn.height(), drawn.width(), drawn.height() * 2),
            Qt::AlignLeft | Qt::AlignTop, message->text());
        painter.end();
        seen->messageFits = inkRows(drawn) == inkRows(free);
        buttons.value(0)->click();
    }

private slots:
    void initTestCase() { ui::qt::applyChineseConventions(); }

    void init()
    {
        shell.opened.clear();
        random = ScriptedRandom(draws);
        form = std::make_unique<ui::qt::MainWindow>(shell, random);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
    }
    void cleanup() { form.reset(); }

    void startsWithTitleCharacterPromptAndNothingSelected()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Vorlank1.0版"));
        QCOMPARE(character()->text(), QStringLiteral("人"));
        QCOMPARE(prompt()->text(), QStringLiteral("第1个字："));
        QVERIFY(!control<QRadioButton>(QStringLiteral("认识"))->isChecked());
        QVERIFY(!control<QRadioButton>(QStringLiteral("不认识"))->isChecked());
        QCOMPARE(QApplication::focusWidget(), control(QStringLiteral("开始测试")));
        QCOMPARE(form->size(), QSize(621, 403));
        QCOMPARE(form->minimumSize(), form->maximumSize()); // fixed size
        QCOMPARE(character()->accessibleName(), QStringLiteral("人"));
        QCOMPARE(control(QStringLiteral("开始测试"))->nextInFocusChain(),
            control(QStringLiteral("提交")));
        QCOMPARE(control(QStringLiteral("提交"))->nextInFocusChain(),
            control(QStringLiteral("查询此字")));
    }

    void everyElementSitsAtItsTwipRectangle_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        const QList<std::pair<const char16_t *, QRect>> table = {
            { u"是否认识", { 240, 3360, 2775, 855 } },
            { u"不认识", { 1320, 360, 1215, 375 } },
            { u"认识", { 240, 360, 1215, 375 } },
            { u"查询此字", { 3120, 2280, 1335, 855 } },
            { u"说明", { 240, 4440, 4215, 1455 } },
            { u"如果你不确定是否认识，", { 120, 360, 3855, 855 } },
            { u"提交", { 3120, 3480, 1335, 735 } },
            { u"开始测试", { 3120, 1560, 1335, 615 } },
            { u"我的其他软件：", { 4560, 120, 4575, 5775 } },
            { u"《拼音小达人》", { 2400, 240, 1935, 2295 } },
            { u"《笔顺练字帖》", { 960, 2640, 3375, 3015 } },
            { u"拼音小达人", { 120, 240, 2160, 2160 } },
            { u"笔顺练字帖", { 120, 2640, 750, 750 } },
            { u"本软件虽然小，", { 120, 120, 4335, 1095 } },
            { u"人", { 1200, 1560, 1815, 1575 } },
            { u"第1个字：", { 120, 1560, 855, 255 } },
        };
        for (const auto &[name, twips] : table)
            QTest::newRow(qPrintable(QString::fromUtf16(name)))
                << QString::fromUtf16(name) << twips;
    }
    void everyElementSitsAtItsTwipRectangle()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        const QWidget *w = control(name);
        QCOMPARE(w->geometry(),
            QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
        QVERIFY(w->isVisible());
        QVERIFY(form->rect().contains(w->mapTo(form.get(), w->rect().bottomRight())));
    }

    // Where two clickable elements' rectangles overlap (the answer options do), every pixel of
    // each one's indicator takes that element's click, and so does its text.
    void overlappingElementsEachTakeTheirOwnClicks()
    {
        int pairs = 0;
        const auto clickable = form->findChildren<QAbstractButton *>();
        for (QAbstractButton *a : clickable) {
            for (QAbstractButton *b : clickable) {
                if (a == b || a->parentWidget() != b->parentWidget()
                    || !a->geometry().intersects(b->geometry()))
                    continue;
                ++pairs;
                QWidget *parent = a->parentWidget();
                QStyleOptionButton option;
                option.initFrom(a);
                option.text = a->text();
                for (const auto part :
                    { QStyle::SE_RadioButtonIndicator, QStyle::SE_RadioButtonClickRect }) {
                    const QRect r = a->style()->subElementRect(part, &option, a);
                    for (int x = r.left(); x <= r.right(); ++x) {
                        const QPoint at = a->mapTo(parent, QPoint(x, r.center().y()));
                        QWidget *hit = parent->childAt(at);
                        QVERIFY2(hit == a,
                            qPrintable(QStringLiteral("%1 at x %2 goes to %3")
                                           .arg(a->objectName())
                                           .arg(a->mapTo(form.get(), QPoint(x, 0)).x())
                                           .arg(hit ? hit->objectName() : QStringLiteral("none"))));
                        b->setChecked(true);
                        QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(parent, at));
                        QVERIFY2(a->isChecked(), qPrintable(a->objectName()));
                    }
                }
            }
        }
        QCOMPARE(pairs, 2);
    }

    void captionsReadAsDesigned()
    {
        for (const char16_t *name : { u"开始测试", u"提交", u"查询此字" })
            QCOMPARE(
                control<QPushButton>(QString::fromUtf16(name))->text(), QString::fromUtf16(name));
        for (const char16_t *name : { u"是否认识", u"说明", u"我的其他软件：" })
            QCOMPARE(
                control<QGroupBox>(QString::fromUtf16(name))->title(), QString::fromUtf16(name));
        const auto text = [this](const char16_t *name) {
            return control<QLabel>(QString::fromUtf16(name))->text();
        };
        QVERIFY(text(u"本软件虽然小，").endsWith(QStringLiteral("你的识字量将会更加准确！")));
        QVERIFY(text(u"《拼音小达人》").endsWith(QStringLiteral("\n\n")));
        QCOMPARE(text(u"《笔顺练字帖》").count(QLatin1Char('\n')), 3); // two paragraphs, two breaks
        QCOMPARE(control<QLabel>(QStringLiteral("拼音小达人"))->pixmap().size(), QSize(144, 144));
        QCOMPARE(control<QLabel>(QStringLiteral("笔顺练字帖"))->pixmap().size(), QSize(50, 50));
    }

    // What the window draws is the view of a twin of its state, given the same clicks: every
    // title, prompt, character and chosen answer, and every address handed over.
    void theWindowDrawsTheViewOfEveryClick()
    {
        ScriptedRandom twinRandom(draws);
        ui::WindowState twin(twinRandom);
        const QList<std::pair<const char16_t *, ui::Action>> clicks
            = { { u"提交", ui::Action::SubmitAnswer }, { u"查询此字", ui::Action::LookupCharacter },
                  { u"开始测试", ui::Action::DrawTest },
                  { u"不认识", ui::Action::ChooseNotRecognised },
                  { u"提交", ui::Action::SubmitAnswer }, { u"认识", ui::Action::ChooseRecognised },
                  { u"查询此字", ui::Action::LookupCharacter },
                  { u"拼音小达人", ui::Action::OpenFirstProduct },
                  { u"《拼音小达人》", ui::Action::OpenFirstProduct },
                  { u"笔顺练字帖", ui::Action::OpenSecondProduct },
                  { u"《笔顺练字帖》", ui::Action::OpenSecondProduct } };
        std::vector<std::string> addresses;
        const auto compare = [&](const ui::View &view) {
            QCOMPARE(form->windowTitle(), toQString(view.title));
            QCOMPARE(prompt()->text(), toQString(view.texts[0].text));
            QCOMPARE(character()->text(), toQString(view.texts[1].text));
            // What a screen reader says is the character on show.
            QCOMPARE(QAccessible::queryAccessibleInterface(character())->text(QAccessible::Name),
                toQString(view.texts[1].text));
            for (const char16_t *answer : { u"认识", u"不认识" })
                QCOMPARE(control<QRadioButton>(QString::fromUtf16(answer))->isChecked(),
                    view.checked && view.checked->caption == answer);
            if (!view.address.empty())
                addresses.push_back(view.address);
            QCOMPARE(shell.opened, addresses);
        };
        for (int round = 0; round < 2; ++round) {
            for (const auto &[name, action] : clicks) {
                QTest::mouseClick(control(QString::fromUtf16(name)), Qt::LeftButton);
                compare(twin.click(action));
            }
        }
        for (int p = 3; p <= 91; ++p) {
            QTest::mouseClick(control(QStringLiteral("提交")), Qt::LeftButton);
            compare(twin.click(ui::Action::SubmitAnswer));
        }
        QString boxTitle;
        QString boxText;
        dismissEndMessageWhenShown(&boxTitle, &boxText);
        QTest::mouseClick(control(QStringLiteral("提交")), Qt::LeftButton);
        const ui::View ended = twin.click(ui::Action::SubmitAnswer);
        compare(ended);
        QCOMPARE(boxTitle, QStringLiteral("Vorlank"));
        QCOMPARE(boxText, toQString(ended.box->message));
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // The character on show is drawn large, with ink, in the middle of its box.
    void theBigCharacterHasInkInTheMiddleOfItsBox()
    {
        const QLabel *big = character();
        QCOMPARE(big->font().pointSize(), 72);
        QCOMPARE(big->font().weight(), QFont::Normal);
        const QImage shot = form->grab(big->geometry()).toImage();
        const QRgb background = shot.pixel(0, 0);
        int ink = 0;
        QRect inked;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                if (qGray(shot.pixel(x, y)) < qGray(background) - 100) {
                    ++ink;
                    inked |= QRect(x, y, 1, 1);
                }
            }
        }
        QVERIFY2(ink > 300, qPrintable(QString::number(ink)));
        const QPoint off = inked.center() - shot.rect().center();
        QVERIFY2(qAbs(off.x()) <= 4 && qAbs(off.y()) <= 8,
            qPrintable(
                QStringLiteral("the ink's centre is %1,%2 px off").arg(off.x()).arg(off.y())));
    }

    void theChosenFaceCoversTheWholeInventory()
    {
        const QFont font = ui::qt::characterFont();
        const QString family = QFontInfo(font).family();
        QVERIFY2(isSimplifiedChineseFace(family), qPrintable(family));
        const QRawFont raw = QRawFont::fromFont(font);
        QVERIFY(raw.isValid());
        QString missing;
        const auto texts = inventory::embeddedInventory();
        for (const QString &block : { toQString(texts.text1), toQString(texts.text2) })
            for (const QStringView row : block.tokenize(u"\r\n", Qt::SkipEmptyParts))
                if (!raw.supportsCharacter(row[0]))
                    missing += row[0];
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
    }

    // Outside a Chinese locale too (CTest runs this under C.UTF-8), every text takes Simplified
    // Chinese forms and the box reads as on a Chinese desktop.
    void theEndMessageIsChineseWhateverTheLocale()
    {
        QCOMPARE(QLocale::system().language(), QLocale::C);
        control<QRadioButton>(QStringLiteral("认识"))->click();
        control<QPushButton>(QStringLiteral("开始测试"))->click();
        for (int i = 0; i < 90; ++i)
            control<QPushButton>(QStringLiteral("提交"))->click();
        BoxSeen seen;
        dismissBoxWhenShown(&seen);
        control<QPushButton>(QStringLiteral("提交"))->click();
        QCOMPARE(seen.text, QStringLiteral("测试完毕！你认识6734个字！"));
        QVERIFY2(isSimplifiedChineseFace(seen.family), qPrintable(seen.family));
        QCOMPARE(seen.button, QStringLiteral("确定"));
        for (const QWidget *w : form->findChildren<QWidget *>())
            QVERIFY2(isSimplifiedChineseFace(QFontInfo(w->font()).family()),
                qPrintable(w->accessibleName() + QLatin1Char(' ') + QFontInfo(w->font()).family()));
    }

    // The layout was drawn for SimSun's 12-pixel lines: with the window's face every text fits
    // its box, and nothing inside a frame covers the frame's title or border.
    void everyTextFitsItsBoxAndEveryFrameItsContents()
    {
        QCOMPARE(QFontMetrics(form->font()).lineSpacing(), 12);
        for (const QLabel *l : form->findChildren<QLabel *>()) {
            if (l->text().isEmpty())
                continue;
            const int needed
                = l->wordWrap() ? l->heightForWidth(l->width()) : QFontInfo(l->font()).pixelSize();
            QVERIFY2(needed <= l->height(),
                qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                               .arg(l->accessibleName().left(8))
                               .arg(needed)
                               .arg(l->height())));
            if (!l->wordWrap())
                QVERIFY(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width());
        }
        for (QGroupBox *frame : form->findChildren<QGroupBox *>()) {
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            option.lineWidth = 1;
            const QStyle *style = frame->style();
            // Inside the border, below the title.
            const QRect inside = style->subControlRect(
                QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, frame);
            const QRect title = style->subControlRect(
                QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
            for (const QWidget *child :
                frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                const QRect r = child->geometry();
                QVERIFY2(inside.contains(r) && !title.intersects(r),
                    qPrintable(QStringLiteral("%1 at %2,%3 outside %4,%5 %6x%7")
                                   .arg(child->accessibleName().left(8))
                                   .arg(r.x())
                                   .arg(r.y())
                                   .arg(inside.x())
                                   .arg(inside.y())
                                   .arg(inside.width())
                                   .arg(inside.height())));
            }
        }
    }

    void enterPressesTheFocusedButtonAndTheIconHasTheWindowSizes()
    {
        QCOMPARE(QApplication::focusWidget(), control(QStringLiteral("开始测试")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(prompt()->text(), QStringLiteral("第1个字："));
        QVERIFY(character()->text() != QStringLiteral("人"));
        control<QRadioButton>(QStringLiteral("认识"))->click();
        control(QStringLiteral("提交"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(form->windowTitle(), QStringLiteral("你认识74个字！"));

        // The sizes a window manager draws; the larger ones come from the installed theme.
        const QList<QSize> sizes = form->windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
    }

    // The shared table of user journeys, each on a fresh window.
    void journeys_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("expected");
        QFile table(QStringLiteral(VORLANK_TESTS_DIR "/journeys.txt"));
        QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
        for (const QString &line : QString::fromUtf8(table.readAll()).split(QLatin1Char('\n'))) {
            const QStringList parts = line.split(QStringLiteral(" | "));
            if (parts.size() == 2 && !line.startsWith(QLatin1Char('#')))
                QTest::newRow(qPrintable(parts[0])) << parts[0].split(QLatin1Char(' ')) << parts[1];
        }
    }
    void journeys()
    {
        QFETCH(QStringList, actions);
        QFETCH(QString, expected);
        const QHash<QString, Qt::Key> named = { { QStringLiteral("space"), Qt::Key_Space },
            { QStringLiteral("Tab"), Qt::Key_Tab }, { QStringLiteral("Return"), Qt::Key_Return },
            { QStringLiteral("Left"), Qt::Key_Left }, { QStringLiteral("Right"), Qt::Key_Right },
            { QStringLiteral("Up"), Qt::Key_Up }, { QStringLiteral("Down"), Qt::Key_Down } };
        BoxSeen seen;
        const auto watch = watchForBoxes(&seen);
        for (QString action : actions) {
            if (action.front().unicode() >= 0x80) { // a click on the control of that name
                const QStringList repeat = action.split(QChar(u'×'));
                for (int i = 0; i < repeat.value(1, QStringLiteral("1")).toInt(); ++i)
                    QTest::mouseClick(control(repeat[0]), Qt::LeftButton);
                continue;
            }
            const bool shift = action.startsWith(QStringLiteral("shift+"));
            action.remove(QStringLiteral("shift+"));
            QVERIFY2(named.contains(action), qPrintable(action));
            QTest::keyClick(QApplication::focusWidget(), named.value(action),
                shift ? Qt::ShiftModifier : Qt::NoModifier);
        }
        QTRY_COMPARE(expected.startsWith(QStringLiteral("box "))
                ? QStringLiteral("box ") + seen.text
                : QStringLiteral("title ") + form->windowTitle(),
            expected);
    }

    // The Qt hand-over reports a desktop that cannot open the address; the user gets it to copy,
    // selected, in the window face.
    void anAddressTheDesktopCannotOpenIsShownToCopy()
    {
        shell.opens = false;
        BoxSeen seen;
        dismissBoxWhenShown(&seen);
        control<QPushButton>(QStringLiteral("查询此字"))->click();
        shell.opens = true;
        QCOMPARE(seen.title, QStringLiteral("Vorlank"));
        QVERIFY2(seen.text.endsWith(
                     QStringLiteral("\nhttps://dict.baidu.com/s?wd=%C8%CB&select=0&tn=qorvex_pg")),
            qPrintable(seen.text));
        QVERIFY(seen.selected);
        QCOMPARE(seen.copied,
            QStringLiteral("https://dict.baidu.com/s?wd=%C8%CB&select=0&tn=qorvex_pg"));
        QVERIFY2(isSimplifiedChineseFace(seen.family), qPrintable(seen.family));
        QCOMPARE(seen.button, QStringLiteral("确定"));
        // Every character is drawn whole: the underscore of the address, which the window face
        // puts below its descent, and the Chinese line above it.
        QVERIFY(seen.field != seen.fieldWithoutUnderscores);
        QVERIFY(seen.messageFits);
    }

    // The desktop's opener is watched, not waited for. One that ends with an error (xdg-open
    // exits 3 when it finds no browser) gets the user the address to copy; one that succeeds
    // shows nothing; while a slow one runs, the window answers.
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
        form = std::make_unique<ui::qt::MainWindow>(desktop, random);
        form->show();
        BoxSeen seen;
        const auto watch = watchForBoxes(&seen);
        QElapsedTimer clock;
        clock.start();
        control<QPushButton>(QStringLiteral("查询此字"))->click();
        control<QPushButton>(QStringLiteral("开始测试"))->click();
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(character()->text() != QStringLiteral("人"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath(QStringLiteral("ended"))), 10000);
        QFile opened(dir.filePath(QStringLiteral("opened")));
        QVERIFY(opened.open(QIODevice::ReadOnly));
        QCOMPARE(opened.readAll(),
            QByteArray("https://dict.baidu.com/s?wd=%C8%CB&select=0&tn=qorvex_pg\n"));
        if (box) {
            QTRY_VERIFY(!seen.title.isEmpty());
            QVERIFY2(seen.text.endsWith(QStringLiteral(
                         "\nhttps://dict.baidu.com/s?wd=%C8%CB&select=0&tn=qorvex_pg")),
                qPrintable(seen.text));
        } else {
            QTest::qWait(300); // the opener's end reaches the window
            QCOMPARE(seen.title, QString());
        }
        qputenv("PATH", path);
    }

    // A failure inside a click is shown in the window's box, and the window carries on.
    void aFailingClickIsReportedAndTheWindowCarriesOn()
    {
        FailingRandom failing;
        form = std::make_unique<ui::qt::MainWindow>(shell, failing);
        form->show();
        BoxSeen seen;
        dismissBoxWhenShown(&seen);
        control<QPushButton>(QStringLiteral("开始测试"))->click();
        QCOMPARE(seen.title, QStringLiteral("Vorlank"));
        QVERIFY2(seen.text.contains(QStringLiteral("overflow")), qPrintable(seen.text));
        QVERIFY(seen.problem);
        QCOMPARE(seen.button, QStringLiteral("确定"));
        control<QPushButton>(QStringLiteral("查询此字"))->click();
        QCOMPARE(shell.opened.size(), 1U);
        QCOMPARE(form->windowTitle(), QStringLiteral("Vorlank1.0版"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
