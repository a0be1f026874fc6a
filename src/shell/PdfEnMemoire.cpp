#include "shell/PdfEnMemoire.h"

#include <QPageLayout>
#include <QPrinter>

namespace tarvo {

PdfEnMemoire::PdfEnMemoire(const QPageLayout& disposition, int pointsParPouce) {
    tampon_.open(QIODevice::WriteOnly);
    ecrivain_ = std::make_unique<QPdfWriter>(&tampon_);
    ecrivain_->setResolution(pointsParPouce);
    ecrivain_->setPageLayout(disposition);
    ecrivain_->setCreator(QStringLiteral("Tarvo"));
}

PdfEnMemoire::PdfEnMemoire(const QPrinter& imprimante)
    : PdfEnMemoire(imprimante.pageLayout(), imprimante.resolution()) {
    ecrivain_->setTitle(imprimante.docName());
}

} // namespace tarvo
