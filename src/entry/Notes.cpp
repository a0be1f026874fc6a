#include "entry/Notes.h"

#include "document/Commentaire.h"

#include <algorithm>

namespace tarvo {

char32_t ToucheNote(Document& doc, const std::string& texteMemo, char32_t caractere) {
    doc.Modifie = true;
    doc.Commentaire = texteMemo;
    if (caractere == U'"') return U'`';
    if (caractere == U'\r') return U'\n';
    return caractere;
}

std::string NoteChangee(Document& doc, const std::string& texteMemo) {
    std::string texte = texteMemo;
    std::replace(texte.begin(), texte.end(), '"', '`');
    doc.Commentaire = texte;
    doc.Note = texte;
    return texte;
}

void NormaliseCommentaire(Document& doc) {
    const bool derniere = doc.SerieCourante >= doc.NombreSeries;
    doc.Commentaire = CommentaireRelu(doc.Commentaire);
    if (derniere) doc.Note = doc.Commentaire;
}

} // namespace tarvo
