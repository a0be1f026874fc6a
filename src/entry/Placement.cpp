#include "entry/Placement.h"

#include "entry/Grille.h"
#include "entry/Valide.h"
#include "pages/commun/IdentifiantsPages.h"
#include "pages/commun/MasqueNombre.h"
#include "pages/mesures/GrilleMesures.h"
#include "platform/Traduction.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace tarvo {

namespace {

// The stored value of a numeric kind (kind 8: of zone `ZoneCourante`), or nullptr.
const double* ValeurDuChamp(const ContexteSaisie& c, std::uint32_t champ) {
    const Document& doc = c.doc;
    switch (champ) {
    case Champ::DiametreSerie:
        return &doc.DiametreSerie;
    case Champ::FocaleSerie:
        return &doc.FocaleSerie;
    case Champ::RayonCourbure:
        return &doc.RayonCourbure;
    case Champ::Epaisseur:
        return &doc.Epaisseur;
    case Champ::CoefDeformation:
        return &doc.CoefDeformation;
    case Champ::TrouCentral:
        return &doc.TrouCentral;
    case Champ::TrouCentralSerie:
        return &doc.TrouCentralSerie;
    case Champ::Diametre:
        return &doc.Diametre;
    case Champ::Focale:
        return &doc.Focale;
    case Champ::RayonZone: {
        const int zone = c.saisie.ZoneCourante;
        return zone >= 0 && zone <= ZonesMax
                   ? &doc.Zones[static_cast<std::size_t>(zone)][RayonExterieur]
                   : nullptr;
    }
    default:
        return nullptr;
    }
}

// The box the editor of a kind lies on, from the boxes of the page last drawn; nothing for
// the kinds without a box and for a zone that does not take the editor.
std::optional<Cadre> CadreDuChamp(const ContexteSaisie& c, std::uint32_t champ, int zone) {
    const auto& cadres = c.cadres.Cadres;
    switch (champ) {
    case Champ::Intitule:
        return cadres[1];
    case Champ::DiametreSerie:
    case Champ::Diametre:
        return cadres[2];
    case Champ::Focale:
        return cadres[3];
    case Champ::RayonCourbure:
        return c.PageCourante == PageBulletin ? cadres[3] : cadres[4];
    case Champ::Epaisseur:
        return cadres[5];
    case Champ::CoefDeformation:
    case Champ::TrouCentralSerie:
        return cadres[7];
    case Champ::NombreZones:
        return cadres[8];
    case Champ::TrouCentral:
        return c.cadres.CadreTrou;
    case Champ::RayonZone: {
        if (!ZoneEditable(c.doc, zone)) return std::nullopt;
        const ColonnesDeZones& colonnes = c.cadres.ColonnesZones;
        const int gauche = colonnes.Bords[static_cast<std::size_t>(zone - 1)];
        return Cadre{gauche, colonnes.Haut, gauche + c.miseEnPage.LargeurColonne, colonnes.Bas};
    }
    default:
        return std::nullopt;
    }
}

int LongueurMax(std::uint32_t champ) {
    switch (champ) {
    case Champ::Intitule:
        return 70;
    case Champ::RayonCourbure:
    case Champ::Focale:
        return 7;
    case Champ::Epaisseur:
    case Champ::CoefDeformation:
        return 6;
    case Champ::NombreZones:
        return 2;
    default:
        return 5;
    }
}

// The editor's hint for a field, in the user's language ("short|long" where it has both).
std::string Indication(const Document& doc, Systeme& s, std::uint32_t champ) {
    switch (champ) {
    case Champ::Intitule:
        return s.Traduit("Programme", "Texte libre de 70 caractères maximum");
    case Champ::DiametreSerie:
        return Remplace(
            s.Traduit("Programme", "Le diamètre doit être supérieur à celui de la zone %1"),
            {std::to_string(static_cast<long long>(doc.NombreZones) - 1)});
    case Champ::RayonCourbure:
        return s.Traduit("Programme", "Le rayon de courbure doit être inférieur à 60000mm");
    case Champ::Epaisseur:
        return s.Traduit("Programme", "L'épaisseur doit être inférieure à 2000mm");
    case Champ::CoefDeformation:
        return s.Traduit("Programme", "Entrez une valeur comprise entre -5 et +5");
    case Champ::NombreZones:
        return s.Traduit("Programme", "10 zones au maximum - Une modification de ce nombre "
                                      "provoque un effacement des mesures");
    case Champ::RayonZone:
        return s.Traduit("Programme", "Le rayon de cette zone doit être inférieur au rayon de la "
                                      "zone suivante|Entrez une valeur en mm");
    case Champ::Diametre:
        return s.Traduit("Programme", "Le diamètre doit être inférieur à 1000mm");
    case Champ::Focale:
        return s.Traduit("Programme", "La distance focale doit être inférieure à 30000mm");
    case Champ::TrouCentral:
    case Champ::TrouCentralSerie:
        return s.Traduit("Programme",
                         "Le diamètre du trou doit être inférieur à celui de la zone 1");
    default:
        return {};
    }
}

// Length of a text as the editor counts it (UTF-16 units).
int LongueurEditeur(std::string_view texte) {
    int longueur = 0;
    for (const char ch : texte) {
        const auto octet = static_cast<unsigned char>(ch);
        if ((octet & 0xC0) != 0x80) ++longueur;
        if (octet >= 0xF0) ++longueur;
    }
    return longueur;
}

} // namespace

