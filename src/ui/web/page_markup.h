// The parts of the page written from the element table at build time: the elements' markup in
// reading order, their rectangles, the custom properties the stylesheets take the window's size,
// faces and colours from, and the web app manifest.
#pragma once

#include "ui/window_state.h"

#include <string>
#include <string_view>

namespace vorlank::ui::web
{

// `text` (UTF-16) as HTML text, escaped.
std::string html(std::u16string_view text);

// Every element of the window in reading order, a group box with what it frames, with the texts
// of `first`, the window's first view.
std::string elementsMarkup(const View &first);

// Each element at its rectangle within its container, stacked as the table says.
std::string wideLayout();

// The custom properties of the window's size, faces and palette.
std::string properties();

// Where the window's layout applies: from the window's width up, with a mouse or a pen, or with
// no pointer at all; never for a finger, which the column suits at any width.
std::string windowMedia();

// Where the table puts each element in the window, in twips, for the page's test to measure:
// {"id": [left, top, width, height], ...}.
std::string twipsJson();

// The web app manifest, in the window's colours.
std::string manifest();

} // namespace vorlank::ui::web
