#pragma once
// The results window "Vysledky": the evening turned into records, charts,
// statistics, a settlement of payments, a receipt and a price list. Every
// activation of the window rebuilds it from the score table of the main
// window; its controls hold the results until the next one.
//
// Each page keeps its part of the class in a file of its own:
//   stats/resultswindow.cpp             frame, counters, activation, recompute
//   stats/resultswindow_records.cpp     "rekordy": the records table, finders
//   stats/resultswindow_charts.cpp      course and final charts, chart printing
//   stats/resultswindow_settlement.cpp  "ucet": who pays whom
//   stats/resultswindow_reports.cpp     price list, text page, "Vytisknout >>"

#include "common/keyboard.h"
#include "common/ondemand.h"

#include <QList>
#include <QWidget>

class QChartView;
class QCheckBox;
class QFileDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QWindow;

namespace kvadus {
class ResultsChart;
}
namespace kvadus::stats {
enum class Record;
}

class TFRMGrafika : public QWidget {
  Q_OBJECT
 public:
  explicit TFRMGrafika(QWidget* parent = nullptr);
  // The window's accelerators (applied when it is made).
  static kvadus::AcceleratorTable accelerators();
  ~TFRMGrafika() override;

  // ==== frame (stats/resultswindow.cpp) =============================================
  QTabWidget* PGCTRLOutPut = nullptr;
  QWidget* PGGraf = nullptr;
  QWidget* PGCelkem = nullptr;
  QWidget* PGStatistika = nullptr;
  QWidget* PGUctenka = nullptr;
  QWidget* PGCenik = nullptr;
  QWidget* PGTisk = nullptr;

  QGroupBox* GRPBXPocty = nullptr;
  QLabel* LABLHer = nullptr;
  QLabel* LABLHracu = nullptr;
  QLineEdit* EDITPocetHer = nullptr;
  QLineEdit* EDITPocetHracu = nullptr;
  QCheckBox* CHBXZaplaceno = nullptr;
  QPushButton* BUTNClose = nullptr;
  QPushButton* BUTNPrepocti = nullptr;        // hidden: the recompute
  QPushButton* BUTNTisk = nullptr;            // "Vytisknout >>": the page on view
  QPushButton* BUTNPdf = nullptr;             // "PDF >>": the page on view as a PDF file
  QPushButton* BUTNNastaveniTisku = nullptr;  // printer setup

  void FormActivate();
  void BUTNPrepoctiClick();
  void BUTNCloseClick();
  // The size the window opens at for a wanted size: at least as wide as
  // every tab caption needs, and no larger than the work area allows.
  QSize openingSize(const QSize& wanted) const;

  // ==== records (stats/resultswindow_records.cpp) ===================================
  QTableWidget* STRGRMinMax = nullptr;
  QLabel* LABLPopisCislaHry = nullptr;
  QGroupBox* GRPBXVyhledani = nullptr;
  QPushButton* BUTNMaxStav = nullptr;
  QPushButton* BUTNMinStav = nullptr;
  QPushButton* BUTNMaxVyhra = nullptr;
  QPushButton* BUTNMaxProhra = nullptr;
  QPushButton* BUTNVitez = nullptr;
  QPushButton* BUTNSmolar = nullptr;
  QPushButton* BUTNSirkySloupcu = nullptr;  // hidden: headers and widths
  QList<QFrame*> separators;                // between the column groups

  void BUTNSirkySloupcuClick();
  void BUTNMaxStavClick();
  void BUTNMinStavClick();
  void BUTNMaxVyhraClick();
  void BUTNMaxProhraClick();
  void BUTNVitezClick();
  void BUTNSmolarClick();

  // ==== charts (stats/resultswindow_charts.cpp) =====================================
  // The chart views are made when first used (the first recompute or showing).
  kvadus::OnDemand<QChartView> CHARTGraf;
  QLabel* LABLNazevHry = nullptr;
  QLabel* LABLHodnotaGrafu = nullptr;
  QPushButton* bBUTNPrekresliGraf = nullptr;      // "stavy"
  QPushButton* BUTNPrekresliGrafVyhry = nullptr;  // "vyhry"
  QCheckBox* CHBXSchody = nullptr;
  QCheckBox* CHBXZobrazitMinMax = nullptr;
  kvadus::OnDemand<QChartView> CHARTCelkem;
  QPushButton* BUTNPrekresliCelkem = nullptr;  // hidden

  void BUTNPrekresliCelkemClick();
  void bBUTNPrekresliGrafClick();
  void BUTNPrekresliGrafVyhryClick();
  void CHBXSchodyClick();
  void CHBXZobrazitMinMaxClick();
  // A click on point `index` of the course chart's series number `series`.
  void CHARTGrafClickSeries(int series, int index);
  void CHBXZaplacenoClick();
  void PGCTRLOutPutChange();

