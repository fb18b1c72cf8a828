// Form1 as a native Windows window: classic controls at their twip rectangles, scaled with the
// window's DPI, the window operations on them, and every click passed to the shared EventHandlers.
// This object owns every handle of the window: controls, fonts and pictures.
#pragma once

#include "controls.h"
#include "fonts_and_pictures.h"
#include "ui/form1.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace vorlank::ui::win32
{

class Form1Window final : public WindowOps
{
public:
    // Loads the inventory (throws when the program's own data is damaged) and creates the
    // window, hidden.
    Form1Window(HINSTANCE instance, launch::Shell &shell, runtime::RandomSource &random);
    ~Form1Window() override;
    Form1Window(const Form1Window &) = delete;
    Form1Window &operator=(const Form1Window &) = delete;

    // Shows the window with the focus on the first control in keyboard order.
    void show(int showCommand);
    HWND handle() const { return hwnd_; }

    void setTitle(std::u16string_view title) override;
    void setCharacterCaption(std::u16string_view text) override;
    void setPromptCaption(std::u16string_view text) override;
    bool recognisedSelected() const override;
    void showEndMessage(std::u16string_view text) override;
    void showProblem(std::u16string_view message, std::u16string_view detail) override;

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Sizes the window and places every control for `dpi`, with faces to match.
    void layout(UINT dpi);
    // A control's notification `code`; `from` is the control with identifier `id`.
    void command(int id, int code, HWND from);

    std::unique_ptr<EventHandlers> handlers_;
    HWND hwnd_ = nullptr;
    std::vector<Control> controls_;
    HWND character_ = nullptr; // the controls of the test run's roles
    HWND prompt_ = nullptr;
    HWND recognised_ = nullptr;
    HWND firstFocus_ = nullptr; // the first in the keyboard order
    Font windowFont_;
    Font characterFont_;
    Bitmap pictures_[2];
    HWND focusBeforeDeactivation_ = nullptr;
};

} // namespace vorlank::ui::win32
