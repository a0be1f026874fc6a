#include "pages/historique/TableHistorique.h"

#include <algorithm>

namespace tarvo {

namespace {

// The light blue of the line chosen with the keys.
constexpr Couleur TeinteChoisie{214, 226, 244};

// The text cut, by whole characters, to fit `largeur`, with "…" when cut.
std::string Coupe(Canvas& c, const std::string& texte, int largeur) {
    if (c.LargeurTexte(texte) <= largeur) return texte;
    std::string coupe = texte;
    while (!coupe.empty()) {
        // Back by one UTF-8 character.
        std::size_t fin = coupe.size() - 1;
        while (fin > 0 && (static_cast<unsigned char>(coupe[fin]) & 0xC0) == 0x80) --fin;
        coupe.resize(fin);
        if (c.LargeurTexte(coupe + "…") <= largeur) return coupe + "…";
    }
    return std::string();
}

} // namespace

int DessineTableHistorique(Canvas& c, Systeme& systeme,
                           const std::vector<LigneTableHistorique>& lignes,
                           const PlacementHistorique& p,
                           std::vector<std::pair<int, Cadre>>* boites) {
    const auto entete = EntetesHistorique(systeme);
    const int marge = c.LargeurTexte("0") * 2 / 3;
    std::array<int, ColonnesHistorique> largeurs{};
    for (std::size_t k = 0; k + 1 < ColonnesHistorique; ++k) {
        largeurs[k] = c.LargeurTexte(entete[k]);
        for (const LigneTableHistorique& l : lignes)
            largeurs[k] = std::max(largeurs[k], c.LargeurTexte(l.Textes[k]));
    }
    std::array<int, ColonnesHistorique + 1> bords{p.Gauche};
    for (std::size_t k = 0; k + 1 < ColonnesHistorique; ++k)
        bords[k + 1] = bords[k] + largeurs[k] + 2 * marge;
    bords[ColonnesHistorique] = std::max(bords[ColonnesHistorique - 1] + 4 * marge,
                                         p.Gauche + p.Largeur);
    const int commentaire = bords[ColonnesHistorique] - bords[ColonnesHistorique - 1] - 2 * marge;
    const int decalage = (p.HauteurLigne - c.HauteurTexte("Bp")) / 2;
    const Brosse avant = c.BrosseCourante();

    auto ecrit = [&](int rang, const std::array<std::string, ColonnesHistorique>& t) {
        const int y = p.Haut + rang * p.HauteurLigne + decalage;
        for (std::size_t k = 0; k < ColonnesHistorique; ++k) {
            const bool aGauche = k == 1 || k + 1 == ColonnesHistorique;
            const std::string texte = k + 1 == ColonnesHistorique ? Coupe(c, t[k], commentaire) : t[k];
            const int x = aGauche ? bords[k] + marge
                                  : bords[k + 1] - marge - c.LargeurTexte(texte);
            c.EcritTexte(x, y, texte);
        }
    };
    const bool gras = c.PoliceCourante().Gras;
    c.FixeGras(true);
    ecrit(0, entete);
    c.FixeGras(gras);
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const int rang = static_cast<int>(i) + 1;
        const int haut = p.Haut + rang * p.HauteurLigne;
        const Cadre boite{bords[0], haut, bords[ColonnesHistorique], haut + p.HauteurLigne};
        if (lignes[i].Serie == p.Choisie && p.Choisie != 0) {
            c.FixeBrosse(Brosse{TeinteChoisie, StyleBrosse::Plein});
            c.RemplitRectangle(boite.Gauche, boite.Haut, boite.Droite, boite.Bas);
            c.FixeBrosse(Brosse{Blanc, StyleBrosse::Vide});
        }
        ecrit(rang, lignes[i].Textes);
        if (boites) boites->push_back({lignes[i].Serie, boite});
    }
    const int bas = p.Haut + static_cast<int>(lignes.size() + 1) * p.HauteurLigne;
    c.FixeBrosse(Brosse{Noir, StyleBrosse::Plein});
    c.RemplitRectangle(bords[0], p.Haut + p.HauteurLigne - p.Trait, bords[ColonnesHistorique],
                       p.Haut + p.HauteurLigne + p.Trait);
    if (p.Separee && !lignes.empty())
        c.RemplitRectangle(bords[0], bas - p.HauteurLigne - p.Trait / 2, bords[ColonnesHistorique],
                           bas - p.HauteurLigne - p.Trait / 2 + p.Trait);
    for (std::size_t k = 1; k < ColonnesHistorique; ++k)
        c.RemplitRectangle(bords[k] - p.Trait / 2, p.Haut, bords[k] - p.Trait / 2 + p.Trait, bas);
    c.FixeBrosse(avant);
    return bas;
}

} // namespace tarvo
