#include "app/context/bildrezept.h"

#include <QDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/context/kontext.h"

namespace zor::app {

Bildrezept dialogBild(const QString& bild, bool zorwerk, int befehl, const QString& dialog) {
    return {bild, {}, [=](Bildaufnahme& a) {
                a.rahmen(zorwerk);
                a.modal(befehl, dialog, bild);
            }};
}

Bildrezept dateiwahlBild(const QString& bild, bool zorwerk, int befehl) {
    return {bild, {}, [=](Bildaufnahme& a) {
                a.rahmen(zorwerk);
                a.dateiAntworten({Bildaufnahme::ZEIGEN});
                a.modal(befehl, QString(), bild);
            }};
}

Bildrezept jobdialogBild(const QString& bild, int befehl, const QString& dialog,
                         std::vector<std::pair<int, const char*>> felder) {
    return {bild, {}, [=](Bildaufnahme& a) {
                a.rahmen(false);
                a.modal(befehl, dialog, bild, [&a, felder, bild](QWidget* d) {
                    for (const auto& [id, name] : felder)
                        if (auto* e = d->findChild<QLineEdit*>(QStringLiteral("id_%1").arg(id))) {
                            const QString text = QLatin1String(name);
                            e->setText(text.contains(QLatin1Char('.')) ? a.beispiel(text) : text);
                        }
                    a.bild(d, bild);
                    static_cast<QDialog*>(d)->reject();
                });
            }};
}

Bildrezept mediendokumentBild(const QString& bild, int befehl, const QString& datei, bool maximiert) {
    return {bild, {}, [=](Bildaufnahme& a) {
                Kontext& k = a.rahmen(false);
                a.dateiAntworten({a.beispiel(datei)});
                k.befehl(befehl);
                QMdiSubWindow* w = k.mdiFlaeche().activeSubWindow();
                if (!w)
                    a.fehler(QStringLiteral("%1: kein Dokument geöffnet").arg(bild));
                else if (maximiert)
                    w->showMaximized();
                a.bild(k.fenster(), bild);
            }};
}

}  // namespace zor::app
