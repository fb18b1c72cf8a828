// The inventory as the page's program carries it: the bands' characters in GBK, band 0 first,
// packed. Each character is a code of GBK's rows B0 to F7 (GB2312's characters) that no earlier
// character took, so it goes as its place among the codes still free, in as few bits as that
// many places need (truncated binary). A character outside those rows goes whole, ahead of the
// rest, with its position. The order within a band is the inventory's (it decides what a draw
// picks), and no general compression guesses it: the 13,460 bytes of GBK, 11,118 compressed,
// pack into 9,416.
#pragma once

#include <string>
#include <string_view>

namespace vorlank::ui::web
{

// At build time: `gbk`, two bytes a character; std::invalid_argument for anything else.
std::string packInventory(std::string_view gbk);

// In the page: the GBK bytes back.
std::string unpackInventory(std::string_view packed);

} // namespace vorlank::ui::web
