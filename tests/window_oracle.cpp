// The core as the model every window harness asks, instead of a model of its own. It alone reads
// the table of journeys; its draws are those of the seed it is given, as the harnessed window's
// are, so that everything it says can be compared whole.
// Usage: window_oracle rows KEYBOARD SEED: each row of tests/journeys.txt that KEYBOARD (window,
//          page or column) takes, one line of JSON: {"line": the row as written, "context": [...],
//          "steps": [{"action": null, "observed": ...}, {"action": "提交", "observed": ...}, ...]},
//          the first step what the window shows at its start (Walk::observe says what each holds)
//        window_oracle walk KEYBOARD SEED [CONTEXT...]: the actions read one a line, and after each
//          what the window shows, one line of JSON; the first line is the start.
#include "journey.h"
#include "runtime/runtime.h"
#include "ui/view_json.h"

#include <algorithm>
#include <iostream>
#include <string>

namespace tables
{
std::string_view journeys(); // tests/journeys.txt, embedded at build time
} // namespace tables

using namespace vorlank;

int main(int argc, char *argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::string keyboards[] = { "window", "page", "column" };
    const auto keyboard = args.size() >= 3
        ? std::find(std::begin(keyboards), std::end(keyboards), args[1])
        : std::end(keyboards);
    if ((args.empty() || (args[0] != "rows" && args[0] != "walk"))
        || keyboard == std::end(keyboards)
        || args[2].find_first_not_of("0123456789") != std::string::npos) {
        std::cerr << "usage: window_oracle rows|walk window|page|column SEED [CONTEXT...]\n";
        return 2;
    }
    const auto which = static_cast<ui::Keyboard>(keyboard - std::begin(keyboards));
    const std::uint64_t seed = std::stoull(args[2]);
    try {
        if (args[0] == "walk") {
            runtime::SeededRandom random(seed);
            journeys::Walk walk(which, { args.begin() + 3, args.end() }, random);
            std::cout << walk.observe() << std::endl;
            for (std::string action; std::getline(std::cin, action);) {
                walk.take(action);
                std::cout << walk.observe() << std::endl;
            }
            return 0;
        }
        for (const journeys::Row &row : journeys::parse(tables::journeys())) {
            if (std::find(row.keyboards.begin(), row.keyboards.end(), which) == row.keyboards.end())
                continue;
            runtime::SeededRandom random(seed);
            journeys::Walk walk(which, row.context, random);
            std::string context;
            for (const std::string &word : row.context) {
                if (!context.empty())
                    context += ',';
                context += ui::jsonString(word);
            }
            std::cout << R"({"line":)" << ui::jsonString(row.line) << R"(,"context":[)" << context
                      << R"(],"steps":[{"action":null,"observed":)" << walk.observe() << "}";
            for (const std::string &action : row.actions) {
                walk.take(action);
                std::cout << R"(,{"action":)" << ui::jsonString(action) << R"(,"observed":)"
                          << walk.observe() << "}";
            }
            std::cout << "]}\n";
        }
    } catch (const std::exception &e) {
        std::cerr << "window_oracle: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
