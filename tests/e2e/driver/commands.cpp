#include "commands.h"

#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>

#include "encoding.h"
#include "failure.h"
#include "file_bytes.h"
#include "measure_commands.h"
#include "ui.h"

namespace driver {

namespace {

using Words = std::vector<std::string>;

const WindowKind kWindowKinds[] = {
    {"main", "RuvelkaMainWindow", &ruvelka::kMainWindow},
    {"about", "RuvelkaAboutWindow", &ruvelka::kAboutWindow},
};

const char kMessageBoxClass[] = "#32770";
const char kMessageBoxTitle[] = "信息：";
const char kWindowWord[] = "window";  // stands for the current window itself

// ---- helpers -------------------------------------------------------------

std::string Utf8(const std::string& ansi) { return AnsiToUtf8(ansi); }

std::string Number(long long value) { return std::to_string(value); }

long ParseNumber(const std::string& word) {
    char* end = nullptr;
    long value = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0') Fail("not a number: " + Shown(word));
    return value;
}

void NeedWords(const Words& words, std::size_t least, std::size_t most, const char* usage) {
    std::size_t given = words.size() - 1;
    if (given < least || given > most) Fail(std::string("usage: ") + usage);
}

std::string FormatRect(const RECT& r) {
    return "at " + Number(r.left) + "," + Number(r.top) + " size " + Number(r.right - r.left) + "x" +
           Number(r.bottom - r.top);
}

const WindowKind* KindByWord(const std::string& word) {
    for (const WindowKind& kind : kWindowKinds)
        if (word == kind.word) return &kind;
    return nullptr;
}

DWORD Elapsed(DWORD start) { return GetTickCount() - start; }

// Retries the check until it stops failing or the session's bound runs out.
void Eventually(Session& session, const std::function<void()>& check) {
    const DWORD start = GetTickCount();
    for (;;) {
        try {
            check();
            return;
        } catch (const Failure& failure) {
            if (Elapsed(start) >= session.timeoutMs)
                Fail(failure.message + " (after waiting " + Number(session.timeoutMs / 1000) + " s)");
        }
        Sleep(50);
    }
}

void NeedProgram(Session& session) {
    if (!session.program.started()) Fail("the program has not been started");
}

HWND CurrentWindow(Session& session) {
    NeedProgram(session);
    if (session.kind == nullptr) Fail("no window chosen");
    if (!IsWindow(session.window)) Fail(std::string("the ") + session.kind->word + " window is gone");
    return session.window;
}

const ruvelka::ControlSpec& RowNamed(Session& session, const std::string& name) {
    CurrentWindow(session);
    const ruvelka::ControlSpec* row = ruvelka::FindControlSpec(*session.kind->table, name.c_str());
    if (row == nullptr) Fail("no control " + Shown(name) + " in the " + session.kind->word + " window's table");
    return *row;
}

HWND ControlNamed(Session& session, const std::string& name) {
    if (name == kWindowWord) return CurrentWindow(session);
    const ruvelka::ControlSpec& row = RowNamed(session, name);
    HWND control = GetDlgItem(session.window, row.dialogId);
    if (control == nullptr)
        Fail("the window has no child with the identifier " + Number(row.dialogId) + " (" + Utf8(name) + ")");
    return control;
}

bool IsClass(HWND window, const char* className) { return lstrcmpiA(ClassOf(window).c_str(), className) == 0; }

std::string ReadText(Session& session, HWND control) {
    if (!IsClass(control, "Edit")) return StoredText(control);
    std::string text;
    if (!AskText(control, session.timeoutMs, &text)) Fail("the program did not answer when asked for a text");
    return text;
}

std::string JoinFields(const std::vector<std::string>& fields) {
    std::string joined;
    for (std::size_t i = 0; i < fields.size(); ++i) joined += (i ? "." : "") + fields[i];
    return joined;
}

std::vector<std::string> SplitFields(const std::string& dotted) {
    std::vector<std::string> fields(1);
    for (char c : dotted) {
        if (c == '.')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

void Sync(Session& session) {
    if (!IsWindow(session.markerEdit)) {
        // The main window is gone: the best left is a sent message's answer.
        DWORD_PTR ignored = 0;
        if (!IsWindow(session.window) ||
            SendMessageTimeoutA(session.window, WM_NULL, 0, 0, SMTO_NORMAL, session.timeoutMs, &ignored))
            return;
        // The window went while the message waited: the program handled what
        // was posted to it by closing the window (and perhaps ending).
        if (!IsWindow(session.window)) return;
        Fail("the program did not answer within " + Number(session.timeoutMs / 1000) + " s");
    }
    if (!WaitUntilHandled(session.markerEdit, session.markerLimit, session.timeoutMs))
        Fail("the program did not come back to its message loop within " + Number(session.timeoutMs / 1000) + " s");
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) Fail("cannot write " + Shown(path) + " (error " + Number(GetLastError()) + ")");
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != bytes.size()) Fail("cannot write all of " + Shown(path));
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<HWND> MessageBoxes(Session& session) {
    std::vector<HWND> boxes;
    for (HWND box : TopLevelWindows(session.program.processId(), kMessageBoxClass))
        if (StoredText(box) == kMessageBoxTitle) boxes.push_back(box);
    return boxes;
}

// ---- files and environment -------------------------------------------------

void SetVariable(Session&, const Words& w) {
    NeedWords(w, 2, 2, "set NAME VALUE");
    if (!SetEnvironmentVariableA(w[1].c_str(), w[2].c_str())) Fail("cannot set " + Utf8(w[1]));
}

void UnsetVariable(Session&, const Words& w) {
    NeedWords(w, 1, 1, "unset NAME");
    SetEnvironmentVariableA(w[1].c_str(), nullptr);
}

void MakeFolder(Session&, const Words& w) {
    NeedWords(w, 1, 1, "mkdir PATH");
    if (!CreateDirectoryA(w[1].c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        Fail("cannot make the folder " + Shown(w[1]));
}

void WriteText(Session&, const Words& w) {
    NeedWords(w, 2, 2, "write-file PATH TEXT");
    WriteFileBytes(w[1], w[2]);
}

void WriteLines(Session&, const Words& w) {
    NeedWords(w, 1, 1000, "write-lines PATH LINE...");
    std::string bytes;
    for (std::size_t i = 2; i < w.size(); ++i) bytes += w[i] + "\r\n";
    WriteFileBytes(w[1], bytes);
}

void CopyOneFile(Session&, const Words& w) {
    NeedWords(w, 2, 2, "copy-file FROM TO");
    if (!CopyFileA(w[1].c_str(), w[2].c_str(), FALSE))
        Fail("cannot copy " + Shown(w[1]) + " to " + Shown(w[2]) + " (error " + Number(GetLastError()) + ")");
}

void DeleteOneFile(Session&, const Words& w) {
    NeedWords(w, 1, 1, "delete-file PATH");
    if (!DeleteFileA(w[1].c_str()) && FileExists(w[1])) Fail("cannot delete " + Shown(w[1]));
}

void ExpectFile(Session&, const Words& w) {
    NeedWords(w, 2, 2, "expect-file PATH present|absent");
    bool wanted = w[2] == "present";
    if (!wanted && w[2] != "absent") Fail("usage: expect-file PATH present|absent");
    bool there = FileExists(w[1]);
    if (there != wanted) Mismatch(Shown(w[1]) + " " + w[2], there ? "it is there" : "it is not there");
}

void ExpectFileText(Session&, const Words& w) {
    NeedWords(w, 2, 2, "expect-file-text PATH TEXT");
    std::string bytes;
    if (!ReadFileBytes(w[1], &bytes)) Mismatch(Shown(w[1]) + " to hold " + Shown(w[2]), "no such file");
    if (bytes != w[2]) Mismatch(Shown(w[1]) + " to hold " + Shown(w[2]), Shown(bytes));
}

void ExpectFileLines(Session&, const Words& w) {
    NeedWords(w, 1, 1000, "expect-file-lines PATH LINE...");
    std::string wanted;
    for (std::size_t i = 2; i < w.size(); ++i) wanted += w[i] + "\r\n";
    std::string bytes;
    if (!ReadFileBytes(w[1], &bytes)) Mismatch(Shown(w[1]) + " to hold " + Shown(wanted), "no such file");
    if (bytes != wanted) Mismatch(Shown(w[1]) + " to hold " + Shown(wanted), Shown(bytes));
}

void ExpectFileLineCount(Session&, const Words& w) {
    NeedWords(w, 2, 2, "expect-file-line-count PATH COUNT");
    long wanted = ParseNumber(w[2]);
    std::string bytes;
    if (!ReadFileBytes(w[1], &bytes)) Mismatch(Shown(w[1]) + " with " + w[2] + " line(s)", "no such file");
    long lines = 0;
    for (std::string::size_type at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
        ++lines;
    bool whole = bytes.empty() || (bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0);
    if (lines != wanted || !whole)
        Mismatch(Shown(w[1]) + " to hold " + w[2] + " line(s), each ended by CR LF",
                 Number(lines) + " line(s)" + (whole ? "" : " and an unended last line"));
}

void SetTimeout(Session& session, const Words& w) {
    NeedWords(w, 1, 1, "timeout SECONDS");
    long seconds = ParseNumber(w[1]);
    if (seconds < 1 || seconds > 600) Fail("the timeout must lie between 1 and 600 seconds");
    session.timeoutMs = static_cast<DWORD>(seconds) * 1000;
}

// ---- the program and its windows --------------------------------------------

void ChooseWindow(Session& session, const std::string& word) {
    NeedProgram(session);
    const WindowKind* kind = KindByWord(word);
    if (kind == nullptr) Fail("no window kind " + Shown(word) + " (main, about)");
    Eventually(session, [&] {
        std::vector<HWND> found = TopLevelWindows(session.program.processId(), kind->className);
        if (found.empty()) Mismatch(std::string("a window of class ") + kind->className, "none");
        session.kind = kind;
        session.window = found.front();
    });
}

void StartProgram(Session& session, const Words& w) {
    NeedWords(w, 0, 0, "start");
    // The stand-in ping must be beside the program: the real one would send
    // packets.
    if (!FileExists(session.programFolder + "\\ping.exe"))
        Fail("no ping.exe stand-in beside the program; refusing to start it");
    std::string error;
    if (!session.program.Start(session.programFolder + "\\ruvelka.exe", session.launchFolder, &error)) Fail(error);
    WaitForInputIdle(session.program.process(), session.timeoutMs);
    ChooseWindow(session, "main");
    for (std::size_t i = 0; i < ruvelka::kMainWindow.controlCount; ++i) {
        const ruvelka::ControlSpec& c = ruvelka::kMainWindow.controls[i];
        if (c.kind != ruvelka::ControlKind::EditBox) continue;
        session.markerEdit = GetDlgItem(session.window, c.dialogId);
        DWORD_PTR limit = 0;
        if (session.markerEdit == nullptr ||
            !SendMessageTimeoutA(session.markerEdit, EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL, session.timeoutMs, &limit) ||
            limit < 3)
            Fail("the main window has no edit box that answers (" + Utf8(c.name) + ")");
        session.markerLimit = static_cast<DWORD>(limit);
        break;
    }
}

void SelectWindow(Session& session, const Words& w) {
    NeedWords(w, 1, 1, "window main|about");
    ChooseWindow(session, w[1]);
}

void ExpectExit(Session& session, const Words& w) {
    NeedWords(w, 1, 1, "expect-exit CODE");
    NeedProgram(session);
    long wanted = ParseNumber(w[1]);
    DWORD code = 0;
    if (!session.program.WaitForExit(session.timeoutMs, &code))
        Mismatch("the program to end with " + w[1], "it still runs after " + Number(session.timeoutMs / 1000) + " s");
    if (static_cast<long>(code) != wanted) Mismatch("exit code " + w[1], "exit code " + Number(code));
}

void ExpectRunning(Session& session, const Words& w) {
    NeedWords(w, 0, 0, "expect-running");
    NeedProgram(session);
    if (!session.program.Running()) Mismatch("the program to run", "it has ended");
}

void ExpectWindowCount(Session& session, const Words& w) {
    NeedWords(w, 2, 2, "expect-windows main|about|message COUNT");
    NeedProgram(session);
    long wanted = ParseNumber(w[2]);
    std::size_t count = 0;
    if (w[1] == "message") {
        count = MessageBoxes(session).size();
    } else if (const WindowKind* kind = KindByWord(w[1])) {
        count = TopLevelWindows(session.program.processId(), kind->className).size();
    } else {
        Fail("no window kind " + Shown(w[1]) + " (main, about, message)");
    }
    if (static_cast<long>(count) != wanted) Mismatch(w[2] + " " + w[1] + " window(s)", Number(count));
}

// ---- what the window shows --------------------------------------------------

struct ClassOfKind {
    const char* className;
    int buttonStyle;  // BS_ type for buttons, -1 for other classes
};

ClassOfKind ExpectedClass(ruvelka::ControlKind kind) {
    using K = ruvelka::ControlKind;
    switch (kind) {
        case K::GroupBox: return {"Button", BS_GROUPBOX};
        case K::Button: return {"Button", BS_PUSHBUTTON};
        case K::AddressBox: return {"SysIPAddress32", -1};
        case K::EditBox: return {"Edit", -1};
        case K::Label:
        case K::PictureBox:
        case K::Hyperlink: return {"Static", -1};
    }
    return {"", -1};
}

void CheckFrame(Session& session, std::vector<std::string>* problems) {
    const ruvelka::WindowSpec& table = *session.kind->table;
    HWND window = session.window;
    std::string caption = StoredText(window);
    if (caption != table.caption)
        problems->push_back("caption: expected " + Shown(table.caption) + ", found " + Shown(caption));
    RECT outer = {};
    GetWindowRect(window, &outer);
    int width = outer.right - outer.left, height = outer.bottom - outer.top;
    if (width != table.width || height != table.height)
        problems->push_back("outer size: expected " + Number(table.width) + "x" + Number(table.height) + ", found " +
                            Number(width) + "x" + Number(height));
    int x = (GetSystemMetrics(SM_CXSCREEN) - table.width) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - table.height) / 2;
    if (outer.left != x || outer.top != y)
        problems->push_back("position (centred): expected " + Number(x) + "," + Number(y) + ", found " +
                            Number(outer.left) + "," + Number(outer.top));
    LONG style = GetWindowLongA(window, GWL_STYLE);
    if ((style & WS_CAPTION) != WS_CAPTION || !(style & WS_SYSMENU))
        problems->push_back("frame: expected a caption bar with a system menu");
    if (style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX))
        problems->push_back("frame: expected a fixed frame with the close box only");
    if (GetWindow(window, GW_OWNER) != nullptr) problems->push_back("owner: expected none");
}

void CheckControl(Session& session, const ruvelka::ControlSpec& c, std::vector<std::string>* problems) {
    const std::string name = Utf8(c.name);
    auto problem = [&](const std::string& what) { problems->push_back(name + ": " + what); };
    HWND control = GetDlgItem(session.window, c.dialogId);
    if (control == nullptr) {
        problem("no child window with the identifier " + Number(c.dialogId));
        return;
    }
    if (GetParent(control) != session.window) problem("not a direct child of the window");
    ClassOfKind expected = ExpectedClass(c.kind);
    std::string className = ClassOf(control);
    LONG style = GetWindowLongA(control, GWL_STYLE);
    if (lstrcmpiA(className.c_str(), expected.className) != 0) {
        problem(std::string("class: expected ") + expected.className + ", found " + className);
    } else if (expected.buttonStyle >= 0 && (style & BS_TYPEMASK) != expected.buttonStyle) {
        problem("button style: expected " + Number(expected.buttonStyle) + ", found " + Number(style & BS_TYPEMASK));
    }
    int x = 0, y = 0;
    ruvelka::ClientPosition(*session.kind->table, c, &x, &y);
    RECT wanted = {x, y, x + c.width, y + c.height};
    RECT found = RectInClient(control, session.window);
    if (!EqualRect(&wanted, &found)) problem("expected " + FormatRect(wanted) + ", found " + FormatRect(found));
    if (!IsWindowVisible(control)) problem("expected visible, found hidden");
    if (!IsWindowEnabled(control)) problem("expected enabled, found disabled");
    if (((style & WS_TABSTOP) != 0) != c.tabStop)
        problem(c.tabStop ? "expected a tab stop, found none" : "expected no tab stop, found one");
    if (c.kind == ruvelka::ControlKind::AddressBox) {
        std::vector<std::string> fields;
        if (!AddressFields(control, session.timeoutMs, &fields)) {
            problem("expected four edit fields that answer");
        } else if (JoinFields(fields) != "...") {
            problem("expected four blank fields, found " + Shown(JoinFields(fields)));
        }
    } else {
        std::string text = ReadText(session, control);
        if (text != c.caption) problem("text: expected " + Shown(c.caption) + ", found " + Shown(text));
    }
}

void ExpectLayout(Session& session, const Words& w) {
    NeedWords(w, 0, 0, "expect-layout");
    CurrentWindow(session);
    std::vector<std::string> problems;
    CheckFrame(session, &problems);
    const ruvelka::WindowSpec& table = *session.kind->table;
    for (std::size_t i = 0; i < table.controlCount; ++i) CheckControl(session, table.controls[i], &problems);
    if (problems.empty()) return;
    std::string report = "the " + std::string(session.kind->word) + " window differs from its table:";
    for (const std::string& p : problems) report += "\n    " + p;
    Fail(report);
}

void ExpectCaption(Session& session, const Words& w) {
    NeedWords(w, 1, 1, "expect-caption TEXT");
    std::string caption = StoredText(CurrentWindow(session));
    if (caption != w[1]) Mismatch("the caption " + Shown(w[1]), Shown(caption));
}

void ExpectText(Session& session, const Words& w) {
    NeedWords(w, 2, 2, "expect-text CONTROL TEXT");
    HWND control = ControlNamed(session, w[1]);
    if (IsClass(control, "SysIPAddress32")) Fail("an address box: use expect-address");
    std::string text = ReadText(session, control);
    if (text != w[2]) Mismatch(Utf8(w[1]) + " to show " + Shown(w[2]), Shown(text));
}

void ExpectAddress(Session& session, const Words& w) {
    NeedWords(w, 2, 2, "expect-address CONTROL A.B.C.D|blank");
    HWND box = ControlNamed(session, w[1]);
    std::string wanted = w[2] == "blank" ? "..." : w[2];
    if (SplitFields(wanted).size() != 4) Fail("an address is four fields with three dots, blank fields empty");
    std::vector<std::string> fields;
    if (!AddressFields(box, session.timeoutMs, &fields)) Fail(Utf8(w[1]) + " has no four fields that answer");
    std::string found = JoinFields(fields);
    if (found != wanted) Mismatch(Utf8(w[1]) + " to hold " + Shown(wanted), Shown(found) + " (blank fields are empty)");
}

void ExpectRect(Session& session, const Words& w) {
    NeedWords(w, 5, 5, "expect-rect CONTROL X Y WIDTH HEIGHT");
    HWND control = ControlNamed(session, w[1]);
    long x = ParseNumber(w[2]), y = ParseNumber(w[3]), width = ParseNumber(w[4]), height = ParseNumber(w[5]);
    RECT wanted = {x, y, x + width, y + height};
    RECT found = RectInClient(control, session.window);
    if (!EqualRect(&wanted, &found)) Mismatch(Utf8(w[1]) + " " + FormatRect(wanted), FormatRect(found));
}

void ExpectEnabledState(Session& session, const Words& w, bool enabled) {
    NeedWords(w, 1, 100, enabled ? "expect-enabled CONTROL..." : "expect-disabled CONTROL...");
    std::string wrong;
    for (std::size_t i = 1; i < w.size(); ++i)
        if ((IsWindowEnabled(ControlNamed(session, w[i])) != FALSE) != enabled) wrong += " " + Utf8(w[i]);
    if (!wrong.empty())
        Mismatch(std::string(enabled ? "enabled" : "disabled"),
                 std::string(enabled ? "disabled:" : "enabled:") + wrong);
}

void ExpectEnabled(Session& session, const Words& w) { ExpectEnabledState(session, w, true); }
void ExpectDisabled(Session& session, const Words& w) { ExpectEnabledState(session, w, false); }

void ExpectFocus(Session& session, const Words& w) {
    NeedWords(w, 1, 1, "expect-focus CONTROL");
    HWND control = ControlNamed(session, w[1]);
    HWND focus = FocusOf(session.program.threadId());
    if (focus != control && !IsChild(control, focus)) {
        int id = focus ? GetDlgCtrlID(focus) : 0;
        Mismatch("the focus on " + Utf8(w[1]),
                 focus ? "identifier " + Number(id) + " (" + ClassOf(focus) + ")" : "none");
    }
}

void ExpectActive(Session& session, const Words& w) {
    NeedWords(w, 0, 0, "expect-active");
    HWND window = CurrentWindow(session);
    HWND active = ActiveOf(session.program.threadId());
    if (active != window)
        Mismatch(std::string("the ") + session.kind->word + " window active", active ? ClassOf(active) : "none");
}

void ExpectMinimized(Session& session, const Words& w) {
    NeedWords(w, 1, 1, "expect-minimized yes|no");
    if (w[1] != "yes" && w[1] != "no") Fail("usage: expect-minimized yes|no");
    bool minimized = IsIconic(CurrentWindow(session)) != FALSE;
    if (minimized != (w[1] == "yes"))
        Mismatch(minimized ? "not minimised" : "minimised", minimized ? "minimised" : "not minimised");
}

// ---- acting on the window ---------------------------------------------------

void TypeText(Session& session, const Words& w) {
    NeedWords(w, 2, 2, "type CONTROL TEXT");
    HWND control = ControlNamed(session, w[1]);
    if (!IsClass(control, "Edit")) Fail(Utf8(w[1]) + " is not an edit box");
    if (!PutText(control, w[2], session.timeoutMs)) Fail("the program did not take the text");
}

// Fills the four fields of an address box, as a user typing an address would
// (IPM_SETADDRESS; every field gets a value).
void TypeAddress(Session& session, const Words& w) {
    NeedWords(w, 2, 2, "type-address CONTROL A.B.C.D");
    HWND box = ControlNamed(session, w[1]);
    if (!IsClass(box, "SysIPAddress32")) Fail(Utf8(w[1]) + " is not an address box");
    std::vector<std::string> fields = SplitFields(w[2]);
    if (fields.size() != 4) Fail("an address is four numbers with three dots");
    DWORD packed = 0;
    for (const std::string& field : fields) {
        long value = ParseNumber(field);
        if (value < 0 || value > 255) Fail("an address field lies between 0 and 255: " + Shown(field));
        packed = (packed << 8) | static_cast<DWORD>(value);
    }
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(box, IPM_SETADDRESS, 0, static_cast<LPARAM>(packed), SMTO_NORMAL, session.timeoutMs,
                             &ignored))
        Fail("the program did not take the address");
}

void PostClick(Session& session, const std::string& name) {
    HWND control = ControlNamed(session, name);
    if (IsClass(control, "Button")) {
        // What a click on the button sends its window. BM_CLICK would depend
        // on the button getting the mouse capture, which another program's
        // new console window (ping's) can take away under Wine, losing the
        // click now and then. A disabled button takes no click.
        if (IsWindowEnabled(control))
            PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                         reinterpret_cast<LPARAM>(control));
        return;
    }
    RECT r = {};
    GetClientRect(control, &r);
    LPARAM centre = MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2);
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageA(control, WM_LBUTTONUP, 0, centre);
}

void Click(Session& session, const Words& w) {
    NeedWords(w, 1, 1, "click CONTROL");
    PostClick(session, w[1]);
    Sync(session);
}

void ClickWithoutWaiting(Session& session, const Words& w) {
    NeedWords(w, 1, 1, "post-click CONTROL");
    PostClick(session, w[1]);
}

void SyncCommand(Session& session, const Words& w) {
    NeedWords(w, 0, 0, "sync");
    CurrentWindow(session);
    Sync(session);
}

void Press(Session& session, const Words& w) {
    NeedWords(w, 1, 1, "press esc|enter|tab");
    UINT key = w[1] == "esc" ? VK_ESCAPE : w[1] == "enter" ? VK_RETURN : w[1] == "tab" ? VK_TAB : 0;
    if (key == 0) Fail("usage: press esc|enter|tab");
    HWND window = CurrentWindow(session);
    HWND target = FocusOf(session.program.threadId());
    if (target == nullptr || (target != window && !IsChild(window, target))) target = window;
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, 0)) << 16;
    PostMessageA(target, WM_KEYDOWN, key, scan | 1);
    PostMessageA(target, WM_KEYUP, key, scan | 1 | (1u << 30) | (1u << 31));
    Sync(session);
}

