#!/usr/bin/env python3
"""Lays out every stage of the course and writes content/maps/<name>.map.

    python3 content/maps/src/levels.py [OUTPUT_DIR]

Each stage below is read from left to right: `s.flat(n)` lays n columns of
ground at the cursor, `s.pit(n)` leaves a gap, `s.on(x, CODE)` stands an
enemy or item on the ground of column x. docs/levels.md describes the idea
of each world. The written .map files are the sources the build compiles;
after hand edits to a .map file, keep this file in step or stop using it
for that stage.
"""
import os
import random
import sys

from levelkit import *  # noqa: F401,F403

SCENERY_NAMES = {
    110: "back wall: brick",
    11: "dead tree, branches", 12: "dead tree, trunk", 13: "dead tree, roots",
    211: "bush, left half", 311: "bush, right half", 212: "mushrooms", 312: "grass tuft",
    411: "wooden fence", 412: "gravestone on a mound", 511: "hanging lantern",
    512: "wooden torch", 14: "chimney top", 15: "chimney body", 114: "lit window",
    214: "dark window", 115: "television aerial", 215: "washing line", 314: "cloud, left",
    414: "cloud, middle", 514: "cloud, right", 315: "full moon", 415: "stars",
    17: "arched window, top", 18: "arched window, bottom", 117: "pillar capital",
    118: "pillar shaft", 119: "pillar base", 217: "portrait", 317: "candelabra",
    218: "chandelier", 417: "brass wall torch", 418: "blue vase", 517: "bookshelf, top",
    518: "bookshelf, bottom",
    20: "gravestone with a cross", 120: "cracked gravestone", 220: "small gravestone",
    320: "pile of skulls", 420: "cobweb", 520: "iron torch", 21: "archway, left half",
    121: "archway, right half", 221: "wall niche with a skull", 321: "hanging chains",
    23: "brass gear, top-left", 123: "brass gear, top-right", 24: "brass gear, bottom-left",
    124: "brass gear, bottom-right", 223: "steel gear", 323: "small brass gear",
    224: "pendulum rod", 324: "pendulum bob", 423: "clock face, top-left",
    523: "clock face, top-right", 424: "clock face, bottom-left", 524: "clock face, bottom-right",
    25: "girder", 125: "vertical girder", 225: "bell", 26: "violet pillar capital",
    27: "violet pillar shaft", 28: "violet pillar base", 126: "banner top", 127: "banner tail",
    226: "stained glass, top-left", 326: "stained glass, top-right",
    227: "stained glass, bottom-left", 327: "stained glass, bottom-right",
    426: "hanging carpet", 427: "gold wall torch", 526: "stone statue", 527: "crown ornament",
    611: "tree crown, top-left", 711: "tree crown, top-right", 612: "tree crown, bottom-left",
    712: "tree crown, bottom-right", 811: "mossy rock", 812: "flowers",
    613: "fallen log, left", 713: "fallen log, right", 614: "dormer window", 714: "railing",
    814: "street lamp, lantern", 815: "street lamp, post",
    SIGN_POST: "key sign, post", SIGN_MOVE: "key sign: arrow keys walk",
    SIGN_JUMP: "key sign: X jumps", SIGN_HIGH_JUMP: "key sign: hold X to jump higher",
    SIGN_SHOOT: "key sign: Z shoots", SIGN_STOMP: "key sign: jump onto an enemy",
    22: "heap of autumn leaves", 122: "ember bowl", 222: "red-leaved bush", 322: "hanging ivy",
    422: "fern", 522: "cairn of slates", 622: "snowy fir", 722: "snow drift", 822: "icicles",
    922: "gilded urn", 1022: "gothic lancet window", 1122: "gold hanging lamp",
    1222: "pennant", 1322: "practice butt", 1422: "signal lantern",
    30: "autumn crown, top-left", 130: "autumn crown, top-right", 31: "autumn crown, bottom-left",
    131: "autumn crown, bottom-right", 231: "trunk", 331: "roots", 230: "leaf litter", 330: "falling leaves", 430: "falling leaves",
    530: "ash trunk", 630: "ash trunk with ivy", 730: "ash roots", 731: "ash crown", 531: "undergrowth", 631: "spores",
    830: "snowy fir, top-left", 930: "snowy fir, top-right", 831: "snowy fir, bottom-left",
    931: "snowy fir, bottom-right", 1030: "frozen fall", 1031: "foot of a frozen fall", 1130: "snow bank",
    1131: "snowflakes", 1230: "aurora", 1330: "aurora", 1430: "aurora", 1231: "yard fence, top",
    1331: "yard fence", 1431: "yard fence with a chalk target", 1531: "yard fence with a straw butt",
    1631: "yard fence with a hay bale",
    329: "willow crown, top-left", 429: "willow crown, top-right", 529: "willow crown, bottom-left",
    629: "willow crown, bottom-right", 729: "willow trunk", 829: "willow strands", 929: "reeds",
    1029: "ivy curtain, head", 1129: "ivy curtain", 1229: "ivy curtain, ends", 1329: "fireflies",
    228: "smokestack, top", 328: "smokestack", 428: "smokestack, foot", 528: "smoke", 628: "iron chain",
    728: "ember lantern", 828: "foundry window, top", 928: "foundry window, bottom", 1028: "sparks",
    1429: "fireflies", 1529: "mist", 1629: "mist", 319: "rime fringe", 419: "frosted chain",
    519: "frozen lantern", 719: "frozen window, top", 819: "frozen window, bottom", 919: "frost ferns",
    710: "gilt armillary sphere in a niche, top", 810: "gilt armillary sphere in a niche, bottom", 910: "banner, head",
    1010: "banner", 1110: "banner, tail", 1210: "chandelier chain", 1310: "chandelier",
    1410: "stained glass, top", 1510: "stained glass, bottom", 1610: "gilded cornice",
    1710: "gilded cornice with cobwebs", 1810: "gold curtain, head", 1910: "gold curtain",
    911: "gold curtain, torn hem", 1011: "candelabrum", 1128: "gilt dust",
    1228: "gilded spire, top", 1328: "gilded spire", 1428: "gilded spire, foot",
}

for _look, _codes in HAZE.items():
    SCENERY_NAMES.update((code, f"{_look} haze") for code in _codes)
for _look, _copies in HAZED_VARIANTS.items():
    SCENERY_NAMES.update((copy, SCENERY_NAMES.get(code, "prop") + f", over the {_look} haze") for code, copy in _copies.items())

# Each world's own props, by its look: (standing on the ground, hanging from
# ceilings, on the wall above the ground). World 1 has none: its themes' own
# scenery is its look.
WORLD_PROPS = {
    "embers": ([22, 122, 222], [], []),
    "slate": ([422, 522], [322], []),
    "frost": ([622, 722], [822], []),
    "gilded": ([922], [1122], [1022]),
    # The trial's pennant (1222) and signal lantern (1422) are not strewn
    # about: a blind player took the flag, and could take the lantern, for a
    # checkpoint, which is a lantern post of its own.
    "chalk": ([1322], [], []),
}


# World backdrops: the outdoor stages of worlds 1 to 4 and the trial's first
# course all pan across the same night forest picture. The other worlds stand
# large pieces of their own in front of it, so that a screen shows which world
# it is: trees or trunks or fences along the ground, a strip on every ground
# and ledge top, and something in the sky. Codes in docs/chips.md (rows 30, 31).
AUTUMN_CROWN = (30, 130, 31, 131)           # 2 x 2: top-left, top-right, bottom-left, bottom-right
TREE_TRUNK, TREE_ROOTS = 231, 331          # the dead tree's trunk and roots, over the haze
LEAF_LITTER, FALLING_LEAVES = 230, (330, 430)
ASH_TRUNK, ASH_IVY, ASH_ROOTS, ASH_CROWN, UNDERGROWTH, SPORES = 530, 630, 730, 731, 531, 631
SNOWY_FIR = (830, 930, 831, 931)
FROZEN_FALL, FALL_FOOT, SNOW_BANK, SNOWFLAKES = 1030, 1031, 1130, 1131
AURORA = (1230, 1330, 1430)                 # follow one another to the right
FENCE_TOP, FENCE = 1231, 1331
FENCE_DRESSED = (1431, 1531, 1631)          # with a chalk target, a straw butt, a hay bale


def column_up(s, x, bottom):
    """The free cells of column x from row `bottom` up to the map's top or to a
    solid cell, and whether the run got there (rather than ending under an
    item, an enemy or other scenery)."""
    rows = []
    for y in range(bottom, -1, -1):
        if s.solid[y][x]:
            return rows, True
        if not free(s, x, y):
            return rows, False
        rows.append(y)
    return rows, True


def tops(s, x):
    """Rows of the free cells of column x that stand on a solid cell, lowest first."""
    return [y for y in range(s.height - 2, -1, -1) if s.solid[y + 1][x] and free(s, x, y)]


def autumn_trees(s, rng):
    for x in range(1, s.width - 2):
        for top in tops(s, x):
            if rng.random() > 0.3:
                continue
            trunk = rng.randrange(1, 7)
            crown = top - trunk - 1
            cells = [(x, y) for y in range(crown, top + 1)] + [(x + 1, crown), (x + 1, crown + 1)]
            if crown >= 0 and all(free(s, cx, cy) for cx, cy in cells):
                for code, (cx, cy) in zip(AUTUMN_CROWN, ((x, crown), (x + 1, crown), (x, crown + 1), (x + 1, crown + 1))):
                    s.scen(cx, cy, code)
                for y in range(crown + 2, top):
                    s.scen(x, y, TREE_TRUNK)
                s.scen(x, top, TREE_ROOTS)


def ash_trunks(s, rng):
    x = rng.randrange(2, 5)
    while x < s.width - 1:
        placed = False
        for top in tops(s, x):
            rows, reached = column_up(s, x, top)
            if len(rows) >= 5 and (reached or len(rows) >= 7):
                s.scen(x, rows[0], ASH_ROOTS)
                for y in rows[1:]:
                    s.scen(x, y, ASH_IVY if rng.random() < 0.3 else ASH_TRUNK)
                if not reached:
                    s.scen(x, rows[-1], ASH_CROWN)
                placed = True
        x += rng.randrange(3, 7) if placed else 1


def frozen_forest(s, rng):
    fall_at = rng.randrange(6, 12)
    for x in range(2, s.width - 2):
        for top in tops(s, x):
            rows, reached = column_up(s, x, top) if x >= fall_at else ([], False)
            if reached and len(rows) >= 6:
                s.scen(x, rows[0], FALL_FOOT)
                for y in rows[1:]:
                    s.scen(x, y, FROZEN_FALL)
                fall_at = x + rng.randrange(10, 18)
                continue
            cells = [(x, top - 1), (x + 1, top - 1), (x, top), (x + 1, top)]
            if (rng.random() < 0.45 and top + 1 < s.height and s.solid[top + 1][x + 1]
                    and all(free(s, cx, cy) for cx, cy in cells)):
                for code, (cx, cy) in zip(SNOWY_FIR, cells):
                    s.scen(cx, cy, code)


def yard_fence(s, rng):
    for x in range(s.width):
        top = s.surface(x)
        if top < s.height and free(s, x, top - 1) and free(s, x, top - 2):
            s.scen(x, top - 2, FENCE_TOP)
            s.scen(x, top - 1, rng.choice(FENCE_DRESSED) if rng.random() < 0.12 else FENCE)


def ground_strip(s, code):
    """`code` on every free cell over a solid one: ground tops and ledges."""
    if not code:
        return
    for y in range(s.height - 1):
        for x in range(s.width):
            if s.solid[y + 1][x] and free(s, x, y):
                s.scen(x, y, code)


# Scenery that covers its whole cell: the haze need not fade out towards it.
OPAQUE_SCENERY = {110}


def world_haze(s):
    """The world's haze in every free cell of a stage of worlds 2 to 5 or the
    trial; it fades out towards cells that wear none (props without a hazed
    copy), not towards solid ground, whole-cell walls or the props
    drawn over the haze. Outdoors, some cells in the clear sky take the
    world's motif (also over the haze)."""
    look = s.theme["look"]
    if look not in HAZE:
        return
    rng = random.Random(s.name + " haze")
    backdrop = WORLD_BACKDROPS.get(look)
    motifs = backdrop["sky"][0] if backdrop and s.kind in ("forest", "roofs", "clock") else ()
    variants = HAZED_VARIANTS[look]
    for row in s.scenery:
        row[:] = [variants.get(code, code) for code in row]
    # Active chips go to the objects layer over the haze: the stage is built
    # from both layers cell by cell in the same order, so the same objects
    # come to the same places.
    for y in range(s.height):
        for x in range(s.width):
            if s.chips[y][x] and not s.objects[y][x]:
                s.objects[y][x], s.chips[y][x] = s.chips[y][x], 0
                s.scenery[y][x] = 0  # a prop the chip hid: the haze takes its place
    town = WORLD_TOWNS.get(look)
    hazed = (set(HAZE[look]) | (backdrop["hazed"] if backdrop else set()) | (town["hazed"] if town else set())
             | set(variants.values()) | OPAQUE_SCENERY)
    cells = [(x, y) for y in range(s.height) for x in range(s.width) if free(s, x, y)]
    for x, y in cells:
        s.scenery[y][x] = HAZE[look][0]

    def clear(cx, cy):
        if not (0 <= cx < s.width and 0 <= cy < s.height) or s.solid[cy][cx]:
            return True
        return not s.chips[cy][cx] and s.scenery[cy][cx] in hazed

    for x, y in cells:
        mask = ((0 if clear(x - 1, y) else HAZE_LEFT) | (0 if clear(x + 1, y) else HAZE_RIGHT)
                | (0 if clear(x, y - 1) else HAZE_UP) | (0 if clear(x, y + 1) else HAZE_DOWN))
        s.scenery[y][x] = HAZE[look][mask] if mask < len(HAZE[look]) else HAZE[look][0]
        if motifs and not mask and y < s.surface(x) - 3 and rng.random() < 0.1:
            s.scenery[y][x] = rng.choice(motifs)


def sky_band(s, band):
    """A band (the aurora) along the map's third row and every fifteenth row
    below it, its cells in turn."""
    for y in range(2, s.height - 8, 15) if band else ():
        for x in range(s.width):
            if free(s, x, y):
                s.scen(x, y, band[x % len(band)])


# Per world: what stands along the ground, the strip on its tops, the sky's
# motifs and band, and the world's own chips that are drawn over its haze.
WORLD_BACKDROPS = {
    "embers": dict(trees=autumn_trees, strip=LEAF_LITTER, sky=(FALLING_LEAVES, None),
                   hazed={*AUTUMN_CROWN, TREE_TRUNK, TREE_ROOTS, LEAF_LITTER, *FALLING_LEAVES}),
    "slate": dict(trees=ash_trunks, strip=UNDERGROWTH, sky=((SPORES,), None),
                  hazed={ASH_TRUNK, ASH_IVY, ASH_ROOTS, ASH_CROWN, UNDERGROWTH, SPORES}),
    "frost": dict(trees=frozen_forest, strip=SNOW_BANK, sky=((SNOWFLAKES,), AURORA),
                  hazed={*SNOWY_FIR, FROZEN_FALL, FALL_FOOT, SNOW_BANK, SNOWFLAKES, *AURORA}),
    "chalk": dict(trees=yard_fence, strip=None, sky=((), None),
                  hazed={FENCE_TOP, FENCE, *FENCE_DRESSED}),
}

# World towns: the rooftops, halls, crypts and clock towers of worlds 2 to 4
# share world 1's backdrops and layouts; these large pieces of their own make
# each one a place of its world. Codes in docs/chips.md ("World towns").
WILLOW = (329, 429, 529, 629)                # 2 x 2: top-left, top-right, bottom-left, bottom-right
WILLOW_TRUNK, WILLOW_STRANDS, REEDS = 729, 829, 929
IVY_HEAD, IVY, IVY_END = 1029, 1129, 1229
FIREFLIES, MIST = (1329, 1429), (1529, 1629)
SMOKESTACK_TOP, SMOKESTACK, SMOKESTACK_FOOT, SMOKE = 228, 328, 428, 528
EMBER_CHAIN, EMBER_LANTERN, SPARKS = 628, 728, 1028
FOUNDRY_WINDOW = (828, 928)                  # top, bottom
ICICLE_FRINGE, FROST_CHAIN, FROZEN_LANTERN = 319, 419, 519
FROZEN_WINDOW = (719, 819)                   # top, bottom
FROST_FERNS = 919


def under_ceilings(s):
    """Free cells right under a solid one: ceilings and ledges' undersides."""
    return [(x, y) for y in range(1, s.height) for x in range(s.width) if s.solid[y - 1][x] and free(s, x, y)]


def hang(s, x, y, head, body, end, length):
    """A hanging piece from (x, y) down: its head, its body, its end; it stops
    short of the first cell that is not free."""
    rows = [r for r in range(y, min(y + length, s.height)) if free(s, x, r)]
    rows = rows[:next((i for i, r in enumerate(rows) if r != y + i), len(rows))]
    for i, r in enumerate(rows):
        s.scen(x, r, head if i == 0 else end if i == len(rows) - 1 else body)


def raise_columns(s, rng, x, heights, gaps, pieces):
    """Tall columns (foot, repeatable body, top) rising from the grounds from
    column x on, through free cells only: their heights drawn from the range
    `heights`, the columns between them from `gaps`. Yields each one's column
    and top row once it stands."""
    foot, body, top_piece = pieces
    while x < s.width - 2:
        raised = False
        for top in tops(s, x):
            rows, reached = column_up(s, x, top)
            if len(rows) >= 6 and (reached or len(rows) >= 8):
                rows = rows[:rng.randrange(*heights)]
                s.scen(x, rows[0], foot)
                for y in rows[1:-1]:
                    s.scen(x, y, body)
                s.scen(x, rows[-1], top_piece)
                yield x, rows[-1]
                raised = True
                break
        x += rng.randrange(*gaps) if raised else 1


def boss_fight(s):
    """Boss arenas keep their air clear of motes: in a fight, every small
    bright thing in the air has to be a shot."""
    return s.name.endswith("boss")


def foundry_town(s, rng):
    """World 2: smokestacks rising from the grounds, ember lanterns hanging
    from the ceilings, foundry windows glowing on the walls, sparks."""
    x = rng.randrange(3, 8) if s.kind in ("roofs", "clock") else s.width   # stacks stand outdoors only
    for x, top in raise_columns(s, rng, x, (6, 12), (9, 16), (SMOKESTACK_FOOT, SMOKESTACK, SMOKESTACK_TOP)):
        if free(s, x + 1, top - 1):
            s.scen(x + 1, top - 1, SMOKE)
    for x, y in under_ceilings(s):
        if rng.random() < 0.08 and free(s, x, y + 1):
            hang(s, x, y, EMBER_CHAIN, EMBER_CHAIN, EMBER_LANTERN, rng.randrange(2, 4))
    # windows only where a room's back wall stands behind them: on the roofs
    # they would hang in the open sky
    indoors = s.kind in ("mansion", "catacombs")
    for x, top in list(standing_spots(s)):
        if indoors and rng.random() < 0.15 and all(free(s, x, top - k) for k in range(2, 6)):
            s.scen(x, top - 5, FOUNDRY_WINDOW[0])
            s.scen(x, top - 4, FOUNDRY_WINDOW[1])
    for y in range(s.height):
        for x in range(s.width):
            # few and high: orange specks near her path could pass for fireballs
            if free(s, x, y) and y < s.surface(x) - 4 and rng.random() < 0.01 and not boss_fight(s):
                s.scen(x, y, SPARKS)


