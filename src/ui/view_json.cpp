#include "view_json.h"

#include "runtime/runtime.h"

namespace vorlank::ui
{

namespace
{
std::string text(std::u16string_view utf16)
{
    return jsonString(runtime::toUtf8(utf16));
}

std::string truth(bool value)
{
    return value ? "true" : "false";
}

// An element by its index in the table, or null.
std::string element(const Element *e)
{
    return e ? std::to_string(indexOf(*e)) : "null";
}
} // namespace

std::string jsonString(std::string_view utf8)
{
    std::string out = "\"";
    for (const char c : utf8) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr char digits[] = "0123456789abcdef";
            out += "\\u00";
            out += digits[static_cast<unsigned char>(c) >> 4U];
            out += digits[static_cast<unsigned char>(c) & 0xFU];
        } else if (c == '<') {
            out += "\\u003c"; // safe inside a page's script element too
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string json(const View &v)
{
    return "{\"title\":" + text(v.title) + ",\"prompt\":" + text(v.prompt)
        + ",\"character\":" + text(v.character) + ",\"checked\":" + element(v.checked)
        + ",\"testUnderWay\":" + truth(v.testUnderWay) + ",\"stopped\":" + truth(v.stopped) + "}";
}

std::string json(const Effects &e)
{
    const std::string box = e.box ? "{\"title\":" + text(e.box->title)
            + ",\"message\":" + text(e.box->message) + ",\"detail\":" + text(e.box->detail)
            + ",\"button\":" + text(e.box->button) + ",\"warning\":" + truth(e.box->warning) + "}"
                                  : "null";
    return "{\"focus\":" + element(e.focus) + ",\"announcement\":" + text(e.announcement)
        + ",\"address\":" + jsonString(e.address) + ",\"box\":" + box + "}";
}

std::string json(const Step &s)
{
    return "{\"view\":" + json(s.view) + ",\"effects\":" + json(s.effects) + "}";
}

} // namespace vorlank::ui
