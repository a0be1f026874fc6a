#include "document/Dates.h"

#include <cmath>
#include <cstdio>

namespace tarvo {

namespace {

// Days from 1 March of year 0 (proleptic Gregorian), the usual civil-date arithmetic.
constexpr long long JoursCivils(long long a, long long m, long long j) {
    a -= m <= 2;
    const long long ere = (a >= 0 ? a : a - 399) / 400;
    const long long ae = a - ere * 400;
    const long long jda = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + j - 1;
    const long long jde = ae * 365 + ae / 4 - ae / 100 + jda;
    return ere * 146097 + jde;
}

// Day count of 30 December 1899 in the same arithmetic.
constexpr long long Origine = JoursCivils(1899, 12, 30);

} // namespace

bool JourDeDate(int annee, int mois, int jour, double& resultat) {
    static constexpr int Longueurs[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (annee < 1 || annee > 9999 || mois < 1 || mois > 12 || jour < 1) return false;
    const bool bissextile = (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
    const int longueur = Longueurs[mois - 1] + (mois == 2 && bissextile ? 1 : 0);
    if (jour > longueur) return false;
    resultat = static_cast<double>(JoursCivils(annee, mois, jour) - Origine);
    return true;
}

bool DateDeJour(double jours, int& annee, int& mois, int& jour) {
    // Years 1 to 9999 only; anything else (a corrupt file can hold any number) has no date.
    if (!std::isfinite(jours) || jours < -693593.0 || jours > 2958465.0) return false;
    long long z = static_cast<long long>(std::floor(jours)) + Origine;
    const long long ere = (z >= 0 ? z : z - 146096) / 146097;
    const long long jde = z - ere * 146097;
    const long long ae = (jde - jde / 1460 + jde / 36524 - jde / 146096) / 365;
    const long long jda = jde - (365 * ae + ae / 4 - ae / 100);
    const long long mp = (5 * jda + 2) / 153;
    jour = static_cast<int>(jda - (153 * mp + 2) / 5 + 1);
    mois = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    annee = static_cast<int>(ae + ere * 400 + (mois <= 2 ? 1 : 0));
    return true;
}

std::string TexteJourMoisAnnee(double jours) {
    int a = 0, m = 0, j = 0;
    if (!DateDeJour(jours, a, m, j)) return std::string();
    char tampon[16];
    std::snprintf(tampon, sizeof tampon, "%02d/%02d/%04d", j, m, a);
    return tampon;
}

} // namespace tarvo
