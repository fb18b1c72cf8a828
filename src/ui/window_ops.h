// The window operations the test run uses. The main window implements them; tests use a
// recording fake, so the test logic never needs a widget.
#pragma once

#include <QString>

namespace vorlank::ui
{

class WindowOps
{
public:
    virtual ~WindowOps() = default;
    virtual QString title() const = 0;
    virtual void setTitle(const QString &title) = 0;
    // The big character on show.
    virtual QString characterCaption() const = 0;
    virtual void setCharacterCaption(const QString &text) = 0;
    // The position prompt beside it.
    virtual void setPromptCaption(const QString &text) = 0;
    // Whether "认识" (recognised) is the selected answer.
    virtual bool recognisedSelected() const = 0;
    // A modal box with one OK button and no icon, titled with the application title.
    virtual void showEndMessage(const QString &text) = 0;
};

} // namespace vorlank::ui
