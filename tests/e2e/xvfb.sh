# shellcheck shell=bash
# Starts a private Xvfb on a display number the server picks itself, so it never clashes
# with another X server. Sourced by test.sh and by the end-to-end tests.
# Usage: start_xvfb LOG_DIR   (sets XVFB_PID and exports DISPLAY)   stop_xvfb
# XVFB_SCREEN sets the screen's size and depth (1280x1024x24 unless set).

start_xvfb() {
    local dir=$1 i number
    rm -f "$dir/xvfb.display"
    # -displayfd: the server writes the number it took once it accepts connections.
    # -noreset: by default the server resets when its last client leaves, and refuses
    # connections meanwhile; every xdotool call is such a client.
    Xvfb -displayfd 3 -noreset -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp \
        3>>"$dir/xvfb.display" >"$dir/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for ((i = 0; i < 100; i++)); do
        number=$(cat "$dir/xvfb.display" 2>/dev/null || true)
        if [[ $number =~ ^[0-9]+$ ]]; then
            export DISPLAY=":$number"
            return 0
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "Xvfb did not start:" >&2
    cat "$dir/xvfb.log" >&2
    return 1
}

stop_xvfb() {
    if [[ -n ${XVFB_PID:-} ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=
        # Later stages must not find a display that is gone.
        unset DISPLAY
    fi
}
