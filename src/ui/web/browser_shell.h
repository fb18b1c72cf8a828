// The browser as the look-up hands addresses to it.
#pragma once

#include "launch/launch.h"

namespace vorlank::ui::web
{

// Opens the address in a new tab; false when the browser blocks the new tab. The answer comes at
// once, so there is never a late failure.
class BrowserShell final : public launch::Shell
{
public:
    bool execute(const launch::ShellArguments &arguments, LateFailure lateFailure) override;
};

} // namespace vorlank::ui::web
