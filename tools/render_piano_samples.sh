#!/usr/bin/env bash
# Renders the piano samples of the data archive: one mono Ogg Vorbis file per MIDI note
# 24 to 89, "assets/Piano/Acoustic Grand Piano<note>.ogg", from the FluidR3 GM sound font.
#
#   tools/render_piano_samples.sh [OUTDIR]      (default: assets/Piano)
#
# Needs fluidsynth, fluid-soundfont-gm, sox, vorbis-tools and python3. Each note is held
# for 2.6 s; the render is cut to start at the note's onset, shortened to 2.5 s with a
# 0.3 s fade at the end (fluidsynth's trailing silence goes with it), mixed to mono and
# brought to the same attack loudness so that all notes sound about equally loud.
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$repo/assets/Piano}"
soundfont=/usr/share/sounds/sf2/FluidR3_GM.sf2
first=24
last=89
length=2.5       # seconds kept
fade=0.3         # seconds of fade at the end
attack_rms=0.16  # RMS of the first 0.4 s of every note (about -16 dBFS)
peak_limit=0.89  # highest peak allowed (about -1 dBFS)
quality=3        # oggenc quality

for tool in fluidsynth sox oggenc python3; do
  command -v "$tool" >/dev/null || { echo "render_piano_samples: $tool is missing"; exit 1; }
done
[[ -r "$soundfont" ]] || { echo "render_piano_samples: $soundfont is missing (fluid-soundfont-gm)"; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# A type-0 MIDI file with one note: program 0 (acoustic grand), note on at once,
# note off after 2.6 s (480 ticks per quarter at 120 bpm: 2496 ticks).
write_midi() {
  python3 - "$1" "$2" <<'PY'
import struct, sys
note, path = int(sys.argv[1]), sys.argv[2]
def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, (n & 0x7F) | 0x80)
        n >>= 7
    return bytes(out)
events = (
    vlq(0) + bytes([0xC0, 0])
    + vlq(0) + bytes([0x90, note, 100])
    + vlq(2496) + bytes([0x80, note, 0])
    + vlq(0) + bytes([0xFF, 0x2F, 0])
)
with open(path, "wb") as f:
    f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, 480))
    f.write(b"MTrk" + struct.pack(">I", len(events)) + events)
PY
}

# Level matching: the loudness of the attack (RMS of the first 0.4 s) is brought to the
# same value for every note, unless that would push the peak above the limit.
level() {
  python3 - "$1" "$2" "$attack_rms" "$peak_limit" <<'PY'
import array, math, sys, wave
src, dst, target, limit = sys.argv[1], sys.argv[2], float(sys.argv[3]), float(sys.argv[4])
with wave.open(src, "rb") as w:
    params = w.getparams()
    samples = array.array("h", w.readframes(w.getnframes()))
if sys.byteorder == "big":
    samples.byteswap()
head = samples[: int(0.4 * params.framerate)]
rms = math.sqrt(sum(s * s for s in head) / max(1, len(head))) / 32768.0
peak = max(1, max(abs(s) for s in samples)) / 32768.0
gain = min(target / max(rms, 1e-6), limit / peak)
out = array.array("h", (max(-32767, min(32767, int(round(s * gain)))) for s in samples))
if sys.byteorder == "big":
    out.byteswap()
with wave.open(dst, "wb") as w:
    w.setparams(params)
    w.writeframes(out.tobytes())
PY
}

render_one() {
  local note=$1
  local mid="$work/$note.mid" raw="$work/$note.raw.wav" wav="$work/$note.wav"
  write_midi "$note" "$mid"
  fluidsynth -q -n -i -g 1.0 -r 44100 -R 0 -C 0 -F "$raw" "$soundfont" "$mid" >/dev/null 2>&1
  sox "$raw" -b 16 "$work/$note.mono.wav" remix - silence 1 0.0005 0.02% trim 0 "$length" \
    fade t 0.002 "$length" "$fade"
  level "$work/$note.mono.wav" "$wav"
  oggenc -Q -q "$quality" -s "$note" -o "$out/Acoustic Grand Piano$note.ogg" "$wav"
}

# Two notes at a time (the machine is shared).
for ((note = first; note <= last; note++)); do
  render_one "$note" &
  if (( (note - first) % 2 == 1 )); then wait; fi
done
wait

count=$(find "$out" -name 'Acoustic Grand Piano*.ogg' | wc -l)
size=$(du -cb "$out"/*.ogg | tail -1 | cut -f1)
echo "render_piano_samples: $count files, $size bytes in $out"
