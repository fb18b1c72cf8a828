// How far one test's estimate lies from the truth: simulated readers take many tests drawn and
// scored by the program's own code (the inventory's bands, the draw, the answers and the title).
#pragma once

#include "inventory/inventory.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vorlank::simulation
{

// A reader, told by the chance of knowing each character, by frequency rank (0: the commonest).
struct Reader {
    std::string name;
    std::vector<double> knows;
    // The number of characters the reader knows, expected over the whole inventory.
    double trueKnown() const;
};

// Knows a character of rank r with chance 1 / (1 + exp((r − midpoint) / slope)).
Reader logisticReader(double midpoint, double slope, std::size_t ranks);
// Knows exactly the `k` commonest characters.
Reader topReader(std::size_t k, std::size_t ranks);

struct Summary {
    double trueKnown = 0;
    double mean = 0; // mean estimate of one test
    double bias = 0; // mean − trueKnown
    std::vector<double> spread; // standard deviation of the average of n tests, n = 1, 2, 3, 5
};

// The averages the summary gives spreads for.
inline const std::vector<int> averagedTests { 1, 2, 3, 5 };

class Simulation
{
public:
    // Loads the embedded inventory into its bands; the seed fixes every draw and answer.
    explicit Simulation(std::uint64_t seed);

    // The number of characters in the inventory.
    std::size_t ranks() const { return ranks_; }
    const inventory::Bands &bands() const { return bands_; }

    // The estimates of `tests` tests the reader takes one after another.
    std::vector<std::int32_t> run(const Reader &reader, int tests);

    // The mean estimate exactly: 74 × Σ over bands of 7 × the mean chance over the band's
    // characters, as every draw is uniform within its band.
    double expectedEstimate(const Reader &reader) const;

private:
    std::uint64_t seed_;
    inventory::InventoryTexts texts_;
    inventory::Bands bands_;
    std::vector<int> rankOf_; // by UTF-16 code unit; -1 outside the inventory
    std::size_t ranks_ = 0;
};

Summary summarise(const Reader &reader, const std::vector<std::int32_t> &estimates);

} // namespace vorlank::simulation
