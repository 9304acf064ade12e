#include "core/plot/aufzeichnende_leinwand.h"

#include <cmath>

#include "core/plot/textlage.h"

namespace zor {
namespace {

int codepunkte(std::string_view t) {
    int n = 0;
    for (const char c : t)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace

Textmass AufzeichnendeLeinwand::mass(const Schrift& s, std::string_view text) {
    return {anteil(s.hoehe, 6, codepunkte(text)), s.hoehe};
}

Textmass AufzeichnendeLeinwand::textmass(std::string_view text) {
    if (!geraet_) return mass(schrift(), text);
    const double px = geraet_->schriftPixel(schrift().hoehe);
    const double sx = std::abs(geraet_->skalaX()), sy = std::abs(geraet_->skalaY());
    if (sx == 0 || sy == 0) return {};
    return {static_cast<int>(0.6 * px * codepunkte(text) / sx), static_cast<int>(px / sy)};
}

int AufzeichnendeLeinwand::oberlaenge() {
    if (!geraet_) return oberlaengeVon(schrift());
    const double sy = std::abs(geraet_->skalaY());
    return sy == 0 ? 0 : static_cast<int>(0.8 * geraet_->schriftPixel(schrift().hoehe) / sy);
}

LRechteck AufzeichnendeLeinwand::kasten(const Zeichenaufruf& t) {
    const Schrift schriftVorher = schrift();
    const Ausrichtung ausrichtungVorher = ausrichtung();
    setzeSchrift(t.schrift);
    setzeAusrichtung(t.ausrichtung);
    const LRechteck k = textkasten(*this, t.punkte.at(0), t.text);
    setzeSchrift(schriftVorher);
    setzeAusrichtung(ausrichtungVorher);
    return k;
}

Zeichenaufruf AufzeichnendeLeinwand::neu(Zeichenaufruf::Art art) const {
    Zeichenaufruf a;
    a.art = art;
    a.stift = stift();
    a.pinsel = pinsel();
    a.schrift = schrift();
    a.textfarbe = textfarbe();
    a.texthintergrund = texthintergrund();
    a.ausrichtung = ausrichtung();
    return a;
}

void AufzeichnendeLeinwand::linie(LPunkt von, LPunkt bis) {
    auto a = neu(Zeichenaufruf::Art::Linie);
    a.punkte = {von, bis};
    aufrufe_.push_back(std::move(a));
}

void AufzeichnendeLeinwand::polylinie(std::span<const LPunkt> punkte) {
    auto a = neu(Zeichenaufruf::Art::Polylinie);
    a.punkte.assign(punkte.begin(), punkte.end());
    aufrufe_.push_back(std::move(a));
}

void AufzeichnendeLeinwand::polygon(std::span<const LPunkt> punkte) {
    auto a = neu(Zeichenaufruf::Art::Polygon);
    a.punkte.assign(punkte.begin(), punkte.end());
    aufrufe_.push_back(std::move(a));
}

void AufzeichnendeLeinwand::ellipse(const LRechteck& r) {
    auto a = neu(Zeichenaufruf::Art::Ellipse);
    a.rechteck = r;
    aufrufe_.push_back(std::move(a));
}

void AufzeichnendeLeinwand::rechteck(const LRechteck& r) {
    auto a = neu(Zeichenaufruf::Art::Rechteck);
    a.rechteck = r;
    aufrufe_.push_back(std::move(a));
}

void AufzeichnendeLeinwand::text(LPunkt anker, std::string_view text) {
    auto a = neu(Zeichenaufruf::Art::Text);
    a.punkte = {anker};
    a.text = std::string(text);
    aufrufe_.push_back(std::move(a));
}

void AufzeichnendeLeinwand::beschneiden(std::optional<LRechteck> bereich) {
    auto a = neu(Zeichenaufruf::Art::Beschnitt);
    a.rechteck = bereich;
    aufrufe_.push_back(std::move(a));
}

void AufzeichnendeLeinwand::invertierteLinie(LPunkt von, LPunkt bis) {
    auto a = neu(Zeichenaufruf::Art::InvertierteLinie);
    a.punkte = {von, bis};
    aufrufe_.push_back(std::move(a));
}

std::vector<Zeichenaufruf> AufzeichnendeLeinwand::nur(Zeichenaufruf::Art art) const {
    std::vector<Zeichenaufruf> aus;
    for (const auto& a : aufrufe_)
        if (a.art == art) aus.push_back(a);
    return aus;
}

std::vector<std::string> AufzeichnendeLeinwand::texte() const {
    std::vector<std::string> aus;
    for (const auto& a : aufrufe_)
        if (a.art == Zeichenaufruf::Art::Text) aus.push_back(a.text);
    return aus;
}

}  // namespace zor
