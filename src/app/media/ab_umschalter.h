#pragma once
// "A/B": playback switches between an original and its corrupted copy at the same
// position, playing on where it played, so the ear compares the same passage.

#include <QString>

#include "app/media/wiedergabe.h"

namespace zor::app {

class AbUmschalter {
public:
    explicit AbUmschalter(Wiedergabe& spieler) : spieler_(spieler) {}

    // A is what the player has open now; B the file to compare with (empty: none).
    void setze(const QString& a, const QString& b);
    bool bereit() const { return !b_.isEmpty(); }
    bool hoertB() const { return hoertB_; }
    const QString& aktuell() const { return hoertB_ ? b_ : a_; }

    // Opens the other file at `ms` (where it plays, or where the listener put the marker
    // while stopped); a failure leaves the player on A resp. B as it was (reopened where
    // the backend had already let go of it).
    Fehlertext umschalten(qint64 ms);

private:
    Wiedergabe& spieler_;
    QString a_, b_;
    bool hoertB_ = false;
};

}  // namespace zor::app
