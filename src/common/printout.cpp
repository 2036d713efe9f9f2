#include "common/printout.h"

#include "common/dialogs.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace kvadus {

namespace {

// The width QTextDocument::print() leaves a line: the device's paint rect
// less the 2 cm it keeps free on either side.
qreal lineRoom(const QPagedPaintDevice& device) { return device.width() - 2 * (2 / 2.54) * device.logicalDpiX(); }

// Trailing blanks take no room: a line does not break on them.
qreal widestLine(const QStringList& lines, const QFont& font, QPagedPaintDevice& device) {
  const QFontMetricsF metrics(font, &device);
  qreal widest = 0;
  for (const QString& line : lines) {
    qsizetype end = line.size();
    while (end > 0 && line[end - 1].isSpace()) --end;
    widest = std::max(widest, metrics.horizontalAdvance(line.left(end)));
  }
  return widest;
}

}  // namespace

bool paintPlainText(QPagedPaintDevice& device, const QString& text) {
  const QPageLayout before = device.pageLayout();
  // QTextDocument::print() puts 2 mm margins on a device that has none;
  // they are put there first, so that the measuring sees the same page.
  if (before.margins().isNull()) device.setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);

  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSizeF(9);
  // A text wider than the page (the statistics of a large table) goes on
  // a landscape page and, where it is wider still, in a smaller font, so
  // that no line is cut or broken; a line too long even for the smallest
  // font is broken by the document rather than lost.
  const QStringList lines = text.split(u'\n');
  if (widestLine(lines, fixed, device) > lineRoom(device)) {
    device.setPageOrientation(QPageLayout::Landscape);
    constexpr qreal kSmallest = 3;
    const qreal widest = widestLine(lines, fixed, device);
    if (widest > lineRoom(device)) {
      qreal size = std::floor(9 * lineRoom(device) / widest * 10) / 10;
      for (; size > kSmallest; size -= 0.1) {
        fixed.setPointSizeF(size);
        if (widestLine(lines, fixed, device) <= lineRoom(device)) break;
      }
      fixed.setPointSizeF(std::max(size, kSmallest));
    }
  }

  QTextDocument document;
  document.setDefaultFont(fixed);
  document.setPlainText(text);
  document.print(&device);
  device.setPageLayout(before);
  return true;
}

QByteArray renderPdf(const QPrinter& printer, const Printout& paint) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(printer.pageLayout());
    writer.setResolution(printer.resolution());
    writer.setTitle(printer.docName());
    writer.setCreator(QCoreApplication::applicationName());
    if (!paint(writer)) return {};
  }  // the document is complete once its painter has ended
  return buffer.data();
}

void printWithDialog(QWidget* parent, QPrinter* printer, const Printout& paint) {
  QPrintDialog dialog(printer, parent);
  dialog.setObjectName(QStringLiteral("DLGPrint"));
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  if (runDialog(&dialog) != QDialog::Accepted) return;
  // The printer's own file would be written bit by bit, and a full disk
  // would leave half a document without a word; a file gets the same pages
  // written as every file of the program is.
  if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
    const QByteArray pdf = renderPdf(*printer, paint);
    if (!pdf.isEmpty()) writeFileTelling(parent, printer->outputFileName(), pdf);
    return;
  }
  paint(*printer);
}

QString pdfButtonCaption() { return QStringLiteral("PDF >>"); }
QString pdfButtonHint() { return QStringLiteral("ulozit jako soubor PDF"); }

bool savePdf(QWidget* parent, const QPrinter& printer, const Printout& paint, const QString& stem) {
  const SaveAs how{"DLGSavePdf",
                   QStringLiteral("Ulozeni do souboru PDF"),
                   {QStringLiteral("dokumenty PDF (*.pdf)"), QStringLiteral("vsechny soubory (*)")},
                   QStringLiteral("pdf"),
                   stem};
  return saveFileAs(parent, how, [&] { return renderPdf(printer, paint); });
}

}  // namespace kvadus
