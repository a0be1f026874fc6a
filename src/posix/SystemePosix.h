#pragma once

#include "platform/Systeme.h"

namespace tarvo {

// The system as seen without a desktop toolkit: the headless command line uses it.
class SystemePosix final : public Systeme {
public:
    double Aujourdhui() override;
    std::string RepertoireConfiguration() override;
    std::string RepertoireExecutable() override;
    char SeparateurDecimal() override { return '.'; }
    std::string DateCourte(double jour) override;
    int LargeurEcran() override { return 1920; }
    int HauteurEcran() override { return 1080; }
};

} // namespace tarvo
