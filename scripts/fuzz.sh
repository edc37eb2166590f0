#!/usr/bin/env bash
# Runs the language pack reader fuzzer of the asan build for the given seconds (default 20).
# Builds nothing: build the asan preset first. New inputs that the fuzzer finds are kept in
# build/asan/fuzz/corpus for the next run; a crash leaves its input in build/asan/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
build=${BRIMDOCK_FUZZ_BUILD:-build/asan}
fuzzer="$build/fuzz/pack_reader_fuzz"
if [ ! -x "$fuzzer" ]; then
  echo "fuzz.sh: $fuzzer is missing; run: cmake --preset asan && cmake --build --preset asan" >&2
  exit 1
fi

corpus="$build/fuzz/corpus"
seeds=$(mktemp -d)
trap 'rm -rf "$seeds"' EXIT
mkdir -p "$corpus"
# The first byte of an input chooses the mode: 0 plain, 1 INI, 2 coded, 4 with a registry
# choice, 8 without the "Program" and "Language" head.
for pack in packs/*.lng; do
  { printf '\000'; cat "$pack"; } >"$seeds/plain-$(basename "$pack")"
  { printf '\001'; cat "$pack"; } >"$seeds/ini-$(basename "$pack")"
done
printf '\002I0=2\r\nI1=coded\r\nM0=x\r\n' >"$seeds/coded"
printf '\004Program=Fuzz\r\nLanguage=Other\r\nI0=2000000000\r\nI1999999999=far\r\nM0=-1\r\n' \
  >"$seeds/registry"
printf '\011[Interface]\r\nI0=$10\r\n I1 = "quoted" \r\n[Messages]\r\nM0=1\r\nM1\r\n' >"$seeds/ini"

cd "$build/fuzz"
exec ./pack_reader_fuzz -max_total_time="$seconds" -max_len=65536 -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 corpus "$seeds"
