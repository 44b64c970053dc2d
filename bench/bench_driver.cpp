// The timing side of bench/run.sh. It starts the programs under test, clicks
// their buttons as a user would (BM_CLICK posted to the button) and times each
// step with the performance counter; beside each step, in turn, it times the
// floor the step is compared with, and a second floor that shows where the
// difference goes. It prints one line per sample and leaves the medians to
// bench/report.py:
//   time <measure> <milliseconds>
//   memory <program>.api <peak working set> <working set>   (bytes)
//   note <text>
// Usage:
//   bench_driver startup <runs> <ruvelka.exe> <bare_window.exe>
//   bench_driver view <runs> <ruvelka.exe>
//   bench_driver check <runs> <ruvelka.exe> <url> <address the page shows>
//   bench_driver hold <label> <exe> <window class> <none|every|every-but-admin>
//                <ready file> <release file> [<url> <address the page shows>]
// "hold" starts the program, runs every command once (or none), prints what
// GetProcessMemoryInfo says, writes the program's process id to the ready file
// and keeps the program open until the release file appears, so that the
// script can read the host process's figures from /proc.
// The commands that run other programs are clicked only when the stand-ins
// for ipconfig, netsh and ping lie beside the program, and the router address
// is set to 127.0.0.1 before ping and the admin page: nothing leaves loopback.
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>
#include <wininet.h>
#include <winsock.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/internet_handle.h"

namespace {

using ruvelka::InternetHandle;

// The main window's controls, by child window identifier.
const int kCheckButton = 1004;
const int kPublicAddressLabel = 1006;
const int kVerdictLabel = 1009;
const int kAddressBoxes[] = {1013, 1015, 1017, 1019};
const int kViewButton = 1020;
const int kChangeButton = 1021;
const int kRouterAddressBox = 1024;
const int kPingButton = 1025;
const int kAdminButton = 1026;
const int kAboutButton = 1031;

const char kMainWindowClass[] = "RuvelkaMainWindow";
const char kAboutWindowClass[] = "RuvelkaAboutWindow";
const char kBareWindowClass[] = "RuvelkaBareWindow";
const char kMessageBoxClass[] = "#32770";
const char kConnectedMark[] = "恭喜";  // in the verdict of a check that reached the page
const char kLoopback[] = "127.0.0.1";

const DWORD kTimeoutMs = 60000;

// The same session, request and reading as the program's own GET.
const char kAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
const DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;
const DWORD kReadChunk = 64 * 1024;

using Failure = std::runtime_error;

double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class Condition>
void WaitUntil(Condition done, const std::string& what) {
    const double deadline = NowMs() + kTimeoutMs;
    while (!done()) {
        if (NowMs() > deadline) throw Failure("timed out waiting for " + what);
        Sleep(1);
    }
}

void PrintTime(const char* measure, double ms) {
    std::printf("time %s %.3f\n", measure, ms);
    std::fflush(stdout);
}

// Window texts are in the ANSI code page; the notes go out in UTF-8.
std::string Utf8FromAnsi(const std::string& text) {
    if (text.empty()) return text;
    int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring buffer(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &buffer[0], wide);
    int size = WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, &out[0], size, nullptr, nullptr);
    return out;
}

void PrintNote(const std::string& ansiText) {
    std::printf("note %s\n", Utf8FromAnsi(ansiText).c_str());
    std::fflush(stdout);
}

// A message sent to another process's window; false when it did not answer.
bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kTimeoutMs, &answer)) return false;
    if (result != nullptr) *result = static_cast<LRESULT>(answer);
    return true;
}

// Asked of the control itself: an edit box keeps its text where
// GetWindowText cannot see it from another process.
std::string WindowText(HWND window) {
    char text[512] = {};
    if (!Send(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)))
        throw Failure("WM_GETTEXT not answered");
    text[sizeof text - 1] = '\0';
    return text;
}

void SetText(HWND window, const char* text) {
    if (!Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text))) throw Failure("WM_SETTEXT not answered");
}

