#include "measure_commands.h"

#include <cstdio>
#include <cstdlib>

#include "encoding.h"
#include "failure.h"

namespace driver {

namespace {

const char kExecutableName[] = "ruvelka.exe";

struct FigureName {
    const char* word;
    bool host;  // read from the host process, unknown without Wine
    long long (*read)(const HostFigures&);
};

const FigureName kFigures[] = {
    {"rss-kb", true, [](const HostFigures& f) { return static_cast<long long>(f.residentKb); }},
    {"hwm-kb", true, [](const HostFigures& f) { return static_cast<long long>(f.peakResidentKb); }},
    {"fds", true, [](const HostFigures& f) { return static_cast<long long>(f.descriptors); }},
    {"gdi", false, [](const HostFigures& f) { return static_cast<long long>(f.gdiObjects); }},
    {"user", false, [](const HostFigures& f) { return static_cast<long long>(f.userObjects); }},
    {"handles", false, [](const HostFigures& f) { return static_cast<long long>(f.handles); }},
    {"system-handles", false, [](const HostFigures& f) { return static_cast<long long>(f.systemHandles); }},
    {"private-kb", false, [](const HostFigures& f) { return static_cast<long long>(f.privateKb); }},
};

const HostFigures& Measurement(Session& session, const std::string& name) {
    auto found = session.measurements.find(name);
    if (found == session.measurements.end()) Fail("no measurement " + Shown(name) + " was taken");
    return found->second;
}

void Print(const std::string& utf8) {
    std::printf("        %s\n", utf8.c_str());
    std::fflush(stdout);
}

}  // namespace

void MeasureProgram(Session& session, const std::vector<std::string>& w) {
    if (w.size() != 2) Fail("usage: measure NAME");
    if (!session.program.Running()) Fail("the program does not run");
    HostFigures figures = ReadHostFigures(session.program.process(), kExecutableName);
    Print(AnsiToUtf8(w[1]) + ": " + FormatHostFigures(figures));
    session.measurements[w[1]] = figures;
}

void ExpectGrowth(Session& session, const std::vector<std::string>& w) {
    if (w.size() != 5) Fail("usage: expect-growth FROM TO FIGURE MOST");
    const FigureName* figure = nullptr;
    for (const FigureName& f : kFigures)
        if (w[3] == f.word) figure = &f;
    if (figure == nullptr)
        Fail("no figure " + Shown(w[3]) + " (rss-kb, hwm-kb, fds, gdi, user, handles, system-handles, private-kb)");
    char* end = nullptr;
    long long most = std::strtoll(w[4].c_str(), &end, 10);
    if (w[4].empty() || *end != '\0' || most < 0) Fail("not a bound: " + Shown(w[4]));

    const HostFigures& from = Measurement(session, w[1]);
    const HostFigures& to = Measurement(session, w[2]);
    if (figure->host && (from.hostPid == 0 || to.hostPid == 0))
        Fail(std::string(figure->word) + " is unknown: " + (from.hostPid == 0 ? from.hostError : to.hostError));
    if (figure->host && from.hostPid != to.hostPid)
        Mismatch("one host process",
                 "process " + std::to_string(from.hostPid) + ", then " + std::to_string(to.hostPid));
    const long long before = figure->read(from), after = figure->read(to);
    // A figure that reads 0 throughout (Wine's GDI and USER objects, handles
    // and private bytes) could never break a bound.
    if (before == 0 && after == 0)
        Fail(std::string(figure->word) + " reads 0 in both measurements: a bound on it could not fail");
    const long long growth = after - before;
    Print(std::string(figure->word) + ": " + std::to_string(before) + " -> " + std::to_string(after) + " (" +
          (growth >= 0 ? "+" : "") + std::to_string(growth) + ", at most +" + std::to_string(most) + ")");
    if (growth > most)
        Mismatch(std::string(figure->word) + " to grow by at most " + std::to_string(most) + " from " +
                     AnsiToUtf8(w[1]) + " to " + AnsiToUtf8(w[2]),
                 std::to_string(before) + " -> " + std::to_string(after) + " (+" + std::to_string(growth) + ")");
}

}  // namespace driver
