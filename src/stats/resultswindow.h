#pragma once
#include <QWidget>

class QPlainTextEdit;
class QTabWidget;

// The results of the evening: records, charts, statistics, settlement,
// receipt and price list.
class TFRMGrafika : public QWidget {
  Q_OBJECT
 public:
  explicit TFRMGrafika(QWidget* parent = nullptr);

  QTabWidget* PGCTRLOutPut = nullptr;
  QPlainTextEdit* MEMOUctenkaNapoveda = nullptr;
};
