// What the program under test holds: the figures Windows keeps for a process
// (GDI and USER objects, handles, private bytes) and, under Wine, those of the
// Linux process that runs it (resident memory and open descriptors, read from
// its /proc entry through drive Z:). Wine reports 0 for the Windows figures,
// so there only the host figures say anything.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

struct HostFigures {
    // Windows' own figures.
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    DWORD handles = 0;        // GetProcessHandleCount
    DWORD systemHandles = 0;  // the process's entries in the system's handle list
    unsigned long long privateKb = 0;
    unsigned long long workingSetKb = 0;
    // The host process under Wine; hostPid is 0 when there is none.
    unsigned long hostPid = 0;
    unsigned long long residentKb = 0;      // VmRSS
    unsigned long long peakResidentKb = 0;  // VmHWM
    unsigned long descriptors = 0;          // entries in /proc/<pid>/fd
    std::string hostError;                  // why hostPid is 0
};

// Reads the figures of the process; executableName is the file name its host
// process was started under (ruvelka.exe). The host process is the one with
// that name in the same Wine prefix as the driver. When the host figures
// cannot be read (no Wine, no such process, or more than one) hostPid is 0
// and hostError says why.
HostFigures ReadHostFigures(HANDLE process, const std::string& executableName);

// The figures on one line, for the test output.
std::string FormatHostFigures(const HostFigures& figures);

}  // namespace driver
