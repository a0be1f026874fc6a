#include "app/Commandes.h"
#include "app/Principale.h"
#include "app/Programme.h"

#include <string_view>

namespace tarvo {

namespace {

std::string SansBlancs(std::string_view texte) {
    const auto debut = texte.find_first_not_of(' ');
    if (debut == std::string_view::npos) return {};
    return std::string(texte.substr(debut, texte.find_last_not_of(' ') - debut + 1));
}

} // namespace

void PlaceEditeurNom(Programme& p) {
    const std::string nom = SansBlancs(p.Doc.Intitule);
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

// The editor is read-only as long as typed values cannot be checked and stored: it never
// holds a value to commit.
void ValideEditeur(Programme&) {}

} // namespace tarvo
