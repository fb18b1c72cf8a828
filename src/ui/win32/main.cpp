// The Windows program: one window, its dialog keys, and the message loop.
#include "main_window.h"
#include "message_box.h"
#include "runtime/runtime.h"
#include "windows_shell.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <cstdlib>
#include <exception>

int WINAPI wWinMain(
    HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, PWSTR /*lpCmdLine*/, int nShowCmd)
{
    INITCOMMONCONTROLSEX controls { sizeof controls, ICC_STANDARD_CLASSES };
    InitCommonControlsEx(&controls);
    // The pictures are decoded by OLE; the shell may use COM to start the browser.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

    const auto random = vorlank::runtime::programRandom(std::getenv("VORLANK_SEED"));
    int status = 0;
    try {
        vorlank::ui::win32::WindowsShell shell;
        vorlank::ui::win32::MainWindow window(hInstance, shell, *random);
        window.show(nShowCmd);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            // Tab and the arrow keys as the window's state says; Space and Enter as in any
            // dialog.
            if (window.key(message))
                continue;
            if (!IsDialogMessageW(window.handle(), &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        status = static_cast<int>(message.wParam);
    } catch (const std::exception &e) {
        // Only a damaged build or a refusing system gets here: say so plainly.
        const bool window = dynamic_cast<const vorlank::ui::win32::WindowError *>(&e) != nullptr;
        const vorlank::ui::Step stopped = vorlank::ui::cannotStart(
            window ? vorlank::ui::StartStep::Window : vorlank::ui::StartStep::Inventory, e.what());
        vorlank::ui::win32::showBox(
            nullptr, *stopped.effects.box, vorlank::ui::faceSpec(vorlank::ui::Face::Window));
        status = 1;
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return status;
}
