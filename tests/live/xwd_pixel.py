#!/usr/bin/env python3
"""Reads an XWD screenshot (32 bits per pixel, as a 24-bit display writes it).

xwd_pixel.py FILE X Y      prints the pixel's colour as RRGGBB
xwd_pixel.py FILE OUT.png  writes the picture as a PNG
"""
import struct
import sys
import zlib


def read(path):
    data = open(path, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    byte_order, bits, line, ncolors = fields[7], fields[11], fields[12], fields[19]
    if bits != 32:
        sys.exit("%s: %d bits per pixel, expected 32" % (path, bits))
    pixels = data[header_size + ncolors * 12:]
    order = "<I" if byte_order == 0 else ">I"

    def rgb(x, y):
        value = struct.unpack_from(order, pixels, y * line + x * 4)[0]
        return (value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF

    return width, height, rgb


def write_png(path, width, height, rgb):
    rows = b"".join(b"\0" + bytes(c for x in range(width) for c in rgb(x, y))
                    for y in range(height))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" +
                  chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
                  chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


width, height, rgb = read(sys.argv[1])
if len(sys.argv) == 3:
    write_png(sys.argv[2], width, height, rgb)
else:
    print("%02X%02X%02X" % rgb(int(sys.argv[2]), int(sys.argv[3])))
