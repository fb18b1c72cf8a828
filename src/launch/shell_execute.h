// The Windows shell call, kept free of Qt so that it compiles with any Windows toolchain.
#pragma once

namespace vorlank::launch
{

// ShellExecuteA with the desktop window as parent; the shell's result is not examined.
void shellExecuteAnsi(const char *operation, const char *target, const char *parameters,
    const char *directory, int showMode);

} // namespace vorlank::launch
