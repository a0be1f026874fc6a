#include "pages/bulletin/TableBulletin.h"

#include "pages/commun/EnteteEtPied.h"
#include "pages/commun/MasqueNombre.h"
#include "pages/commun/TextesComposes.h"

#include <algorithm>
#include <functional>

namespace tarvo {
namespace {

using G = GenreMorceau;

// A row whose value in zone i is `valeur`(zone i) through `masque`.
LigneBulletin Ligne(std::vector<Morceau> libelle, const ResultatReduction& r,
                    const std::function<double(const ZoneBulletin&)>& valeur,
                    std::string_view masque, char sep) {
    LigneBulletin ligne;
    ligne.Libelle = std::move(libelle);
    for (int i = 1; i <= r.NombreZones; ++i) {
        const auto n = static_cast<std::size_t>(i);
        ligne.Valeurs[n] = FormateMasque(valeur(r.Zones[n]), masque, sep);
    }
    return ligne;
}

// The label of the single measures row on screen: the diameter kept, or "Mesures" when
// only one diameter was measured.
std::string LibelleMesureUnique(Systeme& systeme, const ResultatReduction& r,
                                SupportTable support) {
    if (support == SupportTable::Papier || r.DiametresValides != 3)
        return systeme.Traduit("Pages", "Mesures");
    return r.DiametresRetenus == 1 ? systeme.Traduit("Pages", "D1 moyen")
                                   : systeme.Traduit("Pages", "D2 moyen");
}

} // namespace

TableBulletin ConstruitTableBulletin(const ResultatReduction& r, double k, bool toutesLignes,
                                     SupportTable support, Systeme& systeme) {
    const char sep = systeme.SeparateurDecimal();
    TableBulletin t;
    t.NombreZones = std::clamp(r.NombreZones, 0, ZonesMax);
    LigneBulletin zones;
    zones.Libelle = {{G::Texte, "Zones"}};
    for (int i = 1; i <= t.NombreZones; ++i)
        zones.Valeurs[static_cast<std::size_t>(i)] = std::to_string(i);
    t.Lignes.push_back(std::move(zones));
    if (!toutesLignes) return t;

    auto& l = t.Lignes;
    l.push_back(Ligne(
        {{G::Texte, "H. Ext"}}, r, [](const ZoneBulletin& z) { return z.RayonExterieur; }, "#0.0",
        sep));
    l.push_back(Ligne(
        {{G::Texte, "Hm"}}, r, [](const ZoneBulletin& z) { return z.Hm; }, "#0.00", sep));
    if (!EstSpherique(k)) {
        std::vector<Morceau> libelle{{G::Texte, "Hm"}, {G::Exposant, "2"}, {G::Texte, "/R"}};
        if (!EstParabolique(k)) libelle.push_back({G::Texte, ".K"});
        l.push_back(Ligne(
            std::move(libelle), r, [](const ZoneBulletin& z) { return z.Hm2SurR; }, "#0.000", sep));
    }
    l.push_back(Ligne(
        {{G::Texte, "100Hm/4F"}}, r, [](const ZoneBulletin& z) { return z.CentHmSur4F; }, "#0.000",
        sep));

    t.PremiereMesure = static_cast<int>(l.size());
    if (r.DiametresRetenus == 3) {
        t.LignesMesures = 3;
        l.push_back(Ligne(
            {{G::Texte, systeme.Traduit("Pages", "D1 moyen")}}, r,
            [](const ZoneBulletin& z) { return z.MoyenneA; }, "#0.000", sep));
        l.push_back(Ligne(
            {{G::Texte, systeme.Traduit("Pages", "D2 moyen")}}, r,
            [](const ZoneBulletin& z) { return z.MoyenneB.value_or(0); }, "#0.000", sep));
        l.push_back(Ligne(
            {{G::Texte, systeme.Traduit("Pages", "Moyenne")}}, r,
            [](const ZoneBulletin& z) { return z.Moyenne; }, "#0.000", sep));
    } else {
        t.LignesMesures = 1;
        l.push_back(Ligne(
            {{G::Texte, LibelleMesureUnique(systeme, r, support)}}, r,
            [](const ZoneBulletin& z) { return z.MoyenneA; }, "#0.000", sep));
    }

    l.push_back(Ligne(
        {{G::Texte, systeme.Traduit("Pages", "Moy.-Cte")}}, r,
        [](const ZoneBulletin& z) { return z.MoyenneMoinsCte; }, "#0.000", sep));
    l.push_back(Ligne(
        {{G::Grec, "L"}, {G::Texte, "c"}}, r,
        [](const ZoneBulletin& z) { return z.EcartLongitudinal; }, "#0.000", sep));
    l.push_back(Ligne(
        {{G::Texte, "1000"}, {G::Grec, "l"}, {G::Texte, "F"}}, r,
        [](const ZoneBulletin& z) { return z.AberrationTransversale; }, "#0.000", sep));
    l.push_back(Ligne(
        {{G::Grec, "l"}, {G::Texte, "F/"}, {G::Grec, "r"}}, r,
        [](const ZoneBulletin& z) { return z.AberrationRelative; }, "#0.000", sep));
    l.push_back(Ligne(
        {{G::Texte, "-10"}, {G::Exposant, "6 "}, {G::Texte, "u"}}, r,
        [](const ZoneBulletin& z) { return z.Pente; }, "#0.000", sep));
    return t;
}

int HautTexteLigne(const PlacementTable& p, int ligne) {
    return p.Haut + ligne * p.HauteurLigne + (p.HauteurLigne - p.HauteurTexte) / 2;
}

void EcritTableBulletin(Canvas& c, const TableBulletin& table, const PlacementTable& p) {
    for (std::size_t r = 0; r < table.Lignes.size(); ++r) {
        const LigneBulletin& ligne = table.Lignes[r];
        const int y = HautTexteLigne(p, static_cast<int>(r));
        int x = p.GaucheLibelles;
        for (const Morceau& m : ligne.Libelle) {
            switch (m.Genre) {
            case GenreMorceau::Texte:
                c.EcritTexte(x, y, m.Texte);
                x = c.PositionCourante().X;
                break;
            case GenreMorceau::Grec: {
                int leve = 0;
                if (p.DiviseurLeveGrec > 0) {
                    c.FixeNomPolice(PoliceSymbol);
                    leve = c.HauteurTexte(m.Texte) / p.DiviseurLeveGrec;
                    c.FixeNomPolice(PoliceArial);
                }
                x = EcritGrec(c, x, y, m.Texte, leve);
                break;
            }
            case GenreMorceau::Exposant:
                x = EcritExposant(c, x, y, m.Texte, p.HauteurExposant, p.HauteurCorps);
                break;
            }
        }
        for (int i = 1; i <= table.NombreZones; ++i) {
            const std::string& valeur = ligne.Valeurs[static_cast<std::size_t>(i)];
            const int gauche = p.GaucheColonnes + i * p.LargeurColonne;
            c.EcritTexte(gauche + (p.LargeurColonne - c.LargeurTexte(valeur)) / 2, y, valeur);
        }
    }
}

} // namespace tarvo
