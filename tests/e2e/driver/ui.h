// Reading and working the program's windows from outside its process.
//
// Captions and the texts of labels and buttons are read from what the window
// manager stores (GetWindowText on another process's window sends nothing),
// so they can be read while the program is busy. Edit fields are asked with
// WM_GETTEXT, which needs the program's thread to answer.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// The program's visible top-level windows of a class, topmost first.
std::vector<HWND> TopLevelWindows(DWORD processId, const char* className);

std::string ClassOf(HWND window);

// The text the window manager keeps for the window (caption, label text).
std::string StoredText(HWND window);

// The text as the control itself gives it; false when the program did not
// answer within timeoutMs.
bool AskText(HWND control, DWORD timeoutMs, std::string* text);

// Sets an edit control's text; false when the program did not take it.
bool PutText(HWND control, const std::string& text, DWORD timeoutMs);

// The four fields of an IP address box, left to right; false when the box
// does not have four fields or the program did not answer.
bool AddressFields(HWND box, DWORD timeoutMs, std::vector<std::string>* fields);

// The control's rectangle in its top-level window's client coordinates.
RECT RectInClient(HWND control, HWND window);

// The window the program's thread has given the keyboard focus, or nullptr.
HWND FocusOf(DWORD threadId);

// The active window of the program's thread.
HWND ActiveOf(DWORD threadId);

// Waits until the program's thread has handled every message posted to it
// before this call, or is waiting for input in a modal loop (a message box).
// markerEdit is an edit box of the program whose text limit is normalLimit.
// True also when that box is gone; false after timeoutMs.
bool WaitUntilHandled(HWND markerEdit, DWORD normalLimit, DWORD timeoutMs);

// The text of a message box: its static control that is not an icon.
std::string MessageBoxText(HWND box);

// The identifiers of a message box's visible buttons.
std::vector<int> MessageBoxButtons(HWND box);

}  // namespace driver
