"""A small kit for laying out stage maps as text sources (content/maps/*.map).

The maps themselves are the sources the build compiles; this kit only wrote
them. Each stage in levels.py is a sequence of calls that lay ground, pits,
ledges, hazards, items and enemies from left to right. The kit chooses the
theme's tiles by looking at each solid cell's neighbours, so edges, corners
and ledges join up without hand-picking codes.

Codes are those of docs/chips.md: code = sheet column x 100 + sheet row.
"""
import random

# Theme tile blocks: top-left code of the 3 x 5 block of solid tiles, and
# the seamless back wall behind rooms (only the rooftops' attics have one;
# the other themes' old back walls gave their cells to the wall masses).
THEMES = {
    "forest": dict(base=200, wall=None),
    "roofs": dict(base=1000, wall=110),
    "mansion": dict(base=1300, wall=None),
    "catacombs": dict(base=1005, wall=None),
    "clock": dict(base=None, wall=None),  # always worn under a world's look
    "throne": dict(base=1605, wall=None),
}

# The tile sets drawn for the later worlds and the trial course sit in the
# sheet's spare active cells, not in a 3 x 5 block: each look lists the codes
# of its twelve tiles by offset, in the order of TILE_OFFSETS. A look has no
# single block or inner corners of its own; the kit draws those cells with
# the look's nearest tile (LOOK_FALLBACK).
TILE_OFFSETS = [(0, 0), (1, 0), (2, 0), (0, 1), (1, 1), (2, 1), (0, 2), (1, 2), (2, 2),
                (0, 3), (1, 3), (2, 3)]
LOOK_FALLBACK = {(0, 4): (1, 3), (1, 4): (1, 1), (2, 4): (1, 1)}
LOOK_TILES = {
    "chalk": [1600, 1601, 1602, 1603, 1604, 1701, 1702, 1703, 1704, 1801, 1802, 1803],
    "embers": [1804, 1902, 1903, 1904, 1905, 1906, 1907, 1908, 1909, 100, 101, 104],
    "slate": [1, 4, 106, 206, 306, 406, 209, 309, 409, 500, 502, 503],
    "frost": [504, 506, 509, 602, 603, 604, 606, 607, 702, 703, 704, 706],
    "gilded": [707, 802, 803, 804, 806, 807, 809, 900, 903, 904, 906, 907],
}

# Wall masses: for each look whose masses players found plain, its fill in
# shade (two rows under open air) and in deep shade (three and more), so a
# mass darkens the further it lies from the light; a pier that rises through a
# mass, cut off by nothing but its own ends; and a repair (a crack, a patch
# of a second material) drawn into the deep shade and set in like a piece.
# Most shade, deep and pier tiles sit in the sheet's active rows (plain solid
# blocks wherever they lie). The active rows are full, so the trial's chalk,
# the mansion's panelling and the throne room's marble have theirs in
# scenery cells no stage used: the kit sets those in like the pieces (see
# `weather_masses`). The repairs are scenery pictures too. The throne room's
# masses are one row deep (its floor), so it has only the shade.
MASS_TILES = {
    "forest": dict(shade=1019, deep=1119, pier=1219),
    "roofs": dict(shade=1305, deep=1306, pier=700, repair=431),
    "catacombs": dict(shade=1307, deep=1308, pier=601, repair=1731),
    "embers": dict(shade=1309, deep=1405, pier=1406, repair=1831),
    "slate": dict(shade=1407, deep=1408, pier=1409, repair=1931),
    "frost": dict(shade=1505, deep=1506, pier=1507),
    "gilded": dict(shade=1508, deep=1509, pier=909),
    "chalk": dict(shade=10, deep=210, pier=310, repair=410),
    "mansion": dict(shade=29, deep=129, pier=318),
    "throne": dict(shade=510),
}
# What the map legends call each of those tiles.
MASS_LOOK_NAMES = {
    "forest": "forest soil",
    "roofs": "rooftop brick", "catacombs": "catacomb stone", "embers": "ember brick", "slate": "slate",
    "frost": "frozen stone", "gilded": "gilded basalt", "chalk": "chalk", "mansion": "wood panelling",
    "throne": "throne marble",
}
MASS_TILE_NAMES = {
    code: f"{MASS_LOOK_NAMES[look]}, " + {"shade": "in shade", "deep": "in deep shade", "pier": "pier",
                                          "repair": "repair"}[part]
    for look, parts in MASS_TILES.items() for part, code in parts.items()
}
MASS_TILE_NAMES[MASS_TILES["forest"]["pier"]] = "forest soil, a root"
# Chips from this row down are scenery: never solid unless set in.
FIRST_SCENERY_ROW = 10
# Depths (Stage.depth: light falls from above) from which a fill cell shows
# the shade and the deep shade; columns from one pier to the next (seeded
# within the range) and the fewest rows a pier rises; the share of deep
# cells that take a repair.
MASS_SHADE_DEPTH, MASS_DEEP_DEPTH = 2, 3
MASS_PIER_SPACING = (6, 11)
# Looks whose "pier" is a root in the earth: it shows only in the deep shade,
# where the soil is as dark as it is.
MASS_PIERS_DEEP_ONLY = {"forest"}
MASS_PIER_HEIGHT = 4
MASS_REPAIR_SHARE = 0.05

