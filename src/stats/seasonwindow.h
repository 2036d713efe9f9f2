#pragma once
// The season window "Sezona": every evening saved in a folder in one table,
// one chart of the players' running totals and a table of the players. The
// folder is read on a thread of its own while a progress bar runs; the
// window only shows what the season rules (stats/season) make of the files.
// It is made the first time it is asked for and lives until the windows go.

#include "common/keyboard.h"
#include "common/ondemand.h"
#include "common/printout.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <memory>

class QChartView;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPrinter;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QThread;
class QTimer;

namespace kvadus {
class ResultsChart;
namespace season {
struct Season;
}
}  // namespace kvadus

class TFRMSezona : public QWidget {
  Q_OBJECT
 public:
  explicit TFRMSezona(QWidget* parent = nullptr);
  // The window's accelerators (applied when it is made).
  static kvadus::AcceleratorTable accelerators();
  ~TFRMSezona() override;

  QLineEdit* EDITSlozka = nullptr;  // the folder read
  QPushButton* BUTNVyberSlozky = nullptr;
  QPushButton* BUTNNacist = nullptr;
  QProgressBar* PRGBRCteni = nullptr;
  QLabel* LABLStav = nullptr;
  QTabWidget* PGCTRLSezona = nullptr;
  QWidget* PGVecery = nullptr;
  QTableWidget* STRGRSezona = nullptr;
  QWidget* PGPrubeh = nullptr;
  kvadus::OnDemand<QChartView> CHARTSezona;  // made for the first reading shown (or first use)
  QCheckBox* CHBXZobrazitMinMax = nullptr;
  QWidget* PGHraci = nullptr;
  QTableWidget* STRGRHraci = nullptr;
  QLabel* LABLPoznamka = nullptr;
  QWidget* PGVynechane = nullptr;
  QListWidget* LSTBXVynechane = nullptr;
  QPushButton* BUTNTisk = nullptr;           // "Vytisknout >>": the page on view
  QPushButton* BUTNPdf = nullptr;            // "PDF >>": the page on view as a PDF file
  QPushButton* BUTNUlozitTabulku = nullptr;  // the season table for spreadsheets
  QPushButton* BUTNZavrit = nullptr;

  // Reads the folder in the field anew (a reading under way is abandoned).
  void BUTNNacistClick();
  void BUTNVyberSlozkyClick();
  void CHBXZobrazitMinMaxClick();
  void BUTNTiskClick();
  void BUTNPdfClick();
  void BUTNUlozitTabulkuClick();

  // A reading is under way.
  bool reading() const;
  // What the window shows, read from its controls: the rows of a table
  // (the header first), the chart's series titles and point values, its marks.
  static QList<QStringList> tableRows(const QTableWidget* table);
  QStringList seriesTitles() const;
  QList<double> seriesPoints(int series) const;
  QList<QColor> seriesColors() const;
  kvadus::ResultsChart* chart() const;
  // What the page on view prints: the chart, or the text of its table or
  // list; empty (and said why) when the page holds nothing to print.
  kvadus::Printout pagePrintout();

 signals:
  // A reading ended and its season is shown.
  void seasonShown();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Job;
  void buildControls();
  void startReading(const QString& folder);
  void readingDone(const std::shared_ptr<Job>& job);
  void showSeason(const kvadus::season::Season& season);
  void drawChart(const kvadus::season::Season& season);
  void showProgress();
  void stopReading();
  void enableOutputs();

  // The reading under way: its thread and what it shares with the window.
  std::shared_ptr<Job> job_;
  QThread* thread_ = nullptr;
  QTimer* progressTimer_ = nullptr;
  // Shared by every printout of the window, so that the choices made in the
  // print dialog hold for the next one; made for the first printout.
  kvadus::OnDemand<QPrinter> printer_;
};

// The season window, made the first time; null before.
extern TFRMSezona* FRMSezona;
// Shows the season window (made when missing) and reads its folder anew.
void openSeasonWindow();
// Ends the window with the others (a reading under way is stopped first).
void destroySeasonWindow();
