#pragma once
// The hex and bin documents: any file shown 16 resp. 8 bytes a line with offsets,
// characters and the significant digits in red. Nothing of the file is held: each paint
// reads the lines it draws. Positions are 64-bit, so files beyond 4 GiB scroll too.

#include <QFont>
#include <QPointer>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/context/mdi_dokument.h"
#include "app/media/rollzustand.h"
#include "core/media/markierung.h"
#include "core/media/suche.h"
#include "core/media/unterschied.h"
#include "core/media/zeilen.h"

class QPainter;
class QScrollBar;

namespace zor {
class Dateifenster;
}

namespace zor::app {

class Dateiansicht : public MdiDokument {
    Q_OBJECT
public:
    // Opens the file; one that cannot be opened gives an empty document (the caller says so).
    Dateiansicht(Kontext& kontext, Ansicht ansicht, const QString& pfad, QWidget* eltern = nullptr);
    ~Dateiansicht() override;

    bool befehl(int id) override;

    Ansicht ansicht() const { return ansicht_; }
    bool offen() const;
    QString pfad() const { return pfad_; }
    std::uint64_t dateigroesse() const;
    // "Hex (%s) %ld Bytes" resp. "Binär (%s) %ld Bytes".
    QString titel() const;
    const Rollzustand& rollen() const { return rollen_; }

    // One scroll request, vertical or horizontal (thumb: line resp. character).
    void rolle(Rollanfrage a, bool vertikal, std::uint64_t daumen = 0);
    // Scrolls the line holding that byte to the top (as far as the range allows).
    void geheZuOffset(std::uint64_t offset);
    // Finds the pattern in the background from the last find on (forwards after it,
    // backwards before it) and scrolls its line to the top; F3 and Shift+F3 repeat it.
    void suchen(const Suchmuster& m, Suchrichtung r);
    // Where the last find matched, as a bit offset.
    std::optional<std::uint64_t> fundstelle() const { return fund_; }
    // Pairs two views of a file and its corrupted copy: the bytes in which they differ
    // are framed in both, and the next or previous difference scrolls both to it. The
    // differing bytes and bits are counted in the background for the titles. A view has
    // one counterpart: an earlier pair of either ends.
    static void koppeln(Dateiansicht& a, Dateiansicht& b);
    // Pairs this view with another open hex or bin view, the only one or the one chosen.
    void vergleichenMit();
    Dateiansicht* gegenstueck() const { return gegenstueck_; }
    // From the last difference shown (else from the top line) in the background.
    void unterschied(Suchrichtung r);
    std::optional<std::uint64_t> unterschiedsstelle() const { return stelle_; }
    std::optional<Unterschiedszahl> unterschiede() const { return zahl_; }
    // Scrolls to that byte and continues the next search from it.
    void unterschiedZeigen(std::uint64_t byte);
    // titel(), with the count of differences once a pair has been counted.
    QString fensterTitel() const;
    // The text of the window's rows as they are painted, top to bottom.
    QStringList sichtbareZeilen() const;

    // Draws the rows that meet the rectangle (client coordinates).
    void zeichne(QPainter& p, const QRect& bereich);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    friend class Zeilenflaeche;
    void schriftMessen();
    void groesseGeaendert();
    void balkenAbgleichen();
    void balkenAktion(bool vertikal, int aktion);
    void geheZuOffsetFragen();
    void suchenFragen();
    void radDrehen(int zeilen);
    void entkoppeln();
    // The text of the window rows [erste, letzte), read from the file now.
    std::vector<std::string> zeilen(int erste, int letzte) const;
    // For each of the window rows from `erste` (their texts `zeilen`), the characters that
    // differ from the counterpart's; empty without a counterpart.
    std::vector<std::vector<Lauf>> abweichend(int erste, const std::vector<std::string>& zeilen) const;

    Ansicht ansicht_;
    QString pfad_;
    std::unique_ptr<Dateifenster> datei_;
    Rollzustand rollen_;
    QFont schrift_;
    qreal zeichenbreite_ = 0;
    int oberlaenge_ = 0;
    QWidget* flaeche_;
    QScrollBar* vBalken_;
    QScrollBar* hBalken_;
    std::optional<Suchmuster> muster_;
    std::optional<std::uint64_t> fund_;
    QPointer<Dateiansicht> gegenstueck_;
    std::optional<std::uint64_t> stelle_;
    std::optional<Unterschiedszahl> zahl_;
};

// A typed offset: hexadecimal as the views show it, "0x" allowed; nothing otherwise.
std::optional<std::uint64_t> leseOffset(const QString& text);

}  // namespace zor::app
