#!/usr/bin/env bash
# Regenerates the difficulty curve from scratch: builds the bot, plays BOUTS bouts (default 50)
# for every reaction time and slip rate on two cores, and charts the kills before death as
# docs/difficulty.png, with the numbers in docs/difficulty.tsv. A second panel shows, for each
# assist speed, the slowest reaction that still wins most bouts (docs/difficulty-speeds.tsv).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/need_packages.sh
need_packages "${BUILD_PACKAGES[@]}" gnuplot-nox

BOUTS=${1:-50}
SLIPS=0,0.05,0.15
# Two interleaved halves of 100 to 400 ms, one per core: the quick settings play the long bouts.
HALVES=(100,140,180,220,260,300,340,380 120,160,200,240,280,320,360,400)
OUT=docs/difficulty
SPEEDS_OUT=docs/difficulty-speeds
# Two halves of the assist speeds, one per core, the slow (long) bouts shared out.
SPEED_HALVES=(100,70,60 90,80,50)
BUILD=build-difficulty

cmake -S . -B "$BUILD" -DRYKE_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j2 --target ryke_bot_cli >/dev/null
parts=$(mktemp -d)
trap 'rm -rf "$parts"' EXIT
for i in 0 1; do
    "$BUILD/ryke_bot" curve "$BOUTS" "${HALVES[$i]}" "$SLIPS" >"$parts/$i.tsv" &
done
wait
{
    head -n 1 "$parts/0.tsv"
    tail -q -n +2 "$parts"/*.tsv | sort -t $'\t' -k2,2g -k1,1n
} >"$OUT.tsv"
for i in 0 1; do
    "$BUILD/ryke_bot" thresholds "$BOUTS" "${SPEED_HALVES[$i]}" "$SLIPS" >"$parts/speeds-$i.tsv" &
done
wait
{
    head -n 1 "$parts/speeds-0.tsv"
    tail -q -n +2 "$parts"/speeds-*.tsv | sort -t $'\t' -k2,2g -k1,1nr
} >"$SPEEDS_OUT.tsv"

# Where the lines reach their shortest attack delay: the median kill count over every bout
# that got there (the same whatever the reaction time, as kills alternate between the lines).
read -r floorLeft floorRight < <(awk -F'\t' 'NR > 1 && $10 >= 0 { l += $10; r += $11; n++ }
    END { printf "%.0f %.0f\n", l / n, r / n }' "$OUT.tsv")

gnuplot <<GNUPLOT
set terminal pngcairo size 960,1100 font "DejaVu Sans,11"
set output "$OUT.png"
set datafile separator "\t"
set multiplot layout 2,1
set title "How hard is it? Enemies killed before death, by reaction time (${BOUTS} bouts a point)"
set xlabel "reaction time (ms)"
set ylabel "enemies killed (median; bars: middle half of the bouts)"
set xrange [90:410]
set yrange [0:215]
set key at graph 0.97, graph 0.8 box opaque
set grid ytics lc rgb "#dddddd"
set arrow from 90,200 to 410,200 nohead dt 2 lc rgb "#2a7f2a"
set label "both lines cleared: the victory picture" at 255,206 tc rgb "#2a7f2a"
set arrow from 90,$floorLeft to 410,$floorLeft nohead dt 3 lc rgb "#888888"
set arrow from 90,$floorRight to 410,$floorRight nohead dt 3 lc rgb "#888888"
set label "attack delays at their floor: left line after ${floorLeft} kills, right line after ${floorRight}" \
    at 95,$((floorLeft - 10)) tc rgb "#555555"
plot for [slip in "0 0.05 0.15"] "$OUT.tsv" using (\$2 == slip + 0 ? \$1 : 1/0):4:5:6 \
         with yerrorlines lw 2 pt 7 title sprintf("slips %g%% of presses", slip * 100)

unset arrow
unset label
set title "Which assist speed lets a player win? The slowest reaction that still wins most of ${BOUTS} bouts"
set xlabel "assist speed (% of the full speed)"
set ylabel "slowest reaction that wins (ms)"
set xrange [105:45]
set yrange [0:350]
set xtics 50,10,100
set key at graph 0.3, graph 0.97 box opaque
set object 1 rect from 105,200 to 45,250 fc rgb "#cfe8cf" fs solid 0.6 noborder behind
set label "an ordinary player: 200 to 250 ms" at 103,262 tc rgb "#2a7f2a"
plot for [slip in "0 0.05 0.15"] "$SPEEDS_OUT.tsv" using (\$2 == slip + 0 && \$4 > 0 ? \$1 : 1/0):4 \
         with linespoints lw 2 pt 7 title sprintf("slips %g%% of presses", slip * 100)
unset multiplot
GNUPLOT
echo "wrote $OUT.png, $OUT.tsv and $SPEEDS_OUT.tsv"
