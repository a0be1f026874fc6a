#include "support/SystemeFixe.h"

#include "document/Dates.h"

#include <cstdio>

namespace tarvo::test {

std::string SystemeFixe::DateCourte(double jour) {
    int a = 0, m = 0, j = 0;
    if (!DateDeJour(jour, a, m, j)) return std::string();
    char tampon[16];
    std::snprintf(tampon, sizeof tampon, "%02d/%02d/%04d", j, m, a);
    return tampon;
}

} // namespace tarvo::test
