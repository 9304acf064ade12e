#pragma once
// The command line of zorwerk-render: one table of its options with their parsers, each
// naming the drawings it applies to. Every refusal is a German line (the program exits 2
// with it); nothing here draws.

#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/documents/buendel_einstellungen.h"
#include "core/documents/kurven_malen.h"

namespace zor {

// What is drawn: every scene, one template, or one document (or its printed page).
enum class Renderziel {
    Alle,
    Vorlage,
    FF,
    PAR,
    FAV,
    FKF,
    DruckFF,
    DruckFAV,
    DruckFKF,
    Anpassung,
    Buendel,
    Bloecke,
    Protokoll
};

struct Renderauftrag {
    Renderziel ziel = Renderziel::Vorlage;
    bool hilfe = false;
    QString alle;            // directory of --alle
    QString start = ".";     // templates are looked up here first
    char text = 'a';
    int textfarbe = 0;
    std::vector<float> werte;
    QSize groesse{900, 600};
    QString anordnung = "dokument";
    std::array<QString, 2> satz, datei;  // empty: not given
    QString folge;                       // the sequence a model fit reads
    bool abszisseLog = false, ordinateLog = true, ak = false, band = false;
    std::optional<int> punkte, cursor;
    Legendenort legende = Legendenort::Keine;  // fav, fkf: as the window, unless asked
    Buendeleinstellungen buendel;  // buendel, bloecke
    QString name, notizen;         // protokoll
    QString versuch;               // an experiment file: both sets and the curve options
    QStringList gegeben;           // the options named on the command line; they win over it
    QString vorlage, ausgabe;
};

struct Renderaufruf {
    std::optional<Renderauftrag> auftrag;
    std::string fehler;  // German, when auftrag is empty
};

// The arguments after the program name.
Renderaufruf renderArgumente(const QStringList& argumente);

// The German help text (also the man page's source).
std::string renderHilfe();

}  // namespace zor
