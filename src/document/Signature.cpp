#include "document/Signature.h"

#include "document/Texte.h"

namespace tarvo {

VersionFichier VersionDeSignature(std::string_view ligne) {
    if (NombreCaracteres(ligne) <= 7) return VersionFichier::Aucune;
    const std::string_view debut = SousChaine(ligne, 0, 7);
    if (debut == "tarvo 2") return VersionFichier::Version2;
    if (debut == "Tarvo 1") return VersionFichier::Version1;
    if (debut == "KESTRAN") return VersionFichier::Predecesseur;
    return VersionFichier::Inconnue;
}

bool AvecTrouCentral(std::string_view ligne) { return SousChaine(ligne, 6, 3) > "2.0"; }

} // namespace tarvo
