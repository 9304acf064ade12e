#!/usr/bin/env python3
"""Writes the toolbar icons (24x24 SVG, one family: dark outline, white paper, one
accent colour each) and the program icon into this folder. Run it after a change."""
import os

D = "#33414e"      # outline
B = "#2f6fd0"      # blue accent
R = "#c8372d"      # red accent
G = "#2e9a4b"      # green accent
Y = "#e0a526"      # yellow accent
W = "#ffffff"
S = f'fill="none" stroke="{D}" stroke-width="1.5" stroke-linecap="round" stroke-linejoin="round"'


def svg(body, size=24):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
            f'viewBox="0 0 {size} {size}">\n{body}\n</svg>\n')


def blatt(inhalt=""):
    return (f'<path d="M5.5 2.5h9l4 4v15h-13z" fill="{W}" stroke="{D}" stroke-width="1.5" '
            f'stroke-linejoin="round"/><path d="M14.5 2.5v4h4" {S}/>' + inhalt)


def text(x, y, t, farbe=D, groesse=7):
    return (f'<text x="{x}" y="{y}" font-family="DejaVu Sans Mono, monospace" font-weight="bold" '
            f'font-size="{groesse}" text-anchor="middle" fill="{farbe}">{t}</text>')


def diskette(marke):
    return (f'<path d="M3.5 3.5h14l3 3v14h-17z" fill="{W}" stroke="{D}" stroke-width="1.5" stroke-linejoin="round"/>'
            f'<rect x="7" y="3.5" width="8" height="5" fill="{B}" stroke="{D}" stroke-width="1.2"/>' + marke)


def fenster(x, y, w, h, farbe=B):
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="1" fill="{W}" stroke="{D}" stroke-width="1.5"/>'
            f'<rect x="{x+0.75}" y="{y+0.75}" width="{w-1.5}" height="2.5" fill="{farbe}"/>')


def diagramm(kurve, farbe=B):
    return (f'<rect x="2.5" y="2.5" width="19" height="19" rx="2" fill="{W}" stroke="{D}" stroke-width="1.5"/>'
            f'<path d="M5.5 5v13.5H19" {S}/>'
            f'<path d="{kurve}" fill="none" stroke="{farbe}" stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>')


