#!/usr/bin/env bash
# Starts programs in turn, one start each per round in a shuffled order, under the shared
# start-up harness, and prints each program's median first content and memory and the median
# of its within-round ratios to the first program. Needs a running X server in DISPLAY.
#   bench/startup-rounds.sh ROUNDS "label=program [args...]" "label=program [args...]" ...
# Example:
#   bench/startup-rounds.sh 40 "floor-equal=build-floor/floorx label icon max" \
#       "kelvra=build/src/kelvra-biorhythms"
set -euo pipefail
cd "$(dirname "$0")/.."

harness=${HARNESS:-../shared/tools/startup/measure-startup.sh}
rounds=$1
shift
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

for round in $(seq "$rounds"); do
    while read -r entry; do
        label=${entry%%=*}
        read -r -a command <<<"${entry#*=}"
        OUTDIR="$out/$round" nice -n -15 "$harness" -w 0 -n 1 "$label" -- "${command[@]}" \
            >/dev/null 2>&1 || echo "round $round: $label did not show a window" >&2
    done < <(shuf -e -- "$@")
done

# Row of the harness: pid map_ms paint_ms rss_kib ...
reference=${1%%=*}
for entry in "$@"; do
    label=${entry%%=*}
    for round in $(seq "$rounds"); do
        [ -s "$out/$round/$label.tsv" ] && [ -s "$out/$round/$reference.tsv" ] || continue
        read -r _ _ paint rss _ <"$out/$round/$label.tsv"
        read -r _ _ base _ <"$out/$round/$reference.tsv"
        echo "$paint $rss $base"
    done | awk -v label="$label" '
        function median(a, n,   i, j, t) {
            for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) {
                t = a[j]; a[j] = a[j - 1]; a[j - 1] = t
            }
            return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
        }
        $1 > 0 && $3 > 0 { n++; paint[n] = $1; rss[n] = $2 / 1024; ratio[n] = $1 / $3 }
        END {
            if (n == 0) { printf "%-16s no window seen\n", label; exit }
            printf "%-16s %3d starts  first content %6.1f ms  ratio %5.3f  RSS %5.1f MiB\n",
                label, n, median(paint, n), median(ratio, n), median(rss, n)
        }'
done
