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
    // A stand-in for another language: every text of the interface begins with `Langue`
    // (none: the program's own French).
    std::string Traduit(std::string_view contexte, std::string_view texte) override {
        return Systeme::Traduit(contexte, Langue + std::string(texte));
    }

    double Jour = 46365; // 9 December 2026
    std::string Configuration = "/config/";
    std::string Executable = "/opt/tarvo/";
    char Separateur = ',';
    int Largeur = 1920, Hauteur = 1080;
    std::string Langue;
};

} // namespace tarvo::test
