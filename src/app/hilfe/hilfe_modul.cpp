#include "app/hilfe/hilfe_modul.h"

#include <QString>

#include "app/kontext/befehle.h"
#include "app/kontext/kontext.h"
#include "app/platform/hilfefenster.h"
#include "app/platform/meldungsdienst.h"

namespace zor::app {
namespace {

struct Seite {
    int id;
    const char* datei;
    int kontext;
};

// clang-format off
constexpr Seite SEITEN[] = {
    {CMD_SKRIPTUM, "VOZAD.hlp", 0},          {CMD_HILFE_F1, "VOZAD.hlp", 0},
    {CMD_HILFE_UEBER_HILFE, "hilfe.hlp", 0}, {CMD_UEBER, "about.hlp", 0},
    {CMD_UEBER_PROGRAMM, "about.hlp", 0},    {CMD_HILFE, "revid.hlp", 0},
    {CMD_THEORIE, "revid_the_neu.hlp", 0},   {CMD_VORBEREITUNG, "kan_vor.hlp", 0},
    {CMD_DURCHFUEHRUNG, "kan_dur.hlp", 0},   {CMD_INFO_ABTEILUNG, "kan_inf.hlp", 273},
    {CMD_INFO_LEHRSOFTWARE, "kan_inf.hlp", 275},
};
// clang-format on

}  // namespace

HilfeModul::HilfeModul(Kontext& kontext) : Befehlsmodul(kontext) {
    for (const Seite& s : SEITEN) registriere({s.id}, [this](int id) { hilfe(id); });
}

void HilfeModul::hilfe(int id) {
    for (const Seite& s : SEITEN) {
        if (s.id != id) continue;
        if (!fenster_) fenster_ = new Hilfefenster(kontext().fenster());
        if (!fenster_->zeige(QString::fromLatin1(s.datei), s.kontext))
            kontext().meldung().zeige(QStringLiteral("Die Hilfedatei %1 fehlt.").arg(QLatin1String(s.datei)),
                                             QString::fromUtf8(TITEL_PROGRAMM), Symbol::Ausrufezeichen);
        return;
    }
}

}  // namespace zor::app
