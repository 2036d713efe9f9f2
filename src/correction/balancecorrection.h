#pragma once
#include <QDialog>

// Setting the balances by hand and reordering the players.
class TFRMUpravaStavu : public QDialog {
  Q_OBJECT
 public:
  explicit TFRMUpravaStavu(QWidget* parent = nullptr);
};
