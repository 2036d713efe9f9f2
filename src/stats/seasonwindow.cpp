#include "stats/seasonwindow.h"

#include "common/appfolders.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/messages.h"
#include "common/textforms.h"
#include "stats/chartview.h"
#include "stats/resultschart.h"
#include "stats/season.h"

#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <atomic>

using namespace kvadus;

TFRMSezona* FRMSezona = nullptr;

struct TFRMSezona::Job {
  std::atomic<int> done{0};
  std::atomic<int> total{-1};  // unknown until the folder is listed
  std::atomic<bool> cancel{false};
  season::Season result;
};

namespace {

QTableWidget* makeTable(QWidget* parent, const char* name, const QString& hint) {
  auto* table = new QTableWidget(parent);
  table->setObjectName(QLatin1String(name));
  table->setToolTip(hint);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setWordWrap(false);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  return table;
}

// The rows (the header first) into the table; columns from `firstNumber` on
// hold numbers and money, right-aligned; the last row is bold when asked.
void fillTable(QTableWidget* table, const QList<QStringList>& rows, int firstNumber, bool boldLast,
               const QStringList& rowNames) {
  table->setUpdatesEnabled(false);
  table->clear();
  const QStringList header = rows.value(0);
  table->setColumnCount(static_cast<int>(header.size()));
  table->setRowCount(std::max(0, static_cast<int>(rows.size()) - 1));
  table->setHorizontalHeaderLabels(header);
  table->setVerticalHeaderLabels(rowNames);
  QFont bold = table->font();
  bold.setBold(true);
  for (int r = 1; r < rows.size(); ++r)
    for (int c = 0; c < rows[r].size(); ++c) {
      auto* item = new QTableWidgetItem(rows[r][c]);
      if (c >= firstNumber) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (boldLast && r == rows.size() - 1) item->setFont(bold);
      table->setItem(r - 1, c, item);
    }
  table->resizeColumnsToContents();
  table->setUpdatesEnabled(true);
}

QString statusText(const season::Season& s) {
  if (s.folderMissing) return QStringLiteral("Slozka neexistuje");
  QString text = season::eveningsText(static_cast<int>(s.evenings.size())) + QStringLiteral(", her: ") +
                 QString::number(season::totalHands(s)) + QStringLiteral(", hracu: ") +
                 QString::number(s.players.size());
  if (!s.skipped.isEmpty()) text += QStringLiteral("; vynechane soubory: ") + QString::number(s.skipped.size());
  return text;
}

}  // namespace

namespace {
constexpr Accelerator kAccelerators[] = {
    {"Alt+S", "EDITSlozka"}, {"Alt+B", "BUTNVyberSlozky"},   {"Alt+N", "BUTNNacist"}, {"Alt+K", "BUTNTisk"},
    {"Alt+F", "BUTNPdf"},    {"Alt+T", "BUTNUlozitTabulku"}, {"Alt+Z", "BUTNZavrit"},
};
}  // namespace

AcceleratorTable TFRMSezona::accelerators() { return kAccelerators; }

TFRMSezona::TFRMSezona(QWidget* parent) : QWidget(parent, Qt::Window) {
  printer_.setMaker([] { return new QPrinter(QPrinter::HighResolution); });
  setObjectName(QStringLiteral("FRMSezona"));
  setWindowTitle(QStringLiteral("Sezona"));
  buildControls();
  enableOutputs();
  progressTimer_ = new QTimer(this);
  progressTimer_->setInterval(40);
  connect(progressTimer_, &QTimer::timeout, this, &TFRMSezona::showProgress);
  // Roomy, but never beyond a small screen.
  QSize size(860, 580);
  if (const QScreen* s = screen()) size = size.boundedTo(s->availableGeometry().size() - QSize(40, 60));
  resize(size);
  setUpKeyboard(this, accelerators());
}

TFRMSezona::~TFRMSezona() { stopReading(); }

