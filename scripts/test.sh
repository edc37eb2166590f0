#!/usr/bin/env bash
# Runs every test: the core natively and under the sanitizers, then everything under Wine.
set -uo pipefail
cd "$(dirname "$0")/.."

status=0
run() {
  echo "== $1"
  shift
  "$@" || status=1
}

run "host tests" ctest --preset host
run "host tests under AddressSanitizer and UBSan" ctest --preset asan
fuzz() {
  # libFuzzer talks a lot: its output goes to a log, of which the end is shown.
  if scripts/fuzz.sh 20 >build/fuzz.log 2>&1; then
    tail -n 4 build/fuzz.log
  else
    tail -n 40 build/fuzz.log
    return 1
  fi
}
run "fuzzing the language pack reader briefly (log: build/fuzz.log)" fuzz

source scripts/wine-env.sh
wine_env_start always
run "Windows tests under Wine (display $DISPLAY)" ctest --preset windows
wine_env_stop

if [ $status -ne 0 ]; then
  echo "Some tests FAILED."
else
  echo "All tests passed."
fi
exit $status
