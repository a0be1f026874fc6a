// The setting boxes of the simulated shadows, and the print jobs on sheets of a given size.
#include "app/Commandes.h"
#include "app/Programme.h"
#include "platform/Systeme.h"
#include "shell/ZonePage.h"

#include <QDoubleSpinBox>
#include <QMainWindow>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QSignalBlocker>

namespace tarvo {

void ZonePage::CreeReglages() {
    for (const Controle c :
         {Controle::ReglageZone, Controle::ReglageLignes, Controle::ReglageDecalage}) {
        auto* boite = new QDoubleSpinBox(Fiche);
        QFont police = boite->font();
        police.setPixelSize(11);
        boite->setFont(police);
        // Typing commits at Enter or when the box loses the focus; the arrows at once.
        boite->setKeyboardTracking(false);
        boite->setFocusPolicy(Qt::StrongFocus);
        boite->setAlignment(Qt::AlignRight);
        boite->hide();
        connect(boite, &QDoubleSpinBox::valueChanged, this, [this, c](double valeur) {
            Commande([c, valeur](Programme& p) { ReglageOmbres(p, c, valeur); });
        });
        Controles[c] = boite;
    }
}

void ZonePage::FixeReglage(Controle controle, const Reglage& r) {
    auto* boite = qobject_cast<QDoubleSpinBox*>(Widget(controle));
    if (boite == nullptr) return;
    // The program's own value: no change to report back to it.
    const QSignalBlocker bloque(boite);
    boite->setDecimals(r.Decimales);
    boite->setRange(r.Minimum, r.Maximum);
    boite->setSingleStep(r.Pas);
    boite->setValue(r.Valeur);
    boite->setSuffix(QString::fromStdString(r.Suffixe));
    boite->setAccessibleName(QString::fromStdString(r.Nom));
    boite->setToolTip(QString::fromStdString(r.Nom));
}

Canvas* ZonePage::DebuteImpressionFormat(const FormatImpression& f) {
    Imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // At true size: the sheet's own size, from its corner, never fitted to the printable area.
    Imprimante->setResolution(f.PointsParPouce);
    Imprimante->setFullPage(true);
    Imprimante->setPageLayout(
        QPageLayout(QPageSize(QSizeF(f.LargeurMm, f.HauteurMm), QPageSize::Millimeter, QString(),
                              QPageSize::FuzzyMatch),
                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    return DialogueImpression(
        QString::fromStdString(Systeme_.Traduit("Fenetre", "Imprimer à 100 %")));
}

} // namespace tarvo
