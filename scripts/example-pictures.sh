#!/usr/bin/env bash
# Makes the example pictures of the README with the command line, no display
# needed: the saddle, the Gaussian and sin(x)*cos(z) at 10^6 points with the
# axes scaled to a box, axes with values and the fit that frames the points,
# into docs/screenshots/.
#   docs/screenshots/saddle.png          (x*x)-(z*z), black background
#   docs/screenshots/gaussian.png        exp(-((x*x)+(z*z))/10), white background
#   docs/screenshots/ripple-large.png    sin(x)*cos(z), 1280x720, white background
#   docs/screenshots/ripple-bar.png      sin(sqrt((x*x)+(z*z))), 1280x720, white, colour bar
# and the same three drawn as a surface shaded by light (--surface --light):
#   docs/screenshots/saddle-surface.png, gaussian-surface.png, ripple-large-surface.png
# Usage: scripts/example-pictures.sh [path/to/tessel]   (default build/default/tessel)
set -euo pipefail
cd "$(dirname "$0")/.."

program="${1:-build/default/tessel}"
out=docs/screenshots
[ -x "$program" ] || { echo "no program at $program; build it first" >&2; exit 1; }
mkdir -p "$out"

common=(--points 999999 --hor-angle 0.7 --ver-angle 0.5 --zbuffer --box --ticks --fit)
run() {
  local name="$1"
  shift
  env -u DISPLAY "$program" "$@" --output "$out/$name" >/dev/null
  echo "$out/$name"
}
run saddle.png --function '(x*x)-(z*z)' "${common[@]}"
run gaussian.png --function 'exp(-((x*x)+(z*z))/10)' "${common[@]}" --background white
run ripple-large.png --function 'sin(x)*cos(z)' "${common[@]}" --background white --size 1280x720
run ripple-bar.png --function 'sin(sqrt((x*x)+(z*z)))' "${common[@]}" --background white \
  --size 1280x720 --legend bar
run saddle-surface.png --function '(x*x)-(z*z)' "${common[@]}" --surface --light
run gaussian-surface.png --function 'exp(-((x*x)+(z*z))/10)' "${common[@]}" --background white \
  --surface --light
run ripple-large-surface.png --function 'sin(x)*cos(z)' "${common[@]}" --background white \
  --size 1280x720 --surface --light
