#pragma once
// A person answering the common dialogs, and small file helpers for the
// window tests that save, load and print.

#include "common/dialogs.h"
#include "filebytes.h"

#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
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
  }
  QString file;
  QString pdf;
  QStringList titles;   // window titles of the dialogs shown
  QStringList shown;    // their object names
  QStringList offered;  // the file each file dialog offered
};

// Pages of a PDF written by Qt: one page object each.
inline int pdfPages(const QString& path) {
  const QString pdf = QString::fromLatin1(bytesOf(path));
  if (!pdf.startsWith(QStringLiteral("%PDF"))) return 0;
  return int(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

}  // namespace testsupport
