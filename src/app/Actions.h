#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tarvo {

// The commands of the main window, one per action of the action list.
enum class Action {
    FileNew1,
    FileOpen1,
    FileSave1,
    FileSaveAs1,
    Imprimer1,
    FileExit1,
    Couper1,
    Copier1,
    Coller1,
    Aide,
    Apropos,
    EditeCaracteristiques1,
    Feuille_Travail,
    Mesures,
    NouvellesMesures,
    EditionDesMesures,
    BulletinDeControle,
    PageMoins,
    PagePlus,
    Annuler,
    // Commands of the pages built beyond the first six: after the others, so that the
    // numbers of the older ones stay.
    Analyse,
    Historique,
    MoyenneSeries,
    EnregistreMoyenne,
    Ombres,
    MasqueCouder,
};
inline constexpr std::size_t NombreActions = static_cast<std::size_t>(Action::MasqueCouder) + 1;

inline constexpr std::size_t Indice(Action a) {
    return static_cast<std::size_t>(a);
}

// What an action shows: caption, menu category, shortcut (as "Ctrl+N", empty for none),
// the shortcut of its menu item when the item has its own, help context (0 for none),
// hint "short|long" and image number in the toolbar images (-1 for none). Captions and hints
// are French, marked for the catalogue in the context "Actions"; the window translates them.
struct DescriptionAction {
    Action Commande;
    std::string_view Nom;
    std::string_view Libelle;
    std::string_view Categorie;
    std::string_view Raccourci;
    std::string_view RaccourciMenu;
    int ContexteAide;
    std::string_view Indication;
    int Image;
};

const DescriptionAction& Description(Action a);

// Short part of a hint (the tooltip) and long part (the status bar). A hint without a bar
// is both.
std::string_view IndicationCourte(std::string_view indication);
std::string_view IndicationLongue(std::string_view indication);

// Toolbar buttons, left to right.
enum class Bouton {
    ToolNouveau,
    ToolOuvrir,
    ToolSauver,
    ToolSauverSous,
    ToolImprimer,
    ToolCouper,
    ToolCopier,
    ToolColler,
    ToolCaracteristiques,
    ToolTravail,
    ToolAnciennes,
    ToolNouvelles,
    ToolEdition,
    ToolBulletin,
    ToolAnalyse,
    ToolHistorique,
    ToolOmbres,
    ToolAide,
};
inline constexpr std::size_t NombreBoutons = static_cast<std::size_t>(Bouton::ToolAide) + 1;

// One place of the toolbar: a button bound to its action, or a separator.
struct PlaceBarre {
    bool Separateur;
    Bouton Nom;
    Action Commande;
};
const std::array<PlaceBarre, 22>& BarreOutils();

// One item of a menu: an action, a separator (named or not), or a recent-file entry 1..4.
struct ElementMenu {
    enum class Genre { Commande, Separateur, Historique };
    Genre Type;
    Action Commande;
    int Historique;
    std::string_view Nom;
};

struct Menu {
    std::string_view Libelle;
    std::string_view Indication;
    const ElementMenu* Elements;
    std::size_t Nombre;
};
const std::array<Menu, 4>& MenuPrincipal();

} // namespace tarvo
