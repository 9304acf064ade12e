#include "core/util/systemfehler.h"

#include <cerrno>
#include <utility>

namespace zor {

namespace {

struct Grund {
    int nummer;
    const char* text;
};

constexpr Grund GRUENDE[] = {
    {GRUND_KEINE_REGULAERE_DATEI, "Das ist keine reguläre Datei."},
    {GRUND_EINGABEDATEI, "Das ist eine Eingabedatei; sie würde dabei zerstört."},
    {ENOSPC, TEXT_VOLL},
    {EDQUOT, "Das Speicherkontingent ist erschöpft."},
    {EISDIR, "Das ist ein Verzeichnis, keine Datei."},
    {ENOTDIR, "Ein Teil des Pfades ist kein Verzeichnis."},
    {ENOENT, "Die Datei oder das Verzeichnis existiert nicht."},
    {EACCES, "Zugriff verweigert."},
    {EPERM, "Die Operation ist nicht erlaubt."},
    {EROFS, "Der Datenträger ist schreibgeschützt."},
    {EFBIG, "Die Datei ist zu groß."},
    {ENAMETOOLONG, "Der Dateiname ist zu lang."},
    {ELOOP, "Zu viele symbolische Verknüpfungen."},
    {EEXIST, "Die Datei existiert bereits."},
    {EIO, "Ein-/Ausgabefehler des Datenträgers."},
    {EMFILE, "Zu viele offene Dateien."},
    {ENFILE, "Zu viele offene Dateien im System."},
    {ENOMEM, "Nicht genügend Speicher."},
    {EPIPE, "Der Empfänger hat die Verbindung geschlossen."},
    {EXDEV, "Die Datei liegt auf einem anderen Datenträger."},
    {EBUSY, "Die Datei ist in Gebrauch."},
    {ETXTBSY, "Die Datei ist in Gebrauch."},
    {ENXIO, "Das Gerät ist nicht vorhanden."},
    {EINVAL, "Ungültiges Argument."},
};

}  // namespace

std::string systemgrund(int fehlernummer) {
    if (fehlernummer == 0) return {};
    for (const Grund& g : GRUENDE)
        if (g.nummer == fehlernummer) return g.text;
    return "Systemfehler Nr. " + std::to_string(fehlernummer) + ".";
}

std::string mitGrund(std::string text, int fehlernummer) {
    const std::string grund = systemgrund(fehlernummer);
    if (!grund.empty()) text += "\n" + grund;
    return text;
}

}  // namespace zor
