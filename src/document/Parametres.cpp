#include "document/Parametres.h"

#include "document/Conversions.h"
#include "document/Texte.h"
#include "platform/Services.h"
#include "platform/Traduction.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace tarvo {

namespace {

// The messages about the settings file (translated where shown).
constexpr std::string_view TitreLecture = TARVO_NOOP("Programme", "Tarvo - Initialisation");
constexpr std::string_view TitreEcriture = TARVO_NOOP("Programme", "Tarvo - Configuration");
constexpr std::string_view ErreurLecture =
    TARVO_NOOP("Programme", "Erreur de lecture du fichier Tarvo.ini");
constexpr std::string_view ErreurEcriture =
    TARVO_NOOP("Programme", "Erreur d'écriture du fichier Tarvo.ini");

constexpr int LargeurParDefaut = 600;
constexpr int HauteurParDefaut = 830;
constexpr int HautParDefaut = 29;
// A window whose edge lies this close to the far side of the screen could not be reached.
constexpr int MargeEcran = 20;

// Optional blanks and sign, then decimal digits and nothing else, within 32 bits.
std::optional<int> EntierDecimal(std::string_view texte) {
    std::size_t i = texte.find_first_not_of(' ');
    if (i == std::string_view::npos) return std::nullopt;
    const bool negatif = texte[i] == '-';
    if (texte[i] == '-' || texte[i] == '+') ++i;
    if (i == texte.size()) return std::nullopt;
    const std::int64_t limite = std::int64_t{std::numeric_limits<int>::max()} + (negatif ? 1 : 0);
    std::int64_t valeur = 0;
    for (; i < texte.size(); ++i) {
        if (texte[i] < '0' || texte[i] > '9') return std::nullopt;
        valeur = valeur * 10 + (texte[i] - '0');
        if (valeur > limite) return std::nullopt;
    }
    return static_cast<int>(negatif ? -valeur : valeur);
}

// The lines of the file in order; running past the last one, or a value line that is not
// an integer, marks the file as malformed.
struct LectureLignes {
    std::vector<std::string_view> lignes;
    std::size_t suivante = 0;
    bool erreur = false;

    std::optional<std::string_view> Ligne() {
        if (suivante >= lignes.size()) {
            erreur = true;
            return std::nullopt;
        }
        return lignes[suivante++];
    }

    // 0 when the line is missing or rejected.
    int Valeur() {
        const auto ligne = Ligne();
        if (!ligne) return 0;
        const auto valeur = EntierDecimal(FormeAffichable(*ligne));
        if (!valeur) erreur = true;
        return valeur.value_or(0);
    }
};

// A path holding a line break cannot be kept on its one line: it is left out rather than
// shift the entries after it.
std::string_view EntreeEcrite(const std::string& entree) {
    if (entree.find_first_of("\r\n") != std::string::npos) return {};
    return entree;
}

std::string TexteParametres(const Historique& historique, int etatFenetreLu, Fenetre& fenetre) {
    int etat = 0;
    switch (fenetre.Etat()) {
    case EtatFenetre::Normal: etat = 0; break;
    case EtatFenetre::Maximise: etat = 2; break;
    // A window closed minimised comes back the way it was found at start-up.
    case EtatFenetre::Minimise: etat = etatFenetreLu; break;
    }
    std::string texte;
    const auto ligne = [&texte](std::string_view contenu) {
        texte += contenu;
        texte += "\r\n";
    };
    ligne("[Tarvo 2.5.3]");
    ligne(std::to_string(etat));
    ligne(std::to_string(fenetre.Largeur()));
    ligne(std::to_string(fenetre.Hauteur()));
    ligne(std::to_string(std::max(fenetre.Gauche(), 0)));
    ligne(std::to_string(std::max(fenetre.Haut(), 0)));
    ligne("");
    for (int i = 1; i <= EntreesHistorique; ++i)
        ligne(EntreeEcrite(historique[static_cast<std::size_t>(i)]));
    return texte;
}

// The settings file is replaced only by a complete one: the new content goes to a
// temporary file first, so that a failed write never leaves half a file behind.
bool RemplaceFichier(Fichiers& fichiers, const std::string& chemin, std::string_view octets) {
    const std::string temporaire = chemin + ".tmp";
    if (!fichiers.Ecrit(temporaire, octets)) {
        fichiers.Supprime(temporaire);
        return false;
    }
    if ((fichiers.Existe(chemin) && !fichiers.Supprime(chemin)) ||
        !fichiers.Renomme(temporaire, chemin)) {
        fichiers.Supprime(temporaire);
        return false;
    }
    return true;
}

} // namespace

