#include "web/CalculsWeb.h"

#include "web/Pont.h"

namespace tarvo {

void CalculsWeb::Lance(std::function<void()> travail, std::function<void()> termine) {
    // Work launched earlier and not started yet is dropped.
    enAttente_.clear();
    enAttente_[++dernier_] = {std::move(travail), std::move(termine)};
    tw_plus_tard(dernier_);
}

void CalculsWeb::Execute(int jeton) {
    const auto t = enAttente_.find(jeton);
    if (t == enAttente_.end()) return;
    auto [travail, termine] = std::move(t->second);
    enAttente_.erase(t);
    travail();
    termine();
    if (apres_) apres_();
}

} // namespace tarvo
