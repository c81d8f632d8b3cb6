#!/usr/bin/python3
"""Renders the game's art and sound from the sources beside this script.

Writes every picture, sprite description file, the score font and every sound under
game/data/, the desktop icons under game/icons/, and a contact sheet of all sprites and
frames under docs/. The output is
deterministic: the same sources and package versions give the same bytes, which the
art_up_to_date test checks against the committed files.

    /usr/bin/python3 game/art/generate.py [--out ROOT]

ROOT defaults to the repository root; the files go to ROOT/game/data, ROOT/game/icons and
ROOT/docs.
Needs rsvg-convert (librsvg2-bin), python3-numpy, python3-cairo and the Comic Neue font
(fonts-comic-neue); scripts/install-art-deps.sh installs them.
"""

import argparse
import copy
import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import wave
import xml.etree.ElementTree as ET
import zlib

import cairo
import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
SRC = os.path.join(HERE, "src")
SVG_NS = "http://www.w3.org/2000/svg"
NS = {
    "": SVG_NS,
    "xlink": "http://www.w3.org/1999/xlink",
    "inkscape": "http://www.inkscape.org/namespaces/inkscape",
    "sodipodi": "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd",
}
for prefix, uri in NS.items():
    ET.register_namespace(prefix, uri)

FONT_FAMILY = "Comic Neue"

# ---------------------------------------------------------------------------------------
# Depths. Smaller Z is in front, and a change erases and redraws every sprite in front of
# the changed one, so what changes often sits in front and the background far behind.
# The score text is put at Z 10 by the game itself.
Z_OVERLAY = 20  # full-screen pictures, behind the score only
Z_OVERLAY_PART = 18  # buttons and plates the game puts on a picture (the game writes digits at 16)
Z_HELP_ANIMATION = 15  # plays on top of the help picture
Z_FAN = 40
Z_BUBBLE = 50
# Outer characters walk over the middle one, so the middle one is furthest back.
Z_CHARACTER = {1: 60, 3: 66, 2: 72}  # body; head is 2 and eyes 4 in front of it
Z_BACKGROUND = 1000

# Screen geometry shared with the game.
CHARACTER_X = {1: 200, 2: 400, 3: 600}
CHARACTER_TOP = 380  # y of the character canvas' top edge on screen
PREVIEW_Y = 445

# Colours of the bubbles: a colour-blind-safe set, each told apart by lightness too.
# number fill is chosen for contrast with the bubble colour (checked below).
BUBBLES = {
    1: ("#0072B2", "#FFFFFF"),  # blue, white number
    2: ("#E69F00", "#1B1B2F"),  # orange
    3: ("#009E73", "#101020"),  # bluish green
    4: ("#D55E00", "#0E0E1A"),  # vermillion
    5: ("#56B4E9", "#1B1B2F"),  # sky blue
    6: ("#CC79A7", "#1B1B2F"),  # reddish purple
}

# Animation frame lists: (frame settings, milliseconds). Settings: "show"/"hide" ids,
# "set": {id: {attribute: value}}, "text": {id: text}.


def frames(*items):
    return list(items)


def F(ms, show=(), hide=(), set=None, text=None):  # noqa: A002 - reads like the data
    return {"ms": ms, "show": list(show), "hide": list(hide), "set": set or {}, "text": text or {}}


# --- characters -------------------------------------------------------------------------
# Each character SVG is a 180 x 220 canvas whose x 90 is the character's centre and whose
# top edge is screen y 380. Layers: body, head, eyes; variant groups inside are toggled.
CHAR_CROPS = {
    "body": (10, 96, 160, 124),
    "head": (20, 0, 140, 120),
    "eyes": (30, 20, 120, 50),
}

BODY_ANIMS = {
    "talk": (True, [F(380, show=["arms_up"], hide=["arms_down", "arms_rest"]),
                    F(380, show=["arms_down"], hide=["arms_up", "arms_rest"])]),
    "silent": (False, [F(200, show=["arms_rest"], hide=["arms_up", "arms_down"])]),
}
MOUTHS = ["mouth_o", "mouth_wide", "mouth_small", "mouth_mid", "mouth_shut"]


def mouth(name, ms):
    return F(ms, show=[name], hide=[m for m in MOUTHS if m != name])


HEAD_ANIMS = {
    "talk": (True, [mouth("mouth_o", 160), mouth("mouth_wide", 140), mouth("mouth_small", 120),
                    mouth("mouth_mid", 150), mouth("mouth_wide", 130), mouth("mouth_o", 170)]),
    "silent": (False, [mouth("mouth_shut", 200)]),
}
EYES = ["eyes_open", "eyes_left", "eyes_right", "eyes_blink", "eyes_shut"]


def eyes(name, ms):
    return F(ms, show=[name], hide=[e for e in EYES if e != name])


