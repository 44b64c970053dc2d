#include "platform/win32/hyperlink.h"

#include <shellapi.h>

#include "platform/win32/win32_controls.h"

namespace ruvelka {

namespace {

const char kOriginalProc[] = "RuvelkaLinkProc";
const char kHovered[] = "RuvelkaLinkHover";
const char kVisited[] = "RuvelkaLinkVisited";

LRESULT CALLBACK LinkProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC original = reinterpret_cast<WNDPROC>(GetPropA(link, kOriginalProc));
    switch (message) {
        case WM_SETCURSOR: SetCursor(LoadCursor(nullptr, IDC_HAND)); return TRUE;
        case WM_MOUSEMOVE:
            if (!GetPropA(link, kHovered)) {
                SetPropA(link, kHovered, reinterpret_cast<HANDLE>(1));
                TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, link, 0};
                TrackMouseEvent(&track);
                InvalidateRect(link, nullptr, TRUE);
            }
            break;
        case WM_MOUSELEAVE:
            RemovePropA(link, kHovered);
            InvalidateRect(link, nullptr, TRUE);
            break;
        case WM_NCDESTROY:
            RemovePropA(link, kHovered);
            RemovePropA(link, kVisited);
            RemovePropA(link, kOriginalProc);
            SetWindowLongPtrA(link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
            break;
    }
    return CallWindowProcA(original, link, message, wParam, lParam);
}

// The command line that opens ".htm" documents, cut before its first "%1".
Text HtmOpenCommand() {
    char type[MAX_PATH] = {};
    LONG size = sizeof type;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, ".htm", type, &size) != ERROR_SUCCESS || type[0] == '\0') return Text();
    Text key = Text(type) + "\\shell\\open\\command";
    char command[2048] = {};
    size = sizeof command;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), command, &size) != ERROR_SUCCESS) return Text();
    Text line(command);
    std::size_t placeholder = line.find("%1");
    if (placeholder != Text::npos) line.erase(placeholder);
    return line;
}

}  // namespace

void AttachHyperlink(HWND link) {
    LONG_PTR original = GetWindowLongPtrA(link, GWLP_WNDPROC);
    SetPropA(link, kOriginalProc, reinterpret_cast<HANDLE>(original));
    SetWindowLongPtrA(link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LinkProc));
}

void DrawHyperlink(const DRAWITEMSTRUCT& item, const HyperlinkColours& colours, HFONT font) {
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    COLORREF colour = GetPropA(item.hwndItem, kHovered)   ? colours.hover
                      : GetPropA(item.hwndItem, kVisited) ? colours.visited
                                                          : colours.normal;
    HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    Text text = WindowText(item.hwndItem);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
}

void OpenHyperlink(HWND link, const Text& address, SystemServices& system) {
    HINSTANCE result = ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    bool opened = reinterpret_cast<INT_PTR>(result) > 32;
    if (!opened) {
        Text command = HtmOpenCommand();
        if (!command.empty())
            opened = system.RunCommandLine(command + " " + address, false, WindowShow::Normal).started;
    }
    if (opened) {
        SetPropA(link, kVisited, reinterpret_cast<HANDLE>(1));
        InvalidateRect(link, nullptr, TRUE);
    }
}

}  // namespace ruvelka
