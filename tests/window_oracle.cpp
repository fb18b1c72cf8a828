// The core as the model every window harness asks, instead of a model of its own. It alone reads
// the table of journeys; its draws are those of the seed it is given, as the harnessed window's
// are, so that everything it says can be compared whole.
// Usage: window_oracle rows KEYBOARD SEED: each row of tests/journeys.txt that KEYBOARD (window,
//          page or column) takes, one line of JSON: {"line": the row as written, "context": [...],
//          "steps": [{"action": null, "observed": ...}, {"action": "提交", "observed": ...}, ...]},
//          the first step what the window shows at its start (Walk::observe says what each holds)
//        window_oracle walk KEYBOARD SEED [CONTEXT...]: the actions read one a word, and for each
//          (and first for the start) a step as the rows have them, one a line.
#include "journey.h"
#include "runtime/runtime.h"
#include "ui/view_json.h"

#include <algorithm>
#include <functional>
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
    const auto keyboard
        = std::find(std::begin(keyboards), std::end(keyboards), args.size() > 2 ? args[1] : "");
    if (keyboard == std::end(keyboards) || (args[0] != "rows" && args[0] != "walk")
        || args[2].find_first_not_of("0123456789") != std::string::npos) {
        std::cerr << "usage: window_oracle rows|walk window|page|column SEED [CONTEXT...]\n";
        return 2;
    }
    const auto which = static_cast<ui::Keyboard>(keyboard - std::begin(keyboards));
    // One row: the window's start, then each action and what follows it; walking, a line each.
    const bool walking = args[0] == "walk";
    const auto walk = [&](const std::vector<std::string> &context,
                          const std::function<bool(std::string &)> &next) {
        runtime::SeededRandom random(std::stoull(args[2]));
        journeys::Walk walk(which, context, random);
        const auto step = [&](const std::string &action) {
            std::cout << R"({"action":)" << (action.empty() ? "null" : ui::jsonString(action))
                      << R"(,"observed":)" << walk.observe() << '}' << (walking ? "\n" : "")
                      << std::flush;
        };
        step({});
        for (std::string action; next(action);) {
            walk.take(action);
            std::cout << (walking ? "" : ",");
            step(action);
        }
    };
    try {
        if (args[0] == "walk") // an action a line, read as they come
            walk({ args.begin() + 3, args.end() },
                [](std::string &action) { return static_cast<bool>(std::cin >> action); });
        for (const journeys::Row &row : args[0] == "rows" ? journeys::parse(tables::journeys())
                                                          : std::vector<journeys::Row>()) {
            if (std::find(row.keyboards.begin(), row.keyboards.end(), which) == row.keyboards.end())
                continue;
            std::string context;
            for (const std::string &word : row.context)
                context.append(context.empty() ? "" : ",").append(ui::jsonString(word));
            std::cout << R"({"line":)" << ui::jsonString(row.line) << R"(,"context":[)" << context
                      << R"(],"steps":[)";
            std::size_t taken = 0;
            walk(row.context, [&](std::string &action) {
                return taken < row.actions.size() && !(action = row.actions[taken++]).empty();
            });
            std::cout << "]}\n";
        }
    } catch (const std::exception &e) {
        std::cerr << "window_oracle: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
