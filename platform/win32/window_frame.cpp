#include "platform/win32/window_frame.h"

#include <commctrl.h>

#include "app/resources/resource_ids.h"
#include "platform/win32/application.h"
#include "platform/win32/banner.h"
#include "platform/win32/fonts.h"
#include "platform/win32/hyperlink.h"
#include "platform/win32/win32_controls.h"

namespace ruvelka {

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

// What one window keeps for its lifetime.
struct Frame {
    Application* app = nullptr;
    FrameOptions options = {};
    WindowFonts fonts;
    HBITMAP banner = nullptr;
    HBRUSH editBackground = CreateSolidBrush(kWhite);
    bool* adopted = nullptr;  // set while the window is being created

    ~Frame() {
        if (banner) DeleteObject(banner);
        DeleteObject(editBackground);
    }
};

Frame* FrameOf(HWND window) { return reinterpret_cast<Frame*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

const ControlSpec* SpecOfChild(const Frame& frame, int dialogId) {
    const WindowSpec& spec = *frame.options.spec;
    for (std::size_t i = 0; i < spec.controlCount; ++i)
        if (spec.controls[i].dialogId == dialogId) return &spec.controls[i];
    return nullptr;
}

struct ChildClass {
    const char* className;
    DWORD style;
    DWORD extendedStyle;
};

ChildClass ClassFor(const ControlSpec& c) {
    DWORD edge = c.look.sunkenEdge ? WS_EX_STATICEDGE : 0;
    switch (c.kind) {
        case ControlKind::GroupBox: return {"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::PictureBox: return {"STATIC", SS_OWNERDRAW, 0};
        case ControlKind::Button: return {"BUTTON", BS_PUSHBUTTON, 0};
        case ControlKind::Label: return {"STATIC", SS_OWNERDRAW, edge};
        case ControlKind::AddressBox: return {WC_IPADDRESSA, 0, 0};
        case ControlKind::EditBox: return {"EDIT", ES_CENTER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::Hyperlink: return {"STATIC", SS_OWNERDRAW | SS_NOTIFY, 0};
    }
    return {"STATIC", 0, 0};
}

void BuildControls(HWND window, Frame& frame) {
    const WindowSpec& spec = *frame.options.spec;
    HINSTANCE instance = frame.app->instance();
    for (std::size_t i = 0; i < spec.controlCount; ++i) {
        const ControlSpec& c = spec.controls[i];
        ChildClass cls = ClassFor(c);
        int x = 0, y = 0;
        ClientPosition(spec, c, &x, &y);
        DWORD style = WS_CHILD | WS_VISIBLE | cls.style | (c.tabStop ? WS_TABSTOP : 0);
        HWND child =
            CreateWindowExA(cls.extendedStyle, cls.className, c.caption, style, x, y, c.width, c.height, window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.dialogId)), instance, nullptr);
        if (child == nullptr) continue;
        HFONT font = c.kind == ControlKind::Hyperlink ? frame.fonts.Underlined(c.look.songtiHeight)
                                                      : frame.fonts.Songti(c.look.songtiHeight);
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (c.kind == ControlKind::Hyperlink) AttachHyperlink(child);
        if (c.kind == ControlKind::PictureBox && frame.banner == nullptr) frame.banner = LoadBannerBitmap(instance);
    }
}

void DrawLabel(const DRAWITEMSTRUCT& item, const ControlSpec& c, Frame& frame) {
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    Text text = WindowText(item.hwndItem);
    HGDIOBJ previous = SelectObject(dc, frame.fonts.Songti(c.look.songtiHeight));
    SetBkMode(dc, TRANSPARENT);
    UINT format =
        DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (c.look.align == TextAlign::CentreMiddle ? DT_CENTER : DT_LEFT);
    RECT shifted = area;
    OffsetRect(&shifted, 1, 1);
    auto draw = [&](COLORREF colour, RECT* where) {
        SetTextColor(dc, colour);
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), where, format);
    };
    switch (c.look.effect) {
        case TextEffect::Embossed:  // white at its place, the colour one pixel right and down
            draw(kWhite, &area);
            draw(c.look.colour, &shifted);
            break;
        case TextEffect::Engraved:  // white one pixel right and down, the colour at its place
            draw(kWhite, &shifted);
            draw(c.look.colour, &area);
            break;
        case TextEffect::None: draw(c.look.colour, &area); break;
    }
    SelectObject(dc, previous);
}

