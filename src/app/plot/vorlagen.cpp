#include "app/plot/vorlagen.h"

#include <QFile>

#include "app/platform/ressourcen.h"
#include "core/plot/vorlagenquelle.h"

namespace zor {

Vorlagenquelle eingebauteVorlagen() {
    app::ladeRessourcen();
    return [](std::string_view name) -> std::optional<std::string> {
        QFile datei(QStringLiteral(":/plt/") + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        if (!datei.open(QIODevice::ReadOnly)) return std::nullopt;
        return datei.readAll().toStdString();
    };
}

Vorlagenquelle programmVorlagen(const QString& startverzeichnis) {
    return vorlagenquelle(startverzeichnis.toStdString(), eingebauteVorlagen());
}

}  // namespace zor
