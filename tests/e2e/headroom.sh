#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# Room for two cues over the beat, through the real sound path (ALSA's default device made a
# file, as the sound test does). Every way the game plays a sound is played alone and its peak
# measured; then the two one-shots that peak highest in one channel and one direction are
# played over the beat with all three peaks meeting, and the output must stay below full scale.
# Run as: bash headroom.sh PATH/TO/play_voices
source "$(dirname "$0")/lib.sh"

# The voices are started back to back; now and then the mixer takes them in two passes.
TRIES=3

unset DISPLAY
need_display
cd "$REPO_ROOT"
# The libraries test.sh's sanitizer stage preloads, as start_game does for the game.
play_voices() { ${RYKE_E2E_PRELOAD:+env LD_PRELOAD="$RYKE_E2E_PRELOAD"} "$RYKE" "$@"; }
play_voices list >"$WORK/plays" || fail "play_voices cannot list the game's sounds"
mapfile -t alone < <(awk '{ print $1 ":" $2 ":" $3 ":0" }' "$WORK/plays")
record_sound "$WORK/alone.raw"
HOME=$WORK/home play_voices "${alone[@]}" 2>"$WORK/play.err" || fail "play_voices failed: $(cat "$WORK/play.err")"
/usr/bin/python3 "$E2E_DIR/mix.py" loudest "$WORK/alone.raw" "$WORK/plays" >"$WORK/loudest" 2>"$WORK/peaks" ||
    fail "the sounds played alone do not give a loudest pair: $(cat "$WORK/peaks")"
cat "$WORK/peaks"
read -r group channel sign reach <"$WORK/loudest"
echo "the loudest pair over the beat: $group, channel $channel, direction $sign: $reach"
for ((try = 1; try <= TRIES; try++)); do
    record_sound "$WORK/met.raw"
    HOME=$WORK/home play_voices "$group" 2>"$WORK/play.err" || fail "play_voices failed: $(cat "$WORK/play.err")"
    status=0
    /usr/bin/python3 "$E2E_DIR/mix.py" meets "$WORK/met.raw" "$channel" "$sign" "$reach" || status=$?
    ((status == 3)) || break
done
((status == 0)) || fail "two cues meeting over the beat: see above"
echo "PASS: the two loudest cues meeting at their peaks over the beat's stay below full scale"
