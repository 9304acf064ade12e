#pragma once
// Helpers for the GUI tests: answering modal dialogs and saving screenshots.

#include <QObject>
#include <QString>

#include <functional>

class QImage;
class QWidget;

namespace zor::app {
class Kontext;
}

// When the next modal dialog named dialogName opens, grabs it (when bildName is not
// empty) and clicks its button named knopfName. Returns at once; the click happens
// from the dialog's own event loop.
void beantworteModal(const QString& dialogName, const QString& knopfName, const QString& bildName = {});

// Saves the picture as <ZOR_SCREENSHOTS>/<name>.png; false when that failed (an empty
// picture, say).
bool speichereBild(const QImage& bild, const QString& name);
bool speichereBild(QWidget* w, const QString& name);

// Runs the deferred deletes of closed windows and what they post.
void verarbeiteLoeschungen();

// Waits until the frame's background job (if one runs) has ended and its continuation
// has run; false when it still runs after ms.
bool warteAufJob(zor::app::Kontext& k, int ms = 120000);

// Runs aktion once on the widget named name at the moment it is shown, inside its
// show(): before anything else can happen to it (a job that would end meanwhile).
class BeimZeigen : public QObject {
public:
    BeimZeigen(QString name, std::function<void(QWidget*)> aktion);
    ~BeimZeigen() override;
    bool gezeigt = false;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QString name_;
    std::function<void(QWidget*)> aktion_;
};

// Counts the paint events of the widgets it is installed on.
class Malzaehler : public QObject {
public:
    int anzahl = 0;
    bool eventFilter(QObject*, QEvent* e) override;
};
