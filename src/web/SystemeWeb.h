#pragma once

#include "platform/Systeme.h"

#include <map>
#include <string>
#include <utility>

namespace tarvo {

// The browser as the program's system: today, the browser language's short date and decimal
// separator, the screen; the interface's texts from the desktop's own catalogue, which the
// page loads (`Ajoute`), in the language it chose.
class SystemeWeb final : public Systeme {
  public:
    void FixeLangue(std::string code) { langue_ = std::move(code); }
    void FixeSeparateur(char separateur) { separateur_ = separateur; }
    void Ajoute(std::string contexte, std::string source, std::string traduction);

    double Aujourdhui() override;
    std::string RepertoireConfiguration() override { return "/config/"; }
    std::string RepertoireExecutable() override { return "/"; }
    char SeparateurDecimal() override { return separateur_; }
    std::string DateCourte(double jour) override;
    int LargeurEcran() override;
    int HauteurEcran() override;
    std::string Traduit(std::string_view contexte, std::string_view texte) override;
    std::string CodeLangue() override { return langue_; }

  private:
    std::string langue_ = "fr";
    char separateur_ = ',';
    std::map<std::pair<std::string, std::string>, std::string, std::less<>> catalogue_;
};

} // namespace tarvo
