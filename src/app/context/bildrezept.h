#pragma once
// How the help's picture of a window is made: which command opens it, in which mode, and
// what is done to it before it is grabbed. The picture program (tests/app/help_images)
// follows these recipes; the program itself never runs them.

#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

class QWidget;

namespace zor::app {

class Kontext;

// What a recipe may ask of the picture program.
class Bildaufnahme {
public:
    virtual ~Bildaufnahme() = default;
    // A fresh frame in the channel-model (true) or the multimedia mode.
    virtual Kontext& rahmen(bool zorwerk) = 0;
    // The frame of now.
    virtual Kontext& kontext() = 0;
    // The full path of a sample file: bild.bmp, ton.wav, film.avi, lied.mid, folge1.FFO, ...
    virtual QString beispiel(const QString& name) const = 0;
    // The answers of the next file choosers; ZEIGEN shows the real one, none cancels.
    virtual void dateiAntworten(const QStringList& antworten) = 0;
    // Grabs the widget as images/<name>.png; false when that failed.
    virtual bool bild(QWidget* w, const QString& name) = 0;
    // One modal dialog a command opens: its object name ("" for a file chooser) and what
    // is done with it; without that it is grabbed and closed.
    struct Schritt {
        QString dialog;
        std::function<void(QWidget*)> handle;
    };
    // Runs the command; the modal dialogs it opens must come as the steps name them, one
    // inside the other. False when one did not come.
    virtual bool modal(int befehl, const QString& name, std::vector<Schritt> schritte) = 0;
    bool modal(int befehl, const QString& dialog, const QString& name, std::function<void(QWidget*)> handle = {}) {
        return modal(befehl, name, {{dialog, std::move(handle)}});
    }
    // Lets the program run until the condition holds (a video's first frame); false
    // when it did not within ms.
    virtual bool warte(const std::function<bool()>& bedingung, int ms = 5000) = 0;
    virtual void fehler(const QString& text) = 0;

    static inline const QString ZEIGEN = QStringLiteral("<zeigen>");
};

struct Bildrezept {
    QString bild = {};   // images/<bild>.png
    QString seite = {};  // the page that shows it, when not the window's own ("drucken")
    std::function<void(Bildaufnahme&)> machen = {};
};

// A modal dialog that a command of the mode opens, grabbed as it shows.
Bildrezept dialogBild(const QString& bild, bool zorwerk, int befehl, const QString& dialog);
// The file chooser a command opens.
Bildrezept dateiwahlBild(const QString& bild, bool zorwerk, int befehl);
// A file-job dialog with its edits filled in as a user would: (edit id, sample file name);
// a name without a dot is typed as it is.
Bildrezept jobdialogBild(const QString& bild, int befehl, const QString& dialog,
                         std::vector<std::pair<int, const char*>> felder);
// A multimedia document showing a sample file, maximised or at the size it chose.
Bildrezept mediendokumentBild(const QString& bild, int befehl, const QString& datei, bool maximiert);

}  // namespace zor::app
