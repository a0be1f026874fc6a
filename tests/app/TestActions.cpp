#include "app/Actions.h"
#include "app/EtatActions.h"
#include "app/MetAJourActions.h"
#include "document/Document.h"

#include <gtest/gtest.h>

#include <set>

namespace tarvo::test {
namespace {

using A = Action;

constexpr const char* MesuresBloquees = "Mesures - Il faut d'abord sauvegarder le fichier|Afficher "
                                        "les mesures - Il faut d'abord sauvegarder le fichier";
constexpr const char* NouvellesBloquees =
    "Nouvelles mesures - Il faut d'abord sauvegarder le fichier|Saisie des nouvelles mesures - "
    "Il faut d'abord sauvegarder le fichier";

Document MiroirValide() {
    Document doc;
    doc.Diametre = 200;
    doc.Focale = 1200;
    return doc;
}

TEST(MetAJourActions, SansCaracteristiquesValidesToutEstBloqueQuellesQueSoientLesMesures) {
    for (const auto& [diametre, focale] : {std::pair{1.0, 1200.0}, {200.0, 1.0}, {0.0, 0.0}}) {
        Document doc;
        doc.Diametre = diametre;
        doc.Focale = focale;
        doc.Lectures[0][1][1] = 1;
        EtatActions actions;
        MetAJourActions(doc, actions);
        for (A a : {A::Feuille_Travail, A::NouvellesMesures, A::Mesures, A::EditionDesMesures,
                    A::BulletinDeControle})
            EXPECT_FALSE(actions.Active(a)) << Description(a).Nom << " " << diametre;
        EXPECT_EQ(actions.Indication(A::Mesures), MesuresBloquees);
        EXPECT_EQ(actions.Indication(A::NouvellesMesures), NouvellesBloquees);
    }
}

TEST(MetAJourActions, DocumentEnregistreLesMesuresEtLaNouvelleSerieSontOuvertes) {
    Document doc = MiroirValide();
    EtatActions actions;
    MetAJourActions(doc, actions); // first with nothing validated
    EXPECT_TRUE(actions.Active(A::Feuille_Travail));
    EXPECT_TRUE(actions.Active(A::Mesures));
    EXPECT_TRUE(actions.Active(A::NouvellesMesures));
    EXPECT_TRUE(actions.Active(A::EditionDesMesures));
    EXPECT_FALSE(actions.Active(A::BulletinDeControle));
    EXPECT_EQ(actions.Indication(A::Mesures), "Mesures|Afficher les mesures");
    EXPECT_EQ(actions.Indication(A::NouvellesMesures),
              "Nouvelles mesures|Saisie des nouvelles mesures");

    doc.Lectures[0][10][2] = 1; // one line of diameter 2 validated
    MetAJourActions(doc, actions);
    EXPECT_TRUE(actions.Active(A::BulletinDeControle));
}

TEST(MetAJourActions, DocumentModifieIlFautDAbordSauvegarder) {
    Document doc = MiroirValide();
    doc.Modifie = true;
    doc.Lectures[0][3][1] = 1;
    EtatActions actions;
    actions.Enfonce(Bouton::ToolNouvelles, true);
    actions.Enfonce(Bouton::ToolEdition, true);
    actions.Enfonce(Bouton::ToolBulletin, true);
    MetAJourActions(doc, actions);
    EXPECT_FALSE(actions.Active(A::Mesures));
    EXPECT_FALSE(actions.Active(A::NouvellesMesures));
    EXPECT_EQ(actions.Indication(A::Mesures), MesuresBloquees);
    EXPECT_EQ(actions.Indication(A::NouvellesMesures), NouvellesBloquees);
    // The report stays available with a validated line.
    EXPECT_TRUE(actions.Active(A::BulletinDeControle));
    EXPECT_FALSE(actions.Enfonce(Bouton::ToolNouvelles));
    EXPECT_FALSE(actions.Enfonce(Bouton::ToolEdition));
    EXPECT_TRUE(actions.Enfonce(Bouton::ToolBulletin));

    // Saved again, the hints come back.
    doc.Modifie = false;
    MetAJourActions(doc, actions);
    EXPECT_EQ(actions.Indication(A::Mesures), "Mesures|Afficher les mesures");
}

TEST(MetAJourActions, LEditionNAppartientQuALaDerniereSerie) {
    Document doc = MiroirValide();
    doc.NombreSeries = 3;
    doc.SerieCourante = 2;
    EtatActions actions;
    MetAJourActions(doc, actions);
    EXPECT_FALSE(actions.Active(A::EditionDesMesures));
    doc.SerieCourante = 3;
    MetAJourActions(doc, actions);
    EXPECT_TRUE(actions.Active(A::EditionDesMesures));
}

TEST(MetAJourActions, SansSerieMesuresGardeSonEtat) {
    Document doc = MiroirValide();
    doc.NombreSeries = 0;
    EtatActions actions;
    actions.Active(A::Mesures, false);
    MetAJourActions(doc, actions);
    EXPECT_FALSE(actions.Active(A::Mesures));
}

class Observateur : public ObservateurActions {
  public:
    void ActionChangee(Action a) override { Actions.insert(a); }
    void BoutonChange(Bouton b) override { Boutons.insert(b); }
    std::set<Action> Actions;
    std::set<Bouton> Boutons;
};

TEST(EtatActions, EtatInitialEtChangementsSignales) {
    EtatActions actions;
    EXPECT_FALSE(actions.Active(A::Couper1));
    EXPECT_FALSE(actions.Active(A::Copier1));
    EXPECT_TRUE(actions.Active(A::Coller1));
    EXPECT_EQ(actions.Indication(A::Imprimer1), "Imprimer |Imprimer le document affiché");

    Observateur observateur;
    actions.FixeObservateur(&observateur);
    actions.Active(A::Coller1, true); // no change, nothing signalled
    actions.Active(A::FileSave1, false);
    actions.FixeIndication(A::Imprimer1, "Imprimer |Imprimer la feuille de travail");
    actions.Enfonce(Bouton::ToolCaracteristiques, true);
    EXPECT_EQ(observateur.Actions, (std::set<Action>{A::FileSave1, A::Imprimer1}));
    EXPECT_EQ(observateur.Boutons, std::set<Bouton>{Bouton::ToolCaracteristiques});
}

TEST(EtatActions, AucuneCommandeAVenirNeFaitSemblantDeMarcher) {
    // Every command exists; cut and copy start unavailable and follow the editor's focus.
    EtatActions actions;
    for (A a : {A::Couper1, A::Copier1})
        EXPECT_FALSE(ActionUtilisable(actions, a)) << Description(a).Nom;
    for (A a : {A::FileNew1, A::FileOpen1, A::FileSaveAs1, A::Imprimer1, A::FileExit1, A::Aide,
                A::Apropos, A::EditeCaracteristiques1, A::Feuille_Travail, A::Mesures,
                A::NouvellesMesures, A::EditionDesMesures, A::BulletinDeControle, A::PageMoins,
                A::PagePlus, A::Annuler, A::Coller1})
        EXPECT_TRUE(ActionUtilisable(actions, a)) << Description(a).Nom;
}

TEST(Actions, TableDesActionsEtDeLaBarre) {
    for (std::size_t i = 0; i < NombreActions; ++i)
        EXPECT_EQ(Indice(Description(static_cast<Action>(i)).Commande), i);
    EXPECT_EQ(IndicationCourte(Description(A::Imprimer1).Indication), "Imprimer ");
    EXPECT_EQ(IndicationLongue(Description(A::Imprimer1).Indication),
              "Imprimer le document affiché");
    EXPECT_EQ(IndicationLongue("Commentaire libre"), "Commentaire libre");

    // Buttons left to right, each on its action, with four separators.
    std::vector<Bouton> boutons;
    int separateurs = 0;
    for (const PlaceBarre& place : BarreOutils()) {
        if (place.Separateur) {
            ++separateurs;
            continue;
        }
        boutons.push_back(place.Nom);
        EXPECT_GE(Description(place.Commande).Image, 0);
    }
    EXPECT_EQ(separateurs, 4);
    ASSERT_EQ(boutons.size(), NombreBoutons);
    for (std::size_t i = 0; i < boutons.size(); ++i)
        EXPECT_EQ(static_cast<std::size_t>(boutons[i]), i);
    EXPECT_EQ(BarreOutils()[5].Commande, A::Imprimer1);
    EXPECT_TRUE(BarreOutils()[4].Separateur && BarreOutils()[6].Separateur);
}

} // namespace
} // namespace tarvo::test
