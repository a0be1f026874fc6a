#include "support/CanvasEnregistreur.h"

namespace tarvo::test {

int NombreCaracteres(std::string_view texte) {
    int n = 0;
    for (const char c : texte)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

int CanvasEnregistreur::HauteurCellule() const {
    const int h = PoliceCourante().Hauteur;
    return h >= 0 ? h : (-h * 115 + 50) / 100;
}

int CanvasEnregistreur::LargeurCaractere() const {
    return HauteurCellule() * PourMilleLargeur / 1000;
}

int CanvasEnregistreur::LargeurTexte(std::string_view texte) {
    return NombreCaracteres(texte) * LargeurCaractere();
}

int CanvasEnregistreur::HauteurTexte(std::string_view) {
    return HauteurCellule();
}

Trace CanvasEnregistreur::Nouvelle(Trace::Genre genre, int x1, int y1, int x2, int y2) const {
    Trace t;
    t.Type = genre;
    t.X1 = x1;
    t.Y1 = y1;
    t.X2 = x2;
    t.Y2 = y2;
    t.PoliceUtilisee = PoliceCourante();
    t.PlumeUtilisee = PlumeCourante();
    t.BrosseUtilisee = BrosseCourante();
    return t;
}

void CanvasEnregistreur::DessineTexte(int x, int y, std::string_view texte) {
    Trace t = Nouvelle(Trace::Genre::Texte, x, y, x + LargeurTexte(texte), y + HauteurCellule());
    t.Texte = texte;
    Traces.push_back(std::move(t));
}

void CanvasEnregistreur::DessineLigne(int x1, int y1, int x2, int y2) {
    Traces.push_back(Nouvelle(Trace::Genre::Ligne, x1, y1, x2, y2));
}

void CanvasEnregistreur::Rectangle(int gauche, int haut, int droite, int bas) {
    Traces.push_back(Nouvelle(Trace::Genre::Rectangle, gauche, haut, droite, bas));
}

void CanvasEnregistreur::RemplitRectangle(int gauche, int haut, int droite, int bas) {
    Traces.push_back(Nouvelle(Trace::Genre::Remplissage, gauche, haut, droite, bas));
}

void CanvasEnregistreur::Ellipse(int gauche, int haut, int droite, int bas) {
    Traces.push_back(Nouvelle(Trace::Genre::Ellipse, gauche, haut, droite, bas));
}

void CanvasEnregistreur::FixePixel(int x, int y, Couleur couleur) {
    Trace t = Nouvelle(Trace::Genre::Pixel, x, y, x + 1, y + 1);
    t.CouleurPixel = couleur;
    Traces.push_back(std::move(t));
}

void CanvasEnregistreur::DessineImageGris(int gauche, int haut, int droite, int bas, int largeur,
                                          int hauteur, const std::uint8_t* gris) {
    Trace t = Nouvelle(Trace::Genre::Image, gauche, haut, droite, bas);
    t.LargeurImage = largeur;
    t.HauteurImage = hauteur;
    t.Gris.assign(gris, gris + static_cast<std::ptrdiff_t>(largeur) * hauteur);
    Traces.push_back(std::move(t));
}

const Trace* CanvasEnregistreur::Texte(std::string_view texte) const {
    for (const Trace& t : Traces)
        if (t.Type == Trace::Genre::Texte && t.Texte == texte) return &t;
    return nullptr;
}

std::vector<std::string> CanvasEnregistreur::Textes() const {
    std::vector<std::string> textes;
    for (const Trace& t : Traces)
        if (t.Type == Trace::Genre::Texte) textes.push_back(t.Texte);
    return textes;
}

std::vector<Trace> CanvasEnregistreur::DuGenre(Trace::Genre genre) const {
    std::vector<Trace> resultat;
    for (const Trace& t : Traces)
        if (t.Type == genre) resultat.push_back(t);
    return resultat;
}

bool CanvasEnregistreur::ARectangle(int gauche, int haut, int droite, int bas) const {
    for (const Trace& t : Traces)
        if (t.Type == Trace::Genre::Rectangle && t.X1 == gauche && t.Y1 == haut && t.X2 == droite &&
            t.Y2 == bas)
            return true;
    return false;
}

} // namespace tarvo::test
