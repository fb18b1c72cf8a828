// GDI resources of the Windows window, each owned by a handle that frees it: the faces, chosen
// among those installed, and the product pictures decoded from the program's resources.
#pragma once

#include "ui/elements.h"

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace vorlank::ui::win32
{

struct GdiDeleter {
    void operator()(void *object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiDeleter>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiDeleter>;

// The first of the face's families installed with Chinese glyphs; the last where none is.
std::wstring installedFamily(const FaceSpec &face);

// The face for a window at `dpi`, regular weight, GB2312 character set.
Font createFont(const FaceSpec &face, UINT dpi);

// The GIF picture of the RCDATA resource named `asset`, decoded by OLE; null when it cannot be
// decoded.
Bitmap loadPicture(HINSTANCE instance, std::string_view asset);

} // namespace vorlank::ui::win32
