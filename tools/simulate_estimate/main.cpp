// Prints, for readers from 500 to 6500 known characters, how the estimates of the program's own
// test fall: the mean, the bias and the spread of one test and of the average of 2, 3 and 5.
// Usage: simulate_estimate [--tests N] [--seed S] [--data FILE]
#include "simulation.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

using namespace vorlank::simulation;

namespace
{
constexpr double logisticSlope
    = 300; // ranks over which the chance of knowing falls from 73% to 27%

void printRow(const char *kind, const Summary &s)
{
    std::printf("| %-8s | %5.0f | %5.0f | %+5.0f |", kind, s.trueKnown, s.mean, s.bias);
    for (const double spread : s.spread)
        std::printf(" %4.0f |", spread);
    std::printf("\n");
}
} // namespace

int main(int argc, char *argv[])
{
    int tests = 10000;
    std::uint64_t seed = 20261207;
    std::string data;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--tests") == 0)
            tests = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        else if (std::strcmp(argv[i], "--data") == 0)
            data = argv[i + 1];
    }
    if (tests < 10) {
        std::fprintf(stderr, "usage: %s [--tests N>=10] [--seed S] [--data FILE]\n", argv[0]);
        return 2;
    }

    Simulation simulation(seed);
    std::ofstream out;
    if (!data.empty())
        out.open(data);
    std::printf("seed %llu, %d tests per reader; logistic readers fall off over %.0f ranks\n\n",
        static_cast<unsigned long long>(seed), tests, logisticSlope);
    std::printf("| reader   | knows | mean  | bias  | sd 1 | sd 2 | sd 3 | sd 5 |\n");
    std::printf("|----------|------:|------:|------:|-----:|-----:|-----:|-----:|\n");
    for (const bool logistic : { true, false }) {
        for (int known = 500; known <= 6500; known += 500) {
            const Reader reader = logistic
                ? logisticReader(known, logisticSlope, simulation.ranks())
                : topReader(static_cast<std::size_t>(known), simulation.ranks());
            const Summary s = summarise(reader, simulation.run(reader, tests));
            printRow(logistic ? "logistic" : "top K", s);
            if (out)
                out << (logistic ? "logistic" : "top") << ' ' << s.trueKnown << ' ' << s.mean << ' '
                    << s.bias << ' ' << s.spread[0] << ' ' << s.spread[1] << ' ' << s.spread[2]
                    << ' ' << s.spread[3] << '\n';
        }
        if (out)
            out << "\n\n"; // a gnuplot data block per kind of reader
    }
    return 0;
}
