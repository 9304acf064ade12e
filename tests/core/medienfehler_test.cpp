// The media and picture readers' English texts reach the user in German; an unknown text
// keeps its original in parentheses after a German sentence.
#include "core/media/medienfehler.h"

#include <gtest/gtest.h>

namespace {

struct Fall {
    const char* name;
    const char* englisch;
    const char* medien;  // medienfehler
    const char* bild;    // bildfehler
};

class Medienfehler : public ::testing::TestWithParam<Fall> {};

TEST_P(Medienfehler, GermanForKnownAndOriginalForUnknown) {
    EXPECT_EQ(zor::medienfehler(GetParam().englisch), GetParam().medien);
    EXPECT_EQ(zor::bildfehler(GetParam().englisch), GetParam().bild);
}

constexpr const char* ART = "Die Art des Datenstroms lässt sich nicht bestimmen.";
constexpr const char* FORMAT = "Das Bildformat wird nicht unterstützt.";

INSTANTIATE_TEST_SUITE_P(
    Texte, Medienfehler,
    ::testing::Values(
        Fall{"StreamType", "Could not determine type of stream.", ART, ART},
        Fall{"NoFrames", "No valid frames decoded before end of stream",
             "Bis zum Ende des Datenstroms ließ sich kein gültiges Bild entschlüsseln.",
             "Bis zum Ende des Datenstroms ließ sich kein gültiges Bild entschlüsseln."},
        Fall{"DetailAppended", "Could not open resource for reading. /tmp/x.avi",
             "Die Datei lässt sich nicht zum Lesen öffnen.", "Die Datei lässt sich nicht zum Lesen öffnen."},
        Fall{"ImageFormat", "Unsupported image format", FORMAT, FORMAT},
        Fall{"NotAtStart", "Error: Could not determine type of stream.",
             "Die Wiedergabe meldet einen Fehler (Error: Could not determine type of stream.).",
             "Error: Could not determine type of stream."},
        Fall{"Unknown", "Something odd", "Die Wiedergabe meldet einen Fehler (Something odd).", "Something odd"},
        Fall{"Empty", "", "Die Wiedergabe meldet einen unbekannten Fehler.", ""}),
    [](const ::testing::TestParamInfo<Fall>& fall) { return std::string(fall.param.name); });

}  // namespace