BILDER = {
    "nebeneinander": fenster(2.5, 3.5, 9, 17) + fenster(12.5, 3.5, 9, 17),
    "untereinander": fenster(2.5, 2.5, 19, 9) + fenster(2.5, 12.5, 19, 9),
    "kaskadiert": fenster(2.5, 2.5, 12, 10) + fenster(6, 6.5, 12, 10) + fenster(9.5, 10.5, 12, 10),
    "ueber": f'<circle cx="12" cy="12" r="9.25" fill="{B}" stroke="{D}" stroke-width="1.5"/>'
             f'<circle cx="12" cy="7.5" r="1.4" fill="{W}"/><path d="M12 11v6.5" stroke="{W}" stroke-width="2.4" stroke-linecap="round"/>',
    "hex": blatt(text(12, 18, "0F", B, 8.5)),
    "bin": blatt(text(12, 18, "01", G, 8.5)),
    "bitmap": f'<rect x="2.5" y="4.5" width="19" height="15" rx="1.5" fill="{W}" stroke="{D}" stroke-width="1.5"/>'
              f'<circle cx="8" cy="9" r="2" fill="{Y}"/><path d="M3.5 18l5.5-5.5 3.5 3.5 3-3 5 5" fill="none" stroke="{G}" stroke-width="2" stroke-linejoin="round"/>',
    "speichern_fab": diskette(f'<path d="M7 15h9M7 15l2-2M7 15l2 2M16 15l-2-2M16 15l-2 2" fill="none" stroke="{R}" stroke-width="1.6" stroke-linecap="round"/>'),
    "speichern_ffo": diskette(f'<path d="M7 12.5v5M10 12.5v5M11.8 12.5v5M15.5 12.5v5" stroke="{R}" stroke-width="1.6" stroke-linecap="round"/>'),
    "wave": f'<rect x="2.5" y="4.5" width="19" height="15" rx="2" fill="{W}" stroke="{D}" stroke-width="1.5"/>'
            f'<path d="M4.5 12h2l1.5-4 2 8 2-10 2 12 2-8 1.5 2h2" fill="none" stroke="{B}" stroke-width="1.6" stroke-linejoin="round" stroke-linecap="round"/>',
    "beenden": f'<path d="M13.5 3.5h-8v17h8" {S}/><path d="M10 12h10.5M17 8.5l3.5 3.5-3.5 3.5" fill="none" stroke="{R}" stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>',
    "hilfe": f'<circle cx="12" cy="12" r="9.25" fill="{G}" stroke="{D}" stroke-width="1.5"/>'
             f'<path d="M9.3 9.3a2.8 2.8 0 1 1 3.9 2.6c-.8.4-1.2.9-1.2 1.8v.6" fill="none" stroke="{W}" stroke-width="2.2" stroke-linecap="round"/><circle cx="12" cy="17.3" r="1.3" fill="{W}"/>',
    "zor": f'<rect x="2.5" y="2.5" width="19" height="19" rx="3" fill="{B}" stroke="{D}" stroke-width="1.5"/>'
               f'<path d="M7.5 7.5h9l-9 9h9" fill="none" stroke="{W}" stroke-width="2.4" stroke-linecap="round" stroke-linejoin="round"/>',
    "kopieren": f'<rect x="3.5" y="3.5" width="11" height="13" rx="1" fill="{W}" stroke="{D}" stroke-width="1.5"/>'
                f'<rect x="9.5" y="7.5" width="11" height="13" rx="1" fill="{W}" stroke="{D}" stroke-width="1.5"/><path d="M12 11.5h6M12 14.5h6M12 17.5h4" stroke="{B}" stroke-width="1.4"/>',
    "einfuegen": f'<rect x="4.5" y="4.5" width="15" height="17" rx="1.5" fill="{Y}" stroke="{D}" stroke-width="1.5"/>'
                 f'<rect x="8.5" y="2.5" width="7" height="4" rx="1" fill="{W}" stroke="{D}" stroke-width="1.5"/><rect x="7.5" y="9" width="9" height="10" fill="{W}" stroke="{D}" stroke-width="1.2"/>',
    "multimedia": f'<rect x="2.5" y="2.5" width="19" height="19" rx="3" fill="{G}" stroke="{D}" stroke-width="1.5"/>'
                  f'<path d="M9.5 16.5v-10l7-1.5v10" fill="none" stroke="{W}" stroke-width="1.8" stroke-linejoin="round"/>'
                  f'<circle cx="8" cy="16.5" r="2" fill="{W}"/><circle cx="15" cy="15" r="2" fill="{W}"/>',
    "fav": diagramm("M6.5 6.5h2.5v4h3v3h3v2.5h3.5"),
    "ff": f'<rect x="2.5" y="2.5" width="19" height="19" rx="2" fill="{W}" stroke="{D}" stroke-width="1.5"/>'
          f'<path d="M4.5 17.5h15" {S}/>'
          + "".join(f'<path d="M{x} 17.5V{y}" stroke="{R}" stroke-width="2" stroke-linecap="round"/>'
                    for x, y in ((7, 6.5), (9.5, 6.5), (14.5, 6.5), (17, 6.5))),
    "anpassung": diagramm(f"M6.5 7c2 4.5 5 8 12 9.5", G)
                 + ''.join(f'<circle cx="{x}" cy="{y}" r="1.2" fill="{D}"/>' for x, y in ((8, 9), (11, 13.5), (14.5, 15), (17.5, 16.5))),
    # Two bursts of errors and a lone one.
    "buendel": f'<rect x="2.5" y="2.5" width="19" height="19" rx="2" fill="{W}" stroke="{D}" stroke-width="1.5"/>'
               f'<path d="M4.5 17.5h15" {S}/><rect x="6" y="6.5" width="5" height="11" fill="{R}"/>'
               f'<rect x="13.5" y="6.5" width="2" height="11" fill="{R}"/><rect x="17" y="10.5" width="1.5" height="7" fill="{B}"/>',
    "fkf": diagramm("M6.5 6c1.5 0 1.8 9 4 9s2.5-3 4.5-3 2 2.5 3.5 2.5", R),
    "par": f'<rect x="3.5" y="2.5" width="17" height="19" rx="1.5" fill="{W}" stroke="{D}" stroke-width="1.5"/>'
           f'<path d="M6.5 7h3M6.5 11h3M6.5 15h3M6.5 19h3" stroke="{D}" stroke-width="1.4"/>'
           f'<path d="M11.5 7h6M11.5 11h5M11.5 15h6M11.5 19h4" stroke="{B}" stroke-width="1.6"/>',
    "speichern_1": diskette(text(12, 18.5, "1", B, 8.5)),
    "speichern_2": diskette(text(12, 18.5, "2", R, 8.5)),
    "video": f'<rect x="2.5" y="6.5" width="13" height="11" rx="2" fill="{W}" stroke="{D}" stroke-width="1.5"/>'
             f'<path d="M15.5 10.5l6-3.5v10l-6-3.5z" fill="{B}" stroke="{D}" stroke-width="1.5" stroke-linejoin="round"/>'
             f'<circle cx="9" cy="12" r="2.3" fill="{B}"/>',
    "drucken": f'<rect x="6.5" y="2.5" width="11" height="6" fill="{W}" stroke="{D}" stroke-width="1.5"/>'
               f'<rect x="2.5" y="8.5" width="19" height="9" rx="2" fill="#c9d1da" stroke="{D}" stroke-width="1.5"/>'
               f'<rect x="6.5" y="13.5" width="11" height="8" fill="{W}" stroke="{D}" stroke-width="1.5"/>'
               f'<circle cx="18" cy="11.5" r="1" fill="{G}"/>',
    "konvertieren": f'<path d="M4 8.5h15M15.5 5l3.5 3.5-3.5 3.5" fill="none" stroke="{B}" stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>'
                    f'<path d="M20 15.5H5M8.5 12L5 15.5 8.5 19" fill="none" stroke="{R}" stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>',
    "aktualisieren": f'<path d="M19 12a7 7 0 1 1-2.05-4.95" fill="none" stroke="{G}" stroke-width="2.2" stroke-linecap="round"/>'
                     f'<path d="M17.5 3v4.5H13" fill="none" stroke="{G}" stroke-width="2.2" stroke-linecap="round" stroke-linejoin="round"/>',
    "mci": f'<circle cx="12" cy="12" r="9.25" fill="{W}" stroke="{D}" stroke-width="1.5"/>'
           f'<path d="M10 8l6 4-6 4z" fill="{B}" stroke="{B}" stroke-width="1.2" stroke-linejoin="round"/>',
}


