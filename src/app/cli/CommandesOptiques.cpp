#include "app/cli/Commandes.h"

#include "app/cli/Json.h"

namespace tarvo {

int CommandeZones(const OptionsCli&, ContexteCli& contexte) {
    contexte.erreurs << "--zones : pas encore disponible\n";
    return 2;
}

int CommandeCsv(const OptionsCli&, ContexteCli& contexte) {
    contexte.erreurs << "--csv : pas encore disponible\n";
    return 2;
}

void EcritJsonOptique(Json& json, Document&) {
    json.Nul("Feuille");
    json.Nul("Bulletin");
}

} // namespace tarvo
