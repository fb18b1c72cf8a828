// The page's program: the window's state, which lives as long as the page. The page's script
// (page/page.js, linked in as a library) passes each click and key in and hands each view that
// comes out to the page (page/start.js), which draws it; the view crosses as JSON, in one call.
#include "inventory/inventory.h"
#include "runtime/runtime.h"
#include "ui/view_json.h"
#include "ui/window_state.h"

#include <emscripten.h>

#include <memory>

using namespace vorlank;

extern "C" {
// In page/page.js.
void vorlank_page_draw(const char *viewJson);
void vorlank_page_ready();
void vorlank_page_later(int stage);
}

namespace
{
std::unique_ptr<ui::WindowState> state;
// The program starts in four short tasks after the one that made it: a block of the inventory
// each, the bands, and the page brought to life, so that the page answers a reader between them.
// The page drawn at build time is on show meanwhile, and the clicks made meanwhile wait.
inventory::InventoryTexts loading;
int nextStage = 0;

void draw(const ui::View &view)
{
    vorlank_page_draw(ui::json(view).c_str());
}

const ui::Element *elementAt(int index)
{
    const auto all = ui::elements();
    return index >= 0 && static_cast<std::size_t>(index) < all.size()
        ? &all[static_cast<std::size_t>(index)]
        : nullptr;
}
} // namespace

// A click on the element at `element` in the table; any other number is ignored.
extern "C" EMSCRIPTEN_KEEPALIVE void vorlank_click(int element)
{
    if (const ui::Element *e = elementAt(element); state && e)
        draw(state->click(*e));
}

// The browser did not open the address the last view gave (it blocked the new tab).
extern "C" EMSCRIPTEN_KEEPALIVE void vorlank_open_failed()
{
    if (state)
        draw(state->openFailed());
}

// Where ui::Key `key` pressed on the element at `element` takes the focus on ui::Keyboard
// `keyboard`: the element's index, with 1000 added when the move chooses it; -1 where the key is
// not the window's, or any number is out of range.
extern "C" EMSCRIPTEN_KEEPALIVE int vorlank_focus(int element, int key, int keyboard)
{
    const ui::Element *from = elementAt(element);
    if (!state || !from || key < 0 || key > static_cast<int>(ui::Key::Previous) || keyboard < 0
        || keyboard > static_cast<int>(ui::Keyboard::Column))
        return -1;
    const ui::FocusMove move
        = state->focusMove(*from, static_cast<ui::Key>(key), static_cast<ui::Keyboard>(keyboard));
    if (!move.to)
        return -1;
    return static_cast<int>(ui::indexOf(*move.to)) + (move.chooses ? 1000 : 0);
}

// Step `stage` of the start, each in its turn and once; the page runs the next one in a task of
// its own.
extern "C" EMSCRIPTEN_KEEPALIVE void vorlank_start(int stage)
{
    if (stage != nextStage)
        return;
    ++nextStage;
    try {
        switch (stage) {
        case 0:
            loading.text1 = runtime::decodeGbk(inventory::embeddedText1Gbk());
            break;
        case 1:
            loading.text2 = runtime::decodeGbk(inventory::embeddedText2Gbk());
            break;
        case 2: {
            static runtime::ClockRandom random;
            state = std::make_unique<ui::WindowState>(
                ui::Opener::Browser, random, std::move(loading));
            break;
        }
        default:
            draw(state->view());
            vorlank_page_ready();
            return;
        }
    } catch (const std::exception &e) {
        // Only a damaged build gets here (its embedded inventory does not load): say so plainly.
        draw(ui::cannotStart(ui::StartStep::Inventory, e.what()));
        return;
    }
    vorlank_page_later(stage + 1);
}

int main()
{
    vorlank_page_later(0);
    return 0;
}
