#include "quiz/quiz.h"
#include "core_test.h"
#include "fakes.h"

#include <cmath>
#include <set>

using namespace vorlank;
using quiz::Quiz;

namespace
{
const inventory::Bands &bands()
{
    static const inventory::InventoryTexts texts = inventory::embeddedInventory();
    static const inventory::Bands loaded = inventory::loadBands(texts.text1, texts.text2);
    return loaded;
}

void answer(Quiz &quiz, int clicks)
{
    for (int i = 0; i < clicks; ++i)
        quiz.submitAnswer();
}

std::u16string estimateTitle(int estimate)
{
    return u"你认识" + runtime::decimalText(estimate) + u"个字！";
}
} // namespace

TEST_SUITE("quiz")
{
    TEST_CASE("the draw takes seven from each band in order")
    {
        const std::vector<float> script = { 0.0f, 0.25f, 0.5f, 0.75f, 0.999f, 0.1f, 0.3f, 0.6f };
        ScriptedRandom random(script);
        RecordingWindow window;
        window.recognised = true;
        Quiz quiz(bands(), random, window);
        quiz.drawTest();

        const std::u16string &test = quiz.state().testString;
        REQUIRE(test.size() == 91);
        for (std::size_t p = 1; p <= 91; ++p) {
            const auto &band = bands()[(p - 1) / 7];
            const float r = script[(p - 1) % script.size()];
            const auto k = static_cast<int>(std::floor(r * static_cast<float>(band.count())));
            CHECK(test.substr(p - 1, 1) == band.item(k));
        }
        CHECK(random.reseeds == 91); // one reseed before every draw
        CHECK(window.character == test.substr(0, 1));
        CHECK(quiz.characterOnShow() == test.substr(0, 1));
        CHECK(window.prompt == u"第1个字：");
        CHECK(quiz.state().currentIndex == 1);
        CHECK(quiz.state().knownCount == 0);
        // The title and the selected answer are left alone.
        CHECK(window.titles.empty());
        CHECK(window.recognised);
    }

    TEST_CASE("the draw stays inside the band at the top of the range")
    {
        for (const float r : { std::nextafter(1.0f, 0.0f), 1.0f }) {
            ScriptedRandom random({ r });
            RecordingWindow window;
            Quiz quiz(bands(), random, window);
            quiz.drawTest();
            for (std::size_t p = 1; p <= 91; ++p) {
                const auto &band = bands()[(p - 1) / 7];
                CHECK(quiz.state().testString.substr(p - 1, 1) == band.item(band.count() - 1));
            }
        }
    }

    TEST_CASE("clock draws do not repeat themselves")
    {
        runtime::ClockRandom random;
        RecordingWindow window;
        Quiz quiz(bands(), random, window);
        quiz.drawTest();
        const std::u16string first = quiz.state().testString;
        // 91 reseeds in quick succession: with 500 or more items a band, repeats are rare.
        CHECK(std::set<char16_t>(first.begin(), first.end()).size() >= 80);
        quiz.drawTest();
        CHECK(quiz.state().testString != first);
    }

    TEST_CASE("a test answered recognised throughout")
    {
        ScriptedRandom random({ 0.0f }); // every band's first item seven times: repeats count
        RecordingWindow window;
        window.recognised = true;
        Quiz quiz(bands(), random, window);
        CHECK(quiz.characterOnShow() == u"人");
        CHECK(!quiz.estimateOnShow());
        quiz.drawTest();
        std::vector<std::u16string> prompts;
        std::vector<std::u16string> characters;
        for (int i = 0; i < 90; ++i) {
            quiz.submitAnswer();
            prompts.push_back(window.prompt);
            characters.push_back(window.character);
            CHECK(quiz.characterOnShow() == window.character);
        }
        CHECK(prompts.front() == u"第2个字");
        CHECK(prompts.back() == u"第91个字");
        CHECK(characters.front() == u"不");
        CHECK(characters.back() == bands()[12].item(0));
        CHECK(window.endMessages.empty());

        quiz.submitAnswer(); // the answer to the 91st character counts, then the test ends
        REQUIRE(window.titles.size() == 91);
        for (int k = 1; k <= 91; ++k)
            CHECK(window.titles[static_cast<std::size_t>(k - 1)] == estimateTitle(74 * k));
        CHECK(window.endMessages == std::vector<std::u16string> { u"测试完毕！你认识6734个字！" });
        CHECK(quiz.estimateOnShow() == 6734);
        // The last character stays on show, and is what a look-up looks up.
        CHECK(window.character == bands()[12].item(0));
        CHECK(quiz.characterOnShow() == window.character);
        CHECK(window.prompt == u"第91个字");
    }

    TEST_CASE("no selection counts nothing; a kept selection counts again")
    {
        ScriptedRandom random({ 0.5f });
        RecordingWindow window;
        Quiz quiz(bands(), random, window);
        quiz.drawTest();
        quiz.submitAnswer();
        CHECK(window.title == u"你认识0个字！");
        CHECK(quiz.estimateOnShow() == 0);
        window.recognised = true;
        answer(quiz, 3);
        CHECK(window.title == u"你认识222个字！");
    }

    TEST_CASE("submits before a test and after the end change nothing")
    {
        ScriptedRandom random({ 0.5f });
        RecordingWindow window;
        window.recognised = true;
        Quiz quiz(bands(), random, window);
        answer(quiz, 3);
        CHECK(quiz.state().currentIndex == 0);
        CHECK(quiz.state().knownCount == 0);
        CHECK(window.titles.empty());
        CHECK(window.character == u"人");
        CHECK(window.prompt == u"第1个字：");

        quiz.drawTest();
        answer(quiz, 91);
        const std::u16string last = window.character;
        answer(quiz, 5);
        CHECK(window.title == u"你认识6734个字！");
        CHECK(window.titles.size() == 91);
        CHECK(window.endMessages.size() == 1);
        CHECK(window.character == last);
        CHECK(quiz.characterOnShow() == last);
        CHECK(window.prompt == u"第91个字");
    }

    TEST_CASE("a new draw resets the count but keeps the title")
    {
        ScriptedRandom random({ 0.5f, 0.2f });
        RecordingWindow window;
        window.recognised = true;
        Quiz quiz(bands(), random, window);
        quiz.drawTest();
        answer(quiz, 10);
        CHECK(window.title == u"你认识740个字！");
        quiz.drawTest();
        CHECK(window.title == u"你认识740个字！");
        CHECK(quiz.estimateOnShow() == 740);
        CHECK(quiz.state().knownCount == 0);
        CHECK(quiz.state().currentIndex == 1);
        CHECK(window.prompt == u"第1个字：");
        quiz.submitAnswer();
        CHECK(window.title == u"你认识74个字！");
        // A new draw after the end starts a fresh test that can end again.
        answer(quiz, 90);
        quiz.drawTest();
        answer(quiz, 91);
        CHECK(window.endMessages.size() == 2);
    }
}
