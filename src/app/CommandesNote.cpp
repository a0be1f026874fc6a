#include "app/Commandes.h"
#include "app/Principale.h"
#include "app/Programme.h"
#include "entry/Notes.h"

namespace tarvo {

namespace {

// The comment now differs from the file: the previous-series arrow, which re-reads the
// file, goes at once, and the document can be saved.
void CommentaireModifie(Programme& p) {
    p.Doc.Modifie = true;
    p.surface.AfficheControle(Controle::DownRelache, false);
    p.surface.AfficheControle(Controle::DownNeutre, true);
    p.Actions.Active(Action::FileSave1, true);
}

} // namespace

char32_t FicheNoteKeyPress(Programme& p, const std::string& texteMemo, char32_t caractere) {
    const char32_t insere = ToucheNote(p.Doc, texteMemo, caractere);
    CommentaireModifie(p);
    return insere;
}

// Every change of the memo's text that reaches here is the user's (a key, a deletion, a
// paste, an undo): each one is a modification to save.
void FicheNoteChange(Programme& p, const std::string& texteMemo) {
    const std::string commentaire = NoteChangee(p.Doc, texteMemo);
    if (commentaire != texteMemo) p.principale.FixeTexteNote(commentaire);
    CommentaireModifie(p);
}

void FicheNoteEnter(Programme& p, bool texteDansPressePapiers) {
    FicheSaisieEnter(p, texteDansPressePapiers);
}

void FicheNoteExit(Programme& p, const std::string& texteMemo) {
    NoteChangee(p.Doc, texteMemo);
    p.surface.FixeTexteStatut("");
    for (Action a : {Action::Couper1, Action::Copier1, Action::Coller1})
        p.Actions.Active(a, false);
    ValideEditeur(p);
    AffichePage(p);
}

} // namespace tarvo
