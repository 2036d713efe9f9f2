#include "players/playerentry.h"

#include <QListWidget>
#include <QPushButton>

TFORMZadaniHracu::TFORMZadaniHracu(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FORMZadaniHracu"));
  setWindowTitle(QStringLiteral("Zadani hracu"));
  setModal(false);
  resize(330, 300);
  setMinimumSize(330, 300);

  LBOXSeznamHracu = new QListWidget(this);
  LBOXSeznamHracu->setObjectName(QStringLiteral("LBOXSeznamHracu"));
  LBOXSeznamHracu->setToolTip(QStringLiteral("jmena hracu"));
  LBOXSeznamHracu->setGeometry(8, 8, 160, 250);
  LBOXSeznamHracu->addItems({QStringLiteral("Ja"), QStringLiteral("Franta"),
                             QStringLiteral("Pepa"), QStringLiteral("Karel")});

  BUTNZamenit = new QPushButton(QStringLiteral("<-- zamenit jmena"), this);
  BUTNZamenit->setObjectName(QStringLiteral("BUTNZamenit"));
  BUTNZamenit->setToolTip(QStringLiteral("zameni jmena v seznamu hracu v hlavnim panelu"));
  BUTNZamenit->setGeometry(176, 8, 146, 26);
  BUTNZamenit->setEnabled(false);

  BUTNCancel = new QPushButton(QStringLiteral("Zavrit <<"), this);
  BUTNCancel->setObjectName(QStringLiteral("BUTNCancel"));
  BUTNCancel->setToolTip(QStringLiteral("zavre okno"));
  BUTNCancel->setGeometry(176, 232, 146, 26);
  connect(BUTNCancel, &QPushButton::clicked, this, &QDialog::close);
}
