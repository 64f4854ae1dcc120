#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# Idempotent: packages already present are left alone.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  # course program
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6sql6-sqlite libqt6svg6-dev libgl1-mesa-dev
  # media window: Qt Multimedia's GStreamer back end with wave, mp3 and MPEG film decoding
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-libav gstreamer1.0-pulseaudio
  # stack traces with file and line
  libdw-dev
  # speech library and its sound layer
  libpulse-dev pulseaudio pulseaudio-utils
  # recognition engine and its model
  libpocketsphinx-dev libsphinxbase-dev pocketsphinx pocketsphinx-en-us
  # content generation: speech, sound conversion, pictures
  espeak-ng sox libsox-fmt-all imagemagick ffmpeg fonts-noto-color-emoji
  # fonts standing in for Tahoma, Verdana, Trebuchet MS and Georgia
  fonts-dejavu-core fonts-dejavu-extra fonts-liberation2 fonts-noto-core fonts-lato
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth x11-utils x11-xserver-utils xdotool poppler-utils
  cups cups-bsd printer-driver-cups-pdf
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "All project packages are installed."
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
