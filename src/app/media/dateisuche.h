#pragma once
// "Suchen" in the hex and bin views: the question for a pattern (hex digits, text, or in
// the bin view a bit pattern at any bit offset) and the direction. The search itself runs
// in the core on a worker thread (Dateiansicht::suchen).

#include <QDialog>

#include <optional>

#include "core/media/suche.h"
#include "core/media/zeilen.h"

class QComboBox;
class QCheckBox;
class QLineEdit;

namespace zor::app {

struct Suchanfrage {
    Suchmuster muster;
    Suchrichtung richtung = Suchrichtung::Vorwaerts;
};

class Suchdialog : public QDialog {
    Q_OBJECT
public:
    Suchdialog(Ansicht ansicht, QWidget* eltern);
    // The pattern as typed, or the German message why it is none.
    std::variant<Suchanfrage, std::string> anfrage() const;

private:
    QComboBox* art_;
    QLineEdit* text_;
    QCheckBox* rueckwaerts_;
};

inline constexpr const char* TEXT_SUCHE_TITEL = "Suchen";

}  // namespace zor::app
