#pragma once
// The disk operations: the evening as results text, made from the score
// table, read back into it, saved to and loaded from files, and printed.

#include "common/keyboard.h"
#include "common/ondemand.h"
#include "common/textfile.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QFileDialog;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QTabWidget;

namespace kvadus {
class ScoreGrid;
}
namespace kvadus::results {
struct ReadResult;
enum class ReadMode;
}  // namespace kvadus::results

class TFORMDiskoveOperace : public QDialog {
  Q_OBJECT
 public:
  explicit TFORMDiskoveOperace(QWidget* parent = nullptr);
  // The window's accelerators (applied when it is made).
  static kvadus::AcceleratorTable accelerators();
  ~TFORMDiskoveOperace() override;

  // "Soubor"
  QLineEdit* EDITFileName = nullptr;
  QPushButton* BUTNSmazNazev = nullptr;
  QPushButton* BUTNDefaultFilename = nullptr;
  QPushButton* BUTNVyber = nullptr;
  // "Prace s tabulkou her"
  QPushButton* BUTNPouzit = nullptr;
  QPushButton* BUTNPridatVystup = nullptr;
  QPushButton* BUTNVytvorVystup = nullptr;
  // "Prace s diskem"
  QPushButton* BUTNSave = nullptr;
  QPushButton* BUTNUlozitPridat = nullptr;
  QPushButton* BUTNNahrat = nullptr;
  QPushButton* BUTNNahratAPridat = nullptr;
  QPushButton* BUTNUlozitTabulku = nullptr;  // the score table for spreadsheets
  // The pages.
  QTabWidget* PGCTRLDisk = nullptr;
  QWidget* TABVystup = nullptr;
  QPlainTextEdit* REDTOutput = nullptr;
  QPushButton* BUTNSmazatVystup = nullptr;
  QPushButton* BUTNTisk = nullptr;
  QPushButton* BUTNPdf = nullptr;  // the text output as a PDF file
  QWidget* TABVysledky = nullptr;
  QPlainTextEdit* RICHEDITVysledky = nullptr;
  QPushButton* BUTNSmazVysledky = nullptr;
  QPushButton* BUTNTiskVysledku = nullptr;
  QPushButton* BUTNPdfVysledku = nullptr;  // the log as a PDF file
  QWidget* TABPravidla = nullptr;
  QPlainTextEdit* MEMOPravidla = nullptr;
  QWidget* TABNastaveni = nullptr;
  QCheckBox* CKBXEditace = nullptr;
  QPushButton* BUTNNastaveniTisku = nullptr;
  QPushButton* BUTNZavrit = nullptr;
  QPushButton* BUTNSezona = nullptr;  // "sezona >>": the season window
  // The common dialogs, made when first used.
  kvadus::OnDemand<QFileDialog> DLGSaveFile;
  kvadus::OnDemand<QFileDialog> DLGOpenFile;

  // The default results file, relative to the working folder, with the
  // platform's separators.
  static QString defaultFileName();

  // The file save routine: 1 saved, 0 declined by the user, -1 failed (the
  // error shown). Also used by the results window's text page.
  int saveToFile(const QString& fileName, kvadus::SaveMode mode, const QStringList& lines);
  // Empties the text output after asking when it holds anything; false when
  // the user declined.
  bool clearOutputWithQuestion();
  // The lines of the text output and of the processing log.
  QStringList outputLines() const;
  QStringList logLines() const;

  void BUTNSmazNazevClick();
  void BUTNDefaultFilenameClick();
  void BUTNVyberClick();
  void BUTNPouzitClick();
  void BUTNPridatVystupClick();
  void BUTNVytvorVystupClick();
  void BUTNSaveClick();
  void BUTNUlozitPridatClick();
  void BUTNNahratClick();
  void BUTNNahratAPridatClick();
  void BUTNUlozitTabulkuClick();
  void BUTNSmazatVystupClick();
  void BUTNTiskClick();
  void BUTNSmazVysledkyClick();
  void BUTNTiskVysledkuClick();
  void BUTNPdfClick();
  void BUTNPdfVysledkuClick();
  void BUTNNastaveniTiskuClick();
  void CKBXEditaceClick();
  void REDTOutputChange();
  void EDITFileNameChange();
  void RICHEDITVysledkyChange();
  void FormActivate();  // the activation refresh
  void BUTNSezonaClick();

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void buildControls();
  void connectControls();
  // A file name for the operation: the field's text, or the dialog's choice
  // when the field is empty. False when the user cancelled.
  bool obtainFileName(QFileDialog* dialog);
  void readOutput(kvadus::results::ReadMode mode);
  void applyEvening(const kvadus::results::ReadResult& read);
  void showEvening(const kvadus::ScoreGrid& table, const QStringList& players, int declarer, const QString& chooser,
                   bool described);
  void print(const QString& text);
  void savePdf(const QString& text);
  kvadus::OnDemand<QPrinter> printer_;  // made when first used
};
