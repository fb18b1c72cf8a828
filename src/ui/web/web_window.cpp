#include "web_window.h"

#include "dom.h"

#include <emscripten.h>

namespace vorlank::ui::web
{

namespace
{
// The page's side of the window operations, in page.js. Text crosses as UTF-16 units.
EM_JS(void, setText, (const char *id, const char16_t *text, int length),
    { vorlankPage.setText(UTF8ToString(id), UTF16ToString(text, 2 * length)); });
EM_JS(void, setTitleText, (const char16_t *text, int length),
    { vorlankPage.setTitle(UTF16ToString(text, 2 * length)); });
EM_JS(bool, isChecked, (const char *id), { return vorlankPage.isChecked(UTF8ToString(id)); });
EM_JS(void, showBox,
    (const char16_t *message, int length, const char16_t *detail, int detailLength), {
        vorlankPage.showBox(
            UTF16ToString(message, 2 * length), UTF16ToString(detail, 2 * detailLength));
    });

void setText(Role role, std::u16string_view text)
{
    setText(domId(elementFor(role)).c_str(), text.data(), static_cast<int>(text.size()));
}
} // namespace

WebWindow::WebWindow(launch::Shell &shell, runtime::RandomSource &random)
    : handlers_(std::make_unique<EventHandlers>(*this, shell, random))
{
}

WebWindow::~WebWindow() = default;

void WebWindow::setTitle(std::u16string_view title)
{
    setTitleText(title.data(), static_cast<int>(title.size()));
}

void WebWindow::setCharacterCaption(std::u16string_view text)
{
    setText(Role::Character, text);
}

void WebWindow::setPromptCaption(std::u16string_view text)
{
    setText(Role::Prompt, text);
}

bool WebWindow::recognisedSelected() const
{
    return isChecked(domId(elementFor(Role::Recognised)).c_str());
}

void WebWindow::showEndMessage(std::u16string_view text)
{
    showBox(text.data(), static_cast<int>(text.size()), nullptr, 0);
}

void WebWindow::showProblem(std::u16string_view message, std::u16string_view detail)
{
    showBox(message.data(), static_cast<int>(message.size()), detail.data(),
        static_cast<int>(detail.size()));
}

} // namespace vorlank::ui::web
