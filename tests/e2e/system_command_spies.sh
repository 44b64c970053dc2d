# Sourced by the setup.sh and check.sh of the cases in which a stand-in is
# missing. Removing the stand-in beside the program is not enough: Wine has
# its own ipconfig and netsh, and the command interpreter would find them on
# PATH. So in this case's prefix (a copy; the shared one is untouched) every
# ipconfig.exe and netsh.exe is replaced by the stand-in, loaded as native
# code in place of Wine's own, and recording into its own folder. Whatever
# the command interpreter finds, it is never Wine's command, and check.sh
# can tell that nothing was found.
#
#   system_command_spies_place     in setup.sh
#   system_command_spies_check     in check.sh: fails when a spy ran

system_command_spies_place() {
  local found=0 f
  while IFS= read -r -d '' f; do
    rm -f "$f" # a hard link to the shared prefix: never write through it
    cp "$E2E_UNIX_STUBS/$(basename "${f,,}")" "$f" || return 1
    found=1
  done < <(find "$WINEPREFIX/drive_c" \( -iname ipconfig.exe -o -iname netsh.exe \) -print0)
  [ $found -eq 1 ] || { echo "FAILED: no ipconfig.exe or netsh.exe in the prefix to replace"; exit 1; }
  export WINEDLLOVERRIDES="ipconfig.exe=n;netsh.exe=n${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
}

system_command_spies_check() {
  local record
  while IFS= read -r -d '' record; do
    fail "a system command ran from the prefix: ${record#"$WINEPREFIX/"}: $(tr -d '\r' <"$record")"
  done < <(find "$WINEPREFIX/drive_c" \( -iname ipconfig-args.txt -o -iname netsh-args.txt \) -print0)
}
