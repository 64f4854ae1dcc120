#!/usr/bin/env bash
# Installs what is needed, builds, starts the services the tests talk to
# (a PulseAudio daemon with virtual devices, a CUPS queue printing to PDF)
# and runs every test with CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
source scripts/test-services.sh
start_test_services
trap stop_test_services EXIT
cd build
ctest --output-on-failure --timeout 600 "$@"
