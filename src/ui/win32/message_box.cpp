#include "message_box.h"

#include "fonts_and_pictures.h"
#include "screen_reader.h"
#include "wide_text.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace vorlank::ui::win32
{

namespace
{
constexpr WORD iconId = 100;
constexpr WORD messageId = 101;
constexpr WORD detailId = 102;
constexpr WORD buttonClass = 0x0080;
constexpr WORD editClass = 0x0081;
constexpr WORD staticClass = 0x0082;

// An in-memory dialog template in dialog units of its own face, so that it scales with the face
// and the monitor as every Windows dialog does. The controls are placed once their texts have
// been measured.
class DialogTemplate
{
public:
    DialogTemplate(DWORD style, std::wstring_view family, int points)
    {
        add(LOWORD(style));
        add(HIWORD(style));
        add(0); // extended style
        add(0);
        countAt_ = words_.size();
        for (int i = 0; i < 5; ++i) // controls, position and size
            add(0);
        add(0); // no menu
        add(0); // the standard dialog class
        add(L""); // title, set when shown
        add(static_cast<WORD>(points));
        add(family);
    }

    void control(WORD windowClass, WORD id, DWORD style)
    {
        while (words_.size() % 2 != 0) // each item starts on a DWORD boundary
            add(0);
        style |= WS_CHILD | WS_VISIBLE;
        add(LOWORD(style));
        add(HIWORD(style));
        for (int i = 0; i < 6; ++i) // extended style, position and size
            add(0);
        add(id);
        add(0xFFFF);
        add(windowClass);
        add(L""); // text, set when shown
        add(0); // no creation data
        ++words_[countAt_];
    }

    const DLGTEMPLATE *get() const { return reinterpret_cast<const DLGTEMPLATE *>(words_.data()); }

private:
    void add(WORD word) { words_.push_back(word); }
    void add(std::wstring_view text)
    {
        words_.insert(words_.end(), text.begin(), text.end());
        add(0);
    }

    std::vector<WORD> words_;
    std::size_t countAt_ = 0;
};

// `x` and `y` dialog units in the box's pixels.
SIZE units(HWND box, int x, int y)
{
    RECT r { 0, 0, x, y };
    MapDialogRect(box, &r);
    return { r.right, r.bottom };
}

// The size the message takes in the box's face, lines broken at `width` pixels.
SIZE measured(HWND box, std::wstring_view text, int width)
{
    HDC dc = GetDC(box);
    const HGDIOBJ old
        = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(box, WM_GETFONT, 0, 0)));
    RECT r { 0, 0, width, 0 };
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r,
        DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    return { r.right, r.bottom };
}

// Places the controls around the measured message, as a message box would: the icon at the
// left, the detail below the message, the button centred below a message alone and at the right
// below a detail; then sizes the box to hold them and centres it on its owner.
void layout(HWND box, const Box &content)
{
    const SIZE margin = units(box, 7, 7);
    const SIZE icon = content.warning ? units(box, 21, 20) : SIZE {};
    const SIZE gap = units(box, content.warning ? 8 : 0, 5);
    const SIZE button = units(box, 50, 14);
    const SIZE field = content.detail.empty() ? SIZE {} : units(box, 257, 14);
    const SIZE text = measured(box, wideString(content.message), units(box, 257, 0).cx);
    const int left = margin.cx + icon.cx + gap.cx;
    const int width = std::max({ text.cx, field.cx, button.cx });
    int y = margin.cy;
    MoveWindow(GetDlgItem(box, iconId), margin.cx, margin.cy, icon.cx, icon.cy, FALSE);
    MoveWindow(GetDlgItem(box, messageId), left, y, text.cx, text.cy, FALSE);
    y += std::max(text.cy, icon.cy - text.cy) + gap.cy;
    if (!content.detail.empty()) {
        MoveWindow(GetDlgItem(box, detailId), left, y, field.cx, field.cy, FALSE);
        y += field.cy + gap.cy;
    }
    const int client = left + width + margin.cx;
    const int buttonLeft
        = content.detail.empty() ? (client - button.cx) / 2 : client - margin.cx - button.cx;
    MoveWindow(GetDlgItem(box, IDOK), buttonLeft, y, button.cx, button.cy, FALSE);
    RECT frame { 0, 0, client, y + button.cy + margin.cy };
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(box, GWL_STYLE)), FALSE,
        static_cast<DWORD>(GetWindowLongPtrW(box, GWL_EXSTYLE)));
    RECT owner {};
    GetWindowRect(GetWindow(box, GW_OWNER), &owner);
    const int w = frame.right - frame.left;
    const int h = frame.bottom - frame.top;
    MoveWindow(
        box, (owner.left + owner.right - w) / 2, (owner.top + owner.bottom - h) / 2, w, h, FALSE);
}

