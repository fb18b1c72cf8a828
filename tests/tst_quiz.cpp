#include "fakes.h"
#include "quiz/quiz.h"

#include <QSet>
#include <QTest>

#include <cmath>

using namespace vorlank;
using quiz::Quiz;

class QuizTest : public QObject
{
    Q_OBJECT
    inventory::InventoryTexts texts = inventory::embeddedInventory();
    inventory::Bands bands = inventory::loadBands(texts.text1, texts.text2);

    static void answerAll(Quiz &quiz, int clicks)
    {
        for (int i = 0; i < clicks; ++i)
            quiz.submitAnswer();
    }

private slots:
    void drawTakesSevenFromEachBandInOrder()
    {
        const QList<float> script = { 0.0f, 0.25f, 0.5f, 0.75f, 0.999f, 0.1f, 0.3f, 0.6f };
        ScriptedRandom random(script);
        RecordingWindow window;
        window.recognised = true;
        Quiz quiz(bands, random, window);
        quiz.drawTest();

        const QString test = q(quiz.state().testString);
        QCOMPARE(test.size(), 91);
        for (int p = 1; p <= 91; ++p) {
            const auto &band = bands[(p - 1) / 7];
            const float r = script[(p - 1) % script.size()];
            const auto k = static_cast<int>(std::floor(r * static_cast<float>(band.count())));
            QCOMPARE(test.mid(p - 1, 1), q(band.item(k)));
        }
        QCOMPARE(random.reseeds, 91); // one reseed before every draw
        QCOMPARE(window.character, test.left(1));
        QCOMPARE(window.prompt, QStringLiteral("第1个字："));
        QCOMPARE(quiz.state().currentIndex, 1);
        QCOMPARE(quiz.state().knownCount, 0);
        // The title and the selected answer are left alone.
        QVERIFY(window.titles.isEmpty());
        QVERIFY(window.recognised);
    }

    void drawStaysInsideTheBandAtTheTopOfTheRange()
    {
        for (const float r : { std::nextafter(1.0f, 0.0f), 1.0f }) {
            ScriptedRandom random({ r });
            RecordingWindow window;
            Quiz quiz(bands, random, window);
            quiz.drawTest();
            for (int p = 1; p <= 91; ++p) {
                const auto &band = bands[(p - 1) / 7];
                QCOMPARE(q(quiz.state().testString).mid(p - 1, 1), q(band.item(band.count() - 1)));
            }
        }
    }

    void clockDrawsDoNotRepeatThemselves()
    {
        runtime::ClockRandom random;
        RecordingWindow window;
        Quiz quiz(bands, random, window);
        quiz.drawTest();
        const QString first = q(quiz.state().testString);
        // 91 reseeds in quick succession: with 500 or more items a band, repeats are rare.
        QVERIFY(QSet<QChar>(first.begin(), first.end()).size() >= 80);
        quiz.drawTest();
        QVERIFY(q(quiz.state().testString) != first);
    }

    void aTestAnsweredRecognisedThroughout()
    {
        ScriptedRandom random({ 0.0f }); // every band's first item seven times: repeats count
        RecordingWindow window;
        window.recognised = true;
        Quiz quiz(bands, random, window);
        quiz.drawTest();
        QStringList prompts;
        QStringList characters;
        for (int i = 0; i < 90; ++i) {
            quiz.submitAnswer();
            prompts.append(window.prompt);
            characters.append(window.character);
        }
        QCOMPARE(prompts.first(), QStringLiteral("第2个字"));
        QCOMPARE(prompts.last(), QStringLiteral("第91个字"));
        QCOMPARE(characters.first(), QStringLiteral("不"));
        QCOMPARE(characters.last(), q(bands[12].item(0)));
        QVERIFY(window.endMessages.isEmpty());

        quiz.submitAnswer(); // the answer to the 91st character counts, then the test ends
        QCOMPARE(window.titles.size(), 91);
        for (int k = 1; k <= 91; ++k)
            QCOMPARE(window.titles[k - 1], QStringLiteral("你认识%1个字！").arg(74 * k));
        QCOMPARE(window.endMessages, QStringList { QStringLiteral("测试完毕！你认识6734个字！") });
        QCOMPARE(window.character, q(bands[12].item(0))); // the last character stays on show
        QCOMPARE(window.prompt, QStringLiteral("第91个字"));
    }

    void noSelectionCountsNothing()
    {
        ScriptedRandom random({ 0.5f });
        RecordingWindow window;
        Quiz quiz(bands, random, window);
        quiz.drawTest();
        quiz.submitAnswer();
        QCOMPARE(window.titleText, QStringLiteral("你认识0个字！"));
        window.recognised = true; // a selection kept unchanged counts again and again
        answerAll(quiz, 3);
        QCOMPARE(window.titleText, QStringLiteral("你认识222个字！"));
    }

    void submitsBeforeATestAndAfterTheEndChangeNothing()
    {
        ScriptedRandom random({ 0.5f });
        RecordingWindow window;
        window.recognised = true;
        Quiz quiz(bands, random, window);
        answerAll(quiz, 3);
        QCOMPARE(quiz.state().currentIndex, 0);
        QCOMPARE(quiz.state().knownCount, 0);
        QVERIFY(window.titles.isEmpty());
        QCOMPARE(window.character, QStringLiteral("人"));
        QCOMPARE(window.prompt, QStringLiteral("第1个字："));

        quiz.drawTest();
        answerAll(quiz, 91);
        const QString last = window.character;
        answerAll(quiz, 5);
        QCOMPARE(window.titleText, QStringLiteral("你认识6734个字！"));
        QCOMPARE(window.titles.size(), 91);
        QCOMPARE(window.endMessages.size(), 1);
        QCOMPARE(window.character, last);
        QCOMPARE(window.prompt, QStringLiteral("第91个字"));
    }

    void aNewDrawResetsTheCountButKeepsTheTitle()
    {
        ScriptedRandom random({ 0.5f, 0.2f });
        RecordingWindow window;
        window.recognised = true;
        Quiz quiz(bands, random, window);
        quiz.drawTest();
        answerAll(quiz, 10);
        QCOMPARE(window.titleText, QStringLiteral("你认识740个字！"));
        quiz.drawTest();
        QCOMPARE(window.titleText, QStringLiteral("你认识740个字！"));
        QCOMPARE(quiz.state().knownCount, 0);
        QCOMPARE(quiz.state().currentIndex, 1);
        QCOMPARE(window.prompt, QStringLiteral("第1个字："));
        quiz.submitAnswer();
        QCOMPARE(window.titleText, QStringLiteral("你认识74个字！"));
        // A new draw after the end starts a fresh test that can end again.
        answerAll(quiz, 90);
        quiz.drawTest();
        answerAll(quiz, 91);
        QCOMPARE(window.endMessages.size(), 2);
    }
};

QTEST_APPLESS_MAIN(QuizTest)
#include "tst_quiz.moc"
