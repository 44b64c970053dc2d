#!/usr/bin/env bash
# Builds every configuration from the same source:
#   build/native    the portable core and its unit tests (g++)
#   build/sanitize  the same with AddressSanitizer and UndefinedBehaviorSanitizer
#   build/fuzz      the libFuzzer targets (clang)
#   build/i686      ruvelka.exe for 32-bit Windows, the shipped program
#   build/x86_64    ruvelka.exe for 64-bit Windows and the end-to-end tests; its
#                   public-IP page is the tests' server on 127.0.0.1, at the port
#                   in RUVELKA_TEST_HTTP_PORT (38017 unless set)
# Extra arguments go to every CMake configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${RUVELKA_BUILD_DIR:-$root/build}
jobs=$(nproc)

configure() {  # dir, extra args...
  local dir=$1; shift
  cmake -S "$root" -B "$out/$dir" -G Ninja "$@" > "$out/$dir.configure.log" ||
    { cat "$out/$dir.configure.log"; exit 1; }
  cmake --build "$out/$dir" -j "$jobs"
}

mkdir -p "$out"
configure native -DCMAKE_BUILD_TYPE=Debug "$@"
configure sanitize -DCMAKE_BUILD_TYPE=Debug -DRUVELKA_SANITIZE=ON "$@"
CC=clang CXX=clang++ configure fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRUVELKA_FUZZ=ON "$@"
configure i686 -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" "$@"
test_url="http://127.0.0.1:${RUVELKA_TEST_HTTP_PORT:-38017}/ip"
configure x86_64 -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
  -DRUVELKA_PUBLIC_IP_URL="$test_url" "$@"
