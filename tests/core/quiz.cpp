#include "quiz/quiz.h"
#include "core_test.h"
#include "fakes.h"

#include <cmath>
#include <set>
#include <utility>

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
    // Seven draws from each band, band 0 first, each at floor(r × the band's size): the first
    // item, one from the middle and the last of each band, as the inventory ranks them.
    TEST_CASE("the draw takes seven from each band in order, up to each band's last item")
    {
        const std::pair<float, std::u16string_view> draws[] = {
            { 0.0f, u"不索继份峡帛颊瑜滁龇柽銎軎" }, { 0.5f, u"需智狠腔喻牡衅潼幂锃邬螽舴" },
            { std::nextafter(1.0f, 0.0f), u"圈臭仿扁炕嗝甄犄嘹栀锴轼亻" },
            { 1.0f, u"圈臭仿扁炕嗝甄犄嘹栀锴轼亻" }, // a generator at the edge stays inside
        };
        for (const auto &draw : draws) {
            CAPTURE(draw.first);
            ScriptedRandom random({ draw.first });
            Quiz quiz(bands(), random);
            quiz.drawTest();
            CHECK(random.reseeds == 91); // one reseed before every draw
            CHECK(quiz.promptOnShow() == u"第1个字：");
            std::u16string expected;
            for (const char16_t item : draw.second)
                expected.append(7, item);
            CHECK(shownThroughout(quiz) == expected);
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
