#pragma once

#include "app/Actions.h"

#include <array>
#include <string>

namespace tarvo {

// Told of every change, so that the window shows the state of its actions.
class ObservateurActions {
  public:
    virtual ~ObservateurActions() = default;
    virtual void ActionChangee(Action a) = 0;
    virtual void BoutonChange(Bouton b) = 0;
};

// Enabled state and hint of every action as the program's rules set them, and the
// toolbar buttons shown pressed. Whether a command is written yet is a separate matter
// (`CommandeDisponible`): the window enables an action only when both agree.
class EtatActions {
  public:
    EtatActions();

    bool Active(Action a) const { return Actives[Indice(a)]; }
    void Active(Action a, bool actif);
    const std::string& Indication(Action a) const { return Indications[Indice(a)]; }
    void FixeIndication(Action a, const std::string& indication);
    bool Enfonce(Bouton b) const { return Enfonces[static_cast<std::size_t>(b)]; }
    void Enfonce(Bouton b, bool enfonce);

    void FixeObservateur(ObservateurActions* observateur) { Observateur = observateur; }

  private:
    std::array<bool, NombreActions> Actives{};
    std::array<std::string, NombreActions> Indications;
    std::array<bool, NombreBoutons> Enfonces{};
    ObservateurActions* Observateur = nullptr;
};

// The commands that work at this stage of the program. The others are shown disabled
// whatever the rules say, so that none pretends to work.
bool CommandeDisponible(Action a);

// What the window shows: the rule's state and the command's availability.
inline bool ActionUtilisable(const EtatActions& etat, Action a) {
    return etat.Active(a) && CommandeDisponible(a);
}

} // namespace tarvo