# Which look each world's stages wear, by the theme they are laid out in
# ("*": every theme of that world without a line of its own). World 1 keeps
# the themes' own tiles; a stage's world is read from its map name.
WORLD_LOOKS = {
    "1": {},
    "2": {"*": "embers"},
    "3": {"*": "slate"},
    "4": {"*": "frost"},
    "5": {"*": "gilded", "throne": "throne"},
    "trial": {"*": "chalk"},
}

# The haze each world's outdoor stages lay over the shared stage backdrop, so
# its sky takes the world's colour: sixteen chips per world, one for every
# set of sides on which the haze fades out (towards an item, an enemy or a
# prop that wears no haze): HAZE_LEFT + HAZE_RIGHT + HAZE_UP + HAZE_DOWN.
# Every prop now has a hazed copy, so no map used the fading chips; worlds 2,
# 3, 4 and 5 keep only the full haze and gave the other cells to their towns'
# scenery (WORLD_TOWNS in levels.py).
HAZE_LEFT, HAZE_RIGHT, HAZE_UP, HAZE_DOWN = 1, 2, 4, 8
HAZE = {
    "embers": [128],
    "slate": [229],
    "frost": [219],
    "chalk": [c * 100 + 25 for c in range(3, 19)],
    "gilded": [610],
}