std::string FolderOf(const std::string& path) {
    std::string::size_type slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadFileText(const std::string& path) {
    std::string text;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(file);
    return text;
}

// A visible top-level window of the given class that belongs to the process.
HWND FindProcessWindow(DWORD processId, const char* windowClass) {
    for (HWND window = FindWindowExA(nullptr, nullptr, windowClass, nullptr); window != nullptr;
         window = FindWindowExA(nullptr, window, windowClass, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

// One run of a program under test. It is closed as a user would close it
// (every window of it), and ended by force only when it does not go.
class Program {
public:
    Program(const std::string& exe, const char* windowClass, const std::string& arguments = "")
        : exe_(exe), windowClass_(windowClass) {
        const std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
        std::vector<char> line(commandLine.begin(), commandLine.end());
        line.push_back('\0');
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        const std::string folder = FolderOf(exe);
        if (!CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                            &process_))
            throw Failure("cannot start " + exe);
    }
    ~Program() { Close(); }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Waits until the program is ready for input and its window is shown.
    HWND WaitReady() {
        if (WaitForInputIdle(process_.hProcess, kTimeoutMs) != 0) throw Failure(exe_ + " never became idle");
        WaitUntil([this] { return (window_ = FindProcessWindow(process_.dwProcessId, windowClass_)) != nullptr; },
                  std::string("the window of ") + exe_);
        return window_;
    }

    HWND Control(int id) const {
        HWND control = GetDlgItem(window_, id);
        if (control == nullptr) throw Failure("no control " + std::to_string(id));
        return control;
    }

    DWORD id() const { return process_.dwProcessId; }
    HANDLE handle() const { return process_.hProcess; }
    std::string folder() const { return FolderOf(exe_); }

    void Close() {
        if (process_.hProcess == nullptr) return;
        EnumWindows(CloseWindowOfProcess, static_cast<LPARAM>(process_.dwProcessId));
        if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) {
            std::fprintf(stderr, "bench_driver: %s did not close; ended by force\n", exe_.c_str());
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 10000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        process_.hProcess = nullptr;
    }

private:
    static BOOL CALLBACK CloseWindowOfProcess(HWND window, LPARAM processId) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == static_cast<DWORD>(processId) && IsWindowVisible(window)) PostMessageA(window, WM_CLOSE, 0, 0);
        return TRUE;
    }

    std::string exe_;
    const char* windowClass_;
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};

void Click(HWND button) {
    if (!PostMessageA(button, BM_CLICK, 0, 0)) throw Failure("cannot click");
}

// --- start-up ---------------------------------------------------------------

double TimeStartup(const std::string& exe, const char* windowClass, const std::string& arguments = "") {
    const double start = NowMs();
    Program program(exe, windowClass, arguments);
    program.WaitReady();
    const double elapsed = NowMs() - start;
    program.Close();
    return elapsed;
}

// --- the view command -------------------------------------------------------

void RequireStandIns(const std::string& folder) {
    for (const char* name : {"ipconfig.exe", "netsh.exe", "ping.exe"})
        if (!FileExists(folder + "\\" + name))
            throw Failure(std::string("no stand-in ") + name + " beside the program; its commands are not clicked");
}

bool AddressBoxBlank(HWND box) {
    LRESULT blank = 0;
    if (!Send(box, IPM_ISBLANK, 0, 0, &blank)) throw Failure("the address box does not answer");
    return blank != 0;
}

double TimeView(Program& program) {
    std::vector<HWND> boxes;
    for (int id : kAddressBoxes) {
        boxes.push_back(program.Control(id));
        Send(boxes.back(), IPM_CLEARADDRESS, 0, 0);
    }
    HWND button = program.Control(kViewButton);
    const double start = NowMs();
    Click(button);
    WaitUntil(
        [&] {
            for (HWND box : boxes)
                if (AddressBoxBlank(box)) return false;
            return IsWindowEnabled(button) != FALSE;
        },
        "the view command");
    return NowMs() - start;
}

std::string TempFolder() {
    char path[MAX_PATH + 1] = {};
    DWORD length = GetEnvironmentVariableA("TEMP", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) throw Failure("no TEMP");
    return path;
}

// The view command's command line, run straight from here, from the same
// folder and into a report file of its own; cmd shares the driver's console,
// or with newConsole gets one of its own (under Wine that also starts
// conhost.exe).
double TimeCommandLineDirectly(const std::string& folder, bool newConsole) {
    const std::string report = TempFolder() + "\\ruvelka-bench-report.txt";
    const std::string commandLine = "cmd /c ipconfig /all >>\"" + report + "\"";
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};

    const double start = NowMs();
    DeleteFileA(report.c_str());
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, newConsole ? CREATE_NEW_CONSOLE : 0, nullptr,
                        folder.c_str(), &startup, &process))
        throw Failure("cannot run " + commandLine);
    WaitForSingleObject(process.hProcess, INFINITE);
    const double elapsed = NowMs() - start;

    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const bool wrote = !ReadFileText(report).empty();
    DeleteFileA(report.c_str());
    if (!wrote) throw Failure("the command line wrote no report");
    return elapsed;
}