EYES_ANIMS = {
    "talk": (True, [eyes("eyes_open", 1300), eyes("eyes_blink", 110), eyes("eyes_open", 700),
                    eyes("eyes_left", 600), eyes("eyes_open", 500), eyes("eyes_right", 600),
                    eyes("eyes_blink", 110)]),
    "silent": (False, [eyes("eyes_shut", 200)]),
}

# --- bubbles ----------------------------------------------------------------------------
BUBBLE_SIZE = 40


def wobble(sx, sy, ms, hx=0.0, hy=0.0):
    c = BUBBLE_SIZE / 2
    return F(ms, show=["ball", "number"], hide=["burst", "drops"],
             set={"ball": {"transform": f"translate({c} {c}) scale({sx} {sy}) translate({-c} {-c})",
                           "opacity": "1"},
                  "shine": {"transform": f"translate({hx} {hy})"},
                  "number": {"opacity": "1"}})


BUBBLE_ANIMS = {
    "blow": (True, [wobble(1, 1, 220), wobble(1.035, 0.965, 200, 0.5, 0.3),
                    wobble(1, 1, 220), wobble(0.965, 1.035, 200, -0.3, -0.5)]),
    "death": (False, [
        F(60, show=["ball", "number"], hide=["burst", "drops"],
          set={"ball": {"transform": "translate(20 20) scale(1.1 1.1) translate(-20 -20)", "opacity": "1"},
               "number": {"opacity": "1"}}),
        F(70, show=["burst"], hide=["ball", "drops"],
          set={"number": {"opacity": "0.55"}, "burst": {"opacity": "1"}}),
        F(70, show=["drops"], hide=["ball", "burst", "number"], set={"drops": {"opacity": "0.6"}}),
        # Last frame: a faint ghost. It shows which bubble waits behind a hushed mouth.
        F(100, show=["ball", "number"], hide=["burst", "drops"],
          set={"ball": {"transform": "", "opacity": "0.22"}, "number": {"opacity": "0.3"}}),
    ]),
}

# --- ceiling fan ------------------------------------------------------------------------
FAN_SIZE = (220, 46)
FAN_X = 400 - FAN_SIZE[0] // 2
FAN_STEPS = 6


def fan_frame(step):
    theta = step * (90.0 / FAN_STEPS)
    settings = {}
    show, hide = [], []
    for k in range(4):
        phi = math.radians(theta + 90 * k + 20)
        c, s = math.cos(phi), math.sin(phi)
        front = s >= 0
        transform = f"translate(110 {27 + 3.2 * s:.2f}) scale({c:.4f} 1)"
        for kind in ("back", "front"):
            settings[f"blade_{kind}{k}"] = {"transform": transform}
        (show if front else hide).append(f"blade_front{k}")
        (hide if front else show).append(f"blade_back{k}")
    return F(45, show=show, hide=hide, set=settings)


FAN_ANIMS = {"spin": (True, [fan_frame(i) for i in range(FAN_STEPS)])}

# --- help animation ---------------------------------------------------------------------
HELP_ANIM_SIZE = (300, 300)
HELP_ANIM_POS = (470, 150)
HELP_STEPS = ["step0", "step1", "step2", "step3", "step4"]


def help_step(name, ms):
    return F(ms, show=[name], hide=[s for s in HELP_STEPS if s != name])


HELP_ANIMS = {"play": (True, [help_step("step0", 1400), help_step("step1", 1300), help_step("step2", 1300),
                              help_step("step3", 450), help_step("step4", 1500)])}


# =======================================================================================
# SVG handling


def q(tag):
    return f"{{{SVG_NS}}}{tag}"


def load_svg(name):
    return ET.parse(os.path.join(SRC, name)).getroot()


def index_ids(root):
    return {el.get("id"): el for el in root.iter() if el.get("id")}


def set_display(el, visible):
    style = [p for p in (el.get("style") or "").split(";") if p.strip() and not p.strip().startswith("display")]
    style.append("display:inline" if visible else "display:none")
    el.set("style", ";".join(style))


def apply_frame(root, frame, only_layer=None):
    ids = index_ids(root)
    for layer_id in ("body", "head", "eyes"):
        if only_layer is not None and layer_id in ids:
            set_display(ids[layer_id], layer_id == only_layer)
    for key in frame.get("show", []):
        if key in ids:
            set_display(ids[key], True)
    for key in frame.get("hide", []):
        if key in ids:
            set_display(ids[key], False)
    for key, attrs in frame.get("set", {}).items():
        for attr, value in attrs.items():
            if value == "":
                ids[key].attrib.pop(attr, None)
            else:
                ids[key].set(attr, value)
    for key, value in frame.get("text", {}).items():
        ids[key].text = value


