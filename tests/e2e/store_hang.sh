#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# Whatever stands where the best scores file should be, the game starts: a pipe (which would
# wait for ever for a writer) or a link to an endless device shows the title, ESC ends the game
# with 0 and SIGTERM with 143, with one line on stderr that says where the thing was set aside;
# a scores folder others may write in is left alone, with one line.
source "$(dirname "$0")/lib.sh"

scores=$XDG_DATA_HOME/ryke/best-scores
need_display

# plant WHAT: puts WHAT where the scores file should be, in a folder of the player's own.
plant() {
    rm -rf "${scores%/*}"
    mkdir -p -m 700 "${scores%/*}"
    case $1 in
    pipe) mkfifo "$scores" ;;
    zero) ln -s /dev/zero "$scores" ;;
    esac
}

# said_once PATTERN: the game said one line about its best scores on stderr, matching PATTERN (the
# sound library may add lines of its own).
said_once() {
    (($(grep -c '^ryke: best scores: ' "$WORK/game.err") == 1)) || fail "not one line on stderr about the scores"
    grep -qE "$1" "$WORK/game.err" || fail "stderr does not say '$1'"
}

for what in pipe zero; do
    plant "$what"
    start_game "$REPO_ROOT"
    win=$(find_window Ryke)
    wait_for_title "$win" "$WORK/title-$what.png"
    escape_and_wait "$win"
    expect_status 0
    said_once "^ryke: best scores: .*best-scores: is not a plain file; set aside as .*best-scores\.damaged-"
    [[ ! -e $scores && ! -L $scores ]] || fail "the $what is still where the scores file should be"
    echo "ok: a $what for the scores file: the title, ESC gives 0, and one line"
done

plant pipe
start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title-term.png"
kill -TERM "$(game_pid)"
wait_exit 10
expect_status 143
echo "ok: SIGTERM ends the game with 143"

plant none
printf 'ryke best scores\n100 42 2026-11-05\nend\n' >"$scores"
chmod 777 "${scores%/*}"
start_game "$REPO_ROOT"
win=$(find_window Ryke)
wait_for_title "$win" "$WORK/title-shared.png"
escape_and_wait "$win"
expect_status 0
said_once "^ryke: best scores: .*/ryke: others may write in it; playing on without them$"
[[ -f $scores ]] || fail "the file in a folder others may write in was moved"
echo "PASS: nothing in the scores file's place stops the game, and a shared folder is left alone"
