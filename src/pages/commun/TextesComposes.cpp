#include "pages/commun/TextesComposes.h"

namespace tarvo {

int EcritGrec(Canvas& c, int x, int y, std::string_view lettres, int leve) {
    c.FixeNomPolice(PoliceSymbol);
    c.EcritTexte(x, y - leve, lettres);
    c.FixeNomPolice(PoliceArial);
    return c.PositionCourante().X;
}

int EcritExposant(Canvas& c, int x, int y, std::string_view texte, int hauteurExposant,
                  int hauteurCorps) {
    c.FixeHauteurPolice(hauteurExposant);
    c.EcritTexte(x, y, texte);
    c.FixeHauteurPolice(hauteurCorps);
    return c.PositionCourante().X;
}

void EcritTacheDiffraction(Canvas& c, Systeme& systeme, int x, int y, const std::string& valeurs,
                           int leve) {
    c.EcritTexte(x, y,
                 systeme.Traduit("Pages", "Rayon de la tache de diffraction = ") + valeurs + " ");
    int suite = EcritGrec(c, c.PositionCourante().X, y, "m", leve);
    // The unit's µ is a letter of the Symbol face: the words around it go apart.
    c.EcritTexte(suite, y, systeme.Traduit("Pages", "m (pour "));
    suite = EcritGrec(c, c.PositionCourante().X, y, "l ", leve);
    c.EcritTexte(suite, y, "= 560 nm)");
}

namespace {

// "R⁴/e²"; returns the x after it.
int EcritRapportR4e2(Canvas& c, int x, int y, int hauteurCorps, int hauteurExposant) {
    c.EcritTexte(x, y, "R");
    int suite = EcritExposant(c, c.PositionCourante().X, y, "4", hauteurExposant, hauteurCorps);
    c.EcritTexte(suite, y, "/e");
    return EcritExposant(c, c.PositionCourante().X, y, "2", hauteurExposant, hauteurCorps);
}

} // namespace

int EcritLibelleR4e2(Canvas& c, int x, int y, int hauteurCorps, int hauteurExposant) {
    c.EcritTexte(EcritRapportR4e2(c, x, y, hauteurCorps, hauteurExposant), y, " = ");
    return c.PositionCourante().X;
}

void EcritR4e2(Canvas& c, int x, int y, const std::string& valeur, int hauteurCorps,
               int hauteurExposant) {
    const int suite = EcritRapportR4e2(c, x, y, hauteurCorps, hauteurExposant);
    c.EcritTexte(suite, y, " = " + valeur + " cm");
    EcritExposant(c, c.PositionCourante().X, y, "2", hauteurExposant, hauteurCorps);
}

} // namespace tarvo
