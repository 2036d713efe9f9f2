#include "results/diskoperations.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

TFORMDiskoveOperace::TFORMDiskoveOperace(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FORMDiskoveOperace"));
  setWindowTitle(QStringLiteral("diskove operace"));
  setModal(false);
  resize(640, 480);

  auto* soubor = new QGroupBox(QStringLiteral("Soubor"), this);
  soubor->setGeometry(8, 4, 624, 52);
  auto* jmeno = new QLabel(QStringLiteral("Jmeno:"), soubor);
  jmeno->setGeometry(8, 22, 50, 22);
  EDITFileName = new QLineEdit(QStringLiteral("vysledky.kvd"), soubor);
  EDITFileName->setObjectName(QStringLiteral("EDITFileName"));
  EDITFileName->setToolTip(QStringLiteral("jmeno souboru pro nahrani/ulozeni"));
  EDITFileName->setGeometry(60, 20, 400, 24);
  BUTNDefaultFilename = new QPushButton(QStringLiteral("prednastav"), soubor);
  BUTNDefaultFilename->setObjectName(QStringLiteral("BUTNDefaultFilename"));
  BUTNDefaultFilename->setToolTip(QStringLiteral("zada prednastavene jmeno"));
  BUTNDefaultFilename->setGeometry(468, 19, 100, 26);
  connect(BUTNDefaultFilename, &QPushButton::clicked, this,
          &TFORMDiskoveOperace::BUTNDefaultFilenameClick);

  PGCTRLDisk = new QTabWidget(this);
  PGCTRLDisk->setObjectName(QStringLiteral("PGCTRLDisk"));
  PGCTRLDisk->setGeometry(8, 62, 624, 410);
  MEMOPravidla = new QPlainTextEdit;
  MEMOPravidla->setObjectName(QStringLiteral("MEMOPravidla"));
  MEMOPravidla->setReadOnly(true);
  PGCTRLDisk->addTab(MEMOPravidla, QStringLiteral("pravidla"));
}

QString TFORMDiskoveOperace::defaultFileName() {
  return QDir::toNativeSeparators(QStringLiteral("hry/vysledky.kvd"));
}

void TFORMDiskoveOperace::BUTNDefaultFilenameClick() { EDITFileName->setText(defaultFileName()); }
