#include "app/cli/Commandes.h"

namespace tarvo {

int CommandeEnregistreSous(const OptionsCli&, ContexteCli& contexte) {
    contexte.erreurs << "--save-as : pas encore disponible\n";
    return 2;
}

} // namespace tarvo
