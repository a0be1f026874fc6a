#include "shell/DialoguesQt.h"

#include "shell/DialogueListeQt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace tarvo {

namespace {

QString Texte(const std::string& texte) {
    // A lone carriage return separates the lines of some messages.
    QString t = QString::fromStdString(texte);
    t.replace("\r\n", "\n");
    t.replace('\r', '\n');
    return t;
}

void Boite(QWidget* parent, QMessageBox::Icon icone, const QString& titre,
           const std::string& texte) {
    QMessageBox boite(icone, titre, Texte(texte), QMessageBox::NoButton, parent);
    boite.addButton("OK", QMessageBox::AcceptRole);
    boite.exec();
}

} // namespace

QString FiltreQt(const std::string& filtre) {
    const QStringList morceaux = QString::fromStdString(filtre).split('|');
    QStringList filtres;
    for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2) {
        // "*.*" stands for every file, extension or not.
        QString motifs = morceaux[i + 1];
        motifs.replace("*.*", "*");
        filtres << morceaux[i] + " (" + motifs.replace(';', ' ') + ")";
    }
    return filtres.join(";;");
}

void DialoguesQt::Avertissement(const std::string& titre, const std::string& texte) {
    Boite(Parent, QMessageBox::Warning, QString::fromStdString(titre), texte);
}

void DialoguesQt::Message(const std::string& texte) {
    Boite(Parent, QMessageBox::NoIcon, "Tarvo", texte);
}

void DialoguesQt::Erreur(const std::string& texte) {
    Boite(Parent, QMessageBox::Critical, "Tarvo", texte);
}

Reponse DialoguesQt::Confirmation(const std::string& texte, bool avecAnnuler, Reponse parDefaut) {
    QMessageBox boite(QMessageBox::Question, Texte(Systeme_.Traduit("Fenetre", "Confirmation")),
                      Texte(texte), QMessageBox::NoButton, Parent);
    QPushButton* oui =
        boite.addButton(Texte(Systeme_.Traduit("Fenetre", "&Oui")), QMessageBox::YesRole);
    QPushButton* non =
        boite.addButton(Texte(Systeme_.Traduit("Fenetre", "&Non")), QMessageBox::NoRole);
    // Closing the box, or Escape, counts as Cancel, even when it offers only Yes and No.
    QPushButton* annuler =
        boite.addButton(Texte(Systeme_.Traduit("Fenetre", "Annuler")), QMessageBox::RejectRole);
    annuler->setVisible(avecAnnuler);
    boite.setEscapeButton(annuler);
    boite.setDefaultButton(parDefaut == Reponse::Oui   ? oui
                           : parDefaut == Reponse::Non ? non
                                                       : annuler);
    boite.exec();
    if (boite.clickedButton() == oui) return Reponse::Oui;
    if (boite.clickedButton() == non) return Reponse::Non;
    return Reponse::Annuler;
}

void DialoguesQt::Bip() {
    QApplication::beep();
}

std::optional<std::string> DialoguesQt::ChoisitFichier(const DialogueFichier& dialogue,
                                                       bool enregistrer,
                                                       const std::string& nomPropose) {
    QFileDialog fenetre(Parent, QString::fromStdString(dialogue.Titre));
    fenetre.setNameFilter(FiltreQt(dialogue.Filtre));
    fenetre.setDefaultSuffix(QString::fromStdString(dialogue.Extension));
    // The same dialog on every desktop, with the interface's labels.
    fenetre.setOption(QFileDialog::DontUseNativeDialog);
    const auto libelle = [&](QFileDialog::DialogLabel l, const std::string& texte) {
        fenetre.setLabelText(l, QString::fromStdString(texte));
    };
    libelle(QFileDialog::LookIn, Systeme_.Traduit("Fenetre", "Regarder dans :"));
    libelle(QFileDialog::FileName, Systeme_.Traduit("Fenetre", "Nom du fichier :"));
    libelle(QFileDialog::FileType, Systeme_.Traduit("Fenetre", "Type :"));
    libelle(QFileDialog::Reject, Systeme_.Traduit("Fenetre", "Annuler"));
    if (enregistrer) {
        fenetre.setAcceptMode(QFileDialog::AcceptSave);
        fenetre.setFileMode(QFileDialog::AnyFile);
        // The program asks itself before overwriting.
        fenetre.setOption(QFileDialog::DontConfirmOverwrite);
        libelle(QFileDialog::Accept, Systeme_.Traduit("Fenetre", "Enregistrer"));
        if (!nomPropose.empty()) fenetre.selectFile(QString::fromStdString(nomPropose));
    } else {
        fenetre.setAcceptMode(QFileDialog::AcceptOpen);
        fenetre.setFileMode(QFileDialog::ExistingFile);
        libelle(QFileDialog::Accept, Systeme_.Traduit("Fenetre", "Ouvrir"));
    }
    if (fenetre.exec() != QDialog::Accepted || fenetre.selectedFiles().isEmpty())
        return std::nullopt;
    return fenetre.selectedFiles().first().toStdString();
}

std::optional<std::vector<int>> DialoguesQt::ChoisitDansListe(const DialogueListe& dialogue) {
    return ChoisitDansListeQt(Parent, dialogue, Systeme_);
}

std::optional<std::string> DialoguesQt::ChoisitFichierAOuvrir(const DialogueFichier& dialogue) {
    return ChoisitFichier(dialogue, false, {});
}

std::optional<std::string> DialoguesQt::ChoisitFichierAEnregistrer(const DialogueFichier& dialogue,
                                                                   const std::string& nomPropose) {
    return ChoisitFichier(dialogue, true, nomPropose);
}

} // namespace tarvo
