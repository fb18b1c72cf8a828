#include "fonts_and_pictures.h"

#include "wide_text.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>

namespace vorlank::ui::win32
{

namespace
{
bool installed(HDC dc, const wchar_t *face)
{
    LOGFONTW wanted {};
    wanted.lfCharSet = GB2312_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExW(
        dc, &wanted,
        [](const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM found) -> int {
            *reinterpret_cast<bool *>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

} // namespace

std::wstring installedFamily(const FaceSpec &face)
{
    HDC dc = GetDC(nullptr);
    std::wstring chosen;
    for (const std::u16string_view family : face.families) {
        chosen = wideString(family);
        if (installed(dc, chosen.c_str()))
            break;
    }
    ReleaseDC(nullptr, dc);
    return chosen;
}

Font createFont(const FaceSpec &face, UINT dpi)
{
    // GDI takes a negative height as the em and a positive one as the cell (ascent + descent).
    constexpr int pointsPerInch = 72;
    const int pixels = MulDiv(face.points, static_cast<int>(dpi), pointsPerInch);
    return Font(CreateFontW(face.measure == Measure::Em ? -pixels : pixels, 0, 0, 0, FW_NORMAL,
        FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
        CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, installedFamily(face).c_str()));
}

Bitmap loadPicture(HINSTANCE instance, std::string_view asset)
{
    const std::wstring name(asset.begin(), asset.end()); // ASCII; resource names match any case
    HRSRC found = FindResourceW(instance, name.c_str(), RT_RCDATA);
    const DWORD size = found ? SizeofResource(instance, found) : 0;
    const void *data = size ? LockResource(LoadResource(instance, found)) : nullptr;
    if (!data)
        return nullptr;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory)
        return nullptr;
    std::memcpy(GlobalLock(memory), data, size);
    GlobalUnlock(memory);
    IStream *stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return nullptr;
    }
    IPicture *picture = nullptr;
    Bitmap bitmap;
    if (SUCCEEDED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
            reinterpret_cast<void **>(&picture)))) {
        OLE_HANDLE handle = 0;
        if (SUCCEEDED(picture->get_Handle(&handle)))
            // The picture owns its bitmap; keep a copy that outlives it.
            bitmap.reset(static_cast<HBITMAP>(
                CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0,
                    0, LR_CREATEDIBSECTION)));
        picture->Release();
    }
    stream->Release();
    return bitmap;
}

} // namespace vorlank::ui::win32
