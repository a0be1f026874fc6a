#include "shell/BoiteAPropos.h"

#include "pages/commun/EnteteEtPied.h"
#include "platform/Systeme.h"
#include "shell/Logo.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace tarvo {

namespace {

QLabel* Libelle(QWidget* parent, const std::string& texte, int x, int y, int largeur, int hauteur) {
    auto* l = new QLabel(QString::fromStdString(texte), parent);
    l->setGeometry(x, y, largeur, hauteur);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

} // namespace

BoiteAPropos::BoiteAPropos(QWidget* parent, Systeme& systeme)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QString::fromStdString(systeme.Traduit("Fenetre", "A propos de Tarvo")));
    setFixedSize(349, 209);
    QFont police("MS Sans Serif");
    police.setPixelSize(11);
    setFont(police);

    auto* panneau = new QFrame(this);
    panneau->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panneau->setGeometry(8, 8, 333, 161);

    auto* icone = new QLabel(panneau);
    icone->setGeometry(8, 8, 65, 65);
    icone->setPixmap(QPixmap::fromImage(
        DessineLogo().scaled(65, 65, Qt::KeepAspectRatio, Qt::SmoothTransformation)));

    ProductName = Libelle(panneau, "Tarvo", 88, 10, 230, 16);
    QFont gras = ProductName->font();
    gras.setBold(true);
    ProductName->setFont(gras);
    Version = Libelle(panneau,
                      systeme.Traduit("Fenetre", "Logiciel d'aide à la réalisation des miroirs de "
                                                 "télescopes en utilisant la méthode de Foucault "
                                                 "et l'écran à échancrures de Couder."),
                      88, 28, 230, 58);
    Conditions = Libelle(panneau,
                         systeme.Traduit("Fenetre", "Logiciel gratuit, fourni tel quel et sans "
                                                    "garantie : vérifiez toujours vos mesures "
                                                    "avant de retoucher un miroir."),
                         8, 90, 313, 30);
    Auteur =
        Libelle(panneau, systeme.Traduit("Fenetre", "Auteur : l'équipe Tarvo"), 8, 122, 313, 16);
    Adresse = Libelle(panneau, std::string(AdresseAuteur), 8, 140, 313, 16);
    Adresse->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* ok = new QPushButton("OK", this);
    ok->setGeometry(137, 176, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace tarvo
