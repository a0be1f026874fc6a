#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tarvo {

// The zone table and the measurement array are sized for at most 10 zones.
inline constexpr int ZonesMax = 10;
inline constexpr int LignesMesure = 10;
// Line 11 of Lectures holds the means of the validated lines.
inline constexpr int LigneMoyennes = 11;

// Column 1 of a zone-table row is the only stored value: the zone's outer radius.
inline constexpr int RayonExterieur = 1;

using LigneZone = std::array<double, 14>;
using TableZones = std::array<LigneZone, ZonesMax + 1>;
// Lectures[zone 0..10][ligne 1..11][diametre 1..2]; index 0 of ligne and diametre is unused
// so that the code reads with the same indices as the file layout.
using TableLectures = std::array<std::array<std::array<double, 3>, LigneMoyennes + 1>, ZonesMax + 1>;

// One mirror document: its characteristics, the one series held in memory, and the
// bookkeeping that the reader, the writer and the commands share. Everything that the
// reset of a new document touches lives here.
struct Document {
    // Mirror characteristics (file header).
    std::string Intitule;
    double Diametre = 0;
    double Focale = 0;
    double Epaisseur = 0;
    double CoefDeformation = -1;
    double TrouCentral = 0;
    std::int32_t NombreZones = 3;
    TableZones Zones{};

    // The series in memory.
    double DateSerie = 0;
    double DiametreSerie = 0;
    double FocaleSerie = 0;
    double TrouCentralSerie = 0;
    TableLectures Lectures{};
    std::string Commentaire;
    // Text of the Note memo: the comment of the series shown (line breaks are CR LF).
    std::string Note;
    std::uint8_t DiametresValides = 0;

    // Derived, never stored.
    double RayonCourbure = 0;

    // Series bookkeeping.
    std::int32_t SerieCourante = 1;
    std::int32_t NombreSeries = 1;
    std::int32_t SerieDemandee = -1;

    // Display switches of the test report.
    bool RetenirD1 = true;
    bool RetenirD2 = true;
    bool DetailMiroir = true;
    bool DetailZones = true;

    // Persistence state.
    bool Modifie = false;
    bool ModifieBulletin = false;
    std::string NomFichier;
    std::string NomPropose;
    std::string LigneEntete;
    bool FichierOuvert = false;
    bool EntierIncorrect = false;
    bool NombreIncorrect = false;
    bool EnregistrementReussi = false;
    std::string MotifErreur;
};

// Number of zone rows in use: NombreZones held to the size of the tables, so that no
// value read from a file can index outside them.
int ZonesUtilisees(const Document& doc);

// Resets the model part of a new document (the window parts of the reset belong to the
// program). Leaves NomPropose unchanged, as the program expects.
void InitialiseDocument(Document& doc, double aujourdhui);

// Diameter and focal length both strictly greater than 1 mm.
bool CaracteristiquesValides(const Document& doc);

// Sum of the readings of lines 1..10 of both diameters above 0.0001.
bool SerieNonVide(const Document& doc);

// Recomputes line 11 (count of validated lines and means) and DiametresValides.
void CalculeMoyennes(Document& doc);

} // namespace tarvo
