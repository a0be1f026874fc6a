#include "pages/feuille/TextesFeuille.h"

#include "pages/commun/MasqueNombre.h"
#include "pages/commun/TextesComposes.h"

namespace tarvo {
namespace {

std::string Libelle(Systeme& systeme, std::string_view libelle, const std::optional<double>& valeur,
                    std::string_view masque, std::string_view unite, char sep) {
    std::string texte = systeme.Traduit("Pages", libelle);
    if (valeur) texte += FormateMasque(*valeur, masque, sep) + std::string(unite);
    return texte;
}

} // namespace

std::array<std::string, 2> TexteEtatFeuille(Systeme& systeme, EtatFeuille etat) {
    std::string impossible =
        systeme.Traduit("Pages", "La feuille de travail ne peut pas être calculée :");
    if (etat == EtatFeuille::ValeursHorsLimites)
        return {
            std::move(impossible),
            systeme.Traduit("Pages", "une caractéristique ou un rayon de zone est hors limites.")};
    return {std::move(impossible),
            systeme.Traduit("Pages", "le diamètre et la distance focale doivent dépasser 1 mm.")};
}

std::string TexteProfondeur(Systeme& systeme, const ResultatFeuille& f, char sep) {
    return Libelle(systeme, TARVO_NOOP("Pages", "Profondeur de la concavité = "), f.Profondeur,
                   "#0.00", " mm", sep);
}

std::string TexteMasseVerreUsine(Systeme& systeme, const ResultatFeuille& f, char sep) {
    return Libelle(systeme, TARVO_NOOP("Pages", "Masse du verre usiné = "), f.MasseVerreUsine, "#0",
                   " g", sep);
}

std::string TexteVolume(Systeme& systeme, const ResultatFeuille& f, char sep) {
    return Libelle(systeme, TARVO_NOOP("Pages", "Volume de la concavité = "), f.VolumeConcavite,
                   "#0.00", "  cm³", sep);
}

std::string TexteMasseMiroir(Systeme& systeme, const ResultatFeuille& f, char sep) {
    const std::string masque =
        "#0." +
        std::string(static_cast<std::size_t>(DecimalesMasseMiroir(f.MasseMiroir.value_or(0))), '0');
    return Libelle(systeme, TARVO_NOOP("Pages", "Masse du Miroir = "), f.MasseMiroir, masque, " Kg",
                   sep);
}

std::string TexteEchelleImage(Systeme& systeme, const ResultatFeuille& f, char sep) {
    return systeme.Traduit("Pages", "Echelle de l'image au foyer = ") +
           FormateMasque(f.EchelleImage, "#0.00", sep) + " µm/\"";
}

void EcritEpaisseurMinimale(Canvas& c, Systeme& systeme, int x, int y, const ResultatFeuille& f,
                            char sep, const HauteursTexte& h) {
    c.EcritTexte(x, y,
                 Remplace(systeme.Traduit("Pages", "Epaisseur minimale = %1 mm pour "),
                          {FormateMasque(f.EpaisseurMinimale, "#0", sep)}));
    EcritR4e2(c, c.PositionCourante().X, y, "2000", h.Corps, h.Exposant);
}

void EcritRapportR4e2(Canvas& c, int x, int y, const Document& doc, char sep,
                      const HauteursTexte& h) {
    if (const auto rapport = RapportR4SurE2(doc))
        EcritR4e2(c, x, y, FormateGeneral(*rapport, sep), h.Corps, h.Exposant);
    else
        EcritLibelleR4e2(c, x, y, h.Corps, h.Exposant);
}

void EcritAuCentre(Canvas& c, int largeur, int y, std::string_view texte) {
    c.EcritTexte((largeur - c.LargeurTexte(texte)) / 2, y, texte);
}

int EcritLignesMatiere(Canvas& c, Systeme& systeme, int x, int xDroite, int largeur, int y, int pas,
                       double seuilEpaisseur, const Document& doc, const ResultatFeuille& f,
                       char separateur, const HauteursTexte& h) {
    if (doc.Epaisseur <= seuilEpaisseur) {
        EcritEpaisseurMinimale(c, systeme, x, y, f, separateur, h);
    } else {
        c.EcritTexte(x, y,
                     systeme.Traduit("Pages", "Epaisseur = ") +
                         FormateMasque(doc.Epaisseur, "#0.#", separateur) + " mm");
        EcritRapportR4e2(c, xDroite, y, doc, separateur, h);
    }
    y += pas;
    c.EcritTexte(x, y, TexteProfondeur(systeme, f, separateur));
    c.EcritTexte(xDroite, y, TexteMasseVerreUsine(systeme, f, separateur));
    y += pas;
    c.EcritTexte(x, y, TexteVolume(systeme, f, separateur));
    // A mirror without thickness has no mass.
    if (doc.Epaisseur >= 0.0001) c.EcritTexte(xDroite, y, TexteMasseMiroir(systeme, f, separateur));
    y += pas;
    EcritAuCentre(c, largeur, y, TexteEchelleImage(systeme, f, separateur));
    return y;
}

} // namespace tarvo
