#!/usr/bin/env python3
"""Writes the plot templates in resources/plt/.

The templates are plain text and may be edited by hand (a teacher can put an edited
copy into the program's start directory). This script only saves counting words of
t records and computing the points of curved arrows. Run it from the repository root.
"""
import math
import os

OUT = os.path.join("resources", "plt")
# The model pictures of the parameter document end above y = -5700: below it the
# document writes each set's derived quantities, down to where the stacked layout puts
# the next set's heading.


class Vorlage:
    def __init__(self, name):
        self.name, self.zeilen = name, []

    def roh(self, zeile):
        self.zeilen.append(zeile)

    def k(self, wort):
        self.roh("k " + wort.replace(" ", "_"))

    def t(self, x, y, groesse, ausrichtung, selektor, text, index=None):
        woerter = text.split()
        marke, i = (0, 0) if index is None else (1, index)
        self.roh(f"t {x},{y},{groesse},{ausrichtung},{selektor},{marke},{i},{len(woerter) - 1},{' '.join(woerter)}")

    def s(self, x, y, groesse, groesse1, ausrichtung, marke, a, b):
        self.roh(f"s {x},{y},{groesse},{groesse1},{ausrichtung},{marke},{a} {b}")

    def y(self, x, y, groesse, ausrichtung, wort):
        self.roh(f"y {x},{y},{groesse},{ausrichtung},{wort}")

    def schreiben(self):
        with open(os.path.join(OUT, self.name), "w", encoding="utf-8") as f:
            f.write("\n".join(self.zeilen) + "\n")


def bogen(v, *punkte, kopf=520):
    """Quadratic (3 points) or cubic (4 points) curve with an arrowhead at its end."""
    pts = list(zip(punkte[0::2], punkte[1::2]))

    def p(t):
        u = 1 - t
        if len(pts) == 3:
            w = (u * u, 2 * u * t, t * t)
        else:
            w = (u ** 3, 3 * u * u * t, 3 * u * t * t, t ** 3)
        return sum(a * b[0] for a, b in zip(w, pts)), sum(a * b[1] for a, b in zip(w, pts))

    poly = [p(i / 24) for i in range(25)]
    v.roh("z " + ",".join(f"{round(x)},{round(y)}" for x, y in poly) + "#")
    (ax, ay), (bx, by) = poly[-2], poly[-1]
    v.roh(f"d {round(bx)},{round(by)},{math.atan2(by - ay, bx - ax):.4f},0.6,{kopf}")


def pfeil(v, x0, y0, x1, y1, kopf=520):
    """Straight arrow from (x0, y0) to its tip (x1, y1)."""
    laenge = round(math.hypot(x1 - x0, y1 - y0))
    v.roh(f"p {x1},{y1},{math.atan2(y1 - y0, x1 - x0):.4f},0.6,{laenge},{kopf}")


def kopf_par(v, modell):
    """Set number and model name in the set's colour; selectors a/b set 1, c/d set 2."""
    v.roh("b 0,0,150 150,0,0")
    for sel, satz in (("a", 1), ("b", 1), ("c", 2), ("d", 2)):
        v.t(0, 7300, 250, "c", sel, f"Parametersatz {satz}")
    if modell:
        for sel, art in (("a", "simuliert"), ("b", "theoretisch"), ("c", "simuliert"), ("d", "theoretisch")):
            v.t(0, 6200, 210, "c", sel, f"{modell}, {art}")


def simulationswerte(v, y, startwert, durchlaeufe, groesse=190):
    for sel in "ac":
        v.t(-9000, y, groesse, "l", sel, "Startwert =", startwert)
        v.t(1000, y, groesse, "l", sel, "Durchläufe =", durchlaeufe)


def zwei_zustaende(v, q, groesse_text=200, y0=2200, r=1500, dx=4000, namen=True):
    """GOOD and BAD with both transitions and both self-loops, labelled with q."""
    v.roh("f 40,0,0,0")
    v.roh("h 232,236,248")
    v.roh(f"e {-dx - r},{y0 + r},{-dx + r},{y0 - r}")
    v.roh(f"e {dx - r},{y0 + r},{dx + r},{y0 - r}")
    v.t(-dx, y0, 330, "c", "@", "G")
    v.t(dx, y0, 330, "c", "@", "B")
    if namen:
        v.t(-dx, y0 - r - 700, 180, "c", "@", "GOOD")
        v.t(dx, y0 - r - 700, 180, "c", "@", "BAD")
    v.roh("h 0,0,0")
    innen, aussen = dx - r + 200, dx + r - 200
    bogen(v, -innen, y0 + 1000, 0, y0 + 4000, innen, y0 + 1000)
    bogen(v, innen, y0 - 1000, 0, y0 - 4000, -innen, y0 - 1000)
    bogen(v, -aussen, y0 + 800, -dx - 5300, y0 + 3000, -dx - 5300, y0 - 3000, -aussen, y0 - 800)
    bogen(v, aussen, y0 - 800, dx + 5300, y0 - 3000, dx + 5300, y0 + 3000, aussen, y0 + 800)
    for sel, zeichen in q:
        v.t(0, y0 + 3200, groesse_text, "c", sel, f"{zeichen}(B|G)")
        v.t(0, y0 - 3200, groesse_text, "c", sel, f"{zeichen}(G|B)")
        v.t(-dx - 3900, y0 + 2700, groesse_text, "c", sel, f"{zeichen}(G|G)")
        v.t(dx + 3900, y0 + 2700, groesse_text, "c", sel, f"{zeichen}(B|B)")


