#!/bin/sh
# Start-up of the window against a bare QApplication with an empty
# QMainWindow, on a real X server: whole processes, runs taken in turns,
# the median of each. Usage: window_startup.sh QUORLIN BARE [RUNS]
set -e
quorlin=$1
bare=$2
runs=${3:-21}
if [ -z "$DISPLAY" ]; then
    export DISPLAY=:97
    Xvfb "$DISPLAY" -screen 0 1280x900x24 >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb' EXIT
    sleep 1
fi
export QT_QPA_PLATFORM=xcb
ms() { # milliseconds one run of "$@" takes
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    echo $(( ($(date +%s%N) - start) / 1000000 ))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
"$bare" >/dev/null 2>&1; "$quorlin" --quit-after-show >/dev/null 2>&1 # warm the caches once
: > /tmp/quorlin-bare.$$; : > /tmp/quorlin-window.$$
i=0
while [ $i -lt "$runs" ]; do
    ms "$bare" >> /tmp/quorlin-bare.$$
    ms "$quorlin" --quit-after-show >> /tmp/quorlin-window.$$
    i=$((i + 1))
done
b=$(median < /tmp/quorlin-bare.$$)
w=$(median < /tmp/quorlin-window.$$)
rm -f /tmp/quorlin-bare.$$ /tmp/quorlin-window.$$
echo "bare QApplication + QMainWindow: median $b ms of $runs runs"
echo "quorlin --quit-after-show:       median $w ms of $runs runs"
awk -v w="$w" -v b="$b" 'BEGIN { printf "ratio: %.2f (target at most 1.5)\n", w / b }'
