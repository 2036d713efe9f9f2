#include "common/printout.h"

#include "common/dialogs.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace kvadus {

bool paintPlainText(QPagedPaintDevice& device, const QString& text)
{
    QTextDocument document;
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(9);
    document.setDefaultFont(fixed);
    document.setPlainText(text);
    document.print(&device);
    return true;
}

QByteArray renderPdf(const QPrinter& printer, const Printout& paint)
{
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

void printWithDialog(QWidget* parent, QPrinter* printer, const Printout& paint)
{
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

bool savePdf(QWidget* parent, const QPrinter& printer, const Printout& paint)
{
    const SaveAs how{"DLGSavePdf", QStringLiteral("Ulozeni do souboru PDF"),
                     {QStringLiteral("dokumenty PDF (*.pdf)"), QStringLiteral("vsechny soubory (*)")},
                     QStringLiteral("pdf")};
    return saveFileAs(parent, how, [&] { return renderPdf(printer, paint); });
}

}  // namespace kvadus
