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
    const std::string box = v.box ? "{\"title\":" + text(v.box->title)
            + ",\"message\":" + text(v.box->message) + ",\"detail\":" + text(v.box->detail)
            + ",\"button\":" + text(v.box->button) + ",\"warning\":" + truth(v.box->warning) + "}"
                                  : "null";
    return "{\"title\":" + text(v.title) + ",\"prompt\":" + text(v.prompt)
        + ",\"character\":" + text(v.character) + ",\"checked\":"
        + (v.checked ? std::to_string(indexOf(*v.checked)) : "null") + ",\"box\":" + box
        + ",\"address\":" + jsonString(v.address) + ",\"announcement\":" + text(v.announcement)
        + ",\"testUnderWay\":" + truth(v.testUnderWay) + ",\"stopped\":" + truth(v.stopped) + "}";
}

} // namespace vorlank::ui
