#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The pause follows where the keys really go when the focus follows the pointer (X's
# PointerRoot): a popup that takes the focus pauses the bout; when it closes with the pointer on
# the game's window and the focus falls back to the pointer, the bout goes on and P pauses it
# again; in a pure PointerRoot session the pointer leaving the window pauses it, and its return
# goes on.
source "$(dirname "$0")/lib.sh"

# The paused sign's dark plate, in the sky above the fighters.
plate=(512 230) plate_colour=20,8,8

paused_now() {
    alive "$GAME_PID" || fail "ryke ended during the bout"
    screenshot "$win" "$1"
    [[ $(pixel "$1" "${plate[@]}") == "$plate_colour" ]]
}
playing_now() {
    alive "$GAME_PID" || fail "ryke ended during the bout"
    screenshot "$win" "$1"
    [[ $(pixel "$1" "${plate[@]}") != "$plate_colour" && $(pixel "$1" 75 15) == 0,0,0 ]]
}
# expect paused|playing SHOT WHY: waits for the bout to be so, or fails with WHY.
expect() {
    poll "$PATIENCE" "$1_now" "$WORK/$2" || { keep_shot "$WORK/$2" "failed-$2"; fail "$3"; }
    keep_shot "$WORK/$2" "$2"
}
# focus_root [WINDOW]: the focus to the pointer, or to WINDOW falling back to the pointer.
focus_root() { /usr/bin/python3 "$E2E_DIR/focus_root.py" "$@" || fail "could not move the focus"; }

need_display
start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title.png"
eval "$(xdotool getwindowgeometry --shell "$win")"
# A spot over the game's window, and one beside it.
over=($((X + 300)) $((Y + 400))) beside=($((X + WIDTH + 100)) $((Y + HEIGHT + 100)))
xdotool mousemove "${over[@]}"
focus_root
enter_bout "$win"
expect playing start.png "no bout after ENTER, with the pointer on the window"

# A popup over the game's window takes the focus, the pointer comes to rest on it, it closes.
xmessage -name ryke-popup -geometry +$((X + 200))+$((Y + 300)) "a popup" 2>>"$WORK/xmessage.log" &
popup_pid=$!
EXTRA_PIDS+=("$popup_pid")
popup=
for ((i = 0; i < 100; i++)); do
    popup=$(xdotool search --onlyvisible --classname ryke-popup 2>/dev/null | head -n1) || true
    [[ -n $popup ]] && break
    sleep 0.1
done
[[ -n $popup ]] || fail "the popup never showed"
focus_root "$popup"
expect paused popup.png "no Paused sign while the popup had the focus"
eval "$(xdotool getwindowgeometry --shell "$popup" | sed 's/^/POPUP_/')"
xdotool mousemove $((POPUP_X + 10)) $((POPUP_Y + 10))
# X itself gives the focus back to the pointer as the popup goes.
kill "$popup_pid"
wait "$popup_pid" 2>/dev/null || true
expect playing back.png "the bout stayed paused when the popup closed and the focus fell back to the pointer"
hold_key "$win" p
expect paused by-hand.png "P did not pause the bout"
hold_key "$win" p
expect playing by-hand-again.png "P did not go on"

# The focus following the pointer alone: off the window, the keys go elsewhere.
xdotool mousemove "${beside[@]}"
expect paused pointer-away.png "the bout did not pause when the pointer left the window"
xdotool mousemove "${over[@]}"
expect playing pointer-back.png "the bout did not go on when the pointer came back"

escape_and_wait "$win"
expect_status 0
echo "PASS: the pause follows the focus when it falls back to the pointer, and the pointer itself"
