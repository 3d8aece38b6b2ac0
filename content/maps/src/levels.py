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
    10: "back wall: soil", 110: "back wall: brick", 210: "back wall: wood panels",
    310: "back wall: stone", 410: "back wall: sandstone", 510: "back wall: marble",
    11: "dead tree, branches", 12: "dead tree, trunk", 13: "dead tree, roots",
    211: "bush, left half", 311: "bush, right half", 212: "mushrooms", 312: "grass tuft",
    411: "wooden fence", 412: "gravestone on a mound", 511: "hanging lantern",
    512: "wooden torch", 14: "chimney top", 15: "chimney body", 114: "lit window",
    214: "dark window", 115: "television aerial", 215: "washing line", 314: "cloud, left",
    414: "cloud, middle", 514: "cloud, right", 315: "full moon", 415: "stars",
    17: "arched window, top", 18: "arched window, bottom", 117: "pillar capital",
    118: "pillar shaft", 119: "pillar base", 217: "portrait", 317: "candelabra",
    218: "chandelier", 318: "wallpaper", 417: "brass wall torch", 418: "blue vase",
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
    922: "gilded gargoyle", 1022: "gothic lancet window", 1122: "gold hanging lamp",
    1222: "pennant", 1322: "practice butt", 1422: "signal lantern",
}

