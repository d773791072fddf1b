#!/usr/bin/python3
"""Draws the program's icon and its eight pictures into assets/.

Run it from anywhere with Debian's interpreter:

    /usr/bin/python3 tools/assets/make_assets.py

It needs the Debian packages python3-pil, python3-qrcode, fonts-noto-cjk and fonts-arphic-ukai
(fontconfig's fc-match finds the font files). The output is deterministic: no file carries a
timestamp and the only pseudo-random textures come from fixed seeds, so every run on the same
system writes the same bytes. The build never runs this script; the files it writes are committed
and are the stored assets. After writing, the script reads every file back and checks its kind,
mode and pixel size.

Everything here is drawn from simple shapes and installed fonts: no photograph, logo or artwork
from elsewhere. The brand pictures are invented stand-ins that only evoke their subject.
"""

import io
import math
import os
import random
import struct
import subprocess
import sys

import qrcode
from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont, JpegImagePlugin

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
ASSETS = os.path.join(ROOT, "assets")
PICTURES = os.path.join(ASSETS, "pictures")

# The campaign's colours.
RED = (200, 22, 29)
DEEP_RED = (140, 10, 16)
GOLD = (245, 194, 66)
LIGHT_GOLD = (255, 232, 150)
DARK_GOLD = (196, 128, 20)

# ----------------------------------------------------------------------------------------------
# Fonts

# fontconfig pattern, expected family, and the Debian package's file with its face index as the
# answer when fontconfig is not available.
FONTS = {
    "sans": ("Noto Sans CJK SC:style=Regular", "Noto Sans CJK SC",
             "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc", 2),
    "sans-bold": ("Noto Sans CJK SC:style=Bold", "Noto Sans CJK SC",
                  "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc", 2),
    "serif-bold": ("Noto Serif CJK SC:style=Bold", "Noto Serif CJK SC",
                   "/usr/share/fonts/opentype/noto/NotoSerifCJK-Bold.ttc", 2),
    "kai": ("AR PL UKai CN", "AR PL UKai CN", "/usr/share/fonts/truetype/arphic/ukai.ttc", 0),
}
_font_files = {}
_font_cache = {}


def font_file(key):
    if key not in _font_files:
        pattern, family, path, index = FONTS[key]
        try:
            out = subprocess.run(["fc-match", "-f", "%{file}\t%{index}\t%{family}", pattern],
                                 capture_output=True, text=True, check=True).stdout
            f_path, f_index, f_family = out.split("\t")
            # fc-match answers with a substitute when the family is missing; only take a match.
            if family in f_family.split(","):
                path, index = f_path, int(f_index)
        except (OSError, subprocess.CalledProcessError, ValueError):
            pass
        if not os.path.exists(path):
            sys.exit(f"font {family} not found (install fonts-noto-cjk and fonts-arphic-ukai)")
        _font_files[key] = (path, index)
    return _font_files[key]


def font(key, size):
    size = max(1, int(round(size)))
    if (key, size) not in _font_cache:
        path, index = font_file(key)
        _font_cache[(key, size)] = ImageFont.truetype(path, size, index=index)
    return _font_cache[(key, size)]


# ----------------------------------------------------------------------------------------------
# Drawing helpers. Pictures are drawn at a multiple of their size and reduced at the end, which
# gives every shape smooth edges; a Pen takes coordinates at the final size and scales them.


