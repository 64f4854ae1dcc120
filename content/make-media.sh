#!/usr/bin/env bash
# Generates one media file of the demo course from its line of media-list.tsv.
# Usage: make-media.sh <media-list.tsv> <path> <program folder> <kursmediagen> <work folder>
# speech: spoken by espeak-ng, brought to 22050 Hz 16-bit mono by sox (.wav or .mp3 by name);
# effect: a short sound made by sox; picture: drawn by kursmediagen;
# film: one slide per sentence (kursmediagen), each shown while espeak-ng speaks it, as MPEG-1.
# A file whose line did not change since it was made is left as it is.
set -euo pipefail
list="$1"; path="$2"; program="$3"; mediagen="$4"; work="$5"

line="$(awk -F'\t' -v p="$path" '$1 == p { print; exit }' "$list")"
if [ -z "$line" ]; then echo "make-media.sh: $path is not in $list" >&2; exit 1; fi
IFS=$'\t' read -r _ kind voice text <<<"$line"
out="$program/$path"
stamp="$work/stamps/${path//\//_}.line"
mkdir -p "$(dirname "$out")" "$work/stamps"
if [ -f "$out" ] && [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$line" ]; then
  touch "$out"
  exit 0
fi
tmp="$(mktemp -d "$work/tmp.XXXXXX")"
trap 'rm -rf "$tmp"' EXIT
ext="${path##*.}"

case "$kind" in
  speech)
    espeak-ng -v "$voice" -s 145 -w "$tmp/spoken.wav" "$text"
    sox -D "$tmp/spoken.wav" -r 22050 -c 1 -b 16 "$tmp/out.$ext" norm -1
    ;;
  effect)
    case "$path" in
      *ok.wav) sox -n -r 22050 -c 1 -b 16 "$tmp/out.wav" synth 0.11 sine 880 : synth 0.22 sine 1318.5 fade 0 0.22 0.12 vol 0.6 ;;
      *)       sox -n -r 22050 -c 1 -b 16 "$tmp/out.wav" synth 0.32 square 110 vol 0.4 lowpass 900 fade 0 0.32 0.08 ;;
    esac
    ;;
  picture)
    QT_QPA_PLATFORM=offscreen "$mediagen" picture "$tmp/out.png" "$voice" "$text"
    ;;
  film)
    QT_QPA_PLATFORM=offscreen "$mediagen" slides "$tmp" 336x288 "$text"
    : > "$tmp/slides.txt"
    n=0
    while IFS= read -r sentence; do
      id="$(printf '%02d' "$n")"
      espeak-ng -v "$voice" -s 145 -w "$tmp/s_$id.wav" "$sentence"
      sox -D "$tmp/s_$id.wav" -r 44100 -c 1 -b 16 "$tmp/n_$id.wav" pad 0 0.35
      printf "file 'slide_%s.png'\nduration %s\n" "$id" "$(soxi -D "$tmp/n_$id.wav")" >> "$tmp/slides.txt"
      n=$((n + 1))
    done < "$tmp/sentences.txt"
    last="$(printf '%02d' $((n - 1)))"
    printf "file 'slide_%s.png'\n" "$last" >> "$tmp/slides.txt"
    sox "$tmp"/n_*.wav "$tmp/narration.wav"
    ffmpeg -loglevel error -y -f concat -safe 0 -i "$tmp/slides.txt" -i "$tmp/narration.wav" \
      -vf "fps=25,format=yuv420p" -c:v mpeg1video -q:v 3 -c:a mp2 -b:a 128k -ar 44100 -shortest -f mpeg "$tmp/out.mpg"
    ;;
  *)
    echo "make-media.sh: unknown kind $kind for $path" >&2; exit 1 ;;
esac

mv -f "$tmp/out.$ext" "$out"
printf '%s' "$line" > "$stamp"