# Each world's own props, by its look: (standing on the ground, hanging from
# ceilings, on the wall above the ground). World 1 has none: its themes' own
# scenery is its look.
WORLD_PROPS = {
    "embers": ([22, 122, 222], [], []),
    "slate": ([422, 522], [322], []),
    "frost": ([622, 722], [822], []),
    "gilded": ([922], [1122], [1022]),
    "chalk": ([1222, 1322, 1422], [], []),
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
    spots = list(standing_spots(s))
    if kind in ("forest", "roofs", "clock"):
        sky(s, rng, moon=kind != "roofs" or rng.random() < 0.5)
    props = WORLD_PROPS.get(s.theme["look"])
    for x, top in spots:
        if rng.random() > density or not free(s, x, top - 1):
            continue
        if props and rng.random() < 0.4:
            ground, _, wall = props
            if wall and rng.random() < 0.3 and free(s, x, top - 3):
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
    key sign where it is first needed, over safe ground. Returns the column
    where the lesson ends (flat ground at row 13 from the pit's far side)."""
    s.fill(0, 11, terrace)                    # the start, above the HUD corner
    s.put(4, terrace - 1, START)
    s.sign(7, SIGN_MOVE)
    s.fill(11, 46, 13)
    s.sign(14, SIGN_JUMP)
    s.fill(18, 20, 11)                        # a fallen trunk, two cells high
    s.arc(17, 4, 10)
    s.sign(22, SIGN_HIGH_JUMP)
    s.fill(25, 27, 10)                        # a boulder, three cells high
    s.coins(25, 27, 9)
    s.sign(30, SIGN_SHOOT)
    s.on(28, MAGAZINE)                        # two spares: holding Z empties the gun fast
    s.on(33, MAGAZINE)
    s.on(42, BRAIN)                           # the first enemy: alone, slow, in the open
    s.planks(35, 40, 10)
    s.coins(36, 39, 9)
    s.arc(45, 5, 12)                          # the first pit, after the jump was taught
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
    # the last climb: up the hill in steps, a branch over the gully, the mirror on top
    s.fill(300, 306, 10)
    s.fill(306, 312, 8)
    s.on(310, BRAIN)
    s.planks(313, 317, 6)
    s.put(314, 5, COIN); s.put(315, 5, COIN)
    s.fill(318, 340, 7)
    s.on(326, MONOEYE)
    s.trim(340)
    s.on(335, GOAL)
    s.fill(339, 340, 0, 7)                    # the hill's far side closes the stage
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


def brain_crypt(name, title, note):
    """The walking brain's crypt: flat, one screen wide, two ledges to dodge from."""
    s = lay(name, title, "catacombs", 40)
    s.note(note)
    boss_arena(s, "catacombs", approach=14, arena=26)
    s.on(2, START)
    s.on(6, MAGAZINE)
    s.ledge(20, 24, s.top - 4)
    s.ledge(30, 34, s.top - 4)
    dress(s, "catacombs", density=0.15)
    return s


@stage
def stage1_boss():
    return brain_crypt("stage1_boss", "Stage 1 boss, catacombs: the walking brain in its crypt.",
                       "A flat crypt, one screen wide, for the jumping, fire-throwing brain.")


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
        height=30)
    s = drawn("stage2_1", "Stage 2-1, autumn forest: the swinging platforms over the gorge.",
              "forest", rows,
              ["Swinging platforms over ravines too wide to jump; the gorge wall's four floors;",
               "the high crossing to the crag; the secret on a branch above the wall's top."])
    return dressed(s, "forest")


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
        height=30)
    s = drawn("stage2_2", "Stage 2-2, rooftops at dusk: up through the boiler house, over the burning chimneys.",
              "roofs", rows,
              ["Vents that burn 2 s in every 5: shown from a washing line, then in her roofs;",
               "the boiler house's five floors, a turret and jets; chimney pots breathing fire",
               "sideways; the gantry's hanging jets; the mirror on the great chimney."])
    # An idle jet draws nothing: each vent in a roof burns out of a chimney
    # pot, so she sees where the fire will come before it comes.
    for y, row in enumerate(s.chips):
        for x, code in enumerate(row):
            if code == BURNER_U:
                s.chips[y][x] = 0
                s.scenery[y][x] = 14  # chimney top
                s.objects[y][x] = BURNER_U
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
    s = lay("stage3_1", "Stage 3-1, moonlit forest: up the great tree and over the canopy.", "forest", 190, height=30, ground=28)
    s.note("A tall map: climb one-way branches to the canopy, cross it, drop down the far side.")
    begin(s, 10)
    x = s.flat(10); s.on(x + 5, BRAIN); s.on(x + 2, MAGAZINE)
    x0 = s.flat(16)
    top = climb(s, x0, s.top, 5, width=14)
    s.on(x0 + 12, MET)
    # the canopy: a long ledge high up, the ground below full of spikes
    canopy = top
    s.ledge(x0 + 10, x0 + 60, canopy)
    s.pit(40, spikes=True)
    s.put(x0 + 24, canopy - 1, HOPPER); s.put(x0 + 36, canopy - 1, BRAIN)
    s.put(x0 + 30, canopy - 1, CHECKPOINT); s.put(x0 + 33, canopy - 1, MAGAZINE)
    s.put(x0 + 44, canopy - 1, MONOEYE); s.put(x0 + 50, canopy - 3, ONEUP)
    s.coins(x0 + 16, x0 + 22, canopy - 1)
    # down the far side on ledges
    s.ledge(x0 + 60, x0 + 64, canopy + 4)
    s.ledge(x0 + 56, x0 + 60, canopy + 8)
    s.top = 28
    x = s.flat(14); s.on(x + 8, HOPPER)
    gaps(s, [0, 4, 8, 4, 8], enemy=BRAIN)
    x = s.flat(16); s.on(x + 6, DEATH); s.on(x + 2, MAGAZINE)
    stairs(s, [3, 3, 3], width=5)
    x = s.flat(10); s.on(x + 5, HOVERER)
    stairs(s, [-3, -3, -3], width=5)
    return finish(s, "forest")


@stage
def stage3_2():
    s = lay("stage3_2", "Stage 3-2, rooftops at dusk: the steeple climb.", "roofs", 180, height=26, ground=24)
    s.note("Roofs climb in tall steps to a belfry walk, then fall away in a run of crumbling eaves.")
    begin(s, 10)
    x = s.flat(8); s.on(x + 4, MAGAZINE)
    for rise in (3, 3, 3, 3):
        s.top -= rise
        x = s.flat(7); s.on(x + 4, HOPPER if rise % 2 else BRAIN)
    x = s.flat(10); checkpoint(s, x + 3); s.on(x + 6, MAGAZINE)
    floaters(s, 10, 1)
    x = s.flat(12); s.on(x + 6, MARIONETTE)
    crumble_bridge(s, 6)
    x = s.flat(10); s.on(x + 5, MONOEYE)
    for rise in (-3, -3, -3):
        s.top -= rise
        x = s.flat(7); s.on(x + 4, MET)
    gaps(s, [0, 4, 10, 4, 10], enemy=HOPPER)
    x = s.flat(12); s.on(x + 3, MAGAZINE); s.on(x + 8, HOVERER)
    s.planks(x + 5, x + 9, s.top - 4); s.put(x + 6, s.top - 8, ONEUP)
    s.planks(x + 4, x + 8, s.top - 7)
    return finish(s, "roofs")


