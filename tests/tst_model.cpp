// Random window events against a simple model of the test run, on the real window.
#include "fakes.h"
#include "quiz/quiz.h"
#include "ui/qt/form1_widget.h"
#include "ui/qt/qt_text.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace vorlank;
using ui::qt::toQString;

namespace
{
// The program's draws from the run's seed, so that the seed replays a whole run.
class SeededRandom final : public runtime::RandomSource
{
public:
    explicit SeededRandom(quint32 seed)
        : generator_(seed)
    {
    }
    void reseed() override { }
    float next() override { return runtime::unitFloat(generator_.generate64()); }

private:
    QRandomGenerator generator_;
};

struct Model {
    QString test;
    int index = 0;
    int known = 0;
    int ends = 0;
    QString title = QStringLiteral("Vorlank1.0版");
    QString character = QStringLiteral("人");
};
} // namespace

class ModelTest : public QObject
{
    Q_OBJECT
    // VORLANK_MODEL_SEED replays a run.
    const quint32 seed = qEnvironmentVariableIsSet("VORLANK_MODEL_SEED")
        ? static_cast<quint32>(qEnvironmentVariableIntValue("VORLANK_MODEL_SEED"))
        : QRandomGenerator::global()->generate();

private slots:
    void init() const { qInfo("seed %u", seed); }
    void cleanup() const
    {
        if (QTest::currentTestFailed())
            qWarning("failed with seed %u: VORLANK_MODEL_SEED=%u replays it", seed, seed);
    }

    void randomEventsKeepTheInvariants()
    {
        RecordingShell shell;
        SeededRandom random(seed);
        ui::qt::Form1Widget form(shell, random);
        form.show();
        auto *draw = form.findChild<QPushButton *>(QStringLiteral("Command4"));
        auto *submit = form.findChild<QPushButton *>(QStringLiteral("Command3"));
        auto *lookup = form.findChild<QPushButton *>(QStringLiteral("Command1"));
        auto *yes = form.findChild<QRadioButton *>(QStringLiteral("Option1(0)"));
        auto *no = form.findChild<QRadioButton *>(QStringLiteral("Option1(1)"));
        auto *big = form.findChild<QLabel *>(QStringLiteral("Label2"));
        const auto texts = inventory::embeddedInventory();
        const inventory::Bands bands = inventory::loadBands(texts.text1, texts.text2);

        // Every end message is dismissed from inside its own modal loop, and counted.
        int boxes = 0;
        QTimer closer;
        closer.setInterval(0);
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                ++boxes;
                box->accept();
            }
        });
        closer.start();

        const QRegularExpression titles(QStringLiteral("^(Vorlank1\\.0版|你认识(\\d+)个字！)$"));
        QRandomGenerator events(seed);
        Model model;
        for (int step = 0; step < 100'000; ++step) {
            // Draws are rare and submits dominate, so that many tests run to their end and past it.
            const int kind = events.bounded(300);
            if (kind < 2) {
                draw->click();
                model = { toQString(form.handlers().testState().testString), 1, 0, model.ends,
                    model.title, toQString(form.handlers().testState().testString).left(1) };
                QCOMPARE(model.test.size(), 91);
                for (int p = 0; p < 91; ++p)
                    QVERIFY(toQString(bands[p / 7].items()).contains(model.test[p]));
            } else if (kind < 12) {
                lookup->click();
                QCOMPARE(shell.calls.back().target,
                    launch::lookupAddress(model.character.toStdU16String()));
            } else {
                const int answer = events.bounded(3); // 认识, 不认识, nothing selected
                if (answer == 2) {
                    yes->setAutoExclusive(false);
                    no->setAutoExclusive(false);
                    yes->setChecked(false);
                    no->setChecked(false);
                    yes->setAutoExclusive(true);
                    no->setAutoExclusive(true);
                } else {
                    (answer == 0 ? yes : no)->click();
                }
                submit->click();
                if (model.index >= 1 && model.index <= 91) {
                    model.known += answer == 0;
                    model.title = QStringLiteral("你认识%1个字！").arg(model.known * 74);
                    ++model.index;
                    if (model.index == 92)
                        ++model.ends;
                    else
                        model.character = model.test.mid(model.index - 1, 1);
                }
            }

            const auto &state = form.handlers().testState();
            const auto match = titles.match(form.windowTitle());
            QVERIFY2(match.hasMatch(), qPrintable(form.windowTitle()));
            if (match.hasCaptured(2)) {
                const int estimate = match.captured(2).toInt();
                QVERIFY(estimate % 74 == 0 && estimate / 74 <= 91);
            }
            QVERIFY(state.currentIndex >= 0 && state.currentIndex <= 92);
            QCOMPARE(state.currentIndex, model.index);
            QCOMPARE(state.knownCount, model.known);
            QCOMPARE(form.windowTitle(), model.title);
            QCOMPARE(big->text(), model.character);
            QVERIFY(big->text() == QStringLiteral("人")
                || toQString(state.testString).contains(big->text()));
            QCOMPARE(boxes, model.ends);
        }
        QVERIFY(model.ends > 100); // the walk did complete many tests
    }
};

QTEST_MAIN(ModelTest)
#include "tst_model.moc"