def lerp(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def vgradient(size, top, bottom):
    w, h = size
    column = Image.new("RGB", (1, h))
    for y in range(h):
        column.putpixel((0, y), lerp(top, bottom, y / max(1, h - 1)))
    return column.resize((w, h), Image.NEAREST)


def hgradient(size, left, right):
    w, h = size
    return vgradient((h, w), left, right).transpose(Image.Transpose.ROTATE_270).transpose(
        Image.Transpose.FLIP_LEFT_RIGHT)


def radial(size, inner, outer, centre=None, radius=None):
    """A radial gradient from inner at the centre to outer at the radius and beyond."""
    w, h = size
    cx, cy = centre if centre else (w / 2, h / 2)
    r = radius if radius else math.hypot(w, h) / 2
    # Built at a reduced size and enlarged smoothly: a gradient has no detail to lose.
    k = 4
    sw, sh = max(1, w // k), max(1, h // k)
    mask = Image.new("L", (sw, sh))
    px = mask.load()
    for y in range(sh):
        for x in range(sw):
            d = math.hypot((x + 0.5) * k - cx, (y + 0.5) * k - cy) / r
            px[x, y] = int(255 * min(1.0, d))
    mask = mask.resize((w, h), Image.BILINEAR)
    return Image.composite(Image.new("RGB", size, outer), Image.new("RGB", size, inner), mask)


class Pen:
    def __init__(self, img, scale):
        self.img = img
        self.s = scale
        self.d = ImageDraw.Draw(img, "RGBA" if img.mode == "RGB" else None)

    def _b(self, box):
        return [v * self.s for v in box]

    def _p(self, pts):
        return [(x * self.s, y * self.s) for x, y in pts]

    def _w(self, width):
        return max(1, int(round(width * self.s)))

    def rect(self, box, fill=None, outline=None, width=1):
        self.d.rectangle(self._b(box), fill=fill, outline=outline, width=self._w(width))

    def rrect(self, box, r, fill=None, outline=None, width=1):
        self.d.rounded_rectangle(self._b(box), r * self.s, fill=fill, outline=outline,
                                 width=self._w(width))

    def ellipse(self, box, fill=None, outline=None, width=1):
        self.d.ellipse(self._b(box), fill=fill, outline=outline, width=self._w(width))

    def circle(self, cx, cy, r, fill=None, outline=None, width=1):
        self.ellipse((cx - r, cy - r, cx + r, cy + r), fill=fill, outline=outline, width=width)

    def polygon(self, pts, fill=None, outline=None, width=1):
        self.d.polygon(self._p(pts), fill=fill, outline=outline, width=self._w(width))

    def line(self, pts, fill, width=1):
        self.d.line(self._p(pts), fill=fill, width=self._w(width), joint="curve")
        # Round caps, which ImageDraw leaves out.
        r = width / 2
        for x, y in (pts[0], pts[-1]):
            self.circle(x, y, r, fill=fill)

    def arc(self, box, start, end, fill, width=1):
        self.d.arc(self._b(box), start, end, fill=fill, width=self._w(width))

    def chord(self, box, start, end, fill):
        self.d.chord(self._b(box), start, end, fill=fill)

    def pieslice(self, box, start, end, fill):
        self.d.pieslice(self._b(box), start, end, fill=fill)

    def text(self, xy, text, key, size, fill, anchor="la", stroke=0, stroke_fill=None):
        self.d.text((xy[0] * self.s, xy[1] * self.s), text, font=font(key, size * self.s),
                    fill=fill, anchor=anchor, stroke_width=int(round(stroke * self.s)),
                    stroke_fill=stroke_fill)

    def text_box(self, text, key, size, stroke=0):
        """Ink box of a text drawn at the origin, in final-size pixels."""
        b = self.d.textbbox((0, 0), text, font=font(key, size * self.s),
                            stroke_width=int(round(stroke * self.s)))
        return [v / self.s for v in b]

    def text_centred(self, cx, cy, text, key, size, fill, stroke=0, stroke_fill=None):
        """Draws text with the centre of its ink at (cx, cy)."""
        x0, y0, x1, y1 = self.text_box(text, key, size, stroke)
        self.text((cx - (x0 + x1) / 2, cy - (y0 + y1) / 2), text, key, size, fill,
                  stroke=stroke, stroke_fill=stroke_fill)


def shape_mask(size, scale, draw):
    """A mask of the given size, white where draw(pen) paints."""
    m = Image.new("L", size, 0)
    draw(Pen(m, scale))
    return m


def paint(img, source, mask):
    """Paints source (an image or a colour) into img through mask."""
    if not isinstance(source, Image.Image):
        source = Image.new(img.mode, img.size, source)
    img.paste(source, (0, 0), mask)


def shadow(img, mask, offset, blur, opacity):
    """Lays a soft drop shadow of mask onto img."""
    m = ImageChops.offset(mask, int(offset[0]), int(offset[1]))
    m = m.filter(ImageFilter.GaussianBlur(blur)).point(lambda v: int(v * opacity))
    paint(img, (0, 0, 0), m)


def gradient_text(img, scale, cx, cy, text, key, size, top, bottom, stroke=0,
                  stroke_fill=None):
    """Draws text filled with a vertical gradient from top to bottom, centred on its ink."""
    pen = Pen(img, scale)
    x0, y0, x1, y1 = pen.text_box(text, key, size, stroke)
    ox, oy = cx - (x0 + x1) / 2, cy - (y0 + y1) / 2
    if stroke:
        pen.text((ox, oy), text, key, size, stroke_fill, stroke=stroke, stroke_fill=stroke_fill)
    m = shape_mask(img.size, scale, lambda p: p.text((ox, oy), text, key, size, 255))
    grad = Image.new("RGB", img.size, top)
    grad.paste(vgradient((img.size[0], int((y1 - y0) * scale) + 2), top, bottom),
               (0, int((oy + y0) * scale)))
    paint(img, grad, m)
    return (ox + x0, oy + y0, ox + x1, oy + y1)


def reduce(img, size):
    return img.resize(size, Image.LANCZOS)


# ----------------------------------------------------------------------------------------------
# Writing and checking files

written = []


def save_jpeg(img, name, progressive, quality=88):
    path = os.path.join(PICTURES, name)
    img.convert("RGB").save(path, "JPEG", quality=quality, subsampling=2,
                            progressive=progressive, optimize=True)
    written.append((path, "JPEG", img.size, progressive))


def save_png(img, name):
    path = os.path.join(PICTURES, name)
    img.convert("RGBA").save(path, "PNG", compress_level=9)
    written.append((path, "PNG", img.size, None))


def check_picture(path, kind, size, progressive):
    with Image.open(path) as im:
        assert im.format == kind, (path, im.format)
        assert im.size == size, (path, im.size, size)
        if kind == "JPEG":
            assert im.mode == "RGB" and im.layers == 3, (path, im.mode)
            assert bool(im.info.get("progressive")) == progressive, path
            assert JpegImagePlugin.get_sampling(im) == 2, (path, "not 4:2:0")
            mode = "progressive" if progressive else "baseline"
        else:
            assert im.mode == "RGBA", (path, im.mode)
            with open(path, "rb") as f:
                head = f.read(33)
            assert head[24] == 8 and head[25] == 6, (path, "not 8-bit RGBA")
            assert im.getchannel("A").getextrema() == (255, 255), (path, "not opaque")
            mode = "8-bit RGBA, opaque"
    print(f"{os.path.relpath(path, ROOT)}: {kind} {mode} {size[0]} x {size[1]}, "
          f"{os.path.getsize(path)} bytes")


# ----------------------------------------------------------------------------------------------
# The icon: a gold 福 on a red rounded square, 128 x 128, stored as one 32-bit BMP image.

ICON_SIZE = 128


def draw_icon():
    s = 4
    n = ICON_SIZE
    big = (n * s, n * s)
    body = lambda p: p.rrect((2, 2, n - 2, n - 2), 26, fill=255)
    alpha = shape_mask(big, s, body)
    img = radial(big, (232, 52, 40), (150, 12, 20), radius=n * s * 0.75)
    pen = Pen(img, s)
    pen.rrect((9, 9, n - 9, n - 9), 19, outline=GOLD, width=3)
    pen.rrect((14, 14, n - 14, n - 14), 15, outline=(250, 214, 110), width=1)
    gradient_text(img, s, n / 2, n / 2 + 1, "福", "serif-bold", 86, LIGHT_GOLD, DARK_GOLD,
                  stroke=2, stroke_fill=(110, 10, 10))
    rgba = img.convert("RGBA")
    rgba.putalpha(alpha)
    return reduce(rgba, (n, n))


def ico_bytes(rgba):
    """One BMP-coded 32-bit icon image: BITMAPINFOHEADER with doubled height, bottom-up BGRA
    rows, then the 1-bit AND mask (set where the pixel is transparent)."""
    w, h = rgba.size
    bgra = bytearray()
    mask = bytearray()
    px = rgba.load()
    row_bytes = ((w + 31) // 32) * 4
    for y in range(h - 1, -1, -1):
        bits = bytearray(row_bytes)
        for x in range(w):
            r, g, b, a = px[x, y]
            if a == 0:
                r = g = b = 0
            bgra += bytes((b, g, r, a))
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, len(bgra) + len(mask), 0, 0,
                         0, 0)
    image = header + bgra + mask
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(image), 6 + 16)
    return icondir + entry + image


def write_icon():
    rgba = draw_icon()
    data = ico_bytes(rgba)
    path = os.path.join(PICTURES, "icon.ico")
    with open(path, "wb") as f:
        f.write(data)
    assert len(data) == 6 + 16 + 40 + ICON_SIZE * ICON_SIZE * 4 + ICON_SIZE * ICON_SIZE // 8
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind, count) == (0, 1, 1)
    w, h, _, _, planes, bpp, size, offset = struct.unpack_from("<BBBBHHII", data, 6)
    assert (w, h, planes, bpp, offset, size + offset) == (128, 128, 1, 32, 22, len(data))
    # Read it back: the stored pixels are the drawn ones (colour cleared where fully clear).
    cleared = Image.composite(rgba, Image.new("RGBA", rgba.size, (0, 0, 0, 0)),
                              rgba.getchannel("A").point(lambda a: 255 if a else 0))
    with Image.open(io.BytesIO(data)) as back:
        back.load()
        assert back.size == (128, 128)
        assert ImageChops.difference(back.convert("RGBA"), cleared).getbbox() is None
    print(f"{os.path.relpath(path, ROOT)}: ICO, one 128 x 128 BMP image, 32 bpp, "
          f"{len(data)} bytes")
    return rgba


