#!/usr/bin/env bash
# Process start to exit of the command-line jobs: a 10^6-point PNG, the
# same points as CSV, the PNG at 3840 x 2160 with the box and the axes, and
# the surface PNG at 505 x 404 and at 3840 x 2160,
# each run several times; prints the median wall time and
# the largest peak memory. When gnuplot is installed, the same PNG job in
# gnuplot (10^6 samples of sin(x)*cos(y), pngcairo, the same picture size) is
# timed in the same run for comparison; the project does not need gnuplot.
#
#   bench/command_line.sh [path/to/tessel] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
tessel="${1:-build/default/tessel}"
runs="${2:-11}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
[ -x /usr/bin/time ] || { echo "needs GNU time (/usr/bin/time; apt-get install time)" >&2; exit 1; }

# One job run $runs times: the median, fastest and slowest wall time, the
# median processor time (user + system, all threads) and the largest peak
# memory. On a shared machine the wall time waits for the processor; the
# processor time is what the job itself costs.
measure() {
  local name="$1"
  shift
  local i
  : >"$work/times"
  for ((i = 0; i < runs; i++)); do
    /usr/bin/time -f "%e %M %U %S" -o "$work/one" "$@" >/dev/null 2>"$work/stderr" ||
      { cat "$work/stderr" >&2; exit 1; }
    cat "$work/one" >>"$work/times"
  done
  awk '{ print $3 + $4 }' "$work/times" | sort -n >"$work/cpu"
  sort -n "$work/times" | awk -v name="$name" -v n="$runs" -v cpu="$(sed -n "$(((runs + 1) / 2))p" "$work/cpu")" '
    { t[NR] = $1; if ($2 > m) m = $2 }
    END { printf "%-34s wall median %.3f s (min %.3f, max %.3f)  cpu median %.2f s  peak %.0f MB\n",
          name, t[int((n + 1) / 2)], t[1], t[n], cpu, m / 1024 }'
}

job=(--function 'sin(x)*cos(z)' --points 999999 --hor-angle 0.7 --ver-angle 0.5 --zbuffer)
echo "$runs runs each; load average: $(cut -d' ' -f1-3 /proc/loadavg)"
measure "tessel PNG (10^6 points, Z-buffer)" env -u DISPLAY "$tessel" "${job[@]}" --output "$work/g.png"
measure "tessel CSV (10^6 points)" env -u DISPLAY "$tessel" "${job[@]}" --output "$work/g.csv"
measure "tessel PNG 3840x2160, box, ticks" env -u DISPLAY "$tessel" "${job[@]}" --box --ticks \
  --size 3840x2160 --output "$work/large.png"
measure "tessel PNG surface" env -u DISPLAY "$tessel" "${job[@]}" --surface --output "$work/s.png"
measure "tessel PNG surface 3840x2160" env -u DISPLAY "$tessel" "${job[@]}" --surface \
  --size 3840x2160 --output "$work/slarge.png"
if command -v gnuplot >/dev/null; then
  measure "gnuplot PNG (10^6 samples)" gnuplot -e "
    set terminal pngcairo size 505,526; set output '$work/gnuplot.png';
    set samples 1000; set isosamples 1000; set view 60,40; unset key;
    splot [-10:10] [-10:10] sin(x)*cos(y) with dots palette"
else
  echo "gnuplot not installed: its figures are left out"
fi
