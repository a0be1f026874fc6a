#pragma once

// What the C++ of the page asks of the page's JavaScript (bibliotheque.js): the drawing of
// the canvases, the page's controls, the dialogs, the storage. Texts go as UTF-8 pointers
// and lengths; a text coming back is a buffer the page allocated with malloc, which the
// caller frees. The dialogs wait for the user: they are the only asynchronous imports.

#include <cstddef>
#include <cstdint>

extern "C" {

// The canvases: 0 the page bitmap, 1..3 the graph images, drawn by replaying a list of
// operations (CanvasWeb.h); the width of a text in a font of `pixels` px.
void tw_dessine(int canvas, const std::int32_t* operations, int nombre, const char* textes,
                const std::uint8_t* images);
void tw_taille_canvas(int canvas, int largeur, int hauteur);
int tw_largeur_texte(const char* texte, int longueur, int pixels, int gras);

// The controls of the page frame, by their number (pages/commun/Surface.h `Controle`).
void tw_place_controle(int controle, int gauche, int haut, int largeur, int hauteur,
                       int visible);
void tw_police_controle(int controle, int hauteur);
void tw_coche(int controle, int coche);
void tw_reglage(int controle, double valeur, double minimum, double maximum, double pas,
                int decimales, const char* nom, const char* suffixe);
void tw_fiche(int gauche, int haut, int largeur, int hauteur);
void tw_barre(int vertical, int position, int taillePage, int visible);
// The editor `Saisie`.
char* tw_texte_saisie();
void tw_fixe_texte_saisie(const char* texte);
void tw_longueur_max_saisie(int longueur);
void tw_indication(int controle, const char* courte, const char* longue);
void tw_selectionne_saisie();
void tw_focus_saisie();
int tw_saisie_a_le_focus();
void tw_presse_papiers(int surSaisie, int operation);
// The memo `Note`.
char* tw_texte_note();
void tw_fixe_texte_note(const char* texte);
void tw_lecture_seule_note(int lectureSeule);
void tw_active_saisie_et_note(int actifs);
// The window around the page.
void tw_titre(const char* titre);
void tw_statut(const char* texte);
void tw_bouton_page(int bouton);
void tw_conseil_imprimer(const char* courte, const char* longue);
void tw_contexte_aide(int contexte);
void tw_historique(int n, int visible, const char* libelle);
void tw_actions_changees();
void tw_barre_outils_active(int active);
void tw_aide(const char* page);
void tw_ferme_aides();
void tw_a_propos();
void tw_termine();
void tw_modifie(int modifie);

// Dialogs: they wait for the user's answer.
void tw_message(int genre, const char* titre, const char* texte);
int tw_confirmation(const char* texte, int avecAnnuler, int parDefaut);
void tw_bip();
char* tw_choisit_fichier_a_ouvrir(const char* titre);
char* tw_choisit_fichier_a_enregistrer(const char* titre, const char* propose);
char* tw_choisit_dans_liste(const char* description);

// The system: today (year, month, day, packed as yyyymmdd), a date as the browser's
// language writes it short, the screen.
int tw_aujourdhui();
char* tw_date_courte(int annee, int mois, int jour);
int tw_largeur_ecran();
int tw_hauteur_ecran();

// Storage: a file the program wrote (the page keeps documents, settings and backups in the
// browser's storage), one it deleted; a print job's sheets, as SVG.
void tw_fichier_ecrit(const char* nom, const char* octets, int longueur);
void tw_fichier_supprime(const char* nom);
void tw_imprime(const char* feuilles, int longueur, double largeurMm, double hauteurMm);

// Background work: `tarvo_fond(jeton)` is called back once the page waits for the user.
void tw_plus_tard(int jeton);
}
