#include "pages/analyse/DonneesAnalyse.h"

#include "pages/commun/MasqueNombre.h"

#include <algorithm>
#include <cmath>

namespace tarvo {

namespace {

constexpr std::string_view Absent = "—";
constexpr double SeuilLigne = 0.0001;

// Two significant digits of σ fix the decimals of the value; without a σ, the usual ones.
int Decimales(const std::optional<double>& sigma, int usuelles, int plus) {
    if (!sigma || !(*sigma > 0) || !std::isfinite(*sigma)) return usuelles;
    return std::clamp(1 - static_cast<int>(std::floor(std::log10(*sigma))), 0, plus);
}

std::string Nombre(double v, int decimales, char sep) {
    return FormateMasque(v, decimales == 0 ? "#0" : "#0." + std::string(decimales, '0'), sep);
}

// "12,8 nm = λ/44", the fraction as the report writes it.
std::string Nanometres(const std::optional<double>& v, const std::optional<double>& q,
                       int decimales, char sep) {
    if (!v) return std::string(Absent);
    std::string texte = Nombre(*v, decimales, sep) + " nm";
    if (q) {
        const char* masque = *q >= 10 ? "#0" : *q >= 1 ? "#0.0" : "#0.00";
        texte += " = λ/" + FormateMasque(*q, masque, sep);
    }
    return texte;
}

std::string Sigma(const std::optional<double>& sigma, int decimales, std::string_view unite,
                  char sep) {
    if (!sigma) return std::string(Absent);
    return "± " + Nombre(*sigma, decimales, sep) + std::string(unite);
}

} // namespace

std::array<LigneAnalyse, 4> LignesAnalyse(const FiguresAnalyse& f,
                                          const std::optional<IncertitudesAnalyse>& u,
                                          Systeme& systeme) {
    const char sep = systeme.SeparateurDecimal();
    const std::string enCours = systeme.Traduit("Pages", "en calcul");
    const bool pret = u.has_value();
    const IncertitudesAnalyse vide;
    const IncertitudesAnalyse& i = pret ? *u : vide;
    auto ligne = [&](std::string_view libelle, const std::optional<double>& valeur,
                     const std::optional<double>& sigma, int usuelles, int plus,
                     std::string_view unite, const std::optional<double>& fraction, bool attendu) {
        const int d = Decimales(sigma, usuelles, plus);
        LigneAnalyse l;
        l.Libelle = systeme.Traduit("Pages", libelle);
        if (unite.empty())
            l.Valeur = valeur ? Nombre(*valeur, d, sep) : std::string(Absent);
        else
            l.Valeur = Nanometres(valeur, fraction, d, sep);
        l.Incertitude = attendu ? enCours : Sigma(sigma, d, unite, sep);
        return l;
    };
    return {
        ligne(TARVO_NOOP("Pages", "Ecart maximal ε"), f.EcartMax, i.EcartMax, 1, 3, " nm",
              f.FractionLambda, !pret),
        ligne(TARVO_NOOP("Pages", "Ecart RMS"), f.EcartRMS, i.EcartRMS, 1, 3, " nm",
              f.FractionLambdaRMS, !pret),
        ligne(TARVO_NOOP("Pages", "Rapport de Strehl"), f.Strehl, i.Strehl, 3, 5, "", std::nullopt,
              !pret),
        ligne(TARVO_NOOP("Pages", "Conique ajustée K"), f.ConiqueAjustee, f.ConiqueIncertitude, 3,
              5, "", std::nullopt, false),
    };
}

std::string LigneEtatIncertitudes(Systeme& systeme, const std::optional<IncertitudesAnalyse>& u) {
    if (!u)
        return Remplace(systeme.Traduit("Pages", "Incertitudes en cours de calcul (%1 tirages)…"),
                        {std::to_string(TiragesReechantillonnage)});
    switch (u->Etat) {
    case EtatIncertitudes::Calculees:
        return Remplace(systeme.Traduit("Pages", "Incertitudes : écart-type sur %1 tirages des "
                                                 "lectures validées ; pour K, d'après leur "
                                                 "dispersion."),
                        {std::to_string(u->Tirages)});
    case EtatIncertitudes::LectureUnique:
        return systeme.Traduit("Pages", "Une seule ligne validée sur un diamètre retenu : aucune "
                                        "incertitude ne peut être donnée.");
    case EtatIncertitudes::SansReduction:
        break;
    }
    return systeme.Traduit("Pages", "Aucune incertitude ne peut être donnée pour cette série.");
}

const std::vector<std::string_view>& LignesModele() {
    static const std::vector<std::string_view> lignes{
        TARVO_NOOP("Pages",
                   "Onde : le profil du bulletin, droit entre les bords des zones, de révolution,"),
        TARVO_NOOP("Pages", "du bord du trou central (ou du centre) au bord du miroir."),
        TARVO_NOOP("Pages",
                   "Ecart RMS : moyenne quadratique pondérée par la surface, après retrait par"),
        TARVO_NOOP(
            "Pages",
            "moindres carrés d'une constante et d'un terme en r² (piston et mise au point)."),
        TARVO_NOOP("Pages",
                   "Strehl = exp(−(2π·RMS/λ)²), λ = 560 nm (approximation de Maréchal–Mahajan)."),
        TARVO_NOOP("Pages",
                   "K : droite des moindres carrés des moyennes des zones en fonction de Hm²/R,"),
        TARVO_NOOP("Pages", "avec une constante libre ; K = − pente (parabole −1, sphère 0)."),
        TARVO_NOOP(
            "Pages",
            "± 1 σ : écart-type sur 1000 tirages avec remise des lectures validées de chaque"),
        TARVO_NOOP("Pages", "zone et de chaque diamètre, la réduction refaite à chaque tirage ; "
                            "pour K, l'erreur"),
        TARVO_NOOP("Pages", "type de chaque moyenne propagée à travers la droite."),
    };
    return lignes;
}

std::string LigneMesuresRetenues(Systeme& systeme, const Document& doc, std::uint8_t retenus) {
    std::string diametres;
    for (int k = 1; k <= 2; ++k) {
        if ((retenus & k) == 0) continue;
        int lignes = 0;
        for (int j = 1; j <= LignesMesure; ++j)
            if (doc.Lectures[0][j][k] > SeuilLigne) ++lignes;
        const std::string diametre =
            Remplace(lignes > 1 ? systeme.Traduit("Pages", "D%1 (%2 lignes)")
                                : systeme.Traduit("Pages", "D%1 (%2 ligne)"),
                     {std::to_string(k), std::to_string(lignes)});
        diametres = diametres.empty()
                        ? diametre
                        : Remplace(systeme.Traduit("Pages", "%1 et %2"), {diametres, diametre});
    }
    return Remplace(systeme.Traduit("Pages", "Mesures retenues : %1"), {diametres});
}

} // namespace tarvo
