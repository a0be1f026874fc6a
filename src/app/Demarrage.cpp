#include "app/Aide.h"
#include "app/Commandes.h"
#include "app/Noms.h"
#include "app/Principale.h"
#include "app/Programme.h"
#include "document/Lecteur.h"
#include "document/Parametres.h"

#include <filesystem>
#include <system_error>

namespace tarvo {

namespace {

std::string AvecSeparateur(std::string dossier) {
    if (dossier.empty() || dossier.back() != '/') dossier += '/';
    return dossier;
}

// Step 7 of the start-up: the page area before any page is drawn.
void GeometrieInitiale(Programme& p) {
    Surface& s = p.surface;
    p.services.fenetre.FixeLargeur(1000);
    s.PlaceControle(Controle::Dessin,
                    (p.services.fenetre.LargeurClient() - s.LargeurControle(Controle::Dessin)) / 2,
                    s.HautControle(Controle::Dessin));
    s.FixeLargeurControle(Controle::Fenetre, 1000);
    s.FixeHauteurControle(Controle::Fenetre, 1000);
    s.FixeLargeurFiche(s.LargeurControle(Controle::Fenetre));
    s.FixeHauteurFiche(s.HautControle(Controle::Fenetre) + s.HauteurControle(Controle::Fenetre));
    s.FixeHautFiche(s.HauteurBarreOutils());
    s.FixeHauteurControle(Controle::Saisie, 24);
}

void OuvreLigneCommande(Programme& p, const std::vector<std::string>& arguments) {
    Document& doc = p.Doc;
    doc.NomFichier = NomLigneCommande(arguments);
    if (doc.NomFichier.empty()) return;
    doc.NomPropose = NomApresSeparateur(doc.NomFichier);
    p.services.fenetre.FixeTitre("Tarvo - " + doc.NomPropose);
    doc.SerieDemandee = -1;
    LireDocument(doc, p.services.fichiers, p.services.dialogues, &p.services.systeme, &p.Index);
    doc.NombreSeries = doc.SerieCourante;
    if (doc.FichierOuvert)
        MajHistorique(p.Histo, doc, p.services.fenetre);
    else
        doc.EntierIncorrect = true;
    if (doc.EntierIncorrect) {
        doc.NomFichier.clear();
        doc.NomPropose.clear();
        p.services.fenetre.FixeTitre("Tarvo");
        return;
    }
    p.SeriesHistorique.PrepareEnFond();
}

} // namespace

void FormCreate(Programme& p, const std::vector<std::string>& arguments) {
    EtatProgramme& etat = p.Etat;
    Systeme& systeme = p.services.systeme;

    etat.FichierAide = FichierAide(systeme, p.services.fichiers, SommaireAide);
    if (!p.services.fichiers.Existe(etat.FichierAide))
        p.services.dialogues.Message(
            systeme.Traduit("Programme", "Le fichier d'aide est introuvable !"));

    etat.SeparateurDecimal = systeme.SeparateurDecimal();

    p.Mise.LargeurColonneMesure = 56;
    p.Mise.HauteurLigneMesure = 24;
    etat.MessageAffiche = false;
    etat.Fermeture = false;

    p.services.fenetre.FixeTitre("Tarvo");

    etat.RepertoireWindows = systeme.RepertoireConfiguration();
    std::error_code erreur;
    etat.RepertoireCourant = std::filesystem::current_path(erreur).string();

    p.Doc.NomFichier.clear();

    GeometrieInitiale(p);

    p.principale.ActiveBarreOutils(true);
    for (Action a : {Action::Coller1, Action::Copier1, Action::Couper1})
        p.Actions.Active(a, false);
    p.surface.AfficheControle(Controle::BoutonAnnuler, false);

    InitialiseDocumentFenetre(p);

    etat.RepertoireWindows = AvecSeparateur(etat.RepertoireWindows);
    etat.RepertoireCourant = AvecSeparateur(etat.RepertoireCourant);

    ChargeParametres(p.Histo, etat.EtatFenetreLu, p.services);
    AfficheMenuHistorique(p.Histo, p.services.fenetre);

    p.Doc.DetailMiroir = true;
    p.Doc.DetailZones = true;
    p.Doc.RetenirD1 = true;
    p.Doc.RetenirD2 = true;
    p.Doc.NomFichier.clear();

    OuvreLigneCommande(p, arguments);

    etat.PageCourante = PageCaracteristiques;
    AffichePage(p);
    PlaceEditeurNom(p);
}

} // namespace tarvo
