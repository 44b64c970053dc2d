#include "ui.h"

#include <algorithm>

namespace driver {

namespace {

struct WindowQuery {
    DWORD processId;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM data) {
    WindowQuery& query = *reinterpret_cast<WindowQuery*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == query.processId && IsWindowVisible(window) && lstrcmpiA(ClassOf(window).c_str(), query.className) == 0)
        query.found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChildren(HWND child, LPARAM data) {
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
    return TRUE;
}

std::vector<HWND> DirectChildren(HWND parent) {
    std::vector<HWND> all;
    EnumChildWindows(parent, CollectChildren, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> direct;
    for (HWND child : all)
        if (GetParent(child) == parent) direct.push_back(child);
    return direct;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId, const char* className) {
    WindowQuery query{processId, className, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::string StoredText(HWND window) {
    int capacity = GetWindowTextLengthA(window) + 1;
    std::string text(static_cast<std::size_t>(capacity) + 1, '\0');
    int length = GetWindowTextA(window, &text[0], capacity + 1);
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return text;
}

bool AskText(HWND control, DWORD timeoutMs, std::string* text) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, timeoutMs, &length)) return false;
    std::string buffer(static_cast<std::size_t>(length) + 2, '\0');
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(&buffer[0]), SMTO_NORMAL,
                             timeoutMs, &got))
        return false;
    buffer.resize(std::min<std::size_t>(static_cast<std::size_t>(got), buffer.size()));
    *text = buffer;
    return true;
}

bool PutText(HWND control, const std::string& text, DWORD timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, timeoutMs,
                               &result) != 0;
}

bool AddressFields(HWND box, DWORD timeoutMs, std::vector<std::string>* fields) {
    std::vector<HWND> edits;
    for (HWND child : DirectChildren(box))
        if (lstrcmpiA(ClassOf(child).c_str(), "Edit") == 0) edits.push_back(child);
    if (edits.size() != 4) return false;
    std::sort(edits.begin(), edits.end(), [](HWND a, HWND b) {
        RECT ra, rb;
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.left < rb.left;
    });
    fields->clear();
    for (HWND edit : edits) {
        std::string text;
        if (!AskText(edit, timeoutMs, &text)) return false;
        fields->push_back(text);
    }
    return true;
}

RECT RectInClient(HWND control, HWND window) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND FocusOf(DWORD threadId) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId, &info)) return nullptr;
    return info.hwndFocus;
}

HWND ActiveOf(DWORD threadId) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId, &info)) return nullptr;
    return info.hwndActive;
}

bool WaitUntilHandled(HWND markerEdit, DWORD normalLimit, DWORD timeoutMs) {
    // A marker travels behind whatever was posted before: a posted
    // EM_SETLIMITTEXT to an edit box of the program, read back with a sent
    // EM_GETLIMITTEXT (the limit does not bind WM_SETTEXT, and the program
    // never sets it). Messages are taken from the thread's queue in order, so
    // once the marker reads back, everything posted before it has been
    // handled, or a modal loop (a message box) is taking the messages.
    static DWORD turn = 0;
    turn = turn % 2 + 1;
    const DWORD marker = normalLimit - turn;
    if (!IsWindow(markerEdit)) return true;
    if (!PostMessageA(markerEdit, EM_SETLIMITTEXT, marker, 0)) return !IsWindow(markerEdit);
    const DWORD start = GetTickCount();
    for (;;) {
        if (!IsWindow(markerEdit)) return true;
        DWORD_PTR current = 0;
        if (SendMessageTimeoutA(markerEdit, EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL, 100, &current) && current == marker) {
            PostMessageA(markerEdit, EM_SETLIMITTEXT, normalLimit, 0);
            return true;
        }
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
}

std::string MessageBoxText(HWND box) {
    for (HWND child : DirectChildren(box)) {
        if (lstrcmpiA(ClassOf(child).c_str(), "Static") != 0) continue;
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON) continue;
        std::string text = StoredText(child);
        if (!text.empty()) return text;
    }
    return std::string();
}

std::vector<int> MessageBoxButtons(HWND box) {
    std::vector<int> ids;
    for (HWND child : DirectChildren(box))
        if (lstrcmpiA(ClassOf(child).c_str(), "Button") == 0 && IsWindowVisible(child))
            ids.push_back(GetDlgCtrlID(child));
    return ids;
}

}  // namespace driver
