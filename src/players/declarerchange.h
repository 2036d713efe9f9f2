#pragma once
#include <QDialog>

// Choosing by hand who declares (and chooses) the next hand.
class TFRMZmenaVolice : public QDialog {
  Q_OBJECT
 public:
  explicit TFRMZmenaVolice(QWidget* parent = nullptr);
};
