#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

class Systeme;

// The document named on the command line: the arguments each followed by one blank, so
// that a path with blanks split into several arguments comes back whole (it then ends in
// a blank, which the file functions ignore). Empty when the first argument is empty.
std::string NomLigneCommande(const std::vector<std::string>& arguments);

// The arguments with a relative first one placed in the current folder, so that the name
// kept in the recent-file list still opens the document from anywhere.
std::vector<std::string> ArgumentsAbsolus(std::vector<std::string> arguments,
                                          const std::string& repertoireCourant);

// What follows the last separator ('/', '\\') or double quote of a path: the whole text
// when it has none.
std::string NomApresSeparateur(std::string_view chemin);

// The name as the save question shows it: whole up to 36 characters, else its first 15
// characters, " ... " and its last 16.
std::string NomAbrege(std::string_view nom);

// Text of the save question for a document of that file name (empty: never saved), in the
// language of `systeme` (French without one).
std::string QuestionEnregistrer(std::string_view nomFichier, Systeme* systeme = nullptr);

} // namespace tarvo
