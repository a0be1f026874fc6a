#pragma once

// A document of 1,000 series (or as many as asked), as a mirror followed for years gives.

#include "document/Conversions.h"
#include "document/Document.h"

#include <random>
#include <string>

namespace tarvo::bench {

inline constexpr int Series = 1000;
inline constexpr int Zones = 6;

// A mirror of 300 mm followed for years: 6 zones, both diameters read, a comment of one to
// three lines on every series.
inline std::string GrosDocument(int series = Series) {
    std::mt19937 alea(42);
    std::uniform_int_distribution<int> bruit(-15, 15);
    std::string t;
    const auto ligne = [&t](const std::string& l) { t += l + "\r\n"; };
    const auto nombre = [&ligne](double v) { ligne(TexteFichier(v)); };
    ligne("tarvo 2.5.3");
    ligne("\"Miroir percé 300 F/5 Pyrex\"");
    for (const double v : {300.0, 1500.0, 40.0, -1.0, 60.0})
        nombre(v);
    nombre(Zones);
    for (const double r : {66.0, 87.0, 105.0, 121.0, 136.0, 150.0})
        nombre(r);
    for (int s = 1; s <= series; ++s) {
        nombre(40000 + s);
        nombre(300);
        nombre(1500 + s % 7 * 0.5);
        nombre(70);
        for (int k = 1; k <= 2; ++k)
            for (int j = 1; j <= LignesMesure; ++j) {
                nombre(j <= 8 ? 1 : 0);
                for (int i = 1; i <= Zones; ++i)
                    nombre(1.1 * i + s * 0.001 + bruit(alea) * 0.001);
            }
        switch (s % 3) {
        case 0:
            ligne("\"\"");
            break;
        case 1:
            ligne("\"Série " + std::to_string(s) + " : bord légèrement rabattu\"");
            break;
        default:
            ligne("\"Parabolisation en cours, W 40 min");
            ligne("ombre plus douce en zone 3");
            ligne("à reprendre demain\"");
        }
        ligne("\"-\"");
    }
    return t;
}

} // namespace tarvo::bench
