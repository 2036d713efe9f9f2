#include "common/dialogs.h"

#include <QDialog>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

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

namespace {

// The width QTextDocument::print() leaves a line: the printer's paint rect
// less the 2 cm it keeps free on either side.
qreal lineRoom(const QPrinter* printer)
{
    return printer->width() - 2 * (2 / 2.54) * printer->logicalDpiX();
}

// Trailing blanks take no room: a line does not break on them.
qreal widestLine(const QStringList& lines, const QFont& font, QPrinter* printer)
{
    const QFontMetricsF metrics(font, printer);
    qreal widest = 0;
    for (const QString& line : lines) {
        qsizetype end = line.size();
        while (end > 0 && line[end - 1].isSpace()) --end;
        widest = std::max(widest, metrics.horizontalAdvance(line.left(end)));
    }
    return widest;
}

}  // namespace

void printPlainText(QPrinter* printer, const QString& text, const QString& title)
{
    printer->setDocName(title);
    const QPageLayout before = printer->pageLayout();
    // QTextDocument::print() puts 2 mm margins on a printer that has none;
    // they are put there first, so that the measuring sees the same page.
    if (before.margins().isNull()) printer->setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);

    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(9);
    // A text wider than the page (the statistics of a large table) goes on
    // a landscape page and, where it is wider still, in a smaller font, so
    // that no line is cut or broken; a line too long even for the smallest
    // font is broken by the document rather than lost.
    const QStringList lines = text.split(u'\n');
    if (widestLine(lines, fixed, printer) > lineRoom(printer)) {
        printer->setPageOrientation(QPageLayout::Landscape);
        constexpr qreal kSmallest = 3;
        const qreal widest = widestLine(lines, fixed, printer);
        if (widest > lineRoom(printer)) {
            qreal size = std::floor(9 * lineRoom(printer) / widest * 10) / 10;
            for (; size > kSmallest; size -= 0.1) {
                fixed.setPointSizeF(size);
                if (widestLine(lines, fixed, printer) <= lineRoom(printer)) break;
            }
            fixed.setPointSizeF(std::max(size, kSmallest));
        }
    }

    QTextDocument document;
    document.setDefaultFont(fixed);
    document.setPlainText(text);
    document.print(printer);
    printer->setPageLayout(before);
}

}  // namespace kvadus
