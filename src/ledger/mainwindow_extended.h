#pragma once
// What the rest of the main window needs from the extended point counting.

class TFRMMain;

namespace kvadus::pricing {
struct Hand;
}

namespace kvadus::extendedentry {

// Fills in what the hand description takes from the extended entry: whether
// it is on, the trump suit's caption, both sides' card points and melds.
void readInto(const TFRMMain& m, pricing::Hand& hand);

}  // namespace kvadus::extendedentry
