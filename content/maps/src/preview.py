#!/usr/bin/env python3
"""Draws a compiled map as a PNG for review, at half size, in strips.

    python3 content/maps/src/preview.py MAP.tm2 MAPCHIP.tga OUT.png [COLUMNS_PER_STRIP]

Every cell shows its chip from the chip sheet (editor icons included, so
enemies, items and markers are visible), object codes drawn over the chip.
"""
import struct
import sys
import zlib


def read_tga(path):
    data = open(path, "rb").read()
    id_len, cmap_type, kind = data[0], data[1], data[2]
    width, height, bpp, desc = struct.unpack("<HHBB", data[12:18])
    assert kind == 2 and bpp == 32 and cmap_type == 0, "needs an uncompressed 32-bit TGA"
    pixels = data[18 + id_len:18 + id_len + width * height * 4]
    top_down = bool(desc & 0x20)
    rows = [pixels[y * width * 4:(y + 1) * width * 4] for y in range(height)]
    if not top_down:
        rows.reverse()
    return width, height, rows  # BGRA rows, top first


def read_tm2(path):
    data = open(path, "rb").read()
    width, height = struct.unpack("<ii", data[48:56])
    cells = []
    for i in range(width * height):
        x, y, code = struct.unpack("<HHH", data[64 + i * 6:70 + i * 6])
        cells.append((x, y, code))
    return width, height, cells


def write_png(path, width, height, rows):
    raw = b"".join(b"\0" + bytes(r) for r in rows)

    def chunk(tag, body):
        return struct.pack(">I", len(body)) + tag + body + struct.pack(">I", zlib.crc32(tag + body))

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 6)))
        out.write(chunk(b"IEND", b""))


def main():
    map_path, sheet_path, out_path = sys.argv[1:4]
    per_strip = int(sys.argv[4]) if len(sys.argv) > 4 else 64
    sw, sh, sheet = read_tga(sheet_path)
    width, height, cells = read_tm2(map_path)
    half = 16
    strips = (width + per_strip - 1) // per_strip
    img_w, strip_h = per_strip * half, height * half + 4
    img = [bytearray([40, 30, 60] * img_w) for _ in range(strips * strip_h)]

    def blit(cx, cy, sx, sy):
        strip, col = divmod(cx, per_strip)
        oy = strip * strip_h + cy * half
        ox = col * half
        for dy in range(half):
            src = sheet[sy + dy * 2]
            dst = img[oy + dy]
            for dx in range(half):
                p = (sx + dx * 2) * 4
                b, g, r, a = src[p], src[p + 1], src[p + 2], src[p + 3]
                if a < 40:
                    continue
                q = (ox + dx) * 3
                if a > 250:
                    dst[q:q + 3] = bytes((r, g, b))
                else:
                    dst[q] = (r * a + dst[q] * (255 - a)) // 255
                    dst[q + 1] = (g * a + dst[q + 1] * (255 - a)) // 255
                    dst[q + 2] = (b * a + dst[q + 2] * (255 - a)) // 255

    for i, (x, y, code) in enumerate(cells):
        cx, cy = i % width, i // width
        if (x, y) != (0, 0) and x + 32 <= sw and y + 32 <= sh:
            blit(cx, cy, x, y)
        if code:
            ox, oy = (code // 100) * 32, (code % 100) * 32
            if ox + 32 <= sw and oy + 32 <= sh:
                blit(cx, cy, ox, oy)
    for s in range(1, strips):
        for y in range(s * strip_h - 4, s * strip_h):
            img[y][:] = bytes([255, 255, 255] * img_w)
    write_png(out_path, img_w, strips * strip_h, img)


if __name__ == "__main__":
    main()
