// The element table as every front end follows it: a name for a screen reader on everything,
// the stacking that gives each overlapping element its clicks, and the column's order.
#include "ui/elements.h"
#include "core_test.h"
#include "journey.h"

#include <algorithm>
#include <cstdlib>

using namespace vorlank::ui;

TEST_SUITE("elements")
{
    // No slip of a finger between the answers and 提交 lands on 开始测试 in the column.
    TEST_CASE("accessible names, stacking and reading order")
    {
        for (const Element *e : stackingOrder()) {
            CAPTURE(e->name);
            CHECK(!accessibleName(*e).empty() == (e->shows == Shows::Caption));
        }
        // A group box lies below everything it frames.
        const auto at = [](const Element &e) {
            return std::find(stackingOrder().begin(), stackingOrder().end(), &e)
                - stackingOrder().begin();
        };
        for (const Element *e : stackingOrder())
            if (const Element *box = containerOf(*e))
                CHECK(at(*e) < at(*box));
        std::vector<const Element *> column(readingOrder().begin(), readingOrder().end());
        for (const Element *e : stackingOrder())
            CHECK(std::count(column.begin(), column.end(), e) == (containerOf(*e) ? 0 : 1));
        const auto place = [&](std::u16string_view name) {
            return std::find(column.begin(), column.end(), journeys::named(utf8(name)))
                - column.begin();
        };
        CHECK(place(u"提交") == place(u"是否认识") + 1);
        for (const std::u16string_view neighbour : { u"提交", u"是否认识" })
            CHECK(std::abs(place(u"开始测试") - place(neighbour)) > 1);
    }
}