def compose_strip(source, frame_list, crop, only_layer=None):
    """One SVG holding every frame side by side, each cut to the crop rect."""
    x, y, w, h = crop
    n = len(frame_list)
    out = ET.Element(q("svg"), {"width": str(w * n), "height": str(h), "viewBox": f"0 0 {w * n} {h}",
                                "version": "1.1"})
    for child in source:
        if child.tag == q("defs"):
            out.append(copy.deepcopy(child))
    for i, frame in enumerate(frame_list):
        root = copy.deepcopy(source)
        apply_frame(root, frame, only_layer)
        cell = ET.SubElement(out, q("svg"), {"x": str(i * w), "y": "0", "width": str(w), "height": str(h),
                                             "viewBox": f"{x} {y} {w} {h}", "overflow": "hidden"})
        for child in root:
            if child.tag in (q("defs"), q("metadata"), f"{{{NS['sodipodi']}}}namedview"):
                continue
            cell.append(child)
    return out


def render(svg_root, out_png, tmp):
    """Renders with rsvg-convert, then writes the PNG itself so that no pixel carries the
    colour key and opaque pictures are stored without alpha."""
    path = os.path.join(tmp, os.path.basename(out_png) + ".svg")
    ET.ElementTree(svg_root).write(path, encoding="utf-8", xml_declaration=False)
    subprocess.run(["rsvg-convert", "-f", "png", "-o", path + ".png", path], check=True)
    write_png(clear_colour_key(read_png(path + ".png")), out_png)


def whole(source):
    w = int(float(source.get("width")))
    h = int(float(source.get("height")))
    return (0, 0, w, h)


# =======================================================================================
# Description files in the engine's dialect, written the way its own writer writes them.


class Xml:
    def __init__(self):
        self.lines = []
        self.depth = 0

    def start(self, name, attrs=None):
        text = "<" + name
        if attrs:
            text += " " + "".join(f'{k}="{v}" ' for k, v in sorted(attrs.items()))
        self.lines.append("  " * self.depth + text + ">")
        self.depth += 1

    def text(self, value):
        self.lines.append("  " * self.depth + str(value))

    def end(self, name):
        self.depth -= 1
        self.lines.append("  " * self.depth + f"</{name}>")

    def value(self, name, value):
        self.start(name)
        self.text(value)
        self.end(name)

    def rect(self, name, r):
        self.start(name, {"x": r[0], "y": r[1], "w": r[2], "h": r[3]})
        self.end(name)

    def data(self):
        return ("\n".join(self.lines) + "\n").encode("ascii")


def sprite_xml(picture, rect, z, animations=None, current=None):
    doc = Xml()
    doc.start("sprite", {"type": "sprite_animated" if animations else "sprite_base"})
    doc.value("ImageFilename", picture)
    doc.rect("ImageRect", rect)
    doc.value("Z", z)
    doc.value("Alpha", 255)
    if animations:
        w, h = rect[2], rect[3]
        doc.value("CurrentAnimation", current)
        doc.value("CurrentFrame", 0)
        doc.value("MiniumUpdateTime", 250)
        doc.value("Play", 1)
        doc.value("TimeMultiply", 1)
        for name, (loop, frame_refs) in animations.items():
            doc.start("Animation", {"name": name, "loop": 1 if loop else 0})
            for index, ms in frame_refs:
                doc.start("Frame", {"type": "frame_rect"})
                doc.rect("Rect", (index * w, 0, w, h))
                doc.value("FrameLength", ms)
                doc.end("Frame")
            doc.end("Animation")
    doc.end("sprite")
    return doc.data()


def flatten(anims):
    """All frames of all animations in one strip, with each animation's frame indices."""
    strip, refs = [], {}
    for name, (loop, frame_list) in anims.items():
        refs[name] = (loop, [])
        for frame in frame_list:
            key = repr({k: v for k, v in frame.items() if k != "ms"})
            keys = [repr({k: v for k, v in f.items() if k != "ms"}) for f in strip]
            if key in keys:
                index = keys.index(key)
            else:
                strip.append(frame)
                index = len(strip) - 1
            refs[name][1].append((index, frame["ms"]))
    return strip, refs


# =======================================================================================
# Pictures


class Output:
    def __init__(self, root):
        self.root = root
        self.data = os.path.join(root, "game", "data")
        self.sprites = []  # (name, png path, rect, frame rects per animation) for the sheet
        self.gui = {}  # pixels of the console window's GIF pictures, for the sheet

    def path(self, rel):
        full = os.path.join(self.data, rel)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        return full

    def write(self, rel, data):
        with open(self.path(rel), "wb") as f:
            f.write(data)


def make_sprite(out, tmp, name, source, crop, pos, z, anims=None, current=None, only_layer=None,
                still=None):
    """A still sprite shows `still` (a frame of shown and hidden ids), or the source as it is."""
    if anims:
        strip, refs = flatten(anims)
    else:
        strip, refs = [still or F(0)], None
    render(compose_strip(source, strip, crop, only_layer), out.path(f"gfx/{name}.png"), tmp)
    rect = (pos[0], pos[1], crop[2], crop[3])
    out.write(f"gfx/{name}.xml", sprite_xml(f"data/gfx/{name}.png", rect, z, refs, current))
    out.sprites.append((name, out.path(f"gfx/{name}.png"), rect, refs))


