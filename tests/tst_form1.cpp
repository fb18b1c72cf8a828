#include "fakes.h"
#include "quiz/quiz.h"
#include "ui/qt/appearance.h"
#include "ui/qt/desktop_shell.h"
#include "ui/qt/form1_widget.h"
#include "ui/qt/qt_text.h"

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

class Form1Test : public QObject
{
    Q_OBJECT
    RecordingShell shell;
    ScriptedRandom random { { 0.1f, 0.4f, 0.7f, 0.9f } };
    std::unique_ptr<ui::qt::Form1Widget> form;

    template <typename W = QWidget> W *element(const char *name) const
    {
        auto *w = form->findChild<W *>(QLatin1String(name));
        if (!w)
            qFatal("no element %s", name);
        return w;
    }
    QString label(const char *name) const { return element<QLabel>(name)->text(); }

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
        shell.calls.clear();
        form = std::make_unique<ui::qt::Form1Widget>(shell, random);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
    }
    void cleanup() { form.reset(); }

    void startsWithTitleCharacterPromptAndNothingSelected()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Vorlank1.0版"));
        QCOMPARE(label("Label2"), QStringLiteral("人"));
        QCOMPARE(label("Label3"), QStringLiteral("第1个字："));
        QVERIFY(!element<QRadioButton>("Option1(0)")->isChecked());
        QVERIFY(!element<QRadioButton>("Option1(1)")->isChecked());
        QCOMPARE(QApplication::focusWidget(), element("Command4"));
        QCOMPARE(form->size(), QSize(621, 403));
        QCOMPARE(form->minimumSize(), form->maximumSize()); // fixed size
        QCOMPARE(element<QLabel>("Label2")->accessibleName(), QStringLiteral("人"));
        QCOMPARE(element("Command4")->nextInFocusChain(), element("Command3"));
        QCOMPARE(element("Command3")->nextInFocusChain(), element("Command1"));
    }

    void everyElementSitsAtItsTwipRectangle_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        const QList<std::pair<const char *, QRect>> table = {
            { "Frame1", { 240, 3360, 2775, 855 } },
            { "Option1(1)", { 1320, 360, 1215, 375 } },
            { "Option1(0)", { 240, 360, 1215, 375 } },
            { "Command1", { 3120, 2280, 1335, 855 } },
            { "Frame2", { 240, 4440, 4215, 1455 } },
            { "Label4", { 120, 360, 3855, 855 } },
            { "Command3", { 3120, 3480, 1335, 735 } },
            { "Command4", { 3120, 1560, 1335, 615 } },
            { "Frame3", { 4560, 120, 4575, 5775 } },
            { "Label5", { 2400, 240, 1935, 2295 } },
            { "Label6", { 960, 2640, 3375, 3015 } },
            { "Image1", { 120, 240, 2160, 2160 } },
            { "Image2", { 120, 2640, 750, 750 } },
            { "Label1", { 120, 120, 4335, 1095 } },
            { "Label2", { 1200, 1560, 1815, 1575 } },
            { "Label3", { 120, 1560, 855, 255 } },
        };
        for (const auto &[name, twips] : table)
            QTest::newRow(name) << QString::fromLatin1(name) << twips;
    }
    void everyElementSitsAtItsTwipRectangle()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        const QWidget *w = element(name.toLatin1().constData());
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
        QCOMPARE(element<QPushButton>("Command4")->text(), QStringLiteral("开始测试"));
        QCOMPARE(element<QPushButton>("Command3")->text(), QStringLiteral("提交"));
        QCOMPARE(element<QPushButton>("Command1")->text(), QStringLiteral("查询此字"));
        QCOMPARE(element<QGroupBox>("Frame1")->title(), QStringLiteral("是否认识"));
        QCOMPARE(element<QGroupBox>("Frame2")->title(), QStringLiteral("说明"));
        QCOMPARE(element<QGroupBox>("Frame3")->title(), QStringLiteral("我的其他软件："));
        QVERIFY(label("Label1").startsWith(QStringLiteral("本软件虽然小，")));
        QVERIFY(label("Label1").endsWith(QStringLiteral("你的识字量将会更加准确！")));
        QVERIFY(label("Label4").startsWith(QStringLiteral("如果你不确定是否认识，")));
        QVERIFY(label("Label5").endsWith(QStringLiteral("\n\n")));
        QCOMPARE(label("Label6").count(QLatin1Char('\n')), 3); // two paragraphs, two line breaks
        QCOMPARE(element<QLabel>("Image1")->pixmap().size(), QSize(144, 144));
        QCOMPARE(element<QLabel>("Image2")->pixmap().size(), QSize(50, 50));
        for (const QWidget *w : form->findChildren<QWidget *>())
            if (qobject_cast<const QPushButton *>(w) || qobject_cast<const QRadioButton *>(w))
                QVERIFY(!w->accessibleName().isEmpty());
    }

    void aWholeTestTakenWithTheMouse()
    {
        auto *start = element<QPushButton>("Command4");
        auto *submit = element<QPushButton>("Command3");
        auto *yes = element<QRadioButton>("Option1(0)");
        auto *no = element<QRadioButton>("Option1(1)");
        QTest::mouseClick(start, Qt::LeftButton);
        const QString test = toQString(form->handlers().testState().testString);
        QCOMPARE(label("Label2"), test.left(1));
        QTest::mouseClick(yes, Qt::LeftButton);
        QVERIFY(yes->isChecked());
        QTest::mouseClick(no, Qt::LeftButton);
        QVERIFY(no->isChecked() && !yes->isChecked()); // mutually exclusive
        QTest::mouseClick(submit, Qt::LeftButton);
        QCOMPARE(form->windowTitle(), QStringLiteral("你认识0个字！"));
        QCOMPARE(label("Label3"), QStringLiteral("第2个字"));
        QTest::mouseClick(yes, Qt::LeftButton);
        for (int p = 3; p <= 91; ++p) {
            QTest::mouseClick(submit, Qt::LeftButton);
            QCOMPARE(form->windowTitle(), QStringLiteral("你认识%1个字！").arg(74 * (p - 2)));
            QCOMPARE(label("Label2"), test.mid(p - 1, 1));
            // What a screen reader says is the character on show.
            QCOMPARE(
                QAccessible::queryAccessibleInterface(element("Label2"))->text(QAccessible::Name),
                test.mid(p - 1, 1));
            QCOMPARE(label("Label3"), QStringLiteral("第%1个字").arg(p));
        }
        QString boxTitle;
        QString boxText;
        dismissEndMessageWhenShown(&boxTitle, &boxText);
        QTest::mouseClick(submit, Qt::LeftButton);
        QCOMPARE(boxTitle, QStringLiteral("Vorlank"));
        QCOMPARE(boxText, QStringLiteral("测试完毕！你认识6660个字！"));
        QCOMPARE(form->windowTitle(), QStringLiteral("你认识6660个字！"));
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void launchElementsHandOverTheirAddresses()
    {
        QTest::mouseClick(element("Command1"), Qt::LeftButton);
        QCOMPARE(shell.calls.size(), 1U);
        QVERIFY(shell.calls[0].target.find("wd=%C8%CB&") != std::string::npos);
        QTest::mouseClick(element("Command4"), Qt::LeftButton);
        QTest::mouseClick(element("Command1"), Qt::LeftButton);
        QVERIFY(QByteArray::fromStdString(shell.calls[1].target)
                    .contains("wd="
                        + QByteArray::fromStdString(
                            runtime::encodeGbk(label("Label2").toStdU16String()))
                              .toPercentEncoding()
                        + "&"));
        for (const char *name : { "Image1", "Label5", "Image2", "Label6" })
            QTest::mouseClick(element(name), Qt::LeftButton);
        QCOMPARE(shell.calls.size(), 6U);
        QCOMPARE(shell.calls[2].target, shell.calls[3].target);
        QCOMPARE(shell.calls[4].target, shell.calls[5].target);
        QVERIFY(shell.calls[2].target != shell.calls[4].target);
    }

    // The character on show is drawn large, with ink, in the middle of its box.
    void theBigCharacterHasInkInTheMiddleOfItsBox()
    {
        const QLabel *big = element<QLabel>("Label2");
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
        element<QRadioButton>("Option1(0)")->click();
        element<QPushButton>("Command4")->click();
        for (int i = 0; i < 90; ++i)
            element<QPushButton>("Command3")->click();
        BoxSeen seen;
        dismissBoxWhenShown(&seen);
        element<QPushButton>("Command3")->click();
        QCOMPARE(seen.text, QStringLiteral("测试完毕！你认识6734个字！"));
        QVERIFY2(isSimplifiedChineseFace(seen.family), qPrintable(seen.family));
        QCOMPARE(seen.button, QStringLiteral("确定"));
        for (const QWidget *w : form->findChildren<QWidget *>())
            QVERIFY2(isSimplifiedChineseFace(QFontInfo(w->font()).family()),
                qPrintable(w->objectName() + QLatin1Char(' ') + QFontInfo(w->font()).family()));
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
                               .arg(l->objectName())
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
                                   .arg(child->objectName())
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
        QCOMPARE(QApplication::focusWidget(), element("Command4"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(form->handlers().testState().currentIndex, 1);
        element<QRadioButton>("Option1(0)")->setChecked(true);
        element("Command3")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(form->windowTitle(), QStringLiteral("你认识74个字！"));

        // The sizes a window manager draws; the larger ones come from the installed theme.
        const QList<QSize> sizes = form->windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
    }

    // The shared table of keyboard-only answers, each on a fresh window.
    void keyboardOnlyAnswers_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("title");
        QFile table(QStringLiteral(VORLANK_TESTS_DIR "/keyboard_answers.txt"));
        QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
        for (const QString &line : QString::fromUtf8(table.readAll()).split(QLatin1Char('\n'))) {
            const QStringList parts = line.split(QStringLiteral(" | "));
            if (parts.size() == 2 && !line.startsWith(QLatin1Char('#')))
                QTest::newRow(qPrintable(parts[0])) << parts[0].split(QLatin1Char(' ')) << parts[1];
        }
    }
    void keyboardOnlyAnswers()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, title);
        const QHash<QString, Qt::Key> named = { { QStringLiteral("space"), Qt::Key_Space },
            { QStringLiteral("Tab"), Qt::Key_Tab }, { QStringLiteral("Return"), Qt::Key_Return },
            { QStringLiteral("Left"), Qt::Key_Left }, { QStringLiteral("Right"), Qt::Key_Right },
            { QStringLiteral("Up"), Qt::Key_Up }, { QStringLiteral("Down"), Qt::Key_Down } };
        for (QString key : keys) {
            const bool shift = key.startsWith(QStringLiteral("shift+"));
            key.remove(QStringLiteral("shift+"));
            QVERIFY2(named.contains(key), qPrintable(key));
            QTest::keyClick(QApplication::focusWidget(), named.value(key),
                shift ? Qt::ShiftModifier : Qt::NoModifier);
        }
        QCOMPARE(form->windowTitle(), title);
    }

    // The Qt hand-over reports a desktop that cannot open the address; the user gets it to copy,
    // selected, in the window face.
    void anAddressTheDesktopCannotOpenIsShownToCopy()
    {
        shell.opens = false;
        BoxSeen seen;
        dismissBoxWhenShown(&seen);
        element<QPushButton>("Command1")->click();
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
        ui::qt::Form1Widget window(desktop, random);
        window.show();
        BoxSeen seen;
        const auto watch = watchForBoxes(&seen);
        QElapsedTimer clock;
        clock.start();
        window.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        window.findChild<QPushButton *>(QStringLiteral("Command4"))->click();
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(window.handlers().testState().currentIndex, 1);
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

    // A failure inside a handler is shown, and the window carries on.
    void aFailingHandlerIsReportedAndTheWindowCarriesOn()
    {
        FailingRandom failing;
        ui::qt::Form1Widget broken(shell, failing);
        broken.show();
        BoxSeen seen;
        dismissBoxWhenShown(&seen);
        broken.findChild<QPushButton *>(QStringLiteral("Command4"))->click();
        QCOMPARE(seen.title, QStringLiteral("Vorlank"));
        QVERIFY2(seen.text.contains(QStringLiteral("overflow")), qPrintable(seen.text));
        QVERIFY(seen.problem);
        broken.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(shell.calls.size(), 1U);
        QCOMPARE(broken.windowTitle(), QStringLiteral("Vorlank1.0版"));
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
