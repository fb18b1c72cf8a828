// Writes the page, index.html, from its template (page/index.html.in) and start script
// (page/start.js), built in, and the element table at build time: every element at its twip
// rectangle for wide screens and in one column for narrow ones, with the window's first view, its
// faces, colours and pictures, so that the window is drawn before any script has run, and the
// view of a start that fails and each failure's box, which the start script shows. The program then
// only brings it to life. It also writes the inventory as the program carries it into the page.
// Usage, under Node, where it is built: page_writer > index.html; page_writer --twips > twips.json;
// page_writer --manifest > manifest.webmanifest; page_writer --inventory > page_inventory.cpp
#include "inventory/inventory.h"
#include "packed_inventory.h"
#include "page_markup.h"
#include "runtime/runtime.h"
#include "texts/texts.h"
#include "ui/view_json.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

using namespace vorlank;
using namespace vorlank::ui;

namespace page
{
std::string_view indexTemplate(); // page/index.html.in, embedded at build time
std::string_view startScript(); // page/start.js, likewise
} // namespace page

namespace
{
// The template with each @NAME@ replaced by its value.
std::string filled(
    std::string_view text, const std::vector<std::pair<std::string, std::string>> &values)
{
    std::string out;
    while (!text.empty()) {
        const std::size_t at = text.find('@');
        const std::size_t end = at == std::string_view::npos ? at : text.find('@', at + 1);
        if (end == std::string_view::npos) {
            out += text;
            break;
        }
        const std::string name(text.substr(at + 1, end - at - 1));
        const auto value = std::find_if(
            values.begin(), values.end(), [&](const auto &v) { return v.first == name; });
        out += text.substr(0, at);
        if (value == values.end()) { // not a placeholder: the first "@" stays
            out += '@';
            text.remove_prefix(at + 1);
            continue;
        }
        out += value->second;
        text.remove_prefix(end + 1);
    }
    return out;
}

// A start that fails: the stopped window's view, once, and the effects of each failure:
// "running" (the program), or a file of the page's that is "missing", "damaged" or "refused" (only
// WebAssembly can be), as "damaged vorlank.js".
std::string failures()
{
    std::string effects;
    for (const char *file : { "vorlank.js", "vorlank.wasm", "vorlank.wasm.js" })
        for (const auto &[what, step] : { std::pair { "missing ", StartStep::FileMissing },
                 std::pair { "damaged ", StartStep::FileDamaged },
                 std::pair { "refused ", StartStep::FileRefused } })
            if (step != StartStep::FileRefused || file == std::string_view("vorlank.wasm"))
                effects += jsonString(what + std::string(file)) + ":"
                    + json(cannotStart(step, file).effects) + ",";
    const Step running = cannotStart(StartStep::Running);
    return "{\"view\":" + json(running.view) + ",\"effects\":{" + effects
        + "\"running\":" + json(running.effects) + "}}";
}

// The bands' characters alone in GBK, packed, once they are seen to give back the very bands of
// the blocks they come from, as a C++ source (the program's output is text).
std::string pageInventory()
{
    const inventory::Bands bands = inventory::embeddedBands();
    const std::string bytes
        = web::packInventory(runtime::encodeGbk(inventory::bandCharacters(bands)));
    const inventory::Bands back
        = inventory::bandsFromCharacters(runtime::decodeGbk(web::unpackInventory(bytes)));
    for (std::size_t k = 0; k < bands.size(); ++k)
        if (back[k].items() != bands[k].items())
            throw std::runtime_error("the page's inventory gives band " + std::to_string(k)
                + " otherwise than the blocks");
    std::string source
        = "// Written by page_writer --inventory; do not edit.\n#include <string_view>\n"
          "namespace page\n{\nstd::string_view inventory()\n{\n    return { \"";
    for (const char c : bytes) {
        constexpr char digits[] = "0123456789ABCDEF";
        source += { '\\', 'x', digits[static_cast<unsigned char>(c) >> 4U], digits[c & 0xF] };
    }
    return source + "\", " + std::to_string(bytes.size()) + " };\n}\n} // namespace page\n";
}

// index.html.
std::string indexPage()
{
    runtime::ClockRandom random;
    const View first = WindowState(Opener::Browser, random).view();
    return filled(page::indexTemplate(),
        { { "TITLE", web::html(first.title) }, { "PROPERTIES", web::properties() },
            { "DESCRIPTION", web::html(texts::pageDescription) },
            { "WINDOW_MEDIA", web::windowMedia() }, { "LAYOUT", web::wideLayout() },
            { "ELEMENTS", web::elementsMarkup(first) }, { "FAILURES", failures() },
            { "START", "<script>\n" + std::string(page::startScript()) + "</script>" } });
}
} // namespace

int main(int argc, char *argv[])
{
    try {
        const std::string asked = argc > 1 ? argv[1] : "";
        const std::string out = asked == "--twips" ? web::twipsJson()
            : asked == "--manifest"                ? web::manifest()
            : asked == "--inventory"               ? pageInventory()
                                                   : indexPage();
        return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() ? 0 : 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "page_writer: %s\n", e.what());
        return 1;
    }
}
