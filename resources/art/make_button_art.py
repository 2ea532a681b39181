#!/usr/bin/env python3
"""Writes the main window's button pictures, <caption>u.svg (up) and <caption>d.svg (down).

The SVG files are committed; run this only after changing a glyph or the button look:
    python3 resources/art/make_button_art.py resources/art
Every picture is drawn for its exact pixel size, because the program shows it unscaled.
Only SVG Tiny features are used (gradients, paths, opacity): Qt's SVG renderer draws them all.
"""

import pathlib
import sys

TEAL = "#00abcd"
GLYPH_UP = "#d9e4e8"
GLYPH_DOWN = "#3fd6f2"  # a pressed button lights up in the accent colour
RED = "#e23b2e"

# Glyphs in a 20 x 20 box; "{c}" is replaced by the glyph colour.
GLYPHS = {
    "play": '<path d="M6.5 4 L16 10 L6.5 16 Z" fill="{c}"/>',
    "stop": '<rect x="5" y="5" width="10" height="10" rx="1.2" fill="{c}"/>',
    "prev": '<rect x="3" y="5" width="2.2" height="10" fill="{c}"/>'
            '<path d="M11 5 L5.5 10 L11 15 Z M16.5 5 L11 10 L16.5 15 Z" fill="{c}"/>',
    "next": '<rect x="14.8" y="5" width="2.2" height="10" fill="{c}"/>'
            '<path d="M9 5 L14.5 10 L9 15 Z M3.5 5 L9 10 L3.5 15 Z" fill="{c}"/>',
    "rev": '<path d="M4.6 12.6 V8.6 Q4.6 6 7.2 6 H13" fill="none" stroke="{c}" stroke-width="2.2"/>'
           '<path d="M12.4 2.8 L17.4 6 L12.4 9.2 Z" fill="{c}"/>'
           '<path d="M15.4 7.4 V11.4 Q15.4 14 12.8 14 H7" fill="none" stroke="{c}" '
           'stroke-width="2.2"/>'
           '<path d="M7.6 10.8 L2.6 14 L7.6 17.2 Z" fill="{c}"/>',
    "record": '<circle cx="10" cy="10" r="5.6" fill="url(#lamp)"/>'
              '<circle cx="10" cy="10" r="5.6" fill="none" stroke="#4a0d08" stroke-width="0.6"/>',
    "open": '<path d="M2.5 5 H8 L9.6 6.6 H16.5 V15.5 H2.5 Z" fill="{c}" fill-opacity="0.55"/>'
            '<path d="M2.5 15.5 L4.6 8.6 H18.4 L16.5 15.5 Z" fill="{c}"/>',
    "copy": '<rect x="3.5" y="2.8" width="9" height="11" rx="1" fill="none" stroke="{c}" '
            'stroke-width="1.4"/>'
            '<rect x="7.5" y="6.2" width="9" height="11" rx="1" fill="{c}"/>'
            '<path d="M9.5 9.5 H14.5 M9.5 12 H14.5 M9.5 14.5 H13" stroke="#23272b" '
            'stroke-width="1"/>',
    "delete": '<path d="M4 5.6 H16" stroke="{c}" stroke-width="1.6" stroke-linecap="round"/>'
              '<path d="M8 5.2 V3.4 H12 V5.2" fill="none" stroke="{c}" stroke-width="1.3"/>'
              '<path d="M5.6 7.2 L6.6 17 H13.4 L14.4 7.2 Z" fill="{c}"/>'
              '<path d="M8.4 9 V15 M10 9 V15 M11.6 9 V15" stroke="#23272b" stroke-width="0.9"/>',
    "insert": '<path d="M10 3.8 V16.2 M3.8 10 H16.2" stroke="{c}" stroke-width="2.8" '
              'stroke-linecap="round"/>',
    "rename": '<path d="M4 16 L4.8 12.4 L12.6 4.6 L15.4 7.4 L7.6 15.2 Z" fill="{c}"/>'
              '<path d="M13.6 3.6 L14.6 2.6 Q15.2 2 15.8 2.6 L17.4 4.2 Q18 4.8 17.4 5.4 '
              'L16.4 6.4 Z" fill="{c}"/>'
              '<path d="M10 17.4 H17" stroke="{c}" stroke-width="1.3" stroke-linecap="round"/>',
    "menu": '<path d="M3.5 5 H16.5 M3.5 10 H16.5 M3.5 15 H16.5" stroke="{c}" stroke-width="2.4" '
            'stroke-linecap="round"/>',
    "help": '<path d="M6.4 7.4 Q6.4 3.6 10 3.6 Q13.6 3.6 13.6 7 Q13.6 9 11.4 10 Q10 10.7 10 12.4" '
            'fill="none" stroke="{c}" stroke-width="3.2" stroke-linecap="round"/>'
            '<circle cx="10" cy="16.6" r="2" fill="{c}"/>',
    "minimize": '<path d="M4.5 15 H15.5" stroke="{c}" stroke-width="3" stroke-linecap="round"/>',
    "close": '<path d="M5 5 L15 15 M15 5 L5 15" stroke="{c}" stroke-width="3" '
             'stroke-linecap="round"/>',
    "speaker": '<path d="M2.5 7.5 H6 L10.5 3.5 V16.5 L6 12.5 H2.5 Z" fill="{c}"/>'
               '<path d="M13 7.2 Q14.6 10 13 12.8 M15.4 5 Q18.4 10 15.4 15" fill="none" '
               'stroke="{c}" stroke-width="1.5" stroke-linecap="round"/>',
    "microphone": '<rect x="7.2" y="2.4" width="5.6" height="9.6" rx="2.8" fill="{c}"/>'
                  '<path d="M5 9.4 Q5 14.4 10 14.4 Q15 14.4 15 9.4" fill="none" stroke="{c}" '
                  'stroke-width="1.5" stroke-linecap="round"/>'
                  '<path d="M10 14.4 V17.2 M6.8 17.6 H13.2" stroke="{c}" stroke-width="1.5" '
                  'stroke-linecap="round"/>',
    "ok": '<path d="M4.3 10 A3.3 4.6 0 1 0 10.9 10 A3.3 4.6 0 1 0 4.3 10 Z" fill="none" '
          'stroke="{c}" stroke-width="2"/>'
          '<path d="M13.2 5.2 V14.8 M18.4 5.2 L13.6 10.4 M15.2 9 L18.8 14.8" fill="none" '
          'stroke="{c}" stroke-width="2" stroke-linecap="round"/>',
}

