#include "app/dialogs/netem_modul.h"

#include <QClipboard>
#include <QGuiApplication>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/dialogs/netem_dialog.h"
#include "app/platform/meldungsdienst.h"
#include "core/models/netem.h"
#include "core/models/satzparameter.h"

namespace zor::app {

NetemModul::NetemModul(Kontext& kontext) : Befehlsmodul(kontext) {}

// The line's model replaces the set's; seed and runs of that model's array stay.
void NetemModul::lesen(int id) {
    const int satz = id == CMD_SATZ1_NETEM_LESEN ? 0 : 1;
    NetemDialog d(satz, kontext().fenster());
    if (d.exec() != QDialog::Accepted || !d.modell()) return;
    const NetemModell& m = *d.modell();
    ZorState& s = kontext().zustand();
    if (m.art == Modellart::BSC)
        netemEintragen(m, bscWerte(s, satz));
    else
        netemEintragen(m, geWerte(s, satz));
    modellVon(s, satz) = static_cast<std::int16_t>(modellId(m.art, satz));
    s.Modell.inaktiv = 0;
    ungueltigMachen(s, satz);
    if (s.Fenster.null == 0) s.Fenster.aktualisiert = 0;
    kontext().befehleAbgleichen();
}

void NetemModul::kopieren(int id) {
    const int satz = id == CMD_SATZ1_NETEM_KOPIEREN ? 0 : 1;
    const auto zeile = netemZeile(satzparameter(kontext().zustand(), satz));
    if (!zeile) {
        zeige(kontext().meldung(), {TEXT_NETEM_NUR_BSC_GE, TITEL_PROGRAMM, Symbol::Ausrufezeichen});
        return;
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(*zeile));
}

namespace {

constexpr const char* SATZ1 = "&Parameterwahl/Parametersatz &1";
constexpr const char* SATZ2 = "&Parameterwahl/Parametersatz &2";
constexpr const char* LESEN = "Aus &netem-Zeile...";
constexpr const char* KOPIEREN = "netem-Zeile &kopieren";
constexpr const char* HINWEIS_LESEN = "Verlustmodell einer netem-Zeile (tc qdisc ... netem loss ...) übernehmen!";
constexpr const char* HINWEIS_KOPIEREN = "Den Parametersatz als netem-Zeile in die Zwischenablage kopieren!";

const Fenster& fenster() {
    static const Fenster f{.name = QStringLiteral("id_%1").arg(DLG_NETEM),
                           .hilfe = QStringLiteral("dlg_netem.hlp"),
                           .befehl = CMD_SATZ1_NETEM_LESEN};
    return f;
}

}  // namespace

const Modul& NetemModul::beschreibung() {
    using M = NetemModul;
    static const Modul m{
        .name = "netem",
        .erzeuge = &fabrik<M>,
        .befehle =
            {
                {CMD_SATZ1_NETEM_LESEN, ruft<&M::lesen>, HINWEIS_LESEN, {im(MENU_ZOR, SATZ1, 110, LESEN)}},
                {CMD_SATZ1_NETEM_KOPIEREN, ruft<&M::kopieren>, HINWEIS_KOPIEREN, {im(MENU_ZOR, SATZ1, 120, KOPIEREN)}},
                {CMD_SATZ2_NETEM_LESEN, ruft<&M::lesen>, HINWEIS_LESEN, {im(MENU_ZOR, SATZ2, 110, LESEN)}},
                {CMD_SATZ2_NETEM_KOPIEREN, ruft<&M::kopieren>, HINWEIS_KOPIEREN, {im(MENU_ZOR, SATZ2, 120, KOPIEREN)}},
            },
        .fenster = {&fenster()},
        .menues = {trenner(MENU_ZOR, SATZ1, 100), trenner(MENU_ZOR, SATZ2, 100)},
        .knoepfe = {},
    };
    return m;
}

}  // namespace zor::app
