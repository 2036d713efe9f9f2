// The main window's button to the season window.

#include "common/controls.h"
#include "shell/mainwindow.h"
#include "shell/mainwindow_layout.h"
#include "stats/seasonwindow.h"

#include <QGroupBox>
#include <QPushButton>

using namespace kvadus;

void TFRMMain::buildSeason() {
  // At the right end of the strip under the score table, past the placement
  // compass: in the narrow window, so always at hand.
  constexpr int kWidth = 100;
  BUTNSezona =
      makeButton(GRPBXTabulka, "BUTNSezona", QStringLiteral("sezona >>"), QStringLiteral("souhrn ulozenych veceru"));
  BUTNSezona->setGeometry(layout::kTableGroup.width() - 6 - kWidth, layout::kTableGroup.height() - 32, kWidth, 26);
  connect(BUTNSezona, &QPushButton::clicked, this, &TFRMMain::BUTNSezonaClick);
}

void TFRMMain::BUTNSezonaClick() { openSeasonWindow(); }
