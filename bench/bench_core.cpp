// Decoding the inventory and filling the bands (the window's load), drawing a test and taking a
// whole 91-answer test through the window's state.
#include "inventory/inventory.h"
#include "quiz/quiz.h"
#include "ui/window_state.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

using namespace vorlank;

static void loadBandsWithDecoding(benchmark::State &state)
{
    for (auto _ : state) {
        const inventory::InventoryTexts texts = inventory::embeddedInventory();
        benchmark::DoNotOptimize(inventory::loadBands(texts.text1, texts.text2));
    }
}
BENCHMARK(loadBandsWithDecoding)->Unit(benchmark::kMicrosecond);

static void decodingOnly(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(inventory::embeddedInventory());
}
BENCHMARK(decodingOnly)->Unit(benchmark::kMicrosecond);

namespace
{
// A loaded inventory and a test run.
struct Run {
    inventory::InventoryTexts texts = inventory::embeddedInventory();
    inventory::Bands bands = inventory::loadBands(texts.text1, texts.text2);
    runtime::ClockRandom random;
    quiz::Quiz quiz { bands, random };
};
} // namespace

static void drawTest(benchmark::State &state)
{
    Run run;
    for (auto _ : state) {
        run.quiz.drawTest();
        benchmark::DoNotOptimize(run.quiz.characterOnShow().data());
    }
}
BENCHMARK(drawTest)->Unit(benchmark::kMicrosecond);

// A whole test through the window's state, answering "认识" throughout: every click gives a view.
static void wholeTest(benchmark::State &state)
{
    runtime::ClockRandom random;
    ui::WindowState window(ui::Opener::Desktop, random);
    const auto running = [](ui::Action action) -> const ui::Element & {
        for (const ui::Element &e : ui::elements())
            if (e.click == action)
                return e;
        throw std::logic_error("no element runs that");
    };
    const ui::Element &start = running(ui::Action::DrawTest);
    const ui::Element &submit = running(ui::Action::SubmitAnswer);
    window.click(running(ui::Action::ChooseRecognised));
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.click(start));
        for (int i = 0; i < quiz::testLength; ++i)
            benchmark::DoNotOptimize(window.click(submit));
    }
}
BENCHMARK(wholeTest)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
