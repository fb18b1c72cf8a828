// Windows' own shell as the look-up and the product links hand addresses to it.
#pragma once

#include "launch/launch.h"

namespace vorlank::ui::win32
{

// ShellExecuteA with the desktop window as parent; a result of 32 or less is a failure, known at
// once, so there is never a late one.
class WindowsShell final : public launch::Shell
{
public:
    bool open(const std::string &address, LateFailure lateFailure) override;
};

} // namespace vorlank::ui::win32
