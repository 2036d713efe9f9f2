#pragma once
// The program's common dialogs (file, print, printer setup) run through
// runDialog(), so that tests can answer them as a person would: pick a file,
// choose a PDF printer, or cancel.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QFileDialog;
class QWidget;

namespace kvadus {

// Runs the dialog modally and returns its result (QDialog::Accepted or
// Rejected), or what the responder answers in its place.
int runDialog(QDialog* dialog);

// A file dialog of `parent` named `name`: to open an existing file, or to
// save under any name.
QFileDialog* makeFileDialog(QWidget* parent, const char* name, bool save);

using DialogResponder = std::function<int(QDialog* dialog)>;
// An empty responder restores the real dialogs; the previous one is returned.
DialogResponder setDialogResponder(DialogResponder responder);

// A file of the evening offered in the saved evenings' folder:
// "vecer-2026-12-08.pdf" for that date, or "vecer-2026-12-08-2.pdf" and so
// on while the name is taken. Another stem names another document of the
// day the same way ("sezona-2026-12-08.csv").
QString eveningFileName(const QDate& date, const QString& suffix, const QString& stem = QStringLiteral("vecer"));

// What a "save as" offers: the dialog's object name, title, filters, default
// suffix and the stem of the file name offered.
struct SaveAs {
  const char* name;
  QString title;
  QStringList filters;
  QString suffix;
  QString stem = QStringLiteral("vecer");
};
// Asks for a file name (today's file of the stem offered), asks before
// replacing an existing file, writes the bytes that make() returns in one
// step and tells the outcome; a failure names its reason. make() runs once
// the name is settled; empty bytes from it mean the document could not be
// made. False when nothing was written.
bool saveFileAs(QWidget* parent, const SaveAs& how, const std::function<QByteArray()>& make);

// Writes the bytes in one step; a failure is told under the caption
// "Chyba pri ukladani souboru" with its reason. False when not written.
bool writeFileTelling(QWidget* parent, const QString& path, const QByteArray& bytes);

}  // namespace kvadus
