// The core as the model the window harnesses ask, instead of a model of their own: it reads
// users' actions, one a line, as tests/journeys.txt writes them, and after each prints the view
// of the step as the page reads it, one line of JSON, with "focus": the name of what has the
// focus, or null. Its draws are its own, so it answers for everything but the characters drawn.
// Usage: window_oracle window|page|column
#include "journey.h"
#include "runtime/runtime.h"
#include "ui/view_json.h"

#include <iostream>
#include <string>

using namespace vorlank;

int main(int argc, char *argv[])
{
    const std::string asked = argc == 2 ? argv[1] : "";
    if (asked != "window" && asked != "page" && asked != "column") {
        std::cerr << "usage: window_oracle window|page|column\n";
        return 2;
    }
    const ui::Keyboard keyboard = asked == "window" ? ui::Keyboard::Window
        : asked == "page"                           ? ui::Keyboard::Page
                                                    : ui::Keyboard::Column;
    runtime::ClockRandom random;
    ui::WindowState state(ui::Opener::Desktop, random);
    journeys::Walk walk(state, keyboard);
    for (std::string action; std::getline(std::cin, action);) {
        try {
            walk.take(action);
        } catch (const std::exception &e) {
            std::cerr << "window_oracle: " << e.what() << '\n';
            return 1;
        }
        std::string view = ui::json(walk.last());
        view.pop_back(); // its closing brace
        const ui::Element *focus = walk.focus();
        std::cout << view << R"(,"focus":)"
                  << (focus ? ui::jsonString(runtime::toUtf8(ui::shownText(walk.last(), *focus)))
                            : "null")
                  << "}" << std::endl;
    }
    return 0;
}
