#include "ApplicationQt.h"
#include "app/MoyenneEnCours.h"
#include "cli/DialoguesEnregistres.h"
#include "cli/Ouverture.h"
#include "document/Document.h"
#include "optics/MasqueCouder.h"
#include "pages/analyse/PageAnalyse.h"
#include "pages/bulletin/PageBulletin.h"
#include "pages/caracteristiques/PageCaracteristiques.h"
#include "pages/feuille/PageFeuille.h"
#include "pages/historique/PageHistorique.h"
#include "pages/masque/PageMasque.h"
#include "pages/mesures/PageMesures.h"
#include "pages/ombres/PageOmbres.h"
#include "posix/FichiersPosix.h"
#include "shell/SystemeQt.h"
#include "shell/Traducteur.h"
#include "support/SurfaceFactice.h"
#include "support/TexteFrancais.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <sstream>

namespace tarvo {
namespace {

using test::Francais;

// Every page drawn in English, on screen and on paper, for a measured mirror, one with a hole,
// a series with nothing validated and a new document, the mean of two series, the mask: no
// text drawn, no status, hint or setting name left in French.
struct Anglais : ::testing::Test {
    Anglais() : traducteur(Langue::Anglais), systeme(&traducteur) { test::ApplicationQt(); }

    void Releve(const test::CanvasEnregistreur& c, const std::string& ou) {
        for (const std::string& t : c.Textes())
            if (Francais(t)) restes.insert(ou + " : " + t);
    }
    void Dessine(Document& doc, const std::string& nom,
                 const std::function<void(ContextePage&)>& dessin, const MoyenneAffichee* moyenne) {
        test::SurfaceFactice surface;
        MiseEnPage miseEnPage;
        CadresPage cadres;
        bool impression = true;
        EtatPages etat;
        etat.Moyenne = moyenne;
        EtatSaisie saisie;
        saisie.LigneCourante = saisie.ColonneCourante = saisie.DiametreCourant = 1;
        ContextePage page{doc, surface, systeme, miseEnPage, cadres, impression, etat, saisie};
        dessin(page);
        Releve(surface.Ecran, nom);
        for (const auto& [c, image] : surface.Images) Releve(image, nom);
        if (surface.Papier) Releve(*surface.Papier, nom + " (papier)");
        for (const auto& f : surface.Feuilles) Releve(*f, nom + " (papier)");
        for (const std::string& t : {surface.TexteStatut, surface.ConseilImprimer,
                                     surface.IndicationSaisie, surface.IndicationNote})
            if (Francais(t)) restes.insert(nom + " (fenêtre) : " + t);
        for (const auto& [c, r] : surface.Reglages)
            if (Francais(r.Nom + " " + r.Suffixe)) restes.insert(nom + " (réglage) : " + r.Nom);
    }
    void TouteslesPages(Document& doc, const std::string& quoi, const MoyenneAffichee* moyenne) {
        const std::pair<const char*, std::function<void(ContextePage&)>> pages[] = {
            {"caractéristiques", AfficheCaracteristiques},
            {"feuille", AfficheFeuille},
            {"mesures", [](ContextePage& p) { AfficheMesures(p, ModeMesures::Consultation); }},
            {"nouvelles mesures", [](ContextePage& p) { AfficheMesures(p, ModeMesures::Nouvelles); }},
            {"édition", [](ContextePage& p) { AfficheMesures(p, ModeMesures::Edition); }},
            {"bulletin", AfficheBulletin},
            {"analyse", AfficheAnalyse},
            {"historique", AfficheHistorique},
            {"ombres", AfficheOmbres},
            {"masque",
             [](ContextePage& p) {
                 if (const auto m = CalculeMasque(p.doc).Masque) ImprimeMasque(p, *m);
             }},
        };
        for (const auto& [nom, dessin] : pages) {
            Document copie = doc;
            Dessine(copie, quoi + ", " + nom, dessin, moyenne);
        }
    }
    Document Exemple(const char* nom) {
        Document doc;
        FichiersPosix fichiers;
        DialoguesEnregistres dialogues;
        EXPECT_TRUE(OuvreDocumentSansFenetre(doc,
                                             std::string(TARVO_SOURCE_DIR) + "/examples/" + nom,
                                             systeme.Aujourdhui(), std::nullopt, fichiers,
                                             dialogues));
        // The document's own words are the user's.
        doc.Intitule = "Test";
        doc.Note = doc.Commentaire = "";
        return doc;
    }

    Traducteur traducteur;
    SystemeQt systeme;
    std::set<std::string> restes;
};

TEST_F(Anglais, AucunTexteDesPagesNeResteEnFrancais) {
    Document mesure = Exemple("miroir-200-f6.bdc");
    TouteslesPages(mesure, "miroir mesuré", nullptr);
    Document trou = Exemple("miroir-300-f5-trou.bdc");
    TouteslesPages(trou, "miroir percé", nullptr);
    Document rien = mesure;
    rien.Lectures[0][LigneMoyennes][1] = rien.Lectures[0][LigneMoyennes][2] = 0;
    TouteslesPages(rien, "rien de validé", nullptr);
    Document nouveau;
    InitialiseDocument(nouveau, systeme.Aujourdhui());
    TouteslesPages(nouveau, "nouveau document", nullptr);

    FichiersPosix fichiers;
    ChoixMoyenne choix = MoyenneDesSeries(
        SeriesDuFichier(fichiers, std::string(TARVO_SOURCE_DIR) + "/examples/miroir-200-f6.bdc"),
        {2, 3}, systeme);
    ASSERT_TRUE(choix.Moyenne);
    choix.Moyenne->Calcul.Serie.Intitule = "Test";
    TouteslesPages(choix.Moyenne->Calcul.Serie, "moyenne", &choix.Moyenne->Affichage);

    std::ostringstream liste;
    for (const std::string& r : restes) liste << "\n  " << r;
    EXPECT_TRUE(restes.empty()) << restes.size() << " textes restés en français :" << liste.str();
}

} // namespace
} // namespace tarvo
