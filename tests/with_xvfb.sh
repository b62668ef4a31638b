#!/bin/sh
# with_xvfb.sh COMMAND [ARG...]
# XVFB_SCREEN=WIDTHxHEIGHTxDEPTH picks the screen (default 1024x768x24).
# Runs COMMAND under a virtual X server of its own. Xvfb picks a free display
# itself (-displayfd) and says which only once it accepts connections, so
# neither a busy machine nor another X server racing for the same number can
# make the command start before its display is there.
set -u

dir=$(mktemp -d "${TMPDIR:-/tmp}/quorrel-xvfb.XXXXXX") || exit 1
# -noreset: each test opens and closes its own connection, and one made
# while the server resets after the last client left would fail.
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/log" &
server=$!

cleanup() {
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Up to a minute for a loaded machine; give up early if the server died.
tries=0
while ! grep -q '^[0-9][0-9]*$' "$dir/display" 2>/dev/null; do
    if ! kill -0 "$server" 2>/dev/null || [ "$tries" -ge 600 ]; then
        echo "with_xvfb.sh: Xvfb did not start:" >&2
        cat "$dir/log" >&2
        exit 1
    fi
    tries=$((tries + 1))
    sleep 0.1
done

DISPLAY=":$(cat "$dir/display")" "$@"
