#include "pages/mesures/PageMesuresPapier.h"

#include "pages/commun/EnteteEtPied.h"
#include "pages/mesures/GrilleMesures.h"

#include <string>

namespace tarvo {
namespace {

// The paper layout of the two grids: a tick column `Coches` wide from the margin, the
// label column `Libelles` wide, zone columns `Colonne` wide from `Gauche`, rows `Ligne`
// high, grid d from `Haut`[d].
struct GrillePapier {
    int Marge = 0;
    int Coches = 0;
    int Libelles = 0;
    int Colonne = 0;
    int Ligne = 0;
    int Zones = 0;
    int Gauche = 0;
    int Unite = 1;

    int Droite() const { return Gauche + Zones * Colonne; }
    int HautTexte(int haut, int k, int hauteur) const {
        return haut + k * Ligne + (Ligne - hauteur) / 2;
    }
};

void Trait(Canvas& c, int x1, int y1, int x2, int y2, int largeur) {
    c.FixeLargeurPlume(largeur);
    TraceSegment(c, x1, y1, x2, y2);
    c.FixeLargeurPlume(1);
}

void TraitsGrille(Canvas& c, const GrillePapier& g, int haut) {
    const int bas = haut + 12 * g.Ligne;
    for (const int x : {g.Marge, g.Marge + g.Coches})
        Trait(c, x, haut + g.Ligne, x, bas, 1);
    Trait(c, g.Gauche, haut, g.Gauche, bas, g.Unite);
    for (int z = 1; z <= g.Zones; ++z)
        Trait(c, g.Gauche + z * g.Colonne, haut, g.Gauche + z * g.Colonne, bas, 1);
    for (int k = 1; k <= 12; ++k) {
        const int y = haut + k * g.Ligne;
        Trait(c, g.Marge, y, g.Droite(), y, k == 1 || k == 11 ? g.Unite : 1);
    }
}

void TextesGrille(Canvas& c, Systeme& systeme, const GrillePapier& g, const Document& doc, int d,
                  int haut, char sep) {
    auto libelle = [&](int k, const std::string& texte) {
        c.EcritTexte(g.Gauche - g.Libelles + (g.Libelles - c.LargeurTexte(texte)) / 2,
                     g.HautTexte(haut, k, c.HauteurTexte(texte)), texte);
    };
    const int retrait = (g.Colonne - c.LargeurTexte(EchantillonLecture)) / 2;
    auto valeurs = [&](int k) {
        const int y = g.HautTexte(haut, k, c.HauteurTexte("M"));
        for (int z = 1; z <= g.Zones; ++z) {
            const std::string texte = TexteLecture(Lecture(doc, z, k, d), sep);
            if (!texte.empty())
                c.EcritTexte(g.Gauche + z * g.Colonne - retrait - c.LargeurTexte(texte), y, texte);
        }
        return y;
    };

    libelle(0, std::string(LibelleZones));
    for (int z = 1; z <= g.Zones; ++z) {
        const std::string numero = std::to_string(z);
        c.EcritTexte(g.Gauche + (z - 1) * g.Colonne + (g.Colonne - c.LargeurTexte(numero)) / 2,
                     g.HautTexte(haut, 0, c.HauteurTexte(numero)), numero);
    }
    for (int r = 1; r <= LignesMesure; ++r) {
        libelle(r, LibelleLigne(systeme, r));
        const int y = valeurs(r);
        if (LigneValidee(doc, r, d)) CocheImpression(c, g.Marge, y, g.Unite);
    }
    libelle(LigneMoyennes, LibelleMoyenne(systeme, d));
    // A diameter without a validated line keeps former means that must not show.
    if (LigneValidee(doc, LigneMoyennes, d))
        CocheImpression(c, g.Marge, valeurs(LigneMoyennes), g.Unite);
}

} // namespace

void DessineMesuresPapier(ContextePage& page, Canvas& c, int hauteurTitre) {
    const Document& doc = page.doc;
    const MiseEnPage& m = page.miseEnPage;
    Systeme& systeme = page.systeme;
    const char sep = systeme.SeparateurDecimal();
    const int marge = m.MargeImpression;
    const int pas = m.InterligneImpression;

    const std::string serie = TexteNumeroSerie(systeme, doc.SerieCourante);
    c.EcritTexte(2 * marge, hauteurTitre - c.HauteurTexte(serie), serie);

    int y = hauteurTitre + 2 * pas;
    c.EcritTexte(marge, y, systeme.Traduit("Pages", PhraseValidees));
    y += pas;
    c.EcritTexte(marge, y, systeme.Traduit("Pages", PhraseUnites));

    GrillePapier g;
    g.Marge = marge;
    g.Ligne = 2 * c.HauteurTexte("Hp");
    g.Colonne = c.LargeurTexte("-000.000-");
    g.Coches = c.LargeurTexte("HH");
    // The label column holds the widest label: "-Mesure 10-" in French.
    g.Libelles = c.LargeurTexte("-" + LibelleLigne(systeme, 10) + "-");
    g.Zones = ZonesUtilisees(doc);
    g.Gauche = marge + g.Coches + g.Libelles;
    g.Unite = m.UnitePoint;

    y += 2 * pas;
    const std::string diametre1 = LibelleDiametre(systeme, 1);
    c.EcritTexte(marge, y, diametre1);
    const int haut1 = y + g.Ligne;
    const int y2 = haut1 + 12 * g.Ligne + 3 * c.HauteurTexte(diametre1) / 2;
    c.EcritTexte(marge, y2, LibelleDiametre(systeme, 2));
    const int haut2 = y2 + g.Ligne;

    // Clear text backgrounds: a wide label never cuts a rule.
    c.FixeStyleBrosse(StyleBrosse::Vide);
    int d = 1;
    for (const int haut : {haut1, haut2}) {
        TraitsGrille(c, g, haut);
        TextesGrille(c, systeme, g, doc, d++, haut, sep);
    }
    DessinePiedPapier(c, haut2 + 12 * g.Ligne + 2 * m.UnitePoint, systeme);
}

} // namespace tarvo