# name: (width, height, [(glyph, x, y, size)], extras)
# x, y, size place the 20 x 20 glyph box; extras "bars" draws a small level meter.
BUTTONS = {
    "prev": (26, 24, [("prev", 5, 4, 16)], None),
    "play": (26, 24, [("play", 4, 3, 18)], None),
    "next": (26, 24, [("next", 5, 4, 16)], None),
    "stop": (26, 24, [("stop", 5, 4, 16)], None),
    "rev": (26, 20, [("rev", 5, 2, 16)], None),
    "record": (26, 20, [("record", 5, 2, 16)], None),
    "open": (26, 20, [("open", 5, 2, 16)], None),
    "copy": (24, 20, [("copy", 4, 2, 16)], None),
    "delete": (24, 20, [("delete", 4, 2, 16)], None),
    "insert": (24, 20, [("insert", 5, 3, 14)], None),
    "rename": (24, 20, [("rename", 4, 2, 16)], None),
    "menu": (16, 14, [("menu", 2.5, 1.5, 11)], None),
    "help": (10, 10, [("help", 1.5, 1.5, 7)], None),
    "minimize": (10, 10, [("minimize", 1.5, 1.5, 7)], None),
    "close": (10, 10, [("close", 1.5, 1.5, 7)], None),
    "volume": (39, 18, [("speaker", 3, 2, 14)], (19, 4, 16, 10, False)),
    "recordc": (48, 24, [("microphone", 4, 3, 18)], (24, 6, 19, 12, True)),
    "ok": (40, 20, [("ok", 9.5, 0.5, 19)], None),
}


