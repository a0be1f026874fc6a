#include "app/MoyenneEnCours.h"

#include "document/Lecteur.h"
#include "optics/LignesValidees.h"
#include "platform/Fichiers.h"

#include <algorithm>

namespace tarvo {

namespace {

// "Moyenne des séries 2 (10 + 9 lignes), 3 (10 + 10 lignes) et 5 (9 + 10 lignes)": the
// comment of the mean, naming where its readings came from.
std::string Origine(const std::vector<const Document*>& sources) {
    std::string texte = "Moyenne des séries ";
    for (std::size_t i = 0; i < sources.size(); ++i) {
        if (i > 0) texte += i + 1 == sources.size() ? " et " : ", ";
        texte += std::to_string(sources[i]->SerieCourante) + " (" + LignesDeSerie(*sources[i]) +
                 ")";
    }
    return texte;
}

} // namespace

std::vector<Document> SeriesDuFichier(Fichiers& fichiers, const std::string& nom) {
    std::vector<Document> series;
    if (const auto contenu = fichiers.Lit(nom))
        ParcourtSeries(*contenu, [&series](const Document& serie) { series.push_back(serie); });
    return series;
}

std::string LignesDeSerie(const Document& serie) {
    const LignesValidees l = LignesDe(serie);
    const int total = l.Nombre(1) + l.Nombre(2);
    return std::to_string(l.Nombre(1)) + " + " + std::to_string(l.Nombre(2)) +
           (total > 1 ? " lignes" : " ligne");
}

MoyenneEnCours PrepareMoyenne(const std::vector<const Document*>& sources, int nombreSeries) {
    MoyenneEnCours m{CalculeMoyenne(sources), {}};
    Document& serie = m.Calcul.Serie;
    serie.SerieCourante = 0;
    serie.NombreSeries = std::max(nombreSeries, 1);
    serie.Commentaire = serie.Note = Origine(sources);
    m.Affichage.Libelle = m.Calcul.Libelle;
    m.Affichage.Sources = m.Calcul.Sources;
    m.Affichage.Lignes = m.Calcul.Lignes;
    m.Affichage.Resume = ResumeDe(serie, &m.Calcul.Lignes);
    return m;
}

ChoixMoyenne MoyenneDesSeries(const std::vector<Document>& series, const std::vector<int>& numeros,
                              char sep) {
    ChoixMoyenne choix;
    const int nombre = static_cast<int>(series.size());
    std::vector<const Document*> sources;
    for (std::size_t i = 0; i < numeros.size(); ++i) {
        const int n = numeros[i];
        if (n < 1 || n > nombre) {
            choix.Erreur = "Le document n'a pas de série " + std::to_string(n) + " : il en a " +
                           std::to_string(nombre) + ".";
            return choix;
        }
        if (std::find(numeros.begin(), numeros.begin() + static_cast<long>(i), n) !=
            numeros.begin() + static_cast<long>(i)) {
            choix.Erreur = "La série " + std::to_string(n) + " est nommée deux fois.";
            return choix;
        }
        const Document& serie = series[static_cast<std::size_t>(n - 1)];
        const auto motif = sources.empty() ? MotifSansLigne(serie)
                                           : MotifIncompatible(*sources.front(), serie, sep);
        if (motif) {
            choix.Erreur = "La série " + std::to_string(n) +
                           " ne peut pas entrer dans la moyenne : " + *motif + ".";
            return choix;
        }
        sources.push_back(&serie);
    }
    if (sources.size() < 2) {
        choix.Erreur = "Il faut au moins deux séries pour une moyenne.";
        return choix;
    }
    choix.Moyenne = PrepareMoyenne(sources, nombre);
    return choix;
}

} // namespace tarvo
