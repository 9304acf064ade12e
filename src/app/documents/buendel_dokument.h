#pragma once
// The document "Bündel und Blöcke": bursts or blocks of both sets side by side, computed
// in the background from a copy of the sets and the document's settings; the window
// shows its last picture meanwhile and paints anew when the result arrives. Its
// measurement cursor follows the keys and the mouse as in the curve documents.

#include <functional>
#include <optional>

#include "app/documents/modelldokument.h"
#include "core/documents/buendel_einstellungen.h"

namespace zor::app {

class BuendelDokument : public ModellDokument {
    Q_OBJECT
public:
    explicit BuendelDokument(Kontext& kontext);
    // Its row of the documents' table.
    static const ModellDokumentart& dokumentart();

    void bereit(std::function<void()> danach) override;
    void zeichnen(QPainter& p, QSize groesse) override;
    std::string alsCsv() override;
    bool hatCsv() const override { return true; }

    // The shown results no longer belong to the sets and settings as they are now.
    bool veraltet() const;
    const Buendeldaten& daten() const { return daten_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    Buendelauftrag auftragJetzt() const;
    bool abgebrochen() const { return abgebrochen_ && *abgebrochen_ == auftragJetzt(); }
    void rechnen(std::function<void()> danach = {});
    void meldungenZeigen();
    // Moves the cursor to the place under a mouse at window pixel x, if there is one.
    void cursorZurMaus(double x);
    void cursorSetzen(double stelle);

    std::optional<Buendelauftrag> auftrag_;  // what daten_ belongs to
    Buendeldaten daten_;
    std::optional<Buendelauftrag> abgebrochen_;  // not started again until the order changes
    bool rechnet_ = false;
    std::vector<Meldung> ausstehend_;
    // False right after a resize: the next mouse move only re-arms tracking.
    bool maus_ = false;
};

}  // namespace zor::app
