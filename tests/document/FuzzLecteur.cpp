// libFuzzer entry point: the bytes are a document file. Every rule of VerifieDocument must
// hold; a broken rule stops the run with the rule, so that libFuzzer keeps the input.

#include "MutationVerification.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string erreur =
        tarvo::test::VerifieDocument(std::string_view(reinterpret_cast<const char*>(donnees), taille));
    if (!erreur.empty()) {
        std::fprintf(stderr, "Règle brisée : %s\n", erreur.c_str());
        std::abort();
    }
    return 0;
}