# ----------------------------------------------------------------------------------------------
# 图片框1: a golden paper-cut 福 with two rats, on red.


def scallop(cx, cy, r, lobes, depth):
    pts = []
    for i in range(lobes * 12):
        a = 2 * math.pi * i / (lobes * 12)
        rr = r - depth * (1 - abs(math.cos(lobes * a / 2)))
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return pts


def draw_rat(s):
    """A paper-cut rat facing right, on a transparent layer 130 x 90 (final size)."""
    w, h = 130, 90
    layer = Image.new("RGBA", (w * s, h * s), (0, 0, 0, 0))
    p = Pen(layer, s)
    cut = (176, 20, 24, 255)
    gold = GOLD + (255,)
    edge = (150, 80, 10, 255)
    # Tail: a curl behind the body.
    tail = [(24, 62)] + [(16 + (15 - 9 * t) * math.cos(math.pi * (0.5 + 1.7 * t)),
                          46 + (15 - 9 * t) * math.sin(math.pi * (0.5 + 1.7 * t)))
                         for t in (i / 24 for i in range(25))]
    p.line(tail, fill=edge, width=6)
    p.line(tail, fill=gold, width=4)
    # Body and haunch.
    p.ellipse((18, 34, 92, 82), fill=edge)
    p.ellipse((20, 36, 90, 80), fill=gold)
    # Head with a pointed snout.
    p.polygon([(70, 30), (122, 52), (118, 58), (76, 66)], fill=edge)
    p.polygon([(72, 33), (120, 53), (116, 56), (77, 63)], fill=gold)
    p.ellipse((62, 26, 100, 66), fill=gold)
    p.circle(121, 54, 3.5, fill=cut)  # nose
    # Ear, with the inside cut out.
    p.circle(76, 26, 13, fill=gold, outline=edge, width=1)
    p.circle(76, 26, 7, fill=cut)
    # Eye and whiskers.
    p.circle(94, 43, 3.2, fill=(90, 10, 10, 255))
    for dy in (-4, 0, 4):
        p.line([(112, 55), (127, 55 + dy * 1.5)], fill=edge, width=1)
    # Feet.
    p.ellipse((30, 74, 46, 84), fill=gold, outline=edge, width=1)
    p.ellipse((64, 74, 80, 84), fill=gold, outline=edge, width=1)
    # Paper-cut carving on the body: crescents and a row of small holes.
    for x, y in [(34, 48), (50, 44), (66, 48)]:
        p.arc((x - 8, y - 8, x + 8, y + 8), 200, 340, fill=cut, width=2.5)
    for x in range(32, 82, 9):
        p.polygon([(x, 64), (x + 3.5, 60), (x + 7, 64), (x + 3.5, 68)], fill=cut)
    p.arc((26, 40, 84, 88), 200, 330, fill=cut, width=1.5)
    return layer


