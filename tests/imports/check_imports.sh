#!/usr/bin/env bash
# Fails unless the executable imports only DLLs that every Windows has, is a
# GUI program for a subsystem no newer than the one given, and carries its C
# and C++ run-time libraries inside.
#   check_imports.sh OBJDUMP EXE MAX_SUBSYSTEM_VERSION
set -u
objdump=$1 exe=$2 max=$3
allowed='^(kernel32|user32|gdi32|comctl32|ole32|oleaut32|wininet|wsock32|ws2_32|shell32|advapi32|msvcrt)\.dll$'

dump=$("$objdump" -p "$exe") || { echo "cannot read $exe"; exit 1; }
status=0

dlls=$(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
[ -n "$dlls" ] || { echo "no import table found"; status=1; }
for dll in $dlls; do
  if ! [[ $dll =~ $allowed ]]; then
    echo "imports $dll, which is not on every Windows"
    status=1
  fi
  case $dll in
    libstdc++*|libgcc*|libwinpthread*) echo "run-time library $dll is not linked statically"; status=1 ;;
  esac
done

subsystem=$(printf '%s\n' "$dump" | awk '/^Subsystem[[:space:]]/ {print $2}')
[ "$subsystem" = "00000002" ] || { echo "subsystem is $subsystem, not a GUI program (2)"; status=1; }

major=$(printf '%s\n' "$dump" | awk '/^MajorSubsystemVersion/ {print $2}')
minor=$(printf '%s\n' "$dump" | awk '/^MinorSubsystemVersion/ {print $2}')
want_major=${max%%.*} want_minor=$((10#${max#*.}))
if [ -z "$major" ] || [ "$major" -gt "$want_major" ] ||
   { [ "$major" -eq "$want_major" ] && [ "$minor" -gt "$want_minor" ]; }; then
  echo "subsystem version $major.$minor is above $max"
  status=1
fi

[ $status -eq 0 ] && echo "imports: $(echo $dlls); subsystem $major.$minor"
exit $status
