#pragma once
// Reader of Windows bitmap files and packed DIBs (no file header): 1, 4 and 8 bit with a
// colour table, 16 and 32 bit (also with BI_BITFIELDS masks), 24 bit, RLE8 and RLE4,
// bottom-up and top-down, and the OS/2 12-byte core header with 3-byte colour entries.
// Every size and offset is checked against the data before use. Pixel data that ends
// early still gives an image: the rows present, the rest grey, and a note saying how many
// rows were missing. Images beyond a pixel limit are refused, so memory stays bounded.

#include "core/io/ausgabedatei.h"
#include "core/media/pixelspeicher.h"
#include "core/util/ergebnis.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zor {

class Bytequelle;

using Pixel = std::vector<std::uint32_t, Pixelspeicher<std::uint32_t>>;

// 32-bit pixels 0xFFRRGGBB, the top row first.
struct DibBild {
    std::uint32_t breite = 0, hoehe = 0;
    Pixel pixel;
};

inline constexpr std::uint32_t DIB_GRAU = 0xFF808080u;  // rows the data did not hold
inline constexpr std::uint64_t DIB_MAX_PIXEL = std::uint64_t{1} << 26;

struct [[nodiscard]] DibErgebnis {
    bool ok = false;   // an image was read (perhaps with missing rows)
    DibBild bild;
    Meldung meldung;   // failure: why; success: a note on what was missing, or empty
    std::uint32_t fehlendeZeilen = 0;
    explicit operator bool() const { return ok; }
};

DibErgebnis OpenDIB(const std::string& datei, std::uint64_t maxPixel = DIB_MAX_PIXEL);
DibErgebnis dibAusSpeicher(std::span<const unsigned char> bytes, std::uint64_t maxPixel = DIB_MAX_PIXEL);
DibErgebnis leseDib(Bytequelle& q, std::uint64_t maxPixel = DIB_MAX_PIXEL);

// Writes the image as an uncompressed 24-bit bottom-up bitmap file, through a temporary
// file renamed into place on success; never onto one of `geschuetzt` (the files the
// parameter sets read) or a target that is no regular file (ausgabeVerweigert).
Ergebnis speichereDib(const DibBild& bild, const std::string& ziel, const Eingaben& geschuetzt);

inline constexpr const char* TEXT_DIB_KURZ = "Die Datei ist zu kurz für eine Bitmap.";
inline constexpr const char* TEXT_DIB_KOPF = "Der Bitmap-Kopf ist unbekannt oder beschädigt (%u Bytes).";
inline constexpr const char* TEXT_DIB_MASSE = "Ungültige Bildmaße: %ld × %ld Bildpunkte.";
inline constexpr const char* TEXT_DIB_FORMAT = "Nicht unterstütztes Bitmap-Format: %u Bit je Bildpunkt, Kompression %u.";
inline constexpr const char* TEXT_DIB_GROSS = "Das Bild ist mit %lu × %lu Bildpunkten zu groß (höchstens %llu Bildpunkte).";
inline constexpr const char* TEXT_DIB_MASKEN = "Die Farbmasken fehlen am Dateiende.";
inline constexpr const char* TEXT_DIB_ZEILEN = "Die Bilddaten sind unvollständig: %lu von %lu Zeilen fehlen und sind grau dargestellt.";
inline constexpr const char* TEXT_DIB_FARBEN = "Die Farbtabelle ist unvollständig; fehlende Farben sind schwarz.";
inline constexpr const char* TEXT_DIB_SPEICHERN = "Die Datei %s kann nicht geschrieben werden!";
inline constexpr const char* TEXT_DIB_KEINE_DATEN = "Die Datei enthält keine Bilddaten für die angegebenen %lu × %lu Bildpunkte.";
inline constexpr const char* TEXT_DIB_ABGESCHNITTEN =
    "Die Bilddaten sind unvollständig: die Datei enthält nur %lu der %lu Zeilen; gezeigt werden nur diese.";
inline constexpr const char* TEXT_DIB_RLE_KURZ =
    "Die komprimierten Bilddaten (%llu Bytes) sind für ein Bild von %lu × %lu Bildpunkten viel zu kurz.";
inline constexpr const char* TEXT_DIB_SPEICHER = "Für ein Bild von %lu × %lu Bildpunkten ist nicht genug Speicher frei.";

}  // namespace zor
