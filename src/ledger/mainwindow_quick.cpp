// The quick selection of common hands: the groups "Vyhrane" (right) and
// "Prohrane" (bottom) of the wide window.

#include "shell/mainwindow.h"
#include "shell/mainwindow_layout.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace kvadus;

void TFRMMain::buildQuickSelection() {
  LABLRychlaVolba = new QLabel(QStringLiteral("Rychla volba"), this);
  LABLRychlaVolba->setObjectName(QStringLiteral("LABLRychlaVolba"));
  LABLRychlaVolba->setGeometry(layout::kQuickLabel);
  LABLRychlaVolba->setStyleSheet(QStringLiteral("color: grey;"));

  GRPBXVyhrane = new QGroupBox(QStringLiteral("Vyhrane"), this);
  GRPBXVyhrane->setObjectName(QStringLiteral("GRPBXVyhrane"));
  GRPBXVyhrane->setToolTip(QStringLiteral("rychly vyber VYHRANYCH her"));
  GRPBXVyhrane->setGeometry(layout::kWonGroup);

  GRPBXProhrane = new QGroupBox(QStringLiteral("Prohrane"), this);
  GRPBXProhrane->setObjectName(QStringLiteral("GRPBXProhrane"));
  GRPBXProhrane->setToolTip(QStringLiteral("rychly vyber PROHRANYCH her"));
  GRPBXProhrane->setGeometry(layout::kLostGroup);

  BUTNPridatDolni = new QPushButton(QStringLiteral("Pridat"), GRPBXProhrane);
  BUTNPridatDolni->setObjectName(QStringLiteral("BUTNPridatDolni"));
  BUTNPridatDolni->setToolTip(QStringLiteral("prida zvolenou hru do tabulky"));
  BUTNPridatDolni->setGeometry(layout::kLostGroup.width() - 96, layout::kLostGroup.height() - 38,
                               88, 30);
  BUTNPridatDolni->setEnabled(false);
}
