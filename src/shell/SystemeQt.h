#pragma once

#include "platform/Systeme.h"

#include <QDate>
#include <QLocale>

#include <string>

namespace tarvo {

// The system as Qt sees it: today's date, the user's configuration folder (XDG), the
// executable's folder, the locale's decimal separator and short date, the screen size.
class SystemeQt final : public Systeme {
  public:
    double Aujourdhui() override;
    std::string RepertoireConfiguration() override;
    std::string RepertoireExecutable() override;
    char SeparateurDecimal() override;
    std::string DateCourte(double jour) override;
    int LargeurEcran() override;
    int HauteurEcran() override;
};

// A date in the short format of a locale.
std::string DateCourteSelon(const QLocale& locale, const QDate& date);

} // namespace tarvo
