// The rules of the characteristics page: the name, the diameter, the focal length, the
// radius of curvature, the thickness, the conic constant, the zone count, the zone radii
// and the central hole.

#include "entry/Placement.h"
#include "entry/ValideRegles.h"
#include "optics/Zonage.h"

namespace tarvo::valide {

namespace {

// Steps 4 and 5 of the focal length, also run by the radius of curvature: a cleared focal
// length clears the layout, a first one lays the zones out without asking.
void ZonesDeLaFocale(ContexteSaisie& c, double avant) {
    const Document& doc = c.doc;
    if ((doc.Focale == 0 || doc.Diametre == 0) && doc.Diametre > 0.0001) EffaceZones(c);
    if (avant == 0 && doc.Focale > 0 && doc.Diametre > 0) ChoisitZones(c);
}

} // namespace

void ValideIntitule(ContexteSaisie& c, const std::string& texte) {
    if (texte == c.saisie.TexteAvantSaisie) return;
    c.doc.Intitule = texte;
    Engage(c, texte);
}

void ValideDiametre(ContexteSaisie& c, const std::string& texte) {
    const auto tape = NombreTape(texte, Signe::Positif);
    if (!tape) return;
    const double v = AuDixieme(*tape);
    const double avant = c.saisie.ValeurAvantSaisie;
    if (v >= 1000)
        return Rejette(c,
                       c.systeme.Traduit("Programme", "Le diamètre doit être inférieur à 1000mm"),
                       Champ::Intitule);
    if (v > 0 && v < 1)
        return Rejette(c, c.systeme.Traduit("Programme", "Le diamètre doit être supérieur à 1mm"),
                       Champ::Intitule, Longueur(c, avant));
    if (v == avant) return;

    Document& doc = c.doc;
    doc.Diametre = v;
    doc.DiametreSerie = v;
    if (doc.TrouCentral > doc.DiametreSerie / 2) doc.TrouCentral = doc.DiametreSerie / 2;
    Engage(c, Longueur(c, v));
    if (doc.Diametre > 0.0001 && doc.Focale > 0.0001) {
        const int n = doc.NombreZones;
        // A larger mirror keeps a valid layout, so the user may keep it; a smaller one
        // whose rim falls inside zone N − 1, or a first diameter, needs a new one.
        if (doc.Diametre / 2 > Rayon(doc, n - 1) && avant > 0.0001) {
            if (RecalculerZones(c))
                ChoisitZones(c);
            else if (n >= 1 && n <= ZonesMax)
                doc.Zones[static_cast<std::size_t>(n)][RayonExterieur] = doc.Diametre / 2;
        } else {
            ChoisitZones(c);
        }
    }
    if (doc.Diametre == 0) EffaceZones(c);
}

void ValideFocale(ContexteSaisie& c, const std::string& texte) {
    const auto tape = NombreTape(texte, Signe::Positif);
    if (!tape) return;
    const double v = AuDixieme(*tape);
    const double avant = c.saisie.ValeurAvantSaisie;
    if (v >= 30000)
        return Rejette(c,
                       c.systeme.Traduit("Programme",
                                         "La distance focale doit être inférieure à 30000mm (30m)"),
                       Champ::Diametre);
    if (v == avant) return;

    Document& doc = c.doc;
    doc.Focale = v;
    doc.FocaleSerie = v;
    doc.RayonCourbure = 2 * v;
    Engage(c, Longueur(c, v));
    if (avant > 0 && doc.Focale > 0 && doc.Diametre > 0 && RecalculerZones(c)) ChoisitZones(c);
    ZonesDeLaFocale(c, avant);
}

void ValideRayonCourbure(ContexteSaisie& c, const std::string& texte) {
    Document& doc = c.doc;
    // On the report the radius is the series focal length's: an older series is shown only.
    if (c.PageCourante == PageBulletin && doc.SerieCourante < doc.NombreSeries) return;
    const auto tape = NombreTape(texte, Signe::Positif);
    if (!tape) return;
    const double v = AuDixieme(*tape);
    const double avant = c.saisie.ValeurAvantSaisie;
    if (v >= 60000)
        return Rejette(c,
                       c.systeme.Traduit(
                           "Programme", "Le rayon de courbure doit être inférieur à 60000mm (60m)"),
                       Champ::Focale);
    if (v == avant) return;

    const bool caracteristiques = c.PageCourante == PageCaracteristiques;
    doc.RayonCourbure = v;
    doc.FocaleSerie = v / 2;
    if (caracteristiques) doc.Focale = doc.FocaleSerie;
    Engage(c, Longueur(c, v));
    // The layout belongs to the characteristics: the report's radius leaves it alone.
    if (caracteristiques) ZonesDeLaFocale(c, avant);
}

void ValideEpaisseur(ContexteSaisie& c, const std::string& texte) {
    const auto tape = NombreTape(texte, Signe::Positif);
    if (!tape) return;
    const double v = AuDixieme(*tape);
    if (v >= 2000)
        return Rejette(c,
                       c.systeme.Traduit("Programme", "L'épaisseur doit être inférieure à 2000mm"),
                       Champ::RayonCourbure);
    if (v == c.saisie.ValeurAvantSaisie) return;
    c.doc.Epaisseur = v;
    Engage(c, Longueur(c, v), false);
}

void ValideCoefDeformation(ContexteSaisie& c, const std::string& texte) {
    const auto tape = NombreTape(texte, Signe::Libre);
    if (!tape) return;
    const double v = *tape;
    if (v < -5)
        return Rejette(c,
                       c.systeme.Traduit("Programme",
                                         "Le Coefficient de déformation doit être supérieur à -5"),
                       Champ::Epaisseur);
    if (v >= 5)
        return Rejette(
            c,
            c.systeme.Traduit("Programme", "Le Coefficient de déformation doit être inférieur à 5"),
            Champ::Epaisseur);
    if (v == c.saisie.ValeurAvantSaisie) return;
    c.doc.CoefDeformation = v;
    Engage(c, Masque(c, v, "0.000"));
}

void ValideNombreZones(ContexteSaisie& c, const std::string& texte) {
    const auto tape = NombreTape(texte, Signe::StrictementPositif, true);
    if (!tape) return;
    if (*tape >= 11)
        return Rejette(c, c.systeme.Traduit("Programme", "10 zones au maximum"),
                       Champ::TrouCentral);
    if (*tape < 2)
        return Rejette(c, c.systeme.Traduit("Programme", "2 zones au minimum"), Champ::TrouCentral);
    const int n = static_cast<int>(*tape);

    Document& doc = c.doc;
    if (PlusieursSeries(doc)) {
        if (n != doc.NombreZones)
            Rejette(c,
                    c.systeme.Traduit("Programme",
                                      "Le nombre de zones ne peut pas être modifié : le fichier "
                                      "contient d'autres séries mesurées avec ce nombre de "
                                      "zones."),
                    Champ::TrouCentral);
        return;
    }
    if (n == c.saisie.NombreZonesAvantSaisie) return;
    doc.NombreZones = n;
    Engage(c, std::to_string(n), false);
    CalculeRayonsZones(doc);
    // The readings in memory were taken on other zones.
    for (auto& zone : doc.Lectures)
        for (int j = 1; j <= LignesMesure; ++j)
            zone[static_cast<std::size_t>(j)] = {};
    c.programme.MetAJourActions();
}

void ValideRayonZone(ContexteSaisie& c, const std::string& texte) {
    Document& doc = c.doc;
    const int i = c.saisie.ZoneCourante;
    // The last zone's radius is the rim's: only zones 1..N − 1 of the table take a radius.
    if (!(1 <= i && i < doc.NombreZones && doc.NombreZones <= ZonesMax)) return;
    const auto tape = NombreTape(texte, Signe::StrictementPositif);
    if (!tape) return;
    const double v = AuDixieme(*tape);
    const bool sousPrecedente = v < Rayon(doc, i - 1);
    if (sousPrecedente || v > Rayon(doc, i + 1)) {
        c.saisie.ZoneCourante = static_cast<std::int8_t>(i - 1);
        return Rejette(
            c,
            sousPrecedente
                ? c.systeme.Traduit("Programme", "Le rayon d'une zone ne peut pas être inférieur "
                                                 "au rayon de la zone précédente")
                : c.systeme.Traduit("Programme", "Le rayon d'une zone ne peut pas être supérieur "
                                                 "au rayon de la zone suivante"),
            Champ::RayonZone);
    }
    if (v == c.saisie.ValeurAvantSaisie) return;
    doc.Zones[static_cast<std::size_t>(i)][RayonExterieur] = v;
    // The measurement actions follow `Modifie` at the action update of `Valide`.
    Engage(c, Masque(c, v, "#0.0"), false);
}

void ValideTrouCentral(ContexteSaisie& c, const std::string& texte) {
    // An empty editor is given "0" (and a value of 0 stays shown so).
    const std::string t = texte.empty() ? std::string("0") : texte;
    if (texte.empty()) c.surface.FixeTexteSaisie(t);
    const auto tape = NombreTape(t, Signe::Positif);
    if (!tape) return;
    const double v = AuDixieme(*tape);
    const double avant = c.saisie.ValeurAvantSaisie;
    Document& doc = c.doc;
    if (v > doc.Diametre / 2)
        return Rejette(c,
                       c.systeme.Traduit("Programme",
                                         "Le diamètre du trou central ne peut pas être "
                                         "supérieur à la moitié du diamètre du miroir"),
                       Champ::CoefDeformation, Masque(c, avant, "#0.#"));
    // Exactly half the diameter is neither accepted nor rejected.
    if (!(v < doc.Diametre / 2) || v == avant) return;

    doc.TrouCentral = v;
    doc.TrouCentralSerie = v;
    Engage(c, Longueur(c, v));
    // The hole's diameter against the first zone's outer radius, as the program always did.
    if (v >= Rayon(doc, 1) || RecalculerZones(c)) ChoisitZones(c);
}

} // namespace tarvo::valide
