#!/usr/bin/env bash
# Runs the benchmarks of the Windows build under Wine and prints their results.
# Builds nothing: `make bench` builds first.
set -euo pipefail
cd "$(dirname "$0")/.."

benches=(build/windows/bench/load_save_bench.exe)
for bench in "${benches[@]}"; do
  if [ ! -f "$bench" ]; then
    echo "Missing $bench: build the Windows target first (make bench)." >&2
    exit 1
  fi
done

source scripts/wine-env.sh
wine_env_start always
for bench in "${benches[@]}"; do
  echo "== $(basename "$bench" .exe)"
  wine64 "$bench" </dev/null
done
wine_env_stop
