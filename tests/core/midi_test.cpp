// The MIDI information text (the sample listings run through `zor midi`): refusals,
// and the deliberate changes (no size cap, faults named instead of reading on).
#include "core/media/midi.h"

#include "medien_daten.h"
#include "temp_verzeichnis.h"

#include "core/media/bytequelle.h"

#include <gtest/gtest.h>

namespace {

zor::MidiErgebnis ausBytes(const std::string& b) {
    return zor::midiAusSpeicher({reinterpret_cast<const unsigned char*>(b.data()), b.size()}, "x.mid");
}

TEST(MidiLeser, KeineMidiDateiGibtDieMeldungDesDialogs) {
    for (const std::string& inhalt : {std::string(), std::string("MTh"), dateiLesen(testdaten("midi") / "not_a_midi_file.mid")}) {
        const zor::MidiErgebnis e = ausBytes(inhalt);
        EXPECT_FALSE(e.ok);
        EXPECT_TRUE(e.text.empty());
        EXPECT_EQ(e.meldung.text, "Fehler beim Lesen der Datei!");
        EXPECT_EQ(e.meldung.titel, "Message");
        EXPECT_EQ(e.meldung.symbol, zor::Symbol::Information);
    }
    EXPECT_FALSE(zor::GetFileInfo(testdaten("midi").string()));  // a folder
    EXPECT_FALSE(zor::GetFileInfo((testdaten("midi") / "fehlt.mid").string()));
}

TEST(MidiLeser, KopfEndetVorzeitig) {
    const zor::MidiErgebnis e = ausBytes(std::string("MThd\0\0\0\x06\0\x01", 10));
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.text, "MIDI FILE:\t\t x.mid\nFORMAT:\t\t\t 1\nDatei endet vorzeitig\n");
}

std::string spur(const std::string& ereignisse) {
    const auto n = ereignisse.size();
    return std::string("MTrk") + char(n >> 24) + char(n >> 16 & 255) + char(n >> 8 & 255) + char(n & 255) + ereignisse;
}

TEST(MidiLeser, LangeDateiWirdGanzGelistet) {
    std::string ereignisse;
    for (int i = 0; i < 3000; ++i) ereignisse += std::string("\x00\x90\x3C\x40", 4);
    ereignisse += std::string("\x00\xFF\x2F\x00", 4);
    const zor::MidiErgebnis e = ausBytes(std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14) + spur(ereignisse));
    ASSERT_TRUE(e.ok);
    const std::string zeile = "NOTE ON:\t\t note 60 - vel 64 - chan 0\n";
    std::size_t anzahl = 0;
    for (auto p = e.text.find(zeile); p != std::string::npos; p = e.text.find(zeile, p + 1)) ++anzahl;
    EXPECT_EQ(anzahl, 3000u);
    EXPECT_TRUE(e.text.ends_with("END OF TRACK\n" + zor::MIDI_TRENNER));
}

TEST(MidiLeser, TaktartMitGrossemNennerExponenten) {
    const std::string ereignis("\x00\xFF\x58\x04\x03\x28\x18\x08", 8);
    const zor::MidiErgebnis e = ausBytes(std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14) + spur(ereignis));
    EXPECT_NE(e.text.find("TIME SIGNATURE:\t\t 3/2^40\n"), std::string::npos) << e.text;
}

}  // namespace
