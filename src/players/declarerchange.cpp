#include "players/declarerchange.h"

TFRMZmenaVolice::TFRMZmenaVolice(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FRMZmenaVolice"));
  setWindowTitle(QStringLiteral("Zmena volice"));
  setModal(true);
  resize(300, 260);
}
