#include "web/CanvasWeb.h"

#include "pages/commun/Symbole.h"
#include "web/Pont.h"

#include <cmath>

namespace tarvo {

namespace {

// Liberation Sans, regular and bold alike: ascender and descender in its units per em.
constexpr double Ascendant = 1854.0 / 2048.0;
constexpr double Descendant = 434.0 / 2048.0;

int Cellule(int pixels) {
    return static_cast<int>(std::lround(Ascendant * pixels) + std::lround(Descendant * pixels));
}

} // namespace

MetriquesPolice MetriquesDe(const Police& police) {
    int pixels = 1;
    if (police.Hauteur < 0) {
        pixels = -police.Hauteur;
    } else if (police.Hauteur > 0) {
        // A cell height: the largest em whose cell does not pass it (the em of Arial is about
        // 0.895 of its cell).
        pixels = std::max(1, static_cast<int>(std::lround(police.Hauteur * 0.895)));
        while (pixels > 1 && Cellule(pixels) > police.Hauteur) --pixels;
        while (Cellule(pixels + 1) <= police.Hauteur) ++pixels;
    }
    return {pixels, static_cast<int>(std::lround(Ascendant * pixels)), Cellule(pixels)};
}

void CanvasWeb::Redimensionne(int largeur, int hauteur) {
    if (largeur == largeur_ && hauteur == hauteur_) return;
    largeur_ = largeur;
    hauteur_ = hauteur;
    operations_.clear();
    textes_.clear();
    images_.clear();
    tw_taille_canvas(numero_, largeur, hauteur);
}

void CanvasWeb::Envoie() {
    if (operations_.empty()) return;
    tw_dessine(numero_, operations_.data(), static_cast<int>(operations_.size()), textes_.data(),
               images_.data());
    operations_.clear();
    textes_.clear();
    images_.clear();
}

void CanvasWeb::Ajoute(std::initializer_list<std::int32_t> valeurs) {
    operations_.insert(operations_.end(), valeurs);
}

std::string CanvasWeb::TexteAffiche(std::string_view texte) const {
    return PoliceCourante().Nom == PoliceSymbol ? TexteSymbole(texte) : std::string(texte);
}

int CanvasWeb::LargeurTexte(std::string_view texte) {
    const Police& police = PoliceCourante();
    const MetriquesPolice m = MetriquesDe(police);
    cle_.assign(texte);
    cle_ += '\0';
    cle_ += police.Nom;
    cle_ += police.Gras ? "+g" : "+n";
    cle_ += std::to_string(m.Pixels);
    const auto trouvee = largeurs_.find(cle_);
    if (trouvee != largeurs_.end()) return trouvee->second;
    const std::string affiche = TexteAffiche(texte);
    const int largeur = tw_largeur_texte(affiche.data(), static_cast<int>(affiche.size()),
                                         m.Pixels, police.Gras ? 1 : 0);
    return largeurs_.emplace(cle_, largeur).first->second;
}

int CanvasWeb::HauteurTexte(std::string_view) {
    return MetriquesDe(PoliceCourante()).Hauteur;
}

void CanvasWeb::DessineTexte(int x, int y, std::string_view texte) {
    const MetriquesPolice m = MetriquesDe(PoliceCourante());
    const int largeur = LargeurTexte(texte);
    const std::string affiche = TexteAffiche(texte);
    const auto debut = static_cast<std::int32_t>(textes_.size());
    textes_ += affiche;
    const Brosse& b = BrosseCourante();
    Ajoute({Texte, x, y, m.Pixels, PoliceCourante().Gras ? 1 : 0, m.Ascendante, debut,
            static_cast<std::int32_t>(affiche.size()),
            b.Style == StyleBrosse::Plein ? Rvb(b.Teinte) : -1, largeur, m.Hauteur});
}

void CanvasWeb::DessineLigne(int x1, int y1, int x2, int y2) {
    const Plume& p = PlumeCourante();
    if (p.Style == StylePlume::Invisible) return;
    Ajoute({Ligne, x1, y1, x2, y2, Rvb(p.Teinte), std::max(p.Largeur, 1),
            static_cast<std::int32_t>(p.Style)});
}

void CanvasWeb::Forme(Operation operation, int gauche, int haut, int droite, int bas) {
    if (droite <= gauche || bas <= haut) return;
    const Plume& p = PlumeCourante();
    const Brosse& b = BrosseCourante();
    Ajoute({operation, gauche, haut, droite, bas, Rvb(p.Teinte), std::max(p.Largeur, 1),
            static_cast<std::int32_t>(p.Style), Rvb(b.Teinte), static_cast<std::int32_t>(b.Style)});
}

void CanvasWeb::Rectangle(int gauche, int haut, int droite, int bas) {
    Forme(Rectangle_, gauche, haut, droite, bas);
}

void CanvasWeb::Ellipse(int gauche, int haut, int droite, int bas) {
    Forme(Ellipse_, gauche, haut, droite, bas);
}

void CanvasWeb::RemplitRectangle(int gauche, int haut, int droite, int bas) {
    const Brosse& b = BrosseCourante();
    if (b.Style == StyleBrosse::Vide || droite <= gauche || bas <= haut) return;
    Ajoute({Remplit, gauche, haut, droite, bas, Rvb(b.Teinte)});
}

void CanvasWeb::FixePixel(int x, int y, Couleur couleur) {
    Ajoute({Pixel, x, y, Rvb(couleur)});
}

void CanvasWeb::DessineImageGris(int gauche, int haut, int droite, int bas, int largeur,
                                 int hauteur, const std::uint8_t* gris) {
    if (largeur <= 0 || hauteur <= 0 || gris == nullptr) return;
    const auto debut = static_cast<std::int32_t>(images_.size());
    images_.insert(images_.end(), gris, gris + static_cast<std::size_t>(largeur) * hauteur);
    Ajoute({ImageGris, gauche, haut, droite, bas, largeur, hauteur, debut});
}

} // namespace tarvo