# The video window's picture buttons, each up and pressed (shifted onto a light ground).
def gedrueckt(body):
    return f'<rect x="0.5" y="0.5" width="23" height="23" rx="2.5" fill="#dce8f8"/><g transform="translate(1 1)">{body}</g>'


def dreieck(d, farbe=B):
    return f'<path d="{d}" fill="{farbe}" stroke="{D}" stroke-width="1.3" stroke-linejoin="round"/>'


def balken(x):
    return f'<path d="M{x} 6v12" stroke="{D}" stroke-width="2.2" stroke-linecap="round"/>'


KNOEPFE = {
    "oeffnen": f'<path d="M3 6.5h6l2 2h9.5v11H3z" fill="{Y}" stroke="{D}" stroke-width="1.5" stroke-linejoin="round"/>'
               f'<path d="M12 17v-5.5M9.5 13.5l2.5-2.5 2.5 2.5" fill="none" stroke="{D}" stroke-width="1.6" stroke-linecap="round" stroke-linejoin="round"/>',
    "vor": dreieck("M6.5 6l8 6-8 6z") + balken(17.5),
    "zurueck": balken(6.5) + dreieck("M17.5 6l-8 6 8 6z"),
    "anfang": balken(4.5) + dreieck("M12.5 6l-7 6 7 6z") + dreieck("M19.5 6l-7 6 7 6z"),
    "ende": dreieck("M4.5 6l7 6-7 6z") + dreieck("M11.5 6l7 6-7 6z") + balken(19.5),
    "spielen": dreieck("M4.5 6l8 6-8 6z", G) + balken(15.5) + balken(19.5),
}
for name, body in KNOEPFE.items():
    BILDER["knopf_" + name] = body
    BILDER["knopf_" + name + "_gedrueckt"] = gedrueckt(body)
BILDER["aufnahme"] = f'<circle cx="12" cy="12" r="6.5" fill="{R}" stroke="{D}" stroke-width="1.5"/>'

PROGRAMM = svg(
    f'<rect x="3" y="3" width="58" height="58" rx="12" fill="{B}"/>'
    f'<rect x="9" y="9" width="46" height="30" rx="4" fill="{W}"/>'
    f'<path d="M13 33c5 0 6-20 11-20s6 14 10 14 5-8 8-8 4 5 9 5" fill="none" stroke="{R}" stroke-width="3" stroke-linecap="round"/>'
    + "".join(f'<rect x="{10 + 6*i}" y="45" width="4.5" height="9" rx="1" fill="{Y if c == "1" else W}"/>'
              for i, c in enumerate("0100110")), 64)

hier = os.path.dirname(os.path.abspath(__file__))
for name, body in BILDER.items():
    with open(os.path.join(hier, name + ".svg"), "w") as f:
        f.write(svg(body))
with open(os.path.join(hier, "zorwerk.svg"), "w") as f:
    f.write(PROGRAMM)
assert len(BILDER) == 41, len(BILDER)
