#pragma once
#include "common/keyboard.h"
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kvadus {
class TableGrid;
}

// Setting the balances by hand and reordering the players. The window works
// on the players of the main window as two grids: "Nove", the new order and
// money, and "Stare", the state when it was loaded. Nothing reaches the main
// window until the changes are applied and confirmed.
class TFRMUpravaStavu : public QDialog {
  Q_OBJECT
 public:
  explicit TFRMUpravaStavu(QWidget* parent = nullptr);
  // The window's accelerators (applied when it is made).
  static kvadus::AcceleratorTable accelerators();
  ~TFRMUpravaStavu() override;

  QTableWidget* STRGRNove = nullptr;
  QTableWidget* STRGRStare = nullptr;
  QGroupBox* GRPBXProvedeneZmeny = nullptr;
  QLabel* LABLPoradi = nullptr;
  QLabel* LABLCena = nullptr;
  QGroupBox* GRPBXStavPenez = nullptr;
  QLineEdit* EDITNovePenize = nullptr;
  QLineEdit* EDITCenaPredZmenou = nullptr;
  QPushButton* ButnZpetPenize = nullptr;
  QGroupBox* GRPBXPresunout = nullptr;
  QPushButton* BUTNUp = nullptr;
  QPushButton* ButnDown = nullptr;
  QPushButton* BUTNPouzit = nullptr;
  QPushButton* BUTNCancel = nullptr;
  QPushButton* BUTNNahratZMain = nullptr;

  // The grids as grids of texts (row 0 the headers, row k player k).
  kvadus::TableGrid* nove = nullptr;
  kvadus::TableGrid* stare = nullptr;

  void BUTNNahratZMainClick();  // loading from the main window
  void STRGRNoveClick(int row);
  void STRGRStareClick(int row);
  // Both grids select the rows of the player chosen in one of them.
  void ButnSrovnejVyberyClick(bool chosenInNew, int row);
  void BUTNUpClick();
  void ButnDownClick();
  void EDITNovePenizeChange();
  void EDITNovePenizeExit(QWidget* focusGoesTo, bool byClick);
  void BUTNPouzitClick();
  void BUTNCancelClick();

  // The chosen player's row in the new grid (-1 when none).
  int chosenRow() const;

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void selectRows(int newRow, int oldRow);
  void afterMove(int row, bool rotated);
  // Set when the window lost the activation to a message box of its own:
  // its coming back is the end of that box, not a new visit.
  bool activationToOwnBox_ = false;
};
