#pragma once
#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// Saving, loading and printing evenings as results text.
class TFORMDiskoveOperace : public QDialog {
  Q_OBJECT
 public:
  explicit TFORMDiskoveOperace(QWidget* parent = nullptr);

  QTabWidget* PGCTRLDisk = nullptr;
  QLineEdit* EDITFileName = nullptr;
  QPushButton* BUTNDefaultFilename = nullptr;
  QPlainTextEdit* MEMOPravidla = nullptr;

  // The default results file, relative to the working folder.
  static QString defaultFileName();
  void BUTNDefaultFilenameClick();
};