// --- the connectivity check -------------------------------------------------

double TimeCheck(Program& program, const std::string& address) {
    HWND verdict = program.Control(kVerdictLabel);
    SetText(verdict, "");
    const double start = NowMs();
    Click(program.Control(kCheckButton));
    WaitUntil([&] { return !WindowText(verdict).empty(); }, "the verdict");
    const double elapsed = NowMs() - start;
    // A verdict without the page would time the failure, not the check.
    const std::string shown = WindowText(program.Control(kPublicAddressLabel));
    if (WindowText(verdict).find(kConnectedMark) == std::string::npos || shown != address)
        throw Failure("the check did not read the page (public address shown: " + Utf8FromAnsi(shown) + ")");
    return elapsed;
}

// A bare WinINet GET over a session that stays open, as the program keeps its own.
class LoopbackPage {
public:
    explicit LoopbackPage(const std::string& url)
        : session_(InternetOpenA(kAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0)) {
        char host[256] = {};
        char object[2048] = {};
        URL_COMPONENTSA parts = {};
        parts.dwStructSize = sizeof parts;
        parts.lpszHostName = host;
        parts.dwHostNameLength = sizeof host;
        parts.lpszUrlPath = object;
        parts.dwUrlPathLength = sizeof object;
        if (!InternetCrackUrlA(url.c_str(), 0, 0, &parts)) throw Failure("not a URL: " + url);
        if (std::strcmp(host, kLoopback) != 0) throw Failure("fetches from 127.0.0.1 only, not " + url);
        host_ = host;
        object_ = object[0] ? object : "/";
        port_ = parts.nPort;
        if (session_.get() == nullptr) throw Failure("InternetOpen failed");
    }