INT_PTR CALLBACK procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        const auto &content = *reinterpret_cast<const Box *>(lParam);
        SetWindowTextW(box, wideString(content.title).c_str());
        // The program's icon, which the desktop shows for the box, not a default one.
        const HWND owner = GetWindow(box, GW_OWNER);
        for (const auto &[size, icon] :
            { std::pair { ICON_BIG, GCLP_HICON }, std::pair { ICON_SMALL, GCLP_HICONSM } })
            SendMessageW(box, WM_SETICON, size, static_cast<LPARAM>(GetClassLongPtrW(owner, icon)));
        SetDlgItemTextW(box, messageId, wideString(content.message).c_str());
        SetDlgItemTextW(box, IDOK, wideString(content.button).c_str());
        if (content.warning)
            SendDlgItemMessageW(box, iconId, STM_SETICON,
                reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_WARNING)), 0);
        layout(box, content);
        if (content.detail.empty()) {
            // A screen reader reads the message with the button that has the focus.
            describe(GetDlgItem(box, IDOK), content.message);
            return TRUE; // the focus goes to the button
        }
        SetDlgItemTextW(box, detailId, wideString(content.detail).c_str());
        const HWND detail = GetDlgItem(box, detailId);
        SendMessageW(detail, EM_SETSEL, 0, -1);
        SetFocus(detail);
        return FALSE; // the focus is set
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            forget(GetDlgItem(box, IDOK));
            EndDialog(box, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

// The repeats of a key held down, which must not press the box's button or close it before the
// box can be read: Enter held on 提交 answers at the key's rate, up to the end message.
LRESULT CALLBACK heldKeys(int code, WPARAM wParam, LPARAM lParam)
{
    const auto *message = reinterpret_cast<const MSG *>(lParam);
    constexpr LPARAM wasDown = LPARAM { 1 } << 30;
    // The keys' codes and their characters are the same numbers: Enter, Space and Escape.
    const bool closes = message->wParam == VK_RETURN || message->wParam == VK_SPACE
        || message->wParam == VK_ESCAPE;
    const bool typed = message->message == WM_KEYDOWN || message->message == WM_CHAR;
    if (code == MSGF_DIALOGBOX && typed && closes && (message->lParam & wasDown) != 0)
        return TRUE;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
} // namespace

void showBox(HWND owner, const Box &content, const FaceSpec &face)
{
    DialogTemplate dialog(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU,
        installedFamily(face), face.points);
    if (content.warning)
        dialog.control(staticClass, iconId, SS_ICON);
    dialog.control(staticClass, messageId, SS_LEFT | SS_NOPREFIX);
    if (!content.detail.empty())
        dialog.control(editClass, detailId, ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP);
    dialog.control(buttonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP);
    HHOOK held = SetWindowsHookExW(WH_MSGFILTER, heldKeys, nullptr, GetCurrentThreadId());
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(), owner, procedure,
        reinterpret_cast<LPARAM>(&content));
    if (held)
        UnhookWindowsHookEx(held);
}

} // namespace vorlank::ui::win32
