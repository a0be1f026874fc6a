#include "app/MetAJourActions.h"

#include "app/EtatActions.h"
#include "document/Document.h"
#include "document/TexteProgramme.h"

namespace tarvo {

namespace {

constexpr const char* MesuresASauvegarder =
    TARVO_NOOP("Programme", "Mesures - Il faut d'abord sauvegarder le fichier|"
                            "Afficher les mesures - Il faut d'abord sauvegarder le fichier");
constexpr const char* NouvellesASauvegarder =
    TARVO_NOOP("Programme", "Nouvelles mesures - Il faut d'abord sauvegarder le fichier|"
                            "Saisie des nouvelles mesures - Il faut d'abord sauvegarder le "
                            "fichier");
constexpr const char* MesuresDisponibles = TARVO_NOOP("Programme", "Mesures|Afficher les mesures");
constexpr const char* NouvellesDisponibles =
    TARVO_NOOP("Programme", "Nouvelles mesures|Saisie des nouvelles mesures");

void MetAJour(const Document& doc, EtatActions& actions, Systeme* systeme, bool moyenneAffichee) {
    using A = Action;
    const auto indique = [&](A a, const char* indication) {
        actions.FixeIndication(a, TexteProgramme(systeme, indication));
    };
    // A mean is made of saved series and saved as a new one: both wait for a saved file.
    const bool enregistre = !doc.Modifie && !doc.ModifieBulletin && !doc.NomFichier.empty();
    actions.Active(A::MoyenneSeries,
                   CaracteristiquesValides(doc) && enregistre && doc.NombreSeries >= 2);
    actions.Active(A::EnregistreMoyenne, moyenneAffichee && enregistre);
    if (!CaracteristiquesValides(doc)) {
        for (A a : {A::Feuille_Travail, A::NouvellesMesures, A::Mesures, A::EditionDesMesures,
                    A::BulletinDeControle, A::Analyse, A::Historique, A::Ombres, A::MasqueCouder})
            actions.Active(a, false);
        indique(A::NouvellesMesures, NouvellesASauvegarder);
        indique(A::Mesures, MesuresASauvegarder);
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
            indique(A::Mesures, MesuresDisponibles);
        }
        actions.Active(A::BulletinDeControle, lignesValidees > 0);
        actions.Active(A::Analyse, lignesValidees > 0);
        actions.Active(A::Ombres, lignesValidees > 0);
        actions.Active(A::NouvellesMesures, true);
        indique(A::NouvellesMesures, NouvellesDisponibles);
    } else {
        actions.Enfonce(Bouton::ToolNouvelles, false);
        actions.Enfonce(Bouton::ToolEdition, false);
        actions.Active(A::Mesures, false);
        indique(A::Mesures, MesuresASauvegarder);
        actions.Active(A::NouvellesMesures, false);
        indique(A::NouvellesMesures, NouvellesASauvegarder);
        actions.Active(A::BulletinDeControle, lignesValidees > 0);
        actions.Active(A::Analyse, lignesValidees > 0);
        actions.Active(A::Ombres, lignesValidees > 0);
    }
    actions.Active(A::EditionDesMesures, doc.SerieCourante == doc.NombreSeries);
}

} // namespace

void MetAJourActions(const Document& doc, EtatActions& actions, Systeme& systeme,
                     bool moyenneAffichee) {
    MetAJour(doc, actions, &systeme, moyenneAffichee);
}

void MetAJourActions(const Document& doc, EtatActions& actions, bool moyenneAffichee) {
    MetAJour(doc, actions, nullptr, moyenneAffichee);
}

} // namespace tarvo
