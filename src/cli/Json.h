#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// A small JSON writer: values are appended in order and the commas placed by the writer.
class Json {
public:
    explicit Json(std::string& sortie) : sortie_(sortie) {}

    void DebutObjet();
    void FinObjet();
    void DebutTableau();
    void FinTableau();
    void Cle(std::string_view cle);
    // Full double precision (shortest text that reads back to the same double);
    // a value that is not finite is written as null.
    void Nombre(double valeur);
    void Entier(long long valeur);
    void Texte(std::string_view texte);
    void Booleen(bool valeur);
    void Nul();

    // Shortcuts for a key and its value.
    void Nombre(std::string_view cle, double valeur) { Cle(cle), Nombre(valeur); }
    void Entier(std::string_view cle, long long valeur) { Cle(cle), Entier(valeur); }
    void Texte(std::string_view cle, std::string_view texte) { Cle(cle), Texte(texte); }
    void Booleen(std::string_view cle, bool valeur) { Cle(cle), Booleen(valeur); }
    void Nul(std::string_view cle) { Cle(cle), Nul(); }

private:
    void AvantValeur();
    void EcritChaine(std::string_view texte);

    std::string& sortie_;
    // One entry per open object or array: whether it already holds a value.
    std::vector<bool> plein_;
    bool apresCle_ = false;
};

} // namespace tarvo
