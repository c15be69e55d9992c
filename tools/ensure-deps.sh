#!/usr/bin/env bash
# Installs, only when absent, the Debian packages the build and tests need, and
# makes the German locale the tests run under. Sourced by run.sh and test.sh.
set -euo pipefail

KORVALIN_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev fonts-liberation2
  libgtest-dev libgmock-dev libbenchmark-dev
  locales poppler-utils
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

ensure_packages() {
  local missing=()
  for p in "${KORVALIN_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# The calculators the "Taschenrechner" command tries, in its order; when
# none is on the path, xcalc (package x11-apps) is installed.
KORVALIN_CALCULATORS=(gnome-calculator kcalc galculator qalculate-gtk xcalc)

ensure_calculator() {
  local c
  for c in "${KORVALIN_CALCULATORS[@]}"; do
    if command -v "$c" >/dev/null 2>&1; then return 0; fi
  done
  ensure_packages x11-apps
}

ensure_german_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "Making locale de_DE.UTF-8"
    as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
  fi
}

build_dir() { echo "${KORVALIN_BUILD_DIR:-build}"; }

# Flags of the checking builds (sanitizers, fuzzing): -O1 with line tables is
# what the sanitizers want and compiles far faster than -O2 -g.
KORVALIN_CHECK_FLAGS="-O1 -g1 -DNDEBUG"

configure_and_build() {
  local dir
  dir=$(build_dir)
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${KORVALIN_BUILD_TYPE:-RelWithDebInfo}" "$@"
  cmake --build "$dir" -j "$(nproc)"
}

# True when clang++ can link a libFuzzer program (clang and its runtime
# libraries, libclang-rt-*-dev, are installed).
have_libfuzzer() {
  command -v clang++ >/dev/null || return 1
  local probe
  probe=$(mktemp -d)
  printf '#include <cstdint>\n#include <cstddef>\nextern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }\n' >"$probe/p.cpp"
  clang++ -fsanitize=fuzzer "$probe/p.cpp" -o "$probe/p" >/dev/null 2>&1
  local rc=$?
  rm -rf "$probe"
  return $rc
}

# The fuzz targets as libFuzzer programs under the sanitizers, built with
# clang in build-fuzz (or $KORVALIN_FUZZ_DIR); only the named targets, or all.
fuzz_targets() { (cd fuzz && ls ./*_fuzz.cpp | sed 's|^\./||; s|\.cpp$||'); }
build_fuzz_targets() {
  local dir=${KORVALIN_FUZZ_DIR:-build-fuzz}
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$KORVALIN_CHECK_FLAGS" -DCMAKE_CXX_COMPILER=clang++ \
    -DLIBFUZZER=ON -DSANITIZE=ON -DKORVALIN_TESTS=OFF -DKORVALIN_BENCH=OFF >/dev/null
  # shellcheck disable=SC2046
  cmake --build "$dir" -j "$(nproc)" --target ${*:-$(fuzz_targets)}
}
