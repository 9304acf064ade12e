#include "core/documents/buendel_einstellungen.h"

#include "core/buendel/grenzen.h"
#include "core/documents/diagrammcursor.h"

namespace zor {

BuendelAnsicht Buendeleinstellungen::buendelAnsicht() const {
    const Groesse g = bild == Buendelbild::Gewicht ? Groesse::Gewicht
                      : bild == Buendelbild::Abstand ? Groesse::Abstand
                                                      : Groesse::Laenge;
    return {g, punktwahrscheinlichkeit, xLog, yLog};
}

BlockAnsicht Buendeleinstellungen::blockAnsicht() const {
    return {bild == Buendelbild::Restfehler ? Blockdiagramm::Restfehler : Blockdiagramm::Verteilung, yLog};
}

namespace {

bool gleich(const BuendelOptionen& a, const BuendelOptionen& b) {
    return a.schutz == b.schutz && a.punkte == b.punkte && a.chargen == b.chargen;
}
bool gleich(const BlockOptionen& a, const BlockOptionen& b) {
    return a.n == b.n && a.M == b.M && a.t == b.t && a.tiefe == b.tiefe && a.nMax == b.nMax && a.punkte == b.punkte;
}

}  // namespace

bool Buendeleinstellungen::operator==(const Buendeleinstellungen& o) const {
    return bild == o.bild && punktwahrscheinlichkeit == o.punktwahrscheinlichkeit && xLog == o.xLog && yLog == o.yLog &&
           cursor == o.cursor && cursorX == o.cursorX && gleich(buendel, o.buendel) && gleich(block, o.block);
}

bool Buendelauftrag::operator==(const Buendelauftrag& o) const {
    // Only the half that is computed decides.
    if (saetze != o.saetze || bloecke != o.bloecke) return false;
    return bloecke ? gleich(block, o.block) : gleich(buendel, o.buendel);
}

Buendeleinstellungen& buendelEinstellungen() {
    static Buendeleinstellungen e;
    return e;
}

Buendeltexte buendelTexte(const Buendeleinstellungen& e) {
    return {std::to_string(e.buendel.schutz), std::to_string(e.block.n), std::to_string(e.block.M),
            std::to_string(e.block.t), std::to_string(e.block.tiefe)};
}

Buendelfreigabe buendelFreigabe(Buendelbild bild) {
    const bool buendel = bild == Buendelbild::Laenge || bild == Buendelbild::Gewicht || bild == Buendelbild::Abstand;
    const bool verteilung = bild == Buendelbild::Verteilung;
    // n is the block length of P(m, n); the residual curve runs over n itself.
    return {buendel, buendel, buendel, verteilung, verteilung, bild == Buendelbild::Restfehler, !buendel};
}

std::optional<std::string> buendelAnwenden(Buendeleinstellungen& e, const Buendeleinstellungen& wahl,
                                           const Buendeltexte& t) {
    Buendeleinstellungen neu = wahl;
    neu.buendel = e.buendel;
    neu.block = e.block;
    const Buendelfreigabe f = buendelFreigabe(wahl.bild);
    std::uint64_t M = static_cast<std::uint64_t>(neu.block.M), korrektur = static_cast<std::uint64_t>(neu.block.t);
    const struct {
        bool an;
        const std::string& text;
        const Grenze& grenze;
        std::uint64_t& ziel;
    } felder[] = {
        {f.schutz, t.schutz, GRENZE_SCHUTZ, neu.buendel.schutz},
        {f.n, t.n, GRENZE_BLOCK, neu.block.n},
        {f.M, t.M, GRENZE_FEHLER, M},
        {f.t, t.t, GRENZE_KORREKTUR, korrektur},
        {f.tiefe, t.tiefe, GRENZE_TIEFE, neu.block.tiefe},
    };
    for (const auto& feld : felder) {
        if (!feld.an) continue;
        const auto v = ganzeZahlIn(feld.text, feld.grenze);
        if (!v) return grenzText(feld.grenze, feld.text);
        feld.ziel = *v;
    }
    neu.block.M = static_cast<int>(M);
    neu.block.t = static_cast<int>(korrektur);
    e = neu;
    return std::nullopt;
}

Buendelauftrag buendelAuftrag(const ZorState& s, const Buendeleinstellungen& e) {
    Buendelauftrag a{{}, e.bloecke(), e.buendel, e.block};
    for (int satz = 0; satz < 2; ++satz) {
        Satzparameter p = satzparameter(s, satz);
        if (p.art != Modellart::Inaktiv) a.saetze[static_cast<std::size_t>(satz)] = p;
    }
    return a;
}

Buendeldaten buendelBerechnen(const Buendelauftrag& a, Fortschritt& f) {
    Buendeldaten d;
    for (std::size_t satz = 0; satz < 2 && !d.abgebrochen; ++satz) {
        if (!a.saetze[satz]) continue;
        const auto sammeln = [&](auto bericht, auto& ziel) {
            d.abgebrochen = bericht.abgebrochen;
            d.ok = d.ok && bericht.ok;
            for (Meldung& m : bericht.meldungen) d.meldungen.push_back(std::move(m));
            ziel = std::move(bericht);
        };
        if (a.bloecke)
            sammeln(bloeckeErmitteln(*a.saetze[satz], a.block, f), d.bloecke[satz]);
        else
            sammeln(buendelErmitteln(*a.saetze[satz], a.buendel, f), d.buendel[satz]);
    }
    return d;
}

void buendelMalen(Canvas& dc, const ZorState& s, const Buendeleinstellungen& e, const Buendeldaten& d, int drucken) {
    if (e.bloecke())
        BLOECKE_Paint(dc, s, e.block, e.blockAnsicht(), d.bloecke, drucken);
    else
        BUENDEL_Paint(dc, s, e.buendel, e.buendelAnsicht(), d.buendel, drucken);
    if (e.cursor) buendelCursorbild(e, d).malen(dc, e.cursorX, drucken);
}

Cursorbild buendelCursorbild(const Buendeleinstellungen& e, const Buendeldaten& d) {
    return e.bloecke() ? BLOECKE_Cursorbild(e.block, e.blockAnsicht(), d.bloecke)
                       : BUENDEL_Cursorbild(e.buendel, e.buendelAnsicht(), d.buendel);
}

std::string buendelCsv(const Buendeleinstellungen& e, const Buendeldaten& d) {
    return e.bloecke() ? BLOECKE_Csv(e.blockAnsicht(), d.bloecke) : BUENDEL_Csv(e.buendelAnsicht(), d.buendel);
}

}  // namespace zor
