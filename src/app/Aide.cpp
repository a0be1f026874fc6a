#include "app/Aide.h"

#include <filesystem>

namespace tarvo {

std::string DossierAideTrouve(const std::string& repertoireExecutable, Fichiers& fichiers) {
    const std::string aCote = repertoireExecutable + std::string(DossierAide);
    if (fichiers.Existe(aCote + std::string(SommaireAide))) return aCote;
    // Written without the "..", for the help window's title and the messages.
    const std::string installe =
        std::filesystem::path(repertoireExecutable + std::string(DossierAideInstalle))
            .lexically_normal()
            .string();
    if (fichiers.Existe(installe + std::string(SommaireAide))) return installe;
    return aCote;
}

std::string_view PageAide(int contexte) {
    switch (contexte) {
    case 1000:
        return "fichiers.html";
    case 2000:
        return "edition.html";
    case 3100:
        return "caracteristiques.html";
    case 3200:
        return "feuille.html";
    case 3300:
        return "mesures.html";
    case 3400:
        return "bulletin.html";
    case 3500:
        return "analyse.html";
    case 3600:
        return "historique.html";
    case 3700:
        return "ombres.html";
    default:
        return SommaireAide;
    }
}

std::string FichierAide(Systeme& systeme, Fichiers& fichiers, std::string_view page) {
    const std::string dossier = DossierAideTrouve(systeme.RepertoireExecutable(), fichiers);
    if (systeme.CodeLangue() == "en") {
        const std::string anglais = dossier + std::string(DossierAideAnglais) + std::string(page);
        if (fichiers.Existe(anglais)) return anglais;
    }
    return dossier + std::string(page);
}

} // namespace tarvo
