# Sourced by run-tests.sh: starts and stops the real services the tests use.
#  - a private PulseAudio daemon with a null sink (speakers) and a pipe source
#    (microphone); tests write speech into $KURS_TEST_MIC_FIFO;
#  - a CUPS daemon with a PDF printer queue "KursPDF", whose files land in
#    $KURS_TEST_PRINTER_OUTPUT; the documents it received stay in
#    $KURS_TEST_PRINTER_SPOOL.

KURS_TEST_RUNTIME="${KURS_TEST_RUNTIME:-/tmp/kurs-test-services}"

start_pulseaudio() {
  export XDG_RUNTIME_DIR="$KURS_TEST_RUNTIME/pulse-runtime"
  mkdir -p "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  export KURS_TEST_MIC_FIFO="$KURS_TEST_RUNTIME/mic.fifo"
  pulseaudio --kill >/dev/null 2>&1 || true
  rm -f "$KURS_TEST_MIC_FIFO"
  pulseaudio --daemonize=yes --exit-idle-time=-1 --disallow-exit --disable-shm=yes \
    --system=no --use-pid-file=yes -n \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$XDG_RUNTIME_DIR/native" \
    --load="module-null-sink sink_name=test_speakers rate=44100" \
    --load="module-pipe-source source_name=test_mic file=$KURS_TEST_MIC_FIFO format=s16le rate=22050 channels=1" \
    --load="module-always-sink" \
    --log-target=file:"$KURS_TEST_RUNTIME/pulse.log" 2>/dev/null || true
  export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/native"
  for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  pactl set-default-sink test_speakers >/dev/null 2>&1 || true
  pactl set-default-source test_mic >/dev/null 2>&1 || true
  if pactl info >/dev/null 2>&1; then
    echo "PulseAudio test server at $PULSE_SERVER"
  else
    echo "warning: the PulseAudio test server did not start (see $KURS_TEST_RUNTIME/pulse.log)"
  fi
}

# lpstat -r answers 0 whether or not the scheduler runs; its text tells.
cups_running() {
  [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]
}

start_cups() {
  if ! command -v cupsd >/dev/null 2>&1; then return; fi
  if ! cups_running; then
    (cupsd >/dev/null 2>&1 || /usr/sbin/cupsd >/dev/null 2>&1) || true
    for _ in $(seq 50); do cups_running && break; sleep 0.1; done
  fi
  if ! lpstat -p KursPDF >/dev/null 2>&1; then
    lpadmin -p KursPDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd >/dev/null 2>&1 \
      || lpadmin -p KursPDF -E -v cups-pdf:/ -m everywhere >/dev/null 2>&1 || true
  fi
  # The queue keeps each document it received, so a test can read the text
  # of what was sent (the PDF printer's own files carry the glyphs only).
  if ! grep -qi '^PreserveJobFiles Yes' /etc/cups/cupsd.conf 2>/dev/null; then
    cupsctl PreserveJobFiles=Yes >/dev/null 2>&1 || true
    for _ in $(seq 50); do cups_running && break; sleep 0.1; done
  fi
  export KURS_TEST_PRINTER=KursPDF
  export KURS_TEST_PRINTER_SPOOL=/var/spool/cups
  # Where the PDF printer puts its files: the "Out" folder of cups-pdf.conf,
  # under the home folder of the user who prints.
  local out
  out="$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)"
  out="${out:-\${HOME\}/PDF}"
  export KURS_TEST_PRINTER_OUTPUT="${out//\$\{HOME\}/$HOME}"
}

start_test_services() {
  mkdir -p "$KURS_TEST_RUNTIME"
  start_pulseaudio
  start_cups
}

stop_test_services() {
  pulseaudio --kill >/dev/null 2>&1 || true
}
