#include "web/JsonWeb.h"

#include <cstdio>

namespace tarvo {

std::string ChaineJson(std::string_view texte) {
    std::string json = "\"";
    for (const char c : texte) {
        switch (c) {
        case '"': json += "\\\""; break;
        case '\\': json += "\\\\"; break;
        case '\n': json += "\\n"; break;
        case '\r': json += "\\r"; break;
        case '\t': json += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char code[8];
                std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
                json += code;
            } else {
                json += c;
            }
        }
    }
    return json + "\"";
}

} // namespace tarvo
