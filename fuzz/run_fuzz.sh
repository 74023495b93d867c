#!/usr/bin/env bash
# Builds the fuzz target and fuzzes the conversion for a bounded time.
# Usage: fuzz/run_fuzz.sh [seconds]   (default 60)
# A crash or broken invariant ends it with a non-zero status; libFuzzer saves
# the input as build/fuzz/crash-*, which then belongs in fuzz/regressions/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

cmake --preset fuzz
cmake --build --preset fuzz

corpus=build/fuzz/corpus
mkdir -p "$corpus"
# New inputs go to the first folder; the others only seed it.
build/fuzz/wfpack_fuzz \
  -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
  -dict=fuzz/wfpack.dict -artifact_prefix=build/fuzz/ -print_final_stats=1 \
  "$corpus" fuzz/seeds fuzz/regressions examples tests/data
