#pragma once
#include "common/keyboard.h"
#include <QDialog>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

// The roster: the names from which a new game takes its players. The window
// is modeless and keeps the roster for the whole run.
class TFORMZadaniHracu : public QDialog {
  Q_OBJECT
 public:
  explicit TFORMZadaniHracu(QWidget* parent = nullptr);
  // The window's accelerators (applied when it is made).
  static kvadus::AcceleratorTable accelerators();
  ~TFORMZadaniHracu() override;

  QListWidget* LBOXSeznamHracu = nullptr;
  QLabel* LABLJmenoHrace = nullptr;
  QLineEdit* EDITJmenoHrace = nullptr;
  QPushButton* BUTNPridat = nullptr;
  QPushButton* BUTNSmazJmenoHrace = nullptr;
  QPushButton* BUTNOdebrat = nullptr;
  QPushButton* BUTNSmazHrace = nullptr;
  QPushButton* BUTNHracDolu = nullptr;    // "presun nahoru"
  QPushButton* BUTNHracNahoru = nullptr;  // "presun dolu"
  QPushButton* BUTNNovaHra = nullptr;
  QMenu* POPMNUNovaHra = nullptr;
  QAction* POPMNUNovaHraDva = nullptr;
  QAction* POPMNUNovaHraTri = nullptr;
  QAction* POPMNUNovaHraVsichni = nullptr;
  QPushButton* BUTNZamenit = nullptr;
  QPushButton* BUTNNahratJmena = nullptr;
  QGroupBox* GRPBXPoznamka = nullptr;
  QLabel* LABLMinPocetHracuText1 = nullptr;
  QLabel* LABLMinPocetHracuText = nullptr;
  QPushButton* BUTNCancel = nullptr;

  // Hidden helpers: the scratch copy of the roster, the roster size and the
  // minimum player count as of the last state refresh, and named procedures.
  QListWidget* LSTBXTmp = nullptr;
  QLineEdit* EDITPocetHracu = nullptr;
  QLabel* LABLMinHracu = nullptr;
  QPushButton* BUTNNovaHraJenDvaHraci = nullptr;
  QPushButton* BUTNNovaHraJenTri = nullptr;
  QPushButton* BUTNNova = nullptr;
  QPushButton* BUTNSrovnejViditelnost = nullptr;

  // The crowd note shows at most once per opening; closing re-arms it.
  bool crowdNoteArmed = true;

  // The selected roster entry, or -1.
  int selectedIndex() const;
  QStringList names() const;

  void BUTNPridatClick();
  void BUTNOdebratClick();
  void BUTNSmazHraceClick();
  void BUTNSmazJmenoHraceClick();
  void EDITJmenoHraceChange();
  void EDITJmenoHraceExit();
  void BUTNHracDoluClick();    // move up
  void BUTNHracNahoruClick();  // move down
  void BUTNNovaHraClick();     // pops up the new game menu
  void BUTNNovaHraJenDvaHraciClick();
  void BUTNNovaHraJenTriClick();
  void BUTNNovaClick();
  void BUTNZamenitClick();
  void BUTNNahratJmenaClick();
  void BUTNSrovnejViditelnostClick();  // state refresh

 protected:
  bool event(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void connectControls();
  void partialNewGame(int count);
  void selectRow(int row);
  void setRoster(const QStringList& entries);
};
