#include "pages/feuille/TableFeuille.h"

#include "pages/commun/LignesTableZones.h"
#include "pages/commun/MasqueNombre.h"
#include "pages/commun/TextesComposes.h"

#include <algorithm>
#include <string>

namespace tarvo {
namespace {

constexpr int LignesTable = 7;

std::uint16_t Borne16(int v) {
    return static_cast<std::uint16_t>(std::clamp(v, 0, 0xFFFF));
}

// A value through a mask, empty when the zone has none.
std::string Valeur(const std::optional<double>& v, std::string_view masque, char sep) {
    return v ? FormateMasque(*v, masque, sep) : std::string();
}

// The label of rows 1 to 6 from x.
void Libelle(Canvas& c, Systeme& systeme, int ligne, int x, int y, const HauteursTexte& h) {
    switch (ligne) {
    case 1:
        c.EcritTexte(x, y, "H. Ext");
        break;
    case 2:
        c.EcritTexte(x, y, "Hm");
        break;
    case 3:
        c.EcritTexte(x, y, "Hm");
        c.EcritTexte(EcritExposant(c, c.PositionCourante().X, y, "2", h.Exposant, h.Corps), y,
                     "/R");
        break;
    case 4:
        c.EcritTexte(x, y, "2");
        c.EcritTexte(EcritGrec(c, c.PositionCourante().X, y, "r"), y, "R/Hm");
        break;
    case 5:
        c.EcritTexte(x, y, systeme.Traduit("Pages", "Tol.sup"));
        break;
    default:
        c.EcritTexte(x, y, systeme.Traduit("Pages", "Tol.inf"));
        break;
    }
}

std::string ValeurZone(const Document& doc, const ResultatFeuille& f, int ligne, int z, char sep) {
    const ZoneFeuille& zone = f.Zones[static_cast<std::size_t>(z)];
    switch (ligne) {
    case 0:
        return std::to_string(z);
    case 1:
        return FormateMasque(doc.Zones[static_cast<std::size_t>(z)][RayonExterieur], "#0.0", sep);
    case 2:
        return FormateMasque(zone.Hm, "#0.00", sep);
    case 3:
        return FormateMasque(zone.Hm2SurR, "#0.000", sep);
    case 4:
        return Valeur(zone.DemiTolerance, "#0.000", sep);
    case 5:
        return Valeur(zone.TolSup, "#0.000", sep);
    default:
        return Valeur(zone.TolInf, "#0.000", sep);
    }
}

void EcritCentreColonne(Canvas& c, int gauche, int largeur, int y, std::string_view texte) {
    c.EcritTexte(gauche + (largeur - c.LargeurTexte(texte)) / 2, y, texte);
}

} // namespace

int DessineTableFeuille(Canvas& c, Systeme& systeme, MiseEnPage& m, const Document& doc,
                        const ResultatFeuille& f, const GabaritTableFeuille& g, char sep) {
    const int n = std::clamp(f.NombreZones, 0, ZonesMax);
    const int colonne = c.LargeurTexte("00000.0");
    m.LargeurColonne = Borne16(colonne);
    m.HauteurLigne = Borne16(g.HauteurLigne);
    const int x0 = (g.LargeurPage - colonne * (n + 1)) / 2;
    const int debut = x0 - c.LargeurTexte("M");

    TraceLignesTableZones(c, TraitsTableZones{debut, x0, colonne, n + 1, g.Haut, g.HauteurLigne,
                                              LignesTable, g.TraitFort, g.TraitFin});
    int y = g.Haut;
    for (int ligne = 0; ligne < LignesTable; ++ligne) {
        y = g.Haut + (g.HauteurLigne - g.HauteurTexte) / 2 + ligne * g.HauteurLigne;
        if (ligne == 0)
            EcritCentreColonne(c, x0, colonne, y, "Zones");
        else
            Libelle(c, systeme, ligne, debut, y, g.Hauteurs);
        for (int z = 1; z <= n; ++z)
            EcritCentreColonne(c, x0 + z * colonne, colonne, y, ValeurZone(doc, f, ligne, z, sep));
    }
    return y;
}

} // namespace tarvo