def drowned_town(s, rng):
    """World 3: weeping willows on the grounds, ivy curtains down from the
    ceilings, fireflies and low mist in the open."""
    x = rng.randrange(2, 6)
    while x < s.width - 3:
        planted = False
        for top in tops(s, x):
            height = rng.randrange(3, 6)   # crown and trunk, above the roots' cell
            crown = top - height
            cells = [(x + dx, y) for dx in (0, 1) for y in range(crown, top + 1)]
            if crown >= 0 and s.solid[top + 1][x + 1] and all(free(s, cx, cy) for cx, cy in cells):
                for code, (cx, cy) in zip(WILLOW, ((x, crown), (x + 1, crown), (x, crown + 1), (x + 1, crown + 1))):
                    s.scen(cx, cy, code)
                for y in range(crown + 2, top + 1):
                    s.scen(x, y, WILLOW_TRUNK)
                    s.scen(x + 1, y, WILLOW_STRANDS)
                planted = True
                break
        x += rng.randrange(7, 13) if planted else 1
    for x, y in under_ceilings(s):
        if free(s, x, y) and rng.random() < 0.3:
            hang(s, x, y, IVY_HEAD, IVY, IVY_END, rng.randrange(2, 5))
    for y in range(s.height):
        for x in range(s.width):
            if free(s, x, y) and y < s.surface(x) - 2 and rng.random() < 0.025 and not boss_fight(s):
                s.scen(x, y, rng.choice(FIREFLIES))
    for x in range(1, s.width - 2):
        for top in tops(s, x):
            if top > 0 and rng.random() < 0.12 and top in tops(s, x + 1) and free(s, x, top - 1) and free(s, x + 1, top - 1):
                s.scen(x, top - 1, MIST[0])
                s.scen(x + 1, top - 1, MIST[1])


def frozen_town(s, rng):
    """World 4: icicles under every ceiling, frosted chains and frozen
    lanterns hanging in the halls, tall frozen windows on the walls, frozen
    falls where a ground meets a ceiling, frost ferns at the walls' feet."""
    fall_at = rng.randrange(4, 10)
    for x in range(1, s.width - 1):
        for top in tops(s, x):
            rows, reached = column_up(s, x, top)
            if x >= fall_at and reached and 4 <= len(rows) <= 12 and rows[-1] > 0:
                s.scen(x, rows[0], FALL_FOOT)
                for y in rows[1:]:
                    s.scen(x, y, FROZEN_FALL)
                fall_at = x + rng.randrange(14, 24)
    for x, y in under_ceilings(s):
        if rng.random() < 0.07 and free(s, x, y + 1) and free(s, x, y + 2):
            hang(s, x, y, FROST_CHAIN, FROST_CHAIN, FROZEN_LANTERN, rng.randrange(2, 5))
        else:
            s.scen(x, y, ICICLE_FRINGE)
    indoors = s.kind in ("mansion", "catacombs")   # no windows in the open sky
    for x, top in list(standing_spots(s)):
        if indoors and rng.random() < 0.12 and all(free(s, x, top - k) for k in range(2, 6)):
            s.scen(x, top - 5, FROZEN_WINDOW[0])
            s.scen(x, top - 4, FROZEN_WINDOW[1])
        elif (rng.random() < 0.5 and free(s, x, top - 1)
              and (s.solid[top - 1][x - 1] or s.solid[top - 1][x + 1])):
            s.scen(x, top - 1, FROST_FERNS)


GILT_SPHERE = (710, 810)                     # top, bottom
BANNER_HEAD, BANNER, BANNER_TAIL = 910, 1010, 1110
CHANDELIER_CHAIN, CHANDELIER = 1210, 1310
STAINED_GLASS = (1410, 1510)                 # top, bottom
CORNICE, CORNICE_COBWEB = 1610, 1710
CURTAIN_HEAD, CURTAIN, CURTAIN_TORN = 1810, 1910, 911
CANDELABRUM, GILT_DUST = 1011, 1128
SPIRE_TOP, SPIRE, SPIRE_FOOT = 1228, 1328, 1428


def gilded_court(s, rng):
    """World 5: a court in decline. Gilt armillary spheres in niches stand on the
    grounds, banners (and, indoors, chandeliers and torn gold curtains) hang
    from the ceilings under a gilded cornice, stained glass glows on the
    walls, and the halls and crypts keep tall candelabra. Outdoors, gilded
    spires rise over the roofs instead of the windows, which would float
    in the sky."""
    indoors = s.kind in ("mansion", "catacombs")
    x = s.width if indoors else rng.randrange(4, 9)
    for _ in raise_columns(s, rng, x, (5, 10), (10, 17), (SPIRE_FOOT, SPIRE, SPIRE_TOP)):
        pass
    sphere_at = rng.randrange(3, 8)
    for x, top in list(standing_spots(s)):
        if x >= sphere_at and rng.random() < 0.25 and free(s, x - 1, top - 1) and free(s, x + 1, top - 1):
            s.scen(x, top - 2, GILT_SPHERE[0])
            s.scen(x, top - 1, GILT_SPHERE[1])
            sphere_at = x + rng.randrange(8, 14)
        elif indoors and rng.random() < 0.12 and all(free(s, x, top - k) for k in range(2, 6)):
            s.scen(x, top - 5, STAINED_GLASS[0])
            s.scen(x, top - 4, STAINED_GLASS[1])
        elif indoors and rng.random() < 0.08:
            s.scen(x, top - 1, CANDELABRUM)
    for x, y in under_ceilings(s):
        if not free(s, x, y):
            continue
        r = rng.random()
        room = all(free(s, x, y + k) for k in (1, 2, 3))
        if room and r < 0.06:
            hang(s, x, y, BANNER_HEAD, BANNER, BANNER_TAIL, rng.randrange(3, 6))
        elif room and indoors and r < 0.1:
            hang(s, x, y, CHANDELIER_CHAIN, CHANDELIER_CHAIN, CHANDELIER, rng.randrange(2, 4))
        elif room and indoors and r < 0.13 and free(s, x + 1, y):
            length = rng.randrange(2, 5)
            for cx in (x, x + 1):
                hang(s, cx, y, CURTAIN_HEAD, CURTAIN, CURTAIN_TORN, length)
        else:
            s.scen(x, y, CORNICE_COBWEB if r > 0.85 else CORNICE)


# Per world: its town's large pieces, the strip on its ground tops, and its
# chips drawn over the world's haze.
WORLD_TOWNS = {
    "embers": dict(pieces=foundry_town, strip=LEAF_LITTER,
                   hazed={SMOKESTACK_TOP, SMOKESTACK, SMOKESTACK_FOOT, SMOKE, EMBER_CHAIN, EMBER_LANTERN, SPARKS,
                          *FOUNDRY_WINDOW}),
    "slate": dict(pieces=drowned_town, strip=REEDS,
                  hazed={*WILLOW, WILLOW_TRUNK, WILLOW_STRANDS, REEDS, IVY_HEAD, IVY, IVY_END, *FIREFLIES, *MIST}),
    "frost": dict(pieces=frozen_town, strip=SNOW_BANK,
                  hazed={ICICLE_FRINGE, FROST_CHAIN, FROZEN_LANTERN, *FROZEN_WINDOW, FROST_FERNS}),
    "gilded": dict(pieces=gilded_court, strip=GILT_DUST,
                   hazed={*GILT_SPHERE, BANNER_HEAD, BANNER, BANNER_TAIL, CHANDELIER_CHAIN, CHANDELIER,
                          *STAINED_GLASS, CORNICE, CORNICE_COBWEB, CURTAIN_HEAD, CURTAIN, CURTAIN_TORN,
                          CANDELABRUM, GILT_DUST, SPIRE_TOP, SPIRE, SPIRE_FOOT}),
}

# ---- dressing: scenery in free cells, so the themes read at a glance ----


def free(s, x, y):
    return (0 <= x < s.width and 0 <= y < s.height and not s.solid[y][x] and not s.chips[y][x]
            and not s.scenery[y][x])


def standing_spots(s):
    """Columns whose surface is ground, with two free rows above it."""
    for x in range(1, s.width - 1):
        top = s.surface(x)
        if top >= s.height or top < 3:
            continue
        if free(s, x, top - 1) and free(s, x, top - 2):
            yield x, top


def sky(s, rng, moon=True):
    if moon:
        x = rng.randrange(6, 14)
        s.scen(x, 1, 315)
    for x in range(3, s.width - 6, rng.randrange(11, 17)):
        y = rng.randrange(1, 5)
        if rng.random() < 0.55:
            n = rng.randrange(1, 3)
            if all(free(s, x + i, y) for i in range(n + 2)):
                s.scen(x, y, 314)
                for i in range(n):
                    s.scen(x + 1 + i, y, 414)
                s.scen(x + n + 1, y, 514)
        else:
            s.scen(x + 2, y, 415)


def dress(s, kind, seed=None, density=0.22):
    rng = random.Random(seed or s.name)
    backdrop = WORLD_BACKDROPS.get(s.theme["look"]) if kind == "forest" else None
    town = WORLD_TOWNS.get(s.theme["look"]) if kind != "forest" else None
    if backdrop:
        # a forest of another world: its own trees first, then only its own props
        own_rng = random.Random(s.name + " backdrop")
        backdrop["trees"](s, own_rng)
    if town:
        # a town of another world: its own large pieces first
        town["pieces"](s, random.Random(s.name + " town"))
    spots = list(standing_spots(s))
    if kind in ("forest", "roofs", "clock") and not backdrop:
        sky(s, rng, moon=kind != "roofs" or rng.random() < 0.5)
    props = WORLD_PROPS.get(s.theme["look"])
    for x, top in spots:
        if rng.random() > density or not free(s, x, top - 1):
            continue
        if props and rng.random() < (1.0 if backdrop else 0.4):
            ground, _, wall = props
            # wall pieces need a room's wall behind them, not the open sky
            if wall and kind in ("mansion", "catacombs", "throne") and rng.random() < 0.3 and free(s, x, top - 3):
                s.scen(x, top - 3, rng.choice(wall))
            else:
                s.scen(x, top - 1, rng.choice(ground))
            continue
        r = rng.random()
        if kind == "forest":
            if r < 0.2 and top >= 5 and all(free(s, x, top - k) for k in range(1, 6)):
                s.scen(x, top - 1, 13)
                for k in range(2, 5):
                    s.scen(x, top - k, 12)
                s.scen(x, top - 5, 11)
            elif r < 0.4 and free(s, x + 1, top - 1) and s.solid[top][x + 1]:
                s.scen(x, top - 1, 211)
                s.scen(x + 1, top - 1, 311)
            else:
                s.scen(x, top - 1, rng.choice([212, 312, 312, 812, 811, 412, 512]))
        elif kind == "roofs":
            if r < 0.25 and all(free(s, x, top - k) for k in range(1, 4)):
                s.scen(x, top - 1, 15)
                s.scen(x, top - 2, 15)
                s.scen(x, top - 3, 14)
            elif r < 0.4 and free(s, x, top - 2):
                s.scen(x, top - 1, 815)
                s.scen(x, top - 2, 814)
            else:
                s.scen(x, top - 1, rng.choice([115, 714, 714, 614]))
        elif kind == "mansion":
            if r < 0.2 and all(free(s, x, top - k) for k in range(1, 5)):
                s.scen(x, top - 1, 119)
                s.scen(x, top - 2, 118)
                s.scen(x, top - 3, 118)
                s.scen(x, top - 4, 117)
            elif r < 0.35 and free(s, x, top - 3) and free(s, x, top - 4):
                s.scen(x, top - 3, 18)
                s.scen(x, top - 4, 17)
            elif r < 0.5 and free(s, x, top - 3):
                s.scen(x, top - 3, rng.choice([217, 417]))
            else:
                s.scen(x, top - 1, rng.choice([317, 418]))
        elif kind == "catacombs":
            if r < 0.2 and free(s, x + 1, top - 1) and free(s, x, top - 2) and free(s, x + 1, top - 2):
                s.scen(x, top - 2, 21)
                s.scen(x + 1, top - 2, 121)
            elif r < 0.4 and free(s, x, top - 3):
                s.scen(x, top - 3, rng.choice([221, 520]))
            else:
                s.scen(x, top - 1, rng.choice([20, 120, 220, 320, 412]))
        elif kind == "clock":
            if r < 0.15 and all(free(s, x + i, top - k) for i in (0, 1) for k in (3, 4)):
                s.scen(x, top - 4, 23)
                s.scen(x + 1, top - 4, 123)
                s.scen(x, top - 3, 24)
                s.scen(x + 1, top - 3, 124)
            elif r < 0.3 and free(s, x, top - 3) and free(s, x, top - 4):
                s.scen(x, top - 4, 224)
                s.scen(x, top - 3, 324)
            else:
                s.scen(x, top - rng.choice([2, 3]), rng.choice([223, 323, 225]))
        elif kind == "throne":
            if r < 0.25 and all(free(s, x, top - k) for k in range(1, 6)):
                s.scen(x, top - 1, 28)
                for k in range(2, 5):
                    s.scen(x, top - k, 27)
                s.scen(x, top - 5, 26)
            elif r < 0.45 and free(s, x, top - 3) and free(s, x, top - 4):
                s.scen(x, top - 4, 126)
                s.scen(x, top - 3, 127)
            else:
                s.scen(x, top - 1, rng.choice([526, 427, 527]))
    # ceilings get hanging things
    for x in range(s.width):
        for y in range(1, s.height - 1):
            if s.solid[y - 1][x] and free(s, x, y) and free(s, x, y + 1) and rng.random() < 0.12:
                if props and props[1] and rng.random() < 0.5:
                    s.scen(x, y, rng.choice(props[1]))
                elif kind == "mansion":
                    s.scen(x, y, 218)
                elif kind in ("catacombs", "clock"):
                    s.scen(x, y, 321 if rng.random() < 0.6 else 420)
                elif kind == "forest":
                    s.scen(x, y, 111)
                break
    if backdrop:
        ground_strip(s, backdrop["strip"])
        sky_band(s, backdrop["sky"][1])
    if town:
        ground_strip(s, town["strip"])


STAGES = []


def stage(fn):
    STAGES.append(fn)
    return fn


def finish(s, kind, run=14, goal_pad=4):
    """A last stretch of ground with the goal near its end; the map ends there."""
    s.flat(run)
    s.trim(s.x)
    s.on(s.width - goal_pad, GOAL)
    # a wall closes the stage's right edge
    s.fill(s.width - 1, s.width, max(0, s.top - 6), s.top)
    dress(s, kind)
    return s


def begin(s, n=8):
    s.flat(n)
    s.on(2, START)


# ---- sections: each lays out a stretch at the cursor and moves it on ----


