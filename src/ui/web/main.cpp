// The page's program: the window's state, which lives as long as the page. The page's script
// (page/page.js, linked in as a library) passes each click and key in and draws each step that
// comes back (page/start.js): the step crosses as JSON, the answer to the call. Nothing here calls
// the page while it draws.
#include "inventory/inventory.h"
#include "packed_inventory.h"
#include "runtime/runtime.h"
#include "ui/view_json.h"
#include "ui/window_state.h"

#include <emscripten.h>

#include <unistd.h>

#include <memory>
#include <string>

using namespace vorlank;

namespace page
{
// The inventory as the bands' characters in GBK, packed, written at build time (page_writer
// --inventory).
std::string_view inventory();
} // namespace page

extern "C" {
// In page/page.js: runs the start's stages, each in a task of its own.
void vorlank_page_begin();
}

namespace
{
std::unique_ptr<ui::WindowState> state;
// The program starts in four short tasks after the one that made it: the inventory decoded, the
// bands, the window's state and the first step, so that the page answers a reader between them.
// The page drawn at build time is on show meanwhile, and the clicks made meanwhile wait.
std::u16string characters;
inventory::Bands bands;
int nextStage = 0;
// The last step given, as JSON, which the page reads before it calls again.
std::string given;

// The browser's own random source, which the standard library's device would reach by a longer
// way, with all its error reporting.
std::uint64_t browserSalt()
{
    std::uint64_t salt = 0;
    getentropy(&salt, sizeof salt);
    return salt;
}

const char *give(const ui::Step &step)
{
    given = ui::json(step);
    return given.c_str();
}

const ui::Element *elementAt(int index)
{
    const auto all = ui::elements();
    return index >= 0 && static_cast<std::size_t>(index) < all.size()
        ? &all[static_cast<std::size_t>(index)]
        : nullptr;
}
} // namespace

// A click on the element at `element` in the table, `repeated` by a key held down, or not (0);
// null for any other number.
extern "C" EMSCRIPTEN_KEEPALIVE const char *vorlank_click(int element, int repeated)
{
    const ui::Element *e = elementAt(element);
    return state && e ? give(state->click(*e, repeated ? ui::Press::Repeat : ui::Press::Fresh))
                      : nullptr;
}

// The browser did not open the address the last step gave (it blocked the new tab).
extern "C" EMSCRIPTEN_KEEPALIVE const char *vorlank_open_failed()
{
    return state ? give(state->openFailed()) : nullptr;
}

// ui::Key `key` pressed on the element at `element` on ui::Keyboard `keyboard`: the step, or null
// where the key is not the window's or any number is out of range.
extern "C" EMSCRIPTEN_KEEPALIVE const char *vorlank_press(int element, int key, int keyboard)
{
    const ui::Element *from = elementAt(element);
    if (!state || !from || key < 0 || key > static_cast<int>(ui::Key::Previous) || keyboard < 0
        || keyboard > static_cast<int>(ui::Keyboard::Column))
        return nullptr;
    const ui::Step step
        = state->press(*from, static_cast<ui::Key>(key), static_cast<ui::Keyboard>(keyboard));
    return step.effects.focus ? give(step) : nullptr;
}

// Stage `stage` of the start, each in its turn and once: null while stages remain, then the
// window's first step, or the step of a start that failed. A `seed` of 0 or more repeats the
// draws of that seed (the page's ?seed=); otherwise they follow the clock.
extern "C" EMSCRIPTEN_KEEPALIVE const char *vorlank_start(int stage, int seed)
{
    if (stage != nextStage)
        return nullptr;
    ++nextStage;
    // The build has checked that the inventory gives back the blocks' bands, so nothing here
    // fails; were it to, the program would stop, as the page reports.
    switch (stage) {
    case 0:
        characters = runtime::decodeGbk(ui::web::unpackInventory(page::inventory()));
        return nullptr;
    case 1:
        bands = inventory::bandsFromCharacters(characters);
        characters = {};
        return nullptr;
    case 2: {
        static const std::unique_ptr<runtime::RandomSource> random = seed >= 0
            ? std::unique_ptr<runtime::RandomSource>(
                std::make_unique<runtime::SeededRandom>(static_cast<std::uint64_t>(seed)))
            : std::make_unique<runtime::ClockRandom>(browserSalt());
        state = std::make_unique<ui::WindowState>(ui::Opener::Browser, *random, std::move(bands));
        return nullptr;
    }
    default:
        return give({ state->view(), {} });
    }
}

int main()
{
    vorlank_page_begin();
    return 0;
}
