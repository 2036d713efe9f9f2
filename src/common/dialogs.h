#pragma once
// The program's common dialogs (file, print, printer setup) run through
// runDialog(), so that tests can answer them as a person would: pick a file,
// choose a PDF printer, or cancel.

#include <QString>
#include <functional>

class QDialog;
class QPrinter;

namespace kvadus {

// Runs the dialog modally and returns its result (QDialog::Accepted or
// Rejected), or what the responder answers in its place.
int runDialog(QDialog* dialog);

using DialogResponder = std::function<int(QDialog* dialog)>;
// An empty responder restores the real dialogs; the previous one is returned.
DialogResponder setDialogResponder(DialogResponder responder);

// Prints a plain text in a fixed-pitch font, so that its columns stay
// aligned, with the given document title. Pages break by whole lines. A text
// too wide for the page is printed in landscape and, where that is not
// enough, in a smaller font; the printer's page layout is kept as it was.
void printPlainText(QPrinter* printer, const QString& text, const QString& title = QString());

}  // namespace kvadus
