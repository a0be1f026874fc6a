#pragma once

#include <string>

namespace tarvo {

class Json;
struct Document;
struct ResultatFeuille;
struct ResultatReduction;

// The work sheet as a JSON value: null when it could not be computed.
void EcritJsonFeuille(Json& json, const ResultatFeuille& feuille);

// The test report as a JSON value: null when the reduction could not be made.
void EcritJsonBulletin(Json& json, const ResultatReduction& bulletin);

// The report table as CSV, one line per zone under a header line, for spreadsheets set to
// French: fields separated by ';', decimal comma, the report's decimals, CR LF line ends.
// Columns and labels follow the report (ASCII spellings of its Greek letters); the document
// gives K, which names the theoretical column. Writes nothing for a reduction not made.
void EcritCsvBulletin(const Document& doc, const ResultatReduction& bulletin, std::string& sortie);

// A number as the report masks write it ("#0.00" ...), with a decimal comma; a value that
// rounds to zero has no minus sign, one that is not finite is empty.
std::string DecimalCsv(double valeur, int decimales);

} // namespace tarvo
