#include "support/SurfaceFactice.h"

namespace tarvo::test {

SurfaceFactice::SurfaceFactice() {
    Controles[Controle::Fenetre] = EtatControle{0, 0, 1000, 1000, true, false, 0};
    Controles[Controle::Logo] = EtatControle{0, 0, 400, 400, false, false, 0};
    Controles[Controle::FormeParabolique] = EtatControle{0, 0, 100, 17, false, true, -13};
    Controles[Controle::FormeSpherique] = EtatControle{0, 0, 100, 17, false, false, -13};
    Controles[Controle::BoutonAnnuler] = EtatControle{467, 64, 75, 25, false, false, 0};
    Fiche = EtatControle{0, 26, 1000, 1000, true, false, 0};
}

namespace {

bool EstImage(Controle c) {
    return c == Controle::Dessin || c == Controle::Dessin2 || c == Controle::DessinF;
}

} // namespace

Canvas* SurfaceFactice::CanvasImage(Controle image) {
    if (!EstImage(image)) return nullptr;
    const EtatControle& e = Controles[image];
    auto [place, nouvelle] = Images.try_emplace(image, e.Largeur, e.Hauteur, 96);
    if (!nouvelle) place->second.Redimensionne(e.Largeur, e.Hauteur);
    return &place->second;
}

void SurfaceFactice::FixeLargeurControle(Controle c, int largeur) {
    Controles[c].Largeur = largeur;
    if (const auto i = Images.find(c); i != Images.end())
        i->second.Redimensionne(largeur, Controles[c].Hauteur);
}

void SurfaceFactice::FixeHauteurControle(Controle c, int hauteur) {
    Controles[c].Hauteur = hauteur;
    if (const auto i = Images.find(c); i != Images.end())
        i->second.Redimensionne(Controles[c].Largeur, hauteur);
}

void SurfaceFactice::PlaceControle(Controle c, int gauche, int haut) {
    Controles[c].Gauche = gauche;
    Controles[c].Haut = haut;
}

void SurfaceFactice::FixeHauteurPoliceControle(Controle c, int hauteur) {
    Controles[c].HauteurPolice = hauteur;
}

void SurfaceFactice::CocheControle(Controle bouton, bool coche) {
    const bool etaitCoche = Controles[bouton].Coche;
    Controles[bouton].Coche = coche;
    if (coche && !etaitCoche && SurClic) SurClic(bouton);
}

Canvas* SurfaceFactice::DebuteImpression() {
    Journal.push_back("DebuteImpression");
    if (!ImpressionAcceptee) return nullptr;
    Papier = std::make_unique<CanvasEnregistreur>(4760, 6814, 600);
    return Papier.get();
}

} // namespace tarvo::test

namespace tarvo::test {

namespace {

int Pixels(double mm, int ppp) {
    return static_cast<int>(mm * ppp / 25.4 + 0.5);
}

} // namespace

Canvas* SurfaceFactice::DebuteImpressionFormat(const FormatImpression& format) {
    Journal.push_back("DebuteImpressionFormat");
    if (!ImpressionAcceptee) return nullptr;
    Format = format;
    Feuilles.clear();
    Feuilles.push_back(std::make_unique<CanvasEnregistreur>(
        Pixels(format.LargeurMm, format.PointsParPouce),
        Pixels(format.HauteurMm, format.PointsParPouce), format.PointsParPouce));
    return Feuilles.back().get();
}

bool SurfaceFactice::NouvelleFeuille() {
    if (Feuilles.empty()) return false;
    Journal.push_back("NouvelleFeuille");
    // The drawer keeps drawing on the same canvas: what it drew so far becomes a sheet of its
    // own, kept before it, and the canvas starts blank.
    auto feuille = std::make_unique<CanvasEnregistreur>(*Feuilles.back());
    Feuilles.back()->Traces.clear();
    Feuilles.insert(Feuilles.end() - 1, std::move(feuille));
    return true;
}

} // namespace tarvo::test
