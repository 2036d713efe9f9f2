#pragma once
// Printouts: what a window prints is painted by one function on any paged
// device, so that the printer and a PDF file get the same pages. A PDF file
// is made in memory and written like every other file of the program, whole
// or not at all.

#include <QByteArray>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace kvadus {

// Paints the pages of one printout on the device, laid out by the device's
// page layout. False when nothing could be painted.
using Printout = std::function<bool(QPagedPaintDevice& device)>;

// Plain text in a fixed-pitch font, so that its columns stay aligned; pages
// break by whole lines. A text too wide for the page is printed in landscape
// and, where that is not enough, in a smaller font; the device's page layout
// is kept as it was.
bool paintPlainText(QPagedPaintDevice& device, const QString& text);

// The print dialog ("DLGPrint", printing to a file offered where the
// platform's dialog has it) and, when confirmed, the printout on the
// printer. A file chosen in the dialog gets the PDF of renderPdf(), written
// in one step; only a failure is told.
void printWithDialog(QWidget* parent, QPrinter* printer, const Printout& paint);

// The printout as a PDF document with the printer's page layout and
// resolution, so that it has the pages the printer would print. Empty when
// nothing could be painted.
QByteArray renderPdf(const QPrinter& printer, const Printout& paint);

// "PDF >>" (hint "ulozit jako soubor PDF"): asks for a file name (today's
// file of the stem offered) and writes the printout as PDF (saveFileAs).
// False when nothing was written.
bool savePdf(QWidget* parent, const QPrinter& printer, const Printout& paint,
             const QString& stem = QStringLiteral("vecer"));
QString pdfButtonCaption();  // "PDF >>"
QString pdfButtonHint();     // "ulozit jako soubor PDF"

}  // namespace kvadus
