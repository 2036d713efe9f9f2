#pragma once
// A person answering the common dialogs, and small file helpers for the
// window tests that save, load and print.

#include "common/dialogs.h"
#include "filebytes.h"
#include "common/printout.h"

#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>

namespace testsupport {

// Answers the common dialogs while it lives: a file dialog picks `file` (or
// is cancelled when it is empty), a print dialog prints to the PDF file `pdf`
// (or is cancelled when it is empty); every other dialog is cancelled. The
// titles and object names of the dialogs shown, and the file a file dialog
// offered, are kept.
struct DialogPerson {
  DialogPerson() {
    kvadus::setDialogResponder([this](QDialog* d) {
      titles << d->windowTitle();
      shown << d->objectName();
      if (auto* f = qobject_cast<QFileDialog*>(d)) {
        offered << f->selectedFiles().value(0);
        if (file.isEmpty()) return int(QDialog::Rejected);
        f->selectFile(file);
        return int(QDialog::Accepted);
      }
      if (auto* p = qobject_cast<QPrintDialog*>(d)) {
        printToFile << p->testOption(QAbstractPrintDialog::PrintToFile);
        if (pdf.isEmpty()) return int(QDialog::Rejected);
        p->printer()->setOutputFormat(QPrinter::PdfFormat);
        p->printer()->setOutputFileName(pdf);
        return int(QDialog::Accepted);
      }
      return int(QDialog::Rejected);
    });
  }
  ~DialogPerson() { kvadus::setDialogResponder({}); }
  DialogPerson(const DialogPerson&) = delete;
  DialogPerson& operator=(const DialogPerson&) = delete;
  void reset() {
    file.clear();
    pdf.clear();
    titles.clear();
    shown.clear();
    offered.clear();
    printToFile.clear();
  }
  QString file;
  QString pdf;
  QStringList titles;       // window titles of the dialogs shown
  QStringList shown;        // their object names
  QStringList offered;      // the file each file dialog offered
  QList<bool> printToFile;  // whether each print dialog offered printing to a file
};

// Pages of a PDF written by Qt: one page object each.
inline int pdfPages(const QString& path) {
  const QString pdf = QString::fromLatin1(bytesOf(path));
  if (!pdf.startsWith(QStringLiteral("%PDF"))) return 0;
  return int(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// The text of a PDF as pdftotext (poppler-utils) reads it, page by page
// with the layout kept; the tool's complaint when it cannot.
inline QString pdfText(const QString& path) {
  QProcess tool;
  tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
    return QStringLiteral("pdftotext failed: ") + tool.errorString() +
           QString::fromLocal8Bit(tool.readAllStandardError());
  return QString::fromUtf8(tool.readAllStandardOutput());
}

// The pages a printer gets from the printout: painted straight on a printer
// that writes PDF, as on paper.
inline int printedPages(const kvadus::Printout& paint, const QString& scratch) {
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(scratch);
    paint(printer);
  }
  return pdfPages(scratch);
}

}  // namespace testsupport
