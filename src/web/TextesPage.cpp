#include "web/TextesPage.h"

#include "pages/commun/EnteteEtPied.h"
#include "platform/Systeme.h"
#include "platform/Traduction.h"
#include "web/JsonWeb.h"

#include <array>
#include <utility>

namespace tarvo {

namespace {

// The page's texts by the names its script knows them by: the desktop window's own where the
// page shows the same thing (one catalogue entry for both), and the page's own.
constexpr std::array<std::pair<const char*, const char*>, 24> Textes{{
    {"aPropos", TARVO_NOOP("Fenetre", "A propos de Tarvo")},
    {"description", TARVO_NOOP("Fenetre", "Logiciel d'aide à la réalisation des miroirs de "
                                          "télescopes en utilisant la méthode de Foucault et "
                                          "l'écran à échancrures de Couder.")},
    {"conditions", TARVO_NOOP("Fenetre", "Logiciel gratuit, fourni tel quel et sans garantie : "
                                         "vérifiez toujours vos mesures avant de retoucher un "
                                         "miroir.")},
    {"auteur", TARVO_NOOP("Fenetre", "Auteur : l'équipe Tarvo")},
    {"confirmation", TARVO_NOOP("Fenetre", "Confirmation")},
    {"oui", TARVO_NOOP("Fenetre", "&Oui")},
    {"non", TARVO_NOOP("Fenetre", "&Non")},
    {"annuler", TARVO_NOOP("Fenetre", "Annuler")},
    {"nomFichier", TARVO_NOOP("Fenetre", "Nom du fichier :")},
    {"enregistrer", TARVO_NOOP("Fenetre", "Enregistrer")},
    {"ouvrir", TARVO_NOOP("Fenetre", "Ouvrir")},
    {"aide", TARVO_NOOP("Fenetre", "Aide de Tarvo")},
    {"fermer", TARVO_NOOP("Fenetre", "Fermer")},
    {"parabolique", TARVO_NOOP("Fenetre", "Parabolique")},
    {"spherique", TARVO_NOOP("Fenetre", "Sphérique")},
    {"seriePrecedente", TARVO_NOOP("Fenetre", "Série précédente (F4)")},
    {"serieSuivante", TARVO_NOOP("Fenetre", "Série suivante (F5)")},
    {"valeur", TARVO_NOOP("Fenetre", "Valeur")},
    {"commentaire", TARVO_NOOP("Fenetre", "Commentaire libre")},
    {"annulerSerie", TARVO_NOOP("Fenetre", "Annule la nouvelle série et retourne à la dernière "
                                           "série validée.")},
    {"imprimer", TARVO_NOOP("Fenetre", "Imprimer")},
    {"imprimerCent", TARVO_NOOP("Fenetre", "Imprimer à 100 %")},
    {"reprise", TARVO_NOOP("Fenetre", "Le document « %1 » a été modifié dans une page fermée "
                                      "sans être enregistré. Voulez-vous le reprendre ?")},
    {"nouveau", TARVO_NOOP("Fenetre", "Sans nom")},
}};

} // namespace

std::string TextesPageJson(Systeme& systeme) {
    std::string json = "{\"adresse\":" + ChaineJson(AdresseAuteur);
    for (const auto& [nom, texte] : Textes)
        json += std::string(",\"") + nom + "\":" + ChaineJson(systeme.Traduit("Fenetre", texte));
    return json + "}";
}

} // namespace tarvo
