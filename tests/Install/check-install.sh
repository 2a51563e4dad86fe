#!/usr/bin/env bash
# The program as a desktop and a package manager see it.
#   check-install.sh install BUILD_DIR APP_ID   cmake --install into a
#       temporary prefix: exactly the expected files, the menu entry and the
#       metadata valid, the installed program starts.
#   check-install.sh package BUILD_DIR APP_ID   the .deb made by cpack: the
#       same files, its dependencies named, its change log of its version,
#       lintian without an error or a warning, its program starts unpacked.
set -euo pipefail

mode="$1"
build="$2"
id="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

expected_files() {
  printf '%s\n' \
    bin/tessel \
    "share/applications/$id.desktop" \
    "share/icons/hicolor/128x128/apps/$id.png" \
    "share/icons/hicolor/256x256/apps/$id.png" \
    "share/icons/hicolor/48x48/apps/$id.png" \
    "share/icons/hicolor/scalable/apps/$id.svg" \
    share/doc/tessel/changelog.gz \
    share/doc/tessel/copyright \
    share/man/man1/tessel.1.gz \
    "share/metainfo/$id.metainfo.xml"
}

# Exactly the expected files under $1, nothing missing and nothing more.
check_files() {
  local found
  found="$(cd "$1" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)"
  diff <(expected_files | LC_ALL=C sort) <(echo "$found") >&2 ||
    fail "installed files differ from the expected ones (< expected, > found)"
}

# The program is still running after a while on the offscreen platform: it
# found its libraries and plugins, opened its windows and entered its loop.
check_starts() {
  local status=0
  QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" timeout 3 "$1" >"$work/start.log" 2>&1 ||
    status=$?
  [ "$status" -eq 124 ] || { cat "$work/start.log" >&2; fail "$1 ended with status $status at start"; }
}

check_desktop_files() {
  desktop-file-validate "$1/share/applications/$id.desktop" ||
    fail "desktop-file-validate refused the menu entry"
  appstreamcli validate --no-net "$1/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli refused the metadata"
  # The manual page must render without complaints.
  local warnings
  warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1/share/man/man1/tessel.1.gz" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || fail "the manual page has errors: $warnings"
}

case "$mode" in
  install)
    cmake --install "$build" --prefix "$work/prefix" >/dev/null
    check_files "$work/prefix"
    check_desktop_files "$work/prefix"
    check_starts "$work/prefix/bin/tessel"
    ;;
  package)
    cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
      { cat "$work/cpack.log" >&2; fail "cpack failed"; }
    deb="$(find "$work/out" -maxdepth 1 -name '*.deb')"
    [ "$(echo "$deb" | wc -l)" -eq 1 ] && [ -n "$deb" ] || fail "cpack made no single .deb"
    # The listing names files and their directories; the files must be the
    # installed ones, under /usr.
    diff <(expected_files | sed 's|^|usr/|' | LC_ALL=C sort) \
      <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | LC_ALL=C sort) >&2 ||
      fail "the package's files differ from the expected ones (< expected, > in the package)"
    depends="$(dpkg-deb -f "$deb" Depends)"
    for library in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6; do
      grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
    done
    for field in Section Maintainer Description Homepage Version; do
      [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "the package has no $field"
    done
    dpkg-deb -x "$deb" "$work/root"
    logged="$(dpkg-parsechangelog -l "$work/root/usr/share/doc/tessel/changelog.gz" -S Version)"
    [ "$logged" = "$(dpkg-deb -f "$deb" Version)" ] ||
      fail "the change log's latest entry is version $logged, the package $(dpkg-deb -f "$deb" Version)"
    lintian --no-cfg --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
      { cat "$work/lintian.log" >&2; fail "lintian found errors or warnings"; }
    check_desktop_files "$work/root/usr"
    check_starts "$work/root/usr/bin/tessel"
    ;;
  *)
    fail "usage: $0 install|package BUILD_DIR APP_ID"
    ;;
esac
echo "$mode: ok"
