#include "results/tablecsv.h"

#include "common/textforms.h"

#include <QStringList>

namespace kvadus::results {

CsvForm csvFormFor(QChar systemDecimalMark)
{
    if (systemDecimalMark == u',') return {u';', u','};
    return {u',', u'.'};
}

QString csvField(const QString& text, QChar separator)
{
    const bool quoted = text.contains(separator) || text.contains(u'"') || text.contains(u'\n')
                        || text.contains(u'\r')
                        || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quoted) return text;
    QString out = text;
    out.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + out + u'"';
}

QString csvNumber(const QString& cell, QChar decimalMark)
{
    if (cell.trimmed().isEmpty()) return {};
    QString text = QString::number(lenientNumber(cell), 'f', 2);
    if (text == QStringLiteral("-0.00")) text.remove(0, 1);  // a spreadsheet would keep the sign
    return text.replace(u'.', decimalMark);
}

QByteArray scoreTableCsv(const ScoreGrid& grid, int players, bool descriptionShown, const CsvForm& form)
{
    const int columns = descriptionShown ? players + 1 : players;
    const auto line = [&](const QStringList& fields) {
        QStringList quoted;
        for (const QString& f : fields) quoted << csvField(f, form.separator);
        return quoted.join(form.separator) + QStringLiteral("\r\n");
    };
    QString text;
    QStringList header{QStringLiteral("hra")};
    for (int c = 0; c < players; ++c) header << grid.cell(c, 0);
    if (descriptionShown) header << QStringLiteral("popis");
    text += line(header);
    const int sumRow = grid.rowCount() - 1;
    for (int r = 1; r <= sumRow; ++r) {
        QStringList fields{r == sumRow ? QStringLiteral("celkem") : QString::number(r)};
        for (int c = 0; c < players; ++c) fields << csvNumber(grid.cell(c, r), form.decimalMark);
        for (int c = players; c < columns; ++c) fields << grid.cell(c, r);
        text += line(fields);
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

}  // namespace kvadus::results