  // What the charts show, read from the charts themselves.
  kvadus::ResultsChart* grafChart() const;
  kvadus::ResultsChart* celkemChart() const;
  // The course chart's series, in their drawing order: titles, colours and
  // point values (one per hand and the first point).
  int courseSeriesCount() const;
  QStringList courseSeriesTitles() const;
  QList<double> coursePoints(int series) const;
  QColor courseSeriesColor(int series) const;
  bool courseStairs(int series) const;
  // The final-balance chart's bars: values, labels and colours.
  QList<double> finalBarValues() const;
  QStringList finalBarLabels() const;
  QList<QColor> finalBarColors() const;

  // ==== settlement (stats/resultswindow_settlement.cpp) =============================
  QTableWidget* STGRUctenka = nullptr;
  QListWidget* LISTBXPlati = nullptr;
  QListWidget* LISTBXDostava = nullptr;
  QListWidget* LSTBXNaNule = nullptr;
  QListWidget* LSTBXPlatiIndex = nullptr;  // hidden twins: the player numbers
  QListWidget* LSTBXDostavaIndex = nullptr;
  QListWidget* LSTBXNaNuleIndex = nullptr;
  QLabel* LABLNadpisSumaUctu = nullptr;
  QLineEdit* EDITPlusMinus = nullptr;
  QPushButton* BUTNOznacDostane = nullptr;    // "prijmy"
  QPushButton* BUTNOznacZaplati = nullptr;    // "platby"
  QPushButton* BUTNPrepoctiPlatby = nullptr;  // hidden: the settlement

  void BUTNPrepoctiPlatbyClick();
  void BUTNOznacDostaneClick();
  void BUTNOznacZaplatiClick();
  void LISTBXPlatiClick();
  void LISTBXDostavaClick();
  void LSTBXNaNuleClick();

  // ==== price list and text page (stats/resultswindow_reports.cpp) ==================
  QTableWidget* STRGRDCenik = nullptr;
  QPushButton* BUTNPrepoctiCenik = nullptr;

  QPlainTextEdit* REDITOut = nullptr;
  QPushButton* BUTNSmazat = nullptr;
  QGroupBox* GRPBXVolby = nullptr;
  QCheckBox* CHBXPovoleniEditace = nullptr;
  QPushButton* BUTNPridejDatumACas = nullptr;
  QPushButton* BUTNVytvoritZTabulkyHer = nullptr;
  QPushButton* BUTNVytvorTextZeStatistiky = nullptr;
  QPushButton* BUTNUctenka = nullptr;
  QCheckBox* CHBXUctenka = nullptr;
  QPushButton* BUTNVytvoritZCeniku = nullptr;
  QPushButton* BUTNSave = nullptr;
  kvadus::OnDemand<QFileDialog> DLGSave;  // made when first used
  QPlainTextEdit* MEMOUctenkaNapoveda = nullptr;

  void FormShow();  // the price list starts afresh
  void BUTNSmazatClick();
  void CHBXPovoleniEditaceClick();
  void BUTNPridejDatumACasClick();
  void BUTNVytvoritZTabulkyHerClick();
  void BUTNVytvorTextZeStatistikyClick();
  void BUTNUctenkaClick();
  void BUTNVytvoritZCenikuClick();
  void BUTNSaveClick();
  void BUTNPrepoctiCenikClick();
  void BUTNTiskClick();
  void BUTNPdfClick();
  void BUTNNastaveniTiskuClick();
  // The price list has been computed since the window was last shown.
  bool priceListComputed() const { return priceListComputed_; }
  // The rows of the price list table, three cells each.
  QList<QStringList> priceListRows() const;

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // frame
  void buildCounters();
  void connectControls();
  void recompute();
  bool belongsHere(const QWindow* window) const;
  // records
  void buildRecordsPage();
  void findRecord(kvadus::stats::Record record);
  void placeSeparators();
  // charts
  void buildCourseChartPage();
  void buildFinalChartPage();
  void drawCourseChart(bool balances);
  void refreshFooter();
  void courseSeriesClicked(int series, const QPointF& at);
  // settlement
  void buildSettlementPage();
  void markCells(int top, int left, int bottom, int right);
  void chooseInList(QListWidget* list, QListWidget* twin, bool payerRow);
  // price list and text page: the makers are false when the person kept the
  // old text.
  void buildTextPage();
  void buildPriceListPage();
  void connectReports();
  bool clearTextWithQuestion();
  bool makeStatistics();
  bool makeReceipt();
  bool makePriceListText();
  void setText(const QStringList& lines);
  // The page on view to the printer or into a PDF file.
  enum class Output { Printer, Pdf };
  void outputPage(Output how);
  void resetPriceList();
  void showPriceList(const QList<QStringList>& rows);

  // The activation that follows the closing of one of this window's own
  // boxes or dialogs (or a return from another program) continues the visit
  // the box interrupted: it must not recompute, or an error box of the
  // recompute would come back for ever.
  bool returning_ = false;
  bool priceListComputed_ = false;
  // Shared by every printout of the window, so that the printer setup holds;
  // made for the first printout.
  kvadus::OnDemand<QPrinter> printer_;
};
