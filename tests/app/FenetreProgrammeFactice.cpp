#include "FenetreProgrammeFactice.h"

namespace tarvo::test {

SurfaceProgrammeFactice::SurfaceProgrammeFactice() {
    Controles[Controle::Fenetre] = EtatControle{0, 0, 1000, 1000, true, false};
    Controles[Controle::Logo] = EtatControle{0, 0, 400, 400, false, false};
    Controles[Controle::Dessin] = EtatControle{0, 0, 500, 300, false, false};
    Controles[Controle::Saisie] = EtatControle{0, 0, 121, 21, false, false};
    Controles[Controle::BoutonAnnuler] = EtatControle{467, 64, 75, 25, true, false};
    Fiche = EtatControle{0, 26, 1000, 1000, true, false};
}

Canvas* SurfaceProgrammeFactice::DebuteImpression() {
    ++DialoguesImpression;
    if (!ImpressionAcceptee) return nullptr;
    Papier = std::make_unique<CanvasEnregistreur>(4760, 6814, 600);
    return Papier.get();
}

} // namespace tarvo::test
