#pragma once

#include "cli/DialoguesEnregistres.h"
#include "entry/ContexteSaisie.h"
#include "pages/bulletin/PageBulletin.h"
#include "pages/caracteristiques/PageCaracteristiques.h"
#include "pages/commun/ContextePage.h"
#include "pages/feuille/PageFeuille.h"
#include "pages/mesures/PageMesures.h"
#include "support/SurfaceFactice.h"
#include "support/SystemeFixe.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvo::test {

// The data entry's world on fakes: a new document dated 9 December 2026, the recording
// window, scripted dialogs, and a program whose redraw runs the real drawer of the current
// page, so that the boxes the handlers read are those a user clicks.
struct BancSaisie : ::testing::Test, ProgrammeSaisie {
    BancSaisie() { InitialiseDocument(doc, systeme.Jour); }

    void AffichePage() override {
        ++Redessins;
        ContextePage page{doc, surface, systeme, miseEnPage, cadres, modeImpression, pages, saisie};
        if (Page == "Caractéristiques") AfficheCaracteristiques(page);
        if (Page == "Feuille") AfficheFeuille(page);
        if (Page == "Mesures") AfficheMesures(page, ModeMesures::Consultation);
        if (Page == "NouvellesMesures") AfficheMesures(page, ModeMesures::Nouvelles);
        if (Page == "EditionMesures") AfficheMesures(page, ModeMesures::Edition);
        if (Page == "Bulletin") AfficheBulletin(page);
    }
    void MetAJourActions() override { ++MisesAJourActions; }

    // The editor as the user leaves it: its text typed over.
    void Tape(const std::string& texte) { surface.FixeTexteSaisie(texte); }
    const std::string& Editeur() const { return surface.TexteSaisie_; }
    // The messages shown, in order.
    std::vector<std::string> Messages() const {
        std::vector<std::string> textes;
        for (const tarvo::MessageAffiche& m : dialogues.Messages)
            textes.push_back(m.Texte);
        return textes;
    }

    Document doc;
    EtatSaisie saisie;
    CadresPage cadres;
    MiseEnPage miseEnPage;
    EtatPages pages;
    SurfaceFactice surface;
    DialoguesEnregistres dialogues;
    SystemeFixe systeme;
    std::string Page = "Caractéristiques";
    bool MessageAffiche_ = false;
    bool modeImpression = false;
    int Redessins = 0;
    int MisesAJourActions = 0;
    ContexteSaisie c{doc,       saisie,  cadres, miseEnPage,      pages, surface,
                     dialogues, systeme, Page,   MessageAffiche_, *this};
};

} // namespace tarvo::test