    std::string Get() {
        std::string body;
        InternetHandle connection(
            InternetConnectA(session_.get(), host_.c_str(), port_, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
        if (connection.get() == nullptr) return body;
        const char* acceptTypes[] = {"*/*", nullptr};
        InternetHandle request(HttpOpenRequestA(connection.get(), "GET", object_.c_str(), "HTTP/1.0", nullptr,
                                                acceptTypes, kRequestFlags, 0));
        if (request.get() == nullptr || !HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0)) return body;
        std::vector<char> chunk(kReadChunk);
        for (;;) {
            DWORD got = 0;
            if (!InternetReadFile(request.get(), chunk.data(), kReadChunk, &got) || got == 0) break;
            body.append(chunk.data(), got);
        }
        return body;
    }

private:
    InternetHandle session_;
    std::string host_;
    std::string object_;
    INTERNET_PORT port_ = 0;
};

// The check also looks up this computer's own name, as the program does; the
// second floor adds that lookup to the GET.
double TimeBareGet(LoopbackPage& page, const std::string& address, bool withLookup) {
    const double start = NowMs();
    if (withLookup) {
        char name[16] = {};
        if (gethostname(name, sizeof name) != 0 || gethostbyname(name) == nullptr)
            throw Failure("this computer's name does not resolve");
    }
    const std::string body = page.Get();
    const double elapsed = NowMs() - start;
    if (body.find(address) == std::string::npos) throw Failure("the loopback page did not come back");
    return elapsed;
}

// --- every command once, for the memory figures ----------------------------

void WaitForFileWith(const std::string& path, const char* text, const std::string& what) {
    WaitUntil([&] { return ReadFileText(path).find(text) != std::string::npos; }, what);
}

// The change command ends with a message box; it is answered with OK.
void RunChange(Program& program) {
    HWND view = program.Control(kViewButton);
    HWND change = program.Control(kChangeButton);
    Click(change);
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindProcessWindow(program.id(), kMessageBoxClass)) != nullptr; },
              "the change command's message");
    PrintNote("change command: " + WindowText(GetDlgItem(box, 0xFFFF)));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    WaitUntil([&] { return IsWindowEnabled(view) && IsWindowEnabled(change); }, "the change command to end");
}

void SetRouterAddressToLoopback(Program& program) {
    HWND router = program.Control(kRouterAddressBox);
    SetText(router, kLoopback);
    if (WindowText(router) != kLoopback) throw Failure("the router address is not 127.0.0.1");
}

void RunPing(Program& program) {
    const std::string log = program.folder() + "\\ping.log";
    SetRouterAddressToLoopback(program);
    Click(program.Control(kPingButton));
    WaitForFileWith(log, kLoopback, "the ping stand-in");
}

void RunAdminPage(Program& program) {
    const std::string log = program.folder() + "\\automation-calls.txt";
    SetRouterAddressToLoopback(program);
    Click(program.Control(kAdminButton));
    WaitForFileWith(log, "Navigate", "the browser stand-in");
    PrintNote("admin page: the browser stand-in was asked to navigate");
}

void RunAbout(Program& program) {
    Click(program.Control(kAboutButton));
    HWND about = nullptr;
    WaitUntil([&] { return (about = FindProcessWindow(program.id(), kAboutWindowClass)) != nullptr; },
              "the About window");
    PostMessageA(about, WM_CLOSE, 0, 0);
    WaitUntil([&] { return FindProcessWindow(program.id(), kAboutWindowClass) == nullptr; },
              "the About window to close");
}

void RunEveryCommand(Program& program, bool adminPage, const std::string& url, const std::string& address) {
    RequireStandIns(program.folder());
    if (!url.empty()) TimeCheck(program, address);
    TimeView(program);
    RunChange(program);
    RunPing(program);
    if (adminPage) RunAdminPage(program);
    RunAbout(program);
}

void PrintMemoryApi(const std::string& label, HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) {
        std::printf("note GetProcessMemoryInfo failed for %s (error %lu)\n", label.c_str(), GetLastError());
        return;
    }
    std::printf("memory %s.api %llu %llu\n", label.c_str(),
                static_cast<unsigned long long>(counters.PeakWorkingSetSize),
                static_cast<unsigned long long>(counters.WorkingSetSize));
    std::fflush(stdout);
}

void Hold(const std::string& label, const std::string& exe, const char* windowClass, const std::string& steps,
          const std::string& readyFile, const std::string& releaseFile, const std::string& url,
          const std::string& address) {
    DeleteFileA(releaseFile.c_str());
    Program program(exe, windowClass);
    program.WaitReady();
    if (steps == "every" || steps == "every-but-admin") {
        RunEveryCommand(program, steps == "every", url, address);
    } else if (steps != "none") {
        throw Failure("unknown steps: " + steps);
    }
    PrintMemoryApi(label, program.handle());

    const std::string temporary = readyFile + ".tmp";
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw Failure("cannot write " + readyFile);
    const std::string id = std::to_string(program.id()) + "\n";
    DWORD written = 0;
    WriteFile(file, id.data(), static_cast<DWORD>(id.size()), &written, nullptr);
    CloseHandle(file);
    MoveFileExA(temporary.c_str(), readyFile.c_str(), MOVEFILE_REPLACE_EXISTING);
    WaitUntil([&] { return FileExists(releaseFile); }, "the release file");
}