def make_characters(out, tmp):
    for num in (1, 2, 3):
        source = load_svg(f"character_{num:02d}.svg")
        left = CHARACTER_X[num] - 90
        z = Z_CHARACTER[num]
        for layer, file_name, anims, dz in (("body", f"character_{num:02d}", BODY_ANIMS, 0),
                                            ("head", f"char_head_{num:02d}", HEAD_ANIMS, 2),
                                            ("eyes", f"char_eyes_{num:02d}", EYES_ANIMS, 4)):
            crop = CHAR_CROPS[layer]
            pos = (left + crop[0], CHARACTER_TOP + crop[1])
            make_sprite(out, tmp, file_name, source, crop, pos, z - dz, anims, "talk", only_layer=layer)


def make_bubbles(out, tmp):
    for num, (colour, number_colour) in BUBBLES.items():
        source = load_svg("soap_bubble.svg")
        for el in source.iter():
            cls = (el.get("class") or "").split()
            if "tint-fill" in cls:
                el.set("fill", colour)
            if "tint-stroke" in cls:
                el.set("stroke", colour)
            if "number-fill" in cls:
                el.set("fill", number_colour)
            if "digit" in cls:
                el.text = str(num)
        c = BUBBLE_SIZE // 2
        pos = (CHARACTER_X[1] - c, PREVIEW_Y - c)
        make_sprite(out, tmp, f"soap_bubble_{num:02d}", source, (0, 0, BUBBLE_SIZE, BUBBLE_SIZE), pos, Z_BUBBLE,
                    BUBBLE_ANIMS, "blow")


def make_static(out, tmp, name, z):
    source = load_svg(f"{name}.svg")
    make_sprite(out, tmp, name, source, whole(source), (0, 0), z)


# The title without its buttons, and each set of buttons as a sprite in its place: the game
# shows one set or the other.
TITLE_BUTTON_LAYERS = ("start", "choice")
TITLE_BUTTON_CROPS = {"start": (284, 540, 232, 54), "choice": (136, 540, 548, 54)}
BEST_SCORE_POS = (250, 8)  # on the title; the game moves it onto the end picture


def make_title(out, tmp):
    source = load_svg("title_screen.svg")
    make_sprite(out, tmp, "title_screen", source, whole(source), (0, 0), Z_OVERLAY,
                still=F(0, hide=TITLE_BUTTON_LAYERS))
    others = [child.get("id") for child in source if child.get("id") and child.tag == q("g")]
    for layer in TITLE_BUTTON_LAYERS:
        crop = TITLE_BUTTON_CROPS[layer]
        hidden = [other for other in others if other != layer]
        make_sprite(out, tmp, f"title_{layer}", source, crop, crop[:2], Z_OVERLAY_PART,
                    still=F(0, show=[layer], hide=hidden))
    source = load_svg("best_score.svg")
    make_sprite(out, tmp, "best_score", source, whole(source), BEST_SCORE_POS, Z_OVERLAY_PART)


def make_gui(out, tmp):
    source = load_svg("console_window.svg")
    pieces = {"background": (0, 0, 400, 200), "titlebar": (0, 210, 396, 20),
              "close": (410, 210, 20, 20), "maximize": (440, 210, 20, 20)}
    for name, crop in pieces.items():
        png = out.path(f"gui/{name}.png")
        render(compose_strip(source, [F(0)], crop), png, tmp)
        if name != "background":
            out.gui[name] = read_png(png)
            write_gif(out.gui[name], out.path(f"gui/{name}.gif"))
            os.remove(png)


# --- the score font ---------------------------------------------------------------------
FONT_CELL = (32, 42)


def make_font(out, tmp):
    source = load_svg("numbers.svg")
    w, h = FONT_CELL
    render(compose_strip(source, [F(0)], (0, 0, 10 * w, h)), out.path("gfx/numbers.png"), tmp)
    # Digits share one advance so the score does not jitter as it counts: 28 of 32 px.
    widths = "".join("%02d" % 56 for _ in range(10))
    line = f"OGF;10;1;{w};{h};10;888;0123456789;{widths};data/gfx/numbers.png"
    out.write("gfx/numbers.ogf", (line + "\n").encode("ascii"))


# --- the desktop icons --------------------------------------------------------------------
# Named after the desktop entry's id (APP_ID in CMakeLists.txt), in the icon theme's layout.
APP_ID = "org.tolm.BubbleHush"
ICON_SIZES = (48, 128, 256)


