// The rules of the series in memory: the report's diameter, focal length and hole, and the
// readings of the measurement grid.

#include "entry/Grille.h"
#include "entry/Navigation.h"
#include "entry/Placement.h"
#include "entry/ValideRegles.h"
#include "pages/mesures/GrilleMesures.h"
#include "platform/Traduction.h"

#include <cmath>

namespace tarvo::valide {

namespace {

// The report edits the last series only; an older one is shown, never changed.
bool SerieAncienne(const Document& doc) {
    return doc.SerieCourante < doc.NombreSeries;
}

} // namespace

void ValideDiametreSerie(ContexteSaisie& c, const std::string& texte, bool repetition) {
    Document& doc = c.doc;
    if (SerieAncienne(doc)) return;
    const auto tape = NombreTape(texte, Signe::Positif);
    if (!tape) return;
    const double v = AuDixieme(*tape);
    const double avant = c.saisie.ValeurAvantSaisie;
    if (v > doc.Diametre) {
        if (!repetition) doc.DiametreSerie = avant;
        return RejetteSilencieux(
            c, c.systeme.Traduit("Programme", "Le diamètre ne peux pas être augmenté."));
    }
    if (v > 0 && v < 1) {
        if (!repetition)
            Rejette(c, c.systeme.Traduit("Programme", "Le diamètre doit être supérieur à 1mm"),
                    Champ::DiametreSerie, Longueur(c, avant));
        return;
    }
    if (v == avant) return;

    // The series diameter must still hold every zone but the last one.
    const int n = doc.NombreZones;
    const bool zonePerdue = !(v / 2 > Rayon(doc, n - 1));
    const std::string zone = Remplace(
        c.systeme.Traduit("Programme", "Le diamètre doit être supérieur au diamètre de la zone %1"),
        {std::to_string(n - 1)});
    if (repetition) {
        if (zonePerdue) RejetteSilencieux(c, zone);
        return;
    }
    doc.DiametreSerie = v;
    c.surface.FixeTexteSaisie(Longueur(c, v));
    c.programme.MetAJourActions();
    DateDuJour(c);
    if (zonePerdue) {
        doc.DiametreSerie = avant;
        RejetteSilencieux(c, zone);
    }
    doc.ModifieBulletin = true;
}

void ValideFocaleSerie(ContexteSaisie& c, const std::string& texte, bool repetition) {
    Document& doc = c.doc;
    if (SerieAncienne(doc)) return;
    const auto tape = NombreTape(texte, Signe::Positif);
    if (!tape) return;
    const double v = AuDixieme(*tape);
    const double avant = c.saisie.ValeurAvantSaisie;
    const double f = doc.Focale;
    // Within 10 % of the initial focal length; none can be while it is 0.
    if (!(v < 30000 && f > 0 && std::fabs(v - f) / f < 0.1)) {
        if (!repetition) doc.FocaleSerie = avant;
        return RejetteSilencieux(
            c, c.systeme.Traduit("Programme",
                                 "La distance focale doit être inférieure à 30000mm (30m) et "
                                 "elle ne doit pas être à plus de 10% de la valeur initiale"));
    }
    if (repetition || v == avant) return;
    doc.FocaleSerie = v;
    doc.RayonCourbure = 2 * v;
    c.surface.FixeTexteSaisie(Longueur(c, v));
    DateDuJour(c);
    doc.ModifieBulletin = true;
}

void ValideLecture(ContexteSaisie& c, const std::string& texte) {
    Document& doc = c.doc;
    EtatSaisie& s = c.saisie;
    const int n = ZonesUtilisees(doc);
    if (s.LigneCourante < 1 || s.LigneCourante > LignesMesure || s.ColonneCourante < 1 ||
        s.ColonneCourante > n || s.DiametreCourant < 1 || s.DiametreCourant > 2)
        return;
    // An empty cell erases the reading.
    const auto tape = NombreTape(texte.empty() ? std::string("0") : texte, Signe::Positif);
    if (!tape) return;
    const double v = AuMillieme(*tape);
    const double avant = s.ValeurAvantSaisie;
    if (v >= 1000) {
        CellulePrecedente(s, n);
        return Rejette(
            c,
            c.systeme.Traduit("Programme",
                              "Tarvo n'accepte pas de valeur de mesure supérieure à 1000"),
            Champ::Lecture, TexteLecture(avant, c.systeme.SeparateurDecimal()));
    }
    if (v == avant) return;

    const auto ligne = static_cast<std::size_t>(s.LigneCourante);
    const auto diametre = static_cast<std::size_t>(s.DiametreCourant);
    doc.Lectures[static_cast<std::size_t>(s.ColonneCourante)][ligne][diametre] = v;
    Engage(c, TexteLecture(v, c.systeme.SeparateurDecimal()));
    // A complete line is validated, an incomplete one cannot stay so.
    doc.Lectures[0][ligne][diametre] =
        LigneComplete(doc, s.LigneCourante, s.DiametreCourant) ? 1 : 0;
}

void ValideTrouCentralSerie(ContexteSaisie& c, const std::string& texte) {
    Document& doc = c.doc;
    if (SerieAncienne(doc)) return;
    const auto tape = NombreTape(texte, Signe::Positif);
    if (!tape) return;
    const double v = AuDixieme(*tape);
    const double avant = c.saisie.ValeurAvantSaisie;
    if (v > 2 * Rayon(doc, 1))
        return Rejette(c,
                       c.systeme.Traduit("Programme",
                                         "Le rayon du trou central ne peut pas être supérieur au "
                                         "rayon de la première zone"),
                       Champ::TrouCentralSerie, Masque(c, avant, "#0.#"));
    // The series hole cannot be smaller than the mirror's.
    if (v == avant || v < doc.TrouCentral) return;
    doc.TrouCentralSerie = v;
    Engage(c, Longueur(c, v));
}

} // namespace tarvo::valide
