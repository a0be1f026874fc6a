#pragma once

#include <string>

namespace tarvo {

// Day count (day 0 = 30 December 1899) of a calendar date; nothing when the date is not
// a valid one between the years 1 and 9999.
bool JourDeDate(int annee, int mois, int jour, double& resultat);
// Calendar date of a day count; false when it lies outside the years 1 to 9999.
bool DateDeJour(double jours, int& annee, int& mois, int& jour);

// A day count as day/month/year with two-digit day and month; empty outside the years 1
// to 9999.
std::string TexteJourMoisAnnee(double jours);

} // namespace tarvo
