#include "app/Aide.h"
#include "app/Commandes.h"
#include "app/Principale.h"
#include "app/Programme.h"

namespace tarvo {

void ImprimerExecute(Programme& p) {
    p.Etat.ModeImpression = true;
    AffichePage(p);
}

void EditeCaracteristiques1Execute(Programme& p) {
    if (p.surface.ControleVisible(Controle::Saisie)) ValideEditeur(p);
    p.Etat.PageCourante = PageCaracteristiques;
    AffichePage(p);
    PlaceEditeurNom(p);
    p.principale.DonneFocusSaisie();
}

void AideExecute(Programme& p) {
    p.principale.AfficheAide(p.Etat.FichierAide);
}

void AideContextuelle(Programme& p, int contexte) {
    p.principale.AfficheAide(
        FichierAide(p.services.systeme, p.services.fichiers, PageAide(contexte)));
}

void AproposExecute(Programme& p) {
    p.principale.AfficheAPropos();
}

void ExecuteAction(Programme& p, Action a) {
    if (!ActionUtilisable(p.Actions, a)) return;
    if (!GardeLaMoyenne(p, a)) QuitteMoyenne(p);
    switch (a) {
    case Action::FileNew1:
        FileNew1Execute(p);
        break;
    case Action::FileOpen1:
        FileOpen1Execute(p);
        break;
    case Action::FileSave1:
        FileSave1Execute(p);
        break;
    case Action::FileSaveAs1:
        FileSaveAs1Execute(p);
        break;
    case Action::Imprimer1:
        ImprimerExecute(p);
        break;
    case Action::FileExit1:
        FileExit1Execute(p);
        break;
    case Action::Aide:
        AideExecute(p);
        break;
    case Action::Apropos:
        AproposExecute(p);
        break;
    case Action::EditeCaracteristiques1:
        EditeCaracteristiques1Execute(p);
        break;
    case Action::Couper1:
        PressePapiers(p, OperationPressePapiers::Couper);
        break;
    case Action::Copier1:
        PressePapiers(p, OperationPressePapiers::Copier);
        break;
    case Action::Coller1:
        PressePapiers(p, OperationPressePapiers::Coller);
        break;
    case Action::Feuille_Travail:
        Feuille_TravailExecute(p);
        break;
    case Action::Mesures:
        MesuresExecute(p);
        break;
    case Action::NouvellesMesures:
        NouvellesMesuresExecute(p);
        break;
    case Action::EditionDesMesures:
        EditionDesMesuresExecute(p);
        break;
    case Action::Annuler:
        AnnulerExecute(p);
        break;
    case Action::BulletinDeControle:
        BulletinDeControleExecute(p);
        break;
    case Action::Analyse:
        AnalyseExecute(p);
        break;
    case Action::Historique:
        HistoriqueExecute(p);
        break;
    case Action::MoyenneSeries:
        MoyenneSeriesExecute(p);
        break;
    case Action::EnregistreMoyenne:
        EnregistreMoyenneExecute(p);
        break;
    case Action::Ombres:
        OmbresExecute(p);
        break;
    case Action::MasqueCouder:
        MasqueCouderExecute(p);
        break;
    case Action::PageMoins:
        PageMoinsExecute(p);
        break;
    case Action::PagePlus:
        PagePlusExecute(p);
        break;
    default:
        break;
    }
}

} // namespace tarvo
