#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Does nothing when they are all present already, so every build can call it.
set -euo pipefail

packages=(
  g++ make cmake ninja-build
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  locales
  clang-14 libclang-rt-14-dev llvm-14  # libFuzzer, sanitizer runtimes, symbolizer
  clang-format-14 clang-tidy-14 git
  librsvg2-bin                          # rsvg-convert renders the icon's sizes
  dpkg-dev                              # dpkg-shlibdeps names the package's dependencies
  lintian                               # checks the package as Debian would
  desktop-file-utils appstream man-db   # validators of the menu entry, metadata, manual
)

# Tests check that a locale with a decimal comma changes no number.
ensure_comma_locale() {
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
  command -v localedef >/dev/null || return 0
  localedef -i de_DE -f UTF-8 de_DE.UTF-8 2>/dev/null || true
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -eq 0 ]; then
  ensure_comma_locale
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
ensure_comma_locale