def ge_mc(name, modell, q, wechsel):
    v = Vorlage(name)
    v.k(f"{name}: {modell} im Parameterfenster")
    kopf_par(v, modell)
    v.k("Zustandsdiagramm")
    zwei_zustaende(v, [("@", q)], y0=2000, r=1300)
    v.k("Werte des Parametersatzes")
    v.t(-9000, -2250, 180, "l", "@", f"{q}(B|G) =", 5)
    v.t(1000, -2250, 180, "l", "@", f"{q}(G|B) =", 4)
    v.t(-9000, -2970, 180, "l", "@", f"{q}(G|G) =", 2)
    v.t(1000, -2970, 180, "l", "@", f"{q}(B|B) =", 3)
    v.t(-9000, -3690, 180, "l", "@", "Fehler in G =", 6)
    v.t(1000, -3690, 180, "l", "@", "Fehler in B =", 7)
    simulationswerte(v, -4410, 0, 1, 180)
    v.k("Formeln")
    v.t(0, -5250, 150, "c", "@", f"{q}(G|G) = 1 − {q}(B|G),  {q}(B|B) = 1 − {q}(G|B)")
    v.t(0, -5800, 150, "c", "@", wechsel)
    v.schreiben()


def bsc():
    v = Vorlage("BSC_PAR.PLT")
    v.k("BSC_PAR.PLT: binärer symmetrischer Kanal im Parameterfenster")
    kopf_par(v, None)
    for sel in "bd":
        v.t(0, 6200, 210, "c", sel, "BSC-Modell, theoretisch")
    v.k("Kanaldiagramm: gesendetes Bit links, empfangenes rechts")
    v.t(-6000, 5000, 180, "c", "@", "gesendet")
    v.t(6000, 5000, 180, "c", "@", "empfangen")
    v.roh("f 40,0,0,0")
    v.roh("h 232,236,248")
    oben, unten = 3500, -200
    for x in (-6000, 6000):
        for y in (oben, unten):
            v.roh(f"e {x - 800},{y + 800},{x + 800},{y - 800}")
    for x in (-6000, 6000):
        v.t(x, oben, 280, "c", "@", "0")
        v.t(x, unten, 280, "c", "@", "1")
    v.roh("h 0,0,0")
    pfeil(v, -5100, oben, 5100, oben)
    pfeil(v, -5100, unten, 5100, unten)
    pfeil(v, -5100, oben - 500, 5150, unten + 450)
    pfeil(v, -5100, unten + 500, 5150, oben - 450)
    v.t(0, oben + 650, 190, "c", "@", "1 − p")
    v.t(0, unten - 650, 190, "c", "@", "1 − p")
    v.t(-2600, oben - 500, 190, "c", "@", "p")
    v.t(-2600, unten + 500, 190, "c", "@", "p")
    v.k("Werte des Parametersatzes")
    v.t(0, -2200, 200, "c", "@", "Bitfehlerwahrscheinlichkeit p =", 0)
    for sel in "ac":
        # One below the other: side by side they collide in narrow windows.
        v.t(0, -3000, 190, "c", sel, "Startwert =", 1)
        v.t(0, -3700, 190, "c", sel, "Durchläufe =", 2)
    v.k("Formeln")
    v.t(0, -4500, 190, "c", "@", "P(a ≥ k) = (1 − p)ᵏ⁻¹")
    v.t(0, -5500, 190, "c", "@", "R(0) = p,   R(k) = p² für k ≥ 1")
    v.schreiben()


def ffo_fab():
    v = Vorlage("FFO_FAB.PLT")
    v.k("FFO_FAB.PLT: Art der BSC-Simulation, über BSC_PAR.PLT gezeichnet")
    v.roh("b 0,0,150 150,0,0")
    v.t(0, 6200, 210, "c", "a", "BSC-Modell, simuliert mit Fehlerfolge")
    v.t(0, 6200, 210, "c", "b", "BSC-Modell, simuliert mit Fehlerabstand")
    v.t(0, -6500, 180, "c", "a", "eine Zufallszahl je Bit: Fehler, wenn u ≤ p")
    v.t(0, -6500, 180, "c", "b", "eine Zufallszahl je Fehlerabstand a")
    v.schreiben()


