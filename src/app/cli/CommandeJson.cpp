#include "app/cli/Commandes.h"

namespace tarvo {

int CommandeJson(const OptionsCli&, ContexteCli& contexte) {
    contexte.erreurs << "--json : pas encore disponible\n";
    return 2;
}

} // namespace tarvo