# The props, signs and sky pieces that a world's hazy stages use, each drawn
# again over that world's haze (original code -> code of the hazed copy). A
# prop without a copy still shows; the haze fades out around it.
HAZED_VARIANTS = {
    "embers": {14: 1111, 15: 1211, 17: 1311, 18: 1411, 20: 1511, 21: 1611, 22: 826, 111: 1126, 115: 1711, 117:
        1811, 118: 1911, 119: 912, 120: 1012, 121: 1112, 122: 926, 217: 1212, 218: 1312, 220: 1412, 221:
        1512, 222: 1026, 314: 1612, 315: 1712, 317: 1812, 320: 1912, 321: 113, 412: 213, 414: 313, 415:
        413, 417: 513, 418: 813, 420: 913, 514: 1013, 520: 1113, 614: 1213, 714: 1313, 814: 1413, 815:
        1513},
    "slate": {12: 1626, 13: 1726, 14: 1613, 15: 1713, 17: 1813, 18: 1913, 20: 914, 21: 1014, 23: 1114, 24:
        1214, 111: 1526, 115: 1314, 117: 1414, 118: 1514, 119: 1614, 120: 1714, 121: 1814, 123: 1914,
        124: 515, 217: 615, 218: 715, 220: 915, 221: 1015, 225: 1115, 314: 1215, 315: 1315, 317: 1415,
        320: 1515, 321: 1615, 322: 1426, 323: 1715, 412: 1815, 414: 1915, 415: 616, 417: 716, 418: 816,
        420: 916, 422: 1226, 514: 1016, 520: 1116, 522: 1326, 611: 1826, 612: 827, 614: 1216, 711: 1926,
        712: 927, 714: 1316, 814: 1416, 815: 1516},
    "frost": {20: 1616, 21: 1716, 23: 1816, 24: 1916, 111: 1327, 120: 717, 121: 817, 123: 917, 124: 1017, 220:
        1117, 221: 1217, 223: 1317, 224: 1417, 225: 1517, 314: 1617, 315: 1717, 320: 1817, 321: 1917,
        323: 718, 324: 818, 412: 918, 414: 1018, 415: 1118, 420: 1218, 514: 1318, 520: 1418, 622: 1027,
        722: 1127, 822: 1227},
    "chalk": {16: 1427, 17: 1518, 18: 1618, 111: 823, 116: 1527, 117: 1718, 118: 1818, 119: 1918, 216: 1627,
        217: 19, 218: 1919, 220: 920, 223: 1020, 224: 1120, 225: 1220, 314: 1320, 315: 1420, 316: 1727,
        317: 1520, 321: 1620, 323: 1720, 324: 1820, 412: 1920, 414: 421, 415: 521, 416: 1827, 417: 721,
        418: 821, 420: 921, 514: 1021, 516: 1927, 1322: 1121},
    "gilded": {14: 1221, 15: 1321, 17: 1421, 18: 1521, 20: 1621, 21: 1721, 23: 1821, 24: 1921, 115: 1522, 117:
        1622, 118: 1722, 119: 1822, 120: 1922, 121: 923, 123: 1023, 124: 1123, 217: 1223, 218: 1323,
        220: 1423, 221: 1523, 223: 1623, 224: 1723, 225: 1823, 314: 1923, 315: 824, 317: 924, 320: 1024,
        321: 1124, 323: 1224, 324: 1324, 412: 1424, 414: 1524, 415: 1624, 418: 1724, 420: 1824, 423:
        1924, 424: 1925, 514: 627, 520: 1728, 523: 1828, 524: 1928, 614: 1829, 714: 1929, 814: 1530,
        815: 1630, 922: 1730, 1022: 1830, 1122: 1930},
}


def world_of(name):
    """"stage2_3" -> "2"; every stage of the trial course -> "trial"."""
    if name.startswith("trial"):
        return "trial"
    return name[len("stage")] if name.startswith("stage") else "1"


def block_tiles(base):
    """The fifteen tiles of a theme laid out as a 3 x 5 block from `base`."""
    return {(dx, dy): base + dx * 100 + dy for dx in range(3) for dy in range(5)}


def look_tiles(look):
    tiles = dict(zip(TILE_OFFSETS, LOOK_TILES[look]))
    for offset, stand_in in LOOK_FALLBACK.items():
        tiles[offset] = tiles[stand_in]
    return tiles


def theme_for(name, theme):
    """The tiles and back wall a stage wears: its world's look over its theme."""
    looks = WORLD_LOOKS[world_of(name)]
    look = looks.get(theme, looks.get("*", theme))
    if look not in LOOK_TILES:
        assert THEMES[look]["base"] is not None, f"{name}: the {look} theme has no tiles of its own"
    tiles = look_tiles(look) if look in LOOK_TILES else block_tiles(THEMES[look]["base"])
    return dict(THEMES[theme], tiles=tiles, look=look)


# Active codes with a fixed meaning.
START, GOAL, CHECKPOINT = 709, 8, 408
COIN, MAGAZINE, ONEUP = 208, 308, 508
EVENT1 = 608
BOSS, BOSS_GOAL = 9, 109
PLANK_L, PLANK_M, PLANK_R, GRATING = 2, 3, 102, 103
CRUMBLE, FLOATING = 501, 108
GATE_TOP, GATE_LOW = 901, 902
FIRE_CW, FIRE_CCW = 800, 801
SPIKES, HANGING_SPIKES, SPIKE_BALL, SWINGING_BALL = 1700, 1800, 1900, 1901
CRATE, GOLD = 600, 701
BRAIN, MET, TOGEZO, MECHA, DEATH, MONOEYE = 5, 105, 205, 305, 405, 505
HOVERER, HOPPER, GHOST, MARIONETTE, TARGET = 605, 705, 805, 905, 6
BURNER_L, BURNER_R, BURNER_U, BURNER_D = 7, 107, 207, 307
TURRET_L, TURRET_R = 407, 507

