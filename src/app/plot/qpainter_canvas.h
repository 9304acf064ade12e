#pragma once
// The canvas on screen and paper: maps logical points through the document's
// window/viewport mapping, but draws text upright and unstretched, with the pixel
// height the font mapper of the old platform gave (logical height x |y scale|).

#include <QFont>
#include <QPainter>
#include <QRawFont>
#include <QRegion>

#include <array>
#include <optional>

#include "core/plot/abbildung.h"
#include "core/plot/canvas.h"

namespace zor {

class QPainterCanvas : public Canvas {
public:
    // The painter stays the caller's; antialiasing is switched on for it. A clip the
    // painter has (a printed page's printable area) stays in force.
    QPainterCanvas(QPainter& painter, const Abbildung& abbildung);

    void setzeAbbildung(const Abbildung& abbildung) { abbildung_ = abbildung; }
    const Abbildung& abbildung() const { return abbildung_; }

    void linie(LPunkt von, LPunkt bis) override;
    void polylinie(std::span<const LPunkt> punkte) override;
    void polygon(std::span<const LPunkt> punkte) override;
    void ellipse(const LRechteck& r) override;
    void rechteck(const LRechteck& r) override;
    void text(LPunkt anker, std::string_view text) override;
    void zeichenreihe(LPunkt anker, std::string_view zeichen, int abstand) override;
    Textmass textmass(std::string_view text) override;
    int oberlaenge() override;
    void beschneiden(std::optional<LRechteck> bereich) override;
    void invertierteLinie(LPunkt von, LPunkt bis) override;

    // The Qt font for a font record at a given device scale (pixels per logical unit).
    static QFont qtSchrift(const Schrift& schrift, const Abbildung& abbildung);

private:
    QPointF geraet(LPunkt p) const;
    QRectF geraet(const LRechteck& r) const;
    void stiftUndPinselSetzen();
    QFont schriftJetzt() const { return qtSchrift(schrift(), abbildung_); }
    // The Qt font of the selected font record and its glyphs, kept while both stay the same:
    // rows of single characters would otherwise build them per character.
    struct Glyphen {
        Schrift schrift;
        double skala = 0;
        QFont font;
        QRawFont roh;
        std::array<double, 128> vorschub{};
        double oberlaenge = 0, hoehe = 0;
    };
    const Glyphen& glyphen();

    QPainter& p_;
    Abbildung abbildung_;
    std::optional<QRegion> grundclip_;
    std::optional<Glyphen> glyphen_;
};

}  // namespace zor
