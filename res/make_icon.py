#!/usr/bin/env python3
"""Draws TELLAN's application icon: a photo print (sky, sun and a green hill
on a white card) at 48, 32 and 16 pixels, 24 bits per pixel, and writes it
as a Windows .ico file (default: TELLAN.ico beside this script)."""
import os
import struct
import sys

SIZES = (48, 32, 16)

WHITE = (250, 250, 250)
EDGE = (90, 90, 90)
SKY = (110, 170, 235)
SUN = (250, 205, 40)
HILL = (60, 160, 70)


def colour_at(u, v, pixel):
    """Colour of the point (u, v) of the unit square, v growing downwards;
    pixel is the size of one pixel in the same units."""
    margin = 0.06
    border = 0.08
    if u < margin or u > 1 - margin or v < margin or v > 1 - margin:
        return None  # transparent
    if (u < margin + pixel or u > 1 - margin - pixel or
            v < margin + pixel or v > 1 - margin - pixel):
        return EDGE
    inner = margin + border
    if u < inner or u > 1 - inner or v < inner or v > 1 - inner - 0.1:
        return WHITE
    if (u - 0.68) ** 2 + (v - 0.32) ** 2 < 0.11 ** 2:
        return SUN
    if v > 0.62 + 0.12 * ((u - 0.35) / 0.5) ** 2:
        return HILL
    return SKY


def image(size):
    """The BITMAPINFOHEADER, the bottom-up 24-bit colour rows and the 1-bit
    AND mask of one icon image."""
    pixel = 1.0 / size
    rows = []
    mask_rows = []
    for y in range(size - 1, -1, -1):
        row = bytearray()
        mask = 0
        bits = []
        for x in range(size):
            colour = colour_at((x + 0.5) / size, (y + 0.5) / size, pixel)
            if colour is None:
                row += bytes((0, 0, 0))
                bits.append(1)
            else:
                r, g, b = colour
                row += bytes((b, g, r))
                bits.append(0)
        row += bytes((-len(row)) % 4)
        rows.append(bytes(row))
        mask_bytes = bytearray()
        for i in range(0, size, 8):
            mask = 0
            for bit in bits[i:i + 8]:
                mask = (mask << 1) | bit
            mask <<= 8 - len(bits[i:i + 8])
            mask_bytes.append(mask)
        mask_bytes += bytes((-len(mask_bytes)) % 4)
        mask_rows.append(bytes(mask_bytes))
    colour_data = b"".join(rows)
    mask_data = b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0,
                         len(colour_data) + len(mask_data), 0, 0, 0, 0)
    return header + colour_data + mask_data


def icon_file():
    images = [image(size) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, data in zip(SIZES, images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 24,
                               len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(images)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "TELLAN.ico")
    with open(target, "wb") as out:
        out.write(icon_file())


if __name__ == "__main__":
    main()
