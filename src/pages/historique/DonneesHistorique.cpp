#include "pages/historique/DonneesHistorique.h"

#include "pages/commun/MasqueNombre.h"

#include <algorithm>

namespace tarvo {

std::array<std::string, ColonnesHistorique> EntetesHistorique(Systeme& systeme) {
    return {systeme.Traduit("Pages", "N°"),
            systeme.Traduit("Pages", "Date"),
            systeme.Traduit("Pages", "Diam."),
            systeme.Traduit("Pages", "Lect."),
            "ε (nm)",
            "λ/…",
            "RMS (nm)",
            "Strehl",
            "K",
            systeme.Traduit("Pages", "Commentaire")};
}

std::array<std::string, ColonnesHistorique>
TextesLigneHistorique(const ResumeSerie& s, Systeme& systeme,
                      const std::function<std::string(double)>& date) {
    const char sep = systeme.SeparateurDecimal();
    std::array<std::string, ColonnesHistorique> t;
    t[0] = s.Numero > 0 ? std::to_string(s.Numero) : systeme.Traduit("Pages", "Moy.");
    t[1] = date(s.Date);
    t[2] = s.Diametre > 0.0001 ? FormateMasque(s.Diametre, "#0.0", sep) : std::string(SansValeur);
    t[3] = std::to_string(s.Lectures);
    auto valeur = [&](const std::optional<double>& v, std::string_view masque) {
        return s.Calculee() && v ? FormateMasque(*v, masque, sep) : std::string(SansValeur);
    };
    t[4] = valeur(s.EcartMax, "#0.0");
    if (s.Calculee() && s.FractionLambda) {
        const double q = *s.FractionLambda;
        t[5] = "λ/" + FormateMasque(q, q >= 10 ? "#0" : q >= 1 ? "#0.0" : "#0.00", sep);
    } else {
        t[5] = std::string(SansValeur);
    }
    t[6] = valeur(s.EcartRMS, "#0.0");
    t[7] = valeur(s.Strehl, "0.000");
    t[8] = valeur(s.Conique, "#0.000");
    t[9] = s.Commentaire;
    return t;
}

PageDuTableau PageDuTableauHistorique(int nombre, int debut) {
    PageDuTableau p;
    if (nombre <= 0) return p;
    const int dernierDebut = std::max(1, nombre - LignesParPageHistorique + 1);
    p.Premiere = debut <= 0 ? dernierDebut : std::clamp(debut, 1, dernierDebut);
    p.Derniere = std::min(nombre, p.Premiere + LignesParPageHistorique - 1);
    return p;
}

int DebutPourVoir(int nombre, int serie, int debut) {
    const PageDuTableau page = PageDuTableauHistorique(nombre, debut);
    if (serie < 1 || (serie >= page.Premiere && serie <= page.Derniere)) return page.Premiere;
    return serie < page.Premiere ? serie : serie - LignesParPageHistorique + 1;
}

std::string LigneResumeHistorique(Systeme& systeme, const std::vector<ResumeSerie>& series,
                                  PageDuTableau page,
                                  const std::function<std::string(double)>& date) {
    const int nombre = static_cast<int>(series.size());
    if (nombre == 0) return systeme.Traduit("Pages", "Aucune série de mesures.");
    std::string texte = nombre == 1 ? Remplace(systeme.Traduit("Pages", "1 série, le %1"),
                                               {date(series.front().Date)})
                                    : Remplace(systeme.Traduit("Pages", "%1 séries, du %2 au %3"),
                                               {std::to_string(nombre), date(series.front().Date),
                                                date(series.back().Date)});
    if (page.Premiere > 1 || page.Derniere < nombre)
        texte += Remplace(systeme.Traduit("Pages", " ; séries %1 à %2 ci-dessous"),
                          {std::to_string(page.Premiere), std::to_string(page.Derniere)});
    return texte + ".";
}

} // namespace tarvo
