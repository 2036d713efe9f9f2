#pragma once
// The main window's way to the season window: the button "sezona >>" in the
// strip under the score table. TFRMMain holds it as a part of itself; its
// handler is in stats/mainwindow_season.cpp.

class QPushButton;

struct SeasonControls {
  QPushButton* BUTNSezona = nullptr;  // "sezona >>"
};
