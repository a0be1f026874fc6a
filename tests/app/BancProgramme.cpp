#include "BancProgramme.h"

namespace tarvo::test {

std::string DocumentDeSeries(int series, const std::string& nom, double diametre, double focale,
                             bool derniereVide) {
    auto nombre = [](double v) {
        std::string t = std::to_string(v);
        while (t.back() == '0')
            t.pop_back();
        if (t.back() == '.') t.pop_back();
        for (char& c : t)
            if (c == '.') c = ',';
        return "\"" + t + "\"\r\n";
    };
    std::string texte = "tarvo 2.5.3\r\n\"" + nom + "\"\r\n" + nombre(diametre) + nombre(focale) +
                        nombre(25) + nombre(-1) + nombre(0) + nombre(1) + nombre(100);
    for (int s = 1; s <= series; ++s) {
        texte += nombre(46000 + s) + nombre(diametre) + nombre(focale) + nombre(0);
        for (int k = 1; k <= 2; ++k)
            for (int j = 1; j <= 10; ++j) {
                const bool lue = k == 1 && j == 1 && !(derniereVide && s == series);
                texte += nombre(lue ? 1 : 0) + nombre(lue ? 1 + s / 10.0 : 0);
            }
        texte += "\"Série " + std::to_string(s) + "\"\r\n\"-\"\r\n";
    }
    return texte;
}

} // namespace tarvo::test
