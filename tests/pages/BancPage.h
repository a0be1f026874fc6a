#pragma once

#include "document/Document.h"
#include "pages/caracteristiques/PageCaracteristiques.h"
#include "pages/commun/ContextePage.h"
#include "support/SurfaceFactice.h"
#include "support/SystemeFixe.h"

#include <gtest/gtest.h>

namespace tarvo::test {

// A page drawer's world: a new document dated 9 December 2026, the recording window,
// a system with the comma as decimal separator.
struct BancPage : ::testing::Test {
    BancPage() { InitialiseDocument(doc, systeme.Jour); }

    ContextePage Contexte() {
        return ContextePage{doc, surface, systeme, miseEnPage, cadres, modeImpression, etat, saisie};
    }
    void Affiche() {
        ContextePage page = Contexte();
        AfficheCaracteristiques(page);
    }
    const Trace& TexteEcran(std::string_view texte) {
        const Trace* t = surface.Ecran.Texte(texte);
        if (t == nullptr) {
            ADD_FAILURE() << "texte absent de l'écran : " << texte;
            static const Trace vide;
            return vide;
        }
        return *t;
    }
    const Trace& TextePapier(std::string_view texte) {
        const Trace* t = surface.Papier ? surface.Papier->Texte(texte) : nullptr;
        if (t == nullptr) {
            ADD_FAILURE() << "texte absent du papier : " << texte;
            static const Trace vide;
            return vide;
        }
        return *t;
    }
    SurfaceFactice::EtatControle& Etat(Controle c) { return surface.Controles[c]; }

    Document doc;
    SurfaceFactice surface;
    SystemeFixe systeme;
    MiseEnPage miseEnPage;
    CadresPage cadres;
    bool modeImpression = false;
    EtatPages etat;
    EtatSaisie saisie;
};

} // namespace tarvo::test