# Key signs (scenery): a board showing a key as a pictogram, on a post.
SIGN_POST, SIGN_MOVE, SIGN_JUMP, SIGN_HIGH_JUMP, SIGN_SHOOT, SIGN_STOMP = 16, 116, 216, 316, 416, 516

# Keys of the fixed codes (docs/maps.md, "Keys used in our maps").
FIXED_KEYS = {
    0: ".", START: "S", GOAL: "G", CHECKPOINT: "C", COIN: "o", MAGAZINE: "m", ONEUP: "+",
    EVENT1: "e", BOSS: "X", BOSS_GOAL: "Y", PLANK_L: "{", PLANK_M: "-", PLANK_R: "}",
    GRATING: "_", CRUMBLE: "x", FLOATING: "=", GATE_TOP: "B", GATE_LOW: "b", FIRE_CW: "g",
    FIRE_CCW: "h", SPIKES: "^", HANGING_SPIKES: "v", SPIKE_BALL: "*", SWINGING_BALL: "!",
    CRATE: "k", GOLD: "N",
    BRAIN: "1", MET: "2", TOGEZO: "3", MECHA: "4", DEATH: "5", MONOEYE: "6", HOVERER: "7",
    HOPPER: "8", GHOST: "9", MARIONETTE: "0", TARGET: "d",
    BURNER_L: "L", BURNER_R: "R", BURNER_U: "U", BURNER_D: "D", TURRET_L: "l", TURRET_R: "r",
}

NAMES = {
    START: "the heroine's start", GOAL: "goal mirror", CHECKPOINT: "checkpoint", COIN: "coin",
    MAGAZINE: "magazine", ONEUP: "extra life", EVENT1: 'event trigger "1"',
    BOSS: "boss marker", BOSS_GOAL: "boss-goal marker", PLANK_L: "plank platform, left end",
    PLANK_M: "plank platform, middle", PLANK_R: "plank platform, right end",
    GRATING: "iron catwalk (one-way)", CRUMBLE: "crumbling block", FLOATING: "floating platform",
    GATE_TOP: "closing gate, upper part", GATE_LOW: "closing gate, lower part",
    FIRE_CW: "block with a fireball circling clockwise",
    FIRE_CCW: "block with a fireball circling anticlockwise", SPIKES: "spikes",
    HANGING_SPIKES: "hanging spikes", SPIKE_BALL: "spike ball", SWINGING_BALL: "swinging spike ball",
    CRATE: "wooden crate", GOLD: "gold block",
    BRAIN: "brain", MET: "met", TOGEZO: "togezo (shoot it, do not stomp)", MECHA: "mecha",
    DEATH: "death", MONOEYE: "monoeye", HOVERER: "hovering patapata", HOPPER: "patapata",
    GHOST: "ghost", MARIONETTE: "marionette", TARGET: "practice target",
    BURNER_L: "flame jet, left", BURNER_R: "flame jet, right", BURNER_U: "flame jet, up",
    BURNER_D: "flame jet, down", TURRET_L: "fireball turret, left", TURRET_R: "fireball turret, right",
}

# Keys for the theme's solid tiles, by (column offset, row offset) in its block.
TILE_KEYS = {
    (0, 0): "/", (1, 0): "#", (2, 0): "\\", (0, 1): "[", (1, 1): "%", (2, 1): "]",
    (0, 2): "(", (1, 2): "j", (2, 2): ")", (0, 3): "<", (1, 3): "~", (2, 3): ">",
    (0, 4): "@", (1, 4): "a", (2, 4): "z",
}
TILE_NAMES = {
    (0, 0): "top-left corner", (1, 0): "ground top", (2, 0): "top-right corner",
    (0, 1): "left edge", (1, 1): "fill", (2, 1): "right edge", (0, 2): "bottom-left corner",
    (1, 2): "underside", (2, 2): "bottom-right corner", (0, 3): "ledge, left end",
    (1, 3): "ledge, middle", (2, 3): "ledge, right end", (0, 4): "single block",
    (1, 4): "inner corner, surface at its top-left", (2, 4): "inner corner, surface at its top-right",
}

