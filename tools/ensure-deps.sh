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

configure_and_build() {
  local dir
  dir=$(build_dir)
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${KORVALIN_BUILD_TYPE:-RelWithDebInfo}" "$@"
  cmake --build "$dir" -j "$(nproc)"
}
