#pragma once
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// Chooses, at start, which settings file to apply (or none), or quits.
class TFRMFileSelect : public QDialog {
  Q_OBJECT
 public:
  explicit TFRMFileSelect(QWidget* parent = nullptr);

  QLineEdit* EDITSelectedFile = nullptr;
  QCheckBox* CHBXExit = nullptr;  // stays checked unless confirmed with OK
  QPushButton* BUTNOk = nullptr;
  QPushButton* BUTNExit = nullptr;

  void BUTNOkClick();
  void BUTNExitClick();
};
