#!/usr/bin/env python3
"""Rebuilds Pics/ and resources/art/ from words.tsv and the Noto emoji set.

Usage: generate.py ICONS_JSON REPO_ROOT

Needs rsvg-convert and ImageMagick 6 (/usr/bin/convert, /usr/bin/montage).
"""

import colorsys
import hashlib
import json
import os
import shutil
import subprocess
import sys
import tempfile

CONVERT = "/usr/bin/convert"
MONTAGE = "/usr/bin/montage"
FONT = "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf"
HERE = os.path.dirname(os.path.abspath(__file__))

LETTERS = list("abcdefghijklmnopqrstuvwxyz") + ["ä", "ö", "ü", "ß"]
LEVEL_FOLDERS = [
    "BilderD/Level1", "BilderD/Level2", "BilderD/Level3",
    "BilderE/Level1", "BilderE/Level2", "BilderE/Level3",
]
OUTLINE = "#2b2118"
# No time stamps in PNG files, so a rebuild changes only what really changed.
PNG_STABLE = ["-define", "png:exclude-chunks=date,time"]


def run(*args):
    subprocess.run([str(a) for a in args], check=True)


class Emoji:
    """Renders Noto emoji from the iconify icons.json to PNG files, cached."""

    def __init__(self, icons_json, work):
        with open(icons_json, encoding="utf-8") as f:
            self.data = json.load(f)
        self.work = work
        self.cache = {}

    def svg(self, name):
        icons, aliases = self.data["icons"], self.data.get("aliases", {})
        props = {}
        while name not in icons:
            alias = aliases[name]
            props = {**alias, **props}
            name = alias["parent"]
        icon = {**icons[name], **props}
        w = icon.get("width", self.data.get("width", 128))
        h = icon.get("height", self.data.get("height", 128))
        left, top = icon.get("left", 0), icon.get("top", 0)
        body = icon["body"]
        if icon.get("hFlip"):
            body = f'<g transform="translate({2 * left + w} 0) scale(-1 1)">{body}</g>'
        return (f'<svg xmlns="http://www.w3.org/2000/svg" '
                f'xmlns:xlink="http://www.w3.org/1999/xlink" '
                f'viewBox="{left} {top} {w} {h}" width="{w}" height="{h}">{body}</svg>')

    def png(self, name, size):
        key = (name, size)
        if key not in self.cache:
            base = os.path.join(self.work, f"{name}-{size}")
            with open(base + ".svg", "w", encoding="utf-8") as f:
                f.write(self.svg(name))
            run("rsvg-convert", "-w", size, "-h", size, "-f", "png",
                "-o", base + ".png", base + ".svg")
            self.cache[key] = base + ".png"
        return self.cache[key]


def layers(emoji, items):
    """ImageMagick arguments compositing (name, size, x, y[, extra]) items."""
    args = []
    for item in items:
        name, size, x, y = item[:4]
        extra = item[4] if len(item) > 4 else []
        args += ["(", emoji.png(name, size), *extra, ")",
                 "-geometry", f"{x:+d}{y:+d}", "-composite"]
    return args


def hsl_hex(h, s, l):
    r, g, b = colorsys.hls_to_rgb(h % 1.0, l, s)
    return "#%02x%02x%02x" % (round(r * 255), round(g * 255), round(b * 255))


def stable_fraction(text):
    return int(hashlib.md5(text.encode("utf-8")).hexdigest()[:8], 16) / 0xFFFFFFFF


# --- letters -----------------------------------------------------------------

def letter_colour(index):
    # Golden-angle hue steps keep neighbouring letters clearly different.
    return hsl_hex(index * 0.381966, 0.85, 0.55)


def make_letters(folder, work):
    os.makedirs(folder, exist_ok=True)
    for i, letter in enumerate(LETTERS):
        glyph = letter if letter == "ß" else letter.upper()
        raw = os.path.join(work, f"letter-{i}.png")
        # Outline first, fill on top: a clean dark edge that survives GIF's
        # one-bit transparency and reads on any background.
        run(CONVERT, "-size", "160x160", "xc:none", "-font", FONT,
            "-pointsize", 84 if letter == "ß" else 66, "-gravity", "center",
            "-stroke", OUTLINE, "-strokewidth", 7, "-fill", OUTLINE,
            "-annotate", "+0+0", glyph,
            "-stroke", "none", "-fill", letter_colour(i),
            "-annotate", "+0+0", glyph,
            "-trim", "+repage", raw)
        out = os.path.join(folder, f"{letter}.gif")
        run(CONVERT, raw, "-resize", "80x62>", "-background", "none",
            "-gravity", "center", "-extent", "%dx64" % letter_width(raw),
            "-channel", "A", "-threshold", "50%", "+channel", out)


