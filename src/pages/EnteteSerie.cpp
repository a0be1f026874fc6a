#include "pages/EnteteSerie.h"

#include "pages/EnteteEtPied.h"

#include <algorithm>
#include <string>

namespace tarvo {

namespace {

constexpr int HauteurTitre = 20;
// The title is redrawn at the height that makes it about 6500 / 20 = 325 px wide.
constexpr int LargeurTitreVisee = 6500;

} // namespace

void VisibiliteFleches(Surface& surface, const Document& doc, bool moyenne) {
    const bool mesures = surface.MesuresActive() && !moyenne;
    const int serie = doc.SerieCourante;
    surface.AfficheControle(Controle::UpRelache, mesures && serie < doc.NombreSeries);
    surface.AfficheControle(Controle::UpNeutre, !mesures || serie == doc.NombreSeries);
    surface.AfficheControle(Controle::DownRelache, mesures && serie >= 2);
    surface.AfficheControle(Controle::DownNeutre, !mesures || serie <= 1);
}

void SelecteurSeries(Surface& surface, Canvas& c, const Document& doc,
                     const MoyenneAffichee* moyenne) {
    if (moyenne)
        surface.FixeTexteStatut(StatutMoyenne(*moyenne));
    else if (surface.MesuresActive() && doc.NombreSeries > 1)
        surface.FixeTexteStatut(std::string(StatutSeries));
    VisibiliteFleches(surface, doc, moyenne != nullptr);
    CadreSelecteurSeries(surface, c);
}

void DessineMoyenneEcran(Canvas& c, int y, const Document& doc, const MoyenneAffichee& moyenne) {
    const Police corps = c.PoliceCourante();
    DessineTexteSerie(c, "Moyenne");
    c.FixePolice(corps);
    if (doc.Intitule.empty())
        c.EcritTexte(71, y, moyenne.Libelle);
    else
        DessineNomEcran(c, y, doc.Intitule + " — " + moyenne.Libelle);
}

std::string StatutMoyenne(const MoyenneAffichee& moyenne) {
    return moyenne.Libelle +
           ", non enregistrée : Affichage, Enregistrer comme nouvelle série, pour la garder";
}

int TitreAjuste(Canvas& c, const MiseEnPage& m, std::string_view titre) {
    c.FixeHauteurPolice(HauteurTitre);
    c.FixeGras(m.PetitesPolices);
    const int largeur = c.LargeurTexte(titre);
    c.FixeHauteurPolice(largeur > 0 ? std::max(1, LargeurTitreVisee / largeur) : HauteurTitre);
    c.EcritTexte((m.AbscisseDate + 120 - c.LargeurTexte(titre)) / 2, 5, titre);
    return c.HauteurTexte(titre) + 5;
}

} // namespace tarvo
