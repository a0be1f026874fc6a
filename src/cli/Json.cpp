#include "cli/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tarvo {

void Json::AvantValeur() {
    if (apresCle_) {
        apresCle_ = false;
        return;
    }
    if (!plein_.empty()) {
        if (plein_.back()) sortie_ += ',';
        plein_.back() = true;
    }
}

void Json::DebutObjet() {
    AvantValeur();
    sortie_ += '{';
    plein_.push_back(false);
}

void Json::FinObjet() {
    plein_.pop_back();
    sortie_ += '}';
}

void Json::DebutTableau() {
    AvantValeur();
    sortie_ += '[';
    plein_.push_back(false);
}

void Json::FinTableau() {
    plein_.pop_back();
    sortie_ += ']';
}

void Json::Cle(std::string_view cle) {
    AvantValeur();
    EcritChaine(cle);
    sortie_ += ':';
    apresCle_ = true;
}

void Json::Nombre(double valeur) {
    if (!std::isfinite(valeur)) {
        Nul();
        return;
    }
    AvantValeur();
    char tampon[32];
    const auto fin = std::to_chars(tampon, tampon + sizeof tampon, valeur);
    sortie_.append(tampon, fin.ptr);
}

void Json::Entier(long long valeur) {
    AvantValeur();
    sortie_ += std::to_string(valeur);
}

void Json::Texte(std::string_view texte) {
    AvantValeur();
    EcritChaine(texte);
}

void Json::EcritChaine(std::string_view texte) {
    sortie_ += '"';
    for (const char c : texte) {
        switch (c) {
        case '"': sortie_ += "\\\""; break;
        case '\\': sortie_ += "\\\\"; break;
        case '\n': sortie_ += "\\n"; break;
        case '\r': sortie_ += "\\r"; break;
        case '\t': sortie_ += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char tampon[8];
                std::snprintf(tampon, sizeof tampon, "\\u%04x", static_cast<unsigned>(c));
                sortie_ += tampon;
            } else {
                sortie_ += c;
            }
        }
    }
    sortie_ += '"';
}

void Json::Booleen(bool valeur) {
    AvantValeur();
    sortie_ += valeur ? "true" : "false";
}

void Json::Nul() {
    AvantValeur();
    sortie_ += "null";
}

} // namespace tarvo
