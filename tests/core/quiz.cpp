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

// The characters a drawn test shows, one after another, as its answers move through it.
std::u16string shownThroughout(Quiz &quiz)
{
    std::u16string shown;
    do
        shown += quiz.characterOnShow();
    while (quiz.submitAnswer(false) == Quiz::Submitted::Counted);
    return shown;
}
} // namespace

TEST_SUITE("quiz")
{
    TEST_CASE("the draw takes seven from each band in order")
    {
        const std::vector<float> script = { 0.0f, 0.25f, 0.5f, 0.75f, 0.999f, 0.1f, 0.3f, 0.6f };
        ScriptedRandom random(script);
        Quiz quiz(bands(), random);
        quiz.drawTest();
        CHECK(random.reseeds == 91); // one reseed before every draw
        CHECK(quiz.promptOnShow() == u"第1个字：");
        const std::u16string test = shownThroughout(quiz);
        for (std::size_t p = 1; p <= 91; ++p) {
            const auto &band = bands()[(p - 1) / 7];
            const float r = script[(p - 1) % script.size()];
            const auto k = static_cast<int>(std::floor(r * static_cast<float>(band.count())));
            CHECK(test.substr(p - 1, 1) == band.item(k));
        }
    }

    TEST_CASE("the draw stays inside the band at the top of the range")
    {
        for (const float r : { std::nextafter(1.0f, 0.0f), 1.0f }) {
            ScriptedRandom random({ r });
            Quiz quiz(bands(), random);
            quiz.drawTest();
            const std::u16string test = shownThroughout(quiz);
            for (std::size_t p = 1; p <= 91; ++p) {
                const auto &band = bands()[(p - 1) / 7];
                CHECK(test.substr(p - 1, 1) == band.item(band.count() - 1));
            }
        }
    }

    TEST_CASE("clock draws do not repeat themselves")
    {
        runtime::ClockRandom random;
        Quiz quiz(bands(), random);
        quiz.drawTest();
        const std::u16string first = shownThroughout(quiz);
        // 91 reseeds in quick succession: with 500 or more items a band, repeats are rare.
        CHECK(std::set<char16_t>(first.begin(), first.end()).size() >= 80);
        quiz.drawTest();
        CHECK(shownThroughout(quiz) != first);
    }
}
