#!/usr/bin/env python3
"""Draws the dialog background tile (resources/tile.bmp): warm paper with a faint lattice of
lantern-pane diamonds. The pattern repeats seamlessly every 64 pixels."""
import math
import struct
import sys

SIZE = 64


def pixel(x, y):
    # Diamond lattice: distance to the nearest diagonal line of the pane grid.
    u = (x + y) % 32
    v = (x - y) % 32
    line = min(u, 32 - u, v, 32 - v)
    lead = max(0.0, 1.0 - line / 1.6)  # thin darker lines
    # A soft glow in the middle of every pane, periodic in both directions.
    glow = (math.cos(2 * math.pi * x / 32) + math.cos(2 * math.pi * y / 32)) / 4 + 0.5
    # Deterministic paper grain.
    grain = ((x * 7919 + y * 104729) % 17) / 17.0 - 0.5
    r = 226 + 10 * glow + 3 * grain - 26 * lead
    g = 214 + 9 * glow + 3 * grain - 26 * lead
    b = 184 + 6 * glow + 3 * grain - 22 * lead
    return tuple(max(0, min(255, int(round(c)))) for c in (r, g, b))


def main(path):
    row_bytes = SIZE * 3
    pad = (4 - row_bytes % 4) % 4
    rows = []
    for y in range(SIZE - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(SIZE):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        rows.append(bytes(row) + b"\0" * pad)
    image = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + image)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/tile.bmp")
