#include "core/corruption/verfaelschen.h"

#include "core/corruption/kanaele.h"
#include "core/corruption/kopie.h"
#include "core/media/kopfschutz.h"
#include "core/corruption/verschachtelung.h"

namespace zor {

namespace {

// Open and create failures are reported for every channel, the BSC's included.
constexpr KopieTexte BSC_TEXTE{TEXT_OEFFNEN_1, TEXT_ERZEUGEN, "Datei nicht gelesen!", "Fehler bei WriteFile!",
                               Symbol::Keins, TEXT_WIRD_ERSTELLT, 1};
constexpr KopieTexte GE_TEXTE{TEXT_OEFFNEN_1, TEXT_ERZEUGEN, "Fehler bei Lesen der Datei!",
                              "Datei konnte nicht geschrieben werden!", Symbol::Ausrufezeichen,
                              "wird nach GE-Modell erstellt!", 0};
constexpr KopieTexte MC_TEXTE{"Fehler beim Öffnen der Datei!", "Fehler beim Erzeugen der Datei!",
                              "Fehler beim Lesen der Datei!", "Datei konnte nicht geschrieben werden!",
                              Symbol::Ausrufezeichen, "wird nach MC-Modell erstellt!", 0};

// The number field's leading bytes, or the recognised header with its note.
template <class Auftrag>
Schutzbereiche schutzFuer(const Auftrag& a, std::string& hinweis) {
    if (!a.kopfAutomatisch) return Schutzbereiche::ersteBytes(a.nProtect);
    Kopfschutz k = kopfschutzErkennen(a.eingabe);
    hinweis = std::move(k.hinweis);
    return std::move(k.bereiche);
}

// Depth 1 sends the channel's errors straight to the file, as it always did.
template <class Auftrag, class Kanal>
JobErgebnis mitZusammenfassung(const Auftrag& a, int startwert, const KopieTexte& t, Kanal& kanal, Fortschritt& f,
                               std::size_t block) {
    std::string hinweis;
    const Schutzbereiche schutz = schutzFuer(a, hinweis);
    JobErgebnis e;
    if (a.tiefe > 1) {
        VerschachtelterKanal<Kanal> verschachtelt(kanal, a.tiefe);
        e = verfaelschteKopie(a.eingabe, a.ausgabe, a.geschuetzt, schutz, t, verschachtelt, f, block);
    } else {
        e = verfaelschteKopie(a.eingabe, a.ausgabe, a.geschuetzt, schutz, t, kanal, f, block);
    }
    if (!e) return e;
    if (!hinweis.empty()) e.melden(hinweis, TITEL_MM_ZOR, Symbol::Information);
    e.zusammenfassung = zusammenfassung(e.fehlerAnzahl, e.dateigroesse, startwert);
    return e;
}

}  // namespace

std::string zusammenfassung(std::uint64_t fehlerAnzahl, std::uint64_t dateigroesse, int startwert) {
    const double quote =
        dateigroesse == 0 ? 0.0 : static_cast<double>(fehlerAnzahl) / static_cast<double>(dateigroesse) * 0.125;
    return format(TEXT_ZUSAMMENFASSUNG, static_cast<unsigned long long>(fehlerAnzahl),
                  static_cast<unsigned long long>(dateigroesse), quote, startwert);
}

JobErgebnis MmMakeBscErr(const BscAuftrag& a, Fortschritt& f, std::size_t block) {
    Zufall64 z(static_cast<std::uint32_t>(a.Startwert));
    BscKanal kanal(a.fFehlerWBSC, z);
    return mitZusammenfassung(a, a.Startwert, BSC_TEXTE, kanal, f, block);
}

JobErgebnis MakeGeError(const GeMcAuftrag& a, Fortschritt& f, std::size_t block) {
    Zufall z(static_cast<std::uint32_t>(a.StartWert));
    GeKanal kanal(a, z);
    return mitZusammenfassung(a, a.StartWert, GE_TEXTE, kanal, f, block);
}

JobErgebnis MakeMcError(const GeMcAuftrag& a, Fortschritt& f, std::size_t block) {
    Zufall z(static_cast<std::uint32_t>(a.StartWert));
    McKanal kanal(a, z);
    return mitZusammenfassung(a, a.StartWert, MC_TEXTE, kanal, f, block);
}

}  // namespace zor
