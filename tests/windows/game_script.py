#!/usr/bin/env python3
"""Writes a quorrel-headless script for a game from the title to the ending:
floor selection to floor 56, the character in front, floor 56 played with the
keys its demo holds (one command a logic step, every other frame from PLAY),
and Esc at each ESCAPE frame, to leave the ending for the title.
    game_script.py FLOOR_SOURCE PLAY [ESCAPE...]
PLAY is the first frame of the play scene's updates."""
import re
import sys

KEYS = {"R": "Right", "L": "Left", "D": "Down", "U": "Up", "A": "Space", ".": None}

source, play = sys.argv[1], int(sys.argv[2])
escapes = [int(a) for a in sys.argv[3:]]
with open(source) as f:
    demo_text = f.read().split("demo:", 1)[1]
commands = []
for token in demo_text.split():
    match = re.fullmatch(r"([RLDUA.])(\d*)", token)
    if not match:
        sys.exit("demo token %r has no key" % token)
    commands += [KEYS[match.group(1)]] * int(match.group(2) or 1)

lines = []
def tap(frame, key):
    lines.append("%d down %s" % (frame, key))
    lines.append("%d up %s" % (frame + 1, key))

# Floor selection once its item has slid in, 1 -> 56, back, start, character.
tap(30, "Down"); tap(60, "Enter"); tap(62, "Left"); tap(66, "Enter"); tap(95, "Enter"); tap(98, "Enter")
held = None
for step, key in enumerate(commands):
    frame = play + 2 * step
    if key != held:
        if held:
            lines.append("%d up %s" % (frame, held))
        if key:
            lines.append("%d down %s" % (frame, key))
        held = key
if held:
    lines.append("%d up %s" % (play + 2 * len(commands), held))
for frame in escapes:
    tap(frame, "Escape")
print("\n".join(lines))
