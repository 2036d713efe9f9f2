#pragma once
// The controls of the quick selection on the main window: the groups
// "Vyhrane" and "Prohrane" with their eleven radio groups and the two red
// boxes. TFRMMain holds them as a part of itself; its handlers are in
// ledger/mainwindow_quick.cpp.

class QCheckBox;
class QGroupBox;
class QLabel;

namespace kvadus {
class RadioGroup;
}

struct QuickSelectionControls {
  QLabel* LABLRychlaVolba = nullptr;
  QGroupBox* GRPBXVyhrane = nullptr;
  QGroupBox* GRPBXProhrane = nullptr;
  kvadus::RadioGroup* RAGRObycHra = nullptr;  // "Vyhrane"
  kvadus::RadioGroup* RAGRBetlDurch = nullptr;
  kvadus::RadioGroup* RAGRSedma = nullptr;
  kvadus::RadioGroup* RAGRStovka = nullptr;
  kvadus::RadioGroup* RAGRStoASedm = nullptr;
  kvadus::RadioGroup* RAGRPrimaUpravaStavuVyhrane = nullptr;
  kvadus::RadioGroup* RAGRProhranaHra = nullptr;  // "Prohrane"
  kvadus::RadioGroup* RAGRBetlDurchProti = nullptr;
  kvadus::RadioGroup* RAGRSedmaProhrana = nullptr;
  kvadus::RadioGroup* RAGRStoNeuhranych = nullptr;
  kvadus::RadioGroup* RAGRPrimaUpravaStavuProhrane = nullptr;
  QCheckBox* CHBXCerveneVpravo = nullptr;  // "Cervene" in "Vyhrane"
  QCheckBox* CHBXCerveneVlevo = nullptr;   // "Cervene" in "Prohrane"
};
