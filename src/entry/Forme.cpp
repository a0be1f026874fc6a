#include "entry/Forme.h"

#include "entry/Placement.h"
#include "pages/commun/MasqueNombre.h"

namespace tarvo {

void ChoisitForme(ContexteSaisie& c, bool parabolique, bool boutonActif) {
    Document& doc = c.doc;
    const double k = doc.CoefDeformation;
    const double cible = parabolique ? -1 : 0;
    // Inclusive bands: a K within 0.001 of the shape is that shape already.
    if (!(k >= cible - 0.001 && k <= cible + 0.001)) doc.Modifie = true;
    if (boutonActif) doc.CoefDeformation = cible;
    if (c.saisie.ChampCourant == Champ::CoefDeformation)
        c.surface.FixeTexteSaisie(
            FormateMasque(doc.CoefDeformation, "0.000", c.systeme.SeparateurDecimal()));
    c.programme.AffichePage();
}

} // namespace tarvo