void PlaceEditeur(ContexteSaisie& c, std::uint32_t champ, int zone) {
    const std::optional<Cadre> cadre = CadreDuChamp(c, champ, zone);
    if (!cadre) return;
    EtatSaisie& s = c.saisie;
    if (champ == Champ::RayonZone) s.ZoneCourante = static_cast<std::int8_t>(zone);
    s.ChampCourant = champ;
    s.TexteRejete = false;
    if (champ == Champ::Intitule) s.TexteAvantSaisie = SansBlancsAutour(c.doc.Intitule);
    if (champ == Champ::NombreZones) s.NombreZonesAvantSaisie = c.doc.NombreZones;
    if (const double* valeur = ValeurDuChamp(c, champ)) s.ValeurAvantSaisie = *valeur;

    // A stored text longer than the kind's limit (a name from a file) is held whole: the
    // editor must not cut what the next validation would then store.
    const std::string texte = TexteDuChamp(c, champ);
    Surface& surface = c.surface;
    surface.FixeLongueurMaxSaisie(std::max(LongueurMax(champ), LongueurEditeur(texte)));
    surface.FixeTexteSaisie(texte);
    s.TextePlace = texte;
    surface.FixeIndicationSaisie(Indication(c.doc, c.systeme, champ));
    surface.AfficheControle(Controle::Saisie, true);
    surface.PlaceControle(Controle::Saisie, cadre->Gauche, cadre->Haut);
    surface.FixeLargeurControle(Controle::Saisie, cadre->Droite - cadre->Gauche);
}

std::string TexteDuChamp(const ContexteSaisie& c, std::uint32_t champ) {
    const Document& doc = c.doc;
    const char sep = c.systeme.SeparateurDecimal();
    switch (champ) {
    case Champ::Intitule:
        return SansBlancsAutour(doc.Intitule);
    case Champ::NombreZones:
        return std::to_string(doc.NombreZones);
    case Champ::CoefDeformation:
        return FormateMasque(doc.CoefDeformation, "#0.000", sep);
    case Champ::Lecture: {
        EtatSaisie cellule = c.saisie;
        RameneCellule(cellule, doc);
        const double lecture = doc.Lectures[static_cast<std::size_t>(cellule.ColonneCourante)]
                                           [static_cast<std::size_t>(cellule.LigneCourante)]
                                           [static_cast<std::size_t>(cellule.DiametreCourant)];
        return TexteLecture(lecture, sep);
    }
    default:
        break;
    }
    const double* valeur = ValeurDuChamp(c, champ);
    if (valeur == nullptr) return {};
    if (champ == Champ::RayonZone) return FormateMasque(*valeur, "#0.0", sep);
    // The series hole shows its own value: the mirror's hole may be 0 while the series
    // keeps one.
    return *valeur == 0 ? std::string() : FormateMasque(*valeur, "#0.#", sep);
}

} // namespace tarvo
