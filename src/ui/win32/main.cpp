// The Windows program: one window, its dialog keys, and the message loop.
#include "main_window.h"
#include "runtime/runtime.h"
#include "texts/texts.h"
#include "wide_text.h"
#include "windows_shell.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <exception>
#include <string>

int WINAPI wWinMain(
    HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, PWSTR /*lpCmdLine*/, int nShowCmd)
{
    INITCOMMONCONTROLSEX controls { sizeof controls, ICC_STANDARD_CLASSES };
    InitCommonControlsEx(&controls);
    // The pictures are decoded by OLE; the shell may use COM to start the browser.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const wchar_t *title = vorlank::ui::win32::wide(vorlank::texts::applicationTitle);

    vorlank::runtime::ClockRandom random;
    int status = 0;
    try {
        vorlank::ui::win32::WindowsShell shell;
        vorlank::ui::win32::MainWindow window(hInstance, shell, random);
        window.show(nShowCmd);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            // Tab, the arrow keys, Space and Enter as in any dialog.
            if (!IsDialogMessageW(window.handle(), &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        status = static_cast<int>(message.wParam);
    } catch (const std::exception &e) {
        // Only a damaged build gets here (its embedded inventory does not load): say so plainly.
        const std::wstring text
            = vorlank::ui::win32::wideString(vorlank::ui::cannotStartMessage(e));
        MessageBoxW(nullptr, text.c_str(), title, MB_OK | MB_ICONERROR);
        status = 1;
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return status;
}
