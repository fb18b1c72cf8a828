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
} // namespace

TEST_SUITE("quiz")
{
    TEST_CASE("the draw takes seven from each band in order")
    {
        const std::vector<float> script = { 0.0f, 0.25f, 0.5f, 0.75f, 0.999f, 0.1f, 0.3f, 0.6f };
        ScriptedRandom random(script);
        Quiz quiz(bands(), random);
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
        CHECK(quiz.characterOnShow() == test.substr(0, 1));
        CHECK(quiz.state().currentIndex == 1);
    }

    TEST_CASE("the draw stays inside the band at the top of the range")
    {
        for (const float r : { std::nextafter(1.0f, 0.0f), 1.0f }) {
            ScriptedRandom random({ r });
            Quiz quiz(bands(), random);
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
        Quiz quiz(bands(), random);
        quiz.drawTest();
        const std::u16string first = quiz.state().testString;
        // 91 reseeds in quick succession: with 500 or more items a band, repeats are rare.
        CHECK(std::set<char16_t>(first.begin(), first.end()).size() >= 80);
        quiz.drawTest();
        CHECK(quiz.state().testString != first);
    }
}
