#include "app/Commandes.h"
#include "app/MetAJourActions.h"
#include "app/Noms.h"
#include "app/Principale.h"
#include "app/Programme.h"
#include "document/Enregistrement.h"
#include "document/Lecteur.h"
#include "document/Parametres.h"
#include "entry/Notes.h"
#include "platform/Traduction.h"

namespace tarvo {

namespace {

constexpr const char* TitreOuvrir = TARVO_NOOP("Programme", "Tarvo - Ouvrir un fichier");
constexpr const char* FiltreOuvrir =
    TARVO_NOOP("Programme", "Bulletin de contrôle *.bdc|*.bdc|Tous fichiers *.*|*.*");

bool ConsulteAncienneSerie(const Document& doc) {
    return doc.SerieCourante < doc.NombreSeries;
}

// The writer always writes the series in memory as the last one. While an older series
// is shown, the last one is read back first, keeping the characteristics held in memory
// (their change is what there is to save). False when it cannot be read back: nothing is
// saved then.
bool RameneDerniereSerie(Programme& p) {
    Document& doc = p.Doc;
    if (!ConsulteAncienneSerie(doc)) return true;
    const Document garde = doc;
    doc.SerieDemandee = doc.NombreSeries;
    LireDocument(doc, p.services.fichiers, p.services.dialogues, &p.services.systeme, &p.Index);
    if (!doc.FichierOuvert || doc.EntierIncorrect || doc.NombreIncorrect ||
        doc.SerieCourante != garde.NombreSeries) {
        doc = garde;
        return false;
    }
    doc.Intitule = garde.Intitule;
    doc.Diametre = garde.Diametre;
    doc.Focale = garde.Focale;
    doc.Epaisseur = garde.Epaisseur;
    doc.CoefDeformation = garde.CoefDeformation;
    doc.TrouCentral = garde.TrouCentral;
    doc.NombreZones = garde.NombreZones;
    for (std::size_t i = 0; i < doc.Zones.size(); ++i)
        doc.Zones[i][RayonExterieur] = garde.Zones[i][RayonExterieur];
    // The last series' comment was kept aside when the user left it.
    doc.Commentaire = garde.Commentaire;
    doc.Modifie = garde.Modifie;
    doc.ModifieBulletin = false;
    doc.SerieDemandee = garde.SerieDemandee;
    return true;
}

void Enregistre(Programme& p, bool sousUnNouveauNom) {
    // What is in memory is what the file will give back.
    NormaliseCommentaire(p.Doc);
    if (p.Doc.SerieCourante >= p.Doc.NombreSeries) p.principale.FixeTexteNote(p.Doc.Note);
    if (!RameneDerniereSerie(p)) {
        p.Doc.EnregistrementReussi = false;
        return;
    }
    // The reader gives a series no hole when the mirror's is 1 mm or less.
    if (p.Doc.TrouCentral <= 1) p.Doc.TrouCentralSerie = 0;
    if (sousUnNouveauNom)
        EnregistreSous(p.Doc, p.services, p.Histo);
    else
        EnregistreDocument(p.Doc, p.services, p.Histo);
    // Saved, a new series is the file's last one.
    if (p.Doc.EnregistrementReussi) p.Etat.NouvelleSerie = false;
}

// Saving before a command discards the document. True when the command may go on: the
// answer was No, or Yes and the save succeeded (a failed save keeps the document).
bool EnregistreAvantAbandon(Programme& p, Reponse reponse) {
    if (reponse == Reponse::Non) return true;
    if (reponse != Reponse::Oui) return false;
    Enregistre(p, p.Doc.NomFichier.empty());
    return p.Doc.EnregistrementReussi;
}

void TitreDocument(Programme& p) {
    p.services.fenetre.FixeTitre("Tarvo - " + NomCourt(p.Doc.NomFichier));
}

// Reads the document named `NomFichier` to its last series. False when the open failed.
bool LitDocumentOuvert(Programme& p) {
    Document& doc = p.Doc;
    LireDocument(doc, p.services.fichiers, p.services.dialogues, &p.services.systeme, &p.Index);
    doc.NombreSeries = doc.SerieCourante;
    if (doc.FichierOuvert) {
        MajHistorique(p.Histo, doc, p.services.fenetre);
        AffichePage(p);
    } else {
        doc.EntierIncorrect = true;
    }
    if (!doc.EntierIncorrect) {
        p.SeriesHistorique.PrepareEnFond();
        return true;
    }
    doc.NomFichier.clear();
    doc.NomPropose.clear();
    p.services.fenetre.FixeTitre("Tarvo");
    return false;
}

void OuvreParDialogue(Programme& p) {
    Systeme& s = p.services.systeme;
    const auto choisi = p.services.dialogues.ChoisitFichierAOuvrir(
        {s.Traduit("Programme", TitreOuvrir), "bdc", s.Traduit("Programme", FiltreOuvrir)});
    if (!choisi || choisi->empty()) return;
    p.Doc.NomFichier = *choisi;
    p.Doc.NomPropose = p.Doc.NomFichier;
    TitreDocument(p);
    LitDocumentOuvert(p);
}

void OuvreHistorique(Programme& p, const std::string& nom) {
    p.Doc.NomFichier = nom;
    p.Doc.NomPropose = nom;
    TitreDocument(p);
    if (LitDocumentOuvert(p)) return;
    for (int n = 1; n <= EntreesHistorique; ++n)
        if (p.Histo[static_cast<std::size_t>(n)] == nom) {
            RetireHistorique(p.Histo, n, p.services.fenetre);
            break;
        }
}

bool Ferme(Programme& p) {
    const Reponse reponse = DemandeEnregistrer(p);
    if (reponse == Reponse::Annuler) return false;
    if (reponse == Reponse::Oui) {
        Enregistre(p, true);
        if (!p.Doc.EnregistrementReussi) return false;
    }
    p.Etat.Fermeture = true;
    p.Doc.Modifie = false;
    p.Doc.ModifieBulletin = false;
    p.Doc.EntierIncorrect = false;
    p.principale.FermeAides();
    EcritParametres(p.Histo, p.Etat.EtatFenetreLu, p.services);
    p.principale.ActiveSaisieEtNote(false);
    p.principale.Termine();
    return true;
}

} // namespace

Reponse DemandeEnregistrer(Programme& p) {
    const Document& doc = p.Doc;
    Reponse reponse = Reponse::Non;
    // The diameter and focal length of an older series shown are for viewing only: they
    // are never saved, so there is nothing to ask about.
    if (doc.Modifie || (doc.ModifieBulletin && !ConsulteAncienneSerie(doc)))
        reponse = p.services.dialogues.Confirmation(
            QuestionEnregistrer(doc.NomFichier, &p.services.systeme), true, Reponse::Oui);
    p.Etat.ReponseEnregistrer = reponse;
    return reponse;
}

void FileNew1Execute(Programme& p) {
    p.Etat.PageCourante = PageCaracteristiques;
    if (EnregistreAvantAbandon(p, DemandeEnregistrer(p))) InitialiseDocumentFenetre(p);
    AffichePage(p);
    PlaceEditeurNom(p);
}

void FileOpen1Execute(Programme& p) {
    p.Doc.SerieDemandee = -1;
    const Reponse reponse = DemandeEnregistrer(p);
    p.Etat.PageCourante = PageCaracteristiques;
    if (EnregistreAvantAbandon(p, reponse)) {
        InitialiseDocumentFenetre(p);
        p.Doc.SerieDemandee = -1;
        OuvreParDialogue(p);
    }
    AffichePage(p);
    PlaceEditeurNom(p);
}

void HistoriqueClick(Programme& p, int n) {
    if (n < 1 || n > EntreesHistorique) return;
    QuitteMoyenne(p);
    p.Etat.PageCourante = PageCaracteristiques;
    const Reponse reponse = DemandeEnregistrer(p);
    // The entry is taken by its name now: saving an unnamed document puts the new name at
    // the head of the list and moves the other entries down.
    const std::string nom = p.Histo[static_cast<std::size_t>(n)];
    bool ouvre = reponse == Reponse::Non;
    if (reponse == Reponse::Oui) {
        MajHistorique(p.Histo, p.Doc, p.services.fenetre);
        ouvre = EnregistreAvantAbandon(p, reponse);
    }
    if (ouvre) {
        InitialiseDocumentFenetre(p);
        p.Doc.SerieDemandee = -1;
        OuvreHistorique(p, nom);
    }
    AffichePage(p);
    PlaceEditeurNom(p);
}

void FileSave1Execute(Programme& p) {
    if (!p.Doc.Modifie) return;
    ValideEditeur(p);
    Enregistre(p, false);
    MetAJourActions(p.Doc, p.Actions);
    AffichePage(p);
}

void FileSaveAs1Execute(Programme& p) {
    ValideEditeur(p);
    Enregistre(p, true);
    // Saved, the series commands that wait for a saved file are offered again.
    if (p.Doc.EnregistrementReussi) MetAJourActions(p.Doc, p.Actions);
}

bool FileExit1Execute(Programme& p) {
    return Ferme(p);
}

bool FormCloseQuery(Programme& p) {
    return Ferme(p);
}

} // namespace tarvo
