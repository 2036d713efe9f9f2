#pragma once
// The controls of the extended point counting on the main window: the card
// points of both sides, the trumps and the melds. TFRMMain holds them as a
// part of itself; its handlers are in ledger/mainwindow_extended.cpp.

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace kvadus {
class RadioGroup;
}

struct ExtendedEntryControls {
  QPushButton* BUTNRozsireneOvladani = nullptr;
  kvadus::RadioGroup* RAGRBodyVeHreUhrano = nullptr;
  kvadus::RadioGroup* RAGRBodyVeHreProti = nullptr;
  QGroupBox* GRPBXHlasky = nullptr;
  kvadus::RadioGroup* RAGRTrumfy = nullptr;
  QCheckBox* CHBXHlaskyHlaska0 = nullptr;
  QCheckBox* CHBXHlaskyHlaska1 = nullptr;
  QCheckBox* CHBXHlaskyHlaska2 = nullptr;
  QCheckBox* CHBXHlaskyHlaska3 = nullptr;
  QCheckBox* CHBXHlaskyHlaska0Proti = nullptr;
  QCheckBox* CHBXHlaskyHlaska1Proti = nullptr;
  QCheckBox* CHBXHlaskyHlaska2Proti = nullptr;
  QCheckBox* CHBXHlaskyHlaska3Proti = nullptr;
  QCheckBox* CHBXTrumfovaHlaskaUhranaPrvni = nullptr;
};