def make_icons(out, tmp):
    icons = os.path.join(out.root, "game", "icons", "hicolor")
    source = os.path.join(SRC, "icon.svg")
    for size in ICON_SIZES:
        folder = os.path.join(icons, f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        png = os.path.join(tmp, f"icon_{size}.png")
        subprocess.run(["rsvg-convert", "-f", "png", "-w", str(size), "-h", str(size), "-o", png, source],
                       check=True)
        write_png(clear_colour_key(read_png(png)), os.path.join(folder, APP_ID + ".png"))
    folder = os.path.join(icons, "scalable", "apps")
    os.makedirs(folder, exist_ok=True)
    shutil.copyfile(source, os.path.join(folder, APP_ID + ".svg"))


# =======================================================================================
# Reading pictures back (checks, GIF conversion, contact sheet)


def read_png(path):
    """Straight (not premultiplied) RGBA pixels as a numpy array of shape (h, w, 4)."""
    surface = cairo.ImageSurface.create_from_png(path)
    surface.flush()
    w, h, stride = surface.get_width(), surface.get_height(), surface.get_stride()
    raw = np.frombuffer(surface.get_data(), dtype=np.uint8).reshape(h, stride)[:, : 4 * w].reshape(h, w, 4)
    if sys.byteorder == "little":
        b, g, r, a = (raw[..., i].astype(np.int32) for i in range(4))
    else:
        a, r, g, b = (raw[..., i].astype(np.int32) for i in range(4))
    if surface.get_format() != cairo.FORMAT_ARGB32:
        a = np.full_like(r, 255)
    safe = np.maximum(a, 1)
    rgb = [np.where(a > 0, np.minimum((c * 255 + safe // 2) // safe, 255), 0) for c in (r, g, b)]
    return np.stack(rgb + [a], axis=-1).astype(np.uint8)


def clear_colour_key(px):
    """Nudges any pixel whose colour is exactly the engine's colour key, magenta. Such
    pixels can only come from nearly transparent edges, where the colour is rounding noise."""
    key = (px[..., 0] == 255) & (px[..., 1] == 0) & (px[..., 2] == 255)
    px = px.copy()
    px[key, 0] = 254
    px[key, 1] = 1
    px[key, 2] = 254
    return px


def write_png(px, path):
    """RGBA PNG, or RGB when every pixel is opaque; rows filtered as libpng would choose."""
    h, w = px.shape[:2]
    if (px[..., 3] == 255).all():
        px, colour, bpp = px[..., :3], 2, 3
    else:
        colour, bpp = 6, 4
    rows = px.reshape(h, w * bpp).astype(np.int32)
    out = bytearray()
    prev = np.zeros(w * bpp, dtype=np.int32)
    for y in range(h):
        line = rows[y]
        left = np.concatenate([np.zeros(bpp, dtype=np.int32), line[:-bpp]])
        upleft = np.concatenate([np.zeros(bpp, dtype=np.int32), prev[:-bpp]])
        p = left + prev - upleft
        pa, pb, pc = np.abs(p - left), np.abs(p - prev), np.abs(p - upleft)
        paeth = np.where((pa <= pb) & (pa <= pc), left, np.where(pb <= pc, prev, upleft))
        candidates = [(line - pred) & 255 for pred in (0, left, prev, (left + prev) >> 1, paeth)]
        costs = [int(np.sum(np.where(c < 128, c, 256 - c))) for c in candidates]
        kind = costs.index(min(costs))
        out.append(kind)
        out += candidates[kind].astype(np.uint8).tobytes()
        prev = line

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, colour, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(bytes(out), 9)) + chunk(b"IEND", b""))


def write_gif(px, path):
    """An opaque GIF89a with one global palette; LZW written here, no extra packages."""
    h, w = px.shape[:2]
    rgb = px[..., :3].astype(np.int32)
    shift = 0
    while True:
        reduced = (rgb >> shift) << shift
        keys = (reduced[..., 0] << 16) | (reduced[..., 1] << 8) | reduced[..., 2]
        palette = np.unique(keys)
        if len(palette) <= 256:
            break
        shift += 1
    indices = np.searchsorted(palette, keys).astype(np.int32).ravel()
    table = bytearray()
    for key in palette:
        table += bytes(((key >> 16) & 255, (key >> 8) & 255, key & 255))
    table += bytes(3 * (256 - len(palette)))
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", w, h, 0xF7, 0, 0)
    data += table
    data += struct.pack("<BHHHHB", 0x2C, 0, 0, w, h, 0)
    data += bytes((8,))
    lzw = lzw_encode(indices.tolist(), 8)
    for i in range(0, len(lzw), 255):
        chunk = lzw[i: i + 255]
        data += bytes((len(chunk),)) + chunk
    data += b"\x00;"
    with open(path, "wb") as f:
        f.write(bytes(data))


def lzw_encode(indices, min_size):
    clear, end = 1 << min_size, (1 << min_size) + 1
    out, bits, nbits = bytearray(), 0, 0

    def emit(code, size):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(bits & 255)
            bits >>= 8
            nbits -= 8

    def fresh():
        return {(i,): i for i in range(clear)}, end + 1, min_size + 1

    table, next_code, size = fresh()
    emit(clear, size)
    current = ()
    for index in indices:
        candidate = current + (index,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current], size)
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear, size)
            table, next_code, size = fresh()
        current = (index,)
    if current:
        emit(table[current], size)
    emit(end, size)
    if nbits:
        out.append(bits & 255)
    return bytes(out)


# =======================================================================================
# Checks on the colours of the numbers


def luminance(hex_colour):
    def channel(v):
        v /= 255.0
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (int(hex_colour[i: i + 2], 16) for i in (1, 3, 5))
    return 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b)


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def check_bubble_colours():
    for num, (colour, number_colour) in BUBBLES.items():
        ratio = contrast(colour, number_colour)
        if ratio < 4.5:
            sys.exit(f"bubble {num}: number {number_colour} on {colour} has contrast {ratio:.2f} < 4.5")


