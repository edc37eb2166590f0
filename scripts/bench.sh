#!/usr/bin/env bash
# Runs the benchmarks of the Windows build under Wine and prints their results.
# Builds nothing: `make bench` builds first.
set -euo pipefail
cd "$(dirname "$0")/.."

benches=(build/windows/bench/load_save_bench.exe build/windows/bench/startup_bench.exe)
needed=("${benches[@]}" build/windows/bench/startup_floor.exe build/windows/src/app/Config.exe)
for file in "${needed[@]}"; do
  if [ ! -f "$file" ]; then
    echo "Missing $file: build the Windows target first (make bench)." >&2
    exit 1
  fi
done

source scripts/wine-env.sh
wine_env_start always
# Output goes through a file: the windows the start-up benchmark opens start Wine's desktop
# process, which would otherwise hold a caller's pipe open.
out=$(mktemp)
trap 'rm -f "$out"; wine_env_stop' EXIT
for bench in "${benches[@]}"; do
  echo "== $(basename "$bench" .exe)"
  wine64 "$bench" >"$out" 2>&1 </dev/null
  cat "$out"
done
