#include "app/Commandes.h"
#include "app/MetAJourActions.h"
#include "app/Principale.h"
#include "app/Programme.h"
#include "entry/Valide.h"

#include <string_view>

namespace tarvo {

namespace {

std::string SansBlancsAutour(std::string_view texte) {
    const auto debut = texte.find_first_not_of(' ');
    if (debut == std::string_view::npos) return {};
    return std::string(texte.substr(debut, texte.find_last_not_of(' ') - debut + 1));
}

} // namespace

void PlaceEditeurNom(Programme& p) {
    const std::string nom = SansBlancsAutour(p.Doc.Intitule);
    p.Etat.Saisie.ChampCourant = 1;
    p.Etat.Saisie.TexteAvantSaisie = nom;
    p.principale.FixeTexteSaisie(nom);
    p.principale.FixeLongueurMaxSaisie(70);
    p.principale.FixeIndicationSaisie("Texte libre de 70 caractères maximum");
    const Cadre& cadre = p.Cadres.Cadres[1];
    p.surface.AfficheControle(Controle::Saisie, true);
    p.surface.PlaceControle(Controle::Saisie, cadre.Gauche, cadre.Haut);
    p.surface.FixeLargeurControle(Controle::Saisie, cadre.Droite - cadre.Gauche);
}

void ValideEditeur(Programme& p) {
    ContexteSaisie contexte = p.Saisie();
    Valide(contexte);
}

void ProgrammePourSaisie::AffichePage() {
    tarvo::AffichePage(Programme_);
}

void ProgrammePourSaisie::MetAJourActions() {
    tarvo::MetAJourActions(Programme_.Doc, Programme_.Actions);
}

} // namespace tarvo
