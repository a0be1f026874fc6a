#include "entry/Notes.h"

namespace tarvo {

char32_t ToucheNote(Document& doc, const std::string& texteMemo, char32_t caractere) {
    doc.Modifie = true;
    doc.Commentaire = texteMemo;
    if (caractere == U'"') return U'`';
    if (caractere == U'\r') return U'\n';
    return caractere;
}

void NoteChangee(Document& doc, const std::string& texteMemo) {
    doc.Commentaire = texteMemo;
    doc.Note = texteMemo;
}

} // namespace tarvo
