// Developer tool: renders plot templates offscreen into PNG files, so a template can be
// checked without starting the program. Either every scene (all templates with every
// selector, the curve diagrams with sample curves) or one template with given values.

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <vector>

#include "app/plot/vorlagen.h"
#include "app/plot/vorschau.h"

namespace {

zor::Abbildung abbildungFuer(const QString& anordnung, QSize g) {
    if (anordnung == "par") return zor::parAbbildungEinzeln(g);
    if (anordnung == "mar") return zor::marAbbildung(g);
    if (anordnung == "druck") return zor::druckkopfAbbildung(g);
    return zor::Abbildung::fenstereigenschaften(g.width(), g.height());
}

int alleMalen(const QString& ziel, const zor::Vorlagenquelle& quelle) {
    QDir().mkpath(ziel);
    int fehler = 0;
    for (const auto& szene : zor::alleSzenen(zor::startZustand())) {
        int f = 0;
        const QString datei = QDir(ziel).filePath(szene.name + ".png");
        if (!zor::szeneMalen(szene, quelle, &f).save(datei)) ++f;
        std::printf("%s %s\n", f == 0 ? "ok    " : "FEHLER", qPrintable(datei));
        fehler += f;
    }
    return fehler == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Renders into images only, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser p;
    p.setApplicationDescription("Zeichnet Plotvorlagen in PNG-Dateien.");
    p.addHelpOption();
    p.addOptions({
        {"alle", "Alle Vorlagen und Diagramme in das Verzeichnis <dir> zeichnen.", "dir"},
        {"start", "Vorlagen zuerst in <dir> suchen (wie das Startverzeichnis).", "dir", "."},
        {"text", "Auswahlzeichen der t-Sätze.", "c", "a"},
        {"textfarbe", "0: erste, 1: zweite Farbe der b-Sätze.", "n", "0"},
        {"werte", "Zahlenwerte der t-Sätze, durch Kommas getrennt.", "liste"},
        {"groesse", "Bildgröße in Pixeln.", "BxH", "900x600"},
        {"anordnung", "dokument, par, mar oder druck.", "art", "dokument"},
    });
    p.addPositionalArgument("vorlage", "Name der Vorlage, z. B. FKF.PLT");
    p.addPositionalArgument("ausgabe", "PNG-Datei");
    p.process(app);

    const auto quelle = zor::programmVorlagen(p.value("start"));
    if (p.isSet("alle")) return alleMalen(p.value("alle"), quelle);

    const QStringList args = p.positionalArguments();
    const QStringList masse = p.value("groesse").split('x');
    if (args.size() != 2 || masse.size() != 2 || p.value("text").size() != 1) p.showHelp(2);
    const QSize g(masse[0].toInt(), masse[1].toInt());
    if (g.width() <= 0 || g.height() <= 0 || g.width() > 10000 || g.height() > 10000) p.showHelp(2);
    std::vector<float> werte;
    for (const auto& w : p.value("werte").split(',', Qt::SkipEmptyParts)) werte.push_back(w.toFloat());

    int ergebnis = 0;
    const QImage bild = zor::vorlageMalen(quelle, args[0].toStdString(), werte, p.value("textfarbe").toInt(),
                                          p.value("text").at(0).toLatin1(), abbildungFuer(p.value("anordnung"), g),
                                          g, &ergebnis);
    if (!bild.save(args[1])) {
        std::fprintf(stderr, "Kann %s nicht schreiben.\n", qPrintable(args[1]));
        return 1;
    }
    if (ergebnis != 1) std::fprintf(stderr, "Fehlerhafte Plotdatei!\n");
    return ergebnis == 1 ? 0 : 1;
}