void TFRMSezona::buildControls() {
  EDITSlozka = new QLineEdit(QDir::toNativeSeparators(gamesFolder()), this);
  EDITSlozka->setObjectName(QStringLiteral("EDITSlozka"));
  EDITSlozka->setToolTip(QStringLiteral("slozka s ulozenymi vecery"));
  auto* slozka = makeLabel(this, nullptr, QStringLiteral("Slozka:"), QRect());
  slozka->setBuddy(EDITSlozka);
  BUTNVyberSlozky =
      makeButton(this, "BUTNVyberSlozky", QStringLiteral("Vyber >>"), QStringLiteral("vyber slozky s vecery"));
  BUTNNacist =
      makeButton(this, "BUTNNacist", QStringLiteral("nacist"), QStringLiteral("znovu nacte vsechny vecery ze slozky"));
  PRGBRCteni = new QProgressBar(this);
  PRGBRCteni->setObjectName(QStringLiteral("PRGBRCteni"));
  PRGBRCteni->setToolTip(QStringLiteral("prectene soubory"));
  PRGBRCteni->setRange(0, 1);
  PRGBRCteni->setValue(0);
  LABLStav = makeLabel(this, "LABLStav", QString(), QRect());

  PGCTRLSezona = new QTabWidget(this);
  PGCTRLSezona->setObjectName(QStringLiteral("PGCTRLSezona"));

  PGVecery = makePage(PGCTRLSezona, "PGVecery", QStringLiteral("vecery"), QStringLiteral("vecery sezony"));
  STRGRSezona = makeTable(PGVecery, "STRGRSezona", QStringLiteral("vysledky hracu po vecerech a celkem"));
  auto* vecery = new QVBoxLayout(PGVecery);
  vecery->setContentsMargins(4, 4, 4, 4);
  vecery->addWidget(STRGRSezona);

  PGPrubeh = makePage(PGCTRLSezona, "PGPrubeh", QStringLiteral("prubeh"), QStringLiteral("soucty hracu po vecerech"));
  CHARTSezona.setMaker([this] {
    return makeCourseChartView(PGPrubeh, "CHARTSezona", QStringLiteral("prubeh souctu hracu po vecerech"),
                               QStringLiteral("vecery"));
  });
  CHBXZobrazitMinMax = makeCheck(PGPrubeh, "CHBXZobrazitMinMax", QStringLiteral("zobrazit minima a maxima"), QRect(),
                                 QStringLiteral("zobrazit minima a maxima v grafu prubehu"), true);
  auto* prubeh = new QVBoxLayout(PGPrubeh);
  prubeh->setContentsMargins(4, 4, 4, 4);
  auto* checks = new QHBoxLayout;
  checks->addStretch(1);
  checks->addWidget(CHBXZobrazitMinMax);
  prubeh->addLayout(checks);

  PGHraci = makePage(PGCTRLSezona, "PGHraci", QStringLiteral("hraci"), QStringLiteral("souhrn za kazdeho hrace"));
  STRGRHraci =
      makeTable(PGHraci, "STRGRHraci", QStringLiteral("vecery, vyhrane vecery, nejlepsi a nejhorsi vecer a soucet"));
  LABLPoznamka = makeLabel(PGHraci, "LABLPoznamka", season::eveningNumberNote(), QRect());
  auto* hraci = new QVBoxLayout(PGHraci);
  hraci->setContentsMargins(4, 4, 4, 4);
  hraci->addWidget(STRGRHraci, 1);
  hraci->addWidget(LABLPoznamka);

  PGVynechane = makePage(PGCTRLSezona, "PGVynechane", QStringLiteral("vynechane soubory"),
                         QStringLiteral("soubory, ktere nelze precist"));
  LSTBXVynechane = new QListWidget(PGVynechane);
  LSTBXVynechane->setObjectName(QStringLiteral("LSTBXVynechane"));
  LSTBXVynechane->setToolTip(QStringLiteral("soubor a duvod, proc ho nelze precist"));
  auto* vynechane = new QVBoxLayout(PGVynechane);
  vynechane->setContentsMargins(4, 4, 4, 4);
  vynechane->addWidget(LSTBXVynechane);

  BUTNTisk = makeButton(this, "BUTNTisk", QStringLiteral("Vytisknout >>"), QStringLiteral("vytiskne aktualni stranku"));
  BUTNPdf = makeButton(this, "BUTNPdf", pdfButtonCaption(), pdfButtonHint());
  BUTNUlozitTabulku = makeButton(this, "BUTNUlozitTabulku", QStringLiteral("Ulozit tabulku >>"),
                                 QStringLiteral("ulozit tabulku veceru pro tabulkovy procesor"));
  BUTNZavrit = makeButton(this, "BUTNZavrit", QStringLiteral("zavrit <<"),
                          QStringLiteral("zavre okno a navraceni k predchozi obrazovce"));

  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(slozka);
  folderRow->addWidget(EDITSlozka, 1);
  folderRow->addWidget(BUTNVyberSlozky);
  folderRow->addWidget(BUTNNacist);
  auto* stateRow = new QHBoxLayout;
  stateRow->addWidget(PRGBRCteni, 1);
  stateRow->addWidget(LABLStav, 2);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(BUTNTisk);
  bottom->addWidget(BUTNPdf);
  bottom->addWidget(BUTNUlozitTabulku);
  bottom->addSpacing(12);
  bottom->addWidget(BUTNZavrit);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(folderRow);
  outer->addLayout(stateRow);
  outer->addWidget(PGCTRLSezona, 1);
  outer->addLayout(bottom);

  // The chart is on its page whenever the page is shown.
  connect(PGCTRLSezona, &QTabWidget::currentChanged, this, [this] {
    if (PGCTRLSezona->currentWidget() == PGPrubeh) CHARTSezona.get();
  });
  connect(BUTNNacist, &QPushButton::clicked, this, &TFRMSezona::BUTNNacistClick);
  connect(EDITSlozka, &QLineEdit::returnPressed, this, &TFRMSezona::BUTNNacistClick);
  connect(BUTNVyberSlozky, &QPushButton::clicked, this, &TFRMSezona::BUTNVyberSlozkyClick);
  connect(CHBXZobrazitMinMax, &QCheckBox::toggled, this, &TFRMSezona::CHBXZobrazitMinMaxClick);
  connect(BUTNTisk, &QPushButton::clicked, this, &TFRMSezona::BUTNTiskClick);
  connect(BUTNPdf, &QPushButton::clicked, this, &TFRMSezona::BUTNPdfClick);
  connect(BUTNUlozitTabulku, &QPushButton::clicked, this, &TFRMSezona::BUTNUlozitTabulkuClick);
  connect(BUTNZavrit, &QPushButton::clicked, this, &QWidget::close);
}

