// Decoding the inventory and filling the bands (the window's load), drawing a test and taking a
// whole 91-answer test.
#include "fakes.h"
#include "inventory/inventory.h"
#include "quiz/quiz.h"

#include <benchmark/benchmark.h>

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
// A loaded inventory and a test run on a recording window, answering "认识" throughout.
struct Run {
    inventory::InventoryTexts texts = inventory::embeddedInventory();
    inventory::Bands bands = inventory::loadBands(texts.text1, texts.text2);
    runtime::ClockRandom random;
    RecordingWindow window;
    quiz::Quiz quiz { bands, random, window };
    Run() { window.recognised = true; }
};
} // namespace

static void drawTest(benchmark::State &state)
{
    Run run;
    for (auto _ : state) {
        run.quiz.drawTest();
        benchmark::DoNotOptimize(run.quiz.state().testString.data());
    }
}
BENCHMARK(drawTest)->Unit(benchmark::kMicrosecond);

static void wholeTest(benchmark::State &state)
{
    Run run;
    for (auto _ : state) {
        run.window.titles.clear();
        run.window.endMessages.clear();
        run.quiz.drawTest();
        for (int i = 0; i < quiz::testLength; ++i)
            run.quiz.submitAnswer();
    }
}
BENCHMARK(wholeTest)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
