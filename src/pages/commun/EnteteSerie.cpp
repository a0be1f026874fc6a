#include "pages/commun/EnteteSerie.h"

#include "optics/MoyenneSeries.h"
#include "pages/commun/EnteteEtPied.h"

#include <algorithm>
#include <string>

namespace tarvo {

namespace {

constexpr int HauteurTitre = 20;
// The title is redrawn at the height that makes it about 6500 / 20 = 325 px wide.
constexpr int LargeurTitreVisee = 6500;

} // namespace

void EffaceEcran(Surface& surface, Canvas& c, int largeurPage) {
    c.FixeBrosse(Brosse{});
    c.FixePlume(Plume{});
    c.RemplitRectangle(0, 0, std::max(surface.LargeurControle(Controle::Fenetre), largeurPage),
                       surface.HauteurControle(Controle::Fenetre));
    surface.MetAJourActions();
}

void VisibiliteFleches(Surface& surface, const Document& doc, bool moyenne) {
    const bool mesures = surface.MesuresActive() && !moyenne;
    const int serie = doc.SerieCourante;
    surface.AfficheControle(Controle::UpRelache, mesures && serie < doc.NombreSeries);
    surface.AfficheControle(Controle::UpNeutre, !mesures || serie == doc.NombreSeries);
    surface.AfficheControle(Controle::DownRelache, mesures && serie >= 2);
    surface.AfficheControle(Controle::DownNeutre, !mesures || serie <= 1);
}

void SelecteurSeries(Surface& surface, Systeme& systeme, Canvas& c, const Document& doc,
                     const MoyenneAffichee* moyenne) {
    if (moyenne)
        surface.FixeTexteStatut(StatutMoyenne(systeme, *moyenne));
    else if (surface.MesuresActive() && doc.NombreSeries > 1)
        surface.FixeTexteStatut(systeme.Traduit("Pages", StatutSeries));
    VisibiliteFleches(surface, doc, moyenne != nullptr);
    CadreSelecteurSeries(surface, c);
}

std::string LibelleMoyenneAffichee(Systeme& systeme, const MoyenneAffichee& moyenne) {
    return moyenne.Sources.empty() ? moyenne.Libelle : LibelleMoyenne(moyenne.Sources, &systeme);
}

void DessineMoyenneEcran(Canvas& c, Systeme& systeme, int y, const Document& doc,
                         const MoyenneAffichee& moyenne) {
    const Police corps = c.PoliceCourante();
    DessineTexteSerie(c, systeme.Traduit("Pages", "Moyenne"));
    c.FixePolice(corps);
    const std::string libelle = LibelleMoyenneAffichee(systeme, moyenne);
    if (doc.Intitule.empty())
        c.EcritTexte(71, y, libelle);
    else
        DessineNomEcran(c, systeme, y, doc.Intitule + " — " + libelle);
}

std::string StatutMoyenne(Systeme& systeme, const MoyenneAffichee& moyenne) {
    return Remplace(systeme.Traduit("Pages", "%1, non enregistrée : Affichage, Enregistrer comme "
                                             "nouvelle série, pour la garder"),
                    {LibelleMoyenneAffichee(systeme, moyenne)});
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
