#pragma once
// Where the parts of the main window sit, in client coordinates. The window
// is laid out like a classic fixed form: every module places its controls in
// its own region, so that the narrow and the wide size of the window can be
// derived from the groups' edges.

#include <QRect>

namespace kvadus::layout {

constexpr int kClientWidth = 792;
constexpr int kClientHeight = 664;

// Narrow part (always shown).
constexpr QRect kControlGroup{4, 4, 120, 304};    // "Hra": the buttons
constexpr QRect kPlayersGroup{128, 4, 208, 128};  // players and role markers
constexpr QRect kFlekGroup{128, 134, 208, 176};   // fleks on game and seven
constexpr QRect kEntryArea{340, 4, 300, 304};     // the hand being described
constexpr QRect kDescriptionLabel{4, 312, 460, 18};
constexpr QRect kTableGroup{4, 330, 460, 206};    // the score table
constexpr QRect kPriceGroup{468, 312, 172, 224};  // price, shares, "Pridat"
// The settings panel covers the score table and the price while it is shown.
constexpr QRect kSettingsPanel{4, 312, 636, 224};

// Wide part (quick selection).
constexpr QRect kQuickLabel{650, 4, 136, 16};
constexpr QRect kWonGroup{648, 20, 140, 640};
constexpr QRect kLostGroup{4, 544, 640, 116};

}  // namespace kvadus::layout
