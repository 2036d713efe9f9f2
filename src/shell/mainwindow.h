#pragma once
// The main window: the hub of the program. Its frame and life cycle live in
// shell/; each module adds its own controls and handlers in its own folder
// (ledger/, settings/ ...) as member functions of this class, so the controls
// stay plain members that every handler reads and writes directly.

#include <QString>
#include <QWidget>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace kvadus {
class RadioGroup;
class TableGrid;
}

// Eight one-byte flags kept for the whole run: guards against handlers that
// re-enter one another while the program changes controls, and two one-shot
// states.
struct ProgramFlags {
  quint8 descriptionColumnGuard = 1;  // 0: CKBXZobrazovatDruhyHer does nothing
  quint8 numberCheckPending = 1;      // 1: the next number check reformats all
  quint8 numberCheckDialogGuard = 1;  // 0: entering a number field captures nothing
  quint8 entryAttributeGuard = 1;     // 0: seven/hundred boxes do nothing
  quint8 firstShowing = 1;            // the first-showing work runs while 1
  quint8 helpAvailable = 1;           // 0 once the help page failed to open
  quint8 extendedEntryGuard = 1;      // 0: trump/meld/quick handlers skip steps
  quint8 directAmountMode = 0;        // 1: the amount was given directly
};

class TFRMMain : public QWidget {
  Q_OBJECT
 public:
  explicit TFRMMain(QWidget* parent = nullptr);
  ~TFRMMain() override;

  ProgramFlags flags;
  // The price text of the last pricing.
  QString lastPricedText;

  // ---- frame (shell/) ---------------------------------------------------
  QGroupBox* GRBXOvladaniHry = nullptr;
  QPushButton* BUTNNOvaHra = nullptr;
  QPushButton* BUTNKonec = nullptr;
  QPushButton* BUTNNastaveniParametru = nullptr;
  QPushButton* BUTNNapovedaUpper = nullptr;
  QPushButton* BUTNHraci = nullptr;
  QPushButton* BUTNZmenaVolice = nullptr;
  QPushButton* BUTNDiskoveOperace = nullptr;
  QPushButton* BUTNZmenaStavu = nullptr;
  QPushButton* BUTNGrafika = nullptr;

  void FormCreate();
  void FormShow();
  bool FormCloseQuery();
  void BUTNNastaveniParametruClick();
  void BUTNNapovedaUpperClick();
  void BUTNZmenaVoliceClick();
  void CHBXZobrazovatBublinkovouNapovedu_Click();
  // Walks the help component table; false when a component is missing or broken.
  bool loadHelpComponents();
  void BUTNCHeckFormSizeClick();
  void BUTNUmistiCClick();

 signals:
  // The main window closed for good: the program ends.
  void programEnding();

 public:

  // ---- evening ledger (ledger/) -------------------------------------------
  QListWidget* LIBXHraci = nullptr;
  QListWidget* LSTBXOznaceniVolice = nullptr;
  QLabel* LABLIndexVolice = nullptr;
  QLabel* LABLPocetHracu = nullptr;
  QLabel* LABLPocetHer = nullptr;
  QGroupBox* GRPBXTabulka = nullptr;
  QTableWidget* STGOutput = nullptr;
  QPushButton* BUTNSmazat = nullptr;
  QMenu* POPMNUSmazaniVTabulceHer = nullptr;
  QAction* POPUPSmazVSe = nullptr;
  QAction* POPUPSmazPosledni = nullptr;
  QAction* POPUPSmazHry = nullptr;
  QPushButton* BUTNNovaHraZeJmen = nullptr;
  QPushButton* BUTNSpoctiSumu = nullptr;
  kvadus::TableGrid* grid = nullptr;  // STGOutput seen as a score grid

  int playerCount() const;
  int chooserIndex() const;
  int declarerIndex() const;
  void BUTNNOvaHraClick();
  void BUTNNovaHraZeJmenClick();
  void CKBXZobrazovatDruhyHerClick();
  void BUTNSpoctiSumuClick();
  void LABLPocetHerClick();  // refresh counters
  void LIBXHraciClick();     // declarer selection
  void refreshRoleMarkers();
  void scrollToRow(int row);
  void selectDeclarer(int index);

  // ---- hand entry and pricing (ledger/) ---------------------------------
  QGroupBox* GRPBXCenaHry = nullptr;
  QPushButton* BUTNPridejSkore = nullptr;
  QPushButton* BUTNPrepocti = nullptr;
  QLabel* LABLTextoveVyjadreniHry = nullptr;
  QListWidget* LIBXFlekHraAbbrev = nullptr;
  QListWidget* LIBXFlekHraValues = nullptr;
  QListWidget* LIBXFlekSedmaValues = nullptr;
  QPushButton* BUTNFlekSelect = nullptr;

  void BUTNPrepoctiClick();  // the pricing
  void BUTNFlekSelectClick();
  void RAGRTypHryClick();
  void CHBXHratDveSedmyClick();
  void CHBXOpravyHodnotClick();
  void RAGRPocitaniPauzirakuClick();

  // ---- quick selection (ledger/) ----------------------------------------
  QLabel* LABLRychlaVolba = nullptr;
  QGroupBox* GRPBXVyhrane = nullptr;
  QGroupBox* GRPBXProhrane = nullptr;

  // ---- settings panel (settings/) ---------------------------------------
  QGroupBox* GRPBXNastaveni = nullptr;
  QTabWidget* PGCTRLNastaveni = nullptr;
  QWidget* TABCeny = nullptr;
  QWidget* TABStovka = nullptr;
  QWidget* TABDveSedmy = nullptr;
  QWidget* TABHraci = nullptr;
  QWidget* TABOstatni = nullptr;
  QWidget* TABDisk = nullptr;
  QWidget* TABOProgramu = nullptr;
  QTabWidget* PGCNTRLOProgramu = nullptr;
  QWidget* TABProgram = nullptr;
  QPushButton* BUTNZavritOknoNastaveni = nullptr;
  QCheckBox* CKBXHraniPauzirovaneho = nullptr;
  QCheckBox* CHBXPovolenaHraVeDvou = nullptr;
  QCheckBox* CKBXZobrazovatDruhyHer = nullptr;
  QCheckBox* CHBXZobrazovatBublinkovouNapovedu = nullptr;
  QCheckBox* CHKBXKontrolovatPocetBodu = nullptr;
  QPlainTextEdit* MEMOPravidlaNahravani = nullptr;
  QPlainTextEdit* MEMOPocitaniPauziraku = nullptr;
  QPlainTextEdit* MEMOPravidlaKrizovehoKvaduse = nullptr;
  QPlainTextEdit* MEMOPokec = nullptr;
  QPlainTextEdit* MEMOPodekovani = nullptr;
  QPlainTextEdit* MEMOPravidla = nullptr;
  QPlainTextEdit* MEMOChyby = nullptr;
  QPlainTextEdit* MEMODruhyKvaduse = nullptr;
  QLabel* IMGLogo = nullptr;

  void RAGRNadStoClick();
  void BUTNKontrolaCislaClick();
  void BUTNSrovnejMaxFlekClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildFrame();
  void buildLedger();
  void buildEntry();
  void buildQuickSelection();
  void buildSettingsPanel();
  void connectFrame();
  void connectLedger();
  void connectEntry();
  void connectSettings();
  void formShowWork();
  QWidget* numberCheckField_ = nullptr;
  bool formShowRunning_ = false;
};
