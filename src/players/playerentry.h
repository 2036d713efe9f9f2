#pragma once
#include <QDialog>

class QListWidget;
class QPushButton;

// The roster: the names from which a new game takes its players.
class TFORMZadaniHracu : public QDialog {
  Q_OBJECT
 public:
  explicit TFORMZadaniHracu(QWidget* parent = nullptr);

  QListWidget* LBOXSeznamHracu = nullptr;
  QPushButton* BUTNZamenit = nullptr;
  QPushButton* BUTNCancel = nullptr;
};
