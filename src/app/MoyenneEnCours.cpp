#include "app/MoyenneEnCours.h"

#include "document/Lecteur.h"
#include "document/TexteProgramme.h"
#include "optics/LignesValidees.h"
#include "platform/Fichiers.h"

#include <algorithm>

namespace tarvo {

namespace {

// "Moyenne des séries 2 (10 + 9 lignes), 3 (10 + 10 lignes) et 5 (9 + 10 lignes)": the
// comment of the mean, naming where its readings came from; French without a system.
std::string Origine(const std::vector<const Document*>& sources, Systeme* systeme) {
    std::string liste;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const std::string source = Remplace("%1 (%2)", {std::to_string(sources[i]->SerieCourante),
                                                        LignesDeSerie(*sources[i], systeme)});
        if (i == 0)
            liste = source;
        else if (i + 1 < sources.size())
            liste += ", " + source;
        else
            liste = Remplace(TexteProgramme(systeme, TARVO_NOOP("Programme", "%1 et %2")),
                             {liste, source});
    }
    return Remplace(TexteProgramme(systeme, TARVO_NOOP("Programme", "Moyenne des séries %1")),
                    {liste});
}

} // namespace

std::vector<Document> SeriesDuFichier(Fichiers& fichiers, const std::string& nom) {
    std::vector<Document> series;
    if (const auto contenu = fichiers.Lit(nom))
        ParcourtSeries(*contenu, [&series](const Document& serie) { series.push_back(serie); });
    return series;
}

std::string LignesDeSerie(const Document& serie, Systeme* systeme) {
    const LignesValidees l = LignesDe(serie);
    const int total = l.Nombre(1) + l.Nombre(2);
    return Remplace(TexteProgramme(systeme, total > 1 ? TARVO_NOOP("Programme", "%1 + %2 lignes")
                                                      : TARVO_NOOP("Programme", "%1 + %2 ligne")),
                    {std::to_string(l.Nombre(1)), std::to_string(l.Nombre(2))});
}

MoyenneEnCours PrepareMoyenne(const std::vector<const Document*>& sources, int nombreSeries,
                              Systeme& systeme) {
    MoyenneEnCours m{CalculeMoyenne(sources), {}, Origine(sources, nullptr)};
    Document& serie = m.Calcul.Serie;
    serie.SerieCourante = 0;
    serie.NombreSeries = std::max(nombreSeries, 1);
    serie.Commentaire = serie.Note = Origine(sources, &systeme);
    m.Calcul.Libelle = LibelleMoyenne(m.Calcul.Sources, &systeme);
    m.Affichage.Libelle = m.Calcul.Libelle;
    m.Affichage.Sources = m.Calcul.Sources;
    m.Affichage.Lignes = m.Calcul.Lignes;
    m.Affichage.Resume = ResumeDe(serie, &m.Calcul.Lignes);
    return m;
}

ChoixMoyenne MoyenneDesSeries(const std::vector<Document>& series, const std::vector<int>& numeros,
                              Systeme& systeme) {
    ChoixMoyenne choix;
    const char sep = systeme.SeparateurDecimal();
    const int nombre = static_cast<int>(series.size());
    std::vector<const Document*> sources;
    for (std::size_t i = 0; i < numeros.size(); ++i) {
        const int n = numeros[i];
        if (n < 1 || n > nombre) {
            choix.Erreur = Remplace(
                systeme.Traduit("Programme", "Le document n'a pas de série %1 : il en a %2."),
                {std::to_string(n), std::to_string(nombre)});
            return choix;
        }
        if (std::find(numeros.begin(), numeros.begin() + static_cast<long>(i), n) !=
            numeros.begin() + static_cast<long>(i)) {
            choix.Erreur =
                Remplace(systeme.Traduit("Programme", "La série %1 est nommée deux fois."),
                         {std::to_string(n)});
            return choix;
        }
        const Document& serie = series[static_cast<std::size_t>(n - 1)];
        const auto motif = sources.empty()
                               ? MotifSansLigne(serie, &systeme)
                               : MotifIncompatible(*sources.front(), serie, sep, &systeme);
        if (motif) {
            choix.Erreur =
                Remplace(systeme.Traduit("Programme",
                                         "La série %1 ne peut pas entrer dans la moyenne : %2."),
                         {std::to_string(n), *motif});
            return choix;
        }
        sources.push_back(&serie);
    }
    if (sources.size() < 2) {
        choix.Erreur =
            systeme.Traduit("Programme", "Il faut au moins deux séries pour une moyenne.");
        return choix;
    }
    choix.Moyenne = PrepareMoyenne(sources, nombre, systeme);
    return choix;
}

} // namespace tarvo
