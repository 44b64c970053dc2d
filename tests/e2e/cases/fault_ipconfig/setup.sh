# Reports that a broken or odd ipconfig could print, beside the program for
# the scenario to copy into place: 1 MiB of filler after a Chinese Windows 10
# report and before a Windows XP one, and a report with a zero byte inside.
# Wine's own ipconfig is replaced by a spy (the last step removes the stand-in).
. "$E2E_UNIX_ROOT/tests/e2e/system_command_spies.sh"
system_command_spies_place
python3 - "$E2E_UNIX_ROOT/tests/fixtures/ipconfig" "$E2E_UNIX_WORK/program" <<'PY'
import sys
fixtures, out = sys.argv[1], sys.argv[2]
def fixture(name):
    return open(f"{fixtures}/{name}", "rb").read()
mib = 1024 * 1024
lines = b"   filler that some other program printed into the report\r\n"
open(f"{out}/report-filler-after.txt", "wb").write(fixture("windows-10-zh.txt") + (lines * (mib // len(lines) + 1))[:mib])
open(f"{out}/report-filler-before.txt", "wb").write(b"x" * mib + fixture("xp-two-adapters.txt"))
single = fixture("xp-single.txt")
cut = single.index(b"   Default Gateway")
open(f"{out}/report-zero-byte.txt", "wb").write(single[:cut] + b"\0" + single[cut:])
PY
