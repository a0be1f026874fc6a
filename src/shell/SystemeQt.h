#pragma once

#include "platform/Systeme.h"

#include <QDate>
#include <QLocale>

#include <string>

namespace tarvo {

// The system as Qt sees it: today's date, the user's configuration folder (XDG), the
// executable's folder, the locale's decimal separator and short date, the screen size.
class Traducteur;

class SystemeQt final : public Systeme {
  public:
    // The texts in the language of `traducteur` (none: French).
    explicit SystemeQt(const Traducteur* traducteur = nullptr) : traducteur_(traducteur) {}
    double Aujourdhui() override;
    std::string RepertoireConfiguration() override;
    std::string RepertoireExecutable() override;
    char SeparateurDecimal() override;
    std::string DateCourte(double jour) override;
    int LargeurEcran() override;
    int HauteurEcran() override;
    std::string Traduit(std::string_view contexte, std::string_view texte) override;
    std::string CodeLangue() override;

  private:
    const Traducteur* traducteur_;
};

// Another system whose texts are in the language of a translator (the command line's).
class SystemeTraduit final : public Systeme {
  public:
    SystemeTraduit(Systeme& systeme, const Traducteur& traducteur)
        : systeme_(systeme), traducteur_(traducteur) {}
    double Aujourdhui() override { return systeme_.Aujourdhui(); }
    std::string RepertoireConfiguration() override { return systeme_.RepertoireConfiguration(); }
    std::string RepertoireExecutable() override { return systeme_.RepertoireExecutable(); }
    char SeparateurDecimal() override { return systeme_.SeparateurDecimal(); }
    std::string DateCourte(double jour) override { return systeme_.DateCourte(jour); }
    int LargeurEcran() override { return systeme_.LargeurEcran(); }
    int HauteurEcran() override { return systeme_.HauteurEcran(); }
    std::string Traduit(std::string_view contexte, std::string_view texte) override;
    std::string CodeLangue() override;

  private:
    Systeme& systeme_;
    const Traducteur& traducteur_;
};

// A date in the short format of a locale.
std::string DateCourteSelon(const QLocale& locale, const QDate& date);

} // namespace tarvo
