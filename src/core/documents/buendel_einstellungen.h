#pragma once
// The document "Bündel und Blöcke" without Qt: its settings, what its options dialog
// offers and accepts, the work it orders (a copy of both sets, so it runs on any thread)
// and its picture and CSV for whichever diagram is chosen.

#include "core/buendel/auswertung.h"
#include "core/documents/buendel_malen.h"
#include "core/models/satzparameter.h"
#include "core/plot/canvas.h"
#include "core/util/fortschritt.h"

#include <array>
#include <optional>
#include <string>

namespace zor {

// Which picture the document shows.
enum class Buendelbild { Laenge, Gewicht, Abstand, Verteilung, Restfehler };

struct Buendeleinstellungen {
    Buendelbild bild = Buendelbild::Laenge;
    bool punktwahrscheinlichkeit = false;  // bursts: p(X = k) instead of P(X >= k)
    bool xLog = false, yLog = true;
    // The measurement cursor ("Cursor setzen") and the abscissa it stands on; the picture
    // snaps it to the nearest point. Not part of what the document computes.
    bool cursor = false;
    double cursorX = 0;
    BuendelOptionen buendel;
    BlockOptionen block;

    bool bloecke() const { return bild == Buendelbild::Verteilung || bild == Buendelbild::Restfehler; }
    BuendelAnsicht buendelAnsicht() const;
    BlockAnsicht blockAnsicht() const;
    bool operator==(const Buendeleinstellungen&) const;
};

// The program's one setting of the document; kept apart from ZorState, which knows no
// bursts (the layers below it do not).
Buendeleinstellungen& buendelEinstellungen();

// The dialog's edits as typed.
struct Buendeltexte {
    std::string schutz, n, M, t, tiefe;
};
Buendeltexte buendelTexte(const Buendeleinstellungen& e);

// Which edits and choices take input for the chosen picture.
struct Buendelfreigabe {
    bool schutz, punktwahrscheinlichkeit, xLog;  // bursts
    bool n, M, t, tiefe;                         // blocks
};
Buendelfreigabe buendelFreigabe(Buendelbild bild);

// Writes the choices and the edits into e when every edit of the chosen picture holds;
// otherwise e stays as it was and the German message names the first refused edit.
// Edits that are disabled for the picture are not read.
std::optional<std::string> buendelAnwenden(Buendeleinstellungen& e, const Buendeleinstellungen& wahl,
                                           const Buendeltexte& t);

// What one computation needs: the two sets as values (nothing for an inactive set) and
// the settings that decide the numbers. Equal orders give equal results.
struct Buendelauftrag {
    std::array<std::optional<Satzparameter>, 2> saetze;
    bool bloecke = false;
    BuendelOptionen buendel;
    BlockOptionen block;
    bool operator==(const Buendelauftrag&) const;
};
Buendelauftrag buendelAuftrag(const ZorState& s, const Buendeleinstellungen& e);

struct Buendeldaten {
    Buendelsaetze buendel;
    Blocksaetze bloecke;
    bool ok = true;  // every set was computed (a file may be unreadable)
    bool abgebrochen = false;
    std::vector<Meldung> meldungen;
};
Buendeldaten buendelBerechnen(const Buendelauftrag& a, Fortschritt& f);

// The chosen picture's diagram and curves as the cursor reads them.
Cursorbild buendelCursorbild(const Buendeleinstellungen& e, const Buendeldaten& d);

// The chosen diagram of both sets, with the cursor when it is on; drucken = 1 uses the
// paper colours and the cursor's paper font.
void buendelMalen(Canvas& dc, const ZorState& s, const Buendeleinstellungen& e, const Buendeldaten& d, int drucken);
std::string buendelCsv(const Buendeleinstellungen& e, const Buendeldaten& d);

}  // namespace zor
