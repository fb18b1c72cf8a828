// The desktop's opener as the look-up and the product links hand addresses to it.
#pragma once

#include "launch/launch.h"

namespace vorlank::ui::qt
{

// The desktop's opener (xdg-open; open on macOS), started without waiting for it. An opener that
// cannot be started fails the hand-over at once; one that ends with an error is reported to the
// listener of the window that asked.
class DesktopShell final : public launch::Shell
{
public:
    bool open(const std::string &address, LateFailure lateFailure) override;
};

} // namespace vorlank::ui::qt
