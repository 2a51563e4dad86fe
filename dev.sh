#!/usr/bin/env bash
# The two Quick start commands of the README:
#   ./dev.sh run    install what is missing, build, start Tessel
#   ./dev.sh test   install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$0")"

build() {
  scripts/install-deps.sh
  cmake --preset default >/dev/null
  cmake --build --preset default -j "$(nproc)"
}

case "${1:-}" in
  run)
    build
    exec build/default/tessel
    ;;
  test)
    build
    ctest --preset default -j "$(nproc)"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
