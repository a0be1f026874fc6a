#pragma once

#include "platform/Systeme.h"

#include <string>

namespace tarvo::test {

// A system with fixed answers: a known day, folders and screen.
class SystemeFixe : public Systeme {
public:
    double Aujourdhui() override { return Jour; }
    std::string RepertoireConfiguration() override { return Configuration; }
    std::string RepertoireExecutable() override { return Executable; }
    char SeparateurDecimal() override { return Separateur; }
    std::string DateCourte(double jour) override;
    int LargeurEcran() override { return Largeur; }
    int HauteurEcran() override { return Hauteur; }

    double Jour = 46365; // 9 December 2026
    std::string Configuration = "/config/";
    std::string Executable = "/opt/tarvo/";
    char Separateur = ',';
    int Largeur = 1920, Hauteur = 1080;
};

} // namespace tarvo::test
