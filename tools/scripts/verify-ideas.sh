#!/bin/sh
# Proves by ablation the ideas of every floor that known-idea-faults.txt
# does not name, so no rebuilt floor can regress; the floors still listed
# there wait for their rebuild.
#   verify-ideas.sh [--tool T] [--sources DIR]
set -e
tool=build/release/quorrel-floors sources=assets/floors
while [ $# -gt 0 ]; do
    case $1 in
        --tool) tool=$2; shift 2 ;;
        --sources) sources=$2; shift 2 ;;
        *) echo "verify-ideas.sh: unknown argument $1" >&2; exit 2 ;;
    esac
done
known=" $(sed 's/#.*//' "$sources/known-idea-faults.txt" | awk 'NF { print $1 }' | sort -nu | tr '\n' ' ') "
floors=
for n in $(seq 1 56); do
    case $known in *" $n "*) ;; *) floors="$floors $n" ;; esac
done
exec "$tool" verify --sources "$sources" --ideas --random-streams=0 $floors
