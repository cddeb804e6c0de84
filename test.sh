#!/usr/bin/env bash
# Installs what is missing, builds every preset, and runs every test:
# native unit tests, adapter tests under Wine (32- and 64-bit), GUI and end-to-end tests under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/setup.sh
./scripts/build.sh native win32 win64

. scripts/wine-env.sh
qb_start_env

passed=0
failed=0
status=0
for preset in native win32 win64; do
  echo "== $preset tests"
  log="$QB_RUN_DIR/ctest-$preset.log"
  ctest --test-dir "build/$preset" --output-on-failure -j2 2>&1 | tee "$log" || status=1
  summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1 || true)
  if [ -z "$summary" ]; then
    status=1
    continue
  fi
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
  bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$summary")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
done

echo
echo "Total: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$status" -eq 0 ]
