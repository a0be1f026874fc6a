#include "document/Document.h"
#include "pages/analyse/DonneesAnalyse.h"
#include "pages/bulletin/DonneesBulletin.h"
#include "pages/caracteristiques/PageCaracteristiques.h"
#include "pages/commun/EnteteEtPied.h"
#include "pages/commun/IdentifiantsPages.h"
#include "pages/commun/Symbole.h"
#include "pages/feuille/TextesFeuille.h"
#include "pages/historique/DonneesHistorique.h"
#include "pages/mesures/PageMesuresPapier.h"
#include "pages/ombres/PageOmbres.h"
#include "support/CanvasEnregistreur.h"
#include "support/SurfaceFactice.h"
#include "support/SystemeFixe.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::CanvasEnregistreur;
using test::SurfaceFactice;

TEST(EnteteEtPied, SuffixeDeForme) {
    EXPECT_EQ(SuffixeForme(-1), " parabolique");
    EXPECT_EQ(SuffixeForme(-1.0009), " parabolique");
    EXPECT_EQ(SuffixeForme(-1.001), "");
    EXPECT_EQ(SuffixeForme(-0.999), "");
    EXPECT_EQ(SuffixeForme(0), " sphérique");
    EXPECT_EQ(SuffixeForme(0.0009), " sphérique");
    EXPECT_EQ(SuffixeForme(-0.001), "");
    EXPECT_EQ(SuffixeForme(0.001), "");
    EXPECT_EQ(SuffixeForme(-0.5), "");
}

TEST(EnteteEtPied, EtatDeLaFenetreParPage) {
    SurfaceFactice surface;
    EtatFenetrePage(surface, "NouvellesMesures");
    EXPECT_EQ(surface.BoutonEnfonce, BoutonPage::ToolNouvelles);
    EXPECT_EQ(surface.ContexteAide, 3300);
    EXPECT_EQ(surface.TexteStatut, "Cliquer sur la cellulle à modifier");
    EXPECT_EQ(surface.ConseilImprimer, "Imprimer |Imprimer ce tableau de mesures");
    EXPECT_TRUE(surface.Controles[Controle::BoutonAnnuler].Visible);
    EXPECT_EQ(surface.Controles[Controle::BoutonAnnuler].Gauche, 467);
    EXPECT_EQ(surface.Controles[Controle::BoutonAnnuler].Haut, 64);

    EtatFenetrePage(surface, "Caractéristiques");
    EXPECT_EQ(surface.BoutonEnfonce, BoutonPage::ToolCaracteristiques);
    EXPECT_EQ(surface.ContexteAide, 3100);
    EXPECT_EQ(surface.TexteStatut, "");
    EXPECT_EQ(surface.ConseilImprimer, "Imprimer |Imprimer le document affiché");
    EXPECT_FALSE(surface.Controles[Controle::BoutonAnnuler].Visible);

    // The report page writes its own status text.
    surface.TexteStatut = "déjà là";
    EtatFenetrePage(surface, "Bulletin");
    EXPECT_EQ(surface.ContexteAide, 3400);
    EXPECT_EQ(surface.TexteStatut, "déjà là");
    EXPECT_EQ(surface.ConseilImprimer, "Imprimer |Imprimer le bulletin de contrôle");
}

TEST(EnteteEtPied, NomsDePages) {
    EXPECT_EQ(IdentifiantPage("caracteristiques"), "Caractéristiques");
    EXPECT_EQ(IdentifiantPage("Caractéristiques"), "Caractéristiques");
    EXPECT_EQ(IdentifiantPage("bulletin"), "Bulletin");
    EXPECT_EQ(IdentifiantPage("EditionMesures"), "EditionMesures");
    EXPECT_FALSE(IdentifiantPage("caractéristiques"));
    EXPECT_FALSE(IdentifiantPage("Feuilles"));
    EXPECT_FALSE(IdentifiantPage(""));
}

TEST(EnteteEtPied, LettresDuSymbole) {
    EXPECT_EQ(TexteSymbole("m"), "μ");
    EXPECT_EQ(TexteSymbole("l "), "λ ");
    EXPECT_EQ(TexteSymbole("r"), "ρ");
    EXPECT_EQ(TexteSymbole("e"), "ε");
    EXPECT_EQ(TexteSymbole("L"), "Λ");
    EXPECT_EQ(TexteSymbole("= 2"), "= 2");
}

TEST(EnteteEtPied, SondeDesPolices) {
    CanvasEnregistreur canvas(1000, 1000, 96);
    // 26 characters of 13 px: 338 px.
    EXPECT_TRUE(SondePolices(canvas));
    EXPECT_EQ(canvas.PoliceCourante(), (Police{"Arial", 30, true}));
    canvas.PourMilleLargeur = 475; // 14 px: 364 px
    EXPECT_TRUE(SondePolices(canvas));
    canvas.PourMilleLargeur = 480; // 14.4 -> 14 px still
    EXPECT_TRUE(SondePolices(canvas));
    canvas.PourMilleLargeur = 500; // 15 px: 390 px
    EXPECT_FALSE(SondePolices(canvas));
}

