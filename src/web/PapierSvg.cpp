#include "web/PapierSvg.h"

#include "pages/commun/Symbole.h"
#include "web/CanvasWeb.h"
#include "web/Pont.h"

#include <cmath>
#include <cstdio>

namespace tarvo {

namespace {

std::string Couleur6(Couleur c) {
    char texte[8];
    std::snprintf(texte, sizeof texte, "#%02x%02x%02x", c.Rouge, c.Vert, c.Bleu);
    return texte;
}

std::string Echappe(std::string_view texte) {
    std::string xml;
    for (const char c : texte) {
        switch (c) {
        case '&': xml += "&amp;"; break;
        case '<': xml += "&lt;"; break;
        case '>': xml += "&gt;"; break;
        case '"': xml += "&quot;"; break;
        default: xml += c;
        }
    }
    return xml;
}

std::string Base64(const std::string& octets) {
    static constexpr char Alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string texte;
    std::size_t i = 0;
    for (; i + 2 < octets.size(); i += 3) {
        const unsigned v = (static_cast<unsigned char>(octets[i]) << 16) |
                           (static_cast<unsigned char>(octets[i + 1]) << 8) |
                           static_cast<unsigned char>(octets[i + 2]);
        for (const int d : {18, 12, 6, 0}) texte += Alphabet[(v >> d) & 63];
    }
    if (i < octets.size()) {
        unsigned v = static_cast<unsigned char>(octets[i]) << 16;
        if (i + 1 < octets.size()) v |= static_cast<unsigned char>(octets[i + 1]) << 8;
        texte += Alphabet[(v >> 18) & 63];
        texte += Alphabet[(v >> 12) & 63];
        texte += i + 1 < octets.size() ? Alphabet[(v >> 6) & 63] : '=';
        texte += '=';
    }
    return texte;
}

void Mot32(std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A grey picture as a BMP of 8-bit indices with a grey palette: what a data address of an
// SVG image takes without any encoder.
std::string Bmp(int largeur, int hauteur, const std::uint8_t* gris) {
    const int pas = (largeur + 3) / 4 * 4;
    const std::uint32_t donnees = 14 + 40 + 256 * 4;
    std::string b = "BM";
    Mot32(b, donnees + static_cast<std::uint32_t>(pas * hauteur));
    Mot32(b, 0);
    Mot32(b, donnees);
    Mot32(b, 40);
    Mot32(b, static_cast<std::uint32_t>(largeur));
    Mot32(b, static_cast<std::uint32_t>(-hauteur)); // rows from the top
    b += '\x01'; b += '\0'; b += '\x08'; b += '\0';
    for (int i = 0; i < 6; ++i) Mot32(b, i == 4 ? 256 : 0);
    for (int i = 0; i < 256; ++i) {
        for (int k = 0; k < 3; ++k) b += static_cast<char>(i);
        b += '\0';
    }
    for (int y = 0; y < hauteur; ++y) {
        b.append(reinterpret_cast<const char*>(gris + static_cast<std::size_t>(y) * largeur),
                 static_cast<std::size_t>(largeur));
        b.append(static_cast<std::size_t>(pas - largeur), '\0');
    }
    return b;
}

// Liberation Sans's ascender in its units per em: the baseline of a text placed by its top,
// to the 1/64 pixel a printer's font engine gives it, as the desktop's PDF has it.
constexpr double Ascendant = 1854.0 / 2048.0;

double Ligne(int pixels) {
    return std::ceil(Ascendant * pixels * 64) / 64;
}

// A PDF printer counts the sheet and its margin in whole points, then in its own pixels: the
// printable part is then the desktop's to the pixel (A4 at 600 dpi with 5 mm: 4724 x 6783
// from 117, not 4725 x 6780 from 118), and so are the pages laid out from its size.
int PixelsEnPoints(double mm, int ppp) {
    const double points = static_cast<double>(std::lround(mm / 25.4 * 72));
    return static_cast<int>(std::lround(points * ppp / 72));
}

} // namespace

PapierSvg::PapierSvg(const FormatImpression& format, double margeMm)
    : format_(format), marge_(PixelsEnPoints(margeMm, format.PointsParPouce)),
      largeur_(PixelsEnPoints(format.LargeurMm, format.PointsParPouce) - 2 * marge_),
      hauteur_(PixelsEnPoints(format.HauteurMm, format.PointsParPouce) - 2 * marge_) {}

void PapierSvg::NouvelleFeuille() {
    // The view box is the sheet itself in printer pixels, fractions kept, so that a pixel is
    // exactly 1/ppp inch on the sheet the browser prints at 100 %; text in its unhinted
    // advances, as the desktop's PDF places it.
    const double ppp = format_.PointsParPouce;
    char entete[320];
    std::snprintf(entete, sizeof entete,
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%gmm\" height=\"%gmm\" "
                  "viewBox=\"0 0 %.3f %.3f\" text-rendering=\"geometricPrecision\">"
                  "<g transform=\"translate(%d %d)\">",
                  format_.LargeurMm, format_.HauteurMm, format_.LargeurMm / 25.4 * ppp,
                  format_.HauteurMm / 25.4 * ppp, marge_, marge_);
    feuilles_ += entete + feuille_ + "</g></svg>\n";
    feuille_.clear();
}

std::string PapierSvg::Feuilles() const {
    PapierSvg copie = *this;
    copie.NouvelleFeuille();
    return copie.feuilles_;
}

int PapierSvg::LargeurTexte(std::string_view texte) {
    const Police& police = PoliceCourante();
    const MetriquesPolice m = MetriquesDe(police);
    const std::string affiche =
        police.Nom == PoliceSymbol ? TexteSymbole(texte) : std::string(texte);
    const std::string cle = affiche + '\0' + (police.Gras ? "g" : "n") + std::to_string(m.Pixels);
    const auto trouvee = largeurs_.find(cle);
    if (trouvee != largeurs_.end()) return trouvee->second;
    const int largeur = tw_largeur_texte(affiche.data(), static_cast<int>(affiche.size()),
                                         m.Pixels, police.Gras ? 1 : 0);
    return largeurs_.emplace(cle, largeur).first->second;
}

int PapierSvg::HauteurTexte(std::string_view) {
    return MetriquesDe(PoliceCourante()).Hauteur;
}

std::string PapierSvg::Trait() const {
    const Plume& p = PlumeCourante();
    if (p.Style == StylePlume::Invisible) return " stroke=\"none\"";
    std::string t = " stroke=\"" + Couleur6(p.Teinte) + "\" stroke-width=\"" +
                    std::to_string(std::max(p.Largeur, 1)) + "\"";
    if (p.Style == StylePlume::Pointille)
        t += " stroke-dasharray=\"" + std::to_string(std::max(p.Largeur, 1)) + " " +
             std::to_string(2 * std::max(p.Largeur, 1)) + "\"";
    return t;
}

std::string PapierSvg::Fond() const {
    const Brosse& b = BrosseCourante();
    return b.Style == StyleBrosse::Vide ? " fill=\"none\"" : " fill=\"" + Couleur6(b.Teinte) + "\"";
}

void PapierSvg::Forme(const std::string& element) {
    feuille_ += element;
}

void PapierSvg::DessineTexte(int x, int y, std::string_view texte) {
    const Police& police = PoliceCourante();
    const MetriquesPolice m = MetriquesDe(police);
    const Brosse& b = BrosseCourante();
    if (b.Style == StyleBrosse::Plein)
        Forme("<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
              std::to_string(LargeurTexte(texte)) + "\" height=\"" + std::to_string(m.Hauteur) +
              "\" fill=\"" + Couleur6(b.Teinte) + "\"/>");
    const std::string affiche =
        police.Nom == PoliceSymbol ? TexteSymbole(texte) : std::string(texte);
    char position[64];
    std::snprintf(position, sizeof position, "<text x=\"%d\" y=\"%.4f\"", x, y + Ligne(m.Pixels));
    Forme(position + (" font-family=\"TarvoSans\" font-size=\"" + std::to_string(m.Pixels) + "\"") +
          (police.Gras ? " font-weight=\"bold\"" : "") +
          " xml:space=\"preserve\" fill=\"#000000\">" + Echappe(affiche) + "</text>");
}

void PapierSvg::DessineLigne(int x1, int y1, int x2, int y2) {
    if (PlumeCourante().Style == StylePlume::Invisible) return;
    Forme("<line x1=\"" + std::to_string(x1) + "\" y1=\"" + std::to_string(y1) + "\" x2=\"" +
          std::to_string(x2) + "\" y2=\"" + std::to_string(y2) + "\"" + Trait() +
          " stroke-linecap=\"butt\"/>");
}

void PapierSvg::Rectangle(int gauche, int haut, int droite, int bas) {
    if (droite <= gauche || bas <= haut) return;
    char t[160];
    // The desktop's outline: its edges' centres on left and right - 1, top and bottom - 1,
    // as a printer draws it (not half a pixel in, as on a screen).
    std::snprintf(t, sizeof t, "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\"", gauche, haut,
                  droite - gauche - 1, bas - haut - 1);
    Forme(t + Fond() + Trait() + "/>");
}

void PapierSvg::RemplitRectangle(int gauche, int haut, int droite, int bas) {
    if (BrosseCourante().Style == StyleBrosse::Vide || droite <= gauche || bas <= haut) return;
    Forme("<rect x=\"" + std::to_string(gauche) + "\" y=\"" + std::to_string(haut) +
          "\" width=\"" + std::to_string(droite - gauche) + "\" height=\"" +
          std::to_string(bas - haut) + "\"" + Fond() + "/>");
}

void PapierSvg::Ellipse(int gauche, int haut, int droite, int bas) {
    if (droite <= gauche || bas <= haut) return;
    char t[160];
    std::snprintf(t, sizeof t, "<ellipse cx=\"%g\" cy=\"%g\" rx=\"%g\" ry=\"%g\"",
                  (gauche + droite - 1) / 2.0, (haut + bas - 1) / 2.0, (droite - gauche - 1) / 2.0,
                  (bas - haut - 1) / 2.0);
    Forme(t + Fond() + Trait() + "/>");
}

void PapierSvg::FixePixel(int x, int y, Couleur couleur) {
    Forme("<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
          "\" width=\"1\" height=\"1\" fill=\"" + Couleur6(couleur) + "\"/>");
}

void PapierSvg::DessineImageGris(int gauche, int haut, int droite, int bas, int largeur,
                                 int hauteur, const std::uint8_t* gris) {
    if (largeur <= 0 || hauteur <= 0 || gris == nullptr) return;
    Forme("<image x=\"" + std::to_string(gauche) + "\" y=\"" + std::to_string(haut) +
          "\" width=\"" + std::to_string(droite - gauche) + "\" height=\"" +
          std::to_string(bas - haut) +
          "\" preserveAspectRatio=\"none\" style=\"image-rendering:pixelated\" "
          "href=\"data:image/bmp;base64," +
          Base64(Bmp(largeur, hauteur, gris)) + "\"/>");
}

} // namespace tarvo
