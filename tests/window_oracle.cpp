// The core as the model the window harnesses ask, instead of a model of their own: it reads
// users' actions, one a line, as tests/journeys.txt writes them, and after each prints what the
// window shows as one line of JSON: {"title", "prompt", "box" (the open box's message or null),
// "focus" (the name of what has the focus, or null), "address" (the address it gave to open),
// "announcement" (what a screen reader was told), "testUnderWay"}. Its draws are its own, so it
// answers for everything but the characters drawn. Usage: window_oracle window|page|column
#include "journey.h"
#include "runtime/runtime.h"

#include <iostream>
#include <string>

using namespace vorlank;

namespace
{
std::string json(std::u16string_view text)
{
    std::string out = "\"";
    for (const char c : runtime::toUtf8(text)) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c == '\n' ? ' ' : c;
    }
    return out + '"';
}
} // namespace

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
        const ui::View &v = walk.last();
        std::cout << R"({"title": )" << json(v.title) << R"(, "prompt": )" << json(v.prompt)
                  << R"(, "box": )" << (walk.box() ? json(walk.box()->message) : "null")
                  << R"(, "focus": )"
                  << (walk.focus() ? json(journeys::nameOf(*walk.focus(), v)) : "null")
                  << R"(, "address": ")" << v.address << R"(", "announcement": )"
                  << json(v.announcement) << R"(, "testUnderWay": )"
                  << (v.testUnderWay ? "true" : "false") << "}" << std::endl;
    }
    return 0;
}
