#!/usr/bin/python3
"""Builds resources/fonts/BelvaneMarker.ttf: one glyph, a check mark, at U+E10B.

Captions of the fields a budget needs end with the private-use character U+E10B, the "required"
marker. Common Linux fonts have no glyph there, so the program ships this tiny font of its own.
Run it again only to change the glyph (needs Debian's python3-fonttools).
"""
from pathlib import Path
from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

UNITS = 1000
ADVANCE = 820
# A bold check mark, drawn clockwise, on the baseline.
CHECK = [(70, 330), (190, 450), (330, 300), (650, 700), (770, 580), (330, 60)]

def glyph(points):
    pen = TTGlyphPen(None)
    if points:
        pen.moveTo(points[0])
        for p in points[1:]:
            pen.lineTo(p)
        pen.closePath()
    return pen.glyph()

fb = FontBuilder(UNITS, isTTF=True)
fb.setupGlyphOrder([".notdef", "uniE10B"])
fb.setupCharacterMap({0xE10B: "uniE10B"})
fb.setupGlyf({".notdef": glyph([]), "uniE10B": glyph(CHECK)})
fb.setupHorizontalMetrics({".notdef": (ADVANCE, 0), "uniE10B": (ADVANCE, 70)})
fb.setupHorizontalHeader(ascent=800, descent=-200)
fb.setupNameTable({"familyName": "Belvane Marker", "styleName": "Regular"})
fb.setupOS2(sTypoAscender=800, sTypoDescender=-200, usWinAscent=800, usWinDescent=200)
fb.setupPost()
out = Path(__file__).resolve().parent.parent / "resources" / "fonts" / "BelvaneMarker.ttf"
fb.save(str(out))
print(out)