# Set-in pieces: scenery pictures that solid blocks deep inside a mass of
# ground show instead of the fill, so that long walls and floors read as
# architecture. Each stage kind has pieces to take in turn, each a list of
# (column, row, code) from its top-left cell. Forest soil has none: it is
# earth, not masonry.
SET_IN_PIECES = {
    "roofs": [[(0, 0, 114), (1, 0, 214)], [(0, 0, 214), (1, 0, 114)]],            # windows
    "mansion": [[(0, 0, 17), (0, 1, 18), (1, 0, 17), (1, 1, 18)],                 # arched windows
                [(0, 0, 517), (0, 1, 518)]],                                      # a bookshelf
    "catacombs": [[(0, 0, 221), (1, 0, 221)], [(0, 0, 21), (1, 0, 121)]],         # niches, archway
    "clock": [[(0, 0, 623), (1, 0, 723), (0, 1, 624), (1, 1, 724)],               # round window
              [(0, 0, 423), (1, 0, 523), (0, 1, 424), (1, 1, 524)]],              # clock face
    "throne": [[(0, 0, 226), (1, 0, 326), (0, 1, 227), (1, 1, 327)]],             # stained glass
}
# Columns (and, in a tall mass, rows) from one set-in piece to the next, and
# how far every cell of a piece stays from anything that is not plain solid
# ground, so that nothing in play ever comes near it.
SET_IN_SPACING = 24
SET_IN_SPACING_ROWS = 8
SET_IN_MARGIN = 2

# Keys left for scenery, in the order they are handed out.
SCENERY_KEYS = "wWtTiIqQpPMJfFuUcEHAOZyVsEQ:;',`\"&?$%*ABHVZKn"


def runs(values):
    """Sorted integers cut into runs of consecutive ones: [1, 2, 3, 7, 8] -> [[1, 2, 3], [7, 8]]."""
    out = []
    for v in values:
        if out and v == out[-1][-1] + 1:
            out[-1].append(v)
        else:
            out.append([v])
    return out


