#include "app/media/midi_modul.h"

#include <QAction>
#include <QDialog>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/media/medienfilter.h"
#include "app/media/midi_dialog.h"
#include "core/media/midi.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace zor::app {

void speicherZurueckgeben() {
#ifdef __GLIBC__
    // A long listing's view keeps a position per row while open; the allocator would hold
    // those pages after the dialog closed.
    ::malloc_trim(0);
#endif
}

MidiModul::MidiModul(Kontext& kontext) : Befehlsmodul(kontext) {}

void MidiModul::midi(int) {
    {
        MidiDialog d(kontext(), behalten_, kontext().fenster());
        d.exec();
    }
    speicherZurueckgeben();
}

namespace {

// The dialog with a MIDI file read.
void midiBild(Bildaufnahme& a) {
    a.rahmen(false);
    a.modal(CMD_MIDI, QStringLiteral("id_%1").arg(DLG_MIDI), QStringLiteral("midi"), [&a](QWidget* d) {
        a.dateiAntworten({a.beispiel(QStringLiteral("lied.mid"))});
        if (auto* oeffnen = d->findChild<QAction*>(QStringLiteral("id_%1").arg(CMD_MIDI_OEFFNEN))) oeffnen->trigger();
        d->resize(560, 420);
        a.bild(d, QStringLiteral("midi"));
        static_cast<QDialog*>(d)->accept();
    });
}

const Fenster& fenster() {
    static const Fenster f{
        .name = QStringLiteral("id_%1").arg(DLG_MIDI),
        .hilfe = QStringLiteral("mm_midi.hlp"),
        .befehl = CMD_MIDI,
        .filter = {&SATZ_MIDI},
        .bilder = {{QStringLiteral("midi"), {}, &midiBild}},
    };
    return f;
}

}  // namespace

const Modul& MidiModul::beschreibung() {
    static const Modul m{
        .name = "MIDI",
        .erzeuge = &fabrik<MidiModul>,
        .befehle =
            {{CMD_MIDI, ruft<&MidiModul::midi>, nullptr, {im(MENU_MULTIMEDIA, "&Datei", 80, "MIDI-&Information...")}}},
        .fenster = {&fenster()},
        .menues = {},
        .knoepfe = {},
    };
    return m;
}

}  // namespace zor::app
