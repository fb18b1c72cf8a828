// Writes the page, index.html, from the element table at build time: every element at its twip
// rectangle for wide screens and in one column for narrow ones, with the window's texts, faces,
// keyboard order and pictures, so that the window is drawn before any script has run. The
// script then only brings it to life.
// Usage: page_writer > index.html   (run under Node, where it is built)
#include "dom.h"
#include "launch/launch.h"
#include "runtime/runtime.h"
#include "texts/texts.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

using namespace vorlank;
using namespace vorlank::ui;

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
    return std::to_string(twips / twipsPerPixel) + "px";
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
    const std::string size = std::to_string(wanted.points) + "pt";
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

std::string pictureFile(Artwork artwork)
{
    return artwork == Artwork::FirstProduct ? "product1.png" : "product2.png";
}

std::string productPage(Action click)
{
    return std::string(launch::productPage(
        click == Action::OpenFirstProduct ? launch::Product::First : launch::Product::Second));
}

// One element and, for a group box, what it frames, in reading order.
std::string markup(const Element &e)
{
    // Each element says where the table puts it in the window, for the page's test to measure.
    const TwipRect r = windowRect(e);
    const std::string id = "id=\"" + web::domId(e) + "\" data-twips=\"" + std::to_string(r.left)
        + " " + std::to_string(r.top) + " " + std::to_string(r.width) + " "
        + std::to_string(r.height) + "\"";
    // The products are real links: middle-click, long-press and "copy link" work as on any page.
    // They take no Tab stop, as in the window; the keyboard order is the table's.
    const std::string link
        = "href=\"" + productPage(e.click) + R"(" target="_blank" rel="noopener" tabindex="-1")";
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
        return "<fieldset " + id + "><legend>" + html(e.caption) + "</legend>\n" + inner
            + "</fieldset>\n";
    }
    case Kind::OptionButton:
        return "<label " + id + R"( class="option"><input type="radio" name=")"
            + std::string(e.container) + "\"><span>" + html(e.caption) + "</span></label>\n";
    case Kind::Button:
        return "<button " + id + " type=\"button\"" + action
            + (&e == keyboardOrder().front() ? " autofocus" : "") + ">" + html(e.caption)
            + "</button>\n";
    case Kind::Picture:
        return "<a " + id + " class=\"picture\" " + link + "><img src=\"" + pictureFile(e.artwork)
            + "\" alt=\"" + html(accessibleName(e)) + "\" width=\""
            + std::to_string(e.twips.width / twipsPerPixel) + "\" height=\""
            + std::to_string(e.twips.height / twipsPerPixel) + "\"></a>\n";
    case Kind::Label: {
        const std::string face = e.face == Face::Character ? " character" : "";
        const std::string live = e.role == Role::Character ? " aria-live=\"polite\"" : "";
        if (e.click != Action::None)
            return "<a " + id + " class=\"label\" " + link + ">" + html(e.caption) + "</a>\n";
        return "<div " + id + " class=\"label" + face + "\"" + live + ">" + html(e.caption)
            + "</div>\n";
    }
    case Kind::TextBlock:
    case Kind::List:
        break;
    }
    return {};
}
} // namespace

int main()
{
    std::string keyboard;
    for (const Element *e : keyboardOrder())
        keyboard += (keyboard.empty() ? "" : " ") + web::domId(*e);
    std::string body;
    for (const Element *e : readingOrder())
        body += markup(*e);
    const std::string title = html(texts::windowTitle);
    std::printf(R"(<!DOCTYPE html>
<html lang="zh-Hans">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>%s</title>
<link rel="icon" href="vorlank-32.png" sizes="32x32">
<link rel="icon" href="vorlank-16.png" sizes="16x16">
<link rel="apple-touch-icon" href="vorlank-128.png">
<link rel="manifest" href="manifest.webmanifest">
<link rel="stylesheet" href="vorlank.css">
<style>
:root { %s %s }
@media (min-width: %dpx) {
.client { height: %dpx; }
%s}
</style>
</head>
<body>
<main class="window">
<h1 class="caption"><img src="vorlank-16.png" alt="" width="16" height="16"><span id="title">%s</span></h1>
<div class="client" id="Form1" data-keyboard="%s">
%s</div>
</main>
<dialog id="box" aria-labelledby="box-title">
<form method="dialog">
<h2 class="caption" id="box-title">%s</h2>
<div class="content">
<svg class="warning" viewBox="0 0 32 32" width="32" height="32" aria-hidden="true"><path d="M16 2 31 29H1z" fill="#fc0" stroke="#000"/><path d="M14.5 11h3l-.6 10h-1.8zM14.5 23h3v3h-3z"/></svg>
<p id="box-message"></p>
<input id="box-detail" readonly aria-labelledby="box-message">
</div>
<button id="box-ok">%s</button>
</form>
</dialog>
<script src="page.js"></script>
<script src="vorlank.js" async></script>
</body>
</html>
)",
        title.c_str(), face(Face::Window, "window").c_str(),
        face(Face::Character, "character").c_str(), clientArea.width / twipsPerPixel,
        clientArea.height / twipsPerPixel, wideLayout().c_str(), title.c_str(), keyboard.c_str(),
        body.c_str(), html(texts::applicationTitle).c_str(), html(texts::okButton).c_str());
    return 0;
}
