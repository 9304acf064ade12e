#pragma once
// The small modal notice dialogs: 534 (mode switch question), 611 (refresh first),
// 612 (bad start value or number of runs), 613 (bad probability). Each is built from
// its table: title, text lines, buttons with their ids and results.

#include <QDialog>

namespace zor::app {

class Hinweisdialog : public QDialog {
    Q_OBJECT
public:
    // vorlage: 534, 611, 612 or 613.
    // zusatz: a line under the fixed text saying which entry broke which rule.
    explicit Hinweisdialog(int vorlage, QWidget* eltern = nullptr, const QString& zusatz = {});
    // Escape and the close box answer like the last button.
    void reject() override { done(abbruch_); }

private:
    int abbruch_ = 0;
};

// Run the dialog modally; the result is that of the button pressed (closing the
// window counts as the last button).
int EntscheidungDialog(QWidget* eltern);  // 534: yes 1, no 0
int AufforderungDialog(QWidget* eltern);  // 611: 1
int StartFehlerDialog(QWidget* eltern);   // 612: retry 1, cancel 0
int EingabeFehlerDialog(QWidget* eltern); // 613: retry 1, cancel 0

class Warnton;

// A refused input: the warning sound, then notice 612 or 613. 1 = back to the entries,
// 0 = the caller's dialog closes without storing anything.
int EingabeAbgelehnt(int vorlage, Warnton& ton, QWidget* eltern, const QString& zusatz = {});

}  // namespace zor::app
