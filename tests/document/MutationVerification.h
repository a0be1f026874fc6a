#pragma once

#include <map>
#include <string>
#include <string_view>

namespace tarvo::test {

// Takes the bytes as a document file and does with it what the program does: open it,
// browse its series, save it under another name (from the last series and from an older
// one) and open what was saved. Returns the first rule broken on the way, or an empty text
// when everything held. The rules hold for any input, however malformed:
// - the counts stay in range (0 <= NombreZones <= 10, 0 <= SerieCourante <= NombreSeries)
//   and every value of the model is a finite number;
// - browsing the same file never finds more series than the open did, and on a clean file
//   stops exactly at the series asked for;
// - a save that reports success leaves no temporary file, leaves the source unchanged, and
//   gives a file that opens without a read error; when the input itself opened without any
//   message, the saved file has the same series count, the same characteristics and the
//   same series in memory, and so has a save made while an older series is shown.
// - every open and browse gives the same document to the bit, and the same messages, when it
//   goes through the index of the series' places that an earlier read of the same file left,
//   and through one left by a read of the file as it was before (`avant`, when given).
// Complete browses to every series number worth trying; Rapide only to the first and past
// the last, for long runs under the sanitizers.
enum class Etendue { Complete, Rapide };

// With `fichiers`, the files as they are at the end (the input is "m.bdc", the saves
// "copie.bdc" and "copie2.bdc"), to look into a case.
std::string VerifieDocument(std::string_view octets, Etendue etendue = Etendue::Complete,
                            std::map<std::string, std::string>* fichiers = nullptr,
                            std::string_view avant = {});

} // namespace tarvo::test
