#include "settings/fileselect.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFRMFileSelect::TFRMFileSelect(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FRMFileSelect"));
  setWindowTitle(QStringLiteral("Vyberte nastaveni"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(true);
  setFixedSize(360, 120);

  auto* label = new QLabel(QStringLiteral("Soubor s nastavenim pro start programu:"), this);
  label->setGeometry(10, 8, 340, 20);
  EDITSelectedFile = new QLineEdit(this);
  EDITSelectedFile->setObjectName(QStringLiteral("EDITSelectedFile"));
  EDITSelectedFile->setReadOnly(true);
  EDITSelectedFile->setGeometry(10, 30, 340, 24);
  EDITSelectedFile->clear();

  CHBXExit = new QCheckBox(QStringLiteral("CHBXExit"), this);
  CHBXExit->setObjectName(QStringLiteral("CHBXExit"));
  CHBXExit->setChecked(true);
  CHBXExit->hide();

  BUTNOk = new QPushButton(QStringLiteral(">>   pouzit a spustit"), this);
  BUTNOk->setObjectName(QStringLiteral("BUTNOk"));
  BUTNOk->setGeometry(10, 76, 170, 30);
  BUTNOk->setDefault(true);
  BUTNExit = new QPushButton(QStringLiteral("ukoncit program"), this);
  BUTNExit->setObjectName(QStringLiteral("BUTNExit"));
  BUTNExit->setGeometry(190, 76, 160, 30);

  connect(BUTNOk, &QPushButton::clicked, this, &TFRMFileSelect::BUTNOkClick);
  connect(BUTNExit, &QPushButton::clicked, this, &TFRMFileSelect::BUTNExitClick);
}

void TFRMFileSelect::BUTNOkClick() {
  CHBXExit->setChecked(false);
  accept();
}

void TFRMFileSelect::BUTNExitClick() { reject(); }
