#!/usr/bin/env python3
"""Draws Pelmora's icon and writes it as a .ico file: one 128 x 128 image, 32 bits per pixel.

The picture: a white globe on a blue rounded square, with an orange badge holding two opposite
arrows (switching between regions). Each pixel averages 4 x 4 samples for smooth edges. Only
+, -, *, / and sqrt are used, which every IEEE machine rounds alike, so the file is the same
byte for byte wherever it is built.

Usage: make_icon.py OUTPUT.ico
"""

import math
import struct
import sys

SIZE = 128
SAMPLES = 4  # per axis

BLUE_TOP = (60, 140, 231)
BLUE_BOTTOM = (24, 72, 160)
BLUE_EDGE = (16, 52, 120)
WHITE = (255, 255, 255)
ORANGE = (245, 160, 35)

GLOBE_X, GLOBE_Y, GLOBE_R = 56.0, 56.0, 38.0
BADGE_X, BADGE_Y, BADGE_R = 95.0, 95.0, 27.0


def inside_rounded_square(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def near_ellipse(dx, dy, a, b, half_width):
    """Whether (dx, dy) lies within half_width of the ellipse with half-axes a and b."""
    f = (dx / a) ** 2 + (dy / b) ** 2 - 1.0
    gx, gy = 2.0 * dx / (a * a), 2.0 * dy / (b * b)
    gradient = math.sqrt(gx * gx + gy * gy)
    return gradient > 0.0 and abs(f) / gradient <= half_width


def inside_triangle(x, y, a, b, c):
    def side(p, q):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])
    s1, s2, s3 = side(a, b), side(b, c), side(c, a)
    return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)


def globe_line(x, y):
    dx, dy = x - GLOBE_X, y - GLOBE_Y
    distance = math.sqrt(dx * dx + dy * dy)
    if abs(distance - GLOBE_R) <= 3.0:
        return True  # the rim
    if distance > GLOBE_R:
        return False
    return (abs(dy) <= 1.8                                  # equator
            or abs(abs(dy) - 19.0) <= 1.6                   # two parallels
            or abs(dx) <= 1.8                               # central meridian
            or near_ellipse(dx, dy, 19.0, GLOBE_R, 1.6))    # two curved meridians


def arrow(x, y, shaft_y, pointing_right):
    """An arrow across the badge: a shaft and a head."""
    left, right = BADGE_X - 15.0, BADGE_X + 15.0
    head = 9.0
    if pointing_right:
        if left <= x <= right - head and abs(y - shaft_y) <= 2.6:
            return True
        return inside_triangle(x, y, (right - head, shaft_y - 7.5), (right - head, shaft_y + 7.5), (right + 1.0, shaft_y))
    if left + head <= x <= right and abs(y - shaft_y) <= 2.6:
        return True
    return inside_triangle(x, y, (left + head, shaft_y - 7.5), (left + head, shaft_y + 7.5), (left - 1.0, shaft_y))


def colour_at(x, y):
    """The opaque colour of one sample, or None where the icon is transparent."""
    badge_distance = math.sqrt((x - BADGE_X) ** 2 + (y - BADGE_Y) ** 2)
    if badge_distance <= BADGE_R:
        if badge_distance > BADGE_R - 3.0:
            return WHITE
        if arrow(x, y, BADGE_Y - 7.0, True) or arrow(x, y, BADGE_Y + 7.0, False):
            return WHITE
        return ORANGE
    if not inside_rounded_square(x, y, 4.0, 4.0, 124.0, 124.0, 24.0):
        return None
    if not inside_rounded_square(x, y, 6.0, 6.0, 122.0, 122.0, 22.0):
        return BLUE_EDGE
    if globe_line(x, y):
        return WHITE
    t = (y - 4.0) / 120.0
    return tuple(top + (bottom - top) * t for top, bottom in zip(BLUE_TOP, BLUE_BOTTOM))


def render():
    """Rows top first; each pixel (b, g, r, a) with straight alpha."""
    rows = []
    count = SAMPLES * SAMPLES
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            red = green = blue = covered = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour = colour_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
                    if colour is None:
                        continue
                    red += colour[0]
                    green += colour[1]
                    blue += colour[2]
                    covered += 1.0
            if covered == 0.0:
                row.append((0, 0, 0, 0))
            else:
                row.append((int(blue / covered + 0.5), int(green / covered + 0.5), int(red / covered + 0.5),
                            int(255.0 * covered / count + 0.5)))
        rows.append(row)
    return rows


def ico_bytes(rows):
    pixels = b"".join(bytes(pixel) for row in reversed(rows) for pixel in row)  # bottom-up BGRA
    mask_row_bytes = ((SIZE + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_row_bytes)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    # BITMAPINFOHEADER: the height counts the colour image and the mask.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + pixels + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb") as out:
        out.write(ico_bytes(render()))


if __name__ == "__main__":
    main()
