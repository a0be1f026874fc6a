#include "app/Commandes.h"
#include "app/Programme.h"
#include "entry/CliqueBulletin.h"

namespace tarvo {

void FicheFenetreMouseUp(Programme& p, int x, int y) {
    // The value boxes of the characteristics page and the measurement grids answer with the
    // data entry; until then a click there changes nothing.
    const std::string& page = p.Etat.PageCourante;
    if (page != PageBulletin && page != PageFeuille) return;

    p.Etat.Saisie.MasquerSaisie = true;
    if (p.surface.ControleVisible(Controle::Saisie)) ValideEditeur(p);
    // The boxes of the drawing that was clicked: a redraw records new ones.
    const CadresPage cadres = p.Cadres;
    if (page == PageBulletin) {
        switch (CliqueBulletin(p.Doc, p.Pages, cadres, x, y)) {
        case EffetClicBulletin::Redessine:
            AffichePage(p);
            break;
        // The editor takes the series values with the data entry: nothing is typed there
        // yet, so nothing opens.
        case EffetClicBulletin::DiametreSerie:
        case EffetClicBulletin::RayonCourbure:
        case EffetClicBulletin::TrouSerie:
        case EffetClicBulletin::Aucun:
            break;
        }
    }
    if (p.Etat.Saisie.MasquerSaisie) p.surface.AfficheControle(Controle::Saisie, false);
}

} // namespace tarvo
