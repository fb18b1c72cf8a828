// The window operations the test run uses. Each front end's window implements them; tests use a
// recording fake, so the test logic never needs a widget.
#pragma once

#include <string>
#include <string_view>

namespace vorlank::ui
{

class WindowOps
{
public:
    virtual ~WindowOps() = default;
    // The window's title, as shown in its title bar.
    virtual std::u16string title() const = 0;
    virtual void setTitle(std::u16string_view title) = 0;
    // The big character on show (Label2).
    virtual std::u16string characterCaption() const = 0;
    virtual void setCharacterCaption(std::u16string_view text) = 0;
    // The position prompt beside it (Label3).
    virtual void setPromptCaption(std::u16string_view text) = 0;
    // Whether "认识" (recognised, Option1(0)) is the selected answer.
    virtual bool recognisedSelected() const = 0;
    // A modal box with one OK button and no icon, titled with the application title; returns
    // once the user has dismissed it.
    virtual void showEndMessage(std::u16string_view text) = 0;
    // A modal box titled with the application title that tells the user something went wrong,
    // with `detail` as selectable text the user can copy (an address the desktop did not open,
    // an error's description). The window keeps working afterwards.
    virtual void showProblem(std::u16string_view message, std::u16string_view detail) = 0;
};

} // namespace vorlank::ui
