#include "page_markup.h"

#include "dom.h"
#include "runtime/runtime.h"
#include "texts/texts.h"
#include "ui/view_json.h"

#include <cstdio>

namespace vorlank::ui::web
{

namespace
{
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

// What a group box holds, for the column's layout: options side by side, or pictures beside
// their texts.
std::string groupClass(const Element &box)
{
    for (const Element *child : framedBy(box)) {
        if (child->kind == Kind::OptionButton)
            return " class=\"options\"";
        if (child->kind == Kind::Picture)
            return " class=\"pictures\"";
    }
    return {};
}

// One element and, for a group box, what it frames, in reading order. What a click runs is the
// program's to run: the element's index, which the page hands it.
std::string markup(const Element &e, const View &first)
{
    const std::string id = "id=\"" + domId(e) + "\"";
    const std::string element = " data-element=\"" + std::to_string(indexOf(e)) + "\"";
    const std::u16string_view text = shownText(first, e);
    // The products are real links: middle-click, long-press and "copy link" work as on any page.
    // Each product's picture is a stop of Tab; its text, which links to the same page, is not.
    const std::string link = "href=\"" + std::string(e.link) + R"(" target="_blank" rel="noopener")"
        + element + (e.kind == Kind::Picture ? "" : " tabindex=\"-1\"");
    switch (e.kind) {
    case Kind::GroupBox: {
        std::string inner;
        for (const Element *child : framedBy(e))
            inner += markup(*child, first);
        // Named once, as the answers are: the legend drawn, the group named.
        return "<fieldset " + id + groupClass(e) + " aria-label=\"" + html(e.caption)
            + R"("><legend aria-hidden="true">)" + html(e.caption) + "</legend>\n" + inner
            + "</fieldset>\n";
    }
    case Kind::OptionButton:
        // The answer names its radio; its drawn text is hidden from screen readers, which in
        // browse mode read it again after the radio.
        return "<label " + id + R"( class="option"><input type="radio" name=")"
            + std::string(e.container) + "\" aria-label=\"" + html(text) + "\"" + element
            + R"(><span aria-hidden="true">)" + html(text) + "</span></label>\n";
    case Kind::Button:
        return "<button " + id + " type=\"button\"" + element + "><span>" + html(text)
            + "</span></button>\n";
    case Kind::Picture:
        return "<a " + id + " class=\"picture\" " + link + "><img src=\"" + std::string(e.asset)
            + ".webp\" srcset=\"" + std::string(e.asset) + "-2x.webp 2x\" alt=\""
            + html(accessibleName(e)) + "\" width=\"" + std::to_string(pixels(e.twips.width))
            + "\" height=\"" + std::to_string(pixels(e.twips.height)) + "\"></a>\n";
    case Kind::Label: {
        const std::string look = e.face == Face::Character ? " character" : "";
        const std::string place = e.alignment == Alignment::Centred ? " centred" : "";
        if (!e.link.empty())
            return "<a " + id + " class=\"label\" " + link + "><span>" + html(text)
                + "</span></a>\n";
        const std::string shows = e.shows == Shows::Prompt ? R"( data-shows="prompt")"
            : e.shows == Shows::Character                  ? R"( data-shows="character")"
                                                           : "";
        return "<div " + id + " class=\"label" + look + place + "\"" + shows + "><span>"
            + html(text) + "</span></div>\n";
    }
    }
    return {};
}
} // namespace

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

std::string elementsMarkup(const View &first)
{
    std::string body;
    for (const Element *e : readingOrder())
        body += markup(*e, first);
    return body;
}

std::string wideLayout()
{
    std::string css = ".client { height: " + px(clientArea.height) + "; }\n";
    const auto stacking = stackingOrder();
    for (std::size_t i = 0; i < stacking.size(); ++i) {
        const Element &e = *stacking[i];
        css += "#" + domId(e) + " { left: " + px(e.twips.left) + "; top: " + px(e.twips.top)
            + "; width: " + px(e.twips.width) + "; height: " + px(e.twips.height)
            + "; z-index: " + std::to_string(stacking.size() - i) + "; }\n";
    }
    return css;
}

std::string properties()
{
    return face(Face::Window, "window") + " " + face(Face::Character, "character")
        + " --window-width: " + px(clientArea.width) + "; --face: " + colour(palette.face)
        + "; --text: " + colour(palette.text) + "; --light: " + colour(palette.light)
        + "; --dark: " + colour(palette.dark) + "; --desk: " + colour(palette.desk)
        + "; --caption-from: " + colour(palette.captionFrom) + "; --caption-to: "
        + colour(palette.captionTo) + "; --caption-text: " + colour(palette.captionText) + ";";
}

std::string windowMedia()
{
    const std::string wide = "(min-width: " + px(clientArea.width) + ")";
    return wide + " and (pointer: fine), " + wide + " and (pointer: none)";
}

std::string twipsJson()
{
    std::string json;
    for (const Element *e : stackingOrder()) {
        const TwipRect r = windowRect(*e);
        json += (json.empty() ? "{" : ",\n") + ("\"" + domId(*e) + "\": [") + std::to_string(r.left)
            + ", " + std::to_string(r.top) + ", " + std::to_string(r.width) + ", "
            + std::to_string(r.height) + "]";
    }
    return json + "}\n";
}

std::string manifest()
{
    const std::string name = jsonString(runtime::toUtf8(texts::applicationTitle));
    return "{\n  \"name\": " + name + ",\n  \"short_name\": " + name
        + ",\n  \"description\": " + jsonString(runtime::toUtf8(texts::pageDescription))
        + ",\n  \"lang\": \"zh-Hans\",\n  \"start_url\": \"./\",\n  \"scope\": \"./\",\n"
          "  \"display\": \"standalone\",\n  \"background_color\": \""
        + colour(palette.face) + "\",\n  \"theme_color\": \"" + colour(palette.captionFrom)
        + "\",\n  \"icons\": [\n"
          "    { \"src\": \"vorlank.svg\", \"sizes\": \"any\", \"type\": \"image/svg+xml\" },\n"
          "    { \"src\": \"vorlank-128.png\", \"sizes\": \"128x128\", \"type\": \"image/png\" }\n"
          "  ]\n}\n";
}

} // namespace vorlank::ui::web
