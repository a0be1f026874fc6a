#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// A text file opened for reading, line by line, with its end-of-file test. The lines are
// views into the decoded text held here, so the object stays where it was made.
class SourceLignes {
public:
    explicit SourceLignes(std::string texte);
    SourceLignes(const SourceLignes&) = delete;
    SourceLignes& operator=(const SourceLignes&) = delete;

    bool Fin() const { return position_ >= lignes_.size(); }
    std::string_view Suivante() { return lignes_[position_++]; }
    std::size_t NombreLignes() const { return lignes_.size(); }

private:
    std::string texte_;
    std::vector<std::string_view> lignes_;
    std::size_t position_ = 0;
};

} // namespace tarvo
