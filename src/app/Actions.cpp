#include "app/Actions.h"

#include "platform/Traduction.h"

namespace tarvo {

namespace {

using A = Action;

constexpr std::array<DescriptionAction, NombreActions> Descriptions{{
    {A::FileNew1, "FileNew1", TARVO_NOOP("Actions", "&Nouveau"), "Fichier", "Ctrl+N", "", 1000,
     TARVO_NOOP("Actions", "Nouveau|Créer un nouveau fichier"), 0},
    {A::FileOpen1, "FileOpen1", TARVO_NOOP("Actions", "&Ouvrir"), "Fichier", "Ctrl+O", "", 1000,
     TARVO_NOOP("Actions", "Ouvrir|Ouvrir un fichier"), 1},
    {A::FileSave1, "FileSave1", TARVO_NOOP("Actions", "&Enregistrer"), "Fichier", "Ctrl+S", "",
     1000, TARVO_NOOP("Actions", "Enregistrer|Enregistrer le fichier en cours"), 2},
    {A::FileSaveAs1, "FileSaveAs1", TARVO_NOOP("Actions", "Enregistrer &sous..."), "Fichier", "",
     "", 1000,
     TARVO_NOOP("Actions", "Enregistrer sous|Enregistrer le fichier en cours sous un nouveau nom"),
     3},
    {A::Imprimer1, "Imprimer1", TARVO_NOOP("Actions", "&Imprimer"), "Fichier", "", "Ctrl+I", 1000,
     TARVO_NOOP("Actions", "Imprimer |Imprimer le document affiché"), 4},
    {A::FileExit1, "FileExit1", TARVO_NOOP("Actions", "&Quitter"), "Fichier", "", "Ctrl+Q", 1000,
     TARVO_NOOP("Actions", "Quitter|Quitter l'application"), -1},
    {A::Couper1, "Couper1", TARVO_NOOP("Actions", "Cou&per"), "Edition", "Ctrl+X", "", 2000,
     TARVO_NOOP("Actions", "Couper|Couper la sélection et la mettre dans le Presse-papiers"), 5},
    {A::Copier1, "Copier1", TARVO_NOOP("Actions", "&Copier"), "Edition", "Ctrl+C", "", 2000,
     TARVO_NOOP("Actions", "Copier|Copier la sélection et la mettre dans le Presse-papiers"), 6},
    {A::Coller1, "Coller1", TARVO_NOOP("Actions", "Co&ller"), "Edition", "Ctrl+V", "", 2000,
     TARVO_NOOP("Actions", "Coller|Insérer le contenu du Presse-papiers"), 7},
    {A::Aide, "Aide", TARVO_NOOP("Actions", "&Aide"), "Aide", "F1", "", 0,
     TARVO_NOOP("Actions", "Aide|Afficher l'aide contextuelle"), 14},
    {A::Apropos, "Apropos", TARVO_NOOP("Actions", "&A propos..."), "Aide", "", "", 0,
     TARVO_NOOP("Actions", "A propos|Afficher des informations sur le programme, le numéro de "
                           "version et le copyright"),
     -1},
    {A::EditeCaracteristiques1, "EditeCaracteristiques1", TARVO_NOOP("Actions", "Caractéristiques"),
     "Affichage", "Ctrl+K", "", 3100,
     TARVO_NOOP("Actions", "Caractéristiques|Edition des caractéristiques du miroir"), 8},
    {A::Feuille_Travail, "Feuille_Travail", TARVO_NOOP("Actions", "Feuille de travail"),
     "Affichage", "Ctrl+T", "", 3200,
     TARVO_NOOP("Actions", "Feuille de travail|Edition de la feuille de travail"), 9},
    {A::Mesures, "Mesures", TARVO_NOOP("Actions", "Mesures"), "Affichage", "", "", 3300,
     TARVO_NOOP("Actions", "Mesures|Afficher les mesures"), 10},
    {A::NouvellesMesures, "NouvellesMesures", TARVO_NOOP("Actions", "Nouvelles mesures"),
     "Affichage", "", "", 3300,
     TARVO_NOOP("Actions", "Nouvelles mesures|Saisie des nouvelles mesures"), 11},
    {A::EditionDesMesures, "EditionDesMesures", TARVO_NOOP("Actions", "&Edition des mesures"),
     "Affichage", "Ctrl+M", "", 3300,
     TARVO_NOOP("Actions", "Edition des mesures|Compléter ou modifier le tableau des mesures"), 12},
    {A::BulletinDeControle, "BulletinDeControle", TARVO_NOOP("Actions", "&Bulletin de contrôle"),
     "Affichage", "Ctrl+B", "", 3400,
     TARVO_NOOP("Actions", "Bulletin de contrôle|Edition du bulletin de contrôle"), 13},
    {A::PageMoins, "PageMoins", "PageMoins", "", "F4", "", 0, "", -1},
    {A::PagePlus, "PagePlus", "PagePlus", "", "F5", "", 0, "", -1},
    {A::Annuler, "Annuler", "AnnulerNouvelleSerie", "", "", "", 0,
     TARVO_NOOP("Actions", "Annuler la nouvelle série |et retour à la dernière série validée."),
     -1},
    {A::Analyse, "Analyse", TARVO_NOOP("Actions", "A&nalyse du miroir"), "Affichage", "Ctrl+R", "",
     3500,
     TARVO_NOOP("Actions", "Analyse du miroir|Ecart RMS, rapport de Strehl et conique ajustée, "
                           "avec leurs incertitudes"),
     15},
    {A::Historique, "SuiviDesSeries", TARVO_NOOP("Actions", "&Historique du miroir"), "Affichage",
     "Ctrl+H", "", 3600,
     TARVO_NOOP(
         "Actions",
         "Historique du miroir|Toutes les séries côte à côte, l'évolution de l'écart et des zones"),
     16},
    {A::MoyenneSeries, "MoyenneSeries", TARVO_NOOP("Actions", "&Moyenne des séries…"), "Affichage",
     "", "", 3600,
     TARVO_NOOP("Actions", "Moyenne des séries|Le bulletin de la moyenne de plusieurs séries"), -1},
    {A::EnregistreMoyenne, "EnregistreMoyenne",
     TARVO_NOOP("Actions", "Enregistrer comme nouvelle série"), "Affichage", "", "", 3600,
     TARVO_NOOP("Actions", "Enregistrer comme nouvelle série|Ajouter la moyenne affichée au "
                           "document comme une série"),
     -1},
    {A::Ombres, "Ombres", TARVO_NOOP("Actions", "&Ombres simulées"), "Affichage", "Ctrl+J", "",
     3700,
     TARVO_NOOP("Actions",
                "Ombres simulées|Ce que le couteau et le réseau de Ronchi devraient montrer"),
     17},
    {A::MasqueCouder, "MasqueCouder", TARVO_NOOP("Actions", "Imprimer le &masque de Couder…"),
     "Fichier", "", "", 3700,
     TARVO_NOOP("Actions",
                "Imprimer le masque de Couder|Le masque des zones, à découper, en vraie grandeur"),
     -1},
}};

using B = Bouton;
constexpr std::array<PlaceBarre, 22> Barre{{
    {false, B::ToolNouveau, A::FileNew1},
    {false, B::ToolOuvrir, A::FileOpen1},
    {false, B::ToolSauver, A::FileSave1},
    {false, B::ToolSauverSous, A::FileSaveAs1},
    {true, B::ToolNouveau, A::FileNew1},
    {false, B::ToolImprimer, A::Imprimer1},
    {true, B::ToolNouveau, A::FileNew1},
    {false, B::ToolCouper, A::Couper1},
    {false, B::ToolCopier, A::Copier1},
    {false, B::ToolColler, A::Coller1},
    {true, B::ToolNouveau, A::FileNew1},
    {false, B::ToolCaracteristiques, A::EditeCaracteristiques1},
    {false, B::ToolTravail, A::Feuille_Travail},
    {false, B::ToolAnciennes, A::Mesures},
    {false, B::ToolNouvelles, A::NouvellesMesures},
    {false, B::ToolEdition, A::EditionDesMesures},
    {false, B::ToolBulletin, A::BulletinDeControle},
    {false, B::ToolAnalyse, A::Analyse},
    {false, B::ToolHistorique, A::Historique},
    {false, B::ToolOmbres, A::Ombres},
    {true, B::ToolNouveau, A::FileNew1},
    {false, B::ToolAide, A::Aide},
}};

using E = ElementMenu;
constexpr E Commande(A a) {
    return {E::Genre::Commande, a, 0, ""};
}
constexpr E Separateur(std::string_view nom = "") {
    return {E::Genre::Separateur, A::FileNew1, 0, nom};
}
constexpr E Historique(int n) {
    return {E::Genre::Historique, A::FileNew1, n, ""};
}

constexpr E Fichier[] = {Commande(A::FileNew1),
                         Commande(A::FileOpen1),
                         Commande(A::FileSave1),
                         Commande(A::FileSaveAs1),
                         Separateur(),
                         Commande(A::Imprimer1),
                         Commande(A::MasqueCouder),
                         Separateur("N2"),
                         Historique(1),
                         Historique(2),
                         Historique(3),
                         Historique(4),
                         Separateur(),
                         Commande(A::FileExit1)};
constexpr E Edition[] = {Commande(A::Couper1), Commande(A::Copier1), Commande(A::Coller1)};
constexpr E Affichage[] = {Commande(A::EditeCaracteristiques1),
                           Commande(A::Feuille_Travail),
                           Separateur(),
                           Commande(A::Mesures),
                           Commande(A::NouvellesMesures),
                           Commande(A::EditionDesMesures),
                           Separateur(),
                           Commande(A::BulletinDeControle),
                           Commande(A::Analyse),
                           Commande(A::Historique),
                           Commande(A::Ombres),
                           Separateur(),
                           Commande(A::MoyenneSeries),
                           Commande(A::EnregistreMoyenne)};
constexpr E AideMenu[] = {Commande(A::Aide), Commande(A::Apropos)};

constexpr std::array<Menu, 4> Menus{{
    {TARVO_NOOP("Actions", "&Fichier"), TARVO_NOOP("Actions", "Commandes liées aux fichiers"),
     Fichier, std::size(Fichier)},
    {TARVO_NOOP("Actions", "&Edition"), TARVO_NOOP("Actions", "Commandes d'édition"), Edition,
     std::size(Edition)},
    {TARVO_NOOP("Actions", "A&ffichage"), "", Affichage, std::size(Affichage)},
    {TARVO_NOOP("Actions", "&Aide"), TARVO_NOOP("Actions", "Rubriques d'aide"), AideMenu,
     std::size(AideMenu)},
}};

} // namespace

const DescriptionAction& Description(Action a) {
    return Descriptions[Indice(a)];
}

std::string_view IndicationCourte(std::string_view indication) {
    return indication.substr(0, indication.find('|'));
}

std::string_view IndicationLongue(std::string_view indication) {
    const auto barre = indication.find('|');
    return barre == std::string_view::npos ? indication : indication.substr(barre + 1);
}

const std::array<PlaceBarre, 22>& BarreOutils() {
    return Barre;
}

const std::array<Menu, 4>& MenuPrincipal() {
    return Menus;
}

} // namespace tarvo
