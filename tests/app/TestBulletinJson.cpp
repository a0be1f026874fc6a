#include "cli/Commandes.h"
#include "cli/DialoguesEnregistres.h"
#include "cli/Json.h"
#include "cli/Ouverture.h"
#include "pages/bulletin/PageBulletin.h"
#include "pages/commun/MasqueNombre.h"
#include "posix/FichiersPosix.h"
#include "support/SurfaceFactice.h"
#include "support/SystemeFixe.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace tarvo::test {
namespace {

const std::string Exemple = std::string(TARVO_SOURCE_DIR) + "/examples/miroir-200-f6.bdc";

// Every number of a key in the JSON text, in order.
std::vector<double> Valeurs(const std::string& json, const std::string& cle) {
    std::vector<double> valeurs;
    const std::string motif = "\"" + cle + "\":";
    for (auto i = json.find(motif); i != std::string::npos; i = json.find(motif, i + 1))
        valeurs.push_back(std::strtod(json.c_str() + i + motif.size(), nullptr));
    return valeurs;
}

// The report a user reads and the one `tarvo --json` gives come from one reduction: for the
// last series and for an older one, the page shows the numbers of the JSON.
TEST(BulletinEtJson, LaPageMontreLesNombresDuJson) {
    for (const std::optional<int> serie : {std::optional<int>{}, std::optional<int>{1}}) {
        FichiersPosix fichiers;
        DialoguesEnregistres dialogues;
        SystemeFixe systeme;
        Document pourJson, pourPage;
        ASSERT_TRUE(
            OuvreDocumentSansFenetre(pourJson, Exemple, systeme.Jour, serie, fichiers, dialogues));
        ASSERT_TRUE(
            OuvreDocumentSansFenetre(pourPage, Exemple, systeme.Jour, serie, fichiers, dialogues));
        std::string json;
        Json ecrivain(json);
        ecrivain.DebutObjet();
        EcritJsonOptique(ecrivain, pourJson);
        ecrivain.FinObjet();

        SurfaceFactice surface;
        MiseEnPage miseEnPage;
        CadresPage cadres;
        bool impression = false;
        EtatPages etat;
        EtatSaisie saisie;
        ContextePage page{pourPage, surface,    systeme, miseEnPage,
                          cadres,   impression, etat,    saisie};
        AfficheBulletin(page);

        const auto ecart = Valeurs(json, "EcartMax");
        ASSERT_EQ(ecart.size(), 1u);
        ASSERT_EQ(surface.Images.count(Controle::Dessin), 1u);
        EXPECT_NE(surface.Images.at(Controle::Dessin)
                      .Texte(" = " + FormateMasque(ecart[0], "#0", ',') + " nanomètres = "),
                  nullptr);
        for (const char* cle : {"MoyenneMoinsCte", "AberrationTransversale", "Pente"}) {
            const auto valeurs = Valeurs(json, cle);
            ASSERT_EQ(valeurs.size(), 4u) << cle;
            for (const double v : valeurs)
                EXPECT_NE(surface.Ecran.Texte(FormateMasque(v, "#0.000", ',')), nullptr)
                    << cle << " " << v;
        }
    }
}

} // namespace
} // namespace tarvo::test
