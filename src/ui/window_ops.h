// The window operations: what the test run shows and reads, and the box for what went wrong.
// Each front end's window implements them; tests use a recording fake.
#pragma once

#include "quiz/quiz.h"

#include <string_view>

namespace vorlank::ui
{

class WindowOps : public quiz::TestDisplay
{
public:
    // A modal box titled with the application title that tells the user something went wrong,
    // with `detail` as selectable text the user can copy (an address the desktop did not open,
    // an error's description). The window keeps working afterwards.
    virtual void showProblem(std::u16string_view message, std::u16string_view detail) = 0;
};

} // namespace vorlank::ui
