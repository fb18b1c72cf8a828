// The page's program: the window and its handlers, which live as long as the page; the page's
// script passes each click in.
#include "browser_shell.h"
#include "runtime/runtime.h"
#include "texts/texts.h"
#include "web_window.h"

#include <emscripten.h>

#include <exception>
#include <memory>

namespace
{
std::unique_ptr<vorlank::ui::web::WebWindow> window;

EM_JS(void, pageReady, (), { vorlankPage.ready(Module); });
EM_JS(void, cannotStart, (const char16_t *text, int length),
    { vorlankPage.showBox(UTF16ToString(text, 2 * length), ""); });
} // namespace

// What a click on an element runs (ui::Action, by number).
extern "C" EMSCRIPTEN_KEEPALIVE void vorlank_click(int action)
{
    if (window)
        window->click(static_cast<vorlank::ui::Action>(action));
}

int main()
{
    static vorlank::runtime::ClockRandom random;
    static vorlank::ui::web::BrowserShell shell;
    try {
        window = std::make_unique<vorlank::ui::web::WebWindow>(shell, random);
    } catch (const std::exception &e) {
        // Only a damaged build gets here (its embedded inventory does not load): say so plainly.
        std::u16string text = vorlank::texts::cannotStart;
        for (const char *c = e.what(); *c; ++c)
            text += static_cast<char16_t>(static_cast<unsigned char>(*c));
        cannotStart(text.data(), static_cast<int>(text.size()));
        return 1;
    }
    pageReady();
    return 0;
}
