#!/usr/bin/env bash
# Runs the benchmarks and prints each figure as a ratio against its baseline,
# measured in the same run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bin="$top/build/native"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for b in "$bin"/bench_*; do
  echo "== $(basename "$b")"
  "$b" --benchmark_min_time=0.3 --benchmark_color=false 2>/dev/null | grep '^BM_' |
    awk '{cpu[$1]=$4; unit[$1]=$5; order[NR]=$1} END {
      base=""; for (i=1;i<=NR;i++) if (order[i] ~ /Copy|Inflate|Memcpy|Baseline/) base=order[i];
      for (i=1;i<=NR;i++) { n=order[i]; if (base!="" && n!=base) printf "  %-40s %10.4g %-2s  ratio %.1f (vs %s)\n", n, cpu[n], unit[n], cpu[n]/cpu[base], base;
                            else printf "  %-40s %10.4g %s\n", n, cpu[n], unit[n] } }'
done

# zorvane-cli generate --count 1000 next to shuf writing the same number of lines.
lib="$top/data/sample-library.txt"
best() {  # best of three wall times in seconds
  local t min=""
  for _ in 1 2 3; do
    local start end
    start=$(date +%s.%N); "$@" >/dev/null; end=$(date +%s.%N)
    t=$(echo "$end - $start" | bc)
    if [ -z "$min" ] || [ "$(echo "$t < $min" | bc)" = 1 ]; then min=$t; fi
  done
  echo "$min"
}
cli() { rm -rf "$work/out"; mkdir -p "$work/out"; "$bin/zorvane-cli" generate "$lib" --count 1000 --out "$work/out"; }
shuffle() { shuf -rn 801000 "$lib" > "$work/shuf.txt"; }
c=$(best cli)
s=$(best shuffle)
echo "== zorvane-cli generate --count 1000 vs shuf -rn 801000"
printf '  cli %.3f s, shuf %.3f s, ratio %.2f\n' "$c" "$s" "$(echo "$c / $s" | bc -l)"
