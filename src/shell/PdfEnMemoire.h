#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QPdfWriter>

#include <memory>

class QPageLayout;
class QPrinter;

namespace tarvo {

// A PDF drawn into memory, the bytes Qt's PDF printer would write to its file: Qt does not
// report the errors of its own file writes, so the program writes the bytes itself, whole
// or not at all.
class PdfEnMemoire {
  public:
    PdfEnMemoire(const QPageLayout& disposition, int pointsParPouce);
    // The settings of a printer the user sent to a PDF file.
    explicit PdfEnMemoire(const QPrinter& imprimante);

    QPdfWriter& Appareil() { return *ecrivain_; }
    // The document once its painter has ended.
    const QByteArray& Octets() const { return tampon_.data(); }

  private:
    QBuffer tampon_;
    std::unique_ptr<QPdfWriter> ecrivain_;
};

} // namespace tarvo
