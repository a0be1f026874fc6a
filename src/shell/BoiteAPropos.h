#pragma once

#include <QDialog>

class QLabel;

namespace tarvo {

// The About box: the program's name and version, what it is for, the terms of use, the
// author and the author's web address, and an OK button.
class BoiteAPropos final : public QDialog {
    Q_OBJECT
  public:
    explicit BoiteAPropos(QWidget* parent);

    QLabel* ProductName;
    QLabel* Version;
    QLabel* Conditions;
    QLabel* Auteur;
    QLabel* Adresse;
};

} // namespace tarvo
