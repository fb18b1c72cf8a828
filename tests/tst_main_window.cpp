// The Qt window where only its widgets and pixels tell (what it shows and does, the journeys
// runner checks): its fixed size and icon, every element at its rectangle and its pictures, the
// faces, every text fitting its box, each overlapping option taking its own clicks, the focus
// ring standing out, and an address the desktop did not open drawn whole, to copy.
#include "fakes.h"
#include "ui/qt/appearance.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_text.h"
#include "ui/window_state.h"

#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>

#include <cmath>

using namespace vorlank;
using ui::qt::toQString;

namespace
{
// The control a screen reader reads by `name`, or whose name starts with it (a paragraph's).
template <typename W = QWidget> W *control(const QWidget *in, const QString &name)
{
    W *found = nullptr;
    for (W *w : in->findChildren<W *>()) {
        const QAccessibleInterface *described = QAccessible::queryAccessibleInterface(w);
        const QString read = described && w->isVisible() ? described->text(QAccessible::Name) : "";
        if (read == name)
            return w;
        found = !found && !read.isEmpty() && read.startsWith(name) ? w : found;
    }
    return found;
}

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

// The faces whose forms are the mainland's for every character the window shows.
bool isSimplifiedChineseFace(const QString &family)
{
    return family == QStringLiteral("SimSun") || family == QStringLiteral("AR PL UMing CN")
        || family.endsWith(QStringLiteral(" SC"));
}
} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
    RecordingShell shell;
    ScriptedRandom random { { 0.1f, 0.4f } };
    std::unique_ptr<ui::qt::MainWindow> form;
    ui::View first = ui::WindowState(ui::Opener::Desktop, random).view();

    QLabel *character() const { return control<QLabel>(form.get(), toQString(first.character)); }

private slots:
    void initTestCase() { ui::qt::applyChineseConventions(); }

    void init()
    {
        form = std::make_unique<ui::qt::MainWindow>(shell, random);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
    }
    void cleanup() { form.reset(); }

    // The sizes a window manager draws the icon at (launchers take the larger ones from the
    // installed theme).
    void startsAtItsFixedSize()
    {
        QCOMPARE(form->size(), QSize(621, 403));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        const QList<QSize> sizes = form->windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
    }

    // Each element, found by its name, at its rectangle in the table and inside the window; the
    // pictures at their artwork's sizes.
    void everyElementSitsAtItsTwipRectangle()
    {
        for (const ui::Element &e : ui::elements()) {
            const ui::TwipRect r = ui::windowRect(e);
            const QString name = toQString(e.shows == ui::Shows::Character ? first.character
                    : e.shows == ui::Shows::Prompt                         ? first.prompt
                                                                           : ui::accessibleName(e));
            const QWidget *w = control(form.get(), name);
            QVERIFY2(w, qPrintable(name));
            const QRect at(w->mapTo(form.get(), QPoint()), w->size());
            QCOMPARE(at,
                QRect(ui::pixels(r.left), ui::pixels(r.top), ui::pixels(r.width),
                    ui::pixels(r.height)));
            QVERIFY(w->isVisible() && form->rect().contains(at));
        }
        QCOMPARE(control<QLabel>(form.get(), QStringLiteral("拼音小达人"))->pixmap().size(),
            QSize(144, 144));
        QCOMPARE(control<QLabel>(form.get(), QStringLiteral("笔顺练字帖"))->pixmap().size(),
            QSize(50, 50));
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
                        QVERIFY2(
                            hit == a, qPrintable(a->objectName() + " at x " + QString::number(x)));
                        b->setChecked(true);
                        QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(parent, at));
                        QVERIFY2(a->isChecked(), qPrintable(a->objectName()));
                    }
                }
            }
        }
        QCOMPARE(pairs, 2);
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
        QVERIFY(qAbs(off.x()) <= 4 && qAbs(off.y()) <= 8);
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
    // Chinese forms.
    void everyFaceIsSimplifiedChineseWhateverTheLocale()
    {
        QCOMPARE(QLocale::system().language(), QLocale::C);
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
            QVERIFY2(needed <= l->height(), qPrintable(l->accessibleName().left(8)));
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
                    qPrintable(child->accessibleName().left(8)));
            }
        }
    }

    // The focus ring a Tab draws round an answer stands out from the face at 3:1 at the least.
    void theFocusRingOnAnAnswerStandsOut()
    {
        auto *answer = control<QRadioButton>(form.get(), QStringLiteral("不认识"));
        const QImage unfocused = answer->grab().toImage();
        for (int tabs = 0; tabs < 10 && !answer->hasFocus(); ++tabs)
            QTest::keyClick(form.get(), Qt::Key_Tab);
        const QImage focused = answer->grab().toImage();
        const auto luminance = [](QRgb c) {
            double sum = 0.05;
            for (const auto &[value, weight] : { std::pair { qRed(c), 0.2126 },
                     std::pair { qGreen(c), 0.7152 }, std::pair { qBlue(c), 0.0722 } }) {
                const double v = value / 255.0;
                sum += weight * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
            }
            return sum;
        };
        const QRgb faceColour = form->palette().window().color().rgb();
        const double face = luminance(faceColour);
        int ring = 0; // pixels of the face that the ring covers, at 3:1
        for (int y = 0; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x) {
                const double l = luminance(focused.pixel(x, y));
                ring += unfocused.pixel(x, y) == faceColour
                    && std::max(l, face) / std::min(l, face) >= 3;
            }
        QVERIFY2(ring >= 20, qPrintable(QStringLiteral("%1 pixels of the ring at 3:1").arg(ring)));
    }

    // The desktop cannot open the address: the user gets it in a field, selected, which Ctrl+C
    // copies, every character drawn whole (the underscore, which the window face puts below its
    // descent, and the Chinese line above it).
    void anAddressNotOpenedIsDrawnWholeToCopy()
    {
        shell.opens = false;
        control<QPushButton>(form.get(), QStringLiteral("查询此字"))->click();
        QWidget *box = nullptr;
        QVERIFY(QTest::qWaitFor([&] { return (box = QApplication::activeModalWidget()); }));
        QVERIFY(QTest::qWaitForWindowExposed(box));
        auto *field = box->findChild<QLineEdit *>();
        auto *message = control<QLabel>(box, QStringLiteral("无法打开网页浏览器。"));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(shell.opened.back()));
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
        box->close();
        shell.opens = true;
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
