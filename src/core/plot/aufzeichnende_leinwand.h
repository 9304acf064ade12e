#pragma once
// A canvas that only records what is drawn on it, with the pen, brush, font and text
// settings of each call. Text metrics are simple and exact, so tests can predict the
// positions the plot code derives from them.

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/plot/abbildung.h"
#include "core/plot/canvas.h"

namespace zor {

struct Zeichenaufruf {
    enum class Art { Linie, Polylinie, Polygon, Ellipse, Rechteck, Text, Beschnitt, InvertierteLinie };
    Art art = Art::Linie;
    std::vector<LPunkt> punkte;           // lines, polylines, polygons, text anchor
    std::optional<LRechteck> rechteck;    // ellipses, rectangles, clipping
    std::string text;
    Stift stift;
    Farbe pinsel;
    Schrift schrift;
    Farbe textfarbe;
    std::optional<Farbe> texthintergrund;
    Ausrichtung ausrichtung = Ausrichtung::Mitte;
};

class AufzeichnendeLeinwand : public Canvas {
public:
    // Width 0.6 x height per character (UTF-8 code point), height = font height,
    // ascent 0.8 x height, all truncated.
    static Textmass mass(const Schrift& s, std::string_view text);
    static int oberlaengeVon(const Schrift& s) { return anteil(s.hoehe, 8, 1); }

    // hoehe * zehntel / 10 * anzahl, computed wide and clamped: absurd fonts must not overflow.
    static int anteil(int hoehe, int zehntel, long long anzahl) {
        const long long v = static_cast<long long>(hoehe) * zehntel * anzahl / 10;
        return static_cast<int>(std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    }

    void linie(LPunkt von, LPunkt bis) override;
    void polylinie(std::span<const LPunkt> punkte) override;
    void polygon(std::span<const LPunkt> punkte) override;
    void ellipse(const LRechteck& r) override;
    void rechteck(const LRechteck& r) override;
    void text(LPunkt anker, std::string_view text) override;
    Textmass textmass(std::string_view text) override;
    int oberlaenge() override;

    // Measures text as a screen with this mapping would: the mapping's pixel height,
    // the same proportions, converted back to logical units per axis.
    void setzeGeraet(std::optional<Abbildung> a) { geraet_ = a; }
    // The box a recorded text covers, measured as when it was drawn.
    LRechteck kasten(const Zeichenaufruf& text);
    void beschneiden(std::optional<LRechteck> bereich) override;
    void invertierteLinie(LPunkt von, LPunkt bis) override;

    const std::vector<Zeichenaufruf>& aufrufe() const { return aufrufe_; }
    std::vector<Zeichenaufruf> nur(Zeichenaufruf::Art art) const;
    std::vector<std::string> texte() const;
    void leeren() { aufrufe_.clear(); }

private:
    Zeichenaufruf neu(Zeichenaufruf::Art art) const;
    std::vector<Zeichenaufruf> aufrufe_;
    std::optional<Abbildung> geraet_;
};

}  // namespace zor
