// The program's window as a native Windows window: classic controls at their twip rectangles,
// scaled with the window's DPI. Every click goes to the window's state and the view that comes
// back is drawn, its box shown and its address opened. This object owns every handle of the
// window: controls, fonts and pictures.
#pragma once

#include "controls.h"
#include "fonts_and_pictures.h"
#include "launch/launch.h"
#include "screen_reader.h"
#include "ui/window_state.h"

#include <windows.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace vorlank::ui::win32
{

// The system did not give the program its window.
class WindowError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class MainWindow final
{
public:
    // Loads the inventory (throws when the program's own data is damaged) and creates the
    // window, hidden (WindowError when the system refuses it).
    MainWindow(HINSTANCE instance, launch::Shell &shell, runtime::RandomSource &random);
    ~MainWindow();
    MainWindow(const MainWindow &) = delete;
    MainWindow &operator=(const MainWindow &) = delete;

    // Shows the window with the focus on the first control in keyboard order.
    void show(int showCommand);
    HWND handle() const { return hwnd_; }
    // Tab, Shift+Tab and the arrow keys on the window's controls, which go where the window's
    // state says; true when `message` was one of them, and is done with. Sees every message of
    // the loop first, and notes an Enter held down.
    bool key(const MSG &message);

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Sizes the window and places every control for `dpi`, with faces to match.
    void layout(UINT dpi);
    // A control's notification `code`; `from` is the control with identifier `id`.
    void command(int id, int code, HWND from);
    // Draws the step's view, then performs its effects: the focus, the announcement, the
    // address, the box.
    void present(const Step &step);
    void draw(const View &view);
    const Element *elementOf(HWND control) const;

    WindowState state_;
    launch::Shell &shell_;
    HWND hwnd_ = nullptr;
    std::vector<Bitmap> pictures_; // by the element's index in the table; null but for pictures
    std::vector<HWND> controls_; // by the element's index in the table
    Font windowFont_;
    Font characterFont_;
    HWND focusBeforeDeactivation_ = nullptr;
    bool repeated_ = false; // the message being handled is Enter repeated by a key held down
    std::unique_ptr<LiveRegion> liveRegion_;
};

} // namespace vorlank::ui::win32
