#pragma once
// "Datei → Versuch speichern… / Versuch öffnen…": both sets, the curve options and the open
// channel-model documents as one file (core/versuch/versuch.h). Opening also serves the
// command line, the file manager and the last session's state.

#include <QString>

#include <string>

#include "app/context/beschreibung.h"
#include "core/util/ergebnis.h"

namespace zor::app {

inline constexpr int CMD_VERSUCH_SPEICHERN = 4350;
inline constexpr int CMD_VERSUCH_OEFFNEN = 4351;
inline const Filtersatz SATZ_VERSUCH{"Versuch", {"Versuche (*.zorversuch)"}};

// True for a file the program applies as an experiment instead of showing it.
bool istVersuchsdatei(const QString& pfad);

class VersuchModul : public Befehlsmodul {
public:
    explicit VersuchModul(Kontext& kontext);
    static const Modul& beschreibung();

    // The open channel-model documents' letters in the order they were opened.
    static std::string offeneDokumente(Kontext& kontext);
    // Writes the current state and documents to pfad.
    static Ergebnis sichern(Kontext& kontext, const QString& pfad);
    // Applies the experiment at pfad and reopens its documents in their order; a refused
    // file is reported and leaves state and windows as they were. Needs the channel-model
    // mode.
    static bool laden(Kontext& kontext, const QString& pfad);

    // The last session's experiment in the user's config folder.
    static QString letzterVersuch();
    // On exit: keeps the state for the next start; a state as at start leaves nothing.
    static Ergebnis letztenSichern(Kontext& kontext);
    // At a start without files: offers the last session's experiment, if there is one.
    // Needs the channel-model mode once the user agrees, and switches to it.
    static void letztenAnbieten(Kontext& kontext);

private:
    void speichern(int id);
    void oeffnen(int id);
};

}  // namespace zor::app
