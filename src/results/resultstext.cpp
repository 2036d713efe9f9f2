#include "results/resultstext.h"

#include "common/textforms.h"
#include "ledger/ledger.h"

#include <QVector>

namespace kvadus::results {

namespace {

const QString kDashRun = QStringLiteral("-------------------");
const QString kFieldEnd = QStringLiteral("; ");
const QString kTextCaption = QStringLiteral("Chyba pri zpracovani textu");
const QString kDataError = QStringLiteral("Text neodpovida formatu (chyba v datech)");

QString dashRuns(int count) { return kDashRun.repeated(qMax(0, count)); }

bool isBlank(QChar c) { return c.unicode() <= u' '; }

QString trimLeft(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text.at(i))) ++i;
    return text.mid(i);
}

// The keyword of a line: leading blanks gone, lower case, up to the first blank.
QString keywordOf(const QString& line)
{
    const QString lowered = trimLeft(line).toLower();
    const qsizetype blank = lowered.indexOf(u' ');
    return blank < 0 ? lowered : lowered.left(blank);
}

// The text after the first ':' (the whole line when there is none), trimmed.
QString valueOf(const QString& line) { return line.mid(line.indexOf(u':') + 1).trimmed(); }

// A plain decimal integer, sign allowed.
bool integerOf(const QString& text, qlonglong* value)
{
    if (text.isEmpty()) return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isDigit() && c.unicode() < 128) continue;
        if (i == 0 && (c == u'+' || c == u'-') && text.size() > 1) continue;
        return false;
    }
    bool ok = false;
    *value = text.toLongLong(&ok, 10);
    return ok;
}

}  // namespace

QStringList writeResults(const ScoreGrid& grid, const WriteInput& input)
{
    const int players = qMax(0, input.players);
    const int columns = players + (input.descriptionShown ? 1 : 0);
    const int rows = grid.rowCount();

    auto handLine = [&](int row) {
        QString line;
        line.reserve(columns * 13 + 40);
        for (int c = 0; c < columns; ++c) {
            const QString cell = grid.cell(c, row);
            line += c < players ? resultsMoneyText(lenientNumber(cell)) : cell;
            line += kFieldEnd;
        }
        return line;
    };

    QStringList out;
    out.reserve(rows + 16);
    out << QStringLiteral("       Vysledky kvadusove bitvy") << QString(38, u'=');
    if (input.paid) out << QString(9, u' ') + QStringLiteral(" [  jiz ZAPLACENO!  ]");
    out << QStringLiteral("  Datum a cas   : ") + input.stamp;
    out << QStringLiteral("  verze programu: 1.0");
    out << QStringLiteral("  sloupcu       : ")
               + (input.descriptionShown ? QString::number(columns - 1) + QStringLiteral("+1")
                                         : QString::number(columns));
    out << QStringLiteral("  her           : ") + QString::number(rows - 1);
    out << QStringLiteral("  bude volit    : ") + QString::number(qMax(-1, input.declarer) + 1);
    out << QStringLiteral("  Jmena hracu   :");
    out << QStringLiteral("  -------") + dashRuns(columns);
    QString names;
    for (int c = 0; c < columns; ++c)
        names += grid.cell(c, 0).trimmed().rightJustified(10, u' ') + kFieldEnd;
    out << names;
    out << QStringLiteral("  hry  : ") + dashRuns(columns);
    for (int r = 1; r < rows - 1; ++r) out << handLine(r);
    out << QStringLiteral("  suma : ") + dashRuns(columns);
    if (rows >= 2) out << handLine(rows - 1);
    return out;
}

