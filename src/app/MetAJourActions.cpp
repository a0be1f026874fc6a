#include "app/MetAJourActions.h"

#include "app/Actions.h"
#include "app/EtatActions.h"
#include "document/Document.h"
#include "platform/Traduction.h"

namespace tarvo {

namespace {

constexpr const char* MesuresASauvegarder =
    TARVO_NOOP("Actions", "Mesures - Il faut d'abord sauvegarder le fichier|"
                          "Afficher les mesures - Il faut d'abord sauvegarder le fichier");
constexpr const char* NouvellesASauvegarder =
    TARVO_NOOP("Actions", "Nouvelles mesures - Il faut d'abord sauvegarder le fichier|"
                          "Saisie des nouvelles mesures - Il faut d'abord sauvegarder le "
                          "fichier");

} // namespace

// The hints are kept in French, as the actions' own: the window shows them all, translated.
void MetAJourActions(const Document& doc, EtatActions& actions, bool moyenneAffichee) {
    using A = Action;
    // A mean is made of saved series and saved as a new one: both wait for a saved file.
    const bool enregistre = !doc.Modifie && !doc.ModifieBulletin && !doc.NomFichier.empty();
    actions.Active(A::MoyenneSeries,
                   CaracteristiquesValides(doc) && enregistre && doc.NombreSeries >= 2);
    actions.Active(A::EnregistreMoyenne, moyenneAffichee && enregistre);
    if (!CaracteristiquesValides(doc)) {
        for (A a : {A::Feuille_Travail, A::NouvellesMesures, A::Mesures, A::EditionDesMesures,
                    A::BulletinDeControle, A::Analyse, A::Historique, A::Ombres, A::MasqueCouder})
            actions.Active(a, false);
        actions.FixeIndication(A::NouvellesMesures, NouvellesASauvegarder);
        actions.FixeIndication(A::Mesures, MesuresASauvegarder);
        return;
    }
    actions.Active(A::Feuille_Travail, true);
    actions.Active(A::Historique, true);
    actions.Active(A::MasqueCouder, true);

    // Sum of the validation flags of both diameters.
    double lignesValidees = 0;
    for (int j = 1; j <= LignesMesure; ++j)
        for (int k = 1; k <= 2; ++k)
            lignesValidees += doc.Lectures[0][j][k];

    if (!doc.Modifie) {
        if (doc.NombreSeries > 0) {
            actions.Active(A::Mesures, true);
            actions.FixeIndication(A::Mesures, std::string(Description(A::Mesures).Indication));
        }
        actions.Active(A::BulletinDeControle, lignesValidees > 0);
        actions.Active(A::Analyse, lignesValidees > 0);
        actions.Active(A::Ombres, lignesValidees > 0);
        actions.Active(A::NouvellesMesures, true);
        actions.FixeIndication(A::NouvellesMesures,
                               std::string(Description(A::NouvellesMesures).Indication));
    } else {
        actions.Enfonce(Bouton::ToolNouvelles, false);
        actions.Enfonce(Bouton::ToolEdition, false);
        actions.Active(A::Mesures, false);
        actions.FixeIndication(A::Mesures, MesuresASauvegarder);
        actions.Active(A::NouvellesMesures, false);
        actions.FixeIndication(A::NouvellesMesures, NouvellesASauvegarder);
        actions.Active(A::BulletinDeControle, lignesValidees > 0);
        actions.Active(A::Analyse, lignesValidees > 0);
        actions.Active(A::Ombres, lignesValidees > 0);
    }
    actions.Active(A::EditionDesMesures, doc.SerieCourante == doc.NombreSeries);
}

} // namespace tarvo
