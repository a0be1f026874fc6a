#include "document/EchecsEcriture.h"

#include "platform/Systeme.h"
#include "platform/Traduction.h"

namespace tarvo {

std::string RaisonEchec(const ResultatEcriture& resultat, Systeme& systeme) {
    auto texte = [&systeme](const char* t) { return systeme.Traduit("Programme", t); };
    switch (resultat.Cause) {
    case CauseEchec::Aucune: break;
    case CauseEchec::DisquePlein: return texte(TARVO_NOOP("Programme", "le disque est plein"));
    case CauseEchec::AccesRefuse: return texte(TARVO_NOOP("Programme", "l'accès est refusé"));
    case CauseEchec::Dossier: return texte(TARVO_NOOP("Programme", "c'est un dossier"));
    case CauseEchec::PasUnFichier: return texte(TARVO_NOOP("Programme", "ce n'est pas un fichier ordinaire"));
    case CauseEchec::DossierAbsent: return texte(TARVO_NOOP("Programme", "son dossier n'existe pas"));
    case CauseEchec::LectureSeule: return texte(TARVO_NOOP("Programme", "le disque est en lecture seule"));
    case CauseEchec::TropGrand: return texte(TARVO_NOOP("Programme", "le fichier dépasse la taille permise"));
    case CauseEchec::SortieFermee:
    case CauseEchec::LecteurParti: return texte(TARVO_NOOP("Programme", "la sortie est fermée"));
    case CauseEchec::Autre:
        return Remplace(texte(TARVO_NOOP("Programme", "erreur du système n° %1")), {std::to_string(resultat.Code)});
    }
    return {};
}

} // namespace tarvo
