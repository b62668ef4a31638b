#!/bin/sh
# Fails when a program that must run without a window system is linked with
# SDL: a needed SDL library, or any SDL symbol inside the program.
#   tools/scripts/check-no-sdl.sh PROGRAM...
[ $# -gt 0 ] || { echo "usage: $0 PROGRAM..." >&2; exit 1; }
faults=0
for program in "$@"; do
  [ -f "$program" ] || { echo "$program: missing"; faults=$((faults + 1)); continue; }
  needed=$(readelf -d "$program" | grep NEEDED | grep -i sdl)
  symbols=$(nm "$program" 2>/dev/null | grep -c ' SDL_')
  dynamic=$(nm -D "$program" 2>/dev/null | grep -c ' SDL_')
  if [ -n "$needed" ] || [ "$symbols" -ne 0 ] || [ "$dynamic" -ne 0 ]; then
    echo "$program: linked with SDL ($needed; $symbols symbols, $dynamic dynamic)"
    faults=$((faults + 1))
  else
    echo "$program: no SDL"
  fi
done
[ "$faults" -eq 0 ]
