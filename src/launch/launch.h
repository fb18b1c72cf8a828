// The web addresses the program hands over: the dictionary look-up of the character on show (the
// product pages are their elements' links), and the desktop's opener that takes them. The program
// itself makes no network access. Every address is plain ASCII from the moment it is built to the
// moment the opener receives it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vorlank::launch
{

// The dictionary address for `character`: the dictionary reads its query in GBK, so the
// character's GBK bytes go in percent-encoded and the address is plain ASCII. ASCII reads the
// same in every ANSI code page, and a browser has nothing left to re-encode, so every desktop
// hands the dictionary the same bytes. Throws runtime::ConversionError for a character GBK
// cannot carry.
std::string lookupAddress(std::u16string_view character);

// The desktop's opener, one per platform beside its window; tests substitute a recorder, so that
// nothing in a test starts a browser.
class Shell
{
public:
    // Called on the window's thread when an address that open() accepted fails later (a desktop
    // opener that ends with an error). It belongs to the window that asked, and does nothing once
    // that window is gone.
    using LateFailure = std::function<void()>;

    virtual ~Shell() = default;
    // Hands `address` to the user's browser without waiting for it; false when the desktop says at
    // once that it cannot.
    virtual bool open(const std::string &address, LateFailure lateFailure) = 0;
};

} // namespace vorlank::launch