@stage
def stage3_3():
    s = lay("stage3_3", "Stage 3-3, mansion halls: the library's galleries.", "mansion", 170, height=30, ground=28)
    s.note("Up through three galleries on one-way shelves, across the top, then back down.")
    s.fill(0, 400, 0, 1)
    begin(s, 10)
    x = s.flat(10); s.on(x + 5, MARIONETTE); s.on(x + 2, MAGAZINE)
    x0 = s.flat(20)
    # three galleries, each a solid floor with one-way shelves at alternating ends
    for i, row in enumerate((24, 20, 16)):
        if i % 2 == 0:
            s.ledge(x0 + 4, x0 + 20, row)
            s.planks(x0, x0 + 4, row)
        else:
            s.ledge(x0, x0 + 16, row)
            s.planks(x0 + 16, x0 + 20, row)
    s.put(x0 + 10, 23, BRAIN); s.put(x0 + 8, 19, MET); s.put(x0 + 12, 15, MONOEYE)
    s.put(x0 + 6, 15, MAGAZINE)
    # the top walk over a spiked floor
    s.ledge(x0 + 20, x0 + 70, 12)
    s.pit(50, spikes=True)
    s.put(x0 + 23, 11, CHECKPOINT)
    s.put(x0 + 30, 11, MARIONETTE); s.put(x0 + 42, 11, DEATH); s.put(x0 + 55, 11, MARIONETTE)
    s.put(x0 + 48, 7, ONEUP); s.planks(x0 + 46, x0 + 51, 8)
    s.put(x0 + 36, 11, MAGAZINE)
    # the way down
    for i, row in enumerate((16, 20, 24)):
        left = x0 + 70 + i * 3
        s.ledge(left, left + 4, row)
    s.top = 28
    x = s.flat(14); s.on(x + 8, MET); s.on(x + 3, MAGAZINE)
    gaps(s, [0, 4, 8], enemy=MONOEYE)
    x = tunnel(s, 14, height=4); s.on(x + 5, MARIONETTE); s.on(x + 10, GHOST)
    crumble_bridge(s, 6)
    return finish(s, "mansion")


@stage
def stage3_4():
    s = lay("stage3_4", "Stage 3-4, catacombs: down the ossuary shaft.", "catacombs", 160, height=32, ground=9)
    s.note("Start high, descend by ledges past ghosts and spike balls to the deep crypt floor.")
    begin(s, 10)
    x = s.flat(8); s.on(x + 4, MAGAZINE)
    s.top = 9
    x0 = s.x
    s.x += 30
    # descending ledges
    rows = (12, 15, 18, 21, 24)
    for i, row in enumerate(rows):
        left = x0 + i * 6
        s.ledge(left, left + 5, row)
        s.put(left + 2, row - 1, COIN if i % 2 else SPIKE_BALL if i == 2 else COIN)
    s.put(x0 + 14, 10, GHOST)
    s.top = 29
    s.x = x0 + 30
    x = s.flat(12); checkpoint(s, x + 3); s.on(x + 7, MAGAZINE)
    x = s.flat(14); s.on(x + 6, TOGEZO); s.on(x + 11, DEATH)
    spike_run(s, 12)
    x = tunnel(s, 14, height=3, ceiling_spikes=True); s.on(x + 7, GHOST)
    gaps(s, [0, 4, 8, 5, 8], enemy=TOGEZO)
    x = s.flat(12); s.put(x + 5, s.top - 3, SWINGING_BALL); s.on(x + 9, DEATH)
    s.ledge(x + 1, x + 4, s.top - 4); s.put(x + 2, s.top - 5, ONEUP)
    return finish(s, "catacombs")


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
    s = lay("stage4_1", "Stage 4-1, moonlit forest: everything at once, and little ammunition.", "forest", 230)
    s.note("A long run mixing every forest danger; magazines only where she has earned them.")
    begin(s, 8)
    x = s.flat(10); s.on(x + 5, HOPPER); s.on(x + 8, BRAIN)
    floaters(s, 12, 2)
    x = s.flat(10); s.on(x + 5, DEATH)
    plank_hops(s, 12, 2)
    x = s.flat(12); s.on(x + 3, MAGAZINE); s.on(x + 8, TOGEZO); fire_block(s, x + 10)
    gaps(s, [0, 5, 8, 5, 8], enemy=HOPPER)
    x = s.flat(10); checkpoint(s, x + 3)
    burners_up(s, 14, every=4)
    x = s.flat(12); s.on(x + 4, MARIONETTE); s.on(x + 9, HOVERER)
    crumble_bridge(s, 7)
    x = s.flat(12); s.on(x + 6, GHOST); s.on(x + 2, MAGAZINE)
    floaters(s, 14, 2)
    x = s.flat(10); s.on(x + 5, DEATH); s.on(x + 8, TOGEZO)
    s.ledge(x + 2, x + 5, s.top - 4); s.put(x + 3, s.top - 5, ONEUP)
    gaps(s, [0, 5, 8, 5, 6], enemy=HOPPER)
    return finish(s, "forest")