def letter_width(raw):
    w = int(subprocess.run([CONVERT, raw, "-format", "%w", "info:"],
                           capture_output=True, text=True, check=True).stdout)
    return max(60, min(84, w + 6))


# --- word pictures -----------------------------------------------------------

def read_words():
    rows = []
    with open(os.path.join(HERE, "words.tsv"), encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            folder, word, emoji = line.split("\t")
            rows.append((folder, word, emoji))
    return rows


def make_words(emoji, pics, rows):
    for folder in LEVEL_FOLDERS:
        path = os.path.join(pics, folder)
        shutil.rmtree(path, ignore_errors=True)
        os.makedirs(path)
    for folder, word, name in rows:
        # A pastel tint per word so neighbouring tiles are told apart; the
        # hues skip yellow, on which white things (tooth, cloud) would vanish.
        back = hsl_hex(0.45 + 0.6 * stable_fraction(word), 0.7, 0.85)
        run(CONVERT, "-size", "400x400", f"xc:{back}",
            *layers(emoji, [(name, 320, 40, 40)]),
            "-quality", 85, os.path.join(pics, folder, word + ".jpg"))


def make_contact_sheets(pics, out):
    os.makedirs(out, exist_ok=True)
    for folder in LEVEL_FOLDERS:
        src = os.path.join(pics, folder)
        files = sorted(os.listdir(src), key=str.lower)
        args = [MONTAGE, "-font", FONT, "-pointsize", 18]
        for name in files:
            args += ["-label", os.path.splitext(name)[0], os.path.join(src, name)]
        sheet = os.path.join(out, folder.replace("/", "-") + ".png")
        args += ["-tile", "8x", "-geometry", "128x128+6+4",
                 "-title", folder, "-background", "#f4f4f4",
                 "+dither", "-colors", 256, *PNG_STABLE, "PNG8:" + sheet]
        run(*args)


# --- the one-eyed lettuce head -----------------------------------------------

def eye_draw(cx, cy, r, look=(0, 0), closed=False):
    """ImageMagick -draw arguments for one big cartoon eye."""
    if closed:
        return ["-fill", "none", "-stroke", OUTLINE, "-strokewidth", 6,
                "-draw", f"arc {cx - r},{cy - r // 2} {cx + r},{cy + r // 2} 0,180"]
    px, py = cx + look[0], cy + look[1]
    return ["-fill", "white", "-stroke", OUTLINE, "-strokewidth", 5,
            "-draw", f"ellipse {cx},{cy} {r},{int(r * 1.1)} 0,360",
            "-stroke", "none", "-fill", "#1d3557",
            "-draw", f"circle {px},{py} {px + r // 2},{py}",
            "-fill", "black",
            "-draw", f"circle {px},{py} {px + r // 4},{py}",
            "-fill", "white",
            "-draw", f"circle {px + r // 5},{py - r // 5} {px + r // 5 + r // 9},{py - r // 5}"]


def mouth_draw(cx, cy, w):
    return ["-fill", "none", "-stroke", OUTLINE, "-strokewidth", 5,
            "-draw", f"arc {cx - w},{cy - w // 2} {cx + w},{cy + w // 2} 20,160"]


LETTUCE_BACK = "#fbf7e4"
# The game screens' background; the small life symbols sit on it unframed.
GAME_TURQUOISE = "#bfeff0"


def lettuce(emoji, out, dx=0, dy=0, tilt=0, squash=1.0, look=(0, 0),
            closed=False, size=260, back=LETTUCE_BACK, frame=True, quality=88):
    """The lettuce head in a 383x330 frame, moved, tilted and squashed."""
    w, h = 383, 330
    head_w, head_h = size, int(size * squash)
    x = (w - head_w) // 2 + dx
    y = h - 20 - head_h + dy
    head = emoji.png("leafy-green", size)
    # Shadow on the ground stays put while the head bounces.
    shadow_w = int(size * 0.38 * (1.0 - max(0, -dy) / 160))
    run(CONVERT, "-size", f"{w}x{h}", f"xc:{back}",
        "-fill", "#00000022", "-draw",
        f"ellipse {w // 2 + dx},{h - 18} {shadow_w},12 0,360",
        "(", head, "-resize", f"{head_w}x{head_h}!",
        *eye_draw(head_w // 2, int(head_h * 0.42), int(size * 0.17), look, closed),
        *mouth_draw(head_w // 2, int(head_h * 0.70), int(size * 0.10)),
        "-background", "none", "-rotate", tilt, ")",
        "-gravity", "northwest", "-geometry", f"{x:+d}{y:+d}", "-composite",
        # A JPEG cannot be transparent, so it is framed as a picture card.
        *(["-fill", "none", "-stroke", "#7cb342", "-strokewidth", 8,
           "-draw", f"roundrectangle 4,4 {w - 5},{h - 5} 28,28"] if frame else []),
        "-quality", quality, out)


def make_lettuce_frames(emoji, folder):
    os.makedirs(folder, exist_ok=True)
    # Hop, land, look about and blink; loops without a jump back to frame 1.
    frames = [
        dict(dy=0, squash=0.92, look=(0, 8)),
        dict(dy=-30, squash=1.0, look=(0, -4)),
        dict(dy=-55, squash=1.04, tilt=-6, look=(-10, -6)),
        dict(dy=-30, squash=1.0, tilt=-3, look=(-12, 0)),
        dict(dy=0, squash=0.9, look=(0, 6)),
        dict(dy=0, squash=1.0, tilt=5, look=(12, 0)),
        dict(dy=0, squash=1.0, tilt=5, closed=True),
        dict(dy=0, squash=1.0, tilt=2, look=(6, 0)),
    ]
    for i, frame in enumerate(frames, 1):
        lettuce(emoji, os.path.join(folder, f"salatkopf {i:02d} Kopie.jpg"), **frame)


# --- backgrounds ---------------------------------------------------------------

def scene(emoji, out, sky, ground, horizon, items, size="800x600", quality=85):
    w, h = (int(v) for v in size.split("x"))
    base = ["-size", f"{w}x{horizon}", f"gradient:{sky[0]}-{sky[1]}"]
    if horizon < h:
        base = ["(", *base, "-size", f"{w}x{h - horizon}",
                f"gradient:{ground[0]}-{ground[1]}", "-append", ")"]
    run(CONVERT, *base, *layers(emoji, items), "-quality", quality, out)


SCENES = {
    "Wiese.jpg": (("#8fd3ff", "#e3f6ff"), ("#8fd46a", "#4f9e3a"), 330, [
        ("sun-with-face", 130, 630, 30), ("cloud", 120, 80, 40), ("cloud", 90, 360, 80),
        ("deciduous-tree", 220, 20, 170), ("evergreen-tree", 170, 600, 210),
        ("cow", 170, 250, 300), ("ewe", 120, 470, 330), ("horse", 150, 560, 380),
        ("rabbit", 90, 120, 440), ("sunflower", 100, 400, 470), ("tulip", 70, 40, 520),
        ("blossom", 60, 700, 530), ("butterfly", 70, 320, 170), ("honeybee", 50, 520, 230),
        ("rose", 60, 250, 530), ("hedgehog", 80, 660, 470),
    ]),
    "Unterwasser.jpg": (("#58c7f0", "#0a5c9e"), None, 600, [
        ("spouting-whale", 220, 470, 30), ("tropical-fish", 110, 80, 80),
        ("fish", 100, 330, 200), ("blowfish", 100, 620, 280), ("octopus", 150, 60, 300),
        ("dolphin", 150, 280, 40), ("jellyfish", 100, 500, 210), ("crab", 100, 380, 480),
        ("coral", 140, 620, 450), ("spiral-shell", 70, 260, 520), ("shark", 160, 150, 170),
        ("tropical-fish", 80, 700, 150), ("bubbles", 80, 30, 500), ("lobster", 90, 520, 500),
        ("turtle", 120, 220, 380),
    ]),
    "Bauernhof.jpg": (("#a8dcff", "#fff6d8"), ("#b8dc70", "#7cab3e"), 300, [
        ("sun", 120, 40, 30), ("cloud", 110, 520, 40), ("house-with-garden", 220, 500, 130),
        ("tractor", 170, 60, 230), ("pig", 120, 300, 330), ("chicken", 90, 230, 460),
        ("cow", 150, 560, 390), ("rooster", 100, 110, 420), ("sheaf-of-rice", 90, 440, 480),
        ("baby-chick", 60, 340, 510), ("goat", 110, 680, 300), ("duck", 80, 30, 520),
        ("sunflower", 90, 720, 480), ("ear-of-corn", 70, 400, 240),
    ]),
    "Weltraum.jpg": (("#1b1f5e", "#5b3c9e"), None, 600, [
        ("ringed-planet", 200, 540, 40), ("full-moon", 120, 80, 60), ("rocket", 170, 330, 200),
        ("glowing-star", 60, 260, 50), ("star", 50, 470, 300), ("star", 40, 40, 300),
        ("flying-saucer", 130, 80, 380), ("astronaut", 150, 580, 350),
        ("alien", 100, 400, 450), ("comet", 110, 200, 470), ("globe-showing-europe-africa", 110, 700, 230),
        ("shooting-star", 90, 460, 100), ("sparkles", 60, 720, 500), ("satellite", 90, 230, 320),
    ]),
    "Strand.jpg": (("#a8e2ff", "#2f9ad6"), ("#f7e3a8", "#e9c46a"), 320, [
        ("sun-with-face", 130, 640, 20), ("water-wave", 110, 0, 220), ("water-wave", 110, 110, 220),
        ("sailboat", 110, 300, 190), ("water-wave", 110, 520, 220), ("water-wave", 110, 630, 220),
        ("palm-tree", 230, 20, 280), ("umbrella-on-ground", 160, 520, 340), ("crab", 90, 300, 470),
        ("spiral-shell", 70, 450, 520), ("beach-with-umbrella", 120, 260, 330),
        ("tropical-drink", 70, 700, 500), ("bucket", 70, 160, 510), ("ring-buoy", 80, 640, 430),
        ("cloud", 100, 400, 40),
    ]),
    "Wald.jpg": (("#bfe9ff", "#eafae0"), ("#6fbf55", "#2f7a2e"), 360, [
        ("evergreen-tree", 240, 0, 160), ("deciduous-tree", 220, 560, 170),
        ("evergreen-tree", 190, 260, 190), ("deer", 170, 380, 330), ("fox", 120, 130, 420),
        ("owl", 80, 650, 180), ("hedgehog", 90, 560, 480), ("mushroom", 70, 300, 500),
        ("mushroom", 50, 720, 520), ("chipmunk", 80, 200, 300),
        ("snail", 60, 460, 520), ("fallen-leaf", 50, 60, 540), ("sun-behind-small-cloud", 130, 400, 20),
        ("bird", 60, 120, 60), ("butterfly", 60, 700, 80),
    ]),
    "Winter.jpg": (("#9fc9f0", "#eef6ff"), ("#ffffff", "#dbe8f5"), 330, [
        ("snowman", 200, 520, 250), ("christmas-tree", 190, 40, 200), ("snowflake", 70, 300, 60),
        ("snowflake", 50, 120, 40), ("snowflake", 60, 680, 40), ("snow-capped-mountain", 200, 280, 140),
        ("sled", 110, 250, 450), ("penguin", 110, 400, 420), ("polar-bear", 130, 60, 430),
        ("skier", 100, 700, 170), ("ice-skate", 70, 680, 500), ("wrapped-gift", 70, 210, 340),
    ]),
    "Dschungel.jpg": (("#b5f0c0", "#f6ffe0"), ("#7ccf5a", "#357a2a"), 300, [
        ("palm-tree", 220, 0, 120), ("palm-tree", 200, 600, 110), ("elephant", 200, 290, 250),
        ("giraffe", 200, 140, 200), ("monkey", 120, 600, 300), ("parrot", 90, 450, 60),
        ("tiger", 160, 520, 420), ("snake", 100, 60, 460), ("lion", 120, 320, 460),
        ("zebra", 130, 30, 340), ("hibiscus", 60, 250, 540), ("banana", 60, 700, 230),
        ("sun-with-face", 110, 330, 20),
    ]),
}


def make_backgrounds(emoji, folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for name, (sky, ground, horizon, items) in SCENES.items():
        scene(emoji, os.path.join(folder, name), sky, ground, horizon, items)


# --- compiled-in art ----------------------------------------------------------

def gif_from(emoji_png_args, out, size):
    run(CONVERT, "-size", size, "xc:none", *emoji_png_args,
        "-channel", "A", "-threshold", "50%", "+channel", out)


def make_resources(emoji, art, letters_dir, work):
    shutil.rmtree(art, ignore_errors=True)
    os.makedirs(os.path.join(art, "letters"))
    for name in os.listdir(letters_dir):
        shutil.copy(os.path.join(letters_dir, name), os.path.join(art, "letters", name))

    # Start screen: only the top-left 539x444 shows; child in the middle,
    # buttons at the sides, title letters top and bottom, so decoration
    # stays near the edges and below the visible part.
    scene(emoji, os.path.join(art, "bg_start.jpg"), ("#fff4c9", "#dff3ff"),
          ("#c9ecb0", "#8fcf70"), 410, [
              ("cloud", 56, 150, 0), ("cloud", 60, 470, 14),
              ("tulip", 40, 20, 395), ("blossom", 36, 80, 402), ("tulip", 40, 300, 395),
              ("sunflower", 44, 480, 392), ("seedling", 34, 200, 405),
              ("butterfly", 36, 40, 280), ("honeybee", 32, 470, 290),
          ])
    scene(emoji, os.path.join(art, "bg_intro.jpg"), ("#9fdcff", "#fff7da"),
          ("#b6e59a", "#73b957"), 380, [
              ("sun-with-face", 90, 590, 16), ("rainbow", 140, 20, 10), ("cloud", 90, 330, 30),
              ("deciduous-tree", 120, 560, 280), ("tulip", 46, 60, 410), ("blossom", 40, 250, 420),
              ("sunflower", 60, 420, 400), ("butterfly", 44, 170, 300), ("rose", 40, 620, 420),
          ])
    scene(emoji, os.path.join(art, "bg_about.jpg"), ("#fffdf3", "#eaf7ee"), None, 600, [
        ("seedling", 36, 355, 240), ("blossom", 28, 320, 252),
    ])
    run(CONVERT, "-size", "800x600", f"xc:{GAME_TURQUOISE}", "-quality", 90,
        os.path.join(art, "bg_game.jpg"))
    run(CONVERT, "-size", "800x600", "xc:rgb(179,228,232)", "-type", "TrueColor",
        *PNG_STABLE, os.path.join(art, "bg_pale.png"))

    # The child carrying a dictionary and a few letters.
    letters = [os.path.join(letters_dir, f"{c}.gif") for c in "abc"]
    child_args = layers(emoji, [("child", 220, 59, 80), ("open-book", 170, 84, 236)])
    for i, (path, x, y) in enumerate(zip(letters, (30, 135, 240), (24, 4, 24))):
        child_args += ["(", path, "-resize", "70x70", "-background", "none",
                       "-rotate", (-14, 0, 14)[i], ")", "-geometry", f"{x:+d}{y:+d}",
                       "-composite"]
    gif_from(child_args, os.path.join(art, "child.gif"), "338x366")

    lettuce(emoji, os.path.join(art, "lettuce_right.jpg"), look=(14, 2), tilt=6)
    run(CONVERT, os.path.join(art, "lettuce_right.jpg"), "-flop", "-quality", 88,
        os.path.join(art, "lettuce_left.jpg"))
    lettuce(emoji, os.path.join(art, "mascot.jpg"), look=(0, 4))
    lettuce(emoji, os.path.join(art, "lettuce_life.jpg"), size=300, look=(0, 0),
            back=GAME_TURQUOISE, frame=False)

    gif_from(layers(emoji, [("star", 100, -2, -5)]), os.path.join(art, "deco.gif"), "97x91")
    gif_from(layers(emoji, [("trophy", 112, -14, 0)]), os.path.join(art, "trophy.gif"), "85x111")
    run(CONVERT, "-size", "463x338", "gradient:#fffbe6-#ffe9b0",
        *layers(emoji, [("locked-with-key", 290, 86, 24)]),
        "-quality", 88, os.path.join(art, "padlock.jpg"))


def write_qrc(resources):
    art = os.path.join(resources, "art")
    names = []
    for root, _, files in os.walk(art):
        for f in files:
            names.append(os.path.relpath(os.path.join(root, f), art))
    lines = ["<RCC>", '  <qresource prefix="/art">']
    for n in sorted(names):
        lines.append(f'    <file alias="{n}">art/{n}</file>')
    lines += ["  </qresource>", "</RCC>", ""]
    with open(os.path.join(resources, "art.qrc"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    icons_json, root = sys.argv[1], sys.argv[2]
    pics = os.path.join(root, "Pics")
    resources = os.path.join(root, "resources")
    with tempfile.TemporaryDirectory() as work:
        emoji = Emoji(icons_json, work)
        letters_dir = os.path.join(pics, "Buchstaben")
        shutil.rmtree(letters_dir, ignore_errors=True)
        make_letters(letters_dir, work)
        make_resources(emoji, os.path.join(resources, "art"), letters_dir, work)
        write_qrc(resources)
        make_words(emoji, pics, read_words())
        make_backgrounds(emoji, os.path.join(pics, "Hintergrundbilder"))
        make_lettuce_frames(emoji, os.path.join(pics, "Salatköpfe"))
        make_contact_sheets(pics, os.path.join(root, "docs", "contact-sheets"))
        shutil.copy(os.path.join(HERE, "LICENSE.pics"), os.path.join(pics, "LICENSE"))


if __name__ == "__main__":
    main()