void DrawBanner(const DRAWITEMSTRUCT& item, Frame& frame) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (frame.banner == nullptr) return;
    HDC memory = CreateCompatibleDC(item.hDC);
    HGDIOBJ previous = SelectObject(memory, frame.banner);
    BITMAP size = {};
    GetObjectA(frame.banner, sizeof size, &size);
    // Unscaled, from the top-left corner.
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

LRESULT OnDrawItem(Frame& frame, const DRAWITEMSTRUCT& item) {
    const ControlSpec* c = SpecOfChild(frame, static_cast<int>(item.CtlID));
    if (c == nullptr) return FALSE;
    switch (c->kind) {
        case ControlKind::Label: DrawLabel(item, *c, frame); break;
        case ControlKind::Hyperlink:
            DrawHyperlink(item, *frame.options.linkColours, frame.fonts.Underlined(c->look.songtiHeight));
            break;
        case ControlKind::PictureBox: DrawBanner(item, frame); break;
        default: return FALSE;
    }
    return TRUE;
}

void OnCommand(HWND window, Frame& frame, int id, int code, HWND child) {
    if (id == IDCANCEL) {  // Esc
        DestroyWindow(window);
        return;
    }
    const ControlSpec* c = child ? SpecOfChild(frame, id) : nullptr;
    if (c == nullptr || code != BN_CLICKED) return;  // STN_CLICKED has the same value
    if (c->kind == ControlKind::Hyperlink) {
        OpenHyperlink(child, c->link ? c->link : "", frame.app->system());
    } else if (c->kind == ControlKind::Button && frame.options.handlesCommands) {
        frame.app->RunCommand(c->name);
    }
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Frame* frame = FrameOf(window);
    if (message == WM_NCCREATE) {
        frame = static_cast<Frame*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(frame));
        *frame->adopted = true;  // from now on WM_NCDESTROY deletes it
    }
    if (frame == nullptr) return DefWindowProcA(window, message, wParam, lParam);

    switch (message) {
        case WM_CREATE:
            frame->app->WindowCreated(window);
            BuildControls(window, *frame);
            return 0;
        case WM_DRAWITEM: return OnDrawItem(*frame, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            // Group-box captions take their colour from here.
            const ControlSpec* c = SpecOfChild(*frame, GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, c ? c->look.colour : RGB(0, 0, 0));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_CTLCOLOREDIT: {
            const ControlSpec* c = SpecOfChild(*frame, GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
            if (c == nullptr || c->kind != ControlKind::EditBox) break;
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, c->look.colour);
            SetBkColor(dc, kWhite);
            return reinterpret_cast<LRESULT>(frame->editBackground);
        }
        case WM_COMMAND:
            OnCommand(window, *frame, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_NCACTIVATE:
            if (frame->options.titleAlwaysActive && IsWindowEnabled(window))
                return DefWindowProcA(window, WM_NCACTIVATE, TRUE, lParam);
            break;
        case WM_ENABLE:
            if (frame->options.titleAlwaysActive)
                DefWindowProcA(window, WM_NCACTIVATE, wParam ? TRUE : GetActiveWindow() == window, 0);
            return 0;
        case WM_CLOSE: DestroyWindow(window); return 0;
        case WM_NCDESTROY: {
            Application* app = frame->app;
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            delete frame;
            app->WindowDestroyed(window);
            return 0;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterFrameClass(HINSTANCE instance, const char* className) {
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, className, &existing)) return;
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = instance;
    wc.hIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_RUVELKA), IMAGE_ICON, 48, 48, 0));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_RUVELKA), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    RegisterClassExA(&wc);
}

}  // namespace

HWND CreateFrameWindow(Application& app, const FrameOptions& options) {
    RegisterFrameClass(app.instance(), options.className);
    const WindowSpec& spec = *options.spec;
    int x = (GetSystemMetrics(SM_CXSCREEN) - spec.width) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - spec.height) / 2;
    bool adopted = false;
    Frame* frame = new Frame;
    frame->app = &app;
    frame->options = options;
    frame->adopted = &adopted;
    // Fixed single frame, movable, the close box only; no owner, so each
    // window has its own taskbar button.
    HWND window =
        CreateWindowExA(WS_EX_APPWINDOW, options.className, spec.caption, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, x, y,
                        spec.width, spec.height, nullptr, nullptr, app.instance(), frame);
    if (window == nullptr) {
        if (!adopted) delete frame;
        return nullptr;
    }
    frame->adopted = nullptr;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}

}  // namespace ruvelka