def sw():
    v = Vorlage("SW_PAR.PLT")
    v.k("SW_PAR.PLT: Dreizustandsmodell (Erneuerungsmodell) im Parameterfenster")
    kopf_par(v, "Dreizustandsmodell")
    v.k("nach jedem Fehler wird der Zustand neu gewählt")
    v.roh("f 40,0,0,0")
    v.roh("h 250,232,232")
    v.roh("e -7700,2800,-5100,200")
    v.t(-6400, 1500, 280, "c", "@", "F")
    v.t(-6400, -400, 170, "c", "@", "Fehler")
    v.roh("h 232,236,248")
    zustaende = ((1, 4300), (2, 1500), (3, -1300))
    for n, y in zustaende:
        v.roh(f"e 1600,{y + 850},4200,{y - 850}")
        v.s(2450, y, 280, 200, "l", 1, "Z", str(n))
    v.roh("h 0,0,0")
    pfeil(v, -5100, 2000, 1600, 4100)
    pfeil(v, -5100, 1500, 1550, 1500)
    pfeil(v, -5100, 1000, 1600, -1100)
    v.t(-1900, 3800, 180, "c", "@", "pZ1")
    v.t(-1900, 2000, 180, "c", "@", "pZ2")
    v.t(-1900, -700, 180, "c", "@", "pZ3")
    for n, y in zustaende:
        v.t(4600, y, 180, "l", "@", f"Fehler: e{n}")
    v.k("Werte des Parametersatzes")
    v.t(-9000, -2750, 170, "l", "@", "pZ1 =", 3)
    v.t(1000, -2750, 170, "l", "@", "e1 =", 5)
    v.t(-9000, -3450, 170, "l", "@", "pZ2 =", 4)
    v.t(1000, -3450, 170, "l", "@", "e2 =", 6)
    v.t(-9000, -4150, 170, "l", "@", "pZ3 =", 2)
    v.t(1000, -4150, 170, "l", "@", "e3 =", 7)
    simulationswerte(v, -4850, 0, 1, 170)
    v.k("Formel")
    v.t(0, -5450, 150, "c", "@", "P(a ≥ k) = Σ pZᵢ · (1 − eᵢ)ᵏ⁻¹")
    v.schreiben()


def mar():
    v = Vorlage("MAR.PLT")
    v.k("MAR.PLT: Zweizustandsmodell der GE- (g) und MC-Verfälschung (m)")
    v.roh("b 0,0,0 0,0,0")
    zwei_zustaende(v, [("g", "p"), ("m", "q")], groesse_text=260, y0=0, r=1700, dx=4300, namen=False)
    v.t(0, -4400, 200, "c", "g", "Zustandswechsel nach jedem Bit")
    v.t(0, -4400, 200, "c", "m", "Zustandswechsel nur nach einem Fehler")
    v.schreiben()


def drucken():
    v = Vorlage("DRUCKEN.PLT")
    v.k("DRUCKEN.PLT: Kopf der gedruckten Seite; a Fehlerfolge, b FKF, c FAV, d Bündel")
    v.roh("b 0,0,0 0,0,110")
    v.t(-10000, 250, 150, "l", "@", "Zorwerk und Multimedia")
    v.t(10000, 250, 150, "r", "a", "Fehlerfolge")
    v.t(10000, 250, 150, "r", "b", "Fehlerkorrelationsfunktion")
    v.t(10000, 250, 150, "r", "c", "Fehlerabstandsverteilung")
    v.t(10000, 250, 150, "r", "d", "Bündel und Blöcke")
    v.roh("f 15,0,0,110")
    v.roh("l -10000,-450,10000,-450")
    v.schreiben()


def diagramm(name, titel, ordinate, erklaerung):
    """Static layer of the curve documents: the axis cross of the diagram, axis titles
    and caption. Tick labels and curves come from the document. The caption stands
    top left, clear of the cursor readout (top row, right half down to the difference
    row) and of the duration markers."""
    v = Vorlage(name)
    v.k(f"{name}: Achsenkreuz und Beschriftung; Skalen und Kurven zeichnet das Dokument")
    v.roh("f 55,0,0,0")
    v.roh("h 0,0,0")
    v.roh("u -7500,-8000,9500,5500,-7500,-8000,230")
    v.t(-7500, 6150, 280, "c", "@", ordinate)
    v.t(9300, -7100, 300, "c", "@", "k")
    v.t(-9600, 8000, 260, "l", "@", titel)
    v.t(-9600, 7050, 190, "l", "@", erklaerung)
    v.schreiben()


bsc()
ffo_fab()
sw()
mar()
drucken()
diagramm("FKF.PLT", "Fehlerkorrelationsfunktion", "R(k)", "R(k) = P(f(i) = 1 und f(i + k) = 1)")
diagramm("FAV.PLT", "Fehlerabstandsverteilung", "P(a ≥ k)", "a: Abstand zum vorigen Fehler in Bit")
diagramm("FAVak.PLT", "Fehlerabstandswahrscheinlichkeit", "p(a = k)", "a: Abstand zum vorigen Fehler in Bit")
ge_mc("GE_PAR.PLT", "Gilbert-Elliott-Modell", "p", "Zustandswechsel nach jedem Bit")
ge_mc("MC_PAR.PLT", "McCullough-Modell", "q", "Zustandswechsel nur nach einem Fehler")
