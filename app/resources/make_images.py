#!/usr/bin/python3
"""Draws the product's banner (550 x 90 JPEG) and icon (48, 32 and 16 pixels).

Run with Debian's python3 and python3-pil; the outputs are kept in the
repository beside this script, so a build does not need Python.
"""
import os
import struct
from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
CJK_FONT = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"


def font(size):
    return ImageFont.truetype(CJK_FONT, size)


def draw_router(d, x, y, scale, colour):
    """A router: a box with three lights and two aerials."""
    w, h = 30 * scale, 12 * scale
    d.rounded_rectangle([x, y, x + w, y + h], radius=3 * scale, fill=colour)
    for i in range(3):
        cx = x + (6 + 6 * i) * scale
        d.ellipse([cx, y + 4 * scale, cx + 3 * scale, y + 7 * scale], fill=(120, 255, 140))
    d.line([x + 5 * scale, y, x + 2 * scale, y - 10 * scale], fill=colour, width=2 * scale)
    d.line([x + w - 5 * scale, y, x + w - 2 * scale, y - 10 * scale], fill=colour, width=2 * scale)


def banner():
    img = Image.new("RGB", (550, 90))
    d = ImageDraw.Draw(img)
    for x in range(550):
        t = x / 549
        d.line([x, 0, x, 89], fill=(int(20 + 30 * t), int(70 + 90 * t), int(160 + 70 * t)))
    for r in range(3):
        d.arc([430 - 40 * r, 5 - 40 * r, 540 + 40 * r, 115 + 40 * r], 200, 340, fill=(255, 255, 255), width=2)
    draw_router(d, 470, 52, 2, (245, 245, 250))
    d.text((22, 12), "Ruvelka", font=font(34), fill=(255, 255, 255))
    d.text((24, 56), "路由器调试辅助工具  ·  检测 · 查看 · 修改 · 登录", font=font(16), fill=(230, 240, 255))
    img.save(os.path.join(HERE, "banner.jpg"), quality=88)


def icon():
    big = Image.new("RGBA", (192, 192), (0, 0, 0, 0))
    d = ImageDraw.Draw(big)
    d.ellipse([4, 4, 188, 188], fill=(30, 110, 200, 255))
    draw_router(d, 36, 100, 4, (255, 255, 255))
    write_ico(os.path.join(HERE, "ruvelka.ico"), [big.resize((n, n), Image.LANCZOS) for n in (48, 32, 16)])


def write_ico(path, images):
    """An icon file of 32-bit DIB entries, which every Windows since XP reads
    (PNG-compressed entries need Vista)."""
    entries = []
    for im in images:
        w, h = im.size
        xor = bytearray()
        for y in range(h - 1, -1, -1):
            for x in range(w):
                r, g, b, a = im.getpixel((x, y))
                xor += bytes((b, g, r, a))
        stride = ((w + 31) // 32) * 4
        mask = bytearray()
        for y in range(h - 1, -1, -1):
            row = bytearray(stride)
            for x in range(w):
                if im.getpixel((x, y))[3] < 128:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        entries.append((w, h, header + bytes(xor) + bytes(mask)))
    out = bytearray(struct.pack("<HHH", 0, 1, len(entries)))
    offset = 6 + 16 * len(entries)
    for w, h, data in entries:
        out += struct.pack("<BBBBHHII", w, h, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, _, data in entries:
        out += data
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    banner()
    icon()
