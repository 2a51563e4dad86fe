#!/usr/bin/env bash
# Runs a table of command lines through two tessel programs and compares
# what they write, byte for byte: the file of --output and the standard
# output and error. For a change that must leave every picture as it was.
# Usage: scripts/compare-pictures.sh BEFORE_PROGRAM AFTER_PROGRAM
set -u
Before=${1:?the program before the change}
After=${2:?the program after the change}
Work=$(mktemp -d)
trap 'rm -rf "$Work"' EXIT

F='--function'
Cases=(
  "png|"
  "png|$F sin(X)*cos(Z)"
  "png|$F X*X-Z --hor-angle 0.7 --ver-angle 0.5 --zoom 250"
  "png|$F sin(X*Z) --zbuffer"
  "png|$F X+Z --box"
  "png|$F X*Z*100 --box --ticks --hor-angle 0.4 --ver-angle 0.3"
  "png|$F sin(X)+Z --ticks"
  "png|$F cos(X)*Z --background white --ticks --box"
  "png|$F X/Z --background white"
  "png|$F sin(X)*Z --size 1200x700 --ticks"
  "png|$F X-Z --size 64x64 --box --zbuffer"
  "png|$F sin(X)*cos(Z) --fit"
  "png|$F X*X --fit --box --ticks --size 800x300"
  "png|$F ln(X) --hide-undefined --outline"
  "png|$F sqrt(X*Z) --outline --background white --zbuffer"
  "png|$F X*Z --x 0:1 --z -2:3 --points 20000 --order random --seed 7"
  "png|$F X*Z --y -1:1"
  "png|$F X --zoom 0.001"
  "png|$F X --distance 1"
  "csv|$F sin(X)*cos(Z)"
  "csv|$F X*Z --points 100 --order random --seed 3"
  "none|$F sin(X)*cos(Z) --pick 252,202 --pick 0,0 --pick 10,300"
  "none|$F X+Z --box --zbuffer --pick 100,100 --size 300x200"
  "png|$F X*Z --ticks --pick 252,202"
  "none|$F X --pick 505,0"
  "none|$F X --pick -1,3 --size 64x64"
  "png|$F X --size 10x10"
  "png|$F sin(X)*cos(Z) --surface"
  "png|$F X*X-Z*Z --surface --light --box --fit --ticks"
  "png|$F sqrt(25-X*X-Z*Z) --surface --zbuffer --size 1280x720 --background white"
  "png|$F sin(X*Z) --surface --light --size 1920x1080 --hor-angle 0.7 --ver-angle 0.5"
  "png|$F X*Z --surface --order random --points 20000 --seed 5"
  "none|$F sin(X)*cos(Z) --surface --box --pick 252,202 --pick 100,150"
  "none|--help"
)

Failed=0
for I in "${!Cases[@]}"; do
  Kind=${Cases[$I]%%|*}
  Arguments=${Cases[$I]#*|}
  for Side in before after; do
    Program=$Before
    [ "$Side" = after ] && Program=$After
    Output=()
    [ "$Kind" != none ] && Output=(--output "$Work/$Side-$I.$Kind")
    # shellcheck disable=SC2086  # the table's words are the arguments
    "$Program" $Arguments "${Output[@]}" >"$Work/$Side-$I.out" 2>"$Work/$Side-$I.err"
    echo "status $?" >>"$Work/$Side-$I.out"
    # The file's own name is the only difference the two runs may show.
    sed -i "s|$Work/$Side-|NAME-|g" "$Work/$Side-$I.out" "$Work/$Side-$I.err"
  done
  for Part in out err "$Kind"; do
    [ "$Part" = none ] && continue
    A="$Work/before-$I.$Part"
    B="$Work/after-$I.$Part"
    if [ -e "$A" ] || [ -e "$B" ]; then
      if ! cmp -s "$A" "$B"; then
        echo "DIFFERS ($Part): $Arguments"
        Failed=1
      fi
    fi
  done
done
[ "$Failed" = 0 ] && echo "all ${#Cases[@]} cases the same"
exit "$Failed"