std::string CheminIni(Systeme& systeme) {
    std::string dossier = systeme.RepertoireConfiguration();
    if (!dossier.empty() && dossier.back() != '/') dossier += '/';
    return dossier + "Tarvo.ini";
}

void GeometrieParDefaut(Fenetre& fenetre, Systeme& systeme) {
    fenetre.FixeEtat(EtatFenetre::Normal);
    if (systeme.LargeurEcran() > LargeurParDefaut) fenetre.FixeLargeur(LargeurParDefaut);
    if (systeme.HauteurEcran() > HauteurParDefaut) fenetre.FixeHauteur(HauteurParDefaut);
    fenetre.FixeHaut(HautParDefaut);
    fenetre.FixeLargeur(LargeurParDefaut);
    fenetre.FixeLargeurPage(fenetre.LargeurClient());
}

void LitParametres(std::string_view contenu, Historique& historique, int& etatFenetreLu,
                   const Services& services) {
    Fenetre& fenetre = services.fenetre;
    const int largeurEcran = services.systeme.LargeurEcran();
    const int hauteurEcran = services.systeme.HauteurEcran();
    const std::string texte = DecodeTexteFichier(contenu);
    LectureLignes lecture{DecoupeLignes(texte)};

    const auto entete = lecture.Ligne();
    if (!entete || SousChaine(*entete, 1, 5) != "Tarvo") {
        lecture.erreur = true;
    } else {
        const int etat = lecture.Valeur();
        if (!lecture.erreur && etat >= 0 && etat <= 2)
            fenetre.FixeEtat(static_cast<EtatFenetre>(etat));
        etatFenetreLu = etat;

        // The program never writes a size of 0 or less: such a line comes from a damaged
        // file.
        const int largeur = std::min(lecture.Valeur(), largeurEcran);
        if (largeur <= 0) lecture.erreur = true;
        if (!lecture.erreur) fenetre.FixeLargeur(largeur);

        int hauteur = lecture.Valeur();
        if (hauteur > hauteurEcran) hauteur = HauteurParDefaut;
        if (hauteur <= 0) lecture.erreur = true;
        if (!lecture.erreur) fenetre.FixeHauteur(hauteur);

        // Nor a negative edge, which could put the window out of reach.
        int gauche = lecture.Valeur();
        if (gauche > largeurEcran - MargeEcran || gauche < 0) gauche = 0;
        if (!lecture.erreur) fenetre.FixeGauche(gauche);

        int haut = lecture.Valeur();
        if (haut > hauteurEcran - MargeEcran || haut < 0) haut = 0;
        if (!lecture.erreur) fenetre.FixeHaut(haut);

        lecture.Ligne();
        for (int i = 1; i <= EntreesHistorique && !lecture.erreur; ++i)
            if (const auto entree = lecture.Ligne())
                historique[static_cast<std::size_t>(i)] = std::string(*entree);
    }

    if (lecture.erreur) {
        services.dialogues.Avertissement(services.systeme.Traduit("Programme", TitreLecture),
                                         services.systeme.Traduit("Programme", ErreurLecture));
        GeometrieParDefaut(fenetre, services.systeme);
    }
}

void ChargeParametres(Historique& historique, int& etatFenetreLu, const Services& services) {
    const auto contenu = services.fichiers.Lit(CheminIni(services.systeme));
    if (!contenu) {
        GeometrieParDefaut(services.fenetre, services.systeme);
        return;
    }
    LitParametres(*contenu, historique, etatFenetreLu, services);
}

void EcritParametres(const Historique& historique, int etatFenetreLu, const Services& services) {
    const std::string octets =
        EncodeTexteFichier(TexteParametres(historique, etatFenetreLu, services.fenetre));
    if (!RemplaceFichier(services.fichiers, CheminIni(services.systeme), octets))
        services.dialogues.Avertissement(services.systeme.Traduit("Programme", TitreEcriture),
                                         services.systeme.Traduit("Programme", ErreurEcriture));
}

} // namespace tarvo