class Stage:
    def __init__(self, name, title, theme, width, height=15, ground=13):
        self.name = name
        self.title = title
        self.kind = theme
        self.theme = theme_for(name, theme)
        self.width = width
        self.height = height
        self.ground_row = ground
        self.solid = [[False] * width for _ in range(height)]
        self.chips = [[0] * width for _ in range(height)]    # active chips that are not terrain
        self.scenery = [[0] * width for _ in range(height)]
        self.objects = [[0] * width for _ in range(height)]  # items/enemies over scenery
        self.set_in = set()  # deep solid cells whose block shows a set-in piece
        self.piers = set()   # fill cells that show the look's pier
        self.notes = []
        self.x = 0          # the layout cursor: next free column
        self.top = ground   # surface row under the cursor

    # ---- terrain ----
    def fill(self, x0, x1, y0, y1=None):
        """Solid cells for columns x0..x1-1, rows y0..y1-1 (to the bottom by default)."""
        y1 = self.height if y1 is None else y1
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.solid[y][x] = True

    def clear(self, x0, x1, y0, y1):
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.solid[y][x] = False
                self.chips[y][x] = 0

    def flat(self, n, top=None):
        """Ground n columns wide at the cursor, its surface on row `top`."""
        if top is not None:
            self.top = top
        self.fill(self.x, self.x + n, self.top)
        self.x += n
        return self.x - n

    def pit(self, n, spikes=False):
        """A gap n columns wide; with spikes, a spiked floor two rows down instead of a drop."""
        x0 = self.x
        if spikes:
            floor = min(self.height - 1, self.top + 2)
            self.fill(x0, x0 + n, floor)
            for x in range(x0, x0 + n):
                self.chips[floor - 1][x] = SPIKES
        self.x += n
        return x0

    def ledge(self, x0, x1, row):
        """A one-cell-thick solid ledge."""
        self.fill(x0, x1, row, row + 1)

    def planks(self, x0, x1, row, grating=False):
        """A one-way platform from x0 to x1-1 on `row`."""
        for x in range(x0, x1):
            if grating:
                code = GRATING
            else:
                code = PLANK_L if x == x0 else PLANK_R if x == x1 - 1 else PLANK_M
            self.chips[row][x] = code

    def put(self, x, y, code):
        """An active chip or object on a cell; over scenery it goes to the objects layer."""
        if self.scenery[y][x]:
            self.objects[y][x] = code
        else:
            self.chips[y][x] = code

    def on(self, x, code, up=1):
        """Put `code` standing on the surface of column x (`up` cells above it)."""
        self.put(x, self.surface(x) - up, code)

    def surface(self, x):
        """Top row of the ground that rises from the bottom of column x (ledges and
        ceilings above it do not count); the map's height over a pit."""
        y = self.height
        while y > 0 and self.solid[y - 1][x]:
            y -= 1
        return y

    def coins(self, x0, x1, row):
        for x in range(x0, x1):
            self.put(x, row, COIN)

    def arc(self, x0, n, row):
        """A jump arc of coins: n coins, the middle ones two rows higher."""
        for i in range(n):
            lift = 2 if 0 < i < n - 1 else 1 if n > 2 else 0
            if n > 4 and (i == 1 or i == n - 2):
                lift = 1
            self.put(x0 + i, row - lift, COIN)

    def scen(self, x, y, code):
        if 0 <= x < self.width and 0 <= y < self.height and not self.solid[y][x]:
            self.scenery[y][x] = code

    def sign(self, x, board):
        """A key sign standing on the ground of column x: the board over its post."""
        top = self.surface(x)
        self.scen(x, top - 1, SIGN_POST)
        self.scen(x, top - 2, board)

    def wall(self, x0, x1, y0, y1):
        """The theme's back wall behind the cells (indoor stages)."""
        assert self.theme["wall"], f"{self.name}: the {self.kind} theme has no back wall"
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.scen(x, y, self.theme["wall"])

    def trim(self, width):
        """Cut the map to `width` columns (stages are laid on a wide sheet first)."""
        self.width = width
        for grid in (self.solid, self.chips, self.scenery, self.objects):
            for row in grid:
                del row[width:]

    def deep(self, x, y):
        """Whether every cell within SET_IN_MARGIN of (x, y), diagonals included,
        lies inside the map and is plain solid ground (no chip, no object)."""
        m = SET_IN_MARGIN
        if not (m <= x < self.width - m and m <= y < self.height - m):
            return False
        return all(self.solid[cy][cx] and not self.chips[cy][cx] and not self.objects[cy][cx]
                   for cy in range(y - m, y + m + 1) for cx in range(x - m, x + m + 1))

    def set_in_scenery(self, variants=None):
        """Sets the kind's pieces into the deep inside of solid masses, one every
        SET_IN_SPACING columns, in the middle of each run of deep rows tall
        enough for it (one every SET_IN_SPACING_ROWS rows in a tall run).
        Each cell stays a solid block, so the tiles around it and the stage's
        objects stay as they were: the map gives the block the piece's code
        in its objects layer, over an empty chip, so the block shows the piece
        instead of the fill. `variants` maps a piece's codes to the copies
        drawn over the world's haze."""
        pieces = SET_IN_PIECES.get(self.kind)
        if not pieces:
            return
        variants = variants or {}
        turn = 0
        x = 0
        while x < self.width:
            piece = pieces[turn % len(pieces)]
            w = 1 + max(dx for dx, _, _ in piece)
            h = 1 + max(dy for _, dy, _ in piece)
            rows = [y for y in range(self.height) if all(self.deep(x + dx, y) for dx in range(w))]
            placed = False
            for run in runs(rows):
                if len(run) < h:
                    continue
                # Tall runs take a piece every SET_IN_SPACING_ROWS rows, centred.
                count = 1 + (len(run) - h) // SET_IN_SPACING_ROWS
                first = run[0] + (len(run) - h - (count - 1) * SET_IN_SPACING_ROWS) // 2
                for top in range(first, first + count * SET_IN_SPACING_ROWS, SET_IN_SPACING_ROWS):
                    for dx, dy, code in piece:
                        self.set_in.add((x + dx, top + dy))
                        self.objects[top + dy][x + dx] = variants.get(code, code)
                placed = True
            if placed:
                turn += 1
                x += SET_IN_SPACING
            else:
                x += 1

    def depth(self, x, y, limit=MASS_DEEP_DEPTH):
        """How deep (x, y) lies in shade, up to `limit`: light falls from
        above, so an open cell r rows up and c columns aside lights it to
        depth max(r, 2c); open cells below light nothing (under an overhang
        a mass stays in shadow). Beside the map the edge column runs on;
        above it is open air."""
        best = limit
        for cy in range(y - limit + 1, y + 1):
            for cx in range(x - limit // 2, x + limit // 2 + 1):
                d = max(y - cy, 2 * abs(cx - x))
                if d < best and (cy < 0 or not self.solid[cy][min(max(cx, 0), self.width - 1)]):
                    best = d
        return best

    def weather_masses(self):
        """Makes the look's long masses read as built places: piers rise
        through them every few columns (seeded), and a few deep cells take a
        repair. Cells that are not plain fill (edges, set-in pieces, chips)
        keep what they show; nothing changes what any cell does."""
        look = self.theme["look"]
        tiles = MASS_TILES.get(look)
        if not tiles:
            return
        rng = random.Random(self.name + " masses")
        if "pier" in tiles:
            x = rng.randint(*MASS_PIER_SPACING) // 2
            while x < self.width:
                if any((cx, y) in self.set_in for cx in (x - 1, x, x + 1) for y in range(self.height)):
                    x += 1  # a pier does not run into a set-in piece or brush past one
                    continue
                # a pier keeps two cells of wall on either side and rises
                # through masses, not through thin floors
                column = [y for y in range(self.height) if self.plain_fill(x, y)
                          and all(self.solid[y][min(max(cx, 0), self.width - 1)] for cx in (x - 2, x + 2))
                          and (look not in MASS_PIERS_DEEP_ONLY or self.depth(x, y) >= MASS_DEEP_DEPTH)]
                for run in runs(column):
                    if len(run) >= MASS_PIER_HEIGHT:
                        self.piers.update((x, y) for y in run)
                x += rng.randint(*MASS_PIER_SPACING)
        if "repair" in tiles:
            for y in range(self.height):
                for x in range(self.width):
                    if (self.deep(x, y) and self.plain_fill(x, y) and rng.random() < MASS_REPAIR_SHARE
                            and not any((cx, cy) in self.set_in or (cx, cy) in self.piers
                                        for cy in range(y - 2, y + 3) for cx in range(x - 2, x + 3))):
                        self.set_in.add((x, y))
                        self.objects[y][x] = tiles["repair"]
        # Mass tiles drawn in scenery cells are set in: the block keeps an
        # empty chip and shows its object code, so it stays the solid block
        # it was and every object comes in the same order.
        for y in range(self.height):
            for x in range(self.width):
                if self.plain_fill(x, y):
                    code = self.mass_tile(x, y)
                    if code % 100 >= FIRST_SCENERY_ROW:
                        self.set_in.add((x, y))
                        self.objects[y][x] = code

    def plain_fill(self, x, y):
        """Whether the cell would show the look's fill: solid, no chip, no
        object, no set-in piece, and solid on all eight sides."""
        return (self.solid[y][x] and not self.chips[y][x] and not self.objects[y][x]
                and (x, y) not in self.set_in and self.tile_at(x, y) == (1, 1))

    def note(self, text):
        self.notes.append(text)

    # ---- output ----
    def tile_at(self, x, y):
        def solid(cx, cy):
            if cy >= self.height:
                return True
            if cy < 0:
                return False
            if cx < 0 or cx >= self.width:
                return self.solid[cy][min(max(cx, 0), self.width - 1)]
            return self.solid[cy][cx]

        up, down = solid(x, y - 1), solid(x, y + 1)
        left, right = solid(x - 1, y), solid(x + 1, y)
        if not up and not down:
            if not left and not right:
                return (0, 4)
            return (0, 3) if not left else (2, 3) if not right else (1, 3)
        if not up:
            return (0, 0) if not left else (2, 0) if not right else (1, 0)
        if not down:
            return (0, 2) if not left else (2, 2) if not right else (1, 2)
        if not left:
            return (0, 1)
        if not right:
            return (2, 1)
        if not solid(x - 1, y - 1):
            return (1, 4)
        if not solid(x + 1, y - 1):
            return (2, 4)
        return (1, 1)

    def code_grid(self):
        tiles = self.theme["tiles"]
        grid = [[0] * self.width for _ in range(self.height)]
        for y in range(self.height):
            for x in range(self.width):
                if self.chips[y][x]:
                    grid[y][x] = self.chips[y][x]
                elif (x, y) in self.set_in:
                    grid[y][x] = 0  # the block is its object code, with the piece's picture
                elif self.solid[y][x]:
                    grid[y][x] = self.mass_tile(x, y)
                else:
                    grid[y][x] = self.scenery[y][x]
        return grid

    def mass_tile(self, x, y):
        """The tile a solid cell shows: the look's tile for its neighbours; a
        fill cell in a mass with shading shows a pier or its depth's shade."""
        offset = self.tile_at(x, y)
        mass = MASS_TILES.get(self.theme["look"])
        if offset != (1, 1) or not mass:
            return self.theme["tiles"][offset]
        if (x, y) in self.piers:
            return mass["pier"]
        depth = self.depth(x, y)
        if depth >= MASS_DEEP_DEPTH:
            return mass.get("deep", mass["shade"])
        return mass["shade"] if depth >= MASS_SHADE_DEPTH else self.theme["tiles"][offset]

    def check(self):
        grid = self.code_grid()
        starts = sum(row.count(START) for row in grid) + sum(r.count(START) for r in self.objects)
        assert starts == 1, f"{self.name}: {starts} start markers"
        assert 15 <= self.height and self.width >= 20, self.name

    def write(self, path, scenery_names):
        self.check()
        grid = self.code_grid()
        keys = {}
        legend = []
        has_objects = any(c for row in self.objects for c in row)
        used = {c for row in grid for c in row} | ({c for row in self.objects for c in row} if has_objects else set())
        # A look's stand-in tiles keep the key of the tile they stand in for.
        tiles = self.theme["tiles"]
        tile_codes = {code: offset for offset, code in tiles.items() if offset not in LOOK_FALLBACK}
        for offset in LOOK_FALLBACK:
            tile_codes.setdefault(tiles[offset], offset)
        # A map with more scenery than SCENERY_KEYS holds borrows the keys of
        # fixed codes that it does not use (its legend still names each one).
        free = iter(SCENERY_KEYS + "".join(FIXED_KEYS[c] for c in sorted(FIXED_KEYS) if c and c not in used))
        for code in sorted(used, key=lambda c: (c not in FIXED_KEYS, c not in tile_codes, c)):
            if code in FIXED_KEYS:
                keys[code] = FIXED_KEYS[code]
                name = "empty" if code == 0 else NAMES[code]
            elif code in tile_codes:
                keys[code] = TILE_KEYS[tile_codes[code]]
                name = TILE_NAMES[tile_codes[code]]
            else:
                keys[code] = next(k for k in free if k not in keys.values())
                name = MASS_TILE_NAMES.get(code) or scenery_names.get(code, "scenery")
            value = "empty" if code == 0 else str(code)
            legend.append(f'"{keys[code]}" = {value}'.ljust(24) + f"# {name}")
        assert len(set(keys.values())) == len(keys), self.name
        lines = [f"# {self.title}", "# Laid out with content/maps/src/levels.py; edit either."]
        lines += [f"# {n}" for n in self.notes]
        lines += ["vrels-map 1", ""] + legend + ["", "chips:"]
        lines += ["|" + "".join(keys[c] for c in row) + "|" for row in grid]
        if has_objects:
            lines += ["objects:"]
            lines += ["|" + "".join(keys[c] for c in row) + "|" for row in self.objects]
        with open(path, "w") as out:
            out.write("\n".join(lines) + "\n")
