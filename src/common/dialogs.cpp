#include "common/dialogs.h"

#include <QDialog>
#include <QFontDatabase>
#include <QPrinter>
#include <QTextDocument>

namespace kvadus {

namespace {
DialogResponder& responder()
{
    static DialogResponder r;
    return r;
}
}  // namespace

DialogResponder setDialogResponder(DialogResponder r)
{
    DialogResponder previous = std::move(responder());
    responder() = std::move(r);
    return previous;
}

int runDialog(QDialog* dialog)
{
    if (responder()) return responder()(dialog);
    return dialog->exec();
}

void printPlainText(QPrinter* printer, const QString& text, const QString& title)
{
    printer->setDocName(title);
    QTextDocument document;
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(9);
    document.setDefaultFont(fixed);
    document.setPlainText(text);
    document.print(printer);
}

}  // namespace kvadus
