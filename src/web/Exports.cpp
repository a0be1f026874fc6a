// What the page's script calls: one function per event of the page, each with the page
// object it created first (no state of the program lives outside it). Texts given back are
// allocated with malloc: the script frees them.

#include "app/Commandes.h"
#include "entry/Clavier.h"
#include "web/JsonWeb.h"
#include "web/PageWeb.h"
#include "web/TextesPage.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <cstring>

using namespace tarvo;

namespace {

char* Copie(const std::string& texte) {
    auto* c = static_cast<char*>(std::malloc(texte.size() + 1));
    std::memcpy(c, texte.c_str(), texte.size() + 1);
    return c;
}

PageWeb& P(void* page) {
    return *static_cast<PageWeb*>(page);
}

// The actions, menus and toolbar as the script builds them: the window's own descriptions,
// their captions and hints in the interface's language.
std::string DescriptionInterface(PageWeb& page) {
    Systeme& s = page.Systeme_();
    std::string j = "{\"actions\":[";
    for (std::size_t i = 0; i < NombreActions; ++i) {
        const DescriptionAction& d = Description(static_cast<Action>(i));
        if (i > 0) j += ',';
        j += "{\"nom\":" + ChaineJson(d.Nom) +
             ",\"libelle\":" + ChaineJson(s.Traduit("Actions", d.Libelle)) +
             ",\"raccourci\":" + ChaineJson(d.RaccourciMenu.empty() ? d.Raccourci : d.RaccourciMenu) +
             ",\"raccourciAction\":" + ChaineJson(d.Raccourci) +
             ",\"aide\":" + std::to_string(d.ContexteAide) +
             ",\"image\":" + std::to_string(d.Image) + "}";
    }
    j += "],\"menus\":[";
    bool premierMenu = true;
    for (const Menu& m : MenuPrincipal()) {
        if (!premierMenu) j += ',';
        premierMenu = false;
        j += "{\"libelle\":" + ChaineJson(s.Traduit("Actions", m.Libelle)) +
             ",\"indication\":" + ChaineJson(s.Traduit("Actions", m.Indication)) + ",\"elements\":[";
        for (std::size_t i = 0; i < m.Nombre; ++i) {
            const ElementMenu& e = m.Elements[i];
            if (i > 0) j += ',';
            switch (e.Type) {
            case ElementMenu::Genre::Commande:
                j += "{\"action\":" + std::to_string(Indice(e.Commande)) + "}";
                break;
            case ElementMenu::Genre::Separateur:
                j += "{\"separateur\":" + ChaineJson(e.Nom) + "}";
                break;
            case ElementMenu::Genre::Historique:
                j += "{\"historique\":" + std::to_string(e.Historique) + "}";
                break;
            }
        }
        j += "]}";
    }
    j += "],\"barre\":[";
    bool premier = true;
    for (const PlaceBarre& place : BarreOutils()) {
        if (!premier) j += ',';
        premier = false;
        j += place.Separateur ? std::string("{\"separateur\":true}")
                              : "{\"bouton\":" + std::to_string(static_cast<int>(place.Nom)) +
                                    ",\"action\":" + std::to_string(Indice(place.Commande)) + "}";
    }
    return j + "]}";
}

// Enabled state and hint ("short|long", translated) of every action, and the pressed buttons.
std::string EtatActionsJson(PageWeb& page) {
    const EtatActions& etat = page.Prog().Actions;
    Systeme& s = page.Systeme_();
    std::string j = "{\"actions\":[";
    for (std::size_t i = 0; i < NombreActions; ++i) {
        const Action a = static_cast<Action>(i);
        if (i > 0) j += ',';
        const std::string indication = s.Traduit("Actions", etat.Indication(a));
        j += "{\"active\":" + std::string(ActionUtilisable(etat, a) ? "true" : "false") +
             ",\"courte\":" + ChaineJson(IndicationCourte(indication)) +
             ",\"longue\":" + ChaineJson(IndicationLongue(indication)) + "}";
    }
    j += "],\"enfonces\":[";
    for (std::size_t b = 0; b < NombreBoutons; ++b)
        j += std::string(b > 0 ? "," : "") + (etat.Enfonce(static_cast<Bouton>(b)) ? "true" : "false");
    return j + "]}";
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void* tarvo_cree(const char* langue, int separateur) {
    return new PageWeb(langue, static_cast<char>(separateur));
}

EMSCRIPTEN_KEEPALIVE void tarvo_catalogue(void* page, const char* contexte, const char* source,
                                          const char* traduction) {
    P(page).Systeme_().Ajoute(contexte, source, traduction);
}

EMSCRIPTEN_KEEPALIVE void tarvo_externe(void* page, const char* nom) {
    P(page).Fichiers_().AjouteExterne(nom);
}

EMSCRIPTEN_KEEPALIVE void tarvo_depose(void* page, const char* nom, const char* octets,
                                       int longueur) {
    P(page).Fichiers_().Depose(nom, std::string(octets, static_cast<std::size_t>(longueur)));
}

EMSCRIPTEN_KEEPALIVE char* tarvo_texte(void* page, const char* contexte, const char* texte) {
    return Copie(P(page).Systeme_().Traduit(contexte, texte));
}

EMSCRIPTEN_KEEPALIVE char* tarvo_textes(void* page) {
    return Copie(TextesPageJson(P(page).Systeme_()));
}

// The page and the series a link names: the series read back as the arrows do.
EMSCRIPTEN_KEEPALIVE void tarvo_va_a_la_serie(void* page, int serie) {
    P(page).Evenement([serie](Programme& p) {
        for (int pas = 0; pas < 100000 && p.Doc.SerieCourante > serie && p.Doc.SerieCourante > 1; ++pas) {
            const int avant = p.Doc.SerieCourante;
            SeriePrecedente(p);
            if (p.Doc.SerieCourante == avant) break;
        }
    });
}

EMSCRIPTEN_KEEPALIVE char* tarvo_description(void* page) {
    return Copie(DescriptionInterface(P(page)));
}

EMSCRIPTEN_KEEPALIVE char* tarvo_etat_actions(void* page) {
    return Copie(EtatActionsJson(P(page)));
}

EMSCRIPTEN_KEEPALIVE void tarvo_geometrie(void* page, int largeurClient, int hauteurClient,
                                          int barreOutils, int barreEtat) {
    PageWeb& p = P(page);
    p.Zone().FixeGeometrie(largeurClient, hauteurClient, barreOutils, barreEtat);
    p.Evenement([](Programme& prog) { prog.vue.FormResize(); });
}

EMSCRIPTEN_KEEPALIVE void tarvo_demarre(void* page, const char* document) {
    const std::string nom = document;
    P(page).Evenement([&nom](Programme& p) {
        FormCreate(p, nom.empty() ? std::vector<std::string>{} : std::vector<std::string>{nom});
    });
}

EMSCRIPTEN_KEEPALIVE void tarvo_action(void* page, int action) {
    P(page).Evenement([action](Programme& p) { ExecuteAction(p, static_cast<Action>(action)); });
}

EMSCRIPTEN_KEEPALIVE void tarvo_historique(void* page, int n) {
    P(page).Evenement([n](Programme& p) { HistoriqueClick(p, n); });
}

// A document brought by the page (dropped, named by its address): opened by the Open command
// as if chosen in its dialog, the save question first.
EMSCRIPTEN_KEEPALIVE void tarvo_ouvre(void* page, const char* nom) {
    PageWeb& p = P(page);
    p.Dialogues_().ProposeFichier(nom);
    p.Evenement([](Programme& prog) { ExecuteAction(prog, Action::FileOpen1); });
    p.Dialogues_().ProposeFichier({});
}

// A key of the editor: an arrow or Page Up/Down (`touche`, as entry/Clavier.h numbers
// them), else the character it types (Enter 13, Ctrl+Enter 10, Escape 27, Ctrl+D 4, Ctrl+L
// 12 ...). 1 when the program took it: the editor must not insert it.
EMSCRIPTEN_KEEPALIVE int tarvo_touche_saisie(void* page, int touche, int caractere) {
    int traite = 0;
    P(page).Evenement([&](Programme& p) {
        ContexteSaisie contexte = p.Saisie();
        if (touche != static_cast<int>(Touche::Autre)) {
            FicheSaisieKeyDown(contexte, static_cast<Touche>(touche));
            return;
        }
        if (caractere != 0)
            traite = FicheSaisieKeyPress(contexte, static_cast<char32_t>(caractere)) ? 1 : 0;
    });
    return traite;
}

EMSCRIPTEN_KEEPALIVE void tarvo_focus_saisie(void* page, int focus) {
    PageWeb& p = P(page);
    if ((focus != 0) == p.Zone().SaisieAuFocus()) return;
    p.Zone().FixeSaisieAuFocus(focus != 0);
    p.Evenement([focus](Programme& prog) {
        if (focus != 0)
            FicheSaisieEnter(prog, true);
        else
            FicheSaisieExit(prog);
    });
}

// A character typed in the memo: the one it must insert instead (the same, or 0 for none).
EMSCRIPTEN_KEEPALIVE int tarvo_touche_note(void* page, int caractere) {
    PageWeb& p = P(page);
    char32_t insere = 0;
    p.Evenement([&](Programme& prog) {
        insere = FicheNoteKeyPress(prog, p.Zone().TexteNote(), static_cast<char32_t>(caractere));
    });
    return static_cast<int>(insere);
}

EMSCRIPTEN_KEEPALIVE void tarvo_note_change(void* page) {
    PageWeb& p = P(page);
    p.Evenement([&p](Programme& prog) { FicheNoteChange(prog, p.Zone().TexteNote()); });
}

EMSCRIPTEN_KEEPALIVE void tarvo_focus_note(void* page, int focus) {
    PageWeb& p = P(page);
    p.Zone().FixeNoteAuFocus(focus != 0);
    p.Evenement([&p, focus](Programme& prog) {
        if (focus != 0)
            FicheNoteEnter(prog, true);
        else
            FicheNoteExit(prog, p.Zone().TexteNote());
    });
}

EMSCRIPTEN_KEEPALIVE void tarvo_clic(void* page, int x, int y) {
    P(page).Evenement([x, y](Programme& p) { FicheFenetreMouseUp(p, x, y); });
}

EMSCRIPTEN_KEEPALIVE void tarvo_serie(void* page, int suivante) {
    P(page).Evenement([suivante](Programme& p) {
        if (suivante != 0)
            SerieSuivante(p);
        else
            SeriePrecedente(p);
    });
}

// A click on a shape button: it stays on, and its choice runs.
EMSCRIPTEN_KEEPALIVE void tarvo_forme(void* page, int parabolique) {
    P(page).Evenement([parabolique](Programme& p) {
        FicheFormeClick(p, parabolique != 0, true);
    });
}

EMSCRIPTEN_KEEPALIVE void tarvo_reglage(void* page, int controle, double valeur) {
    P(page).Evenement([controle, valeur](Programme& p) {
        ReglageOmbres(p, static_cast<Controle>(controle), valeur);
    });
}

EMSCRIPTEN_KEEPALIVE void tarvo_barre(void* page, int vertical, int position) {
    P(page).Evenement([vertical, position](Programme& p) {
        p.vue.DeplaceBarre(vertical != 0 ? Sens::Vertical : Sens::Horizontal, position);
    });
}

EMSCRIPTEN_KEEPALIVE void tarvo_page_barre(void* page, int vertical, int avant) {
    P(page).Evenement([vertical, avant](Programme& p) {
        p.vue.PasseUnePage(vertical != 0 ? Sens::Vertical : Sens::Horizontal, avant != 0);
    });
}

// The wheel: three lines of the bar a notch, as on the desktop.
EMSCRIPTEN_KEEPALIVE void tarvo_molette(void* page, int crans) {
    P(page).Evenement([crans](Programme& p) {
        if (!p.vue.Barre(Sens::Vertical).Visible || crans == 0) return;
        p.vue.DeplaceBarre(Sens::Vertical, p.vue.Barre(Sens::Vertical).Position - 3 * crans);
    });
}

// A key of the page while the editor is hidden (the history's lines); 1 when taken.
EMSCRIPTEN_KEEPALIVE int tarvo_touche_page(void* page, int touche) {
    int prise = 0;
    P(page).Evenement([&](Programme& p) {
        prise = ToucheHistorique(p, static_cast<TouchePage>(touche)) ? 1 : 0;
    });
    return prise;
}

EMSCRIPTEN_KEEPALIVE void tarvo_aide_contexte(void* page, int contexte) {
    P(page).Evenement([contexte](Programme& p) { AideContextuelle(p, contexte); });
}

EMSCRIPTEN_KEEPALIVE void tarvo_fond(void* page, int jeton) {
    PageWeb& p = P(page);
    p.Evenement([&p, jeton](Programme&) { p.Calculs().Execute(jeton); });
}

// The document's file name (empty for a new one): a document brought by the user is kept in
// the storage once it is the program's.
EMSCRIPTEN_KEEPALIVE char* tarvo_nom_document(void* page) {
    return Copie(P(page).Prog().Doc.NomFichier);
}

// 1 while the document has changes to save: the page asks before it is left.
EMSCRIPTEN_KEEPALIVE int tarvo_modifie(void* page) {
    const Document& d = P(page).Prog().Doc;
    return d.Modifie || d.ModifieBulletin ? 1 : 0;
}

// The working document kept aside (after each change, when the page is idle).
EMSCRIPTEN_KEEPALIVE void tarvo_instantane(void* page) {
    P(page).Instantane();
}

// A document taken back from the storage is one with changes to save.
EMSCRIPTEN_KEEPALIVE void tarvo_marque_modifie(void* page) {
    P(page).Evenement([](Programme& p) {
        p.Doc.Modifie = true;
        p.surface.MetAJourActions();
    });
}

// The list dialog's boxes for those checked ("0,1,0,1"), while it is shown.
EMSCRIPTEN_KEEPALIVE char* tarvo_etat_liste(void* page, const char* coches) {
    std::vector<bool> c;
    for (const char* x = coches; *x; ++x)
        if (*x == '0' || *x == '1') c.push_back(*x == '1');
    std::string j = "[";
    bool premier = true;
    for (const ElementListe& e : P(page).Dialogues_().EtatListe(c)) {
        if (!premier) j += ',';
        premier = false;
        j += "{\"libelle\":" + ChaineJson(e.Libelle) + ",\"actif\":" +
             (e.Actif ? "true" : "false") + ",\"motif\":" + ChaineJson(e.Motif) + "}";
    }
    return Copie(j + "]");
}

// The page's controls as they are placed now (for the tests' comparison with the desktop).
EMSCRIPTEN_KEEPALIVE char* tarvo_controles(void* page) {
    ZoneWeb& z = P(page).Zone();
    std::string j = "[";
    for (int c = 0; c <= static_cast<int>(Controle::ReglageDecalage); ++c) {
        const auto k = static_cast<Controle>(c);
        if (c > 0) j += ',';
        j += "[" + std::to_string(z.GaucheControle(k)) + "," + std::to_string(z.HautControle(k)) +
             "," + std::to_string(z.LargeurControle(k)) + "," +
             std::to_string(z.HauteurControle(k)) + "," + (z.ControleVisible(k) ? "1" : "0") + "]";
    }
    return Copie(j + "]");
}

} // extern "C"

int main() {
    return 0;
}
