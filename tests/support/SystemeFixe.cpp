#include "support/SystemeFixe.h"

#include "document/Dates.h"

namespace tarvo::test {

std::string SystemeFixe::DateCourte(double jour) { return TexteJourMoisAnnee(jour); }

} // namespace tarvo::test
