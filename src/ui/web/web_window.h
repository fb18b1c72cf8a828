// Form1 as a page: the elements page_writer wrote into index.html, brought to life. Clicks come
// in through the page's script; what the test run shows goes out to it.
#pragma once

#include "ui/form1.h"

#include <memory>

namespace vorlank::ui::web
{

class WebWindow final : public WindowOps
{
public:
    // Loads the inventory (throws when the program's own data is damaged).
    WebWindow(launch::Shell &shell, runtime::RandomSource &random);
    ~WebWindow() override;
    WebWindow(const WebWindow &) = delete;
    WebWindow &operator=(const WebWindow &) = delete;

    void click(Action action) { handlers_->click(action); }

    // The title, in the page's caption bar and the browser's tab alike.
    void setTitle(std::u16string_view title) override;
    void setCharacterCaption(std::u16string_view text) override;
    void setPromptCaption(std::u16string_view text) override;
    bool recognisedSelected() const override;
    // A page dialog titled with the application title (alert() would name the site instead);
    // the page stays behind it until it is closed.
    void showEndMessage(std::u16string_view text) override;
    void showProblem(std::u16string_view message, std::u16string_view detail) override;

private:
    std::unique_ptr<EventHandlers> handlers_;
};

} // namespace vorlank::ui::web
