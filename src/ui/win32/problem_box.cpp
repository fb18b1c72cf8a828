#include "problem_box.h"

#include <string>
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

// An in-memory dialog template: the box is laid out in dialog units of its own face, so it
// scales with the face and the monitor as every Windows dialog does.
class DialogTemplate
{
public:
    DialogTemplate(DWORD style, short width, short height, std::wstring_view family, int points)
    {
        add(LOWORD(style));
        add(HIWORD(style));
        add(0); // extended style
        add(0);
        countAt_ = words_.size();
        add(0);
        for (const short value : { short { 0 }, short { 0 }, width, height })
            add(static_cast<WORD>(value));
        add(0); // no menu
        add(0); // the standard dialog class
        add(L""); // title, set when shown
        add(static_cast<WORD>(points));
        add(family);
    }

    void control(WORD windowClass, WORD id, DWORD style, short x, short y, short cx, short cy)
    {
        while (words_.size() % 2 != 0) // each item starts on a DWORD boundary
            add(0);
        style |= WS_CHILD | WS_VISIBLE;
        add(LOWORD(style));
        add(HIWORD(style));
        add(0);
        add(0);
        for (const short value : { x, y, cx, cy })
            add(static_cast<WORD>(value));
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

struct Texts {
    std::wstring title;
    std::wstring message;
    std::wstring detail;
};

INT_PTR CALLBACK procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        const auto *texts = reinterpret_cast<const Texts *>(lParam);
        SetWindowTextW(box, texts->title.c_str());
        SetDlgItemTextW(box, messageId, texts->message.c_str());
        SetDlgItemTextW(box, detailId, texts->detail.c_str());
        SetDlgItemTextW(box, IDOK, L"确定");
        SendDlgItemMessageW(
            box, iconId, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_WARNING)), 0);
        const HWND detail = GetDlgItem(box, detailId);
        SendMessageW(detail, EM_SETSEL, 0, -1);
        SetFocus(detail);
        return FALSE; // the focus is set
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(box, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
} // namespace

void showProblemBox(HWND owner, std::wstring_view title, std::wstring_view message,
    std::wstring_view detail, std::wstring_view family, int points)
{
    DialogTemplate dialog(
        DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 300, 74,
        family, points);
    dialog.control(staticClass, iconId, SS_ICON, 7, 7, 21, 20);
    dialog.control(staticClass, messageId, SS_LEFT | SS_NOPREFIX, 36, 9, 257, 20);
    dialog.control(editClass, detailId, ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 36,
        32, 257, 14);
    dialog.control(buttonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 243, 53, 50, 14);
    Texts texts { std::wstring(title), std::wstring(message), std::wstring(detail) };
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(), owner, procedure,
        reinterpret_cast<LPARAM>(&texts));
}

} // namespace vorlank::ui::win32
