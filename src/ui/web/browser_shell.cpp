#include "browser_shell.h"

#include <emscripten.h>

namespace vorlank::ui::web
{

namespace
{
// A new tab at the address, told nothing of the page that opened it; false when the browser
// refuses to open one.
EM_JS(bool, openTab, (const char *address), {
    const tab = window.open(UTF8ToString(address), "_blank");
    if (!tab)
        return false;
    try {
        tab.opener = null;
    } catch (e) {
    }
    return true;
});
} // namespace

bool BrowserShell::execute(const launch::ShellArguments &a, LateFailure /*lateFailure*/)
{
    return openTab(a.target.c_str());
}

} // namespace vorlank::ui::web
