#!/usr/bin/env python3
"""Prints the benchmark table from the lines that bench/run.sh collected:

  time <measure> <milliseconds>            from bench_driver, one per run
  memory <program>.<source> <peak> <now>   bytes; source api or proc
  size <file> <bytes>                      a stripped copy
  info <key> <text>                        date, machine, notes
  note <text>                              from bench_driver

It only reports: a missed target is marked, never an error.
"""

import statistics
import sys
from collections import defaultdict

TIME_ROWS = [
    # title, measure, then each floor: measure, title, target for the ratio (None: for comparison only)
    ("start-up, process created to window ready", "startup.program", [
        ("startup.bare", "bare window", 1.3),
        ("startup.bare-with-label", "bare window with one text label", None)]),
    ("view command, click to boxes filled", "view.program", [
        ("view.direct", "cmd /c ipconfig /all >> file", 1.1),
        ("view.direct-own-console", "the same with a console of its own", None)]),
    ("connectivity check, click to verdict", "check.program", [
        ("check.wininet", "bare WinINet GET", 1.1),
        ("check.wininet-and-lookup", "own name looked up, then the GET", None)]),
]
SIZE_TARGET = ("ruvelka.exe i686", 300 * 1024)


def read(path):
    times, memory, sizes, info, notes = defaultdict(list), {}, {}, {}, []
    with open(path, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            kind, _, rest = line.rstrip("\r\n").partition(" ")
            fields = rest.split(" ")
            try:
                if kind == "time":
                    times[fields[0]].append(float(fields[1]))
                elif kind == "memory":
                    memory[fields[0]] = (int(fields[1]), int(fields[2]))
                elif kind == "size":
                    sizes[" ".join(fields[:-1])] = int(fields[-1])
                elif kind == "info":
                    info[fields[0]] = " ".join(fields[1:])
                elif kind == "note":
                    notes.append(rest)
            except (IndexError, ValueError):
                notes.append("unreadable line: " + line.strip())
    return times, memory, sizes, info, notes


def verdict(value, target):
    return "met" if value <= target else "MISSED"


def row(title, samples):
    return (f"{title:<48} {len(samples):>4} {statistics.median(samples):>9.1f} "
            f"{min(samples):>9.1f} {max(samples):>9.1f}")


def main():
    times, memory, sizes, info, notes = read(sys.argv[1])
    out = []
    out.append(f"Ruvelka benchmark, {info.get('date', '?')}")
    out.append(f"machine: {info.get('machine', '?')}")
    out.append("")
    out.append(f"{'measure':<48} {'runs':>4} {'median':>9} {'min':>9} {'max':>9}   (ms)")
    for title, measure, floors in TIME_ROWS:
        program = times.get(measure, [])
        if not program:
            out.append(f"{title:<48}  not measured")
            continue
        out.append(row(title, program))
        for floor, floor_title, target in floors:
            base = times.get(floor, [])
            if not base:
                continue
            out.append(row("  floor: " + floor_title, base))
            if min(base) <= 0:
                out.append(f"{'    ratio':<48}  none: the floor measured 0")
                continue
            ratio = statistics.median(program) / statistics.median(base)
            low = min(program) / min(base)
            goal = f"   target <= {target}: {verdict(ratio, target)}" if target else ""
            out.append(f"{'    ratio of medians (of minimums)':<48} {'':>4} {ratio:>9.2f} {low:>9.2f}{goal}")
    out.append("")
    out.append(f"{'stripped size':<48} {'KB':>9}")
    for name, size in sorted(sizes.items()):
        mark = ""
        if name == SIZE_TARGET[0]:
            mark = f"   target <= {SIZE_TARGET[1] // 1024} KB: {verdict(size, SIZE_TARGET[1])}"
        out.append(f"{name:<48} {size / 1024:>9.1f}{mark}")
    out.append("")
    out.append(f"{'working set (MB)':<48} {'peak':>9} {'now':>9}")
    labels = [("program", "ruvelka.exe after every command once"), ("ready", "ruvelka.exe, ready, no command yet"),
              ("bare", "bare window, ready")]
    for source, source_title in (("proc", "host process, /proc VmHWM / VmRSS"),
                                 ("api", "GetProcessMemoryInfo from the driver")):
        out.append(f"  {source_title}")
        for label, title in labels:
            figures = memory.get(f"{label}.{source}")
            if figures is None:
                out.append(f"    {title:<46} not measured")
            else:
                out.append(f"    {title:<46} {figures[0] / 2**20:>9.1f} {figures[1] / 2**20:>9.1f}")
        program, bare = memory.get(f"program.{source}"), memory.get(f"bare.{source}")
        if program and bare and bare[0] > 0:
            out.append(f"    {'ratio of peaks, program / bare window':<46} {program[0] / bare[0]:>9.2f}")
    if notes:
        out.append("")
        out.extend("note: " + note for note in notes)
    print("\n".join(out))


if __name__ == "__main__":
    main()