ReadResult readResults(const QStringList& lines, ReadMode mode, const ScoreGrid& current,
                       const QString& fileName)
{
    ReadResult result;
    MemoryGrid& grid = result.table;
    grid.setColumnCount(current.columnCount());
    grid.setRowCount(current.rowCount());
    for (int r = 0; r < current.rowCount(); ++r)
        for (int c = 0; c < current.columnCount(); ++c) grid.setCell(c, r, current.cell(c, r));
    if (mode == ReadMode::Replace) grid.setRowCount(2);
    if (grid.rowCount() < 2) grid.setRowCount(2);

    int columns = 0;  // 0: no "sloupcu" line yet
    qlonglong bude = 0;
    bool budeRead = false;
    int target = grid.rowCount() - 1;
    bool names = false;
    bool hands = false;
    const int appendColumns = current.columnCount();
    const QChar decimalMark = systemDecimalSeparator();
    // The balances so far: a hand that would take one beyond what the table
    // keeps exactly is damaged data, as it would be at the table.
    QVector<double> balances;
    auto startBalances = [&] {
        balances.fill(0.0, qMax(0, columns - 1));
        for (int r = 1; r < target; ++r)
            for (int c = 0; c < balances.size(); ++c) balances[c] += lenientNumber(grid.cell(c, r));
    };

    auto fail = [&](const QString& line, const QString& message) {
        result.log << QStringLiteral("x  > ") + line;
        result.caption = kTextCaption;
        result.message = message;
        result.ok = false;
        result.table = MemoryGrid(4, 2);
        return result;
    };

    for (const QString& line : lines) {
        QString mark = QStringLiteral("-");
        if (line.isEmpty()) {
            result.log << QStringLiteral("-  >");
            continue;
        }
        // Keyword lines never hold a ';', names and hands always do: a player
        // named "Hry Novak" or "Bude" stays a name wherever it sits.
        const QString key = line.contains(u';') ? QString() : keywordOf(line);
        if (key == u"sloupcu") {
            QString value = valueOf(line);
            const qsizetype plus = value.indexOf(QStringLiteral("+1"));
            if (plus >= 0) value.remove(plus, 2);
            qlonglong n = 0;
            if (!integerOf(value.trimmed(), &n)) return fail(line, kDataError);
            // Two players (three columns with the descriptions) are a game too.
            if (n + 1 < 3) return fail(line, QStringLiteral("Pocet sloupcu musi byt minimalne 3."));
            if (n + 1 > kMaxColumns) return fail(line, kDataError);
            const int count = int(n + 1);
            if (mode == ReadMode::Append) {
                if (count != appendColumns)
                    return fail(line, QStringLiteral("Pocet sloupcu v prave hrane hre je %1, soubor ale "
                                                     "obsahuje %2 sloupcu\n- koncim konverzi")
                                          .arg(appendColumns)
                                          .arg(count));
            } else if (columns == 0) {
                grid.setColumnCount(count);
            } else if (count != columns) {
                return fail(line, QStringLiteral("Pocet sloupcu byl nastaven na %1, \nsoubor ale obsahuje "
                                                 "dalsi sekci pro %2 sloupcu\n - koncim konverzi")
                                      .arg(columns)
                                      .arg(count));
            }
            if (columns == 0) {
                columns = count;
                startBalances();
            }
            mark = QStringLiteral("+");
        } else if (key == u"jmena") {
            names = true;
            hands = false;
            mark = QStringLiteral("+");
        } else if (key == u"hry") {
            hands = true;
            names = false;
            mark = QStringLiteral("+");
        } else if (key == u"suma") {
            names = hands = false;
            mark = QStringLiteral("+");
        } else if (key == u"bude") {
            if (!integerOf(valueOf(line), &bude)) return fail(line, kDataError);
            budeRead = true;
            mark = QStringLiteral("+");
        } else if ((names || hands) && line.contains(u';')) {
            // Names or hands before the column count: nothing to lay them out by.
            if (columns == 0) return fail(line, kDataError);
            // Field j runs from where field j - 1 ended to the next ';', leading
            // blanks dropped; with no ';' left, the rest of the line is the
            // field of every remaining column.
            QStringList fields;
            fields.reserve(columns);
            const QStringView whole(line);
            qsizetype pos = 0;
            for (int j = 0; j < columns; ++j) {
                while (pos < whole.size() && isBlank(whole.at(pos))) ++pos;
                const qsizetype end = whole.indexOf(u';', pos);
                if (end < 0) {
                    fields << whole.mid(pos).toString();
                    continue;
                }
                fields << whole.mid(pos, end - pos).toString();
                pos = end + 1;
            }
            if (names) {
                for (int j = 0; j < columns; ++j) grid.setCell(j, 0, fields[j]);
            } else {
                for (int j = 0; j < columns; ++j) {
                    if (j == columns - 1) {
                        grid.setCell(j, target, fields[j]);
                        continue;
                    }
                    double value = 0;
                    if (!strictNumber(normalizeDecimalMark(fields[j], decimalMark), decimalMark, &value))
                        return fail(line, kDataError);
                    // The cell is the number's general text read back leniently and
                    // written as money. That text holds the number's first 15
                    // significant digits, which read back to a double with the same
                    // first 15 digits, and money text rounds from exactly those: so
                    // the number is written directly, without the round trip.
                    balances[j] += value;
                    if (!(qAbs(value) <= ledger::kMaxBalance && qAbs(balances[j]) <= ledger::kMaxBalance))
                        return fail(line, kDataError);
                    grid.setCell(j, target, signedMoneyText(value));
                }
                mark = QStringLiteral("+");
                ++target;
                grid.setRowCount(grid.rowCount() + 1);
            }
        }
        result.log << mark + QStringLiteral("  > ") + line;
    }

    // Not a results text at all: nothing to build an evening from.
    if (columns == 0) {
        const QString last = result.log.isEmpty() ? QString() : result.log.takeLast().mid(5);
        return fail(last, kDataError);
    }

    const int players = qMax(0, grid.columnCount() - 1);
    for (int j = 0; j < players; ++j) result.players << grid.cell(j, 0);
    qlonglong b = budeRead ? bude : 1;
    b = qBound(qlonglong(0), b, qlonglong(players));
    result.declarer = int(b) - 1;
    result.chooser = result.declarer;
    ledger::recomputeSums(grid, players, true);
    result.ok = true;
    result.caption = QStringLiteral("Oznameni");
    result.message = QStringLiteral("Soubor '") + fileName + QStringLiteral("'\nzpracovan uspesne.");
    return result;
}

}  // namespace kvadus::results
