// The users' journeys of tests/journeys.txt, which every window's harness runs too, taken
// through the window's state: what the table expects is what the core gives.
#include "core_test.h"
#include "fakes.h"
#include "journey.h"

namespace tables
{
std::string_view journeys(); // tests/journeys.txt, embedded at build time
} // namespace tables

using namespace vorlank;

TEST_SUITE("journeys")
{
    TEST_CASE("every journey ends as the table says, on every keyboard that takes it")
    {
        const std::vector<journeys::Row> rows = journeys::parse(tables::journeys());
        CHECK(rows.size() >= 20);
        for (const journeys::Row &row : rows) {
            for (const ui::Keyboard keyboard : row.keyboards) {
                ScriptedRandom random({ 0.3f, 0.6f });
                journeys::Walk walk(keyboard, row.context, random);
                std::string actions;
                for (const std::string &action : row.actions) {
                    walk.take(action);
                    actions += action + " ";
                }
                CAPTURE(actions);
                CAPTURE(static_cast<int>(keyboard));
                CHECK(walk.outcome(row.outcome) == row.outcome);
            }
        }
    }
}
