#include "BancPage.h"
#include "pages/masque/PageMasque.h"

#include <cmath>
#include <cstdlib>

namespace tarvo::test {
namespace {

constexpr int Ppp = 1200;
double Mm(int px) {
    return px * 25.4 / Ppp;
}

struct Cas {
    const char* Nom;
    double Diametre, Trou;
    std::vector<double> Rayons; // outer radius of each zone but the last
    double Largeur, Hauteur;    // the sheet, mm
    int Feuilles;
};

struct Masque : BancPage {
    void Miroir(const Cas& cas) {
        doc.Intitule = "Essai";
        doc.DiametreSerie = doc.Diametre = cas.Diametre;
        doc.TrouCentralSerie = doc.TrouCentral = cas.Trou;
        doc.NombreZones = static_cast<int>(cas.Rayons.size()) + 1;
        for (std::size_t i = 0; i < cas.Rayons.size(); ++i)
            doc.Zones[i + 1][RayonExterieur] = cas.Rayons[i];
    }
};

// Every cut drawn (the thick outlines) lies on the circle of a zone radius or of the cut-out,
// or on a straight edge of a bridge or band, within 0.05 mm; each zone radius bounds a window.
TEST_F(Masque, GeometrieATailleReelleSurChaqueFormat) {
    const Cas cas[] = {
        {"150 mm sur A4", 150, 0, {30, 55}, 210, 297, 1},
        {"250 mm sur A3", 250, 40, {50, 75, 100}, 297, 420, 1},
        {"400 mm en mosaïque", 400, 80, {80, 120, 150, 180}, 210, 297, 1 + 3 * 2},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.Nom);
        Miroir(c);
        const ResultatMasque resultat = CalculeMasque(doc);
        ASSERT_TRUE(resultat.Masque) << resultat.Motif;
        const GeometrieMasque& m = *resultat.Masque;
        const DispositionMasque d = DisposeMasque(m);
        ContextePage page = Contexte();
        ImprimeMasque(page, m);
        EXPECT_EQ(surface.Format.LargeurMm, c.Largeur);
        EXPECT_EQ(surface.Format.HauteurMm, c.Hauteur);
        ASSERT_EQ(static_cast<int>(surface.Feuilles.size()), c.Feuilles);
        EXPECT_EQ(surface.Journal.back(), "TermineImpression");

        std::vector<double> rayons{m.RayonDecoupe, m.RayonMiroir};
        if (m.RayonTrou > 0) rayons.push_back(m.RayonTrou);
        rayons.insert(rayons.end(), c.Rayons.begin(), c.Rayons.end());
        std::vector<int> bornes(rayons.size(), 0);
        const double p = m.Pont / 2, h = m.Pont / 2 + m.Hauteur;
        const double pasX = 210 - 2 * MargeMasque - RecouvrementMasque;
        const double pasY = 297 - 2 * MargeMasque - RecouvrementMasque;
        const int gros = static_cast<int>(std::lround(0.35 * Ppp / 25.4));
        for (std::size_t f = 0; f < surface.Feuilles.size(); ++f) {
            if (d.Mosaique && f == 0) continue; // the notice
            const int k = static_cast<int>(f) - 1;
            const double cx =
                d.Mosaique ? MargeMasque + d.CentreX - (k % d.Colonnes) * pasX : d.CentreX;
            const double cy =
                d.Mosaique ? MargeMasque + d.CentreY - (k / d.Colonnes) * pasY : d.CentreY;
            for (const Trace& t : surface.Feuilles[f]->DuGenre(Trace::Genre::Ligne)) {
                if (t.PlumeUtilisee.Largeur != gros) continue;
                for (const auto& [px, py] : {std::pair{t.X1, t.Y1}, std::pair{t.X2, t.Y2}}) {
                    const double x = Mm(px) - cx, y = cy - Mm(py);
                    // The ends a tile's edge clips are not the mask's own.
                    const double sx = Mm(px), sy = Mm(py);
                    if (d.Mosaique &&
                        (std::fabs(sx - MargeMasque) < 0.05 || std::fabs(sx - 200) < 0.05 ||
                         std::fabs(sy - MargeMasque) < 0.05 || std::fabs(sy - 287) < 0.05))
                        continue;
                    const double r = std::hypot(x, y);
                    bool surUnBord = std::fabs(std::fabs(x) - p) < 0.05 ||
                                     std::fabs(std::fabs(y) - p) < 0.05 ||
                                     std::fabs(std::fabs(y) - h) < 0.05;
                    for (std::size_t i = 0; i < rayons.size(); ++i)
                        if (std::fabs(r - rayons[i]) < 0.05) {
                            surUnBord = true;
                            ++bornes[i];
                        }
                    ASSERT_TRUE(surUnBord) << "trait hors du masque en " << x << ", " << y;
                }
            }
        }
        for (std::size_t i = 0; i < rayons.size(); ++i)
            if (i != 1) {
                EXPECT_GT(bornes[i], 10) << "rayon " << rayons[i];
            }

        // The checks of scale on the sheet with the texts: 100 mm and a 10 mm square, exact.
        const CanvasEnregistreur& texte = *surface.Feuilles.front();
        const int cent = static_cast<int>(std::lround(100.0 * Ppp / 25.4));
        const int dix = static_cast<int>(std::lround(10.0 * Ppp / 25.4));
        bool barre = false, carre = false;
        for (const Trace& t : texte.DuGenre(Trace::Genre::Ligne))
            barre = barre || (t.Y1 == t.Y2 && std::abs(std::abs(t.X2 - t.X1) - cent) <= 1);
        for (const Trace& t : texte.DuGenre(Trace::Genre::Rectangle))
            carre = carre || (std::abs(t.X2 - t.X1 - dix) <= 1 && std::abs(t.Y2 - t.Y1 - dix) <= 1);
        EXPECT_TRUE(barre);
        EXPECT_TRUE(carre);
        EXPECT_NE(texte.Texte("Imprimer à 100 %"), nullptr);
        EXPECT_NE(texte.Texte("Masque de Couder — Essai"), nullptr);
        if (d.Mosaique) {
            EXPECT_NE(surface.Feuilles[3]->Texte("Masque de Couder — feuille 4 sur 7 : rangée 1, "
                                                 "colonne 3 — Imprimer à 100 %"),
                      nullptr);
        }
        surface.Journal.clear();
    }
}

// What cannot be a mask says why; a cancelled dialog prints nothing.
TEST_F(Masque, RefusEtAnnulation) {
    const Cas cas[] = {
        {"sans diamètre", 0, 0, {30, 55}, 0, 0, 0},
        {"rayons qui décroissent", 150, 0, {55, 30}, 0, 0, 0},
        {"trou plus large que la zone 1", 150, 70, {30, 55}, 0, 0, 0},
    };
    const std::string motifs[] = {
        "Le diamètre de la série et ses zones ne décrivent pas de masque.",
        "Les rayons des zones doivent croître du bord du trou central jusqu'au bord du miroir.",
        "Les rayons des zones doivent croître du bord du trou central jusqu'au bord du miroir.",
    };
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(cas[i].Nom);
        Miroir(cas[i]);
        const ResultatMasque r = CalculeMasque(doc);
        EXPECT_FALSE(r.Masque);
        EXPECT_EQ(r.Motif, motifs[i]);
    }
    Miroir(cas[0]);
    doc.DiametreSerie = 150;
    surface.ImpressionAcceptee = false;
    ContextePage page = Contexte();
    ImprimeMasque(page, *CalculeMasque(doc).Masque);
    EXPECT_TRUE(surface.Feuilles.empty());
    EXPECT_EQ(surface.Journal, std::vector<std::string>{"DebuteImpressionFormat"});
}

} // namespace
} // namespace tarvo::test
