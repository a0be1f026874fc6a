#include "shell/DialogueListeQt.h"

#include "platform/Systeme.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tarvo {

std::optional<std::vector<int>> ChoisitDansListeQt(QWidget* parent, const DialogueListe& d,
                                                   Systeme& systeme) {
    if (!d.Etat || d.Nombre <= 0) return std::nullopt;
    QDialog boite(parent);
    boite.setWindowTitle(QString::fromStdString(d.Titre));
    auto* disposition = new QVBoxLayout(&boite);
    auto* texte = new QLabel(QString::fromStdString(d.Texte), &boite);
    texte->setWordWrap(true);
    disposition->addWidget(texte);
    auto* liste = new QListWidget(&boite);
    liste->setAccessibleName(QString::fromStdString(d.Titre));
    disposition->addWidget(liste);
    auto* boutons = new QDialogButtonBox(&boite);
    QPushButton* ok = boutons->addButton("OK", QDialogButtonBox::AcceptRole);
    boutons->addButton(QString::fromStdString(systeme.Traduit("Fenetre", "Annuler")),
                       QDialogButtonBox::RejectRole);
    disposition->addWidget(boutons);
    QObject::connect(boutons, &QDialogButtonBox::accepted, &boite, &QDialog::accept);
    QObject::connect(boutons, &QDialogButtonBox::rejected, &boite, &QDialog::reject);
    for (int i = 0; i < d.Nombre; ++i) liste->addItem(QString());

    std::vector<bool> coches(static_cast<std::size_t>(d.Nombre), false);
    auto montre = [&] {
        const QSignalBlocker bloque(liste);
        const std::vector<ElementListe> etats = d.Etat(coches);
        int nombre = 0;
        for (int i = 0; i < d.Nombre && i < static_cast<int>(etats.size()); ++i) {
            const ElementListe& e = etats[static_cast<std::size_t>(i)];
            QListWidgetItem* element = liste->item(i);
            // A box the rules no longer allow is unchecked with them.
            if (!e.Actif) coches[static_cast<std::size_t>(i)] = false;
            QString libelle = QString::fromStdString(e.Libelle);
            if (!e.Actif && !e.Motif.empty()) libelle += " (" + QString::fromStdString(e.Motif) + ")";
            element->setText(libelle);
            element->setFlags(e.Actif ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable
                                      : Qt::ItemFlags{});
            element->setCheckState(coches[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked);
            nombre += coches[static_cast<std::size_t>(i)] ? 1 : 0;
        }
        ok->setEnabled(nombre >= d.Minimum);
    };
    QObject::connect(liste, &QListWidget::itemChanged, &boite, [&](QListWidgetItem* element) {
        coches[static_cast<std::size_t>(liste->row(element))] = element->checkState() == Qt::Checked;
        montre();
    });
    montre();
    boite.resize(480, 360);
    if (boite.exec() != QDialog::Accepted) return std::nullopt;
    std::vector<int> choisis;
    for (std::size_t i = 0; i < coches.size(); ++i)
        if (coches[i]) choisis.push_back(static_cast<int>(i));
    if (static_cast<int>(choisis.size()) < d.Minimum) return std::nullopt;
    return choisis;
}

} // namespace tarvo
