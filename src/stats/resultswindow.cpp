#include "stats/resultswindow.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

TFRMGrafika::TFRMGrafika(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("FRMGrafika"));
  setWindowTitle(QStringLiteral("Vysledky"));
  setToolTip(QStringLiteral("vysledky partie"));
  resize(792, 560);

  PGCTRLOutPut = new QTabWidget(this);
  PGCTRLOutPut->setObjectName(QStringLiteral("PGCTRLOutPut"));
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(PGCTRLOutPut);

  auto* textPage = new QWidget;
  auto* textLayout = new QVBoxLayout(textPage);
  textLayout->addWidget(new QLabel(QStringLiteral("Poznamky k vytvareni textu z uctu:")));
  MEMOUctenkaNapoveda = new QPlainTextEdit;
  MEMOUctenkaNapoveda->setObjectName(QStringLiteral("MEMOUctenkaNapoveda"));
  MEMOUctenkaNapoveda->setToolTip(QStringLiteral("poznamky k vytvareni uctu"));
  MEMOUctenkaNapoveda->setReadOnly(true);
  MEMOUctenkaNapoveda->setLineWrapMode(QPlainTextEdit::NoWrap);
  MEMOUctenkaNapoveda->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  textLayout->addWidget(MEMOUctenkaNapoveda);
  PGCTRLOutPut->addTab(textPage, QStringLiteral("text"));
}
