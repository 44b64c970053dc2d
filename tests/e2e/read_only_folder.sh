# Sourced by the setup.sh and check.sh of the cases whose TEMP is read-only.
#
#   read_only_folder_make DIR   makes DIR (and keeps what is in it) a folder in
#       which nothing can be made, removed or renamed, and makes the runner
#       undo that whenever it exits. Wine runs as root here, and root passes
#       over the permission bits, so the folder gets the immutable flag
#       (chattr +i), which binds root too. Where the flag cannot be set (a
#       container without CAP_LINUX_IMMUTABLE, a file system without the flag)
#       the case is skipped, saying why.
#   read_only_folder_undo DIR   takes the flag off again.

read_only_folder_make() {
  local dir=$1 previous
  previous=$(trap -p EXIT)
  eval "set -- $previous"
  trap "read_only_folder_undo \"$dir\"; ${3:-}" EXIT
  if ! chattr +i "$dir" 2>/dev/null; then
    echo "SKIPPED: this machine cannot make a folder read-only for root (chattr +i refused)"
    exit 77
  fi
  if touch "$dir/probe" 2>/dev/null; then
    rm -f "$dir/probe"
    echo "FAILED: $dir still takes new files after chattr +i"
    exit 1
  fi
}

read_only_folder_undo() { chattr -i "$1" 2>/dev/null; }