@stage
def stage4_2():
    s = lay("stage4_2", "Stage 4-2, clock tower: catwalks between the gears.", "clock", 220)
    s.note("Iron catwalks, turrets in the walls, flame vents and swinging platforms.")
    begin(s, 8)
    x = s.flat(10); s.on(x + 6, MECHA); s.on(x + 2, MAGAZINE)
    plank_hops(s, 12, 2)
    x = s.flat(12); s.on(x + 5, MECHA)
    wall_block(s, x + 11, 3); s.put(x + 11, s.surface(x + 11) - 1, TURRET_L)
    s.top = 10
    floaters(s, 10, 1)
    x = s.flat(10); s.on(x + 5, MONOEYE)
    burners_up(s, 12, every=4)
    x = s.flat(10); checkpoint(s, x + 3); s.on(x + 7, MAGAZINE)
    s.top = 13
    spike_run(s, 14)
    x = s.flat(12); s.on(x + 4, MECHA); fire_block(s, x + 8, ccw=True)
    gaps(s, [0, 5, 8, 5, 8], enemy=HOPPER)
    x = s.flat(12); s.on(x + 6, MARIONETTE)
    s.ledge(x + 2, x + 5, s.top - 4); s.put(x + 3, s.top - 5, ONEUP)
    floaters(s, 12, 2)
    return finish(s, "clock")


@stage
def stage4_3():
    s = lay("stage4_3", "Stage 4-3, catacombs: the gauntlet to the deepest vault.", "catacombs", 230)
    s.note("The hardest run before the last world: gates behind, spikes below, ghosts above.")
    begin(s, 8)
    x = s.flat(10); s.on(x + 5, TOGEZO); s.on(x + 8, DEATH)
    spike_run(s, 12)
    x = s.flat(10); gate(s, x + 2); s.on(x + 6, GHOST)
    plank_hops(s, 14, 3)
    x = s.flat(12); s.on(x + 3, MAGAZINE); s.put(x + 6, s.top - 3, SWINGING_BALL)
    s.on(x + 10, TOGEZO)
    x = tunnel(s, 16, height=3, ceiling_spikes=True); s.on(x + 6, DEATH); s.on(x + 12, MECHA)
    x = s.flat(10); checkpoint(s, x + 3)
    crumble_bridge(s, 7)
    x = s.flat(12); s.on(x + 4, GHOST); fire_block(s, x + 8)
    gaps(s, [0, 5, 8, 5, 8], enemy=DEATH)
    x = s.flat(12); s.on(x + 2, MAGAZINE); s.on(x + 8, MARIONETTE)
    spike_run(s, 14)
    x = s.flat(10); s.on(x + 6, TOGEZO)
    s.ledge(x + 1, x + 4, s.top - 4); s.put(x + 2, s.top - 5, ONEUP)
    return finish(s, "catacombs")


# ================= World 5: the way to the throne =================