// Printer of 600 ppp: size 20 is 167 px high (cell 192, characters 86 px), size 10 is
// 83 px (cell 95, characters 42 px).
TEST(EnteteEtPied, EnteteDuPapier) {
    CanvasEnregistreur papier(4760, 6814, 600);
    Document doc;
    doc.CoefDeformation = 0;
    doc.Intitule = "\"Mon miroir   \"";
    const int ht = DessineEntetePapier(papier, doc, "Caractéristiques du miroir", "09/12/2026");
    EXPECT_EQ(ht, 192);
    const test::Trace* titre = papier.Texte("Caractéristiques du miroir sphérique");
    ASSERT_NE(titre, nullptr);
    EXPECT_EQ(titre->PoliceUtilisee.Hauteur, -167);
    EXPECT_EQ(titre->X1, (4760 - 36 * 86) / 2);
    EXPECT_EQ(titre->Y1, 0);
    const test::Trace* date = papier.Texte("09/12/2026");
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->PoliceUtilisee.Hauteur, -83);
    EXPECT_EQ(date->X1, 4760 - 12 * 42);
    EXPECT_EQ(date->Y1, 192 - 95);
    // The name without its quotes and trailing blanks, centred under the title.
    const test::Trace* nom = papier.Texte("de Mon miroir");
    ASSERT_NE(nom, nullptr);
    EXPECT_EQ(nom->X1, (4760 - 13 * 42) / 2);
    EXPECT_EQ(nom->Y1, 192);
    EXPECT_EQ(papier.PoliceCourante().Hauteur, -83);
}

TEST(EnteteEtPied, SansNomPasDeLigneDe) {
    CanvasEnregistreur papier(4760, 6814, 600);
    Document doc;
    doc.CoefDeformation = -0.5;
    DessineEntetePapier(papier, doc, "Caractéristiques du miroir", "01/01/2000");
    EXPECT_EQ(papier.Textes(),
              (std::vector<std::string>{"Caractéristiques du miroir", "01/01/2000"}));
}

TEST(EnteteEtPied, PiedDuPapierSurFondBlanc) {
    CanvasEnregistreur papier(4760, 6814, 600);
    papier.FixeTaillePolice(10);
    papier.FixeCouleurBrosse(Argent);
    DessinePiedPapier(papier, 3000);
    ASSERT_EQ(papier.Traces.size(), 1u);
    const test::Trace& pied = papier.Traces[0];
    EXPECT_EQ(pied.Texte,
              "Document réalisé avec le logiciel TARVO - " + std::string(AdresseAuteur));
    EXPECT_EQ(pied.BrosseUtilisee, Brosse{});
    EXPECT_EQ(pied.X1, (4760 - test::NombreCaracteres(pied.Texte) * 42) / 2);
    EXPECT_EQ(pied.Y1, 3000);
}

// Each title is whole in the catalogue for each shape: in French the shaped ones must stay the
// plain title with its suffix, on screen and in the paper header alike.
TEST(EnteteEtPied, TitresDeChaqueFormeEnFrancais) {
    test::SystemeFixe systeme;
    for (const TitreParForme& titre : {TitreCaracteristiques, TitreFeuille, TitrePapierMesures,
                                       TitreBulletin, TitreAnalyse, TitreHistorique, TitreOmbres})
        for (const double k : {-1.0, 0.0, -0.5}) {
            const std::string attendu = std::string(titre.Quelconque) + SuffixeForme(k);
            EXPECT_EQ(TitreDeForme(systeme, titre, k), attendu);
            Document doc;
            doc.CoefDeformation = k;
            doc.Intitule = "Miroir";
            CanvasEnregistreur ancien(4760, 6814, 600), nouveau(4760, 6814, 600);
            DessineEntetePapier(ancien, doc, titre.Quelconque, "01/01/2000", true);
            DessineEntetePapier(nouveau, systeme, doc, titre, "01/01/2000", true);
            ASSERT_EQ(nouveau.Traces.size(), ancien.Traces.size());
            for (std::size_t i = 0; i < ancien.Traces.size(); ++i) {
                EXPECT_EQ(nouveau.Traces[i].Texte, ancien.Traces[i].Texte);
                EXPECT_EQ(nouveau.Traces[i].X1, ancien.Traces[i].X1);
                EXPECT_EQ(nouveau.Traces[i].Y1, ancien.Traces[i].Y1);
                EXPECT_EQ(nouveau.Traces[i].PoliceUtilisee, ancien.Traces[i].PoliceUtilisee);
            }
            EXPECT_EQ(nouveau.Textes().front(), attendu);
        }
}

} // namespace
} // namespace tarvo
