#pragma once
// The drawing surface the plot code writes to: integer logical coordinates with y
// growing upwards, pens, brushes and fonts given in logical units. The screen and
// the printer use a QPainter behind it; tests and benchmarks record the calls.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/util/farben.h"

namespace zor {

struct Farbe {
    std::uint8_t rot = 0, gruen = 0, blau = 0;
    friend bool operator==(const Farbe&, const Farbe&) = default;
};

// Only the low 8 bits of each component count, as with the old colour macro.
constexpr Farbe farbeAus(int r, int g, int b) {
    return {static_cast<std::uint8_t>(r & 0xFF), static_cast<std::uint8_t>(g & 0xFF),
            static_cast<std::uint8_t>(b & 0xFF)};
}
constexpr Farbe farbeAus(const farben& f) { return farbeAus(f.rot, f.gruen, f.blau); }

inline constexpr Farbe SCHWARZ{0, 0, 0};
inline constexpr Farbe WEISS{255, 255, 255};

enum class Strichart { Durchgezogen, Gepunktet };

// Width in logical units; 0 is the thinnest line the device can draw.
struct Stift {
    int breite = 0;
    Farbe farbe = SCHWARZ;
    Strichart art = Strichart::Durchgezogen;
    friend bool operator==(const Stift&, const Stift&) = default;
};

// Swiss: the proportional sans-serif label face. Symbol: the face for Greek letters
// and mathematical signs; its texts arrive already translated to Unicode.
enum class Schriftfamilie { Swiss, Symbol };

struct Schrift {
    Schriftfamilie familie = Schriftfamilie::Swiss;
    int hoehe = 0;  // logical units
    friend bool operator==(const Schrift&, const Schrift&) = default;
};

// Horizontal anchor of a text; texts are always anchored on their baseline.
enum class Ausrichtung { Links, Mitte, Rechts };

struct LPunkt {
    int x = 0, y = 0;
    friend bool operator==(const LPunkt&, const LPunkt&) = default;
};

// A rectangle given by its edges, in the order of the template records.
struct LRechteck {
    int links = 0, oben = 0, rechts = 0, unten = 0;
    friend bool operator==(const LRechteck&, const LRechteck&) = default;
};

struct Textmass {
    int breite = 0, hoehe = 0;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // Selected objects. Drawing calls use whatever is selected when they run.
    const Stift& stift() const { return stift_; }
    void setzeStift(const Stift& s) { stift_ = s; }
    Farbe pinsel() const { return pinsel_; }
    void setzePinsel(Farbe f) { pinsel_ = f; }
    const Schrift& schrift() const { return schrift_; }
    void setzeSchrift(const Schrift& s) { schrift_ = s; }
    Farbe textfarbe() const { return textfarbe_; }
    void setzeTextfarbe(Farbe f) { textfarbe_ = f; }
    // Background painted behind each text; none = transparent.
    std::optional<Farbe> texthintergrund() const { return texthintergrund_; }
    void setzeTexthintergrund(std::optional<Farbe> f) { texthintergrund_ = f; }
    Ausrichtung ausrichtung() const { return ausrichtung_; }
    void setzeAusrichtung(Ausrichtung a) { ausrichtung_ = a; }

    virtual void linie(LPunkt von, LPunkt bis) = 0;
    virtual void polylinie(std::span<const LPunkt> punkte) = 0;
    // Outlined with the pen, filled with the brush.
    virtual void polygon(std::span<const LPunkt> punkte) = 0;
    virtual void ellipse(const LRechteck& r) = 0;
    virtual void rechteck(const LRechteck& r) = 0;
    // UTF-8 text with its baseline at anker.y and its horizontal anchor at anker.x.
    // A font height of 0 means the device's default size.
    virtual void text(LPunkt anker, std::string_view text) = 0;
    // Single ASCII characters, the i-th left-anchored at anker.x + i * abstand, each as text()
    // would draw it; a device may draw the row in one go.
    virtual void zeichenreihe(LPunkt anker, std::string_view zeichen, int abstand) {
        const Ausrichtung vorher = ausrichtung_;
        ausrichtung_ = Ausrichtung::Links;
        for (std::size_t i = 0; i < zeichen.size(); ++i)
            text({anker.x + static_cast<int>(i) * abstand, anker.y}, zeichen.substr(i, 1));
        ausrichtung_ = vorher;
    }
    // Width and height of a text in the selected font, logical units.
    virtual Textmass textmass(std::string_view text) = 0;
    // Ascent of the selected font, logical units.
    virtual int oberlaenge() = 0;
    // Restricts drawing to a rectangle, or lifts the restriction.
    virtual void beschneiden(std::optional<LRechteck> bereich) = 0;
    // A line that inverts what lies under it: drawing it twice restores the picture.
    virtual void invertierteLinie(LPunkt von, LPunkt bis) = 0;

private:
    Stift stift_;
    Farbe pinsel_ = WEISS;
    Schrift schrift_;
    Farbe textfarbe_ = SCHWARZ;
    std::optional<Farbe> texthintergrund_;
    Ausrichtung ausrichtung_ = Ausrichtung::Mitte;
};

}  // namespace zor
