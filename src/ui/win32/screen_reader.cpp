#include "screen_reader.h"

#include "wide_text.h"

#include <oleacc.h>

#include <string>

namespace vorlank::ui::win32
{

namespace
{
// The identifiers, written out: mingw-w64's import libraries do not carry every one.
constexpr GUID accPropServicesClass
    = { 0xb5f8350b, 0x0548, 0x48b1, { 0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7 } };
constexpr GUID accPropServicesInterface
    = { 0x6e26e776, 0x04f0, 0x495d, { 0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69 } };
constexpr GUID liveSettingProperty
    = { 0xc12bcd8e, 0x2a8e, 0x4950, { 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb } };
constexpr GUID descriptionProperty
    = { 0x4d48dfe4, 0xbd3f, 0x491f, { 0xa6, 0x48, 0x49, 0x2d, 0x6f, 0x20, 0xc5, 0x88 } };
constexpr LONG politeLiveSetting = 1;

// Runs `use` with the system's annotation service; false where there is none.
template <typename Use> bool withAnnotations(Use use)
{
    IAccPropServices *services = nullptr;
    if (FAILED(CoCreateInstance(accPropServicesClass, nullptr, CLSCTX_INPROC_SERVER,
            accPropServicesInterface, reinterpret_cast<void **>(&services))))
        return false;
    const HRESULT done = use(*services);
    services->Release();
    return SUCCEEDED(done);
}
} // namespace

LiveRegion::LiveRegion(HWND window, HINSTANCE instance)
    : hwnd_(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0,
        window, nullptr, instance, nullptr))
{
    VARIANT polite;
    VariantInit(&polite);
    polite.vt = VT_I4;
    polite.lVal = politeLiveSetting;
    withAnnotations([&](IAccPropServices &services) {
        return services.SetHwndProp(
            hwnd_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, liveSettingProperty, polite);
    });
}

void LiveRegion::announce(std::u16string_view text) const
{
    if (text.empty())
        return;
    SetWindowTextW(hwnd_, wideString(text).c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

bool describe(HWND control, std::u16string_view text)
{
    const std::wstring described = wideString(text);
    return withAnnotations([&](IAccPropServices &services) {
        return services.SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
            descriptionProperty, described.c_str());
    });
}

void forget(HWND control)
{
    MSAAPROPID property = descriptionProperty;
    withAnnotations([&](IAccPropServices &services) {
        return services.ClearHwndProps(
            control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &property, 1);
    });
}

} // namespace vorlank::ui::win32
