#!/usr/bin/env python3
"""Draws every stage's whole map on one sheet, one labelled strip per stage,
so the course can be seen at a glance (docs/levels/contact-sheet.png).

    python3 content/maps/src/contact.py MAP_DIR MAPCHIP.tga OUT.png [CELL_PIXELS]

MAP_DIR holds the compiled maps (build/game/map); cells are drawn CELL_PIXELS
wide (8 by default: a quarter of the game's size), editor icons included as
in preview.py.
"""
import os
import sys

from preview import read_tga, read_tm2, write_png

# The stages in course order, then the trial course.
ORDER = ["stage1_1", "stage1_2", "stage1_3", "stage1_4", "stage1_boss",
         "stage2_1", "stage2_2", "stage2_3", "stage2_4", "stage2_boss",
         "stage3_1", "stage3_2", "stage3_3", "stage3_4", "stage3_boss",
         "stage4_1", "stage4_2", "stage4_3",
         "stage5_1", "stage5_2", "stage5_3", "stage5_4", "stage5_boss",
         "trial1_1", "trial1_2", "trial1_3", "trial_boss"]

# A 3 x 5 pixel font for the labels.
GLYPHS = {
    "a": "010101111101101", "b": "110101110101110", "e": "111100110100111", "g": "111100101101111",
    "i": "111010010010111", "l": "100100100100111", "o": "111101101101111", "r": "110101110101101",
    "s": "111100111001111", "t": "111010010010010", "_": "000000000000111",
    "0": "111101101101111", "1": "010110010010111", "2": "111001111100111", "3": "111001011001111",
    "4": "101101111001001", "5": "111100111001111",
}
BACK, LABEL, RULE = (40, 30, 60), (255, 240, 160), (255, 255, 255)


def small_chips(sheet, cell):
    """The chip sheet sampled down to `cell` pixels a chip: code -> rows of RGBA."""
    width, height, rows = sheet
    step = 32 // cell
    chips = {}
    for col in range(width // 32):
        for row in range(height // 32):
            chip = []
            for dy in range(cell):
                src = rows[row * 32 + dy * step + step // 2]
                line = []
                for dx in range(cell):
                    p = (col * 32 + dx * step + step // 2) * 4
                    b, g, r, a = src[p:p + 4]
                    line.append((r, g, b, a))
                chip.append(line)
            chips[col * 100 + row] = chip
    return chips


def label(img, text, x0, y0, scale=2):
    for i, ch in enumerate(text):
        bits = GLYPHS.get(ch, "0" * 15)
        for k, bit in enumerate(bits):
            if bit == "1":
                gx, gy = x0 + (i * 4 + k % 3) * scale, y0 + (k // 3) * scale
                for yy in range(gy, gy + scale):
                    for xx in range(gx, gx + scale):
                        img[yy][xx * 3:xx * 3 + 3] = bytes(LABEL)


def main():
    map_dir, sheet_path, out_path = sys.argv[1:4]
    cell = int(sys.argv[4]) if len(sys.argv) > 4 else 8
    chips = small_chips(read_tga(sheet_path), cell)
    maps = [(name, read_tm2(os.path.join(map_dir, name + ".tm2"))) for name in ORDER]
    head = 16
    img_w = max(w for _, (w, _, _) in maps) * cell
    img_h = sum(head + h * cell + 2 for _, (_, h, _) in maps)
    img = [bytearray(BACK * img_w) for _ in range(img_h)]

    def blit(code, ox, oy):
        for dy, line in enumerate(chips[code]):
            dst = img[oy + dy]
            for dx, (r, g, b, a) in enumerate(line):
                if a < 40:
                    continue
                q = (ox + dx) * 3
                dst[q] = (r * a + dst[q] * (255 - a)) // 255
                dst[q + 1] = (g * a + dst[q + 1] * (255 - a)) // 255
                dst[q + 2] = (b * a + dst[q + 2] * (255 - a)) // 255

    y = 0
    for name, (width, height, cells) in maps:
        label(img, name, 4, y + 3)
        top = y + head
        for i, (x, yy, code) in enumerate(cells):
            cx, cy = i % width, i // width
            if (x, yy) != (0, 0) and (x // 32) * 100 + yy // 32 in chips:
                blit((x // 32) * 100 + yy // 32, cx * cell, top + cy * cell)
            if code in chips:
                blit(code, cx * cell, top + cy * cell)
        y = top + height * cell
        for k in range(2):
            img[y + k][:] = bytes(RULE * img_w)
        y += 2
    write_png(out_path, img_w, img_h, img)


if __name__ == "__main__":
    main()
