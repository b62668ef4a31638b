#!/usr/bin/env python3
"""Writes COUNT command files for quorrel-sim --commands, each with a floor to
play it on, from a fixed seed: runs of held keys of random length, single
presses of the action, now and then a byte no key makes.
    random_commands.py OUT_DIR COUNT SEED FLOORS
prints one line per file: PATH FLOOR OPTIONS"""
import os
import random
import sys

out, count, seed, floors = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
pick = random.Random(seed)
os.makedirs(out, exist_ok=True)
held = [0, 1, 2, 4, 8]
for n in range(count):
    data = bytearray()
    length = pick.randint(50, 3000)
    while len(data) < length:
        roll = pick.random()
        if roll < 0.15:
            data += bytes([16, 0])
        elif roll < 0.18:
            data.append(pick.randrange(256))
        else:
            data += bytes([pick.choice(held)]) * pick.randint(1, 60)
    path = os.path.join(out, "commands-%03d.bin" % n)
    with open(path, "wb") as f:
        f.write(bytes(data[:length]))
    options = pick.choice(["", "--no-extra-spawns", "--character 1", "--character 2"])
    print(path, pick.randint(1, floors), options)
