#include "optics/Reechantillonnage.h"

#include "optics/Aleatoire.h"
#include "optics/Analyse.h"
#include "optics/Precision.h"
#include "optics/Reduction.h"

#include <cmath>
#include <vector>

namespace tarvo {

namespace {

// Standard deviation over the draws, the sums taken about the first value: draws that all
// give the same figure give exactly 0.
class Dispersion {
  public:
    void Ajoute(double v) {
        if (nombre_ == 0) origine_ = v;
        const Etendu d = static_cast<Etendu>(v) - origine_;
        somme_ += d;
        carres_ += d * d;
        ++nombre_;
    }
    std::optional<double> EcartType() const {
        if (nombre_ < 2) return std::nullopt;
        Etendu variance = (carres_ - somme_ * somme_ / nombre_) / (nombre_ - 1);
        if (variance < 0) variance = 0;
        return Fini(std::sqrt(variance));
    }

  private:
    Etendu origine_ = 0, somme_ = 0, carres_ = 0;
    int nombre_ = 0;
};

} // namespace

IncertitudesAnalyse Reechantillonne(const Document& doc, std::uint8_t diametresRetenus, int tirages,
                                    std::uint64_t graine) {
    return Reechantillonne(doc, LignesDe(doc), diametresRetenus, tirages, graine);
}

IncertitudesAnalyse Reechantillonne(const Document& doc, const LignesValidees& lignes,
                                    std::uint8_t diametresRetenus, int tirages,
                                    std::uint64_t graine) {
    IncertitudesAnalyse resultat;
    // The reduction writes its working values into the document: it works on a copy.
    Document travail = doc;
    const ResultatReduction origine = CalculeBulletin(travail, diametresRetenus);
    if (!origine.Calculee()) return resultat;
    const int n = origine.NombreZones;
    const std::uint8_t retenus = origine.DiametresRetenus;

    for (int k = 1; k <= 2; ++k) {
        if ((retenus & k) != 0 && lignes.Nombre(k) < 2) {
            resultat.Etat = EtatIncertitudes::LectureUnique;
            return resultat;
        }
    }

    Aleatoire aleatoire(graine);
    Dispersion ecartMax, rms, strehl;
    std::array<Dispersion, ZonesMax + 1> ecarts;
    for (int t = 0; t < tirages; ++t) {
        for (int k = 1; k <= 2; ++k) {
            if ((retenus & k) == 0) continue;
            const auto& valides = lignes.Diametres[static_cast<std::size_t>(k)];
            const auto nombre = static_cast<std::uint32_t>(valides.size());
            for (int i = 1; i <= n; ++i) {
                Etendu somme = 0;
                for (std::uint32_t tir = 0; tir < nombre; ++tir)
                    somme += valides[aleatoire.Entier(nombre)][static_cast<std::size_t>(i)];
                travail.Lectures[i][LigneMoyennes][k] = EnDouble(somme / nombre);
            }
        }
        const ResultatReduction r = CalculeBulletin(travail, retenus);
        if (!r.Calculee()) continue;
        const std::optional<double> e = EcartRMSOnde(r);
        if (!e) continue;
        ecartMax.Ajoute(r.Parabole.EcartMax);
        rms.Ajoute(*e);
        strehl.Ajoute(StrehlMarechal(*e));
        const auto points = EcartsParabole(r);
        for (int i = 0; i <= n; ++i)
            ecarts[static_cast<std::size_t>(i)].Ajoute(points[static_cast<std::size_t>(i)]);
        ++resultat.Tirages;
    }
    resultat.EcartMax = ecartMax.EcartType();
    resultat.EcartRMS = rms.EcartType();
    resultat.Strehl = strehl.EcartType();
    if (!resultat.EcartMax || !resultat.EcartRMS || !resultat.Strehl) return resultat;
    for (int i = 0; i <= n; ++i)
        resultat.Ecarts[static_cast<std::size_t>(i)] =
            ecarts[static_cast<std::size_t>(i)].EcartType().value_or(0);
    resultat.Etat = EtatIncertitudes::Calculees;
    return resultat;
}

} // namespace tarvo