def fu_papercut():
    W, H, s = 409, 396, 3
    img = radial((W * s, H * s), (222, 44, 34), (134, 10, 16), radius=W * s * 0.72)
    pen = Pen(img, s)
    # A lattice of faint rings over the ground, like a patterned paper.
    for y in range(-10, H + 30, 34):
        for x in range(-10 + (y // 34 % 2) * 17, W + 30, 34):
            pen.circle(x, y, 12, outline=(255, 120, 90, 26), width=2)
    # Double gold frame with corner knots.
    pen.rect((10, 10, W - 10, H - 10), outline=GOLD, width=2.5)
    pen.rect((16, 16, W - 16, H - 16), outline=(245, 194, 66, 170), width=1)
    for cx, cy in ((10, 10), (W - 10, 10), (10, H - 10), (W - 10, H - 10)):
        pen.polygon([(cx, cy - 9), (cx + 9, cy), (cx, cy + 9), (cx - 9, cy)], fill=GOLD)
    # Paper-cut medallion: a gold scalloped rosette with a ring of cut-outs and a red centre.
    cx, cy = W / 2, 176
    mask = shape_mask(img.size, s, lambda p: p.polygon(scallop(cx, cy, 156, 16, 10), fill=255))
    shadow(img, mask, (3 * s, 4 * s), 5 * s, 0.45)
    paint(img, radial(img.size, LIGHT_GOLD, DARK_GOLD, (cx * s, (cy - 60) * s), 220 * s), mask)
    pen.polygon(scallop(cx, cy, 156, 16, 10), outline=(150, 80, 10), width=1.5)
    for i in range(32):
        a = 2 * math.pi * (i + 0.5) / 32
        x, y = cx + 138 * math.cos(a), cy + 138 * math.sin(a)
        if i % 2:
            pen.circle(x, y, 3.6, fill=(176, 20, 24))
        else:
            t = a + math.pi / 2
            pts = [(x + 7 * math.cos(a), y + 7 * math.sin(a)),
                   (x + 3 * math.cos(t), y + 3 * math.sin(t)),
                   (x - 7 * math.cos(a), y - 7 * math.sin(a)),
                   (x - 3 * math.cos(t), y - 3 * math.sin(t))]
            pen.polygon(pts, fill=(176, 20, 24))
    inner = shape_mask(img.size, s, lambda p: p.circle(cx, cy, 124, fill=255))
    paint(img, radial(img.size, (214, 34, 30), (156, 14, 20), (cx * s, cy * s), 130 * s), inner)
    pen.circle(cx, cy, 124, outline=(150, 80, 10), width=2)
    pen.circle(cx, cy, 117, outline=(245, 194, 66, 200), width=1.2)
    # The character, large and bold, gold with a dark outline.
    glyph = shape_mask(img.size, s, lambda p: p.text_centred(cx, cy + 2, "福", "serif-bold", 196,
                                                              255, stroke=2, stroke_fill=255))
    shadow(img, glyph, (2 * s, 3 * s), 2 * s, 0.5)
    gradient_text(img, s, cx, cy + 2, "福", "serif-bold", 196, LIGHT_GOLD, (232, 160, 30),
                  stroke=2.5, stroke_fill=(110, 40, 6))
    # Two rats below, facing each other.
    rat = draw_rat(s)
    img.paste(rat, (int(16 * s), int(296 * s)), rat)
    twin = rat.transpose(Image.Transpose.FLIP_LEFT_RIGHT)
    img.paste(twin, (int((W - 16 - 130) * s), int(296 * s)), twin)
    pen.text_centred(cx, 362, "2020", "serif-bold", 22, GOLD, stroke=1, stroke_fill=(110, 40, 6))
    save_jpeg(reduce(img, (W, H)), "图片框1.jpg", progressive=True)


# ----------------------------------------------------------------------------------------------
# 图片框2: 福 brush-written in black ink on a red sheet, with a brush and an ink stone.


def wood(size, seed):
    """A desk top of dark wood: horizontal grain lines of varying tone, softly blurred."""
    w, h = size
    rng = random.Random(seed)
    img = vgradient(size, (112, 70, 40), (78, 46, 24))
    d = ImageDraw.Draw(img, "RGBA")
    for _ in range(h // 3):
        y0 = rng.uniform(-20, h + 20)
        amp, freq, phase = rng.uniform(2, 9), rng.uniform(0.002, 0.006), rng.uniform(0, 6.3)
        tone = rng.choice([(60, 34, 16), (140, 92, 54), (96, 58, 30)])
        alpha = rng.randint(20, 60)
        pts = [(x, y0 + amp * math.sin(freq * x + phase)) for x in range(0, w + 8, 8)]
        d.line(pts, fill=tone + (alpha,), width=rng.randint(1, 4))
    return img.filter(ImageFilter.GaussianBlur(1.2))


def draw_brush(s):
    """A writing brush lying horizontally, tip to the left, on a transparent layer."""
    w, h = 480, 40
    layer = Image.new("RGBA", (w * s, h * s), (0, 0, 0, 0))
    p = Pen(layer, s)
    cy = h / 2
    # Handle: bamboo with nodes.
    hmask = shape_mask(layer.size, s, lambda q: q.rrect((150, cy - 10, 460, cy + 10), 9, fill=255))
    bamboo = vgradient(layer.size, (236, 204, 140), (150, 104, 50))
    bamboo.paste(vgradient((w * s, int(10 * s)), (240, 214, 156), (200, 160, 96)),
                 (0, int((cy - 10) * s)))
    bamboo.paste(vgradient((w * s, int(10 * s)), (200, 160, 96), (140, 96, 44)),
                 (0, int(cy * s)))
    layer.paste(bamboo.convert("RGBA"), (0, 0), hmask)
    for x in (250, 350, 430):
        p.rect((x, cy - 10, x + 4, cy + 10), fill=(120, 80, 36, 200))
    p.rrect((446, cy - 11, 468, cy + 11), 6, fill=(40, 22, 14, 255))  # end cap
    p.line([(468, cy), (477, cy)], fill=(180, 30, 30, 255), width=3)  # hanging cord
    p.rrect((132, cy - 12, 160, cy + 12), 4, fill=(44, 26, 16, 255))  # ferrule
    p.rect((136, cy - 12, 140, cy + 12), fill=(190, 150, 60, 255))
    # Hair tip, loaded with ink.
    tip = [(6, cy + 1)]
    for i in range(21):
        t = i / 20
        tip.append((10 + 124 * t, cy - (1.5 + 11 * math.sin(t * math.pi * 0.62))))
    for i in range(20, -1, -1):
        t = i / 20
        tip.append((10 + 124 * t, cy + (1.5 + 11 * math.sin(t * math.pi * 0.62))))
    p.polygon(tip, fill=(22, 20, 20, 255))
    for k in range(5):
        y = cy - 6 + 3 * k
        p.line([(40, cy + (y - cy) * 0.4), (128, y)], fill=(70, 66, 64, 150), width=1)
    return layer


def fu_brush():
    W, H, s = 1225, 813, 2
    img = wood((W * s, H * s), seed=2020)
    pen = Pen(img, s)
    # The red sheet, with its shadow, gold flecks and a soft sheen.
    sheet = (112, 72, 768, 728)
    smask = shape_mask(img.size, s, lambda p: p.rect(sheet, fill=255))
    shadow(img, smask, (8 * s, 10 * s), 10 * s, 0.55)
    paint(img, radial(img.size, (214, 36, 36), (168, 16, 24), (420 * s, 360 * s), 480 * s), smask)
    rng = random.Random(5)
    for _ in range(260):
        x, y = rng.uniform(sheet[0] + 6, sheet[2] - 6), rng.uniform(sheet[1] + 6, sheet[3] - 6)
        r = rng.uniform(0.8, 2.6)
        pen.ellipse((x - r, y - r * 0.7, x + r, y + r * 0.7),
                    fill=(250, 206, 100, rng.randint(110, 220)))
    # The character in ink: a faint bleed around the strokes, then the strokes themselves.
    cx, cy = (sheet[0] + sheet[2]) / 2, (sheet[1] + sheet[3]) / 2
    ink = shape_mask(img.size, s, lambda p: p.text_centred(cx, cy, "福", "kai", 600, 255))
    bleed = ink.filter(ImageFilter.GaussianBlur(3 * s)).point(lambda v: int(v * 0.45))
    paint(img, (60, 6, 10), bleed)
    paint(img, (16, 12, 12), ink)
    # Ink stone: a dark slab with a raised rim, a pool of ink and a resting ink stick.
    stone = (852, 468, 1160, 748)
    stmask = shape_mask(img.size, s, lambda p: p.rrect(stone, 26, fill=255))
    shadow(img, stmask, (8 * s, 10 * s), 9 * s, 0.6)
    paint(img, vgradient(img.size, (86, 90, 96), (34, 36, 40)), stmask)
    pen.rrect((stone[0] + 14, stone[1] + 14, stone[2] - 14, stone[3] - 14), 18,
              fill=(46, 48, 52), outline=(104, 108, 114), width=2)
    pen.ellipse((stone[0] + 40, stone[1] + 44, stone[2] - 40, stone[3] - 86), fill=(14, 14, 16))
    pen.ellipse((stone[0] + 74, stone[1] + 62, stone[0] + 150, stone[1] + 76),
                fill=(255, 255, 255, 40))
    pen.rrect((stone[0] + 60, stone[3] - 70, stone[2] - 60, stone[3] - 34), 6, fill=(22, 22, 24))
    pen.rrect((stone[0] + 60, stone[3] - 70, stone[2] - 60, stone[3] - 62), 4,
              fill=(255, 255, 255, 30))
    pen.text_centred((stone[0] + stone[2]) / 2, stone[3] - 52, "墨", "kai", 22, (206, 168, 84))
    # The brush lies across the desk above the ink stone, tip down towards it.
    brush = draw_brush(s).rotate(38, resample=Image.BICUBIC, expand=True)
    bw, bh = brush.size
    alpha = brush.getchannel("A")
    sh = Image.new("L", img.size, 0)
    sh.paste(alpha, (int(800 * s) + 10 * s, int(112 * s) + 12 * s))
    paint(img, (0, 0, 0), sh.filter(ImageFilter.GaussianBlur(6 * s)).point(lambda v: v // 2))
    img.paste(brush, (int(800 * s), int(112 * s)), brush)
    save_jpeg(reduce(img, (W, H)), "图片框2.jpg", progressive=True)


# ----------------------------------------------------------------------------------------------
# 图片框3: a carrier's New Year card: a family before a house, a 5G balloon, in a red disc.


def person(pen, x, ground, height, coat, hair=(40, 24, 20), arms_up=False, skirt=False):
    """A simple figure standing at x on the ground line, height in pixels."""
    head = height * 0.22
    top = ground - height
    body_top = top + head * 1.9
    pen.circle(x, top + head, head, fill=(250, 214, 180))
    pen.chord((x - head, top, x + head, top + head * 2), 180, 360, fill=hair)
    pen.circle(x - head * 0.38, top + head * 1.1, head * 0.12, fill=(40, 20, 20))
    pen.circle(x + head * 0.38, top + head * 1.1, head * 0.12, fill=(40, 20, 20))
    pen.arc((x - head * 0.4, top + head * 1.1, x + head * 0.4, top + head * 1.6), 20, 160,
            fill=(190, 40, 40), width=max(0.8, head * 0.12))
    half = height * (0.2 if skirt else 0.15)
    pen.polygon([(x - height * 0.12, body_top), (x + height * 0.12, body_top),
                 (x + half, ground - height * 0.25), (x - half, ground - height * 0.25)],
                fill=coat)
    pen.line([(x - height * 0.07, ground - height * 0.25), (x - height * 0.07, ground)],
             fill=(50, 40, 60), width=height * 0.08)
    pen.line([(x + height * 0.07, ground - height * 0.25), (x + height * 0.07, ground)],
             fill=(50, 40, 60), width=height * 0.08)
    sy = body_top + height * 0.05
    if arms_up:
        arms = [[(x - height * 0.11, sy), (x - height * 0.24, sy - height * 0.2)],
                [(x + height * 0.11, sy), (x + height * 0.24, sy - height * 0.2)]]
    else:
        arms = [[(x - height * 0.11, sy), (x - height * 0.2, sy + height * 0.22)],
                [(x + height * 0.11, sy), (x + height * 0.2, sy + height * 0.22)]]
    for a in arms:
        pen.line(a, fill=coat, width=height * 0.07)
        pen.circle(a[1][0], a[1][1], height * 0.04, fill=(250, 214, 180))
    return arms


def china_mobile():
    W, H, s = 330, 275, 3
    img = vgradient((W * s, H * s), (246, 234, 208), (232, 212, 172))
    pen = Pen(img, s)
    for y in range(8, H, 22):
        for x in range(8 + (y // 22 % 2) * 11, W, 22):
            pen.circle(x, y, 2, fill=(214, 180, 120, 90))
    cx, cy, r = W / 2, H / 2, 128
    disc = shape_mask(img.size, s, lambda p: p.circle(cx, cy, r, fill=255))
    shadow(img, disc, (2 * s, 3 * s), 4 * s, 0.35)
    pen.circle(cx, cy, r, fill=(255, 255, 255))
    inner = shape_mask(img.size, s, lambda p: p.circle(cx, cy, r - 9, fill=255))
    scene = radial(img.size, (228, 48, 40), (170, 16, 24), (cx * s, (cy - 40) * s), 150 * s)
    sp = Pen(scene, s)
    # Fireworks and a golden hill.
    for fx, fy, fr in ((232, 62, 20), (210, 40, 11)):
        for k in range(12):
            a = 2 * math.pi * k / 12
            sp.line([(fx + fr * 0.3 * math.cos(a), fy + fr * 0.3 * math.sin(a)),
                     (fx + fr * math.cos(a), fy + fr * math.sin(a))], fill=(255, 214, 110),
                    width=1.4)
    sp.ellipse((cx - 170, 196, cx + 170, 330), fill=(236, 170, 60))
    sp.ellipse((cx - 170, 204, cx + 170, 330), fill=(214, 128, 40))
    # House: walls, a curved roof with upturned eaves, door, windows and lanterns.
    sp.rect((124, 124, 206, 190), fill=(250, 232, 196))
    sp.polygon([(106, 128), (114, 120), (134, 104), (196, 104), (216, 120), (224, 128),
                (210, 124), (120, 124)], fill=(92, 30, 22))
    sp.rect((132, 98, 198, 106), fill=(120, 40, 28))
    sp.rrect((155, 150, 175, 190), 3, fill=(170, 30, 30))
    sp.circle(171, 170, 1.4, fill=GOLD)
    for wx in (132, 184):
        sp.rect((wx, 138, wx + 16, 156), fill=(255, 210, 100))
        sp.line([(wx + 8, 138), (wx + 8, 156)], fill=(170, 30, 30), width=1.2)
        sp.line([(wx, 147), (wx + 16, 147)], fill=(170, 30, 30), width=1.2)
    sp.rect((150, 110, 180, 121), fill=GOLD)
    sp.text_centred(165, 115.5, "福满门", "sans-bold", 8, (170, 20, 20))
    for lx in (118, 212):
        sp.line([(lx, 126), (lx, 134)], fill=(60, 20, 10), width=1)
        sp.ellipse((lx - 6, 133, lx + 6, 147), fill=(232, 30, 30), outline=GOLD, width=1)
        sp.line([(lx, 147), (lx, 153)], fill=GOLD, width=1.5)
    # The family in front of the house.
    ground = 214
    person(sp, 104, ground, 74, (30, 90, 170), arms_up=True)
    person(sp, 134, ground, 66, (236, 100, 140), hair=(60, 30, 24), skirt=True)
    kid = person(sp, 196, ground, 46, (250, 190, 40), arms_up=True)
    person(sp, 224, ground, 54, (60, 160, 90), arms_up=True)
    # The 5G balloon on a string from the child's hand.
    bx, by = 238, 106
    hand = kid[1][1]
    sp.line([hand, (230, 150), (bx, by + 22)], fill=(250, 250, 250), width=0.8)
    sp.polygon([(bx - 3, by + 24), (bx + 3, by + 24), (bx, by + 19)], fill=(20, 100, 200))
    bal = shape_mask(img.size, s, lambda p: p.ellipse((bx - 18, by - 20, bx + 18, by + 21),
                                                      fill=255))
    paint(scene, radial(img.size, (90, 170, 250), (20, 90, 200), ((bx - 6) * s, (by - 8) * s),
                        30 * s), bal)
    sp.ellipse((bx - 11, by - 14, bx - 5, by - 4), fill=(255, 255, 255, 120))
    sp.text_centred(bx, by + 1, "5G", "sans-bold", 15, (255, 255, 255))
    # Greeting on the hill.
    sp.text_centred(cx, 232, "新春快乐 · 阖家团圆", "sans-bold", 13, (255, 244, 214))
    img.paste(scene, (0, 0), inner)
    pen.circle(cx, cy, r - 9, outline=(236, 200, 120), width=1)
    save_jpeg(reduce(img, (W, H)), "图片框3.jpg", progressive=False)


# ----------------------------------------------------------------------------------------------
# 图片框4: a New Year doll pair eating sweet dumplings, on red.


def cloud(pen, x, y, k, fill):
    for dx, dy, r in ((0, 0, 10), (12, -6, 12), (26, 0, 10), (13, 5, 9)):
        pen.circle(x + dx * k, y + dy * k, r * k, fill=fill)


def doll(img, s, cx, girl):
    pen = Pen(img, s)
    skin = (255, 226, 200)
    costume = (214, 24, 32)
    trim = GOLD
    # Body: a red festive costume with gold trim and a cloud-pattern collar.
    body = [(cx - 44, 250), (cx + 44, 250), (cx + 78, 350), (cx - 78, 350)]
    bm = shape_mask(img.size, s, lambda p: p.polygon(body, fill=255))
    shadow(img, bm, (3 * s, 4 * s), 4 * s, 0.35)
    paint(img, vgradient(img.size, (236, 40, 44), (170, 14, 22)), bm)
    pen.line([(cx - 78, 347), (cx + 78, 347)], fill=trim, width=5)
    pen.polygon([(cx - 40, 250), (cx + 40, 250), (cx, 290)], fill=trim)
    pen.polygon([(cx - 30, 250), (cx + 30, 250), (cx, 280)], fill=costume)
    for k in range(4):
        pen.circle(cx - 48 + 32 * k, 322, 7, outline=(255, 214, 110, 180), width=2)
    # Bowl of sweet dumplings held in both hands.
    pen.ellipse((cx - 72, 268, cx - 50, 290), fill=skin)
    pen.ellipse((cx + 50, 268, cx + 72, 290), fill=skin)
    pen.chord((cx - 54, 256, cx + 54, 318), 0, 180, fill=(250, 250, 246))
    pen.arc((cx - 54, 256, cx + 54, 318), 0, 180, fill=(30, 90, 180), width=3)
    pen.line([(cx - 40, 300), (cx + 40, 300)], fill=(30, 90, 180), width=2)
    pen.ellipse((cx - 54, 280, cx + 54, 294), fill=(240, 220, 200))
    for dx in (-30, -10, 10, 30):
        pen.circle(cx + dx, 282, 9, fill=(255, 255, 255), outline=(220, 210, 200), width=1)
        pen.circle(cx + dx - 3, 279, 2.5, fill=(255, 255, 255))
    # Head.
    hx, hy, hr = cx, 186, 62
    hm = shape_mask(img.size, s, lambda p: p.circle(hx, hy, hr, fill=255))
    shadow(img, hm, (3 * s, 4 * s), 4 * s, 0.3)
    paint(img, radial(img.size, (255, 236, 216), (246, 200, 170), (hx * s, (hy - 10) * s),
                      hr * s), hm)
    pen.chord((hx - hr, hy - hr, hx + hr, hy + hr), 200, 340, fill=(28, 24, 28))
    pen.polygon([(hx - 20, hy - 56), (hx, hy - 38), (hx + 20, hy - 56)], fill=(28, 24, 28))
    if girl:
        for bx in (hx - 50, hx + 50):
            pen.circle(bx, hy - 52, 20, fill=(28, 24, 28))
            pen.line([(bx - 14, hy - 40), (bx + 14, hy - 40)], fill=costume, width=5)
            pen.circle(bx, hy - 40, 5, fill=GOLD)
    else:
        pen.circle(hx, hy - 66, 16, fill=(28, 24, 28))
        pen.ellipse((hx - 6, hy - 84, hx + 6, hy - 74), fill=costume)
    pen.circle(hx, hy - 12, 5, fill=(230, 30, 40))  # the red dot on the brow
    # Smiling eyes, rosy cheeks, a small round mouth.
    for ex in (hx - 22, hx + 22):
        pen.arc((ex - 10, hy - 8, ex + 10, hy + 10), 200, 340, fill=(40, 24, 24), width=3.5)
    for ex in (hx - 36, hx + 36):
        pen.ellipse((ex - 12, hy + 10, ex + 12, hy + 26), fill=(255, 120, 130, 150))
    pen.ellipse((hx - 8, hy + 24, hx + 8, hy + 38), fill=(210, 40, 50))
    pen.ellipse((hx - 5, hy + 31, hx + 5, hy + 37), fill=(255, 150, 150))
    # Spoon with a dumpling on its way to the mouth.
    pen.line([(cx + 38, 270), (cx + 26, 240)], fill=(235, 235, 240), width=4)
    pen.ellipse((cx + 14, 226, cx + 36, 244), fill=(240, 240, 244), outline=(200, 200, 210),
                width=1)
    pen.circle(cx + 25, 231, 7, fill=(255, 255, 255), outline=(220, 210, 200), width=1)


def cola():
    W, H, s = 522, 376, 2
    img = radial((W * s, H * s), (232, 36, 40), (150, 10, 18), (W * s / 2, H * s * 0.4),
                 W * s * 0.7)
    pen = Pen(img, s)
    for x, y, k in ((20, 40, 1.2), (420, 30, 1.0), (30, 200, 0.9), (440, 180, 1.1),
                    (230, 18, 0.8)):
        cloud(pen, x, y, k, (255, 200, 90, 50))
    rng = random.Random(4)
    for _ in range(70):
        x, y = rng.uniform(0, W), rng.uniform(0, H * 0.8)
        pen.circle(x, y, rng.uniform(1, 2.6), fill=(255, 214, 110, rng.randint(90, 200)))
    gradient_text(img, s, W / 2, 46, "团团圆圆过大年", "serif-bold", 40, LIGHT_GOLD,
                  (236, 164, 40), stroke=2, stroke_fill=(120, 20, 10))
    # A gold floor band under the pair.
    pen.rect((0, 350, W, H), fill=(236, 170, 60))
    pen.line([(0, 351), (W, 351)], fill=(255, 226, 140), width=2)
    doll(img, s, 150, girl=False)
    doll(img, s, 372, girl=True)
    save_jpeg(reduce(img, (W, H)), "图片框4.jpg", progressive=False)


# ----------------------------------------------------------------------------------------------
# 图片框5: an invented coffee-house emblem and word mark, on white.

GREEN = (18, 122, 74)


def ring_text(img, s, cx, cy, r, text, key, size, fill, start, spread):
    """Writes text upright along the top of a circle, centred on the angle start (degrees, 0 at
    the top, clockwise), the letters spaced over spread degrees."""
    f = font(key, size * s)
    n = len(text)
    for i, ch in enumerate(text):
        if ch == " ":
            continue
        a = start - spread / 2 + spread * (i + 0.5) / n
        tile = Image.new("L", (int(size * s * 2), int(size * s * 2)), 0)
        d = ImageDraw.Draw(tile)
        d.text((tile.size[0] / 2, tile.size[1] / 2), ch, font=f, fill=255, anchor="mm")
        tile = tile.rotate(-a, resample=Image.BICUBIC)
        x = cx + r * math.sin(math.radians(a))
        y = cy - r * math.cos(math.radians(a))
        m = Image.new("L", img.size, 0)
        m.paste(tile, (int(x * s - tile.size[0] / 2), int(y * s - tile.size[1] / 2)))
        paint(img, fill, m)


def ring_text_bottom(img, s, cx, cy, r, text, key, size, fill, spread):
    """Writes text along the bottom of a circle, readable from left to right."""
    f = font(key, size * s)
    n = len(text)
    for i, ch in enumerate(text):
        if ch == " ":
            continue
        a = 180 + spread / 2 - spread * (i + 0.5) / n
        tile = Image.new("L", (int(size * s * 2), int(size * s * 2)), 0)
        d = ImageDraw.Draw(tile)
        d.text((tile.size[0] / 2, tile.size[1] / 2), ch, font=f, fill=255, anchor="mm")
        tile = tile.rotate(180 - a, resample=Image.BICUBIC)
        x = cx + r * math.sin(math.radians(a))
        y = cy - r * math.cos(math.radians(a))
        m = Image.new("L", img.size, 0)
        m.paste(tile, (int(x * s - tile.size[0] / 2), int(y * s - tile.size[1] / 2)))
        paint(img, fill, m)


def star(cx, cy, r_out, r_in, points=5, rot=-90):
    pts = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + 180 * i / points)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def coffee():
    W, H, s = 560, 397, 3
    img = Image.new("RGB", (W * s, H * s), (255, 255, 255))
    pen = Pen(img, s)
    cx, cy, r = W / 2, 152, 128
    pen.circle(cx, cy, r, fill=GREEN)
    pen.circle(cx, cy, r - 5, outline=(255, 255, 255), width=2)
    ring_text(img, s, cx, cy, r - 21, "STARBRIGHT", "sans-bold", 24, (255, 255, 255), 0, 130)
    ring_text_bottom(img, s, cx, cy, r - 21, "COFFEE", "sans-bold", 24, (255, 255, 255), 84)
    for side in (-1, 1):
        a = math.radians(90 * side)
        pen.polygon(star(cx + (r - 21) * math.sin(a), cy - (r - 21) * math.cos(a), 8, 3.4),
                    fill=(255, 255, 255))
    pen.circle(cx, cy, r - 40, fill=(255, 255, 255))
    pen.circle(cx, cy, r - 44, fill=GREEN)
    # A cup on a saucer, steam curling into a star.
    pen.ellipse((cx - 54, cy + 38, cx + 54, cy + 56), fill=(255, 255, 255))
    pen.ellipse((cx - 40, cy + 40, cx + 40, cy + 50), fill=GREEN)
    cup = [(cx - 40, cy - 6), (cx + 40, cy - 6), (cx + 32, cy + 36), (cx + 20, cy + 46),
           (cx - 20, cy + 46), (cx - 32, cy + 36)]
    pen.polygon(cup, fill=(255, 255, 255))
    pen.ellipse((cx + 30, cy + 2, cx + 58, cy + 28), outline=(255, 255, 255), width=6)
    pen.ellipse((cx - 40, cy - 12, cx + 40, cy), fill=(255, 255, 255))
    pen.ellipse((cx - 34, cy - 10, cx + 34, cy - 2), fill=(120, 72, 40))
    pen.line([(cx - 16, cy + 16), (cx + 16, cy + 16)], fill=GREEN, width=3)
    for dx in (-14, 0, 14):
        pts = [(cx + dx + 4 * math.sin(t / 3), cy - 18 - t) for t in range(0, 26, 2)]
        pen.line(pts, fill=(255, 255, 255), width=3)
    pen.polygon(star(cx, cy - 62, 17, 7), fill=(255, 255, 255))
    # Word mark and tagline.
    pen.text_centred(cx, 322, "STARBRIGHT COFFEE", "serif-bold", 40, GREEN)
    pen.line([(cx - 190, 350), (cx - 60, 350)], fill=GREEN, width=1.5)
    pen.line([(cx + 60, 350), (cx + 190, 350)], fill=GREEN, width=1.5)
    pen.text_centred(cx, 352, "EST. 2020", "sans-bold", 13, (90, 90, 90))
    pen.text_centred(cx, 378, "星光咖啡 · 新春福气", "sans", 15, GREEN)
    save_jpeg(reduce(img, (W, H)), "图片框5.jpg", progressive=False)


# ----------------------------------------------------------------------------------------------
# 图片框6: a 2020 banner with a brand name, on a dark blue patterned ground.


def yogurt():
    W, H, s = 438, 195, 3
    img = hgradient((W * s, H * s), (10, 30, 92), (4, 14, 52))
    pen = Pen(img, s)
    # Pattern: a lattice of fine diamonds and a band of waves.
    for y in range(0, H + 20, 20):
        for x in range((y // 20 % 2) * 10, W + 20, 20):
            pen.polygon([(x, y - 5), (x + 5, y), (x, y + 5), (x - 5, y)],
                        outline=(90, 140, 230, 50), width=1)
    for k in range(3):
        pts = [(x, 168 + 8 * k + 5 * math.sin(x / 18 + k)) for x in range(0, W + 4, 4)]
        pen.line(pts, fill=(120, 170, 255, 70 - 15 * k), width=2)
    for x, y in ((22, 20), (410, 30), (200, 14), (300, 176), (120, 180)):
        pen.polygon(star(x, y, 5, 2), fill=(255, 230, 160, 180))
    # Brand block on the left: a red ribbon with the name.
    pen.polygon([(16, 54), (150, 54), (140, 76), (150, 98), (16, 98)], fill=(214, 26, 36))
    pen.text_centred(80, 75, "安慕希", "sans-bold", 32, (255, 255, 255))
    pen.text_centred(80, 118, "新年 · 鼠你最有福", "sans", 12, (200, 220, 255))
    pen.text_centred(80, 138, "HAPPY NEW YEAR", "sans-bold", 11, (255, 214, 110))
    # The year, white and red, with a soft glow.
    size, left, right = 104, 170, W - 14
    x0, y0, x1, y1 = pen.text_box("2020", "sans-bold", size)
    ox, oy = left + (right - left - (x1 - x0)) / 2 - x0, H / 2 - 6 - (y0 + y1) / 2
    glow = shape_mask(img.size, s, lambda p: p.text((ox, oy), "2020", "sans-bold", size, 255))
    paint(img, (70, 120, 230), glow.filter(ImageFilter.GaussianBlur(6 * s)).point(
        lambda v: int(v * 0.7)))
    for i, ch in enumerate("2020"):
        # Each digit where the whole word's layout puts it, white and red in turn.
        before = pen.text_box("2020"[:i] + ch, "sans-bold", size)[2] - pen.text_box(
            ch, "sans-bold", size)[2]
        colour = (255, 255, 255) if i % 2 == 0 else (232, 32, 42)
        pen.text((ox + before, oy), ch, "sans-bold", size, colour, stroke=2,
                 stroke_fill=(255, 255, 255) if i % 2 else (200, 24, 34))
    assert ox + x1 <= W - 4, "the year does not fit"
    save_jpeg(reduce(img, (W, H)), "图片框6.jpg", progressive=False)


# ----------------------------------------------------------------------------------------------
# 图片框7: a scannable QR code under a blue banner with a slogan.

QR_TEXT = "wufu 2020 集五福 – 扫一扫，集福卡"


def qr_picture():
    W, H = 169, 195
    banner = 28
    code = qrcode.QRCode(error_correction=qrcode.constants.ERROR_CORRECT_M, box_size=4, border=4)
    code.add_data(QR_TEXT.encode("utf-8"))
    code.make(fit=True)
    modules = code.get_matrix()  # includes the quiet zone
    side = len(modules) * 4
    assert side <= min(W, H - banner), ("QR code too large", side)
    img = Image.new("RGB", (W, H), (255, 255, 255))
    # Modules are whole 4 x 4 pixel squares on the pixel grid, so they stay crisp.
    d = ImageDraw.Draw(img)
    ox, oy = (W - side) // 2, banner + (H - banner - side) // 2
    for y, row in enumerate(modules):
        for x, dark in enumerate(row):
            if dark:
                d.rectangle((ox + 4 * x, oy + 4 * y, ox + 4 * x + 3, oy + 4 * y + 3), fill=0)
    # The banner, drawn finely and reduced onto the top.
    s = 4
    top = vgradient((W * s, banner * s), (36, 132, 240), (16, 96, 214))
    Pen(top, s).text_centred(W / 2, banner / 2, "扫码领福卡", "sans-bold", 16, (255, 255, 255))
    img.paste(reduce(top, (W, banner)), (0, 0))
    save_jpeg(img, "图片框7.jpg", progressive=True, quality=95)
    print(f"  QR code version {code.version}, {len(modules)} modules with quiet zone, "
          f"{side} px; text {QR_TEXT!r}")


# ----------------------------------------------------------------------------------------------
# 图片框8: a phone screenshot of a payment page, as an opaque RGBA PNG.

BLUE = (22, 119, 255)


def payment():
    W, H, s = 580, 489, 2
    img = Image.new("RGB", (W * s, H * s), (242, 243, 245))
    p = Pen(img, s)
    dark, grey = (30, 30, 34), (140, 142, 150)
    # Status bar and title bar.
    p.rect((0, 0, W, 74), fill=(255, 255, 255))
    p.text((18, 6), "20:20", "sans-bold", 14, dark)
    for i in range(4):
        p.rect((W - 96 + 6 * i, 18 - 3 * i, W - 92 + 6 * i, 21), fill=dark)
    p.rrect((W - 58, 9, W - 28, 22), 3, outline=dark, width=1.3)
    p.rect((W - 55, 12, W - 36, 19), fill=dark)
    p.rect((W - 27, 13, W - 25, 18), fill=dark)
    p.text((W - 118, 7), "5G", "sans-bold", 11, dark)
    p.line([(32, 40), (22, 51), (32, 62)], fill=dark, width=2.4)
    p.text_centred(W / 2, 51, "付款", "sans-bold", 19, dark)
    p.text_centred(W - 36, 51, "···", "sans-bold", 18, dark)
    p.line([(0, 74), (W, 74)], fill=(226, 228, 232), width=1)
    # Payee.
    p.rrect((16, 88, W - 16, 146), 10, fill=(255, 255, 255))
    p.circle(52, 117, 19, fill=(255, 86, 60))
    p.text_centred(52, 117, "福", "sans-bold", 20, (255, 255, 255))
    p.text((82, 94), "付款给 福气小店", "sans-bold", 17, dark)
    p.text((82, 120), "收款方：福气小店（**福）  已实名认证", "sans", 12, grey)
    p.line([(W - 40, 108), (W - 32, 117), (W - 40, 126)], fill=grey, width=1.6)
    # Amount and note.
    p.rrect((16, 158, W - 16, 300), 10, fill=(255, 255, 255))
    p.text((36, 170), "付款金额", "sans", 14, grey)
    p.text((36, 194), "¥", "sans-bold", 36, dark)
    p.text((70, 186), "20.20", "sans-bold", 44, dark)
    p.rect((198, 196, 200, 236), fill=BLUE)  # text cursor
    p.line([(36, 248), (W - 36, 248)], fill=(230, 232, 236), width=1)
    p.text((36, 262), "添加备注", "sans", 14, grey)
    p.text((124, 261), "新年快乐，集五福！", "sans", 15, dark)
    p.line([(W - 44, 267), (W - 36, 276), (W - 44, 285)], fill=grey, width=1.6)
    # Limited-time reward notice, framed in red.
    p.rrect((16, 314, W - 16, 384), 8, fill=(255, 241, 240), outline=(230, 30, 30), width=3)
    gx, gy = 52, 349
    p.rrect((gx - 16, gy - 8, gx + 16, gy + 16), 3, fill=(236, 40, 40))
    p.rect((gx - 18, gy - 14, gx + 18, gy - 6), fill=(214, 20, 28))
    p.rect((gx - 3, gy - 14, gx + 3, gy + 16), fill=GOLD)
    p.ellipse((gx - 14, gy - 24, gx - 1, gy - 12), outline=GOLD, width=2.4)
    p.ellipse((gx + 1, gy - 24, gx + 14, gy - 12), outline=GOLD, width=2.4)
    p.text((82, 322), "限时奖励：本次付款成功，可得一张福卡", "sans-bold", 16, (214, 20, 28))
    p.text((82, 352), "活动时间：1月10日 — 1月24日，每人每天限1次", "sans", 12, (160, 80, 80))
    # Confirm button and a footer.
    p.rrect((16, 400, W - 16, 448), 10, fill=BLUE)
    p.text_centred(W / 2, 424, "确认付款", "sans-bold", 19, (255, 255, 255))
    p.text_centred(W / 2, 470, "付款安全由平台保障", "sans", 11, (170, 172, 180))
    save_png(reduce(img, (W, H)).convert("RGBA"), "图片框8.png")


# ----------------------------------------------------------------------------------------------


def main():
    os.makedirs(PICTURES, exist_ok=True)
    write_icon()
    fu_papercut()
    fu_brush()
    china_mobile()
    cola()
    coffee()
    yogurt()
    qr_picture()
    payment()
    expected = {
        "图片框1.jpg": ("JPEG", (409, 396), True),
        "图片框2.jpg": ("JPEG", (1225, 813), True),
        "图片框3.jpg": ("JPEG", (330, 275), False),
        "图片框4.jpg": ("JPEG", (522, 376), False),
        "图片框5.jpg": ("JPEG", (560, 397), False),
        "图片框6.jpg": ("JPEG", (438, 195), False),
        "图片框7.jpg": ("JPEG", (169, 195), True),
        "图片框8.png": ("PNG", (580, 489), None),
    }
    assert sorted(os.path.basename(w[0]) for w in written) == sorted(expected)
    for path, kind, size, progressive in written:
        assert (kind, size, progressive) == expected[os.path.basename(path)], path
        check_picture(path, kind, size, progressive)


if __name__ == "__main__":
    main()
