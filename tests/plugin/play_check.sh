#!/bin/sh
# play_check.sh OUT.mid COMMAND...
# Plays the default phrase with COMMAND (the play front end and the plug-in,
# under Wine on a cross build), then checks what it printed and the MIDI
# file it wrote, as midicsv reads it back.
set -eu
out=$1
shift
rm -f "$out" "$out.txt" "$out.csv"
fail() { echo "play_check: $*" >&2; exit 1; }

"$@" --out "$out" | tr -d '\r' > "$out.txt" || fail "the play command failed"
cat "$out.txt"
grep -qx '  parameter 2 "Step rate" = 1/16' "$out.txt" || fail "the step rate is not 1/16"
grep -qx '   1   1.000          0  note on   C4   velocity 100  channel 1' "$out.txt" ||
  fail "the first note is not C4 at sample 0"
grep -qx '   1   1.250       5513  note on   E4   velocity 100  channel 1' "$out.txt" ||
  fail "the second note is not E4 at sample 5513"
grep -qx '   3   1.000     176400  note off  E4   velocity 127  channel 1' "$out.txt" ||
  fail "the phrase does not end after two bars"
grep -q '^64 messages written to ' "$out.txt" || fail "not 64 messages"

command -v midicsv >/dev/null || fail "midicsv is missing (scripts/tolvo installs it)"
midicsv "$out" > "$out.csv" || fail "midicsv cannot read $out"
expect() { grep -qx "$1" "$out.csv" || fail "the MIDI file lacks: $1"; }
expect '0, 0, Header, 0, 1, 480'
expect '1, 0, Tempo, 500000'
expect '1, 0, Note_on_c, 0, 60, 100'
expect '1, 120, Note_off_c, 0, 60, 127'
expect '1, 120, Note_on_c, 0, 64, 100'
expect '1, 3840, Note_off_c, 0, 64, 127'
expect '1, 3840, End_track'
[ "$(grep -c 'Note_on_c' "$out.csv")" = 32 ] || fail "not 32 note-ons in the MIDI file"
[ "$(grep -c 'Note_off_c' "$out.csv")" = 32 ] || fail "not 32 note-offs in the MIDI file"

# Options: a plain value, a state saved and loaded, the MIDI file as input,
# and wrong settings refused with a reason.
short="--bars 0.25 --out $out.2.mid"
"$@" $short --param 2=5 | tr -d '\r' | grep -qx '  parameter 2 "Step rate" = 1/32' ||
  fail "a plain value did not set the step rate"
"$@" $short --param "MIDI out channel=3" --save-state "$out.state" >/dev/null ||
  fail "the state was not saved"
"$@" $short --load-state "$out.state" | tr -d '\r' | grep -q 'note on   C4   velocity 100  channel 3' ||
  fail "the loaded state did not set the output channel"
"$@" $short --midi-in "$out" | tr -d '\r' | grep -q 'note on   C4   velocity 100  channel 1' ||
  fail "the MIDI file did not play as input"
for wrong in "--param Direction=Sideways" "--param Gate=wide" "--param Colour=red" "--tempo fast" \
             "--midi-in $out.txt"; do
  if "$@" $short $wrong >/dev/null 2>"$out.err"; then fail "$wrong was accepted"; fi
  grep -q '^tolvo-play: ' "$out.err" || fail "$wrong gave no reason"
done
echo "play_check: the phrase, its MIDI file and the options are as expected"