// --- the measures -----------------------------------------------------------

int Runs(const char* text) {
    int runs = std::atoi(text);
    if (runs < 1 || runs > 1000) throw Failure("runs must be 1 to 1000");
    return runs;
}

// Each pair is timed side by side, in turn, after one run of each that is not
// counted (the first start of anything under Wine fills caches).
void MeasureStartup(int runs, const std::string& exe, const std::string& bare) {
    TimeStartup(exe, kMainWindowClass);
    TimeStartup(bare, kBareWindowClass);
    TimeStartup(bare, kBareWindowClass, "--label");
    for (int i = 0; i < runs; ++i) {
        PrintTime("startup.program", TimeStartup(exe, kMainWindowClass));
        PrintTime("startup.bare", TimeStartup(bare, kBareWindowClass));
        PrintTime("startup.bare-with-label", TimeStartup(bare, kBareWindowClass, "--label"));
    }
}

void MeasureView(int runs, const std::string& exe) {
    Program program(exe, kMainWindowClass);
    program.WaitReady();
    RequireStandIns(program.folder());
    TimeView(program);
    TimeCommandLineDirectly(program.folder(), true);
    TimeCommandLineDirectly(program.folder(), false);
    for (int i = 0; i < runs; ++i) {
        PrintTime("view.program", TimeView(program));
        PrintTime("view.direct", TimeCommandLineDirectly(program.folder(), false));
        PrintTime("view.direct-own-console", TimeCommandLineDirectly(program.folder(), true));
    }
}

void MeasureCheck(int runs, const std::string& exe, const std::string& url, const std::string& address) {
    LoopbackPage page(url);
    Program program(exe, kMainWindowClass);
    program.WaitReady();
    TimeCheck(program, address);
    TimeBareGet(page, address, false);
    TimeBareGet(page, address, true);
    for (int i = 0; i < runs; ++i) {
        PrintTime("check.program", TimeCheck(program, address));
        PrintTime("check.wininet", TimeBareGet(page, address, false));
        PrintTime("check.wininet-and-lookup", TimeBareGet(page, address, true));
    }
}

int Usage() {
    std::fprintf(stderr,
                 "usage: bench_driver startup <runs> <ruvelka.exe> <bare_window.exe>\n"
                 "       bench_driver view <runs> <ruvelka.exe>\n"
                 "       bench_driver check <runs> <ruvelka.exe> <url> <address>\n"
                 "       bench_driver hold <label> <exe> <window class> <none|every|every-but-admin>"
                 " <ready file> <release file> [<url> <address>]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    WSADATA sockets;
    WSAStartup(MAKEWORD(1, 1), &sockets);
    try {
        const std::string what = argc > 1 ? argv[1] : "";
        if (what == "startup" && argc == 5) {
            MeasureStartup(Runs(argv[2]), argv[3], argv[4]);
        } else if (what == "view" && argc == 4) {
            MeasureView(Runs(argv[2]), argv[3]);
        } else if (what == "check" && argc == 6) {
            MeasureCheck(Runs(argv[2]), argv[3], argv[4], argv[5]);
        } else if (what == "hold" && (argc == 8 || argc == 10)) {
            Hold(argv[2], argv[3], argv[4], argv[5], argv[6], argv[7], argc == 10 ? argv[8] : "",
                 argc == 10 ? argv[9] : "");
        } else {
            return Usage();
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "bench_driver: %s\n", failure.what());
        return 1;
    }
    return 0;
}
