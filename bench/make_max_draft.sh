#!/bin/sh
# Writes the fullest draft there is, for timing the command line on it: every
# list at its capacity (100 lands, 100 terrains, 100 units, in turn of a few
# kinds), every optional section on and every ready-made group ticked.
#
#   sh bench/make_max_draft.sh path/to/quorlin OUT.qlx
set -eu
quorlin=$1
out=$2

set --
i=0
while [ "$i" -lt 100 ]; do
    case $((i % 3)) in
    0) land=沙漠 terrain=雪 unit=民兵 ;;
    1) land=草1 terrain=泥地1 unit=骑士 ;;
    *) land=冰 terrain=沙漠 unit=长弓手 ;;
    esac
    set -- "$@" --set "Combo15=$land" --click Command21 --set "Combo4=$terrain" --click Command4 \
        --set "Label55=$unit" --click Command6
    i=$((i + 1))
done
for box in Check1 Check23 Check24 Check25 Check26 Check27 Check28 Check29 Check30; do
    set -- "$@" --set "$box=1"
done
"$quorlin" generate "$@" --click Command5 --save-draft "$out" > /dev/null
