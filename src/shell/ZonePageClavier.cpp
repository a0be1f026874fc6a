// The keys and the focus of the page's controls: the editor, the memo.
#include "shell/ZonePage.h"

#include "app/Commandes.h"
#include "app/Programme.h"
#include "entry/Clavier.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>

namespace tarvo {

bool ZonePage::ToucheNote(QKeyEvent* touche) {
    const QString texte = touche->text();
    // Keys that insert nothing (arrows, shortcuts) and a memo that cannot change are not
    // the user typing a comment.
    if (!Programme_ || texte.isEmpty() || Note->isReadOnly() ||
        (touche->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0)
        return false;
    const char32_t tape = texte.toUcs4().value(0);
    const char32_t insere = FicheNoteKeyPress(*Programme_, TexteNote(), tape);
    if (insere == tape && tape != U'\r') return false;
    Note->insertPlainText(QString::fromUcs4(&insere, 1));
    return true;
}

namespace {

// The key as the editor's key handler knows it.
Touche ToucheDe(int cle) {
    switch (cle) {
    case Qt::Key_PageUp: return Touche::PagePrecedente;
    case Qt::Key_PageDown: return Touche::PageSuivante;
    case Qt::Key_Left: return Touche::Gauche;
    case Qt::Key_Right: return Touche::Droite;
    case Qt::Key_Up: return Touche::Haut;
    case Qt::Key_Down: return Touche::Bas;
    default: return Touche::Autre;
    }
}

// The character a key types, control characters included (Ctrl+D is 4, Ctrl+L 12,
// Ctrl+Enter a line feed); 0 for none.
char32_t CaractereDe(const QKeyEvent& touche) {
    const bool ctrl = (touche.modifiers() & Qt::ControlModifier) != 0;
    switch (touche.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return ctrl ? U'\n' : U'\r';
    case Qt::Key_Escape: return 27;
    case Qt::Key_D:
        if (ctrl) return 4;
        break;
    case Qt::Key_L:
        if (ctrl) return 12;
        break;
    default: break;
    }
    const QString texte = touche.text();
    return texte.isEmpty() ? 0 : texte.toUcs4().value(0);
}

// Focus taken by a dialog or a menu is no move to another field of the page.
bool VersUneAutreFenetre(const QFocusEvent& focus) {
    return focus.reason() == Qt::ActiveWindowFocusReason || focus.reason() == Qt::PopupFocusReason;
}

bool TexteDansPressePapiers() {
    const QMimeData* contenu = QGuiApplication::clipboard()->mimeData();
    return contenu != nullptr && contenu->hasText();
}

} // namespace

bool ZonePage::ToucheSaisie(QKeyEvent* touche) {
    ContexteSaisie contexte = Programme_->Saisie();
    const Touche t = ToucheDe(touche->key());
    if (t != Touche::Autre) {
        FicheSaisieKeyDown(contexte, t);
        RafraichitPage();
        return false;
    }
    const char32_t caractere = CaractereDe(*touche);
    if (caractere == 0) return false;
    const bool traite = FicheSaisieKeyPress(contexte, caractere);
    RafraichitPage();
    return traite;
}

bool ZonePage::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == Saisie && Programme_) {
        switch (evenement->type()) {
        case QEvent::KeyPress:
            if (ToucheSaisie(static_cast<QKeyEvent*>(evenement))) return true;
            break;
        case QEvent::FocusIn:
            FicheSaisieEnter(*Programme_, TexteDansPressePapiers());
            break;
        case QEvent::FocusOut:
            if (!VersUneAutreFenetre(*static_cast<QFocusEvent*>(evenement))) {
                FicheSaisieExit(*Programme_);
                RafraichitPage();
            }
            break;
        default: break;
        }
    }
    if (objet == Note && Programme_) {
        if (evenement->type() == QEvent::FocusIn)
            FicheNoteEnter(*Programme_, TexteDansPressePapiers());
        if (evenement->type() == QEvent::KeyPress && ToucheNote(static_cast<QKeyEvent*>(evenement)))
            return true;
        if (evenement->type() == QEvent::FocusOut && !Note->isReadOnly() &&
            !VersUneAutreFenetre(*static_cast<QFocusEvent*>(evenement))) {
            FicheNoteExit(*Programme_, TexteNote());
            RafraichitPage();
        }
    }
    return QWidget::eventFilter(objet, evenement);
}

} // namespace tarvo
