#!/usr/bin/env bash
# Installs what is needed, builds, and starts the course program on the demo course.
# Without a display it starts a virtual one (Xvfb, 1024x768).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build/ZalpionyKurs
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" ./ZalpionyKurs
fi
exec ./ZalpionyKurs