ResultsChart* TFRMSezona::chart() const { return static_cast<ResultsChart*>(CHARTSezona->chart()); }

// ---- reading ------------------------------------------------------------------

void TFRMSezona::BUTNNacistClick() { startReading(QDir::fromNativeSeparators(EDITSlozka->text().trimmed())); }

void TFRMSezona::BUTNVyberSlozkyClick() {
  QFileDialog dialog(this);
  dialog.setObjectName(QStringLiteral("DLGVyberSlozky"));
  dialog.setWindowTitle(QStringLiteral("Vyber slozky"));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  const QDir current(QDir::fromNativeSeparators(EDITSlozka->text().trimmed()));
  if (current.exists()) dialog.setDirectory(current.absolutePath());
  if (runDialog(&dialog) != QDialog::Accepted) return;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return;
  EDITSlozka->setText(QDir::toNativeSeparators(chosen.first()));
  BUTNNacistClick();
}

bool TFRMSezona::reading() const { return thread_ != nullptr; }

void TFRMSezona::startReading(const QString& folder) {
  stopReading();
  auto job = std::make_shared<Job>();
  job_ = job;
  thread_ = QThread::create([job, folder] {
    job->result = season::readSeason(
        folder,
        [job](int done, int total) {
          job->total = total;
          job->done = done;
        },
        &job->cancel);
  });
  thread_->setObjectName(QStringLiteral("season reader"));
  connect(thread_, &QThread::finished, this, [this, job] { readingDone(job); });
  enableOutputs();
  PRGBRCteni->setRange(0, 0);  // busy until the files are counted
  LABLStav->setText(QStringLiteral("ctu vecery ..."));
  progressTimer_->start();
  thread_->start();
}

