// Writes the page, index.html, from its template (page/index.html.in, built in) and the element
// table at build time: every element at its twip rectangle for wide screens and in one column for
// narrow ones, with the window's texts, faces, colours, keyboard stops and pictures, so that the
// window is drawn before any script has run. The script then only brings it to life.
// Usage: page_writer > index.html; page_writer --twips > twips.json   (run under Node, where it is
// built)
#include "dom.h"
#include "runtime/runtime.h"
#include "texts/texts.h"

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
} // namespace page

namespace
{
std::string html(std::u16string_view text)
{
    std::string out;
    for (const char c : runtime::toUtf8(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string px(int twips)
{
    return std::to_string(pixels(twips)) + "px";
}

// Points in rem, of the browser's 16 pixels at 96 pixels to the inch (12 points): the reader's
// default font size scales them.
std::string rem(int points)
{
    constexpr int pointsPerRem = 12;
    std::string text = std::to_string(points / pointsPerRem);
    if (const int rest = points % pointsPerRem * 10000 / pointsPerRem; rest != 0) {
        std::string digits = std::to_string(10000 + rest).substr(1);
        digits.erase(digits.find_last_not_of('0') + 1);
        text += "." + digits;
    }
    return text + "rem";
}

std::string colour(unsigned rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", rgb & 0xFFFFFFU);
    return text;
}

std::string families(const FaceSpec &face)
{
    std::string list;
    for (const std::u16string_view family : face.families)
        list += "\"" + runtime::toUtf8(family) + "\", ";
    return list + "serif";
}

// A face as CSS properties: its families, and its size, which is the em or else the line, which
// CSS sets as the line's height.
std::string face(Face which, const std::string &name)
{
    const FaceSpec wanted = faceSpec(which);
    const std::string size = rem(wanted.points);
    return "--" + name + "-face: " + families(wanted) + "; --" + name + "-size: " + size + "; --"
        + name + "-line: " + (wanted.measure == Measure::Line ? size : "normal") + ";";
}

// The wide layout: every element at its rectangle within its container, stacked as the table
// says (the first above the rest).
std::string wideLayout()
{
    std::string css;
    const auto stacking = stackingOrder();
    for (std::size_t i = 0; i < stacking.size(); ++i) {
        const Element &e = *stacking[i];
        css += "#" + web::domId(e) + " { left: " + px(e.twips.left) + "; top: " + px(e.twips.top)
            + "; width: " + px(e.twips.width) + "; height: " + px(e.twips.height)
            + "; z-index: " + std::to_string(stacking.size() - i) + "; }\n";
    }
    return css;
}

// The custom properties the stylesheets take the window's size, faces and colours from.
std::string properties()
{
    return face(Face::Window, "window") + " " + face(Face::Character, "character")
        + " --window-width: " + px(clientArea.width) + "; --face: " + colour(palette.face)
        + "; --desk: " + colour(palette.desk) + "; --caption-from: " + colour(palette.captionFrom)
        + "; --caption-to: " + colour(palette.captionTo) + ";";
}

// Where the window's layout applies: from the window's width up, with a mouse or a pen, or with
// no pointer at all; never for a finger, which the column suits at any width.
std::string windowMedia()
{
    const std::string wide = "(min-width: " + px(clientArea.width) + ")";
    return wide + " and (pointer: fine), " + wide + " and (pointer: none)";
}

// What a group box holds, for the column's layout: options side by side, or pictures beside
// their texts.
std::string groupClass(const Element &box)
{
    for (const Element &child : elements()) {
        if (child.container != box.name)
            continue;
        if (child.kind == Kind::OptionButton)
            return " class=\"options\"";
        if (child.kind == Kind::Picture)
            return " class=\"pictures\"";
    }
    return {};
}

// One element and, for a group box, what it frames, in reading order.
std::string markup(const Element &e)
{
    const std::string id = "id=\"" + web::domId(e) + "\"";
    // The products are real links: middle-click, long-press and "copy link" work as on any page.
    // They take no Tab stop, as in the window; the keyboard order is the table's.
    const std::string link
        = "href=\"" + std::string(e.link) + R"(" target="_blank" rel="noopener" tabindex="-1")";
    const std::string action = " data-action=\"" + std::to_string(static_cast<int>(e.click)) + "\"";
    switch (e.kind) {
    case Kind::GroupBox: {
        std::string inner;
        // The framed elements in reading order: row by row, left to right.
        std::vector<const Element *> framed;
        for (const Element &child : elements())
            if (child.container == e.name)
                framed.push_back(&child);
        std::sort(framed.begin(), framed.end(), [](const Element *a, const Element *b) {
            return std::pair(a->twips.top, a->twips.left) < std::pair(b->twips.top, b->twips.left);
        });
        for (const Element *child : framed)
            inner += markup(*child);
        return "<fieldset " + id + groupClass(e) + "><legend>" + html(e.caption) + "</legend>\n"
            + inner + "</fieldset>\n";
    }
    case Kind::OptionButton:
        return "<label " + id + R"( class="option")" + action + R"(><input type="radio" name=")"
            + std::string(e.container) + "\"><span>" + html(e.caption) + "</span></label>\n";
    case Kind::Button:
        return "<button " + id + " type=\"button\"" + action
            + (&e == keyboardOrder().front() ? " autofocus" : "") + ">" + html(e.caption)
            + "</button>\n";
    case Kind::Picture:
        return "<a " + id + " class=\"picture\" " + link + "><img src=\"" + std::string(e.asset)
            + ".png\" srcset=\"" + std::string(e.asset) + "-2x.png 2x\" alt=\""
            + html(accessibleName(e)) + "\" width=\"" + std::to_string(pixels(e.twips.width))
            + "\" height=\"" + std::to_string(pixels(e.twips.height)) + "\"></a>\n";
    case Kind::Label: {
        const std::string look = e.face == Face::Character ? " character" : "";
        const std::string place = e.alignment == Alignment::Centred ? " centred" : "";
        if (e.click != Action::None)
            return "<a " + id + " class=\"label\" " + link + ">" + html(e.caption) + "</a>\n";
        return "<div " + id + " class=\"label" + look + place + "\">" + html(e.caption)
            + "</div>\n";
    }
    }
    return {};
}

// Where the table puts each element in the window, in twips, for the page's test to measure:
// {"id": [left, top, width, height], ...}.
std::string twipsJson()
{
    std::string json;
    for (const Element *e : stackingOrder()) {
        const TwipRect r = windowRect(*e);
        json += (json.empty() ? "{" : ",\n") + ("\"" + web::domId(*e) + "\": [")
            + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.width)
            + ", " + std::to_string(r.height) + "]";
    }
    return json + "}\n";
}

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

// index.html.
std::string indexPage()
{
    // The keyboard's stops, a space between them, the options of one stop joined by commas.
    std::string keyboard;
    for (const KeyboardStop &stop : keyboardStops()) {
        keyboard += keyboard.empty() ? "" : " ";
        for (const Element *e : stop)
            keyboard += (e == stop.front() ? "" : ",") + web::domId(*e);
    }
    std::string body;
    for (const Element *e : readingOrder())
        body += markup(*e);
    return filled(page::indexTemplate(),
        { { "TITLE", html(texts::windowTitle) }, { "PROPERTIES", properties() },
            { "DESCRIPTION", html(texts::pageDescription) },
            // The window's layout: from the window's width up, for any pointer but a finger.
            { "WINDOW_MEDIA", windowMedia() },
            { "CANNOT_START", html(std::u16string(texts::cannotStart) + texts::programNotLoaded) },
            { "LAYOUT", ".client { height: " + px(clientArea.height) + "; }\n" + wideLayout() },
            { "KEYBOARD", keyboard }, { "ELEMENTS", body },
            { "BOX_TITLE", html(texts::applicationTitle) }, { "OK", html(texts::okButton) } });
}
} // namespace

int main(int argc, char *argv[])
{
    try {
        const std::string out
            = argc > 1 && std::string_view(argv[1]) == "--twips" ? twipsJson() : indexPage();
        return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() ? 0 : 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "page_writer: %s\n", e.what());
        return 1;
    }
}
