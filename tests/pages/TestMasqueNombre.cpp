#include "pages/commun/MasqueNombre.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(MasqueNombre, ChiffresFacultatifsEtObligatoires) {
    EXPECT_EQ(FormateMasque(200, "#0.#", '.'), "200");
    EXPECT_EQ(FormateMasque(1200.5, "#0.#", ','), "1200,5");
    EXPECT_EQ(FormateMasque(0, "#0.#", ','), "0");
    EXPECT_EQ(FormateMasque(0, "#0.0", ','), "0,0");
    EXPECT_EQ(FormateMasque(0, "0.000", ','), "0,000");
    EXPECT_EQ(FormateMasque(-1, "0.000", ','), "-1,000");
    EXPECT_EQ(FormateMasque(-0.5, "0.000", '.'), "-0.500");
    EXPECT_EQ(FormateMasque(4.0992, "#0.00", ','), "4,10");
    EXPECT_EQ(FormateMasque(0.25, "#0.000", '.'), "0.250");
    EXPECT_EQ(FormateMasque(12.34, "#0", '.'), "12");
    EXPECT_EQ(FormateMasque(0.05, "#0.#", '.'), "0");
    EXPECT_EQ(FormateMasque(0.15, "#0.#", '.'), "0.2");
    EXPECT_EQ(FormateMasque(123456789, "#0.#", '.'), "123456789");
    EXPECT_EQ(FormateMasque(1e20, "#0", '.'), "100000000000000000000");
}

TEST(MasqueNombre, ArrondiAuDernierChiffreDuMasqueAuPair) {
    // Ties go to the even digit, on the value's 15 significant digits.
    EXPECT_EQ(FormateMasque(0.25, "#0.#", '.'), "0.2");
    EXPECT_EQ(FormateMasque(0.35, "#0.#", '.'), "0.4");
    EXPECT_EQ(FormateMasque(2.675, "#0.00", '.'), "2.68");
    EXPECT_EQ(FormateMasque(2.5, "#0", '.'), "2");
    EXPECT_EQ(FormateMasque(3.5, "#0", '.'), "4");
    EXPECT_EQ(FormateMasque(0.5, "#0", '.'), "0");
    EXPECT_EQ(FormateMasque(2.51, "#0", '.'), "3");
    // A carry that adds a digit.
    EXPECT_EQ(FormateMasque(99.96, "#0.#", '.'), "100");
    EXPECT_EQ(FormateMasque(9.9999, "#0.000", '.'), "10.000");
    EXPECT_EQ(FormateMasque(0.0006, "#0.000", '.'), "0.001");
    EXPECT_EQ(FormateMasque(0.0005, "#0.000", '.'), "0.000");
    EXPECT_EQ(FormateMasque(1e-12, "#0.0", '.'), "0.0");
    // A negative value that rounds to zero loses its sign.
    EXPECT_EQ(FormateMasque(-0.0004, "0.000", '.'), "0.000");
    EXPECT_EQ(FormateMasque(-0.04, "#0.#", '.'), "0");
    // The trailing optional digit is dropped once rounded.
    EXPECT_EQ(FormateMasque(1.96, "#0.#", '.'), "2");
}

TEST(MasqueNombre, FormatGeneralEtArrondiEntier) {
    EXPECT_EQ(FormateGeneral(6, ','), "6");
    EXPECT_EQ(FormateGeneral(6.03, ','), "6,03");
    EXPECT_EQ(FormateGeneral(5.5, '.'), "5.5");
    EXPECT_EQ(FormateGeneral(918, '.'), "918");
    EXPECT_EQ(Arrondi(918.5), 918);
    EXPECT_EQ(Arrondi(919.5), 920);
    EXPECT_EQ(Arrondi(-2.5), -2);
    EXPECT_EQ(Arrondi(10000 / 10.89), 918);
}

} // namespace
} // namespace tarvo
