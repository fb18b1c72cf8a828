#include "simulation.h"

#include "quiz/quiz.h"

#include <cmath>
#include <numeric>
#include <random>
#include <stdexcept>

namespace vorlank::simulation
{

namespace
{
// The program's generator reseeds from the clock; here one seeded stream stands in for it, so
// that a run can be repeated. Values are 24-bit floats below 1, as the program's are.
class SeededRandom final : public runtime::RandomSource
{
public:
    explicit SeededRandom(std::uint64_t seed)
        : engine_(seed)
    {
    }
    void reseed() override { }
    float next() override { return runtime::unitFloat(engine_()); }

private:
    std::mt19937_64 engine_;
};

// A reader's answers: "认识" for the character on show with the reader's chance of knowing it.
class ReaderAnswers
{
public:
    ReaderAnswers(const Reader &reader, const std::vector<int> &rankOf, std::uint64_t seed)
        : reader_(reader)
        , rankOf_(rankOf)
        , engine_(seed)
    {
    }
    bool knows(std::u16string_view character)
    {
        const int rank = character.empty() ? -1 : rankOf_[character[0]];
        if (rank < 0)
            throw std::logic_error("a character outside the inventory was drawn");
        return chance_(engine_) < reader_.knows[static_cast<std::size_t>(rank)];
    }

private:
    const Reader &reader_;
    const std::vector<int> &rankOf_;
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> chance_ { 0.0, 1.0 };
};
} // namespace

double Reader::trueKnown() const
{
    return std::accumulate(knows.begin(), knows.end(), 0.0);
}

Reader logisticReader(double midpoint, double slope, std::size_t ranks)
{
    Reader reader { "logistic " + std::to_string(static_cast<int>(midpoint)), {} };
    reader.knows.reserve(ranks);
    for (std::size_t r = 0; r < ranks; ++r)
        reader.knows.push_back(1.0 / (1.0 + std::exp((static_cast<double>(r) - midpoint) / slope)));
    return reader;
}

Reader topReader(std::size_t k, std::size_t ranks)
{
    Reader reader { "top " + std::to_string(k), std::vector<double>(ranks, 0.0) };
    for (std::size_t r = 0; r < k && r < ranks; ++r)
        reader.knows[r] = 1.0;
    return reader;
}

Simulation::Simulation(std::uint64_t seed)
    : seed_(seed)
    , texts_(inventory::embeddedInventory())
    , bands_(inventory::loadBands(texts_.text1, texts_.text2))
    , rankOf_(0x10000, -1)
{
    // The bands hold the inventory from the commonest character to the rarest.
    int rank = 0;
    for (const inventory::FrequencyBand &band : bands_)
        for (const char16_t c : band.items())
            rankOf_[c] = rank++;
    ranks_ = static_cast<std::size_t>(rank);
}

std::vector<std::int32_t> Simulation::run(const Reader &reader, int tests)
{
    SeededRandom draws(seed_);
    ReaderAnswers answers(reader, rankOf_, seed_ + 1);
    quiz::Quiz quiz(bands_, draws);
    std::vector<std::int32_t> estimates;
    estimates.reserve(static_cast<std::size_t>(tests));
    for (int t = 0; t < tests; ++t) {
        quiz.drawTest();
        for (int answer = 0; answer < quiz::testLength; ++answer)
            quiz.submitAnswer(answers.knows(quiz.characterOnShow()));
        estimates.push_back(quiz.estimateOnShow().value_or(0));
    }
    return estimates;
}

double Simulation::expectedEstimate(const Reader &reader) const
{
    double sum = 0;
    for (const inventory::FrequencyBand &band : bands_) {
        double chance = 0;
        for (const char16_t c : band.items())
            chance += reader.knows[static_cast<std::size_t>(rankOf_[c])];
        sum += quiz::drawsPerBand * chance / band.count();
    }
    return quiz::estimateFactor * sum;
}

Summary summarise(const Reader &reader, const std::vector<std::int32_t> &estimates)
{
    Summary s;
    s.trueKnown = reader.trueKnown();
    const auto deviation = [](const std::vector<double> &values) {
        const double mean = std::accumulate(values.begin(), values.end(), 0.0)
            / static_cast<double>(values.size());
        double squares = 0;
        for (const double v : values)
            squares += (v - mean) * (v - mean);
        return std::sqrt(squares / static_cast<double>(values.size() - 1));
    };
    for (const int n : averagedTests) {
        // Consecutive tests averaged n at a time, as a reader who takes the test n times.
        std::vector<double> averages;
        for (std::size_t i = 0; i + static_cast<std::size_t>(n) <= estimates.size();
             i += static_cast<std::size_t>(n))
            averages.push_back(std::accumulate(estimates.begin() + static_cast<std::ptrdiff_t>(i),
                                   estimates.begin() + static_cast<std::ptrdiff_t>(i) + n, 0.0)
                / n);
        if (n == 1)
            s.mean = std::accumulate(averages.begin(), averages.end(), 0.0)
                / static_cast<double>(averages.size());
        s.spread.push_back(deviation(averages));
    }
    s.bias = s.mean - s.trueKnown;
    return s;
}

} // namespace vorlank::simulation
