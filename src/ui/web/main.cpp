// The page's program: the window's state, which lives as long as the page. The page's script
// (page/page.js, linked in as a library) passes each click in and draws each view that comes out;
// the view crosses as JSON, in one call.
#include "dom.h"
#include "inventory/inventory.h"
#include "runtime/runtime.h"
#include "texts/texts.h"
#include "ui/window_state.h"

#include <emscripten.h>

#include <memory>
#include <string>
#include <utility>

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
std::string opening; // the address the last view gave to open
// The program starts in four short tasks after the one that made it: a block of the inventory
// each, the bands, and the page brought to life, so that the page answers a reader between them.
// The page drawn at build time is on show meanwhile, and the clicks made meanwhile wait.
inventory::InventoryTexts loading;

// `text` as a JSON string.
std::string json(std::string_view utf8)
{
    std::string out = "\"";
    for (const char c : utf8) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr char digits[] = "0123456789abcdef";
            out += "\\u00";
            out += digits[static_cast<unsigned char>(c) >> 4U];
            out += digits[static_cast<unsigned char>(c) & 0xFU];
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string json(std::u16string_view text)
{
    return json(std::string_view(runtime::toUtf8(text)));
}

// The view as the page's script reads it: elements by their ids in the page.
std::string json(const ui::View &v)
{
    std::string texts;
    for (const ui::ElementText &t : v.texts)
        texts += (texts.empty() ? "[" : ",[") + json(std::string_view(ui::web::domId(*t.element)))
            + "," + json(t.text) + "]";
    const std::string box = v.box ? "{\"message\":" + json(v.box->message) + ",\"detail\":"
            + json(v.box->detail) + ",\"warning\":" + (v.box->warning ? "true" : "false") + "}"
                                  : "null";
    return "{\"title\":" + json(v.title) + ",\"texts\":[" + texts + "],\"checked\":"
        + (v.checked ? json(std::string_view(ui::web::domId(*v.checked))) : "null") + ",\"box\":"
        + box + ",\"address\":" + json(std::string_view(v.address)) + ",\"announcement\":"
        + json(v.announcement) + ",\"underWay\":" + (v.testUnderWay ? "true" : "false") + "}";
}

void draw(const ui::View &view)
{
    opening = view.address;
    vorlank_page_draw(json(view).c_str());
}
} // namespace

// A click on an element that runs ui::Action number `action`; any other number is ignored.
extern "C" EMSCRIPTEN_KEEPALIVE void vorlank_click(int action)
{
    if (state && action >= 0 && action < ui::actionCount)
        draw(state->click(static_cast<ui::Action>(action)));
}

// The browser did not open the address the last view gave (it blocked the new tab).
extern "C" EMSCRIPTEN_KEEPALIVE void vorlank_open_failed()
{
    if (state && !opening.empty())
        draw(state->openFailed(std::exchange(opening, {}), ui::WindowState::Opener::Browser));
}

// Step `stage` of the start; the page runs the next one in a task of its own.
extern "C" EMSCRIPTEN_KEEPALIVE void vorlank_start(int stage)
{
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
            state = std::make_unique<ui::WindowState>(random, std::move(loading));
            break;
        }
        default:
            draw(state->view());
            vorlank_page_ready();
            return;
        }
    } catch (const std::exception &e) {
        // Only a damaged build gets here (its embedded inventory does not load): say so plainly.
        ui::View failed;
        failed.title = texts::windowTitle;
        failed.box = ui::Box { ui::cannotStartMessage(e), {}, true };
        draw(failed);
        return;
    }
    vorlank_page_later(stage + 1);
}

int main()
{
    vorlank_page_later(0);
    return 0;
}
