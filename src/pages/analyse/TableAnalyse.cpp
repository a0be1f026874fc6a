#include "pages/analyse/TableAnalyse.h"

#include "pages/analyse/SourceIncertitudes.h"
#include "pages/commun/SourceHistorique.h"

#include <algorithm>
#include <array>

namespace tarvo {

ContenuAnalyse PrepareAnalyse(ContextePage& page) {
    ContenuAnalyse contenu;
    Document copie = page.doc;
    contenu.Reduction = CalculeBulletin(copie, page.etat.DiametresRetenus);
    const ResultatReduction& r = contenu.Reduction;
    if (!r.Calculee()) return contenu;
    // A mean holds more lines than its document: its own are the pooled ones.
    const LignesValidees lignes = page.etat.Moyenne ? page.etat.Moyenne->Lignes : LignesDe(copie);
    contenu.Figures = CalculeFigures(r, lignes);
    const std::uint8_t retenus = page.etat.DiametresRetenus;
    if (page.etat.Incertitudes)
        contenu.Incertitudes = page.etat.Incertitudes->Incertitudes(page.doc, lignes, retenus);
    // Paper is drawn once: it waits for the figures rather than print "en calcul".
    if (!contenu.Incertitudes && (page.ModeImpression || !page.etat.Incertitudes))
        contenu.Incertitudes = Reechantillonne(page.doc, lignes, retenus);

    DonneesProfil& p = contenu.Profil;
    p.NombreZones = r.NombreZones;
    for (int i = 0; i <= r.NombreZones; ++i)
        p.Rayons[static_cast<std::size_t>(i)] = r.Zones[static_cast<std::size_t>(i)].RayonExterieur;
    p.Ecarts = contenu.Figures.Ecarts;
    if (contenu.Incertitudes && contenu.Incertitudes->Etat == EtatIncertitudes::Calculees)
        p.Sigmas = contenu.Incertitudes->Ecarts;
    p.Diametre = page.doc.DiametreSerie;
    p.Trou = page.doc.TrouCentralSerie;
    p.Separateur = page.systeme.SeparateurDecimal();
    p.Langue = &page.systeme;
    return contenu;
}

int DessineTableAnalyse(Canvas& c, Systeme& systeme, int gauche, int haut, int hauteurLigne,
                        int trait, const ContenuAnalyse& contenu) {
    const auto lignes = LignesAnalyse(contenu.Figures, contenu.Incertitudes, systeme);
    const std::string grandeur = systeme.Traduit("Pages", EnteteGrandeur);
    const std::string valeur = systeme.Traduit("Pages", EnteteValeur);
    const int marge = c.LargeurTexte("M") / 2;
    std::array<int, 3> largeurs{c.LargeurTexte(grandeur), c.LargeurTexte(valeur),
                                c.LargeurTexte(EnteteIncertitude)};
    for (const LigneAnalyse& l : lignes) {
        largeurs[0] = std::max(largeurs[0], c.LargeurTexte(l.Libelle));
        largeurs[1] = std::max(largeurs[1], c.LargeurTexte(l.Valeur));
        largeurs[2] = std::max(largeurs[2], c.LargeurTexte(l.Incertitude));
    }
    std::array<int, 4> bords{gauche};
    for (std::size_t k = 0; k < 3; ++k)
        bords[k + 1] = bords[k] + largeurs[k] + 2 * marge;
    const int decalage = (hauteurLigne - c.HauteurTexte("Bp")) / 2;
    auto ligne = [&](int rang, std::string_view a, std::string_view b, std::string_view s) {
        const int y = haut + rang * hauteurLigne + decalage;
        c.EcritTexte(bords[0] + marge, y, a);
        // Values and σ are set right, so that their decimal places line up.
        c.EcritTexte(bords[2] - marge - c.LargeurTexte(b), y, b);
        c.EcritTexte(bords[3] - marge - c.LargeurTexte(s), y, s);
    };
    ligne(0, grandeur, valeur, EnteteIncertitude);
    for (std::size_t i = 0; i < lignes.size(); ++i)
        ligne(static_cast<int>(i) + 1, lignes[i].Libelle, lignes[i].Valeur, lignes[i].Incertitude);

    const int bas = haut + static_cast<int>(lignes.size() + 1) * hauteurLigne;
    const Brosse avant = c.BrosseCourante();
    c.FixeBrosse(Brosse{Noir, StyleBrosse::Plein});
    c.RemplitRectangle(bords[0], haut + hauteurLigne - trait, bords[3],
                       haut + hauteurLigne + trait);
    for (std::size_t k = 1; k < 3; ++k)
        c.RemplitRectangle(bords[k] - trait / 2, haut, bords[k] - trait / 2 + trait, bas);
    c.FixeBrosse(avant);
    return bas;
}

} // namespace tarvo