void TFRMSezona::showProgress() {
  if (!job_) return;
  const int total = job_->total;
  if (total < 0) return;
  PRGBRCteni->setRange(0, std::max(total, 1));
  PRGBRCteni->setValue(job_->done);
}

void TFRMSezona::readingDone(const std::shared_ptr<Job>& job) {
  if (job != job_) return;  // a reading abandoned for a newer one
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
  progressTimer_->stop();
  job_.reset();
  PRGBRCteni->setRange(0, std::max(1, job->total.load()));
  PRGBRCteni->setValue(PRGBRCteni->maximum());
  showSeason(job->result);
  enableOutputs();
  emit seasonShown();
}

void TFRMSezona::stopReading() {
  if (thread_) {
    job_->cancel = true;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
  }
  job_.reset();
  if (progressTimer_) progressTimer_->stop();
  if (BUTNTisk) enableOutputs();
}

void TFRMSezona::closeEvent(QCloseEvent* event) {
  // A reading nobody will look at is not finished.
  if (reading()) {
    stopReading();
    PRGBRCteni->setRange(0, 1);
    PRGBRCteni->setValue(0);
    LABLStav->setText(QStringLiteral("cteni preruseno"));
  }
  QWidget::closeEvent(event);
}

// ---- showing ------------------------------------------------------------------

void TFRMSezona::showSeason(const season::Season& s) {
  QStringList numbers;
  for (int e = 1; e <= s.evenings.size(); ++e) numbers << QString::number(e);
  fillTable(STRGRSezona, season::seasonRows(s), 2, true, numbers << QString());
  STRGRSezona->scrollToBottom();  // the latest evenings and the totals
  fillTable(STRGRHraci, season::playerRows(s), 1, false, {});
  LSTBXVynechane->clear();
  for (const season::Skipped& k : s.skipped) LSTBXVynechane->addItem(k.file + QStringLiteral(": ") + k.reason);
  PGCTRLSezona->setTabText(PGCTRLSezona->indexOf(PGVynechane),
                           QStringLiteral("vynechane soubory (%1)").arg(s.skipped.size()));
  LABLStav->setText(statusText(s));
  drawChart(s);
}

void TFRMSezona::CHBXZobrazitMinMaxClick() {
  // The chart is drawn again from what the table shows.
  drawChart(season::seasonFromRows(tableRows(STRGRSezona)));
}

void TFRMSezona::drawChart(const season::Season& s) {
  ResultsChart* c = chart();
  c->clearMarks();
  c->removeAllSeries();
  c->setTitle(season::chartTitle());
  c->setFooter(dateTimeStamp());
  const QList<stats::CourseSeries> data = season::seasonSeries(s, CHBXZobrazitMinMax->isChecked());
  const int evenings = static_cast<int>(s.evenings.size());

  auto* x = static_cast<QValueAxis*>(c->axes(Qt::Horizontal).at(0));
  auto* y = static_cast<QValueAxis*>(c->axes(Qt::Vertical).at(0));
  applyScale(y, stats::courseValueScale(data));
  applyScale(x, 0, std::max(evenings, 1), stats::wholeNumberScale(0, std::max(evenings, 1), 15).step);

  for (const stats::CourseSeries& series : data) {
    const QColor color = paletteQColor(series.palette);
    auto* line = new QLineSeries;
    line->setName(series.title);
    line->setColor(color);
    line->setPen(QPen(color, 2));
    QList<QPointF> points;
    points.reserve(series.points.size());
    for (int i = 0; i < series.points.size(); ++i) points.append(QPointF(i, series.points[i].value));
    line->replace(points);
    c->addSeries(line);
    line->attachAxis(x);
    line->attachAxis(y);
    // A light colour (white, yellow ...) would vanish on the plot area.
    if (stats::needsOutline(stats::paletteColor(series.palette))) {
      const stats::Rgb outline = stats::outlineColor();
      c->addOutline(line, QColor(outline.red, outline.green, outline.blue));
    }
    addPointMarks(c, line, series.points, color);
  }
  c->placeMarks();
  c->update();
}

// ---- paper and spreadsheets ----------------------------------------------------

