// Every web address the program hands over, in one place.
#pragma once

namespace vorlank::launch::addresses
{

// The dictionary search named in the window's instructions; the character goes between the two.
inline constexpr char dictionaryPrefix[] = "https://dict.baidu.com/s?wd=";
inline constexpr char dictionarySuffix[] = "&select=0&tn=qorvex_pg";

// The maker has no shop pages yet: reserved example.com addresses send no user to a stranger.
inline constexpr char firstProductPage[] = "https://shop.example.com/item.htm?id=520137";
inline constexpr char secondProductPage[] = "https://shop.example.com/item.htm?id=520138";

} // namespace vorlank::launch::addresses
