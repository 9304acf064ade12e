// The MIDI information text (the sample listings run through `zor midi`): refusals,
// and the deliberate changes (no size cap, faults named instead of reading on).
#include "core/media/midi.h"

#include "medien_daten.h"
#include "temp_verzeichnis.h"

#include "core/media/bytequelle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

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
    EXPECT_EQ(e.text, "MIDI FILE:\t\t x.mid\nFORMAT:\t\t\t 1\nDatei endet vorzeitig (bei Byte 10, hex 0000A)\n");
    EXPECT_EQ(e.abbruchBei, 10u);
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

// The lazy listing gives every entry of the whole text, in any order of asking, from
// resume points taken between events (running status and long meta texts included).
class MidiListeTest : public TempVerzeichnis {};

TEST_F(MidiListeTest, JederEintragWieImGanzenText) {
    std::string ereignisse;
    for (int i = 0; i < 2500; ++i) {
        if (i % 700 == 0)
            ereignisse += std::string("\x00\xFF\x01\x82\x2C", 5) + std::string(300, static_cast<char>('a' + i % 26)) +
                          std::string("\x00\x90", 2);
        else
            ereignisse += '\x00';  // running status
        ereignisse += std::string{static_cast<char>(i % 128), static_cast<char>(i % 100)};
    }
    const std::string datei = std::string("MThd\0\0\0\x06\0\x01\0\x02\0\x60", 14) + spur(ereignisse + std::string("\x00\xFF\x2F\x00", 4)) +
                              "Junk" + std::string("\0\0\0\x02xy", 6) + spur(std::string("\x00\xF5", 2));
    schreiben(pfad("a.mid"), datei);
    std::vector<std::string> soll;
    const zor::MidiErgebnis ganz = zor::GetFileInfo(pfad("a.mid"));
    ASSERT_TRUE(ganz.ok);
    std::istringstream zeilen(ganz.text);
    for (std::string zeile; std::getline(zeilen, zeile);)
        for (std::string& e : zor::listenEintraege(zeile)) soll.push_back(std::move(e));

    zor::Meldung m;
    const auto liste = zor::MidiListe::oeffnen(pfad("a.mid"), m);
    ASSERT_TRUE(liste);
    ASSERT_EQ(liste->anzahl(), soll.size());
    for (std::size_t i = soll.size(); i-- > 0;) ASSERT_EQ(liste->eintrag(i), soll[i]) << i;
    for (std::size_t i = 0; i < soll.size(); i += 997) ASSERT_EQ(liste->eintrag(i), soll[i]) << i;
    EXPECT_EQ(liste->abbruchBei(), ganz.abbruchBei);
    EXPECT_TRUE(soll.back().starts_with("Falsche Information! (bei Byte ")) << soll.back();
    EXPECT_EQ(liste->eintrag(soll.size()), "");

    // A file cut short meanwhile gives empty entries, never stale ones.
    std::filesystem::resize_file(pfad("a.mid"), 100);
    EXPECT_EQ(liste->eintrag(0), soll[0]);
    EXPECT_EQ(liste->eintrag(soll.size() - 1), "");
    EXPECT_EQ(zor::MidiListe::oeffnen(pfad("fehlt.mid"), m), nullptr);
    EXPECT_EQ(m.text, "Fehler beim Lesen der Datei!");
}

TEST(MidiLeser, ListeneintraegeTeilenNachZeichenNieImZeichen) {
    const std::string lang = std::string(255, 'a') + "\xC3\xA4" + "bc";  // "ä" is the 256th character
    EXPECT_EQ(zor::listenEintraege(lang), (std::vector<std::string>{std::string(255, 'a') + "\xC3\xA4", "bc"}));
    EXPECT_EQ(zor::listenEintraege(""), std::vector<std::string>{""});
}

}  // namespace