// The table and the page show what the last reading found; while a reading
// is under way they are about to change, and nothing goes out.
void TFRMSezona::enableOutputs() {
  const bool shown = !reading() && STRGRSezona->columnCount() > 0;
  BUTNTisk->setEnabled(shown);
  BUTNPdf->setEnabled(shown);
  BUTNUlozitTabulku->setEnabled(shown && STRGRSezona->rowCount() > 1);  // an evening above the total
}

Printout TFRMSezona::pagePrintout() {
  QWidget* page = PGCTRLSezona->currentWidget();
  if (page == PGPrubeh) return [this](QPagedPaintDevice& device) { return printChart(CHARTSezona, device); };
  const QString stamp = dateTimeStamp();
  QString text;
  if (page == PGVecery) {
    text = season::seasonTableText(tableRows(STRGRSezona), stamp);
  } else if (page == PGHraci) {
    text = season::playerTableText(tableRows(STRGRHraci), stamp);
  } else if (LSTBXVynechane->count() > 0) {
    QStringList files;
    for (int i = 0; i < LSTBXVynechane->count(); ++i) files << LSTBXVynechane->item(i)->text();
    text = season::skippedFilesText(files, stamp);
  } else {
    showMessage(this, QStringLiteral("Chyba"), QStringLiteral("Neni co tisknout ..."));
    return {};
  }
  return [text](QPagedPaintDevice& device) { return paintPlainText(device, text); };
}

void TFRMSezona::BUTNTiskClick() {
  if (const Printout paint = pagePrintout()) printWithDialog(this, printer_, paint);
}

void TFRMSezona::BUTNPdfClick() {
  if (const Printout paint = pagePrintout()) savePdf(this, *printer_, paint, QStringLiteral("sezona"));
}

void TFRMSezona::BUTNUlozitTabulkuClick() {
  // One table per file, as a spreadsheet takes it: the evenings with their total.
  const SaveAs how{"DLGSaveTable",
                   QStringLiteral("Ulozeni tabulky sezony"),
                   {QStringLiteral("tabulky CSV (*.csv)"), QStringLiteral("vsechny soubory (*)")},
                   QStringLiteral("csv"),
                   QStringLiteral("sezona")};
  saveFileAs(this, how,
             [this] { return season::seasonCsv(tableRows(STRGRSezona), csvFormFor(systemDecimalSeparator())); });
}

// ---- reading back -------------------------------------------------------------

QList<QStringList> TFRMSezona::tableRows(const QTableWidget* table) {
  QList<QStringList> rows;
  QStringList header;
  for (int c = 0; c < table->columnCount(); ++c) {
    const QTableWidgetItem* h = table->horizontalHeaderItem(c);
    header << (h ? h->text() : QString());
  }
  rows << header;
  for (int r = 0; r < table->rowCount(); ++r) {
    QStringList row;
    for (int c = 0; c < table->columnCount(); ++c) {
      const QTableWidgetItem* item = table->item(r, c);
      row << (item ? item->text() : QString());
    }
    rows << row;
  }
  return rows;
}

QStringList TFRMSezona::seriesTitles() const {
  QStringList out;
  for (const QAbstractSeries* s : chart()->series()) out << s->name();
  return out;
}

QList<double> TFRMSezona::seriesPoints(int series) const {
  const QList<QAbstractSeries*> all = chart()->series();
  QList<double> out;
  if (series < 0 || series >= all.size()) return out;
  if (const auto* line = qobject_cast<const QXYSeries*>(all[series]))
    for (const QPointF& p : line->points()) out << p.y();
  return out;
}

QList<QColor> TFRMSezona::seriesColors() const {
  QList<QColor> out;
  for (const QAbstractSeries* s : chart()->series())
    if (const auto* line = qobject_cast<const QXYSeries*>(s)) out << line->color();
  return out;
}

// ---- the one window -------------------------------------------------------------

void openSeasonWindow() {
  if (!FRMSezona) FRMSezona = new TFRMSezona;
  FRMSezona->show();
  FRMSezona->raise();
  FRMSezona->activateWindow();
  FRMSezona->BUTNNacistClick();
}

void destroySeasonWindow() {
  delete FRMSezona;
  FRMSezona = nullptr;
}
