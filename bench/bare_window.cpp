// The floor for the start-up benchmark: registers a class, creates a plain
// window, runs the message loop. Nothing else.
// With --label it also shows one line of Chinese text in a label, the least
// a window with any text in it does; the benchmark uses it to show what the
// first text costs.
#include <windows.h>

#include <cstring>

namespace {

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int show) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = BareWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "RuvelkaBareWindow";
    if (!RegisterClassA(&windowClass)) return 1;
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Bare window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 576, 465, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    if (std::strstr(arguments, "--label") != nullptr)
        CreateWindowExA(0, "STATIC", "网络状态", WS_CHILD | WS_VISIBLE, 16, 16, 200, 20, window, nullptr, instance,
                        nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
