#pragma once

#include <QDialog>

class QLabel;

namespace tarvo {

class Systeme;

// The About box: the program's name and version, what it is for, the terms of use, the
// author and the author's web address, and an OK button; in the language of `systeme`.
class BoiteAPropos final : public QDialog {
    Q_OBJECT
  public:
    BoiteAPropos(QWidget* parent, Systeme& systeme);

    QLabel* ProductName;
    QLabel* Version;
    QLabel* Conditions;
    QLabel* Auteur;
    QLabel* Adresse;
};

} // namespace tarvo
