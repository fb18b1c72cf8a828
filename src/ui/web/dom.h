// The page's names for the window's elements: the designer's names, as HTML ids that need no
// escaping in a selector ("Option1(0)" becomes "Option1-0").
#pragma once

#include "ui/elements.h"

#include <string>

namespace vorlank::ui::web
{

inline std::string domId(const Element &e)
{
    std::string id;
    for (const char c : e.name)
        if (c != ')')
            id += c == '(' ? '-' : c;
    return id;
}

} // namespace vorlank::ui::web
