#include "pages/EnteteEtPied.h"

#include "document/Conversions.h"
#include "document/Document.h"
#include "pages/IdentifiantsPages.h"

#include <array>

namespace tarvo {

bool EstParabolique(double k) {
    return k > -1.001 && k < -0.999;
}

bool EstSpherique(double k) {
    return k > -0.001 && k < 0.001;
}

std::string SuffixeForme(double k) {
    if (EstParabolique(k)) return " parabolique";
    if (EstSpherique(k)) return " sphérique";
    return std::string();
}

namespace {

struct EtatPage {
    std::string_view Page;
    BoutonPage Bouton;
    int ContexteAide;
    std::string_view ConseilImprimer;
    bool AvecStatut;
    std::string_view Statut;
    bool Annuler;
};

constexpr std::string_view ImprimerMesures = "Imprimer |Imprimer ce tableau de mesures";
constexpr std::string_view CliquerCellule = "Cliquer sur la cellulle à modifier";

constexpr std::array<EtatPage, 9> EtatsPages{{
    {PageCaracteristiques, BoutonPage::ToolCaracteristiques, 3100,
     "Imprimer |Imprimer le document affiché", true, "", false},
    {PageFeuille, BoutonPage::ToolTravail, 3200, "Imprimer |Imprimer la feuille de travail", true,
     "", false},
    {PageMesures, BoutonPage::ToolAnciennes, 3300, ImprimerMesures, true,
     "Utiliser les flèches pour changer de série de mesures", false},
    {PageNouvellesMesures, BoutonPage::ToolNouvelles, 3300, ImprimerMesures, true, CliquerCellule,
     true},
    {PageEditionMesures, BoutonPage::ToolEdition, 3300, ImprimerMesures, true, CliquerCellule,
     false},
    {PageBulletin, BoutonPage::ToolBulletin, 3400, "Imprimer |Imprimer le bulletin de contrôle",
     false, "", false},
    {PageAnalyse, BoutonPage::ToolAnalyse, 3500, "Imprimer |Imprimer l'analyse du miroir", false,
     "", false},
    {PageHistorique, BoutonPage::ToolHistorique, 3600, "Imprimer |Imprimer l'historique du miroir",
     false, "", false},
    {PageOmbres, BoutonPage::ToolOmbres, 3700, "Imprimer |Imprimer les ombres simulées", false, "",
     false},
}};

// Place of `Bouton_Annuler` on the new-series page.
constexpr int GaucheAnnuler = 467;
constexpr int HautAnnuler = 64;

} // namespace

void FixeLargeurPage(Surface& surface, int largeur) {
    surface.FixeLargeurControle(Controle::Fenetre, largeur);
    surface.FixeLargeurFiche(largeur);
}

void EtatFenetrePage(Surface& surface, std::string_view page) {
    for (const EtatPage& etat : EtatsPages) {
        if (etat.Page != page) continue;
        surface.EnfonceBoutonPage(etat.Bouton);
        surface.FixeContexteAide(etat.ContexteAide);
        if (etat.AvecStatut) surface.FixeTexteStatut(std::string(etat.Statut));
        surface.FixeConseilImprimer(std::string(etat.ConseilImprimer));
        if (etat.Annuler)
            surface.PlaceControle(Controle::BoutonAnnuler, GaucheAnnuler, HautAnnuler);
        surface.AfficheControle(Controle::BoutonAnnuler, etat.Annuler);
        // The shadows' setting boxes belong to their page alone; it shows them itself.
        if (page != PageOmbres)
            for (const Controle c :
                 {Controle::ReglageZone, Controle::ReglageLignes, Controle::ReglageDecalage})
                surface.AfficheControle(c, false);
        return;
    }
}

bool SondePolices(Canvas& canvas) {
    canvas.FixeNomPolice(PoliceArial);
    canvas.FixeHauteurPolice(30);
    canvas.FixeGras(true);
    return canvas.LargeurTexte(TitreSonde) <= LargeurSondeMax;
}

TitreDessine DessineTitreEcran(Canvas& canvas, int largeurPage, std::string_view titre, int hauteur,
                               bool petitesPolices) {
    canvas.FixeNomPolice(PoliceArial);
    canvas.FixeHauteurPolice(hauteur);
    canvas.FixeGras(petitesPolices);
    TitreDessine t;
    t.Largeur = canvas.LargeurTexte(titre);
    t.Hauteur = canvas.HauteurTexte(titre);
    t.Gauche = (largeurPage - t.Largeur) / 2;
    canvas.EcritTexte(t.Gauche, 0, titre);
    return t;
}

int DessineDateEcran(Canvas& canvas, int abscisse, std::string_view date) {
    canvas.FixeNomPolice(PoliceArial);
    canvas.FixeHauteurPolice(14);
    canvas.FixeGras(false);
    canvas.EcritTexte(abscisse, 7, date);
    return canvas.LargeurTexte(date);
}

void DessineNomEcran(Canvas& canvas, int y, std::string_view intitule) {
    constexpr std::string_view de = "de ";
    canvas.EcritTexte(67 - canvas.LargeurTexte(de), y, de);
    canvas.EcritTexte(71, y, intitule);
}

void CadreSelecteurSeries(Surface& surface, Canvas& canvas) {
    for (const Controle precedente : {Controle::DownRelache, Controle::DownNeutre})
        surface.PlaceControle(precedente, 20, 3);
    for (const Controle suivante : {Controle::UpRelache, Controle::UpNeutre})
        surface.PlaceControle(suivante, 100, 3);
    canvas.Rectangle(19, 1, 117, 20);
    canvas.Rectangle(37, 1, 100, 20);
}

void DessineNumeroSerie(Canvas& canvas, int serie) {
    DessineTexteSerie(canvas, "Série N°" + std::to_string(serie));
}

void DessineTexteSerie(Canvas& canvas, std::string_view texte) {
    canvas.FixeNomPolice(PoliceArial);
    canvas.FixeHauteurPolice(13);
    canvas.FixeGras(false);
    canvas.EcritTexte(36 + (64 - canvas.LargeurTexte(texte)) / 2,
                      3 + (16 - canvas.HauteurTexte(texte)) / 2, texte);
}

int DessineEntetePapier(Canvas& canvas, const Document& doc, std::string_view titre,
                        std::string_view date, bool nomGras) {
    const int largeurPage = canvas.Largeur();
    const std::string titreComplet = std::string(titre) + SuffixeForme(doc.CoefDeformation);
    canvas.FixeTaillePolice(20);
    const int hauteurTitre = canvas.HauteurTexte(titreComplet);
    canvas.EcritTexte((largeurPage - canvas.LargeurTexte(titreComplet)) / 2, 0, titreComplet);

    canvas.FixeTaillePolice(10);
    const std::string dateMM = std::string(date) + "MM";
    canvas.EcritTexte(largeurPage - canvas.LargeurTexte(dateMM),
                      hauteurTitre - canvas.HauteurTexte(date), date);
    if (!doc.Intitule.empty()) {
        const std::string ligne = "de " + FormeAffichable(doc.Intitule);
        canvas.FixeGras(nomGras);
        canvas.EcritTexte((largeurPage - canvas.LargeurTexte(ligne)) / 2, hauteurTitre, ligne);
        canvas.FixeGras(false);
    }
    return hauteurTitre;
}

void DessinePiedPapier(Canvas& canvas, int y) {
    canvas.FixeCouleurBrosse(Blanc);
    canvas.FixeStyleBrosse(StyleBrosse::Plein);
    const std::string pied = std::string(TextePied) + std::string(AdresseAuteur);
    canvas.EcritTexte((canvas.Largeur() - canvas.LargeurTexte(pied)) / 2, y, pied);
}

} // namespace tarvo
