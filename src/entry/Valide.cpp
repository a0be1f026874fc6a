#include "entry/Valide.h"

#include "document/Conversions.h"
#include "entry/Placement.h"
#include "entry/ValideRegles.h"
#include "optics/Zonage.h"
#include "pages/commun/MasqueNombre.h"
#include "platform/Traduction.h"

#include <cmath>

namespace tarvo {

std::string SansBlancs(std::string_view texte) {
    std::string resultat;
    for (const char ch : texte)
        if (ch != ' ') resultat += ch;
    return resultat;
}

std::string SansBlancsAutour(std::string_view texte) {
    const auto debut = texte.find_first_not_of(' ');
    if (debut == std::string_view::npos) return {};
    return std::string(texte.substr(debut, texte.find_last_not_of(' ') - debut + 1));
}

int NatureNombre(std::string_view texte) {
    if (!texte.empty() && texte.front() == '-') texte.remove_prefix(1);
    int r = 0;
    bool separateur = false;
    for (const char ch : texte) {
        if (ch == ' ' || (ch >= '0' && ch <= '9')) {
            if (r == 0) r = 1;
        } else if (ch == ',' || ch == '.') {
            if (separateur) return 0;
            separateur = true;
            if (texte.size() > 1) r = 2;
        } else {
            return 0;
        }
    }
    return r;
}

namespace valide {

std::optional<double> NombreTape(std::string_view texte, Signe signe, bool entier) {
    const int nature = NatureNombre(texte);
    if (nature < 1 || (entier && nature != 1)) return std::nullopt;
    const std::optional<double> v = ConvertitNombre(texte);
    if (!v || !std::isfinite(*v)) return std::nullopt;
    if (signe == Signe::Positif && !(*v >= 0)) return std::nullopt;
    if (signe == Signe::StrictementPositif && !(*v > 0)) return std::nullopt;
    return v;
}

double AuDixieme(double v) {
    return Arrondi(v * 10) / 10;
}
double AuMillieme(double v) {
    return Arrondi(v * 1000) / 1000;
}

std::string Masque(const ContexteSaisie& c, double v, std::string_view masque) {
    return FormateMasque(v, masque, c.systeme.SeparateurDecimal());
}

std::string Longueur(const ContexteSaisie& c, double v) {
    return v == 0 ? std::string() : Masque(c, v, "#0.#");
}

void DateDuJour(ContexteSaisie& c) {
    c.doc.DateSerie = std::floor(c.systeme.Aujourdhui());
}

void Engage(ContexteSaisie& c, const std::string& texteEditeur, bool actions) {
    c.surface.FixeTexteSaisie(texteEditeur);
    c.doc.Modifie = true;
    DateDuJour(c);
    if (actions) c.programme.MetAJourActions();
}

void Rejette(ContexteSaisie& c, const std::string& message, std::uint32_t champ,
             const std::optional<std::string>& texteEditeur) {
    c.saisie.ChampCourant = champ;
    if (texteEditeur) c.surface.FixeTexteSaisie(*texteEditeur);
    c.saisie.TexteRejete = true;
    c.dialogues.Erreur(message);
}

void RejetteSilencieux(ContexteSaisie& c, const std::string& message) {
    const bool montre = !c.MessageAffiche;
    c.MessageAffiche = montre;
    c.saisie.TexteRejete = true;
    if (montre) c.dialogues.Erreur(message);
}

double Rayon(const Document& doc, int i) {
    if (doc.NombreZones < 0 || doc.NombreZones > ZonesMax || i < 0 || i > ZonesMax) return 0;
    return doc.Zones[static_cast<std::size_t>(i)][RayonExterieur];
}

bool PlusieursSeries(const Document& doc) {
    return doc.NombreSeries > 1;
}

void ChoisitZones(ContexteSaisie& c) {
    Document& doc = c.doc;
    if (!PlusieursSeries(doc)) {
        ChoisitNombreZones(doc);
        return;
    }
    // The older series of the file were measured with this count: changing it would give
    // their readings to other zones.
    const int propose = NombreZonesPropose(doc.Diametre, doc.Focale, doc.TrouCentral);
    CalculeRayonsZones(doc);
    if (propose != doc.NombreZones)
        c.dialogues.Message(
            Remplace(c.systeme.Traduit("Programme", "Le nombre de zones proposé (%1) n'est "
                                                    "pas appliqué : le fichier contient "
                                                    "d'autres séries mesurées avec %2 zones."),
                     {std::to_string(propose), std::to_string(doc.NombreZones)}));
}

void EffaceZones(ContexteSaisie& c) {
    for (int i = 1; i <= ZonesMax; ++i)
        c.doc.Zones[static_cast<std::size_t>(i)][RayonExterieur] = 0;
    if (!PlusieursSeries(c.doc)) c.doc.NombreZones = 3;
}

bool RecalculerZones(ContexteSaisie& c) {
    return c.dialogues.Confirmation(
               c.systeme.Traduit("Programme", "Voulez-vous recalculer les zones ?"), false,
               Reponse::Oui) == Reponse::Oui;
}

} // namespace valide

namespace {

// The measurements page places the editor on the current cell at each of its drawings,
// loaded with the cell's reading: a placement, after which the text is no longer one that
// was rejected.
bool EditeurSurCellule(const ContexteSaisie& c) {
    return c.saisie.ChampCourant == Champ::Lecture && PageDeSaisieMesures(c.PageCourante);
}

void ValideChamp(ContexteSaisie& c, const std::string& texte) {
    using namespace valide;
    switch (c.saisie.ChampCourant) {
    case Champ::Intitule:
        ValideIntitule(c, texte);
        break;
    case Champ::DiametreSerie:
        ValideDiametreSerie(c, texte, false);
        break;
    case Champ::FocaleSerie:
        ValideFocaleSerie(c, texte, false);
        break;
    case Champ::RayonCourbure:
        ValideRayonCourbure(c, texte);
        break;
    case Champ::Epaisseur:
        ValideEpaisseur(c, texte);
        break;
    case Champ::CoefDeformation:
        ValideCoefDeformation(c, texte);
        break;
    case Champ::NombreZones:
        ValideNombreZones(c, texte);
        break;
    case Champ::RayonZone:
        ValideRayonZone(c, texte);
        break;
    case Champ::Lecture:
        ValideLecture(c, texte);
        break;
    case Champ::TrouCentral:
        ValideTrouCentral(c, texte);
        break;
    case Champ::TrouCentralSerie:
        ValideTrouCentralSerie(c, texte);
        break;
    case Champ::Diametre:
        ValideDiametre(c, texte);
        break;
    case Champ::Focale:
        ValideFocale(c, texte);
        break;
    default:
        break; // 0: no field
    }
}

// A text already rejected stores nothing. Only the two report values, whose rejection
// keeps their kind, run again: their second rejection is the silent one.
void RepeteRejet(ContexteSaisie& c, const std::string& texte) {
    if (c.saisie.ChampCourant == Champ::DiametreSerie) valide::ValideDiametreSerie(c, texte, true);
    if (c.saisie.ChampCourant == Champ::FocaleSerie) valide::ValideFocaleSerie(c, texte, true);
}

} // namespace

void Valide(ContexteSaisie& c) {
    const std::string brut = c.surface.TexteSaisie();
    const std::string texte =
        c.saisie.ChampCourant == Champ::Intitule ? SansBlancsAutour(brut) : SansBlancs(brut);
    c.surface.FixeTexteSaisie(texte);

    if (c.saisie.TexteRejete)
        RepeteRejet(c, texte);
    else if (c.saisie.ChampCourant == Champ::Intitule || texte != SansBlancs(c.saisie.TextePlace))
        ValideChamp(c, texte);

    c.programme.MetAJourActions();
    c.programme.AffichePage();
    if (EditeurSurCellule(c)) c.saisie.TexteRejete = false;
}

} // namespace tarvo