def gaps(s, pattern, enemy=None, coins=True):
    """Ground and pits: pattern = [ground, pit, ground, pit, ..., ground]."""
    for i, n in enumerate(pattern):
        if i % 2 == 0:
            x0 = s.flat(n)
            if enemy and n >= 6:
                s.on(x0 + n // 2, enemy)
        else:
            x0 = s.pit(n)
            if coins:
                s.arc(x0 - 1, n + 2, s.top - 1)


def stairs(s, rises, width=4):
    """Steps of `width` columns, each changing the surface by a rise (negative = down)."""
    for rise in rises:
        s.top -= rise
        s.flat(width)


def ledge_hops(s, pit, ledges, row_offsets):
    """A pit `pit` columns wide crossed on short ledges at given heights above the ground."""
    x0 = s.pit(pit)
    step = pit // (ledges + 1)
    for i in range(ledges):
        x = x0 + step * (i + 1) - 1
        row = s.top - row_offsets[i % len(row_offsets)]
        s.ledge(x, x + 2, row)
        s.put(x, row - 1, COIN)


def plank_hops(s, pit, count, row_offset=3, spikes=True):
    x0 = s.pit(pit, spikes=spikes)
    step = pit // (count + 1)
    for i in range(count):
        x = x0 + step * (i + 1) - 1
        s.planks(x, x + 3, s.top - row_offset)
        s.put(x + 1, s.top - row_offset - 2, COIN)


def floaters(s, pit, count):
    """A wide pit crossed on swinging platforms (each swings 101 px about its cell's corner)."""
    x0 = s.pit(pit)
    step = pit // (count + 1)
    for i in range(count):
        s.put(x0 + step * (i + 1) - 1, s.top - 1, FLOATING)


def crumble_bridge(s, n, row_offset=0):
    x0 = s.pit(n)
    for x in range(x0, x0 + n):
        s.chips[s.top - row_offset][x] = CRUMBLE
    s.coins(x0 + 1, x0 + n - 1, s.top - row_offset - 2)


def spike_run(s, n, planks_at=3):
    """Spikes on the ground with a plank walkway above them."""
    x0 = s.flat(n)
    for x in range(x0 + 1, x0 + n - 1):
        s.chips[s.top - 1][x] = SPIKES
    s.planks(x0 + 1, x0 + n - 1, s.top - planks_at)


def tunnel(s, n, height=3, ceiling_spikes=False):
    """Ground with a low ceiling `height` cells above it."""
    x0 = s.flat(n)
    ceiling = s.top - height - 2
    s.fill(x0, x0 + n, max(ceiling, 0), s.top - height)
    if ceiling_spikes:
        for x in range(x0 + 1, x0 + n - 1, 3):
            s.chips[s.top - height][x] = HANGING_SPIKES
    return x0


def gate(s, x):
    """A closing passage at column x: open until she passes, then shut behind her."""
    s.put(x, s.surface(x) - 1, GATE_LOW)
    s.put(x, s.surface(x) - 2, GATE_TOP)


def wall_block(s, x, h):
    s.fill(x, x + 1, s.surface(x) - h, s.surface(x))


def burners_up(s, n, every=4):
    x0 = s.flat(n)
    for x in range(x0 + 2, x0 + n - 1, every):
        s.put(x, s.top - 1, BURNER_U)


def fire_block(s, x, height=3, ccw=False):
    """An iron block `height` rows above the ground with a fireball circling it."""
    s.chips[s.surface(x) - height][x] = FIRE_CCW if ccw else FIRE_CW


def checkpoint(s, x):
    s.on(x, CHECKPOINT)


def boss_arena(s, kind, approach=12, arena=22, boss_height=4, wall=True):
    """Approach, a trigger column that starts the conversation, and the arena."""
    s.trim(approach + arena)
    s.flat(approach + arena)
    trigger = approach
    for k in range(1, 5):
        s.put(trigger, s.top - k, EVENT1)
    s.put(s.width - 6, s.top - boss_height, BOSS)
    s.put(s.width - 4, s.top - 1, BOSS_GOAL)
    if wall:
        s.fill(s.width - 1, s.width, 0, s.top)
    s.fill(0, 1, 0, s.top)


def lay(name, title, theme, width, height=15, ground=13):
    """A stage laid on a sheet wider than it needs; `finish` cuts it to length.
    `width` is only the planned length (boss arenas keep it exactly)."""
    s = Stage(name, title, theme, max(width, 400), height, ground)
    s.planned = width
    return s


# ============ Drawn stages: laid out screen by screen as text ============
#
# A drawn stage is a list of screens, each a list of equally long text rows
# (20 columns is one screen's width; a screen may be narrower or wider), set
# side by side. Every row is drawn with the keys the maps themselves use
# (docs/maps.md, "Keys used in our maps"): "." empty, "S" start, "G" goal,
# "C" checkpoint, "o" coin, "m" magazine, "+" extra life, "x" crumbling
# block, "=" floating platform, "^" spikes, "v" hanging spikes, "*" spike
# ball, "!" swinging spike ball, "g"/"h" fire blocks, "B"/"b" closing gate,
# "k"/"K"/"n"/"N" crates and blocks, digits the enemies, "L" "R" "U" "D" flame
# jets, "l" "r" turrets. Two more keys are the sketch's own: "#" is the
# theme's ground (the kit picks edge and corner tiles), and a run of "-" is a
# plank platform (its ends get the bracketed end planks), "_" an iron
# catwalk. The kit then only dresses the free cells with the theme's scenery.

SKY = "." * 20  # an empty row of a screen

SKETCH_CODES = {key: code for code, key in FIXED_KEYS.items() if key not in ".{-}_"}


def sketch(*screens, height=None):
    """The rows of screens set side by side. With a height, a screen drawn
    shorter stands on the map's bottom: empty rows fill the sky above it."""
    if height is not None:
        screens = [["." * len(screen[0])] * (height - len(screen)) + list(screen)
                   for screen in screens]
    height = len(screens[0])
    for i, screen in enumerate(screens):
        assert len(screen) == height, f"screen {i + 1}: {len(screen)} rows, not {height}"
        width = len(screen[0])
        for r, row in enumerate(screen):
            assert len(row) == width, f"screen {i + 1}, row {r}: {len(row)} columns, not {width}"
    return ["".join(screen[r] for screen in screens) for r in range(height)]


def drawn(name, title, theme, rows, notes=()):
    """A stage from sketch rows: terrain, planks, hazards, items and enemies."""
    s = Stage(name, title, theme, len(rows[0]), len(rows))
    s.planned = s.width
    for note in notes:
        s.note(note)
    for y, row in enumerate(rows):
        for x, key in enumerate(row):
            if key == "#":
                s.solid[y][x] = True
            elif key == "-":
                left = x == 0 or row[x - 1] != "-"
                right = x == len(row) - 1 or row[x + 1] != "-"
                s.chips[y][x] = PLANK_L if left else PLANK_R if right else PLANK_M
            elif key == "_":
                s.chips[y][x] = GRATING
            elif key != ".":
                assert key in SKETCH_CODES, f"{name}: unknown key {key!r} at column {x}, row {y}"
                s.chips[y][x] = SKETCH_CODES[key]
    return s


def dressed(s, kind, density=0.22):
    """Theme scenery in the free cells, then the map is ready to write."""
    dress(s, kind, density=density)
    return s


# ======================= World 1: learning the ropes =======================

def the_lesson(s, terrace=11):
    """The first screen and a half of a first stage: every control taught by a
    key sign where it is first needed, over safe ground. The ground stands a
    row higher than the stage's floor so that the boards of the first signs
    stay above the stage's name while it shows. Returns the column where the
    lesson ends (flat ground at row 13 from the pit's far side)."""
    s.fill(0, 11, terrace)                    # the start, above the HUD corner
    s.put(4, terrace - 1, START)
    s.sign(7, SIGN_MOVE)
    s.fill(11, 46, 12)
    s.sign(15, SIGN_JUMP)
    s.fill(18, 20, 10)                        # a fallen trunk, two cells high
    s.arc(17, 4, 9)
    s.sign(22, SIGN_HIGH_JUMP)
    s.fill(25, 27, 9)                         # a boulder, three cells high
    s.coins(25, 27, 8)
    s.sign(30, SIGN_SHOOT)
    s.on(28, MAGAZINE)                        # two spares: holding Z empties the gun fast
    s.on(33, MAGAZINE)
    s.on(42, BRAIN)                           # the first enemy: alone, slow, in the open
    s.planks(35, 40, 9)
    s.coins(36, 39, 8)
    s.arc(45, 5, 11)                          # the first pit, after the jump was taught
    s.fill(49, 60, 13)
    s.sign(51, SIGN_STOMP)
    return 49


@stage
def stage1_1():
    s = lay("stage1_1", "Stage 1-1, moonlit forest: up the old oak.", "forest", 340)
    s.note("Taught by signs; the idea is height: hop, climb the old oak, cross its crown, "
           "climb the last hill to the mirror.")
    the_lesson(s)
    s.on(57, MET)                             # stomp it or shoot it
    s.planks(56, 60, 10)
    # up the first hill, down to the oak's foot
    s.fill(60, 66, 13)
    s.fill(66, 70, 11)
    s.fill(70, 78, 9)
    s.on(75, BRAIN)
    s.arc(77, 6, 9)
    s.fill(82, 104, 12)
    # the old oak: a trunk she cannot jump, climbed on branches that turn her left
    s.fill(100, 104, 3)
    s.planks(95, 100, 9)                      # the first branch, right by the trunk
    s.planks(84, 93, 6)                       # the second turns her left, under the crown
    s.ledge(88, 100, 3)                       # the crown's lowest bough: round its left end
    # coins that curl round the bough's left end: the way up is there
    s.put(85, 5, COIN); s.put(86, 4, COIN); s.put(87, 3, COIN); s.put(88, 2, COIN); s.put(89, 2, COIN)
    s.coins(90, 99, 2)
    s.on(90, MET)
    # over the crown: branches above the clearing, or down to its floor
    s.planks(105, 112, 5); s.planks(115, 122, 5); s.planks(125, 132, 5)
    s.coins(107, 111, 4); s.coins(117, 121, 4)
    s.fill(104, 148, 12)
    s.on(112, BRAIN); s.on(121, MET); s.on(133, MONOEYE)
    s.ledge(116, 120, 9)
    s.on(110, MAGAZINE)
    # secret: a high branch runs out of view to the right from the crown's end
    s.planks(131, 147, 2)
    s.coins(134, 144, 1)
    s.put(146, 1, ONEUP)
    # a rest, the checkpoint, and the ravine of stepping stones
    s.fill(148, 170, 11)
    checkpoint(s, 152)
    s.on(157, MAGAZINE)
    s.ledge(172, 175, 9); s.ledge(178, 181, 7); s.ledge(184, 187, 9)
    s.put(173, 8, COIN); s.put(179, 6, COIN); s.put(180, 6, COIN); s.put(185, 8, COIN)
    s.fill(189, 200, 10)
    s.on(196, BRAIN)
    # the bowl: down among mets, up to a ridge with a high ledge of coins
    s.fill(200, 210, 12)
    s.on(204, MET); s.on(207, MET)
    s.fill(210, 222, 9)
    s.ledge(212, 218, 5); s.coins(212, 218, 4)
    s.on(219, MONOEYE)
    s.arc(221, 6, 9)
    s.fill(226, 250, 11)
    s.on(232, BRAIN); s.on(238, BRAIN); s.on(246, MAGAZINE)
    # the fallen giant: its trunk a shelf over the path, a monoeye beneath
    s.fill(250, 266, 11)
    s.fill(252, 264, 7, 9)
    s.coins(254, 262, 6)
    s.on(259, MONOEYE)
    # the brook: a low islet between two pits, a plank above it
    s.fill(269, 273, 12)
    s.planks(268, 275, 8); s.coins(269, 274, 7)
    s.fill(276, 300, 11)
    s.on(284, BRAIN); s.on(294, MAGAZINE)
    # the last climb: up the hill in steps, a branch over the gully, the mirror
    # on top (its foot on row 9, low enough that the score never covers it)
    s.fill(300, 306, 11)
    s.fill(306, 312, 10)
    s.on(310, BRAIN)
    s.planks(313, 317, 8)
    s.put(314, 7, COIN); s.put(315, 7, COIN)
    s.fill(318, 340, 9)
    s.on(326, MONOEYE)
    s.trim(340)
    s.on(335, GOAL)
    s.fill(339, 340, 0, 9)                    # the hill's far side closes the stage
    dress(s, "forest")
    return s


@stage
def stage1_2():
    rows = sketch(
        # 1. Low roofs: the first alley, three cells wide, a balcony above it.
        ["....................",
         "....................",
         ".............oooo...",
         ".............----...",
         "....................",
         "....................",
         ".....S..m...........",
         *["###########...######"] * 4,
         "###########...######"],
        # 2. A hopper alone on a long roof; the roofs climb two at a time.
        ["....................",
         "....................",
         "....................",
         "...............#####",
         "...............#####",
         "..........###..#####",
         "....8.....###..#####",
         *["########..###..#####"] * 4,
         "########..###..#####"],
        # 3. A washing line over a deep alley, coins on the balcony above, a met.
        ["....................",
         "....................",
         "....................",
         "......oooo..........",
         "......----..........",
         "....................",
         "....................",
         "#####..----.....2...",
         *["#####........#######"] * 7,
         "#####........#######"],
        # 4. A hopper on a raised roof between two alleys.
        ["....................",
         "....................",
         "....................",
         "..........ooo.......",
         "....................",
         "..........8.........",
         "........#####.......",
         "........#####.......",
         *["#####...#####..#####"] * 7,
         "#####...#####..#####"],
        # 5. Down to a low roof and its monoeye, up again to the tenement's yard;
        # high above, the plank of the secret reaches out from the fire escape.
        ["....................",
         "...............+oooo",
         "...............-----",
         *[SKY] * 14,
         "....................",
         "........oooo........",
         "....................",
         "........----........",
         "....................",
         "####...........#####",
         "####....6......#####",
         *["####..#######..#####"] * 5,
         "####..#######..#####"],
        # 6-7. The tenement: its fire escape climbs four flights, left and right.
        ["....................",
         "oooooo..............",
         "------..............",
         *[SKY] * 3,
         ".....#----##########",
         ".....#..............",
         ".....#..............",
         ".....#.........1....",
         ".....###############",
         ".....#..............",
         ".....#..............",
         ".....#....6.........",
         ".....#----##########",
         ".....#..............",
         ".....#..............",
         ".....#.......2......",
         ".....###############",
         ".....#..............",
         "....................",
         ".C.m......o.o.o.....",
         *["####################"] * 7,
         "####################"],
        [*[SKY[:10]] * 6,
         "##########",
         *[SKY[:10]] * 3,
         "##########",
         "..........",
         "..........",
         "...o.o.o..",
         "##########",
         *[SKY[:10]] * 3,
         "##########",
         "..........",
         "..........",
         ".....1....",
         *["##########"] * 8],
        ["....................",
         *[SKY] * 4,
         "...........oo.......",
         "##############......",
         "......########......",
         "......########...###",
         "......########...###",
         "..----########...###",
         *["......########...###"] * 3,
         "##############...###",
         *["......########...###"] * 3,
         "..----########...###",
         *["......########...###"] * 3,
         *["##############...###"] * 7,
         "##############...###"],
        # 8. Over the chimney tops: deep alleys, a hopper, a met on the highest roof.
        ["....................",
         *[SKY] * 3,
         "................2...",
         "...oo........#######",
         "...........o.#######",
         "8.....####...#######",
         *["###...####...#######"] * 21,
         "###...####...#######"],
        # 9. More chimney tops: a hopper between them, a washing line, a met.
        [*[SKY] * 3,
         "........8...........",
         "...........oo...2...",
         "####...####..----###",
         *["####...####......###"] * 24],
        # 10. Down the awnings into the dark between the houses.
        ["....................",
         *[SKY] * 4,
         "##..................",
         "##..................",
         "##.....6............",
         *["##..######.........."] * 3,
         "##..######...oo.....",
         "##..######..----....",
         "##..######..........",
         "##..######..........",
         "##..######........oo",
         "##..######........--",
         *["##..######.........."] * 12,
         "##..######.........."],
        # 11. A long low roof, a brain, a hovering hopper over the next alley.
        ["....................",
         "....................",
         "--..................",
         "...............7....",
         "....................",
         "....m.....1......###",
         *["....##########...###"] * 9,
         "....##########...###"],
        # 12. A monoeye on a raised roof, the alleys on either side.
        [*[SKY] * 3,
         "..........ooo.......",
         "...........6........",
         ".........#####......",
         ".........#####......",
         *["######...#####..####"] * 11],
        # 13. A quiet roof, then steps up towards the terrace.
        ["....................",
         "....................",
         "...............oo...",
         "..............####..",
         "..........o...####..",
         "........####..####..",
         "..oooo..####..####..",
         *["######..####..####.."] * 10,
         "######..####..####.."],
        # 14. The last leap, past a hovering hopper, onto the terrace and its mirror.
        ["...................#",
         *["...................#"] * 5,
         "..........o.o......#",
         "7...........G......#",
         *[".###################"] * 15,
         ".###################"],
        height=30)
    s = drawn("stage1_2", "Stage 1-2, rooftops at dusk: from roof to roof, up the tenement and over.",
              "roofs", rows,
              ["Alleys between roofs of every height; the fire escape's four flights;",
               "chimney tops over deep alleys; the secret on a plank above the fire escape."])
    return dressed(s, "roofs", density=0.2)


@stage
def stage1_3():
    W = "####################"
    rows = sketch(
        # 1. The attic: low beams, the first crumbling blocks lying on its floor.
        # Below, the first floor's end gives way to the ground floor; the gate.
        [W, W, W, W,
         *["##.................."] * 3,
         "##..S..m...xxxx..1..",
         W,
         *["##.................."] * 3,
         "##..oo..............",
         "##......o...........",
         "##xxxxxx############",
         "##........#.........",
         "##........#.........",
         "##........B.........",
         "##....m...b.........",
         W, W, W, W, W, W, W, W, W],
        # 2. A met and a crate in the attic, the loft's coins above the beams;
        # spike balls on the first floor; a crumbling bridge on the ground floor.
        [W,
         "############........",
         "############..oooooo",
         W,
         "....................",
         "....................",
         ".........o..........",
         "...2....k.......6...",
         W,
         *[SKY] * 4,
         "...1.*....*.........",
         W,
         *[SKY] * 3,
         "........6...........",
         "####xxxxxx##########",
         "####^^^^^^##########",
         W, W, W, W, W, W, W],
        # A wider house: a brain in the attic, a met and a monoeye below.
        ["##########", "..........", "..........", "##########",
         "..........", "..........", "..........", "....1.....", "##########",
         "..........", "..........", "..........", "..........", "......2...", "##########",
         "..........", "..........", "..........", "...6......", "##########",
         *["##########"] * 8],
        # 3. A gap in the beams with a crate below it: the loft (coins, an extra
        # life). Spikes on the attic floor; the checkpoint on the first floor.
        [W,
         "..........##########",
         "oooo...+..##########",
         "o.##################",
         *[SKY] * 3,
         "k......^......1.....",
         W,
         *[SKY] * 4,
         "..........C..m..6...",
         W,
         *[SKY] * 3,
         "...2....1...........",
         "#######..###########",
         "#######^^###########",
         W, W, W, W, W, W, W],
        # Crumbling blocks on the attic floor, a spike ball, a spiked pit.
        [*["##########"] * 4,
         "..........", "..........", "..........", "..xxx.....", "##########",
         "..........", "..........", "..........", "..........", ".....*....", "##########",
         "..........", "..........", "..........", "..........", "###..#####",
         "###^^#####", *["##########"] * 7],
        # 4. A balcony over the first floor; on the ground floor a brain; below,
        # the ballroom and the dais of the mirror.
        [W, W, W, W,
         "....................",
         "....................",
         "..........oooo......",
         "....xxxx......2.....",
         W,
         "....................",
         "......oooooo........",
         "....----------......",
         "....................",
         "..1.........6.......",
         W,
         "....................",
         "....................",
         "...........m........",
         ".....1..............",
         W,
         *[SKY] * 4,
         ".........o.o.o......",
         "..G.................",
         "######....1.........",
         W],
        # A met in the attic, a brain on the first floor, the ballroom widens.
        [*["##########"] * 4,
         "..........", "..........", "..........", "......2...", "##########",
         "..........", "..........", "..........", "..........", "...1......", "##########",
         "..........", "..........", "..........", "..........", "##########",
         "..........", "..........", "..........", "..........", "...o.o....", "..........",
         "......1...", "##########"],
        # 5. The stairwells: down from the attic, down again to the ballroom.
        [W, W, W, W,
         *["...................#"] * 3,
         "......1............#",
         "############.......#",
         "...................#",
         "...................#",
         "..............######",
         ".........###########",
         ".........###########",
         W,
         *["...................#"] * 3,
         "...2...............#",
         "##########.........#",
         "...................#",
         "...................#",
         "..............######",
         "..............######",
         ".........###########",
         ".........###########",
         "...6.....###########",
         W],
    )
    s = drawn("stage1_3", "Stage 1-3, mansion halls: down through the house, floor by floor.",
              "mansion", rows,
              ["Attic, first floor, ground floor, ballroom: right, left, right and left",
               "again; crumbling floors and a gate; the secret loft above the attic's beams."])
    return dressed(s, "mansion", density=0.2)


@stage
def stage1_4():
    W = "#" * 20
    rows = sketch(
        # 1. A spiked dip beside the path, a plank walk over it.
        [*[W] * 4,
         "##..................",
         "##..................",
         "##..................",
         "##......-----.......",
         "##..S..m............",
         "########.....#######",
         "########.....#######",
         "########^^^^^#######",
         *[W] * 18],
        # 2. The first togezo, alone on open floor: shoot it, never stomp it.
        [*[W] * 4,
         ".....oooo...........",
         ".....####...........",
         *[SKY] * 2,
         "............3.......",
         *[W] * 21],
        # 3. Spikes under a plank walk, a togezo among them, a spike ball above.
        [*[W] * 4,
         ".....o.o.o.o........",
         "................*...",
         "...------------.....",
         "....................",
         "...^^^^^^^3^^^^.....",
         *[W] * 21],
        # 4-5. The ossuary stair: the checkpoint at its head, three flights down,
        # left, right and left, under hanging spikes, a togezo on each.
        [*[W] * 4,
         *[SKY] * 4,
         "...C..m.............",
         W,
         "####........v.......",
         "####................",
         "####................",
         "####....o.o.o...3...",
         "####....############",
         "####......v.........",
         "####................",
         "####................",
         "####..........3.....",
         W,
         "####..........v.....",
         "####................",
         "####................",
         "####....o.o.o.......",
         "####....############",
         "####......v.........",
         "####................",
         "####................",
         "####................",
         W],
        [*[W] * 4,
         *["................####"] * 5,
         "############....####",
         "........v.......####",
         "................####",
         "................####",
         "...o.......o....####",
         W,
         "......v.........####",
         "................####",
         "................####",
         "..o.....o.......####",
         "############....####",
         "..v.............####",
         "................####",
         "................####",
         "....3...........####",
         W,
         "........v...........",
         *[SKY] * 3,
         W],
        # 6. The crypt: spikes under planks, a togezo and a met at either end.
        [*[W] * 23,
         "....................",
         "....o.o.o.o.o.......",
         "....................",
         "...-------------....",
         "....................",
         ".3..^^^^^^^^^^^.2...",
         W],
        # 7. A pillar under a gap in the vault: above it, the secret niche.
        [*[W] * 19,
         "######..........####",
         "######...oooo...####",
         "######..oooooo+.####",
         "######..############",
         *[SKY] * 3,
         "......##............",
         "......##............",
         "..1...##....m....3..",
         W],
        # 8. A swinging ball over a pit in the floor, a spike ball beyond.
        [*[W] * 23,
         "....................",
         "....................",
         "........!...........",
         "....................",
         "....................",
         "..2...........*.....",
         "######....##########"],
        # 9. A rest on a raised tomb, coins, a magazine.
        [*[W] * 23,
         "....................",
         "....................",
         "........oooo........",
         "......########......",
         "......########......",
         "..m...########..1...",
         W],
        # 10. Spike balls on the floor between two togezos.
        [*[W] * 23,
         "....................",
         "........o...o.......",
         *[SKY] * 3,
         "...*...3....*...3...",
         W],
        # 11. Planks over a pit in the crypt's floor, a met before it.
        [*[W] * 23,
         "....................",
         "......o.o.o.o.......",
         "....................",
         ".....----..----.....",
         "....................",
         "..2.................",
         "#####..........#####"],
        # 12. Hanging spikes over spiked floor and a togezo: jump low, shoot.
        [*[W] * 23,
         "....v.....v.....v...",
         *[SKY] * 4,
         "...^^..3.....^^.....",
         W],
        # 13. The altar under an open vault, and its mirror.
        [*[W] * 17,
         *["##########.........#"] * 6,
         *["...................#"] * 3,
         "...............G...#",
         "............########",
         "......*.....########",
         W],
    )
    s = drawn("stage1_4", "Stage 1-4, catacombs: what she must not touch.", "catacombs", rows,
              ["Spikes and the togezo: a spiked dip, spikes under planks, the ossuary",
               "stair's three flights under hanging spikes, the crypt; a niche above a pillar."])
    return dressed(s, "catacombs", density=0.2)


@stage
def stage1_boss():
    s = lay("stage1_boss", "Stage 1 boss, catacombs: the walking brain under the low vault.", "catacombs", 40)
    s.note("A low vault over the crypt and one long shelf across its middle: under the")
    s.note("shelf the brain's leaps end at its underside; on it she stands above its walk.")
    boss_arena(s, "catacombs", approach=14, arena=26)
    s.on(2, START)
    s.on(6, MAGAZINE)
    s.fill(0, 40, 0, 3)
    s.fill(14, 40, 3, 4)          # the vault, nine rows over the crypt's floor
    s.ledge(19, 31, s.top - 4)    # the long shelf
    s.put(25, s.top - 5, MAGAZINE)
    dress(s, "catacombs", density=0.15)
    return s


# ================== World 2: things that move and burn ==================

@stage
def stage2_1():
    D = "." * 34  # an empty row of the gorge wall's climb
    rows = sketch(
        # 1. The forest's edge: a magazine, a branch of coins, a hopper alone.
        ["....................",
         "..........oooo......",
         "..........----......",
         "....................",
         "....................",
         "..S...m.........8...",
         *["####################"] * 4],
        # 2. The first swinging platform, over a ditch she can climb out of.
        ["....................",
         "....................",
         "......ooo...........",
         "....................",
         "....................",
         ".......=........1...",
         "####........########",
         "####........########",
         *["####################"] * 2],
        # 3. The first ravine: one platform, coins over it, a hopper on the far bank.
        ["....................",
         ".............ooo....",
         "............-----...",
         "...ooooo............",
         "....................",
         ".....=........8.....",
         *["##........##########"] * 4],
        # 4. A wider ravine: two platforms, a met waiting on the far bank.
        ["....................",
         "....................",
         "...oooooooo.........",
         "....................",
         "....................",
         "....=...=........2..",
         *["#............#######"] * 4],
        # 5. The platform carries her to a bank higher than it: a jump up.
        ["....................",
         "....................",
         ".............ooo....",
         ".................6..",
         "...........#########",
         "...........#########",
         ".....=.....#########",
         *["##.........#########"] * 4],
        # 5b. A swing up to a swing: the second platform hangs higher, and a
        # hopper waits on the bank beyond it.
        ["....................",
         ".........ooo........",
         "..........=......8..",
         "................####",
         "................####",
         ".....=..........####",
         *["##..............####"] * 7],
        # 6. A rest in the glade, the checkpoint at the gorge wall's foot; high
        # above, the secret's branch reaches out from the top of the wall.
        ["........+ooooooooooo",
         ".......-------------",
         *[SKY] * 17,
         "###.................",
         "######..............",
         "######....C.....m...",
         *["####################"] * 4],
        # 7-8. The gorge wall: under its overhang to a stump, then four floors,
        # left, right, left and up onto the rim; a platform on the lowest floor,
        # another on the third with a hopper under it.
        [*[D] * 5,
         "---------.........................",
         D, D, D,
         "##...#############################",
         "##................................",
         "##................................",
         "##..........=.......2.............",
         "#########........#####............",
         "##................................",
         "##................................",
         "##.....m....8.......6.............",
         "##...#####################........",
         "##................................",
         "##................................",
         "##..ooo.......=.......1...........",
         "###########........########.......",
         "##................................",
         D,
         "............................##....",
         "............................##....",
         *["#" * 34] * 4],
        # 9. The high crossing: two platforms over the whole depth of the gorge.
        [*[SKY] * 6,
         ".......ooooooo......",
         SKY,
         "........=...=.......",
         *["#####............###"] * 21],
        # 10. A pillar with a hopper, a ravine under a hovering patapata.
        [*[SKY] * 4,
         "..........7.........",
         SKY, SKY, SKY,
         "..8.....=...........",
         *["#####........#######"] * 21],
        # 10b. A met on the bank, one more swing, a quiet bank before the end.
        [*[SKY] * 7,
         "...........ooo......",
         "...2.....=..........",
         *["######........######"] * 21],
        # 11. The last platform swings to the crag: a jump up to the mirror.
        [*["...................#"] * 5,
         "...............G...#",
         "..........ooo#######",
         ".............#######",
         ".......=.....#######",
         *["####.........#######"] * 21],
        # Two rows of sky over the drawn screens: the crag's mirror then stands
        # low enough on the screen for the score never to cover it.
        height=32)
    s = drawn("stage2_1", "Stage 2-1, autumn forest: the swinging platforms over the gorge.",
              "forest", rows,
              ["Swinging platforms over ravines too wide to jump; the gorge wall's four floors;",
               "the high crossing to the crag; the secret on a branch above the wall's top."])
    return dressed(s, "forest")


def chimney_pots(s):
    """An idle jet draws nothing: each vent in a roof burns out of a chimney
    pot, so she sees where the fire will come before it comes."""
    for y, row in enumerate(s.chips):
        for x, code in enumerate(row):
            if code == BURNER_U:
                s.chips[y][x] = 0
                s.scenery[y][x] = 14  # chimney top
                s.objects[y][x] = BURNER_U


@stage
def stage2_2():
    F = "####################"
    rows = sketch(
        # 1. The first roof, a balcony of coins; a washing line reaches out.
        ["....................",
         "...........oooo.....",
         "...........----.....",
         "....................",
         "....................",
         ".....S..m...........",
         "################----",
         *["################...."] * 3,
         F, F],
        # 2. Along the washing line, high over a low roof whose two vents
        # burn below her: the jets' rhythm, shown where it cannot reach.
        ["....................",
         "....................",
         "......ooo...........",
         "....................",
         "....................",
         "....................",
         "--------------######",
         *["..............######"] * 2,
         ".....U....U...######",
         F, F],
        # 3. Now the vents are in her roof: one alone, one at the alley's edge.
        ["....................",
         "....................",
         "..............ooo...",
         "....................",
         "....................",
         ".....U....8....U....",
         *["#################..."] * 6],
        # 4. Up two roofs, a vent on the higher one, a hopper below.
        ["..........oo........",
         "............U.......",
         ".........######.....",
         ".........######.....",
         "....###########.....",
         "....###########..8..",
         *[F] * 6],
        # 5. A raised roof, a monoeye beyond it.
        ["....................",
         "........ooo.........",
         "....................",
         ".......#####........",
         ".......#####........",
         ".......#####...6....",
         *[F] * 6],
        # 6. A quiet roof before the boiler house; high above, the secret's
        # plank reaches out from the boiler house's roof.
        [*[SKY] * 3,
         "..........+ooooooo..",
         "..........----------",
         *[SKY] * 14,
         "....ooo.............",
         "...-----............",
         "....................",
         "....................",
         "..m.........1.......",
         *[F] * 6],
        # 7. The boiler house: five floors, each crossed the other way, a
        # hole at alternate ends; the turret, the checkpoint, a jet in the
        # floor, a jet from the ceiling; the exit at the top right.
        ["........................",
         "........................",
         "........................",
         "....ooo.................",
         "#---####################",
         "#.......................",
         "#.......................",
         "#........ooo.....U......",
         "##----##################",
         "#..........D...........#",
         "#......................#",
         "#......2...............#",
         "###################----#",
         "#......................#",
         "#......................#",
         "#.....C.....U..........#",
         "##----##################",
         "#......................#",
         "#......................#",
         "#r.....................#",
         "###################----#",
         ".......................#",
         ".......................#",
         "...........1...........#",
         *["########################"] * 6],
        # 8. Out on the high roofs: a rest, then an alley down to a vent.
        [*[SKY] * 6,
         "...........ooo......",
         "...m................",
         "########............",
         "########.......U....",
         *["########...#########"] * 20],
        # 9. Chimney pots over a deep alley, each breathing fire sideways.
        [*[SKY] * 6,
         "...................R",
         "..............R..##.",
         ".........R..##...##.",
         ".......##...##...##.",
         *["####...##...##...##."] * 20],
        # 10. A rest roof with a met, a hovering hopper over the next alley.
        [*[SKY] * 5,
         "....ooo.......7.....",
         "....................",
         ".........2..........",
         ".############.......",
         *[".############...####"] * 21],
        # 11. A washing line over a wide alley, a hovering hopper above it.
        [*[SKY] * 5,
         "..........7.........",
         "....................",
         "......oooo..........",
         "....................",
         "####------------####",
         *["####............####"] * 20],
        # 12. The gantry: jets hang from a catwalk over the roof; the catwalk
        # above is the other way, past a hopper.
        [*[SKY] * 4,
         ".....oooo...8.......",
         "...______________...",
         "......D....D........",
         "....................",
         "....................",
         *[F] * 21],
        # 13. The great chimney: a turret in its face sweeps the last roof;
        # a bracket halfway up, the mirror on its crown.
        [*[SKY] * 1,
         "...................#",
         "...................#",
         "...................#",
         "................G..#",
         "..............######",
         "..............######",
         "..........__..######",
         "..............######",
         ".............l######",
         *[F] * 20],
        # Three rows of sky over the drawn screens: the mirror on the great
        # chimney then stands low enough on the screen for the score never to
        # cover it.
        height=33)
    s = drawn("stage2_2", "Stage 2-2, rooftops at dusk: up through the boiler house, over the burning chimneys.",
              "roofs", rows,
              ["Vents that burn 2 s in every 5: shown from a washing line, then in her roofs;",
               "the boiler house's five floors, a turret and jets; chimney pots breathing fire",
               "sideways; the gantry's hanging jets; the mirror on the great chimney."])
    chimney_pots(s)
    return dressed(s, "roofs", density=0.2)


@stage
def stage2_3():
    W = "#" * 20
    rows = sketch(
        # 1. The entrance hall: the first wheel of fire turns high overhead,
        # out of reach; a second turns just over her head: walk under it,
        # do not jump there.
        [W,
         *[SKY] * 2,
         "...............g....",
         *[SKY] * 3,
         ".........ooo........",
         "..................h.",
         "........-----.......",
         "..S.................",
         "#####...............",
         "#####..m............",
         W, W],
        # 2. The first marionette, alone over an open hall; a dais to hop.
        [W,
         *[SKY] * 3,
         "...........0........",
         *[SKY] * 4,
         "..............oo....",
         SKY,
         ".............####...",
         ".............####...",
         W, W],
        # 3. A wheel set in the floor: hop it while its fire is behind it.
        # A plank of coins, a met.
        [W,
         *[SKY] * 6,
         "..............ooo...",
         SKY,
         ".............-----..",
         SKY, SKY,
         "......g.......2.....",
         W, W],
        # 4. A wheel hangs over a spiked pit: jump when its fire is up. A
        # hopper beyond, then steps up to the gallery.
        [W,
         *[SKY] * 4,
         "......h.............",
         *[SKY] * 3,
         "................####",
         "................####",
         "............########",
         "..........8.########",
         "####.....###########",
         "####^^^^^###########"],
        # 5. The gallery under a low ceiling: a wheel on its floor, a puppet
        # drifting through the wall, a brain; coins glint in a hole in its
        # floor: the cellar beneath (ten coins and more, an extra life).
        [W, W, W, W,
         "###########.........",
         "...............0....",
         SKY, SKY,
         "...........g....1...",
         "#.oo################",
         "#.oo..............##",
         "#.....oooooooo...+##",
         "#.................##",
         W, W],
        # 6-7. The grand stair: along the hall floor to the right, under the
        # middle flight, whose wheels burn below it and above it; back left
        # along the middle flight; up and right along the top flight.
        ["#" * 40,
         "####................................g...",
         "####....................................",
         "####............................oooo....",
         "####......................1.............",
         "####....################################",
         "...#....................................",
         "...#...................0................",
         "...#.......m............................",
         "...#" + "#" * 13 + "g" + "#" * 10 + "g" + "#" * 7 + "....",
         "." * 40,
         "." * 40,
         ".........oo.............6...............",
         "#" * 40,
         "#" * 40],
        # 8-10. The landing at the top (the checkpoint, a magazine), then the
        # ballroom of burning chandeliers: its floor is spikes, the way over
        # is on the chandeliers themselves, each with its flame circling; a
        # pillar to rest on halfway; a puppet over the ballroom.
        ["#" * 60,
         "." * 60,
         "......................................0.....................",
         "." * 60,
         "...C....m...................................................",
         "#############...............oo..............................",
         "#############...............................................",
         "#############...g.......g...##...g.......g.......g...#######",
         "#############.......g.......##.......g.......g.......#######",
         "#############...............##.......................#######",
         "#############...............##.......................#######",
         "#############...............##.......................#######",
         "#############^^^^^^^^^^^^^^^##^^^^^^^^^^^^^^^^^^^^^^^#######",
         "#" * 60,
         "#" * 60],
        # 11. A quiet hall after the ballroom: coins, a magazine, a monoeye.
        [W,
         *[SKY] * 6,
         "####................",
         "####.......oooo.....",
         "####......------....",
         "########............",
         "########............",
         "########....m....6..",
         W, W],
        # 11b. The portrait gallery: two puppets at once, a plank walk over
        # the hall broken by a wheel, whose flame also sweeps the floor
        # below; a hopper on the floor.
        [W,
         SKY,
         "....0.............0.",
         *[SKY] * 3,
         "...ooo.......ooo....",
         SKY, SKY,
         "..------.g.------...",
         SKY, SKY,
         ".............8......",
         W, W],
        # 12. Two wheels turning on a stair, a puppet coming down at her.
        [W,
         *[SKY] * 2,
         "............0.......",
         *[SKY] * 3,
         "..............ooo...",
         SKY,
         "..............h.....",
         "..............######",
         "..........g...######",
         "..........##########",
         W, W],
        # 13. Down past a wheel at the stair's foot; a brain and a hovering
        # hopper over the hall.
        [W,
         *[SKY] * 4,
         "...........7........",
         *[SKY] * 4,
         "####................",
         "####................",
         "####...g.......1....",
         W, W],
        # 14. The puppet theatre: a wheel in the floor before the stage, a
        # footlight wheel at its lip, a marionette in the flies above; the
        # mirror on the stage.
        [W,
         *["#########..........#"] * 5,
         "...................#",
         "...................#",
         "...................#",
         "...............G...#",
         ".........g##########",
         ".........###########",
         "......g..###########",
         W, W],
    )
    s = drawn("stage2_3", "Stage 2-3, mansion halls: the wheels of fire and the puppets.",
              "mansion", rows,
              ["Fire wheels that turn once in two seconds, timed past while marionettes",
               "drift after her: the grand stair, the ballroom of burning chandeliers, the",
               "puppet theatre's stage; the secret cellar under the gallery."])
    # The ballroom's chandeliers hang on chains from its ceiling.
    for x in range(153, 193):
        for y in range(s.height):
            if s.chips[y][x] == FIRE_CW:
                for k in range(1, y):
                    s.scen(x, k, 321)
    return dressed(s, "mansion", density=0.2)


@stage
def stage2_4():
    W = "#" * 20
    rows = sketch(
        # 1. The vestibule: a spike ball swings slowly over the floor, high
        # enough to walk under (a jump there meets it); a tomb to hop.
        [W, W,
         *[SKY] * 6,
         "..........!.........",
         "...............ooo..",
         "..S.................",
         "#####..........####.",
         "#####..m.......####.",
         W, W],
        # 2. The first reaper, alone, pacing the crypt between two tombs; a
        # stone ledge over it for a way past (or drop behind it and shoot).
        [W, W,
         *[SKY] * 4,
         ".........ooo........",
         SKY,
         ".......######.......",
         SKY, SKY,
         "..##............##..",
         "..##......5.....##..",
         W, W],
        # 3. A bridge over spikes: a reaper paces it, a ball swings over it.
        [W,
         *[SKY] * 6,
         "..........!.........",
         ".....ooo............",
         SKY,
         "...##############...",
         SKY, SKY,
         "###..............###",
         "###^^^^^^^^^^^^^^###"],
        # 4. Tombs to hop, each under a swinging ball, a hopper between.
        [W,
         *[SKY] * 6,
         "....!.........!.....",
         SKY,
         "....ooo.......ooo...",
         SKY,
         "...###........###...",
         "...###...8....###...",
         W, W],
        # 5. Stairs up to the charnel house's top gallery, a ball over the
        # first step, a met at their foot; the secret's passage runs under
        # them (coins lead into it from the charnel house's floor).
        [W,
         *[SKY] * 3,
         "................oooo",
         "...............#####",
         "......!........#####",
         "..........##########",
         "..........##########",
         "..........##########",
         ".....###############",
         ".....####+oooooooooo",
         "..2..####...........",
         W, W],
        # 6-8. The charnel house, three galleries descended right, left and
        # right: balls hang through the floors and threaten two galleries
        # at once; in the low galleries a reaper cannot be jumped, only shot.
        # A magazine where she lands on the middle one, the checkpoint where
        # she lands on the bottom one.
        ["#" * 60,
         "............!...............!..............................#",
         "...........................................................#",
         "......ooo...............ooo................................#",
         "........................................5..................#",
         "####################################################.......#",
         "...........................................................#",
         "........................................!..................#",
         "...........................5....................m..........#",
         "....########################################################",
         "............!.................!.............................",
         "............................................................",
         "oooo.C....................oo..........................2.....",
         "#" * 60,
         "#" * 60],
        # 9. Out of the charnel house: a quiet crypt, coins on a tomb, a
        # magazine, steps up to the reapers' bridge.
        [W,
         *[SKY] * 5,
         "...........ooo......",
         *[SKY] * 2,
         "...............#####",
         "...............#####",
         "..........##########",
         "...m......##########",
         W, W],
        # 10-11. The reapers' bridge: two spans over the bone pit, a step
        # above the banks so that each reaper keeps to its own, a ball
        # swinging over each; a jump between the spans.
        ["#" * 40,
         "." * 40,
         "." * 40,
         "." * 40,
         "................ooooo...................",
         "..........!...............!.............",
         "." * 40,
         "..........5...............5.............",
         "...." + "#" * 14 + ".." + "#" * 14 + "......",
         "####..............................######",
         "####..............................######",
         "####..............................######",
         "####..............................######",
         "####..............................######",
         "####^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^######"],
        # 12. A hovering hopper over a spiked dip, a monoeye beyond.
        [W,
         *[SKY] * 3,
         ".......7............",
         *[SKY] * 2,
         ".....ooo............",
         "...............6....",
         "#####....###########",
         "#####....###########",
         "#####^^^^###########",
         W, W, W],
        # 13. The sunken tomb: the last reaper paces its floor before the
        # mirror; drop onto it from the rim, or drop and shoot.
        [W,
         *["...................#"] * 8,
         "######.............#",
         "######.............#",
         "######.............#",
         "######....5....G...#",
         W, W],
    )
    s = drawn("stage2_4", "Stage 2-4, catacombs: the reapers' rounds under the swinging balls.",
              "catacombs", rows,
              ["Reapers pacing crypts and bridges, spike balls swinging slowly over the",
               "walks: the charnel house's three galleries, the reapers' bridge, the sunken",
               "tomb; the secret passage under the charnel house's stairs."])
    return dressed(s, "catacombs", density=0.2)


@stage
def stage2_boss():
    s = lay("stage2_boss", "Stage 2 boss, catacombs: the brain again, now over spikes.", "catacombs", 42)
    s.note("The same brain in a crypt with spiked pits at both walls.")
    boss_arena(s, "catacombs", approach=14, arena=28)
    s.on(2, START)
    s.on(6, MAGAZINE)
    for x in (16, 17, 38, 39):
        s.clear(x, x + 1, s.top, s.top + 1)
        s.chips[s.top][x] = SPIKES
    s.ledge(24, 28, s.top - 4)
    s.ledge(31, 35, s.top - 4)
    dress(s, "catacombs", density=0.15)
    return s


# ===================== World 3: up and down =====================

def climb(s, x0, bottom, floors, width=14, gap=3):
    """A stack of one-way platforms zigzagging upward from row `bottom`."""
    for i in range(floors):
        row = bottom - (i + 1) * gap
        left = x0 + (0 if i % 2 == 0 else width // 2)
        s.planks(left, left + width // 2 + 1, row)
        s.put(left + 2, row - 1, COIN)
    return bottom - floors * gap


@stage
def stage3_1():
    E = "." * 20                      # an empty row of a screen
    F = "#" * 20                      # the forest floor
    SPIKED = "^" * 20                 # the ravine's floor
    rows = sketch(
        # 1. The forest floor: the first one-way branches, over safe ground.
        ["..............ooo...",
         ".............-----..",
         E,
         ".......ooo..........",
         "......-----.........",
         E,
         "...S..m.........1...",
         *[F] * 5],
        # 2. A stump too tall to jump: the branches are the way over it.
        [E,
         ".ooooo..............",
         ".-----..............",
         E,
         "..........##........",
         "..........##........",
         "..........##........",
         "..........##........",
         "..........##........",
         "..........##....2...",
         *[F] * 5],
        # 3. A spiked dip too wide to jump, a bough over it, a hopper beyond.
        ["......ooooo.........",
         E, E,
         ".....-------........",
         E,
         "...............8....",
         "####.........#######",
         "####^^^^^^^^^#######",
         *[F] * 3],
        # 3b. A mossy outcrop too tall to jump: up a ledge onto it, under a
        # hovering hopper, and down the far side.
        [".................7..",
         E, E, E, E, E,
         "..............######",
         "..............######",
         ".......ooooo..######",
         ".......-----..######",
         "..............######",
         "...1..........######",
         *[F] * 5],
        # 4-5. The great ash: its branches climb right, left, right, left to
        # the crown; the ravine opens beyond its trunk.
        [*[E] * 9,
         "..................--",
         E,
         "........ooo.........",
         "........--------....",
         E, E,
         "...................-",
         E, E,
         ".........2..........",
         "........--------....",
         E, E, E,
         "...................-",
         E, E,
         "..m.1...........8...",
         *[F] * 5],
        [*[E] * 8,
         "........C...m.......",
         "--------------------",
         *[E] * 4,
         "..m.................",
         "------..............",
         *[E] * 6,
         "..ooo...............",
         "------..............",
         E, E, E,
         "############........",
         "############........",
         "############^^^^^^^^",
         F, F],
        # 6. The canopy walk over the ravine; above it a branch of coins and
        # an extra life reaches back to the left (the secret).
        [E, E,
         ".......+ooooooooo...",
         ".......----------...",
         *[E] * 4,
         "..........8.........",
         "--....--------....--",
         *[E] * 19,
         SPIKED, F, F],
        # 7. A step up to the secret's branch, a hovering hopper over a gap.
        [*[E] * 5,
         ".o..................",
         "----.........7......",
         E,
         ".....1..........6...",
         "---------....------.",
         *[E] * 19,
         SPIKED, F, F],
        # 7b. A hopper on a bough, a hovering hopper over the next gap; coins
        # on a high bough.
        [*[E] * 4,
         "......ooooo.........",
         ".....-------........",
         "..............7.....",
         E,
         ".........8..........",
         "..--------....------",
         *[E] * 19,
         SPIKED, F, F],
        # 8-9. The far crag: the canopy ends on its shoulder, in a hole before
        # its wall; the shelf below runs back left, and the branch below that
        # leads right, into the cave through the crag. (Shoulder and shelf are
        # rock: the search's measure takes a branch for a floor one can drop
        # through.)
        [*[E] * 7,
         ".......ooo..........",
         "..........2.........",
         "...#################",
         E, E, E,
         "..............ooo...",
         "............########",
         E, E, E,
         ".........m..........",
         ".........-----------",
         *[E] * 9,
         SPIKED, F, F],
        [*["..........######...."] * 9,
         "####......######....",
         *["..........######...."] * 3,
         "1.........######....",
         "################....",
         "..........######....",
         E,
         E,
         "......2....ooo......",
         "----------##########",
         *["..........##########"] * 9,
         "^^^^^^^^^^##########",
         F, F],
        # 10. A rest on the bluff, then stumps over a gully.
        [*[E] * 14,
         "....oooo............",
         "...------...........",
         "...............7....",
         E,
         "..m.................",
         "##########..........",
         "##########..........",
         "##########........##",
         *["##########...##...##"] * 7,
         "##########^^^##^^^##",
         F, F],
        # 10b. The fallen giant: a trunk across the gully, a monoeye on it.
        [*[E] * 15,
         "........ooooo.......",
         ".......-------......",
         E, E,
         "...........6........",
         "...#################",
         "...#################",
         *[E] * 7,
         SPIKED, F, F],
        # 11. The lookout: branches right, left and up to the mirror's
        # platform in the last tree's crown.
        [*[".....................#"] * 12,
         "................G....#",
         ".........-----------.#",
         ".....................#",
         ".....2...............#",
         "...------............#",
         ".....................#",
         ".....................#",
         "..........------.....#",
         ".....................#",
         "...............8.....#",
         "...###################",
         *["...###################"] * 6,
         "^^^###################",
         "######################",
         "######################"],
        height=32)
    s = drawn("stage3_1", "Stage 3-1, moonlit forest: up the great ash and over the canopy.",
              "forest", rows,
              ["One-way branches: over a stump, up the great ash in a switchback, along the",
               "canopy over the spiked ravine, down through a hole to a shelf that runs back,",
               "through the crag's cave, over a gully and up the lookout to the mirror."])
    # The great ash and the lookout tree, drawn behind their branches.
    for x0, top, bottom in ((106, 10, 27), (279, 12, 22)):
        for y in range(top, bottom - 1):
            for x in (x0, x0 + 1):
                s.scen(x, y, 12)
        s.scen(x0, bottom - 1, 13)
        s.scen(x0 + 1, bottom - 1, 13)
    for x0, y0, n in ((100, 5, 6), (274, 8, 3)):
        for i in range(n):
            for dx, dy, code in ((0, 0, 611), (1, 0, 711), (0, 1, 612), (1, 1, 712)):
                s.scen(x0 + 2 * i + dx, y0 + dy + (i % 2), code)
    return dressed(s, "forest")


def indoors(s, x0, x1, y0, y1):
    """The theme's back wall behind a room; what stands in it (items,
    enemies) moves in front of the wall, so the wall shows behind it."""
    for y in range(y0, y1):
        for x in range(x0, x1):
            code = s.chips[y][x]
            if code and code not in (PLANK_L, PLANK_M, PLANK_R, GRATING, CRUMBLE):
                s.chips[y][x] = 0
                s.objects[y][x] = code
    s.wall(x0, x1, y0, y1)


@stage
def stage3_2():
    E = "." * 20                      # an empty row of a screen
    F = "#" * 20                      # roofs and street to the bottom
    rows = sketch(
        # 1. Low roofs: a balcony of coins, the first alley.
        [".....ooooo..........",
         ".....-----.....#####",
         "...............#####",
         "...S...m.......#####",
         *["############...#####"] * 5],
        # 2. The first tall step: a roof six cells up, a balcony over the
        # alley below it is the way; a hopper on the high roof.
        [".................8..",
         "..........##########",
         "..........##########",
         "........oo##########",
         "........--##########",
         "..........##########",
         "..1.......##########",
         *["#######...##########"] * 8],
        # 3. A washing line of coins over the next alley, a met; the second
        # tall step: a crumbling balcony over the roof (a fall costs nothing).
        ["......oooooo........",
         ".....--------.......",
         "...................x",
         E,
         "..............2.....",
         *["####....############"] * 14],
        # 4. The high roofs: a monoeye, a hovering hopper over the alley.
        ["................7...",
         E, E,
         ".........6..........",
         *["..############....##"] * 3,
         "xx############....##",
         "..############....##",
         "..############....##",
         *["##############....##"] * 14],
        # 4b. Chimney stacks over a deep alley, a hovering hopper between them.
        ["............7.......",
         "..............##....",
         ".........##...##....",
         "..2......##...##....",
         *["######...##...##...."] * 20],
        # 5. A magazine and a brain, then a crumbling bridge over the alley
        # before the church (a fall here is a miss).
        [E,
         "................####",
         "................####",
         "...m....1.......####",
         "############xxxx####",
         *["############....####"] * 19],
        # 6. The church: through the belfry under its bells, the checkpoint
        # beyond; brackets up the steeple's face to its top (the secret: coins
        # and an extra life).
        [E,
         "....+ooooo..........",
         "....######ooo.......",
         "....######---.......",
         "....######..........",
         "....######ooo.......",
         "..........---.......",
         E,
         ".2.............8.C..",
         *[F] * 23],
        # 7. Down the far side on crumbling eaves, over an alley, to the
        # chandler's house; its attic and ground floor seen in section.
        ["xxxx................",
         E,
         ".....xxx............",
         E,
         "...............ooo..",
         ".........###########",
         *[".........#.........."] * 3,
         ".........#......1...",
         ".........#..########",
         *[".........#.........."] * 3,
         ".........#....2.....",
         *[".........###########"] * 5],
        # 7b. The chandler's house runs on.
        [*["." * 10] * 16,
         "..ooo.....",
         "#" * 10,
         *["." * 10] * 4,
         "#" * 10,
         *["." * 10] * 4,
         *["#" * 10] * 5],
        # 8. The roof ends at the tower: through the skylight into the attic,
        # back to the left along it, down its stairwell, and right again
        # along the ground floor to the tower's door.
        [*["..................##"] * 16,
         "........8.........##",
         "############....####",
         *["..................##"] * 3,
         "...ooo..........m.##",
         F,
         E, E, E,
         "..........6.........",
         *[F] * 5],
        # 9-10. Out into the street: an awning of coins, a met, a fountain
        # with a brain on it, a hopper.
        [*["####................"] * 22,
         "####..............7.",
         "........ooooo.......",
         "........-----.......",
         E,
         "......m........2....",
         *[F] * 5],
        # 9b. Awnings over the street, a marionette above them, a togezo.
        [".......0............",
         E,
         "............ooo.....",
         "...........-----....",
         E,
         "..ooo...............",
         ".-----..............",
         E,
         "................3...",
         *[F] * 5],
        [*[E] * 22,
         "....ooo.............",
         "....1...............",
         "...###..............",
         "...###..............",
         "...###......8.......",
         *[F] * 5],
        # 11. The canal bridge: up its arch to the mirror on its crown, a
        # hovering hopper over the water.
        [*["...................#"] * 17,
         "......7............#",
         *["...................#"] * 2,
         ".......G...........#",
         "....######.........#",
         "....######.........#",
         "..##......##.......#",
         "..##......##.......#",
         "##..........##.....#",
         "##..........##.....#",
         *["##..........########"] * 5],
        height=32)
    s = drawn("stage3_2", "Stage 3-2, rooftops at dusk: up to the belfry and down through the chandler's house.",
              "roofs", rows,
              ["Roofs that climb in tall steps (balconies, crumbling ledges), through the church's",
               "belfry, down the far side on crumbling eaves into the chandler's house, back along",
               "its attic, out of the tower's door and over the canal bridge to the mirror."])
    s.scen(126, 6, 225)               # the bell in the belfry
    s.scen(127, 6, 225)
    indoors(s, 150, 188, 18, 27)      # the chandler's attic and ground floor
    return dressed(s, "roofs", density=0.2)


def columns_of(height, runs, floor, spikes=True):
    """Rows of free-standing solid columns: `runs` is a list of (width, top row)
    pairs, a top of None leaving a gap down to the floor (spiked by default)."""
    rows = [[] for _ in range(height)]
    for width, top in runs:
        for y in range(height):
            if top is not None:
                key = "#" if y >= top else "."
            else:
                key = "#" if y >= floor else "^" if spikes and y == floor - 1 else "."
            rows[y].append(key * width)
    return ["".join(row) for row in rows]


def overlay(rows, marks):
    """Keys set on sketched rows: marks maps (column, row) to a key."""
    rows = [list(row) for row in rows]
    for (x, y), key in marks.items():
        rows[y][x] = key
    return ["".join(row) for row in rows]


@stage
def stage3_3():
    W = "#" * 20
    T = "#" * 30
    # The great reading room's bookcases, their tops the walk over its spiked
    # floor: (width, top row), None a gap down to the spikes.
    cases = columns_of(40, [(7, 20), (3, None), (4, 18), (4, None), (7, 19), (3, None),
                            (5, 17), (3, None), (6, 19), (3, None), (5, 20)], floor=36)
    cases = overlay(cases, {
        (3, 19): "C", (5, 19): "m",                              # the landing: checkpoint
        (7, 18): "o", (8, 17): "o", (9, 18): "o",
        (14, 16): "o", (15, 15): "o", (16, 15): "o", (17, 16): "o",
        (22, 18): "8",                                           # a hopper on the third case
        (26, 13): "7",                                           # a hovering hopper over the gap
        (24, 17): "o", (25, 16): "o", (26, 16): "o", (27, 17): "o",
        (30, 16): "m",
        (39, 18): "6",                                           # a monoeye on the fifth
        (43, 18): "o", (44, 18): "o",
        **{(x, 0): "#" for x in range(50)},
    })
    rows = sketch(
        # 1. The reading room: shelves she can jump up through, coins on them,
        # a monoeye alone on the floor.
        [*[W] * 24,
         *["##.................."] * 3,
         "##..........oooo....",
         "##.........------...",
         *["##.................."] * 2,
         "##...ooo............",
         "##..-----...........",
         *["##.................."] * 2,
         "##.S..m.......6.....",
         *[W] * 4],
        # 1b. A reading desk, a shelf over it, a hopper beyond.
        [*[W] * 24,
         *[SKY] * 6,
         "..............oooo..",
         ".............------.",
         SKY, SKY,
         "....######..........",
         "....######....8.....",
         *[W] * 4],
        # 2. A bookcase to climb, a brain before it, a met beyond.
        [*[W] * 24,
         *[SKY] * 6,
         ".........oo.........",
         "....................",
         "........####........",
         "........####........",
         "........####........",
         "...1....####....2...",
         *[W] * 4],
        # 3. The east stacks: four galleries, each crossed the other way, a
        # shelf in the floor above at alternate ends; out at the top right.
        [*[T] * 17,
         "#.............................",
         "#.............................",
         "#.....ooo...............2.....",
         "#----#########################",
         *["#............................#"] * 2,
         "#..............6.............#",
         "########################----##",
         *["#............................#"] * 2,
         "#....m.............0.........#",
         "#----#########################",
         *["#............................#"] * 2,
         "#..........1.........ooo.....#",
         "########################----##",
         *[".............................#"] * 2,
         "........1...........2........#",
         *[T] * 4],
        # 4-5. The great reading room: the walk along the bookcases' tops over
        # its spiked floor; the checkpoint on the first.
        cases,
        # 5b. The catalogue hall: a fireball circling a lamp block, a bridge
        # of rotten shelves over spikes (planks above it too), a marionette.
        ["#" * 30,
         *["." * 30] * 14,
         "........oooooo................",
         ".......--------...............",
         "...g..........................",
         "." * 30,
         "..............m.......0.......",
         "######xxxxxxxx################",
         *["######........################"] * 2,
         "######^^^^^^^^################",
         *["#" * 30] * 16],
        # 6. The upper stacks: shelves climbing the well, right, left and up;
        # a ghost drifts in it. Above the top floor's left end, a ledge of
        # planks with coins on it: the rare books (the secret).
        ["##########################",
         ".........oo+..............",
         "....oooooooo..............",
         "..........................",
         "----#########.............",
         "..........................",
         "..........................",
         "..........o.o.o...........",
         "-------###################",
         *[".........................."] * 2,
         "......................9...",
         ".....-------------........",
         "..........................",
         "..........................",
         "..................ooo.....",
         "...............----------.",
         "..........................",
         "..........................",
         "........1.................",
         *["##########################"] * 20],
        # 7. The dome: two chandeliers swing over its well; the mirror on the
        # balcony beyond.
        ["##########################",
         *[".........................#"] * 4,
         ".......oooooo............#",
         ".......................G.#",
         ".........=....=.....######",
         "######..............######",
         *["######..............######"] * 10,
         "######^^^^^^^^^^^^^^######",
         *["##########################"] * 20],
        # A row of sky over the drawn screens: the balcony's mirror then stands
        # low enough on the screen for the score never to cover it.
        height=41)
    s = drawn("stage3_3", "Stage 3-3, mansion halls: up the library's galleries, under the dome.",
              "mansion", rows,
              ["Shelves she jumps up through; the east stacks' four galleries, right, left,",
               "right, left; the bookcase tops over the spiked reading room; the upper",
               "stacks' shelves; two chandeliers across the dome to the mirror's balcony."])
    return dressed(s, "mansion", density=0.2)


@stage
def stage3_4():
    W = "#" * 20
    rows = sketch(
        # 1. The crypt's door at the top of the hill: a magazine, a shelf of
        # coins, a togezo alone on open floor.
        [W, W,
         *["##.................."] * 4,
         "##.......oooo.......",
         "##......------......",
         *["##.................."] * 2,
         "##.S..m........3....",
         *[W] * 46],
        # 2. The first drop, onto a floor she can see: a met, a monoeye.
        [W, W,
         *[SKY] * 5,
         ".........ooo........",
         *[SKY] * 3,
         *["########............"] * 2,
         "########....2....6..",
         *[W] * 43],
        # 3. The ossuary shaft: ledges from either wall, each crossed the other
        # way: right, left, right, left and out at the bottom right. A ghost
        # drifts in the well.
        ["#" * 32,
         "#" * 32,
         *["." * 31 + "#"] * 6,
         "." * 26 + "9....#",
         *["." * 31 + "#"] * 3,
         "." * 31 + "#",
         "...ooo....*" + "." * 20 + "#",
         "#" * 24 + ".......#",
         *["#" + "." * 30 + "#"] * 3,
         "#..........." + "3" + "." * 18 + "#",
         "#......." + "#" * 24,
         *["#" + "." * 30 + "#"] * 3,
         "#............." + "*" + "." * 16 + "#",
         "#" * 24 + ".......#",
         *["#" + "." * 30 + "#"] * 3,
         "#..........." + "2" + "." * 18 + "#",
         "#......." + "#" * 24,
         *["#" + "." * 31] * 3,
         "#.....m" + "." * 18 + "1" + "." * 6,
         *["#" * 32] * 23],
        # 4. The bone crypt: a rest, a death, the checkpoint.
        [*["########################"] * 24,
         *["........................"] * 6,
         ".........ooo............",
         *["........................"] * 2,
         "......m.....5.......C...",
         *["########################"] * 23],
        # 5. A bridge of crumbling bones over spikes, a monoeye beyond.
        [*[W] * 24,
         *[SKY] * 6,
         ".....oooooo.........",
         SKY, SKY,
         "..................6.",
         "#####xxxxxxxx#######",
         *["#####........#######"] * 2,
         "#####^^^^^^^^#######",
         *[W] * 19],
        # 5b. A plank walk over a run of spikes, a hovering hopper above it.
        [*[W] * 24,
         *[SKY] * 3,
         ".........7..........",
         SKY, SKY,
         "....oooooooooo......",
         "...------------.....",
         SKY,
         "...^^^^^^^^^^^^...2.",
         *[W] * 23],
        # 6. The charnel gallery: a spiked pit under a swinging ball, a met and
        # a tomb, hanging spikes over the floor, a togezo.
        [*["##############################"] * 24,
         *["." * 30] * 3,
         ".....................####.....",
         ".....................vvvv.....",
         "......!.......................",
         "..............................",
         "..............................",
         "................####..........",
         "...........2....####...3......",
         "####....######################",
         "####....######################",
         "####^^^^######################",
         *["##############################"] * 20],
        # 7. The bone well: the ledges again, but hanging spikes under the
        # upper ones (no jumping there): a togezo to shoot, a met, a monoeye.
        # Coins on the last ledge's far end lead to a gap in the right wall.
        [*["##########################"] * 24,
         *[".........................#"] * 9,
         ".....ooo.................#",
         "##################.......#",
         "#.......vvvvvvvvvv.......#",
         *["#........................#"] * 2,
         "#.........3..............#",
         "#......###################",
         "#......vvvvvvvvvvv.......#",
         "#........................#",
         "#.........................",
         "#..........2..............",
         "##################.......o",
         *["#........................#"] * 3,
         "#..........6..........oo.#",
         "#......###################",
         *["#........................."] * 3,
         "#.....m.............1.....",
         *["##########################"] * 3],
        # 8. The ossuary's heart: under hanging spikes, past a death, to the
        # mirror on the altar at the bottom of everything. Above it, behind
        # the well's wall, the niche: an extra life and coins.
        [*["########################"] * 42,
         "........################",
         "..+.....################",
         "ooooooo.################",
         *["########################"] * 2,
         ".......................#",
         ".....#####.............#",
         ".....vvvvv.............#",
         ".......................#",
         "...................G...#",
         ".................#######",
         "..........5......#######",
         *["########################"] * 3],
    )
    s = drawn("stage3_4", "Stage 3-4, catacombs: down the ossuary shaft to the altar.",
              "catacombs", rows,
              ["From the crypt's door down the ossuary shaft, its ledges turning left and",
               "right past a ghost; the bone crypt, a crumbling bridge, the charnel gallery;",
               "the bone well under hanging spikes; the mirror on the altar at the bottom."])
    return dressed(s, "catacombs")


@stage
def stage3_boss():
    s = lay("stage3_boss", "Stage 3 boss, clock tower: the serpent in the gearworks.", "clock", 50)
    s.note("A wide hall: the serpent swims from map x 800 to the last column; "
           "a catwalk just short of its reach lets her shoot at its height.")
    boss_arena(s, "clock", approach=20, arena=30, boss_height=6)
    s.on(2, START)
    s.on(8, MAGAZINE)
    s.planks(21, 25, s.top - 4)
    s.planks(29, 33, s.top - 4)
    s.planks(40, 44, s.top - 4)
    dress(s, "clock", density=0.15)
    return s


# ================= World 4: the long night (fewer magazines) =================

@stage
def stage4_1():
    G = "####################"
    rows = sketch(
        # 1. The lake's wooded shore: a magazine, a branch of coins, a brain.
        ["....................",
         "...........oooo.....",
         "...........----.....",
         "....................",
         "....................",
         "..S...m.........1...",
         G, G, G, G, G],
        # 2. The shallows: cracked stones over dips two cells deep. They give way
        # under her and she climbs out; a met on the far bank.
        ["....................",
         "....................",
         "......ooo...........",
         "....................",
         "....................",
         ".................2..",
         "###xxxxx###xxxxxx###",
         "###.....###......###",
         G, G, G],
        # 3. Cracked stones over open water, a hovering hopper above it (it reaches
        # her only if she jumps); a togezo on the far bank.
        ["....................",
         "..........7.........",
         "....................",
         "......oooooo........",
         "....................",
         "..m............3....",
         "####xxxxxxxxx#######",
         *["####.........#######"] * 4],
        # 4. Floes of cracked stone at three heights over the open lake; a hopper
        # on the far bank.
        ["....................",
         ".........ooo........",
         "....................",
         ".........xxx........",
         "....................",
         "....xxx......xxx..8.",
         "###..............###",
         *["###..............###"] * 4],
        # 4b. A floe drifts to and fro over open water; a met waits where
        # she lands, a magazine beyond it.
        ["....................",
         "........ooo.........",
         "....................",
         "....................",
         "....................",
         ".........=......2.m.",
         *["#####..........#####"] * 5],
        # 5. A rock in the lake with a brain on it; cracked stones both sides.
        ["....................",
         "..........ooo.......",
         "..........1.........",
         ".........#####......",
         ".........#####......",
         "....................",
         "###xxxxxx#####xxxxx#",
         *["###......#####.....#"] * 4],
        # 6. The frost crag: up its face on branches, right, left, right, a
        # brain on the middle branch, a monoeye at its foot.
        [*[SKY] * 9,
         "..........##########",
         "..........##########",
         "..........##########",
         "..........##########",
         "......----##########",
         "..........##########",
         "..........##########",
         "..........##########",
         "..----....##########",
         "...1......##########",
         "..........##########",
         "......----##########",
         "..........##########",
         "..........##########",
         "...6......##########",
         *["####################"] * 5],
        # 7-8. The icefall (the crag top ends in cracked stone, against the frozen
        # falls): down through it onto the first shelf, left along it to its
        # cracked end, down onto the second and right under the falls; a death
        # on the crag top, a brain on the first shelf, a met and a ghost on
        # the second. Behind the falls, a grotto opens off the first shelf.
        [*["......................##############...."] * 8,
         "....C..m......5.......##############....",
         "##################xxxx##############....",
         "##################....##############....",
         "..................................##....",
         ".......................ooooo......##....",
         "......1................ooooo....+.##....",
         "xxx#################################....",
         "...#################################....",
         "........................................",
         "..............................9.........",
         "....................2...................",
         *["####################################...."] * 6,
         *["########################################"] * 5],
        # 9. Below the falls: a quiet wood, a magazine, a branch of coins.
        [*[SKY] * 2,
         "..........ooo.......",
         ".........-----......",
         "....................",
         "....................",
         "...m................",
         G, G, G, G, G],
        # 9b. A snowy knoll: a togezo on its step, a marionette over its top.
        ["....................",
         "..........0.........",
         "....................",
         "........oooo........",
         ".......######.......",
         ".......######..3....",
         "....############....",
         "....############....",
         G, G, G, G, G],
        # 10. A mecha on the shore, a boulder to shoot it from.
        ["....................",
         "....................",
         "..............ooo...",
         "....................",
         "............#####...",
         ".......4....#####...",
         G, G, G, G, G],
        # 11. A long bridge of cracked stone under a swinging spike ball: wait for
        # the ball on the bank, then cross without stopping; a brain beyond.
        ["....................",
         "....................",
         "..........!.........",
         "....................",
         "....................",
         "...............1....",
         "###xxxxxxxxxxxx#####",
         *["###............#####"] * 4],
        # 11b. Under the icicles: a low overhang hangs spikes over cracked
        # stones; no jumping here, and a met walks in to meet her.
        ["....................",
         "....................",
         "....................",
         "..################..",
         "..################..",
         "...v..v..v..v..v....",
         "....................",
         "..............2.....",
         "####xxxxxxxxx#######",
         *["####.........#######"] * 4],
        # 12. Floes around a block with a circling fireball.
        ["....................",
         "...........g........",
         "....................",
         "....xxx.......xxx...",
         "....................",
         "..m.....xxx.........",
         "###...............##",
         *["###...............##"] * 4],
        # 13. The last bridge of cracked stone, under a hovering hopper, out to
        # the islet and its mirror; open water behind it.
        [*["...................#"] * 6,
         "..............ooo..#",
         "...................#",
         ".....7.............#",
         "...................#",
         "...................#",
         "............G......#",
         "###xxxxxxx#####..###",
         *["###.......#####..###"] * 4],
        height=30)
    s = drawn("stage4_1", "Stage 4-1, moonlit forest: over the frozen lake and down the icefall.",
              "forest", rows,
              ["Cracked stones that give way: the shallows, the open water, floes; the frost crag,",
               "the icefall's shelves that give way in turn; the last bridge to the mirror's islet;",
               "a grotto behind the frozen falls holds the secret."])
    return dressed(s, "forest")


@stage
def stage4_2():
    F = "####################"
    # The shaft's walls and floors: 28 columns, a door low on the left and
    # high on the right; each floor has a hole of catwalk at alternate ends.
    shaft = [
        "############################",
        "############################",
        "#..........................#",
        "#..........................#",
        "#....oooooooooo+...........#",
        "#########...################",
        "#...........................",
        "#...........................",
        "#...................4.......",
        "#____#######################",
        "#..........................#",
        "#r.........................#",
        "#........1.................#",
        "#######################____#",
        "#.................D........#",
        "#..........................#",
        "#.......m...U..............#",
        "#____#######################",
        "#..........................#",
        "#..........................#",
        "#r.........................#",
        "#######################____#",
        "...........................#",
        "..........................l#",
        "...........................#",
        *["############################"] * 5,
    ]
    rows = sketch(
        # 1. The works' floor: a turret fires along the catwalk above her, out
        # of her way; the coins up there are in its line.
        ["....................",
         "....................",
         "....................",
         "....................",
         ".................###",
         ".......oooo.....l###",
         "......__________.###",
         "....................",
         "....................",
         "..S..m..............",
         F, F, F, F, F],
        # 2. A turret in the face of a step fires along the floor: jump its
        # fireballs; a mecha walks in, a hovering hopper waits above the hall.
        ["....................",
         "....................",
         "....................",
         "....................",
         "......ooooo.........",
         ".........7..........",
         "....................",
         "..............######",
         "..............######",
         "........4....l######",
         F, F, F, F, F],
        # 3. Catwalks over spikes; a turret under a girder fires at head
        # height along them: duck, or jump the fireball.
        ["....................",
         "....................",
         ".................###",
         ".................###",
         ".................###",
         ".................l..",
         "....................",
         "##.______.______.###",
         *["##...............###"] * 5,
         "##^^^^^^^^^^^^^^^###",
         "####################"],
        # 4. Vents in the floor under a catwalk; a brain on the catwalk, a
        # marionette above.
        ["...............0....",
         "....ooooooo.........",
         "...m..........1.....",
         ".._______________...",
         "....................",
         "....................",
         "...U...U...U...U....",
         *[F] * 8],
        # 4b. Catwalks climb over a spiked floor to a turret that fires at
        # her feet along the top one; down past its girder.
        ["..................##",
         "..................##",
         "............ooo...##",
         ".................l##",
         "...........______...",
         "....................",
         "......_____.........",
         "................____",
         "..____..............",
         "..^^^^^^^^^^^^^^^...",
         *[F] * 8],
        # 5. A swinging platform over spikes, a hovering hopper over the far
        # bank; down to the shaft's foot.
        ["....................",
         "......ooo...........",
         "....................",
         "....................",
         "................7...",
         "....................",
         ".........=..........",
         *["#####..........#####"] * 6,
         "#####^^^^^^^^^^#####",
         F],
        # 6. A rest at the shaft's foot: the checkpoint and a magazine.
        ["....................",
         "....................",
         "....................",
         "....................",
         "....................",
         "....................",
         "....................",
         "####................",
         "####................",
         "####..C...m.........",
         F, F, F, F, F],
        # 7. The shaft: five floors, right, left, right, left and right, a
        # turret at the far end of each floor firing along it (at her head,
        # at her feet), jets on the middle floor, a mecha on the top floor.
        # A hatch of catwalk in its ceiling: the loft above.
        shaft,
        # 8. Out on the girders: a catwalk over the drop, a brain on it.
        [*[SKY] * 5,
         "....................",
         "..........ooo.......",
         "....................",
         "..m.......1.........",
         "#####..______..#####",
         *["#####...........####"] * 20],
        # 9. A platform swings under a turret's fire at head height: duck on it.
        [*["..................##"] * 5,
         "......ooo.........##",
         "..................##",
         "..................l.",
         ".........=..........",
         "#####..........#####",
         *["#####..........#####"] * 20],
        # 9b. A gallery under the tower's eaves: jets from floor and ceiling,
        # a marionette drifting in.
        [*[SKY] * 4,
         F, F,
         "..........D.........",
         "................0...",
         ".....U.........U....",
         *[F] * 21],
        # 10. The walkway: a hovering hopper dips into her path, a death
        # patrols; steps down to the belfry.
        [*[SKY] * 5,
         "....................",
         ".........7..........",
         "....................",
         "....5...............",
         "#############.......",
         "#############.......",
         "################....",
         "################....",
         *[F] * 17],
        # 11. The belfry: the mirror under the bell, a turret in the far wall
        # firing along the floor at her feet.
        ["...................#",
         "...................#",
         "...................#",
         "....################",
         "...................#",
         "...................#",
         "...................#",
         "...................#",
         "...................#",
         "...................#",
         "...................#",
         "..........ooo......#",
         ".............G....l#",
         *[F] * 17],
        height=30)
    s = drawn("stage4_2", "Stage 4-2, clock tower: the works under fire, up the shaft to the bell.",
              "clock", rows,
              ["Turrets fire along the catwalks: over her head, at her feet, at her head;",
               "the shaft's five floors each swept by a turret; the belfry and its mirror;",
               "the secret in the loft above the shaft's ceiling."])
    # the great bell hangs over the mirror
    goal = next((x, y) for y, row in enumerate(rows) for x, key in enumerate(row) if key == "G")
    s.scen(goal[0], goal[1] - 6, 225)
    dressed(s, "clock", density=0.2)
    # no clouds or stars indoors: the shaft's loft and the gallery have roofs
    for y in range(s.height):
        for x in range(s.width):
            if s.scenery[y][x] in (314, 414, 514, 415, 315) and any(s.solid[k][x] for k in range(y)):
                s.scenery[y][x] = 0
    return s


@stage
def stage4_3():
    W = "#" * 20
    rows = sketch(
        # 1. The crypt's door: a magazine; the first spiked ceiling hangs high
        # over the floor, where only her highest jump could touch it; a
        # togezo alone, to be shot.
        [*[W] * 3,
         "##........######....",
         "##........######....",
         "##.........vvvv.....",
         *["##.................."] * 5,
         "##.S..m..........3..",
         *[W] * 18],
        # 2. The ceiling comes down: walk under its teeth (a jump here is a
        # miss), coins in reach of a walk; a ghost drifts in from the dark.
        [*[W] * 3,
         *["....############...."] * 5,
         ".....vvvvvvvvvv.....",
         "..................9.",
         ".....o.o.o.o.o......",
         SKY,
         *[W] * 18],
        # 3. Hop, don't leap: a crate under teeth four cells up, then an open
        # grave two cells wide; a magazine between them.
        [*[W] * 3,
         *["..################.."] * 3,
         "...vvvvvvvvvvvvvv...",
         SKY, SKY,
         "..........o..o......",
         SKY,
         "......m..k..........",
         "#############^^#####",
         *[W] * 17],
        # 4. A plank over a spiked pit, teeth above it: a full jump up onto it
        # is a miss; a death patrols the far side.
        [*[W] * 3,
         "....######..........",
         "....vvvvvv..........",
         SKY, SKY, SKY,
         ".....oooo...........",
         SKY,
         ".....----...........",
         "..............5.....",
         "####^^^^^^##########",
         *[W] * 17],
        # 5. A rest: a tomb with coins on it, a magazine, a monoeye. Under the
        # floor the jaws end at a hole; below it, coins lead left from where
        # she lands to a niche with an extra life.
        [*[W] * 3,
         *[SKY] * 5,
         ".......oooo.........",
         "......######........",
         "......######........",
         "..m...######....6...",
         *[W] * 2,
         "#################vvv",
         *["#################..."] * 5,
         *["#################..#"] * 2,
         *["####................"] * 2,
         "####+ooo............",
         *["########............"] * 2,
         "########ooooooooo...",
         *[W] * 2],
        # 6. A spiked grave, a ghost coming at her height, the checkpoint
        # before the gate. Below: the jaws, with a met between their graves.
        [*[W] * 3,
         *[SKY] * 7,
         "..................9.",
         ".............C......",
         "####^^^#############",
         W,
         "v" * 20,
         *[SKY] * 4,
         ".o......2.......o...",
         "####^^######^^######",
         W,
         *[SKY] * 5,
         "............m.......",
         *[W] * 2],
        # 7. The gate shuts behind her; the low corridor ends in a wall, its
        # floor open over the jaws: down she drops, and back to the left.
        [*[W] * 3,
         *["..##################"] * 5,
         "...........vvv.....#",
         "...................#",
         "...B..o.o.o.o......#",
         "...b...............#",
         *["##############....##"] * 2,
         "vvvvvvvvvvvvv......#",
         *["...................#"] * 4,
         ".....3.........m...#",
         "#^^######^^#########",
         W,
         *[SKY] * 5,
         "..........4.........",
         *[W] * 2],
        # 8. Out of the low passage into the great crypt: tombs in steps, a
        # hovering hopper above them.
        [*[W] * 14,
         SKY, SKY,
         "...........7........",
         *[SKY] * 4,
         "..............oooo..",
         *["..............######"] * 3,
         *["........####..######"] * 3,
         *[W] * 2],
        # 9. A plank bridge over a floor of spikes, a swinging ball above it, a
        # marionette throwing knives from the dark.
        [*[W] * 14,
         SKY, SKY,
         ".......!....0.......",
         SKY,
         SKY, SKY,
         "...oooo.............",
         SKY,
         "-------...-------...",
         *[SKY] * 4,
         "^" * 20,
         *[W] * 2],
        # 10. The causeway under teeth: a death walks it towards her, no room
        # to jump; then down in steps.
        [*[W] * 14,
         *["..###########......."] * 4,
         "..vvvvvvvvvvv.......",
         SKY,
         ".................9..",
         "..o.o...5....o.o....",
         *["##############......"] * 3,
         *["#################..."] * 3,
         *[W] * 2],
        # 11. A quiet stretch: a magazine, coins on a slab, a brain.
        [*[W] * 14,
         *[SKY] * 10,
         ".......oooo.........",
         ".......####.........",
         SKY,
         "..m..............1..",
         *[W] * 2],
        # 12. The last teeth: a low vault over two open graves, a togezo on
        # the floor between them and a ghost coming at her height.
        [*[W] * 22,
         ".vvvvvvvvvvvvvvvvvv.",
         *[SKY] * 3,
         "...................9",
         "........3...........",
         "####^^######^^######",
         W],
        # 13. The altar under the teeth: two open graves to hop with the vault
        # low overhead, and the mirror on the altar.
        [*[W] * 21,
         "#############vvvvvv#",
         "vvvvvvvvvvvvv......#",
         *["...................#"] * 3,
         "...........ooo...G.#",
         "..............######",
         "#####^^###^^########",
         W],
    )
    s = drawn("stage4_3", "Stage 4-3, catacombs: the gauntlet under the teeth.", "catacombs", rows,
              ["Spiked ceilings that forbid the high jump: met high, then low; hops under",
               "them; the gate that shuts; the jaws walked back left; the altar under the teeth."])
    return dressed(s, "catacombs", density=0.2)


# ================= World 5: the way to the throne =================

@stage
def stage5_1():
    W = "#" * 20
    rows = sketch(
        # 1. The tower's foot: a terrace above the gauge, a magazine, and the
        # first swinging platform over a ditch she can climb out of.
        [*[SKY] * 36,
         "...S.m..............",
         *["#######............."] * 2,
         "#######.....=.....1.",
         *["#########.......####"] * 2,
         W, W],
        # 2. Up the face on iron catwalks, right, left and right again, to
        # the long catwalk.
        [*[SKY] * 27,
         "..............ooo...",
         "............________",
         SKY,
         "....oooo............",
         "...______...........",
         SKY,
         "...........oooo.....",
         "..........______....",
         SKY, SKY,
         "..______............",
         SKY,
         "........6........2..",
         *[W] * 4],
        # 3. The long catwalk over the spiked yard: a hopper, a platform
        # across its broken span, coins on a higher catwalk.
        [*[SKY] * 23,
         "...oooooo...........",
         "..______............",
         SKY, SKY,
         ".....8......=.......",
         "__________......____",
         *[SKY] * 11,
         "^" * 20,
         *[W] * 3],
        # 4. A mecha on the catwalk while a gargoyle at its end spits fire
        # along it.
        [*[SKY] * 24,
         "....oooo............",
         SKY,
         "..................##",
         "m........4.......l##",
         "__________________##",
         *["..................##"] * 11,
         "^^^^^^^^^^^^^^^^^^##",
         *[W] * 3],
        # 5. The balcony at the bell shaft's door: a rest, a magazine, a vent.
        # High above, a plank reaches out from the shaft's top.
        [*[SKY] * 13,
         ".........+oooooooooo",
         ".........-----------",
         *[SKY] * 12,
         "......m......U......",
         *[W] * 16],
        # 6. The bell shaft (the landmark): three platforms swing across it,
        # one above the other; she rides them up in a zigzag, jumping from
        # each to a ledge on the far wall: right, left, right and out onto
        # the tower's top. A gargoyle spits fire along the shaft's floor, a
        # hopper hovers over the right-hand ledge, a ghost and a puppet wait
        # at the top.
        [*["........................"] * 9,
         *["########################"] * 2,
         "....9.............0.....",
         "........................",
         "..............=..oooo...",
         "#########........#######",
         "#...................7..#",
         "#.......oooooo.........#",
         "#.........=............#",
         *["#......................#"] * 2,
         "#....................m.#",
         "#.............##########",
         "#......................#",
         "#.......oooooo.........#",
         "#.........=............#",
         *[".......................#"] * 2,
         "......................l#",
         *["########################"] * 16],
        # 7. Out onto the tower's top: the checkpoint, then pinnacles over the
        # drop, swinging platforms between them, a hopper where she lands.
        [*[SKY] * 13,
         "..C.......=......8..",
         *["########......######"] * 30],
        # 8. A gap to jump, a pinnacle under a circling fireball, a hovering
        # hopper over the next gap, a magazine.
        [*[SKY] * 7,
         "......g.............",
         *[SKY] * 3,
         "..........7.........",
         "...#####............",
         "...#####....m.......",
         *["...#####....########"] * 30],
        # 9. A death on the long ledge, a vent, the last swing but one.
        [*[SKY] * 13,
         ".U..5......=......2.",
         *["#########......#####"] * 30],
        # 10. The clock face: catwalks up its wall, right, left and right,
        # a gargoyle spitting fire along the first, a hovering hopper by the
        # second.
        [*[SKY] * 4,
         "..................oo",
         "............._______",
         "..................##",
         ".........7........##",
         "......______......##",
         "..................##",
         ".................l##",
         "...........______.##",
         "..................##",
         "..=...............##",
         *["......##############"] * 30],
        # 11. Above the clock: a swing to a pinnacle held by a mecha, a jump
        # to the cornice.
        [*[SKY] * 4,
         "oo....=......4......",
         "____......######....",
         *["..........######...."] * 38],
        # 12. The cornice: a death walks it, a vent burns in it, a puppet
        # throws knives from above; a swing at its end.
        [SKY,
         "........0...........",
         SKY, SKY,
         "....5.....U....=....",
         *["############........"] * 39],
        # 13. Two platforms swing one after the other over the drop, a
        # hovering hopper above them, a mecha on the far landing.
        [*["........................"] * 2,
         "........7...............",
         "....oooooooooo..........",
         "......=.....=........4..",
         *["###..............#######"] * 39],
        # 14. The spire: a last swing across, and the mirror in the bell cage.
        [".............#######",
         *["...................#"] * 3,
         "oo.....=.....ooo.G.#",
         "_____......#########",
         *["...........#########"] * 38],
        # Three rows of night sky over the drawn screens: the bell cage's
        # mirror then stands low enough on the screen for the score never to
        # cover it.
        height=47)
    s = drawn("stage5_1", "Stage 5-1, clock tower: up the tower's face by night.", "clock", rows,
              ["Up the tower's face on catwalks and swinging platforms: the long catwalk under",
               "a gargoyle's fire, the bell shaft's stacked swings, the pinnacles, the bell over the mirror."])
    s.scen(283, 4, 225)  # the great bell, hanging over the mirror
    s.scen(117, 21, 225)  # and the shaft's bell
    for dx, dy, code in ((0, 0, 423), (1, 0, 523), (0, 1, 424), (1, 1, 524)):
        s.scen(194 + dx, 12 + dy, code)  # the clock face
    return dressed(s, "clock", density=0.2)


@stage
def stage5_2():
    F = "####################"
    rows = sketch(
        # 1. The first roofs: a balcony of coins, a shallow alley she can
        # climb out of.
        ["......oooo..........",
         "......----..........",
         "............ooo.....",
         "....................",
         "....S...m...........",
         *["############...#####"] * 3,
         *[F] * 5],
        # 2. Up a roof; a ghost in the open sky drifts after her; a second
        # shallow alley, four cells wide.
        ["..........9.........",
         *[SKY] * 5,
         "........ooo.........",
         *["......######....####"] * 3,
         "############....####",
         *[F] * 7],
        # 3. The first deep alley under a hovering hopper; a washing line of
        # coins over the next roof, a met on it.
        [SKY,
         "............oooo....",
         "...........------...",
         "........7...........",
         SKY,
         "######.........2....",
         *["######....##########"] * 10],
        # 4. An alley too wide to jump: a shop sign swings over it.
        [SKY,
         SKY,
         "........ooo.........",
         *[SKY] * 4,
         ".........=..........",
         *["#####........#######"] * 10],
        # 5. A roof up, an alley three wide and two up, a chimney with a
        # turret in its face sweeping the roof in front of it.
        [".................###",
         ".................###",
         "..............ooo###",
         "................l###",
         *["............########"] * 2,
         *["....#####...########"] * 3,
         *["#########...########"] * 10],
        # 6. Off the chimney to a roof and its monoeye; a narrow alley
        # under a hovering hopper, a ghost above.
        [".............9......",
         SKY,
         SKY,
         "...........7........",
         "##........ooo.......",
         "##..................",
         "##....6.....########",
         *["#########...########"] * 16],
        # 7. The water tower's roof: a rest, a magazine, the checkpoint.
        # From the tower, planks climb up and out to the left: the secret.
        [SKY,
         SKY,
         "..+ooo..............",
         ".-----..............",
         SKY,
         "......ooo...........",
         ".....-----..........",
         SKY,
         SKY,
         *["...........####....."] * 3,
         "....m......####.C...",
         *[F] * 17],
        # 8-9. The cathedral: up a buttress to the west tower, then its
        # ridge of crumbling slates over the void, a pinnacle, more crumbling
        # slates with a ghost coming, the east tower and down its far side.
        ["....................ooo...........9.....",
         "." * 40,
         "." * 40,
         "......ooo...............................",
         "." * 40,
         "....#####xxxxxxxx##xxxxxxxx#######......",
         *["....#####........##........#######......"] * 2,
         *["..#######........##........#########...."] * 3,
         *["#########........##........#############"] * 17],
        # 10-11. Down the house's face: right along its top ledge past a
        # hopper, a magazine there; back left along the middle ledge; right
        # along the scaffold's boards to the house's archway, a turret at her
        # back firing after her along the boards. (The ledges are solid: she
        # cannot drop through boards, so no boards lie over other boards.)
        [*["." * 40] * 6,
         "." * 38 + "##",
         *["." * 38 + "##"] * 2,
         "........ooo..........................." + "##",
         "." * 38 + "##",
         "..m...........8......................." + "##",
         "." * 38 + "##",
         "#" * 20 + "." * 18 + "##",
         *["." * 38 + "##"] * 2,
         "." * 24 + "ooo" + "." * 11 + "##",
         "." * 38 + "##",
         "." * 16 + "#" * 22 + "##",
         *["." * 38 + "##"] * 2,
         "..m......................ooo.........." + "..",
         "r" + "." * 39,
         "-" * 38 + "##",
         *["." * 38 + "##"] * 6],
        # 12. Through the house's archway onto a long roof, a magazine, a
        # reaper patrolling it.
        [*[SKY] * 6,
         *["######.............."] * 14,
         "######....ooo.......",
         SKY,
         "......m....5........",
         *["#################..."] * 7],
        # 13. A met on the next roof; up onto a raised roof, a hovering
        # hopper over a narrow alley.
        [*[SKY] * 13,
         "...............7....",
         SKY,
         "..........ooo.......",
         SKY,
         *[".........#####...###"] * 3,
         "......2..#####...###",
         *["##############...###"] * 9],
        # 14. A roof of chimney pots, each a vent that burns 2 s in every 5,
        # a met beyond them.
        [*[SKY] * 13,
         "..........ooo.......",
         SKY,
         SKY,
         ".....U....U....2....",
         *[F] * 13],
        # 15. A shop sign swings over the next alley, a hovering hopper
        # above it.
        [*[SKY] * 12,
         "............7.......",
         SKY,
         "........ooo.........",
         SKY,
         ".........=..........",
         *["######........######"] * 13],
        # 16. The last roofs slide away: crumbling tiles step down across an
        # alley, a ghost behind her; a chimney pot's vent on the roof beyond.
        [*[SKY] * 12,
         "..9.................",
         "......ooo...........",
         SKY,
         "####xx..............",
         "####..xx............",
         "####....xx..........",
         "####......xx....U...",
         *["####........########"] * 10],
        # 17. Down from the roofs into the lamp-lit square: an awning, a
        # togezo by the fountain, the mirror by the house wall.
        [*[SKY] * 14,
         *["...................#"] * 2,
         "..........ooo......#",
         *["...................#"] * 3,
         *["#####..............#"] * 3,
         "#####.----.........#",
         "#####..............#",
         "#####.....3.....G..#",
         *[F] * 4],
        height=30)
    s = drawn("stage5_2", "Stage 5-2, rooftops at dusk: the chase across the city.", "roofs", rows,
              ["Keep running: roofs at every height, ghosts drifting after her, a turret,",
               "hoppers over the alleys; the cathedral's ridge of crumbling slates;",
               "down from the roofs into the lamp-lit square and its mirror."])
    chimney_pots(s)
    return dressed(s, "roofs", density=0.2)


@stage
def stage5_3():
    W = "#" * 20
    rows = sketch(
        # 1. The long hall, eleven rows high: a gallery of coins, and the
        # first ghost alone in the open, drifting towards her.
        [*[W] * 16,
         *["##.................."] * 3,
         "##...............9..",
         *["##.................."] * 2,
         "##.......oooo.......",
         "##......------......",
         *["##.................."] * 2,
         "##..S..m............",
         W, W, W],
        # 2. A marionette over the hall; a block with a circling fireball
        # low over the floor (pass under it while the fire is up); a floor
        # of crumbling boards over spikes.
        [*[W] * 16,
         SKY,
         SKY,
         "..........0.........",
         *[SKY] * 3,
         "...............ooo..",
         "....g...............",
         *[SKY] * 3,
         "############xxxxxx##",
         "############^^^^^^##",
         W],
        # 3. Stacked galleries: the lower one over a spiked floor, the upper
        # one with coins and a ghost above; a reaper on the floor beyond.
        [*[W] * 16,
         SKY,
         "...............9....",
         "............oooo....",
         "...........------...",
         *[SKY] * 3,
         "...----------.......",
         SKY,
         SKY,
         ".................5..",
         "###^^^^^^^^#########",
         W, W],
        # 4. A togezo on the floor, a swinging spike ball in the hall, a
        # gallery of coins; the checkpoint, and a door that shuts behind her.
        [*[W] * 16,
         *["...................#"] * 6,
         "....oooo...........#",
         "...------..........#",
         "...........!.......#",
         "...................B",
         "..m......3......C..b",
         W, W, W],
        # 5-6. The grand staircase, the stage's heart: along its floor under
        # the landings (a reaper), up at the right end onto the first landing,
        # back left along it under hanging spikes, up at the left end onto the
        # second, and right again past a marionette to the upper storey. High
        # in the stairwell's left wall a niche holds the secret; planks climb
        # to it from the second landing.
        ["#" * 40,
         "." * 40,
         "." * 40,
         "." * 40,
         "ooo+" + "." * 36,
         "oooo" + "." * 36,
         "####" + "." * 36,
         "####" + "." * 36,
         "####" + "..." + "ooo" + "." * 30,
         "####" + ".." + "------" + "." * 28,
         "####" + "." * 30 + "0" + "." * 5,
         "####" + "." * 36,
         "####" + "." * 9 + "ooo" + "." * 24,
         "####" + "." * 8 + "------" + "." * 22,
         "####" + "." * 33 + "###",
         "####" + "." * 22 + "9" + "." * 10 + "###",
         "####" + "." * 16 + "m" + "." * 16 + "###",
         "####" + "..." + "#" * 33,
         "####" + "." * 6 + "vvv" + "." * 6 + "vvv" + "." * 6 + "vvv" + "." * 9,
         "####" + "." * 36,
         *["#######" + "." * 33] * 2,
         "#" * 34 + "." * 6,
         "." * 38 + "oo",
         "." * 40,
         "." * 37 + "###",
         "." * 25 + "5" + "." * 11 + "###",
         *["#" * 40] * 3],
        # 7. The upper storey, the portrait gallery: a second checkpoint at
        # the top of the stairs; a crumbling bridge over a spiked hole, a
        # ghost over it, a gallery of coins.
        [W,
         SKY,
         SKY,
         "..........9.........",
         SKY,
         SKY,
         SKY,
         ".........oooo.......",
         "........------......",
         SKY,
         SKY,
         "..C.................",
         "######xxxxxx########",
         "######......########",
         "######^^^^^^########",
         *[W] * 15],
        # 8. Two blocks of circling fire in the gallery, a reaper between
        # them; a magazine.
        [W,
         SKY,
         SKY,
         SKY,
         SKY,
         ".........ooo........",
         "....................",
         SKY,
         SKY,
         "....g..........h....",
         SKY,
         "..m......5..........",
         *[W] * 18],
        # 9. Boards over a spiked floor, crumbling in their middle, a ghost
        # coming over them.
        [W,
         SKY, SKY, SKY,
         "..........9.........",
         SKY, SKY,
         "......oooooo........",
         "..------xxxx------..",
         SKY, SKY, SKY,
         "####^^^^^^^^^^^^####",
         *[W] * 17],
        # 10. A dais across the gallery with a reaper on it; a togezo beyond,
        # a magazine before it.
        [W,
         SKY, SKY, SKY, SKY,
         "..........ooo.......",
         SKY, SKY,
         "..........5.........",
         "......########......",
         "......########......",
         "..m...########..3...",
         *[W] * 18],
        # 11. A long crumbling bridge over spikes under a marionette's knives.
        [W,
         SKY, SKY,
         ".........0..........",
         SKY, SKY, SKY, SKY,
         ".....oooooooo.......",
         SKY, SKY, SKY,
         "###xxxxxxxxxxxx#####",
         "###............#####",
         "###^^^^^^^^^^^^#####",
         *[W] * 15],
        # 12. The ceiling comes down: a low hall with a block of circling
        # fire in it and a togezo at each end.
        [W,
         *[W] * 5,
         SKY,
         "..........ooo.......",
         SKY,
         "..........g.........",
         SKY,
         "...3..............3.",
         *[W] * 18],
        # 13. Steps over the boards under a swinging spike ball, a ghost
        # coming, a magazine beyond.
        [W,
         SKY, SKY, SKY,
         "..............9.....",
         SKY,
         ".......ooo..........",
         SKY,
         ".....!..............",
         "........####........",
         "....############....",
         "....############..m.",
         *[W] * 18],
        # 14. A monoeye on the boards under a shelf of coins, a hovering
        # hopper over a spiked dip.
        [W,
         SKY,
         SKY,
         SKY,
         SKY,
         SKY,
         SKY,
         "...oooo.............",
         "..------......7.....",
         SKY,
         SKY,
         "....6...............",
         "##########^^^^######",
         *[W] * 17],
        # 15. The chapel: a door shuts behind her; steps up to the altar and
        # its mirror, a marionette keeping watch above the pews.
        [W,
         "..#.................",
         "..#.................",
         "..#.........0.......",
         "..#.................",
         "..#.................",
         "..#.................",
         "..#..........ooo....",
         "..#.................",
         "..#..............G..",
         "..B.............####",
         "..b.........########",
         *[W] * 18],
    )
    s = drawn("stage5_3", "Stage 5-3, mansion halls: the haunted wing.", "mansion", rows,
              ["Ghosts that drift through walls, met in the open halls: the long hall's",
               "galleries, the grand staircase turning back and forth, the portrait",
               "gallery, and the chapel's altar with the mirror."])
    return dressed(s, "mansion", density=0.2)


@stage
def stage5_4():
    W = "#" * 20
    A = "." * 20
    rows = sketch(
        # 1. The top gallery under the chapel floor: a crate to hop, a togezo.
        [*[W] * 3,
         *[A] * 3,
         "..........ooo.......",
         "....................",
         "...S..m....k....3...",
         *[W] * 21],
        # 2. The first drop, three rows onto open floor, a met under a plank of coins.
        [*[W] * 3,
         *[A] * 4,
         ".............ooo....",
         "............-----...",
         "########............",
         "########............",
         "########.....2......",
         *[W] * 18],
        # 3. A deeper drop to the upper crypt, a death pacing it. Below, the
        # return passage ends at a hole down to the deep corridor and the
        # checkpoint.
        [*[W] * 3,
         *["......##############"] * 2,
         *[A] * 5,
         "..........o.o.o.....",
         A,
         "######..............",
         "######..............",
         "######..............",
         "######.........5....",
         W,
         *["###................."] * 2,
         "###.....o.o.o.......",
         "###.................",
         "###...##############",
         *["###................."] * 3,
         "###...C..m..........",
         *[W] * 4],
        # 4. Along the upper crypt (a monoeye, a plank of coins); a togezo in
        # the passage below, a death in the corridor below that.
        [*[W] * 5,
         *[A] * 5,
         ".........o.o........",
         A,
         ".......-----........",
         *[A] * 2,
         "...6................",
         W,
         *[A] * 3,
         "..........3.........",
         W,
         *[A] * 3,
         "......5.............",
         *[W] * 4],
        # 5. Spikes on the upper floor under a plank; hanging spikes in the
        # passage's ceiling below (she walks there, no jumping), a met in each.
        [*[W] * 5,
         *[A] * 5,
         "....oooooo..........",
         A,
         "...--------.........",
         *[A] * 2,
         "....^^^^^^.....2....",
         W,
         ".......v.......v....",
         A,
         "...o.o.o............",
         "...........2........",
         W,
         *[A] * 3,
         "....m......o.o.o....",
         *[W] * 4],
        # 6. The upper crypt ends at a wall over a hole: a ghost waits above it.
        # She drops into the return passage and walks back left under the way
        # she came; the deep corridor runs on right, under both, to the well.
        [*[W] * 5,
         *["..................##"] * 4,
         "...........9......##",
         *["..................##"] * 5,
         "....2.............##",
         "#############.....##",
         *["..................##"] * 2,
         "......o.o.o.......##",
         ".......m..........##",
         W,
         *[A] * 3,
         "...3................",
         *[W] * 4],
        # 7-9. The gilded well: its floor is a bed of spikes; catwalks hang in
        # a zigzag up its left side to the stone bridge across its top. High
        # on the left a plank holds the secret.
        [*[W] * 3,
         *[A] * 3,
         "..........+ooooooooo",
         "..........----------",
         *[A] * 6,
         "..............______",
         *[A] * 2,
         "......______........",
         *[A] * 2,
         "..............______",
         *[A] * 2,
         "......______........",
         A,
         "......^^^^^^^^^^^^^^",
         *[W] * 4],
        [*[W] * 3,
         *[A] * 3,
         "o...................",
         "-...................",
         *[A] * 3,
         "..######################"[:20],
         *[A] * 6,
         "..........0.........",
         *[A] * 6,
         "^" * 20,
         *[W] * 4],
        [*[W] * 3,
         *[A] * 2,
         ".....9..............",
         *[A] * 3,
         ".......o.o.o........",
         A,
         "#########...########",
         *[A] * 13,
         "^" * 20,
         *[W] * 4],
        # 10-11. The last crypt on the well's far side: a crumbling bridge over
        # a spiked pit, a marionette, a plain pit, a togezo.
        [*[W] * 3,
         *[A] * 4,
         "...........oooo.....",
         "...........----.....",
         A,
         "..m.................",
         "#########xxxxxx#####",
         "#########......#####",
         "#########......#####",
         "#########^^^^^^#####",
         *[W] * 15],
        [*[W] * 3,
         *[A] * 5,
         ".............oo.....",
         A,
         ".0..............3...",
         "##########....######",
         "##########....######",
         "##########....######",
         "##########^^^^######",
         *[W] * 15],
        # 12. The guarded low hall: a raised floor under hanging spikes (walk,
        # never jump) with a death pacing it: shoot it from the step.
        [*[W] * 3,
         ".....###########....",
         ".....###########....",
         "......v.v.v.v.v.....",
         A,
         "..........5.........",
         "....############....",
         "....############....",
         "..o.############.o..",
         *[W] * 19],
        # 13. The threshold of the throne: a gilded stair to the great door,
        # low enough on the screen for the score never to cover the mirror.
        [*[W] * 3,
         *["...................#"] * 4,
         "...............G...#",
         "..........##########",
         "........NN##########",
         "......NNNN##########",
         *[W] * 19],
    )
    s = drawn("stage5_4", "Stage 5-4, catacombs: the last descent, down and across the gilded well.",
              "catacombs", rows,
              ["Down through the catacombs in drops she sees before she takes them: a return",
               "passage back left under her own way, the deep corridor, then the gilded well's",
               "catwalks over a bed of spikes to its bridge, and the stair to the throne's door."])
    return dressed(s, "catacombs", density=0.2)


@stage
def stage5_boss():
    s = lay("stage5_boss", "Stage 5 boss, throne room: the master of the house, in two forms.", "throne", 44)
    s.note("A throne hall one screen wide with room above for the 272-pixel second form.")
    boss_arena(s, "throne", approach=16, arena=28, boss_height=5)
    s.on(2, START)
    s.on(8, MAGAZINE)
    s.on(12, MAGAZINE)
    s.fill(0, 44, 0, 1)
    s.planks(22, 26, s.top - 4)
    s.planks(34, 38, s.top - 4)
    s.planks(28, 32, s.top - 7)
    # two forms, 240 hit points between them: spare magazines on the shelves
    # and the gallery above them, and one more on the way in
    s.put(24, s.top - 5, MAGAZINE)
    s.put(36, s.top - 5, MAGAZINE)
    s.put(30, s.top - 8, MAGAZINE)
    dress(s, "throne", density=0.2)
    return s


# ============== The trial course: a sampler of the full game ==============

def the_riverside_lesson(s):
    """The trial's own first screens: the same controls taught in the same
    order as 1-1's lesson, on other ground (a bank to climb, a rock wall,
    a brook), so a player who plays both courses does not meet the same
    place twice. As there, the ground stands a row high so that the first
    signs' boards stay above the stage's name. The met comes alone on open,
    flat ground, well after the pit's landing. Returns the column where the
    lesson ends."""
    s.fill(0, 11, 11)                         # the start, above the HUD corner
    s.put(4, 10, START)
    s.sign(8, SIGN_MOVE)
    s.fill(11, 50, 12)
    s.sign(16, SIGN_JUMP)
    s.fill(19, 27, 10)                        # a grassy bank, two cells up and down again
    s.coins(20, 26, 9)
    s.sign(30, SIGN_HIGH_JUMP)
    s.fill(33, 35, 9)                         # a rock wall, three cells high
    s.arc(32, 4, 8)
    s.sign(39, SIGN_SHOOT)
    s.on(37, MAGAZINE)                        # two spares: holding Z empties the gun fast
    s.on(42, MAGAZINE)
    s.on(48, BRAIN)                           # the first enemy: alone, slow, in the open
    s.arc(49, 5, 11)                          # the brook: the first pit, three cells wide
    s.fill(53, 72, 13)
    s.sign(59, SIGN_STOMP)                    # a stretch of open ground before the met
    s.on(67, MET)                             # alone on flat ground: jump onto it
    return 72


@stage
def trial1_1():
    s = lay("trial1_1", "Trial 1, moonlit forest: the swinging bridges.", "forest", 294)
    s.note("Taught by signs; the idea is crossing: a pit, stepping stones, swinging platforms "
           "over the ravines, a plank bridge to the mirror.")
    the_riverside_lesson(s)
    s.fill(72, 76, 11)
    s.fill(76, 88, 9)
    s.on(83, BRAIN)
    s.planks(78, 84, 5); s.coins(79, 83, 4)
    s.arc(87, 6, 9)
    s.fill(92, 108, 11)
    s.on(98, MAGAZINE); s.on(104, MONOEYE)
    # the first swinging bridge: two platforms over a ravine too wide to jump
    s.put(111, 10, FLOATING); s.put(115, 10, FLOATING)
    s.coins(111, 117, 7)
    s.fill(120, 140, 11)
    checkpoint(s, 126)
    s.on(132, MAGAZINE)
    # stepping stones, a hopper on the middle one
    s.ledge(142, 145, 9); s.ledge(148, 151, 7); s.ledge(154, 157, 9)
    s.put(149, 6, HOPPER)
    s.put(143, 8, COIN); s.put(155, 8, COIN)
    s.fill(159, 184, 11)
    s.on(164, BRAIN); s.on(170, MET); s.on(181, MONOEYE)
    # a step up to a ledge that runs back left; above its far end the secret
    s.ledge(175, 179, 8)
    s.ledge(162, 175, 5)
    s.coins(165, 172, 4)
    s.planks(151, 165, 2)                     # secret: a branch out of view to the left
    s.coins(153, 163, 1)
    s.put(152, 1, ONEUP)
    # the second swinging bridge, wider, with a rest on a pillar in the middle
    s.put(187, 10, FLOATING)
    s.fill(192, 195, 10)
    s.on(193, COIN)
    s.put(197, 10, FLOATING)
    s.fill(202, 252, 11)
    s.on(208, BRAIN); s.on(213, MAGAZINE)
    s.fill(216, 228, 7, 9)                    # a fallen log: coins on top, a met beneath
    s.coins(218, 226, 6)
    s.on(222, MET)
    s.on(236, MONOEYE); s.on(245, BRAIN)
    # the plank bridge, a step up, and the mirror on its knoll, low enough that
    # the score never covers it
    s.fill(252, 256, 10)
    s.planks(256, 272, 10)
    s.coins(259, 269, 8)
    s.put(264, 9, BRAIN)
    s.fill(272, 278, 9)
    s.fill(278, 294, 8)
    s.trim(294)
    s.on(289, GOAL)
    s.fill(293, 294, 0, 8)
    dress(s, "forest")
    return s


@stage
def trial1_2():
    rows = sketch(
        # 1. The first flame jet, high on a housing, bursts where it cannot reach her.
        ["....................",
         *[SKY] * 4,
         *["............####...."] * 3,
         "...........L####....",
         "............####....",
         "....................",
         ".................###",
         ".....S..m........###",
         "####################",
         "####################"],
        # 2. Vents in the floor; the catwalk above them is the safe way.
        ["....................",
         *[SKY] * 5,
         "..oooo...ooo........",
         "..______________....",
         "....................",
         "....................",
         "....U....U....U.....",
         *["####################"] * 3,
         "####################"],
        # 3. A mecha alone on open floor, then planks under jets over the spikes.
        ["....................",
         *[SKY] * 5,
         "...............#....",
         "...............D....",
         "....................",
         "....................",
         "..m.....4.....---...",
         "############........",
         "############........",
         "############^^^^^^^^",
         "####################"],
        # 4. Two more planks under jets, a hovering hopper, the landing.
        ["....................",
         *[SKY] * 5,
         ".#..................",
         ".D.....7............",
         "....................",
         "....................",
         "---...---......m....",
         "...........#########",
         "...........#########",
         "^^^^^^^^^^^#########",
         "####################"],
        # 5. Swinging platforms over the spikes, a jet where they meet; the checkpoint.
        ["...................#",
         *["...................#"] * 6,
         "........#..........#",
         "........D..........#",
         "...................#",
         "...=.......=.......#",
         "....................",
         ".................C..",
         "^^^^^^^^^^^^^^^^####",
         "####################"],
        # 6-7. The shaft: up three floors, left and right, past jets in its walls.
        ["....................",
         *[SKY] * 3,
         "####################",
         "....................",
         "....................",
         "----################",
         "....................",
         "R...................",
         "####################",
         "....................",
         "..........U.........",
         "####################",
         "####################"],
        ["..........",
         *[SKY[:10]] * 3,
         "########--",
         "..........",
         "..........",
         "##########",
         "..........",
         "..........",
         "#######---",
         "..........",
         "....2.....",
         "##########",
         "##########"],
        ["....................",
         "....................",
         "....................",
         "............8.......",
         "--##################",
         "..#.................",
         ".L#.................",
         "###.................",
         "..#.................",
         "..#.................",
         "--#.................",
         "..#.................",
         ".l#.................",
         "###^^^^^^^^^^^^^^^^^",
         "####################"],
        # 8-9. The bridge ends; a long ledge back to the left, down to the works'
        # floor and right again beneath it, a mecha and a turret in the low hall.
        ["....................",
         "....................",
         "......7.............",
         "....................",
         "####################",
         "....................",
         "....................",
         ".....o.o.o.o.o.m....",
         "....################",
         "##..................",
         "##..................",
         "##........4.........",
         "####################",
         "####################",
         "####################"],
        ["..........",
         *[SKY[:10]] * 3,
         "##########",
         "..........",
         "..........",
         "...o..o...",
         "##########",
         *[SKY[:10]] * 3,
         "##########",
         "##########",
         "##########"],
        ["....................",
         "....................",
         "....................",
         "........8...........",
         "##########..........",
         *[SKY] * 3,
         "############........",
         "....................",
         "....................",
         "................l...",
         "####################",
         "####################",
         "####################"],
        # 10. Two floor vents in step, then the mirror on its plinth.
        ["....................",
         "....................",
         "....................",
         *["...................#"] * 3,
         "...........o.o.o...#",
         "...................#",
         "...................#",
         "...............G...#",
         "...........#########",
         ".....U..U..#########",
         "####################",
         "####################",
         "####################"],
    )
    s = drawn("trial1_2", "Trial 2, clock tower: the tower's works, where flame jets keep time.",
              "clock", rows,
              ["Jets burn 2 s of every 5: seen from below, stepped over, timed on planks,",
               "timed again across the shaft's floors, and a last pair before the mirror."])
    return dressed(s, "clock", density=0.18)


@stage
def trial1_3():
    rows = sketch(
        # 1. The first crumbling blocks lie on the floor itself: they break, she stands.
        ["####################",
         *[SKY] * 11,
         ".....S..m..xxxxx....",
         "####################",
         "####################"],
        # 2. A crumbling bridge over a pit, a brain on the far side, stairs up.
        ["####################",
         *[SKY] * 8,
         "................####",
         "................####",
         ".....oooooo..1######",
         ".............#######",
         "#####xxxxxx#########",
         "#####......#########"],
        # 3. A marionette over the hall; single crumbling stones over spikes.
        ["####################",
         *[SKY] * 6,
         "......0.............",
         "..........o..o..o...",
         "########..x..x..x..#",
         *["########...........#"] * 3,
         "########^^^^^^^^^^##",
         "####################"],
        # 4. A long crumbling bridge under a marionette's knives.
        ["####################",
         *[SKY] * 3,
         ".........0..........",
         "....................",
         "....................",
         ".....oooooooo.......",
         "....................",
         "####xxxxxxxxxx######",
         *["####..........######"] * 4,
         "####..........######"],
        # 5. Up over the spikes on crumbling steps to a ledge, down again.
        ["####################",
         *[SKY] * 3,
         "..........m.........",
         "........#####.......",
         "....................",
         "....xx.........xx...",
         "....................",
         *["##................##"] * 4,
         "##^^^^^^^^^^^^^^^^##",
         "####################"],
        # 6. Rest, checkpoint, and the gate into the low corridor.
        ["####################",
         *["........############"] * 6,
         "........B...........",
         "...C.m..b.....2.....",
         "####################",
         *["########............"] * 3,
         "####################",
         "####################"],
        ["##########",
         *["##########"] * 6,
         "..........",
         ".....1....",
         "##########",
         *[SKY[:10]] * 3,
         "##########",
         "##########"],
        # 7. The corridor's end gives way: down into the cellar, a ghost below.
        ["####################",
         *["############........"] * 6,
         "....o.o.o..#........",
         "...........#........",
         "######xxxxx#........",
         "....................",
         "................9...",
         "....................",
         "####################",
         "####################"],
        # 8. Out into the great hall: a puppet above, stairs to the upper floor, fire.
        ["####################",
         *[SKY] * 3,
         "...........0........",
         "...............g....",
         *[SKY] * 3,
         "............########",
         "............########",
         "........############",
         "...m....############",
         "####################",
         "####################"],
        # 9. The upper floor: a crumbling bridge over spikes, a monoeye waiting.
        ["####################",
         *[SKY] * 6,
         "......oooooo........",
         "...............6....",
         "#####xxxxxx#########",
         *["#####......#########"] * 3,
         "#####^^^^^^#########",
         "####################"],
        # 10. Floors that fall away in turn, a ghost drifting after her.
        ["####################",
         *[SKY] * 4,
         "...........9........",
         "....................",
         "....o.....o.....o...",
         "....................",
         "###xxx###xxx###xxx##",
         *["###...###...###...##"] * 4,
         "###...###...###...##"],
        # 11. Crumbling steps up to a gallery over the spikes, a ghost behind her.
        ["####################",
         "....................",
         "....................",
         ".................9..",
         ".........1..........",
         ".......######.......",
         "....................",
         "...xx..........xx...",
         "....................",
         *["##................##"] * 4,
         "##^^^^^^^^^^^^^^^^##",
         "####################"],
        # 12. A quiet hall before the end.
        ["####################",
         *[SKY] * 7,
         "......m......2......",
         *["####################"] * 5,
         "####################"],
        # 13. A crumbling stair climbs to the balcony and its mirror, which
        # stands low enough for the score never to cover it.
        ["##########.........#",
         *["...................#"] * 6,
         "...............G...#",
         "..........o..#######",
         ".......o..xx.#######",
         ".......xx....#######",
         *["######.......#######"] * 3,
         "######.......#######"],
    )
    s = drawn("trial1_3", "Trial 3, mansion halls: floors that give way.", "mansion", rows,
              ["Crumbling floors met on solid ground, over a pit, as stepping stones,",
               "as the corridor's end that drops her to the cellar, and as the last stair."])
    return dressed(s, "mansion", density=0.2)


@stage
def trial_boss():
    s = lay("trial_boss", "Trial boss, catacombs: the walking brain in the chalk yard.", "catacombs", 40)
    s.note("An open yard: the brain starts on a dais at the far end, and two planks at")
    s.note("two heights let her jump up through them, out of its walk, and shoot down.")
    boss_arena(s, "catacombs", approach=14, arena=26)
    s.on(2, START)
    s.on(6, MAGAZINE)
    s.fill(30, 39, s.top - 1)           # the dais, one step up, under the brain
    s.chips[s.top - 1][s.width - 4] = 0  # the mirror stands on the dais instead
    s.put(s.width - 4, s.top - 2, BOSS_GOAL)
    s.planks(18, 24, s.top - 4)         # a low plank to jump up through
    s.planks(24, 29, s.top - 6)         # and a higher one, a spare magazine on it
    s.put(26, s.top - 7, MAGAZINE)
    dress(s, "catacombs", density=0.15)
    return s


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    for make in STAGES:
        s = make()
        world_haze(s)
        s.set_in_scenery(HAZED_VARIANTS.get(s.theme["look"]))
        s.weather_masses()
        s.write(os.path.join(out, s.name + ".map"), SCENERY_NAMES)
        print(f"{s.name}: {s.width} x {s.height} (planned {s.planned})")


if __name__ == "__main__":
    main()
