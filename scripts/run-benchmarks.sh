#!/usr/bin/env bash
# Builds and runs every benchmark under bench/ (Release-like build with debug info).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
for bench in $(find build/bench -type f -executable -name '*_bench' | sort); do
  echo "== $bench"
  "$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
done