void MinimizeWindow(Session& session, const Words& w) {
    NeedWords(w, 0, 0, "minimize");
    PostMessageA(CurrentWindow(session), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    Sync(session);
}

void ActivateWindow(Session& session, const Words& w) {
    NeedWords(w, 0, 0, "activate");
    HWND window = CurrentWindow(session);
    SetForegroundWindow(window);
    Sync(session);
    if (ActiveOf(session.program.threadId()) != window) Fail("the window could not be made active");
}

void CloseWindow(Session& session, const Words& w) {
    NeedWords(w, 0, 0, "close");
    PostMessageA(CurrentWindow(session), WM_SYSCOMMAND, SC_CLOSE, 0);
    Sync(session);
}

// ---- message boxes -----------------------------------------------------------

void ExpectMessage(Session& session, const Words& w) {
    NeedWords(w, 1, 1, "expect-message TEXT");
    NeedProgram(session);
    Eventually(session, [&] {
        std::vector<HWND> boxes = MessageBoxes(session);
        if (boxes.empty()) Mismatch("a message box " + Shown(kMessageBoxTitle) + " saying " + Shown(w[1]), "none");
        std::string text = MessageBoxText(boxes.front());
        if (text != w[1]) Mismatch("a message box saying " + Shown(w[1]), "one saying " + Shown(text));
        std::vector<int> buttons = MessageBoxButtons(boxes.front());
        if (buttons.size() != 1 || buttons.front() != IDOK)
            Mismatch("an OK button alone", Number(buttons.size()) + " button(s)");
    });
}

void ExpectNoMessage(Session& session, const Words& w) {
    NeedWords(w, 0, 0, "expect-no-message");
    NeedProgram(session);
    std::vector<HWND> boxes = MessageBoxes(session);
    if (!boxes.empty()) Mismatch("no message box", "one saying " + Shown(MessageBoxText(boxes.front())));
}

void AnswerMessage(Session& session, const Words& w) {
    NeedWords(w, 0, 0, "answer-message");
    NeedProgram(session);
    std::vector<HWND> boxes = MessageBoxes(session);
    if (boxes.empty()) Mismatch("a message box to answer", "none");
    HWND box = boxes.front();
    HWND ok = GetDlgItem(box, IDOK);
    if (ok == nullptr) Fail("the message box has no OK button");
    PostMessageA(ok, BM_CLICK, 0, 0);
    Eventually(session, [&] {
        if (IsWindow(box) && IsWindowVisible(box)) Mismatch("the message box to close", "it is still open");
    });
    if (session.window != nullptr && IsWindow(session.window)) Sync(session);
}

// ---- the table -----------------------------------------------------------------

using Handler = void (*)(Session&, const Words&);

const std::map<std::string, Handler>& Handlers() {
    static const std::map<std::string, Handler> handlers = {
        {"set", SetVariable},
        {"unset", UnsetVariable},
        {"mkdir", MakeFolder},
        {"write-file", WriteText},
        {"write-lines", WriteLines},
        {"copy-file", CopyOneFile},
        {"delete-file", DeleteOneFile},
        {"expect-file", ExpectFile},
        {"expect-file-text", ExpectFileText},
        {"expect-file-lines", ExpectFileLines},
        {"expect-file-line-count", ExpectFileLineCount},
        {"timeout", SetTimeout},
        {"start", StartProgram},
        {"window", SelectWindow},
        {"expect-exit", ExpectExit},
        {"expect-running", ExpectRunning},
        {"expect-windows", ExpectWindowCount},
        {"expect-layout", ExpectLayout},
        {"expect-caption", ExpectCaption},
        {"expect-text", ExpectText},
        {"expect-address", ExpectAddress},
        {"expect-rect", ExpectRect},
        {"expect-enabled", ExpectEnabled},
        {"expect-disabled", ExpectDisabled},
        {"expect-focus", ExpectFocus},
        {"type", TypeText},
        {"type-address", TypeAddress},
        {"click", Click},
        {"post-click", ClickWithoutWaiting},
        {"sync", SyncCommand},
        {"press", Press},
        {"close", CloseWindow},
        {"minimize", MinimizeWindow},
        {"activate", ActivateWindow},
        {"expect-active", ExpectActive},
        {"expect-minimized", ExpectMinimized},
        {"expect-message", ExpectMessage},
        {"expect-no-message", ExpectNoMessage},
        {"answer-message", AnswerMessage},
        {"measure", MeasureProgram},
        {"expect-growth", ExpectGrowth},
    };
    return handlers;
}

}  // namespace

void RunCommand(Session& session, const std::vector<std::string>& words) {
    if (words.empty()) return;
    if (words[0] == "eventually") {
        if (words.size() < 2 || words[1].compare(0, 7, "expect-") != 0) Fail("usage: eventually expect-...");
        std::vector<std::string> inner(words.begin() + 1, words.end());
        Eventually(session, [&] { RunCommand(session, inner); });
        return;
    }
    auto handler = Handlers().find(words[0]);
    if (handler == Handlers().end()) Fail("no command " + Shown(words[0]));
    handler->second(session, words);
}

}  // namespace driver
