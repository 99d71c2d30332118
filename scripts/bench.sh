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
      nb=0; for (i=1;i<=NR;i++) if (order[i] ~ /Copy|Inflate|Memcpy|Baseline/) { base[++nb]=order[i]; isbase[order[i]]=1 }
      for (i=1;i<=NR;i++) { n=order[i]; printf "  %-40s %10.4g %-2s", n, cpu[n], unit[n];
                            if (!(n in isbase)) for (b=1;b<=nb;b++) printf "  ratio %.1f (vs %s)", cpu[n]/cpu[base[b]], base[b];
                            printf "\n" } }'
done

# zorvane-cli next to shuf writing as many lines of the same library: in
# files (split cuts shuf's lines into articles) and as one stream.
lib="$top/data/sample-library.txt"
cli="$bin/zorvane-cli"
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
ratio() {  # name, command seconds, baseline seconds
  printf '  %-44s %.3f s, baseline %.3f s, ratio %.2f\n' "$1" "$2" "$3" "$(echo "$2 / $3" | bc -l)"
}
fresh() { rm -rf "$work/out"; mkdir -p "$work/out"; }
files_cli() { fresh; "$cli" generate "$lib" --count 1000 --out "$work/out"; }
files_shuf() { fresh; shuf -rn 801000 "$lib" | split -l 801 - "$work/out/"; }
stream_count=2000
stream_cli() { "$cli" generate "$lib" --count $stream_count --stdout > "$work/stream.txt"; }
stream_shuf() { shuf -rn $((801 * stream_count)) "$lib" > "$work/stream.txt"; }
echo "== zorvane-cli generate"
ratio "--count 1000 (files) vs shuf | split -l 801" "$(best files_cli)" "$(best files_shuf)"
ratio "--count $stream_count --stdout vs shuf -rn $((801 * stream_count))" "$(best stream_cli)" "$(best stream_shuf)"

# Memory of a stream: the most resident at 100,000 articles above that at one.
rss() { /usr/bin/time -f %M "$cli" generate "$lib" --count "$1" --stdout 2>&1 >/dev/null | tail -n 1; }
one=$(rss 1)
many=$(rss 100000)
printf '  --stdout peak memory: %d KB at --count 1, %d KB at --count 100000 (%+d KB)\n' "$one" "$many" $((many - one))
