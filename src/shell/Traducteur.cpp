#include "shell/Traducteur.h"

#include <QCoreApplication>
#include <QDir>

namespace tarvo {

Traducteur::Traducteur(Langue langue) : langue_(langue) {
    if (langue != Langue::Anglais) return;
    const QDir dossier(QStringLiteral(":/i18n"));
    for (const QString& nom : dossier.entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name)) {
        auto catalogue = std::make_unique<QTranslator>();
        if (catalogue->load(dossier.filePath(nom))) catalogues_.push_back(std::move(catalogue));
    }
}

std::string Traducteur::Traduit(std::string_view contexte, std::string_view texte) const {
    const std::string c(contexte), t(texte);
    for (const auto& catalogue : catalogues_) {
        const QString traduit = catalogue->translate(c.c_str(), t.c_str());
        if (!traduit.isEmpty()) return traduit.toStdString();
    }
    return t;
}

void Traducteur::Installe(QCoreApplication& application) const {
    for (const auto& catalogue : catalogues_) application.installTranslator(catalogue.get());
}

} // namespace tarvo
