#!/usr/bin/env bash
# The two Quick start commands of the README, and two more:
#   ./dev.sh run    install what is missing, build, start Tessel
#   ./dev.sh test   install what is missing, build, run every test
#   ./dev.sh lint   check the formatting of every C++ file, run clang-tidy over
#                   the production code, and keep private headers private
#   ./dev.sh package  build, then write the Debian package into build/package/
#
# "test" runs, in this order: the lint check; the normal suite (preset "default"); the same
# suite built with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer (preset "asan"), where any sanitizer report fails the test
# that made it; the computing units' suite built with ThreadSanitizer
# (preset "tsan"), where any report fails likewise; and a short run of every
# libFuzzer target (preset "fuzz"),
# TESSEL_FUZZ_SECONDS seconds each (30 unless set; 0 skips the fuzz runs).
set -euo pipefail
cd "$(dirname "$0")"

build() {
  scripts/install-deps.sh
  cmake --preset default >/dev/null
  cmake --build --preset default -j "$(nproc)"
}

# The whole tree follows .clang-format; a file that does not is listed with
# the changes the formatter would make, and fails the check.
format_check() {
  echo "== Format check (clang-format)"
  git ls-files '*.cpp' '*.h' | xargs clang-format-14 --dry-run --Werror
}

# Production code: every source outside the tests and the benchmarks.
production_files() {
  git ls-files "$@" ':!tests/' ':!bench/'
}

# The checks of .clang-tidy over every production source file (the headers
# they include are checked with them), two files at a time. The flags come
# from the compile commands of the default build, configured here so that a
# new or renamed file is known.
tidy_check() {
  echo "== Static checks (clang-tidy)"
  cmake --preset default >/dev/null
  production_files '*.cpp' | xargs -P2 -n1 clang-tidy-14 -p build/default --quiet
}

# A unit's private headers live in its Internal/ folder. Production code
# never includes another unit's private header (MainUnit/Window counts as a
# unit of its own: it is a library apart from the MainUnit core); tests may,
# and say so by the path they include.
internal_include_check() {
  echo "== Private headers stay in their unit"
  local file include owner failed=0
  while IFS=: read -r file include; do
    include="${include#*\"}"
    include="${include%%\"*}"
    case "$include" in
      */Internal/*) owner="${include%%/Internal/*}" ;;
      *) continue ;;  # "Internal/X.h" next to the includer: its own unit
    esac
    # The core's folders (not the windows, a unit apart) share MainUnit/Internal/.
    local dir
    dir="$(dirname "$file")"
    case "$dir" in
      "$owner" | "$owner"/Internal | "$owner"/Internal/*) continue ;;
      MainUnit/Window | MainUnit/Window/*) ;;
      MainUnit/*) [ "$owner" = MainUnit ] && continue ;;
    esac
    echo "$file includes $include, a private header of $owner" >&2
    failed=1
  done < <(production_files '*.cpp' '*.h' | xargs grep -H -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*Internal/')
  return "$failed"
}

lint() {
  format_check
  internal_include_check
  tidy_check
}

sanitized_suite() {
  echo "== Sanitized build and suite (build/asan)"
  cmake --preset asan >/dev/null
  cmake --build --preset asan -j "$(nproc)"
  ctest --preset asan -j "$(nproc)"
}

# Only the units without Qt: ThreadSanitizer cannot see the threads of an
# uninstrumented Qt, and the windows run the same core.
thread_suite() {
  echo "== ThreadSanitizer build and suite (build/tsan)"
  cmake --preset tsan >/dev/null
  cmake --build --preset tsan -j "$(nproc)"
  ctest --preset tsan -j "$(nproc)"
}

# Each target starts from the seeds kept in the tree, copied so that the run
# never changes the repository; a crash or a failed check leaves its input in
# build/fuzz/artifacts and fails the run. The mutations follow a fixed seed
# (TESSEL_FUZZ_SEED, 1 unless set; 0 picks a random one), so that a shorter
# run on a slower machine repeats a part of a longer run done before it
# rather than searching somewhere new.
fuzz_short() {
  local seconds="${TESSEL_FUZZ_SECONDS:-30}"
  [ "$seconds" -gt 0 ] || return 0
  echo "== Fuzz targets, ${seconds} s each (build/fuzz)"
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz --target fuzzers -j "$(nproc)"
  local dir=build/fuzz/tests/Fuzz
  mkdir -p build/fuzz/artifacts
  local target passed=0
  for target in $(cat "$dir/fuzz_targets.txt"); do
    local corpus="build/fuzz/corpus/$target"
    rm -rf "$corpus"
    mkdir -p "$corpus"
    cp tests/Fuzz/corpus/"$target"/* "$corpus"/
    local dict=()
    [ -f "tests/Fuzz/$target.dict" ] && dict=("-dict=tests/Fuzz/$target.dict")
    local log="build/fuzz/artifacts/$target.log"
    if ! "$dir/$target" "${dict[@]}" -seed="${TESSEL_FUZZ_SEED:-1}" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix=build/fuzz/artifacts/"$target"- "$corpus" >"$log" 2>&1; then
      tail -n 80 "$log" >&2
      echo "fuzz target $target failed; input and log in build/fuzz/artifacts" >&2
      return 1
    fi
    echo "-- $target: $(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}') inputs run, no failure"
    passed=$((passed + 1))
  done
  echo "fuzz: $passed passed, 0 failed"
}

case "${1:-}" in
  run)
    build
    exec build/default/tessel
    ;;
  lint)
    scripts/install-deps.sh
    lint
    ;;
  package)
    build
    (cd build/default && cpack)
    ;;
  test)
    scripts/install-deps.sh
    lint
    build
    ctest --preset default -j "$(nproc)"
    sanitized_suite
    thread_suite
    fuzz_short
    ;;
  *)
    echo "usage: $0 run|test|lint|package" >&2
    exit 2
    ;;
esac
