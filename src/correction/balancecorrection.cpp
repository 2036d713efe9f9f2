#include "correction/balancecorrection.h"

TFRMUpravaStavu::TFRMUpravaStavu(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FRMUpravaStavu"));
  setWindowTitle(QStringLiteral("Uprava stavu penez a/nebo poradi hracu"));
  setToolTip(QStringLiteral("formular pro zmenu partie"));
  setModal(false);
  resize(520, 400);
}
