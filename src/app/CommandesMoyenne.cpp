#include "app/Commandes.h"
#include "app/MetAJourActions.h"
#include "app/NouvelleSerie.h"
#include "app/Programme.h"
#include "platform/Traduction.h"

namespace tarvo {

namespace {

constexpr const char* SauvegarderAvantMoyenne = TARVO_NOOP(
    "Programme", "Il faut d'abord sauvegarder le fichier pour faire la moyenne de séries.");
constexpr const char* SauvegarderAvantAjout =
    TARVO_NOOP("Programme", "Il faut d'abord sauvegarder le fichier pour ajouter la moyenne "
                            "comme nouvelle série.");
constexpr const char* TitreMoyenne = TARVO_NOOP("Programme", "Tarvo - Moyenne des séries");
constexpr const char* TexteMoyenne = TARVO_NOOP(
    "Programme", "Cochez au moins deux séries à réunir. Elles doivent avoir le même diamètre, la "
                 "même focale et le même trou central : celles qui ne peuvent pas entrer dans "
                 "la moyenne sont grisées, avec la raison.");

} // namespace

bool GardeLaMoyenne(const Programme& p, Action a) {
    switch (a) {
    case Action::Imprimer1:
    case Action::Aide:
    case Action::Apropos:
    case Action::Couper1:
    case Action::Copier1:
    case Action::Coller1:
    case Action::BulletinDeControle:
    case Action::Analyse:
    case Action::Historique:
    case Action::Ombres:
    case Action::MasqueCouder:
    case Action::MoyenneSeries:
    case Action::EnregistreMoyenne:
        return true;
    case Action::PageMoins:
    case Action::PagePlus:
        // On the history they turn the table's pages, the mean's line with them.
        return p.Etat.PageCourante == PageHistorique;
    default:
        return false;
    }
}

void QuitteMoyenne(Programme& p) {
    if (!p.Moyenne) return;
    p.Moyenne.reset();
    p.Pages.Moyenne = nullptr;
    MetAJourActions(p.Doc, p.Actions, false);
}

void MoyenneSeriesExecute(Programme& p) {
    if (p.surface.ControleVisible(Controle::Saisie)) ValideEditeur(p);
    Document& doc = p.Doc;
    Systeme& systeme = p.services.systeme;
    if (doc.Modifie || doc.ModifieBulletin || doc.NomFichier.empty()) {
        p.services.dialogues.Message(systeme.Traduit("Programme", SauvegarderAvantMoyenne));
        return;
    }
    // Every series as the file holds it.
    const std::vector<Document> series = SeriesDuFichier(p.services.fichiers, doc.NomFichier);
    if (series.size() < 2) {
        p.services.dialogues.Message(systeme.Traduit(
            "Programme", "Il faut au moins deux séries mesurées pour en faire la moyenne."));
        return;
    }
    const char sep = systeme.SeparateurDecimal();
    DialogueListe liste{systeme.Traduit("Programme", TitreMoyenne),
                        systeme.Traduit("Programme", TexteMoyenne),
                        static_cast<int>(series.size()),
                        {},
                        2};
    liste.Etat = [&](const std::vector<bool>& coches) {
        // The first series checked is the reference the others must agree with.
        const Document* reference = nullptr;
        for (std::size_t i = 0; i < coches.size() && !reference; ++i)
            if (coches[i]) reference = &series[i];
        std::vector<ElementListe> elements;
        for (const Document& s : series) {
            ElementListe e;
            e.Libelle = Remplace(systeme.Traduit("Programme", "Série %1 — %2 — %3"),
                                 {std::to_string(s.SerieCourante), systeme.DateCourte(s.DateSerie),
                                  LignesDeSerie(s, &systeme)});
            auto motif = reference && reference != &s
                             ? MotifIncompatible(*reference, s, sep, &systeme)
                             : MotifSansLigne(s, &systeme);
            e.Actif = !motif;
            e.Motif = motif.value_or("");
            elements.push_back(std::move(e));
        }
        return elements;
    };
    const auto choix = p.services.dialogues.ChoisitDansListe(liste);
    if (!choix || choix->size() < 2) return;
    std::vector<const Document*> sources;
    for (const int i : *choix)
        sources.push_back(&series[static_cast<std::size_t>(i)]);
    p.Moyenne = PrepareMoyenne(sources, doc.NombreSeries, systeme);
    if (!PageDeSerie(p.Etat.PageCourante) && p.Etat.PageCourante != PageHistorique)
        p.Etat.PageCourante = PageBulletin;
    if (p.Etat.PageCourante == PageHistorique) p.Pages.LigneHistorique = -1;
    MetAJourActions(doc, p.Actions, true);
    AffichePage(p);
}

void EnregistreMoyenneExecute(Programme& p) {
    if (!p.Moyenne) return;
    Document& doc = p.Doc;
    if (doc.Modifie || doc.ModifieBulletin) {
        p.services.dialogues.Message(
            p.services.systeme.Traduit("Programme", SauvegarderAvantAjout));
        return;
    }
    const MoyenneDeSeries m = p.Moyenne->Calcul;
    const std::string commentaire = p.Moyenne->CommentaireEnregistre;
    QuitteMoyenne(p);
    // A new series as the measurement command starts one, then the mean's means in it.
    EtatProgramme& etat = p.Etat;
    const PlaceNouvelleSerie enCours{etat.NouvelleAjoutee, etat.SerieARelire};
    const PlaceNouvelleSerie place = CommenceNouvelleSerie(doc, p.services.systeme.Aujourdhui(),
                                                           etat.NouvelleSerie ? &enCours : nullptr);
    etat.NouvelleAjoutee = place.Ajoutee;
    etat.SerieARelire = place.SerieARelire;
    etat.NouvelleSerie = true;
    doc.DiametreSerie = m.Serie.DiametreSerie;
    doc.FocaleSerie = m.Serie.FocaleSerie;
    doc.TrouCentralSerie = m.Serie.TrouCentralSerie;
    doc.RayonCourbure = 2 * doc.FocaleSerie;
    const int n = ZonesUtilisees(doc);
    for (int k = 1; k <= 2; ++k) {
        if (m.Lignes.Nombre(k) == 0) continue;
        doc.Lectures[0][1][k] = 1;
        for (int i = 1; i <= n; ++i)
            doc.Lectures[i][1][k] = m.Serie.Lectures[i][LigneMoyennes][k];
    }
    CalculeMoyennes(doc);
    // What the file will hold: French, whatever the language of the mean's comment shown.
    doc.Commentaire = doc.Note = commentaire;
    doc.Modifie = true;
    etat.PageCourante = PageBulletin;
    MetAJourActions(doc, p.Actions);
    AffichePage(p);
}

} // namespace tarvo
