#pragma once
// The help window: the program's German HTML help pages, opened by the name of the
// help file the commands ask for ("VOZAD.hlp"), optionally at a context number.

#include <QTextBrowser>

namespace zor::app {

// The resource page of a help file name, or empty when the program has none.
QString hilfeSeite(const QString& hlpDatei);

class Hilfefenster : public QTextBrowser {
    Q_OBJECT
public:
    explicit Hilfefenster(QWidget* eltern = nullptr);
    // Shows the page of the help file (its contents, or the anchor "k<kontext>").
    // False when the program has no such page.
    bool zeige(const QString& hlpDatei, int kontext = 0);
};

}  // namespace zor::app
