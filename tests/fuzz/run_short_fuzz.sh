#!/usr/bin/env bash
# run_short_fuzz.sh FUZZER WORK_CORPUS SEED_DIR: a bounded, seeded fuzz run.
set -euo pipefail
fuzzer=$1 corpus=$2 seeds=$3
mkdir -p "$corpus"
cp "$seeds"/*.json "$corpus"/ 2>/dev/null || true
exec "$fuzzer" -seed=1 -runs=200000 -max_total_time=20 -max_len=4096 -timeout=10 "$corpus"
