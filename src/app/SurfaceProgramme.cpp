#include "app/SurfaceProgramme.h"

#include "app/MetAJourActions.h"
#include "app/Principale.h"
#include "app/Programme.h"

#include <array>
#include <utility>

namespace tarvo {

void SurfaceProgramme::EnfonceBoutonPage(BoutonPage bouton) {
    if (!Programme_) return;
    static constexpr std::array<std::pair<BoutonPage, Bouton>, 9> boutons{{
        {BoutonPage::ToolCaracteristiques, Bouton::ToolCaracteristiques},
        {BoutonPage::ToolTravail, Bouton::ToolTravail},
        {BoutonPage::ToolAnciennes, Bouton::ToolAnciennes},
        {BoutonPage::ToolNouvelles, Bouton::ToolNouvelles},
        {BoutonPage::ToolEdition, Bouton::ToolEdition},
        {BoutonPage::ToolBulletin, Bouton::ToolBulletin},
        {BoutonPage::ToolAnalyse, Bouton::ToolAnalyse},
        {BoutonPage::ToolHistorique, Bouton::ToolHistorique},
        {BoutonPage::ToolOmbres, Bouton::ToolOmbres},
    }};
    for (const auto& [page, barre] : boutons)
        Programme_->Actions.Enfonce(barre, page == bouton);
}

void SurfaceProgramme::FixeContexteAide(int contexte) {
    if (Programme_) Programme_->Etat.ContexteAide = contexte;
}

void SurfaceProgramme::FixeConseilImprimer(const std::string& conseil) {
    if (Programme_) Programme_->Actions.FixeIndication(Action::Imprimer1, conseil);
}

void SurfaceProgramme::MetAJourActions() {
    if (Programme_)
        tarvo::MetAJourActions(Programme_->Doc, Programme_->Actions,
                               Programme_->Moyenne.has_value());
}

void SurfaceProgramme::MetAJourVue() {
    if (Programme_) Programme_->vue.MetAJourVue();
}

bool SurfaceProgramme::MesuresActive() {
    return Programme_ != nullptr && Programme_->Actions.Active(Action::Mesures);
}

void SurfaceProgramme::FermeAides() {
    if (Programme_) Programme_->principale.FermeAides();
}

std::string SurfaceProgramme::TexteSaisie() {
    return Programme_ ? Programme_->principale.TexteSaisie() : std::string();
}

void SurfaceProgramme::FixeTexteSaisie(const std::string& texte) {
    if (Programme_) Programme_->principale.FixeTexteSaisie(texte);
}

void SurfaceProgramme::FixeLongueurMaxSaisie(int longueur) {
    if (Programme_) Programme_->principale.FixeLongueurMaxSaisie(longueur);
}

void SurfaceProgramme::FixeIndicationSaisie(const std::string& indication) {
    if (Programme_) Programme_->principale.FixeIndicationSaisie(indication);
}

void SurfaceProgramme::SelectionneSaisie() {
    if (Programme_) Programme_->principale.SelectionneSaisie();
}

} // namespace tarvo
