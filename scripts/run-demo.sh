#!/usr/bin/env bash
# Installs what is needed, builds, and starts the course program on the demo course.
# Without a display it starts a virtual one (Xvfb, 1024x768); without a sound
# server, a private one.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
# The program needs a sound input; a machine without a sound server gets a
# private one with virtual speakers and microphone.
if ! pactl info >/dev/null 2>&1; then
  KURS_TEST_RUNTIME=/tmp/kurs-demo-sound
  source scripts/test-services.sh
  mkdir -p "$KURS_TEST_RUNTIME"
  start_pulseaudio
fi
cd build/ZalpionyKurs
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" ./ZalpionyKurs
fi
exec ./ZalpionyKurs
