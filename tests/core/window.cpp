#include "core_test.h"
#include "fakes.h"
#include "ui/elements.h"
#include "ui/event_handlers.h"

#include <algorithm>
#include <memory>

using namespace vorlank;
using namespace vorlank::ui;

TEST_SUITE("window")
{
    // What every front end follows: Tab from 开始测试 to 提交, 查询此字 and the two answers, the
    // first focus on 开始测试, and a name for a screen reader on everything it can reach.
    TEST_CASE("keyboard order, first focus, roles and accessible names")
    {
        std::vector<std::u16string_view> tabs;
        for (const Element *e : keyboardOrder())
            tabs.push_back(e->caption);
        CHECK(tabs
            == std::vector<std::u16string_view> {
                u"开始测试", u"提交", u"查询此字", u"不认识", u"认识" });
        CHECK(elementFor(Role::Character).caption == u"人");
        CHECK(elementFor(Role::Prompt).caption == u"第1个字：");
        CHECK(elementFor(Role::Recognised).caption == u"认识");
        std::vector<std::u16string_view> pictures;
        for (const Element *e : stackingOrder()) {
            CAPTURE(e->name);
            CHECK(!accessibleName(*e).empty());
            if (e->kind == Kind::Picture)
                pictures.push_back(accessibleName(*e));
        }
        CHECK(pictures == std::vector<std::u16string_view> { u"拼音小达人", u"笔顺练字帖" });
        // A group box lies below everything it frames.
        const auto at = [](const Element &e) {
            return std::find(stackingOrder().begin(), stackingOrder().end(), &e)
                - stackingOrder().begin();
        };
        for (const Element *e : stackingOrder())
            if (!e->container.empty())
                CHECK(at(*e) < at(element(e->container)));
        // One column shows every element of the window's own once, the character near the top.
        std::vector<const Element *> column(readingOrder().begin(), readingOrder().end());
        for (const Element *e : stackingOrder())
            if (e->container.empty())
                CHECK(std::count(column.begin(), column.end(), e) == 1);
        CHECK(column.size() == 9);
        CHECK(column[1] == &elementFor(Role::Character));
    }

    TEST_CASE("the look-up takes the character on show from the test run")
    {
        RecordingWindow window;
        RecordingShell shell;
        ScriptedRandom random({ 0.0f });
        EventHandlers handlers(window, shell, random);
        window.recognised = true;
        const auto lookedUp = [&] {
            handlers.click(Action::LookupCharacter);
            return shell.calls.back().target;
        };
        CHECK(lookedUp() == launch::lookupAddress(u"人")); // before any test
        handlers.click(Action::DrawTest);
        CHECK(lookedUp() == launch::lookupAddress(u"不"));
        for (int i = 0; i < 95; ++i)
            handlers.click(Action::SubmitAnswer);
        CHECK(lookedUp() == launch::lookupAddress(window.character)); // the last, after the end
        CHECK(window.character == handlers.testState().testString.substr(90));
        CHECK(window.problems.empty());
    }

    // A hand-over that fails after the desktop took it reaches the window that asked, and none
    // once that window is gone.
    TEST_CASE("a late failure belongs to the window that asked")
    {
        RecordingShell shell;
        ScriptedRandom random({ 0.5f });
        RecordingWindow first;
        RecordingWindow second;
        auto firstHandlers = std::make_unique<EventHandlers>(first, shell, random);
        EventHandlers secondHandlers(second, shell, random);
        firstHandlers->click(Action::OpenFirstProduct);
        secondHandlers.click(Action::OpenSecondProduct);
        shell.listeners[0](shell.calls[0].target);
        CHECK(first.problems.size() == 1);
        CHECK(first.problems[0].ends_with(u"\nhttps://shop.example.com/item.htm?id=520137"));
        CHECK(second.problems.empty());
        firstHandlers.reset();
        shell.listeners[0](shell.calls[0].target);
        shell.listeners[1](shell.calls[1].target);
        CHECK(second.problems.size() == 1);
    }
}