def gradients(down):
    top, mid, bottom = ("#15181b", "#1b1e22", "#272b30") if down else ("#4d545c", "#30353b",
                                                                       "#1e2125")
    return (
        '<defs>'
        f'<linearGradient id="face" x1="0" y1="0" x2="0" y2="1">'
        f'<stop offset="0" stop-color="{top}"/><stop offset="0.55" stop-color="{mid}"/>'
        f'<stop offset="1" stop-color="{bottom}"/></linearGradient>'
        '<radialGradient id="lamp" cx="0.4" cy="0.35" r="0.7">'
        f'<stop offset="0" stop-color="{"#ff8a7a" if down else "#ff7a6a"}"/>'
        f'<stop offset="0.5" stop-color="{"#ff3b2a" if down else RED}"/>'
        f'<stop offset="1" stop-color="{"#b01c10" if down else "#8e1b12"}"/>'
        '</radialGradient></defs>'
    )


def body(width, height, down):
    radius = min(4.0, height / 4.0)
    parts = [
        f'<rect x="0" y="0" width="{width}" height="{height}" rx="{radius}" fill="#060708"/>',
        f'<rect x="1" y="1" width="{width - 2}" height="{height - 2}" rx="{radius - 0.6}" '
        'fill="url(#face)"/>',
    ]
    if down:  # shadow along the top and left edges: the face sits below the frame
        parts.append(f'<path d="M1.5 {height - 2} V{radius} Q1.5 1.5 {radius} 1.5 H{width - 2}" '
                     'fill="none" stroke="#000000" stroke-opacity="0.7" stroke-width="1"/>')
    else:  # light catches the top edge
        parts.append(f'<path d="M{radius} 1.6 H{width - radius}" stroke="#ffffff" '
                     'stroke-opacity="0.3" stroke-width="0.8"/>')
        parts.append(f'<path d="M{radius} {height - 1.5} H{width - radius}" stroke="#000000" '
                     'stroke-opacity="0.45" stroke-width="0.8"/>')
    return "".join(parts)


def level_bars(x, y, width, height, red_tip, down):
    """Five rising bars, the last one red where the meter warns of overload."""
    parts = []
    bar = width / 5.0
    for i in range(5):
        level = height * (i + 1) / 5.0
        lit = TEAL if down or i < 3 else "#5f6a70"
        colour = RED if red_tip and i == 4 else lit
        parts.append(f'<rect x="{x + i * bar:.2f}" y="{y + height - level:.2f}" '
                     f'width="{bar - 1.2:.2f}" height="{level:.2f}" rx="0.5" fill="{colour}"/>')
    return "".join(parts)


def glyph(name, x, y, size, colour):
    scale = size / 20.0
    shape = GLYPHS[name].replace("{c}", colour)
    if colour == "#000000":  # the shadow copy is flat black, lamps included
        shape = shape.replace("url(#lamp)", colour)
    return f'<g transform="translate({x} {y}) scale({scale:.4f})">' + shape + "</g>"


def button_svg(width, height, glyphs, extras, down):
    colour = GLYPH_DOWN if down else GLYPH_UP
    shift = 1 if down else 0
    content = []
    for name, x, y, size in glyphs:
        if not down:  # embossed: a dark copy under the glyph
            content.append(glyph(name, x + 0.6, y + 0.6, size, "#000000"))
        content.append(glyph(name, x + shift, y + shift, size, colour))
    if extras:
        bx, by, bw, bh, red_tip = extras
        content.append(level_bars(bx + shift, by + shift, bw, bh, red_tip, down))
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">' + gradients(down) + body(width, height, down)
            + "".join(content) + "</svg>\n")


def main():
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    for name, (width, height, glyphs, extras) in BUTTONS.items():
        for suffix, down in (("u", False), ("d", True)):
            (out / f"{name}{suffix}.svg").write_text(
                button_svg(width, height, glyphs, extras, down))


if __name__ == "__main__":
    main()
