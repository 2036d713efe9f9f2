#pragma once
// The controls of the settings page "disk" on the main window: the settings
// text, the report of its last apply, the section switches and the buttons
// that create, clear, load, save and apply it. TFRMMain holds them as a part
// of itself; its handlers are in settings/mainwindow_settingsfile.cpp.

#include "common/ondemand.h"

#include <QString>

class QCheckBox;
class QFileDialog;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QWidget;

struct SettingsFileControls {
  QTabWidget* PGCTRLDisk = nullptr;
  QWidget* PAGETextovaReprezentace = nullptr;  // "Textova reprezentace"
  QWidget* PAGEVysledkyZpracovani = nullptr;   // "vysledky zpracovani"
  QWidget* PAGENastaveniZpracovani = nullptr;  // "nastaveni"
  QWidget* PAGEPravidla = nullptr;             // "pravidla"

  QPlainTextEdit* MEMONastaveni = nullptr;        // the settings text
  QPlainTextEdit* MEMOCHybyZpracovani = nullptr;  // the report of the last apply
  QPushButton* BUTNNastaveniVymaz = nullptr;
  QPushButton* BUTNNastaveniVytvor = nullptr;
  QPushButton* BUTNNastaveniNahrej = nullptr;
  QPushButton* BUTNNastaveniUloz = nullptr;
  QPushButton* BUTNNastaveniAuto = nullptr;
  QPushButton* BUTNPouzijNastaveni = nullptr;

  QCheckBox* CHBXPovolitEditaciNastaveni = nullptr;
  QGroupBox* GRPBXNastaveniPolozky = nullptr;
  // The section switches, in the order of the sections.
  QCheckBox* CHBXNastaveniNahravaniCeny = nullptr;
  QCheckBox* CHBXNastaveniNahravaniSto = nullptr;
  QCheckBox* CHBXNastaveniNahravaniDveSedmy = nullptr;
  QCheckBox* CHBXNastaveniNahravaniPauzirak = nullptr;
  QCheckBox* CHBXNastaveniNahravaniOstatni = nullptr;
  QCheckBox* CHBXUkladatIJmenaHracu = nullptr;
  QCheckBox* CHBXNastaveniNazvyFleku = nullptr;
  QCheckBox* CHBXNastaveniNazvyBarev = nullptr;
  QCheckBox* CHBXPridavaniHracuNulovani = nullptr;  // hidden, always on

  // Made when first used.
  kvadus::OnDemand<QFileDialog> DLGOpenFile;
  kvadus::OnDemand<QFileDialog> SaveDialog;
  // The file name of DLGOpenFile: the last file loaded, until an apply
  // clears it.
  QString DLGOpenFileName;
};
