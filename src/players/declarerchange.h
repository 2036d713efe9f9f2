#pragma once
#include "common/keyboard.h"
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Choosing by hand who declares (and chooses) the next hand. A pick takes
// effect in the main window at once; "<-- puvodni" goes back to the declarer
// the dialog was opened with.
class TFRMZmenaVolice : public QDialog {
  Q_OBJECT
 public:
  explicit TFRMZmenaVolice(QWidget* parent = nullptr);
  // The window's accelerators (applied when it is made).
  static kvadus::AcceleratorTable accelerators();
  ~TFRMZmenaVolice() override;

  QListWidget* LBOXSeznamHracu = nullptr;
  QLabel* LABLJmeno = nullptr;
  QLineEdit* EDITJmeno = nullptr;
  QLabel* LABLPuvodneVolil = nullptr;
  QLineEdit* EDITPuvodneVolil = nullptr;
  QLabel* LABLIdxPuvodni = nullptr;  // hidden: the declarer's index at opening
  QPushButton* BUTNPuvodni = nullptr;
  QPushButton* BUTNCancel = nullptr;
  QPushButton* BUTNRefresh = nullptr;  // hidden; runs at every opening

  // The selected entry of the dialog's list, or -1.
  int selectedIndex() const;

  void BUTNRefreshClick();
  void LBOXSeznamHracuClick();  // the pick
  void BUTNPuvodniClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void selectRow(int row);
};