@stage
def stage5_1():
    s = lay("stage5_1", "Stage 5-1, clock tower: the tower's face by night.", "clock", 230, height=24, ground=22)
    s.note("Up the outside of the tower on catwalks and swinging platforms, turrets firing across.")
    begin(s, 8)
    x = s.flat(10); s.on(x + 3, MAGAZINE); s.on(x + 7, MECHA)
    x0 = s.flat(14)
    top = climb(s, x0, s.top, 3, width=12, gap=3)
    s.ledge(x0 + 12, x0 + 40, top)
    s.pit(26, spikes=True)
    s.put(x0 + 20, top - 1, MECHA); s.put(x0 + 30, top - 1, HOPPER)
    s.put(x0 + 38, top - 3, TURRET_L); s.put(x0 + 26, top - 1, MAGAZINE)
    s.top = top
    x = s.flat(10); checkpoint(s, x + 3)
    floaters(s, 12, 2)
    x = s.flat(12); s.on(x + 5, MARIONETTE); fire_block(s, x + 9)
    burners_up(s, 12, every=4)
    plank_hops(s, 12, 2)
    x = s.flat(12); s.on(x + 4, DEATH); s.on(x + 9, MECHA)
    s.ledge(x + 2, x + 5, s.top - 4); s.put(x + 3, s.top - 5, ONEUP)
    for rise in (-3, -3, -3):
        s.top -= rise
        x = s.flat(6); s.on(x + 3, HOPPER)
    x = s.flat(10); s.on(x + 2, MAGAZINE); s.on(x + 7, MONOEYE)
    return finish(s, "clock")


@stage
def stage5_2():
    s = lay("stage5_2", "Stage 5-2, rooftops at dusk: the chase across the city.", "roofs", 240)
    s.note("Long fast run: wide alleys, turrets, hoppers and ghosts in the open sky.")
    begin(s, 8)
    x = s.flat(10); s.on(x + 4, MAGAZINE); s.on(x + 8, GHOST)
    gaps(s, [0, 5, 8, 5, 8, 5, 8], enemy=HOPPER)
    s.top = 11; x = s.flat(12); s.on(x + 5, MECHA)
    wall_block(s, x + 11, 2); s.put(x + 11, s.surface(x + 11) - 1, TURRET_L)
    floaters(s, 14, 2)
    x = s.flat(10); checkpoint(s, x + 3); s.on(x + 6, MAGAZINE)
    burners_up(s, 14, every=4)
    crumble_bridge(s, 7)
    x = s.flat(12); s.on(x + 4, MARIONETTE); s.on(x + 9, GHOST)
    s.top = 9; x = s.flat(10); s.on(x + 5, DEATH)
    s.top = 12; plank_hops(s, 14, 3, spikes=False)
    x = s.flat(12); s.on(x + 4, HOVERER); s.on(x + 8, HOPPER)
    s.ledge(x + 1, x + 4, s.top - 4); s.put(x + 2, s.top - 5, ONEUP)
    gaps(s, [0, 5, 8, 5, 8], enemy=MECHA)
    return finish(s, "roofs")


@stage
def stage5_3():
    s = lay("stage5_3", "Stage 5-3, mansion halls: the haunted wing.", "mansion", 230)
    s.note("Ghosts through the walls, puppets on the galleries, fire around the pillars.")
    s.fill(0, 400, 0, 1)
    begin(s, 8)
    x = s.flat(12); s.on(x + 3, MAGAZINE); s.on(x + 9, GHOST)
    x = s.flat(12); fire_block(s, x + 4); fire_block(s, x + 9, ccw=True)
    crumble_bridge(s, 6)
    x = tunnel(s, 14, height=4); s.on(x + 5, MARIONETTE); s.on(x + 11, MECHA)
    gaps(s, [0, 5, 8, 5, 8], enemy=DEATH)
    x = s.flat(10); checkpoint(s, x + 3); s.on(x + 7, MAGAZINE); gate(s, x + 9)
    x = s.flat(14); s.on(x + 4, GHOST); s.on(x + 10, MARIONETTE)
    stairs(s, [2, 2, 2], width=4)
    x = s.flat(10); fire_block(s, x + 5)
    stairs(s, [-2, -2, -2], width=4)
    crumble_bridge(s, 7)
    x = s.flat(12); s.on(x + 6, TOGEZO); s.on(x + 2, MAGAZINE)
    s.ledge(x + 8, x + 11, s.top - 4); s.put(x + 9, s.top - 5, ONEUP)
    return finish(s, "mansion")