# =======================================================================================
# Sounds: 22050 Hz mono 16-bit, peaks at -6 dBFS, silent first and last samples.
RATE = 22050


class Noise:
    """xorshift32: the same numbers on every machine and numpy version."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF or 1

    def next(self):
        x = self.state
        x ^= (x << 13) & 0xFFFFFFFF
        x ^= x >> 17
        x ^= (x << 5) & 0xFFFFFFFF
        self.state = x
        return x / 2147483648.0 - 1.0


def lowpass(samples, cutoff):
    a = 1.0 - math.exp(-2.0 * math.pi * cutoff / RATE)
    y, out = 0.0, []
    for x in samples:
        y += a * (x - y)
        out.append(y)
    return out


def finish(samples, fade_in_ms=2.0, fade_out_ms=4.0):
    data = np.array(samples, dtype=np.float64)
    n = len(data)
    fi = max(2, int(RATE * fade_in_ms / 1000))
    fo = max(2, int(RATE * fade_out_ms / 1000))
    data[:fi] *= np.array([i / fi for i in range(fi)])
    data[n - fo:] *= np.array([(fo - 1 - i) / fo for i in range(fo)])
    peak = float(np.max(np.abs(data)))
    data *= (0.5 * 32767.0) / peak  # -6 dBFS: nine sounds at once, and the mixer does not limit
    pcm = np.round(data).astype("<i2")
    pcm[0] = pcm[-1] = 0
    return pcm


def pop(seed, f_start, f_end, length_ms, decay_ms, overtone):
    n = int(RATE * length_ms / 1000)
    noise = Noise(seed)
    glide = int(n * 0.45)
    phase, out = 0.0, []
    click = lowpass([noise.next() for _ in range(int(RATE * 0.004))], 5000)
    for i in range(n):
        t = i / RATE
        k = min(i / glide, 1.0)
        f = f_start * (f_end / f_start) ** (k * (2 - k))
        phase += 2 * math.pi * f / RATE
        env = math.exp(-t * 1000 / decay_ms)
        s = math.sin(phase) + overtone * math.sin(2.01 * phase)
        s *= env
        if i < len(click):
            s += 0.5 * click[i] * (1 - i / len(click))
        out.append(s)
    return finish(lowpass(out, 6000))


def fan_thud():
    n = int(RATE * 0.34)
    noise = Noise(0xFA17)
    raw = [noise.next() for _ in range(n)]
    band = lowpass(raw, 2200)
    band = [b - l for b, l in zip(band, lowpass(band, 350))]
    out, phase = [], 0.0
    for i in range(n):
        t = i / RATE
        swell = math.sin(math.pi * min(t / 0.16, 1.0)) if t < 0.16 else 0.0
        whoosh = band[i] * swell * (0.6 + 0.4 * math.sin(2 * math.pi * 18 * t))
        thud = 0.0
        if t >= 0.13:
            tt = t - 0.13
            f = 120 * math.exp(-tt * 7) + 62  # a low knock that small speakers still play
            phase += 2 * math.pi * f / RATE
            thud = math.sin(phase) * math.exp(-tt * 1000 / 55) * min(tt / 0.003, 1.0)
            thud += 0.45 * math.sin(2.3 * phase) * math.exp(-tt * 1000 / 25) * min(tt / 0.003, 1.0)
            thud += 0.35 * raw[i] * math.exp(-tt * 1000 / 8)
        out.append(1.6 * whoosh + thud)
    return finish(lowpass(out, 5000), fade_in_ms=3, fade_out_ms=8)


POPS = [  # seed, glide from, glide to (Hz), length, decay (ms), overtone level
    (11, 380, 900, 90, 24, 0.20),
    (23, 520, 1150, 75, 20, 0.15),
    (37, 300, 700, 110, 32, 0.25),
    (41, 640, 1400, 70, 18, 0.12),
    (53, 450, 820, 100, 28, 0.30),
    (67, 260, 610, 130, 36, 0.22),
    (79, 720, 1600, 65, 16, 0.10),
]


def write_wav(path, pcm):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(pcm.tobytes())


def make_sounds(out):
    for i, args in enumerate(POPS, start=1):
        write_wav(out.path(f"sfx/bubble_hit_{i:02d}.wav"), pop(*args))
    write_wav(out.path("sfx/fan_hit.wav"), fan_thud())


# =======================================================================================
# Contact sheet: a scene as the game starts, then every sprite and frame on the background.


def surface_of(path):
    return cairo.ImageSurface.create_from_png(path)


def contact_sheet(out, path):
    bg = surface_of(out.path("gfx/background.png"))
    by_name = {s[0]: s for s in out.sprites}
    sheet_w = 1640
    rows = []  # (label, [(name, frame index, frame rect)]) per animation
    for name, png, rect, refs in out.sprites:
        if name in ("background",) or rect[2] >= 800:
            continue
        if refs:
            for anim, (loop, frame_refs) in refs.items():
                rows.append((f"{name}  \"{anim}\"" + ("  loop" if loop else ""), name, [i for i, _ in frame_refs],
                             [ms for _, ms in frame_refs]))
        else:
            rows.append((name, name, [0], [0]))
    # Layout: one line per animation; frames shown at twice their size over the background
    # patch that lies under the sprite in the game.
    pad, label_h = 12, 20
    y = 620 + 290
    placements = []
    x, line_h = pad, 0
    for label, name, indices, times in rows:
        rect = by_name[name][2]
        scale = 2 if rect[2] <= 60 else 1
        block_w = max(len(indices) * (rect[2] * scale + 4), 7 * len(label) + 10)
        block_h = label_h + rect[3] * scale + 16
        if x + block_w > sheet_w - pad:
            x, y = pad, y + line_h + pad
            line_h = 0
        placements.append((x, y, label, name, indices, times, scale))
        x += block_w + 2 * pad
        line_h = max(line_h, block_h)
    height = y + line_h + pad
    sheet = cairo.ImageSurface(cairo.FORMAT_ARGB32, sheet_w, height)
    cr = cairo.Context(sheet)
    cr.set_source_rgb(0.16, 0.16, 0.24)
    cr.paint()
    cr.select_font_face("DejaVu Sans", cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_NORMAL)
    cr.set_font_size(12)

    def blit(png_surface, src_rect, dx, dy, scale=1):
        cr.save()
        cr.rectangle(dx, dy, src_rect[2] * scale, src_rect[3] * scale)
        cr.clip()
        cr.translate(dx, dy)
        cr.scale(scale, scale)
        cr.set_source_surface(png_surface, -src_rect[0], -src_rect[1])
        cr.get_source().set_filter(cairo.FILTER_NEAREST)
        cr.paint()
        cr.restore()

    def label(text, lx, ly):
        cr.set_source_rgb(0.93, 0.93, 0.97)
        cr.move_to(lx, ly)
        cr.show_text(text)

    # The scene: background, fan, characters, a few bubbles and previews, score.
    label("Scene at play (1:1)", pad, 16)
    scene_x, scene_y = pad, 22
    blit(bg, (0, 0, 800, 600), scene_x, scene_y)
    surfaces = {}

    def sprite_frame(name, index, sx, sy):
        png, rect = by_name[name][1], by_name[name][2]
        surf = surfaces.setdefault(name, surface_of(png))
        blit(surf, (index * rect[2], 0, rect[2], rect[3]), scene_x + sx, scene_y + sy)

    layered = []
    for num in (1, 2, 3):
        for part in (f"character_{num:02d}", f"char_head_{num:02d}", f"char_eyes_{num:02d}"):
            rect = by_name[part][2]
            layered.append((Z_CHARACTER[num], part, 0, rect[0], rect[1]))
    board = {0: [1, 2, 3, 1], 1: [2, 2, 1], 2: [3, 2, 2, 1, 3]}
    for line, numbers in board.items():
        for pos, number in enumerate(numbers):
            cx = CHARACTER_X[line + 1] + (([350, 400, 450][line] - CHARACTER_X[line + 1]) * (min(pos, 8) / 7.5) ** 2
                                          if pos < 8 else [350, 400, 450][line] - CHARACTER_X[line + 1])
            cy = 370 - 25 * pos
            layered.append((Z_BUBBLE, f"soap_bubble_{number:02d}", 0, int(cx) - 20, cy - 20))
    layered.append((Z_BUBBLE, "soap_bubble_02", 0, 200 - 20, PREVIEW_Y - 20))
    layered.append((Z_BUBBLE, "soap_bubble_03", 3, 400 - 20, PREVIEW_Y - 25))  # hushed: faint
    layered.append((Z_BUBBLE, "soap_bubble_01", 0, 605 - 20, PREVIEW_Y - 20))
    layered.append((Z_FAN, "ceiling_fan", 0, FAN_X, 0))
    for z, name, index, sx, sy in sorted(layered, key=lambda item: -item[0]):
        if name.startswith("char_head_02"):
            index = by_name[name][3]["silent"][1][0][0]
        if name.startswith("char_eyes_02"):
            index = by_name[name][3]["silent"][1][0][0]
        if name.startswith("character_02"):
            index = by_name[name][3]["silent"][1][0][0]
        sprite_frame(name, index, sx, sy)
    font = surface_of(out.path("gfx/numbers.png"))
    for i, digit in enumerate("1200"):
        d = int(digit)
        blit(font, (d * FONT_CELL[0], 0, 28, FONT_CELL[1]), scene_x + 10 + 28 * i, scene_y + 10)

    # Full-screen pictures at a quarter of their size, beside the scene.
    fx, fy = 800 + 3 * pad, 22
    for i, name in enumerate(["title_screen", "help_screen", "level_complete", "level_failed", "the_end"]):
        col, row = i % 2, i // 2
        px, py = fx + col * (400 + pad), fy + row * (300 + 2 * pad)
        label(name + " (1:2)", px, py - 4)
        cr.save()
        cr.translate(px, py)
        cr.scale(0.5, 0.5)
        cr.set_source_surface(surface_of(by_name[name][1]), 0, 0)
        cr.paint()
        if name == "help_screen":
            help_rect = by_name["help_animation"][2]
            cr.set_source_surface(surface_of(by_name["help_animation"][1]), help_rect[0], help_rect[1])
            cr.rectangle(help_rect[0], help_rect[1], help_rect[2], help_rect[3])
            cr.fill()
        cr.restore()
    # The console window's pictures.
    gx, gy = fx + 400 + pad, fy + 2 * (300 + 2 * pad) + 20
    label("console window", gx, gy - 4)
    gui_bg = surface_of(out.path("gui/background.png"))
    cr.save()
    cr.translate(gx, gy)
    cr.scale(0.9, 0.9)
    cr.set_source_surface(gui_bg, 0, 0)
    cr.paint()
    # The window lays its title bar and buttons out like this (400 px wide).
    for name, (px_x, px_y) in (("titlebar", (2, 2)), ("maximize", (350, 2)), ("close", (375, 2))):
        pixels = out.gui[name]
        h, w = pixels.shape[:2]
        bgra = np.ascontiguousarray(pixels[..., [2, 1, 0, 3]] if sys.byteorder == "little"
                                    else pixels[..., [3, 0, 1, 2]])
        piece = cairo.ImageSurface.create_for_data(bytearray(bgra.tobytes()), cairo.FORMAT_ARGB32, w, h, 4 * w)
        cr.set_source_surface(piece, px_x, px_y)
        cr.paint()
    cr.restore()

    for x, y, text, name, indices, times, scale in placements:
        rect = by_name[name][2]
        label(text, x, y + 13)
        png = by_name[name][1]
        surf = surfaces.setdefault(name, surface_of(png))
        for k, index in enumerate(indices):
            dx = x + k * (rect[2] * scale + 4)
            dy = y + label_h
            # The background under the sprite's place in the game.
            blit(bg, (rect[0], rect[1], rect[2], rect[3]), dx, dy, scale)
            blit(surf, (index * rect[2], 0, rect[2], rect[3]), dx, dy, scale)
            cr.set_source_rgb(0.75, 0.75, 0.82)
            cr.set_font_size(9)
            cr.move_to(dx, dy + rect[3] * scale + 11)
            cr.show_text(f"{times[k]} ms")
            cr.set_font_size(12)
    sheet.write_to_png(path)


# =======================================================================================


def check_font():
    found = subprocess.run(["fc-match", "-f", "%{family}", f"{FONT_FAMILY}:bold"], capture_output=True,
                           text=True, check=True).stdout
    if FONT_FAMILY not in found:
        sys.exit(f"the font {FONT_FAMILY} is not installed (fc-match gives {found!r}); "
                 "run scripts/install-art-deps.sh")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--out", default=os.path.normpath(os.path.join(HERE, "..", "..")),
                        help="root under which game/data and docs are written")
    args = parser.parse_args()
    check_font()
    check_bubble_colours()
    out = Output(os.path.abspath(args.out))
    for sub in ("gfx", "sfx", "gui"):
        os.makedirs(os.path.join(out.data, sub), exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        # Pictures may place other sources as images, found beside the composed file.
        for name in sorted(os.listdir(SRC)):
            if name.endswith(".svg"):
                shutil.copy(os.path.join(SRC, name), tmp)
        make_static(out, tmp, "background", Z_BACKGROUND)
        make_characters(out, tmp)
        make_bubbles(out, tmp)
        source = load_svg("ceiling_fan.svg")
        make_sprite(out, tmp, "ceiling_fan", source, whole(source), (FAN_X, 0), Z_FAN, FAN_ANIMS, "spin")
        make_title(out, tmp)
        for name in ("help_screen", "level_complete", "level_failed", "the_end"):
            make_static(out, tmp, name, Z_OVERLAY)
        source = load_svg("help_animation.svg")
        make_sprite(out, tmp, "help_animation", source, whole(source), HELP_ANIM_POS, Z_HELP_ANIMATION,
                    HELP_ANIMS, "play")
        make_font(out, tmp)
        make_gui(out, tmp)
        make_icons(out, tmp)
    make_sounds(out)
    docs = os.path.join(out.root, "docs")
    os.makedirs(docs, exist_ok=True)
    contact_sheet(out, os.path.join(docs, "contact_sheet.png"))


if __name__ == "__main__":
    main()
