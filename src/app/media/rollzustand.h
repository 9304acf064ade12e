#pragma once
// The scroll state of a hex or bin view in lines and characters, with 64-bit line
// positions, and the mapping to a scroll bar's int range: files with more lines than a
// bar can count are scaled onto it, so the thumb reaches every part of any file.

#include <cstdint>

namespace zor::app {

enum class Rollanfrage { ZeileZurueck, ZeileVor, SeiteZurueck, SeiteVor, Ziehen, Anfang, Ende, Sonstige };

struct Rollzustand {
    std::uint64_t ZeilenAnzahl = 0;
    int maxwidth = 0;
    int xClient = 0, yClient = 0;
    int cx = 0, cy = 0, cynl = 0;
    std::uint64_t VScrollMax = 0, VScrollPos = 0;
    int HScrollMax = 0, HScrollPos = 0;
    int ZeilenPerFenster = 0;

    // Scroll ranges and lines per window after a change of size or content.
    void setupScroll();
    // A new client size in pixels; the height is rounded up to whole lines.
    void groesse(int breite, int hoehe);

    // The clamped vertical step in lines for a request (thumb: the line dragged to).
    std::int64_t vSchritt(Rollanfrage a, std::uint64_t daumen = 0) const;
    // The clamped horizontal step in characters.
    int hSchritt(Rollanfrage a, int daumen = 0) const;
    // Moves by a step from vSchritt/hSchritt; false for a step of 0.
    bool vRollen(std::int64_t schritt);
    bool hRollen(int schritt);
    // Puts a line at the top, clamped to the range.
    void zeigeZeile(std::uint64_t zeile);

    // The vertical bar's maximum, value and the line a bar value stands for.
    int balkenMax() const;
    int balkenWert() const;
    std::uint64_t zeileAusBalken(int wert) const;
};

}  // namespace zor::app