@stage
def stage5_4():
    s = lay("stage5_4", "Stage 5-4, catacombs: the last descent.", "catacombs", 240)
    s.note("Every hazard of the catacombs with every enemy, on few magazines.")
    begin(s, 8)
    x = s.flat(10); s.on(x + 3, MAGAZINE); s.on(x + 7, TOGEZO)
    spike_run(s, 14)
    x = s.flat(10); s.on(x + 5, DEATH); s.put(x + 8, s.top - 3, SWINGING_BALL)
    floaters(s, 12, 2)
    x = s.flat(12); s.on(x + 4, GHOST); s.on(x + 9, MARIONETTE)
    x = tunnel(s, 14, height=3, ceiling_spikes=True); s.on(x + 7, MECHA)
    x = s.flat(10); checkpoint(s, x + 3); s.on(x + 6, MAGAZINE)
    plank_hops(s, 14, 3)
    x = s.flat(12); fire_block(s, x + 6); s.on(x + 10, TOGEZO)
    burners_up(s, 12, every=4)
    gaps(s, [0, 5, 8, 5, 8], enemy=DEATH)
    crumble_bridge(s, 7)
    x = s.flat(12); s.on(x + 5, GHOST); s.on(x + 9, MONOEYE)
    s.ledge(x + 1, x + 4, s.top - 4); s.put(x + 2, s.top - 5, ONEUP)
    return finish(s, "catacombs")


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

@stage
def trial1_1():
    s = lay("trial1_1", "Trial 1, moonlit forest: the swinging bridges.", "forest", 282)
    s.note("Taught by signs; the idea is crossing: a pit, stepping stones, swinging platforms "
           "over the ravines, a plank bridge to the mirror.")
    the_lesson(s)
    s.on(56, MET)                             # stomp it or shoot it
    s.planks(55, 59, 10)
    s.fill(60, 64, 11)
    s.fill(64, 76, 9)
    s.on(71, BRAIN)
    s.planks(66, 72, 5); s.coins(67, 71, 4)
    s.arc(75, 6, 9)
    s.fill(80, 96, 11)
    s.on(86, MAGAZINE); s.on(92, MONOEYE)
    # the first swinging bridge: two platforms over a ravine too wide to jump
    s.put(99, 10, FLOATING); s.put(103, 10, FLOATING)
    s.coins(99, 105, 7)
    s.fill(108, 128, 11)
    checkpoint(s, 114)
    s.on(120, MAGAZINE)
    # stepping stones, a hopper on the middle one
    s.ledge(130, 133, 9); s.ledge(136, 139, 7); s.ledge(142, 145, 9)
    s.put(137, 6, HOPPER)
    s.put(131, 8, COIN); s.put(143, 8, COIN)
    s.fill(147, 172, 11)
    s.on(152, BRAIN); s.on(158, MET); s.on(169, MONOEYE)
    # a step up to a ledge that runs back left; above its far end the secret
    s.ledge(163, 167, 8)
    s.ledge(150, 163, 5)
    s.coins(153, 160, 4)
    s.planks(139, 153, 2)                     # secret: a branch out of view to the left
    s.coins(141, 151, 1)
    s.put(140, 1, ONEUP)
    # the second swinging bridge, wider, with a rest on a pillar in the middle
    s.put(175, 10, FLOATING)
    s.fill(180, 183, 10)
    s.on(181, COIN)
    s.put(185, 10, FLOATING)
    s.fill(190, 240, 11)
    s.on(196, BRAIN); s.on(201, MAGAZINE)
    s.fill(204, 216, 7, 9)                    # a fallen log: coins on top, a met beneath
    s.coins(206, 214, 6)
    s.on(210, MET)
    s.on(224, MONOEYE); s.on(233, BRAIN)
    # the plank bridge, a step up, and the mirror on its rock
    s.fill(240, 244, 9)
    s.planks(244, 260, 9)
    s.coins(247, 257, 7)
    s.put(252, 8, BRAIN)
    s.fill(260, 266, 8)
    s.fill(266, 282, 6)
    s.trim(282)
    s.on(277, GOAL)
    s.fill(281, 282, 0, 6)
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
        # 13. A crumbling stair climbs to the balcony and its mirror.
        ["##########.........#",
         *["...................#"] * 4,
         "...............G...#",
         ".............#######",
         "..........o..#######",
         "..........xx.#######",
         ".......o.....#######",
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
    return brain_crypt("trial_boss", "Trial boss, catacombs: the walking brain.",
                       "The first boss's crypt, for the trial's last fight.")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    for make in STAGES:
        s = make()
        s.write(os.path.join(out, s.name + ".map"), SCENERY_NAMES)
        print(f"{s.name}: {s.width} x {s.height} (planned {s.planned})")


if __name__ == "__main__":
    main()
