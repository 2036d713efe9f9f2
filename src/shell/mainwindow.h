#pragma once
// The main window: the hub of the program. Its frame and life cycle live in
// shell/; each module adds its own controls and handlers in its own folder
// (ledger/, settings/ ...) as member functions of this class, so the controls
// stay plain members that every handler reads and writes directly.

#include "ledger/extended_controls.h"
#include "ledger/pricing.h"
#include "ledger/quick_controls.h"
#include "settings/settingsfile_controls.h"
#include "common/keyboard.h"
#include "settings/tariff.h"
#include "shell/windowsize_controls.h"
#include "stats/season_controls.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace kvadus::recovery {
class Copies;
}
namespace kvadus {
class RadioGroup;
class UpDown;
class TableGrid;
class TableCopy;
}  // namespace kvadus

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

class TFRMMain : public QWidget,
                 public QuickSelectionControls,
                 public ExtendedEntryControls,
                 public SettingsFileControls,
                 public WindowSizeControls,
                 public SeasonControls {
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
  // A secondary window made on first use (startup.h) gets its help texts and,
  // once the start placed the others, its place and size.
  void secondaryWindowMade(QWidget* window);
  // A help text box of the main window, made on first use, gets its text
  // (once the help walk got through) and its place for the keyboard.
  void helpMemoMade(QPlainTextEdit* memo);
  void BUTNCHeckFormSizeClick();
  void BUTNUmistiCClick();
  // Opens a results file named at start (shell/mainwindow_startfile.cpp): loads
  // it into the disk operations' text output and applies it as "Pouzit -->"
  // does. An empty path does nothing.
  void openStartFile(const QString& path);

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
  void alignRoleMarkers();
  void fitColumnWidths();
  void scrollToRow(int row);
  void selectDeclarer(int index);

  // ---- hand entry and pricing (ledger/) ---------------------------------
  kvadus::RadioGroup* RAGRTypHry = nullptr;
  QGroupBox* GRBXAtributyHry = nullptr;
  QCheckBox* CKBXSedma = nullptr;
  QCheckBox* CHBXSedmaProti = nullptr;
  QCheckBox* CKBXStovka = nullptr;
  QCheckBox* CKBXStovkaProti = nullptr;
  QCheckBox* CKBXCervene = nullptr;
  kvadus::RadioGroup* RAGRVyhra = nullptr;
  QGroupBox* GRPBXUhrano = nullptr;
  kvadus::RadioGroup* RAGRUhrano = nullptr;
  kvadus::RadioGroup* RAGRProti = nullptr;
  QWidget* PNLUhranaSedma = nullptr;
  QCheckBox* CHBXUhranaSedmaVolicem = nullptr;
  QCheckBox* CHBXUhranaSedmaProti = nullptr;
  QGroupBox* GRPBXFleky = nullptr;
  QLabel* LABLHraNadpis = nullptr;
  QLabel* LABLSedma = nullptr;
  kvadus::UpDown* UPDNHraFlekCount = nullptr;
  QLineEdit* EDITFlekHraCount = nullptr;
  QLineEdit* EDITFlekHraVal = nullptr;
  kvadus::UpDown* UPDNHraSedmaCount = nullptr;
  QLineEdit* EDITFlekSedmaCount = nullptr;
  QLineEdit* EDITFlekSedmaVal = nullptr;
  QListWidget* LIBXFlekHraAbbrev = nullptr;
  QListWidget* LIBXFlekHraValues = nullptr;
  QListWidget* LIBXFlekSedmaValues = nullptr;
  QGroupBox* GRPBXCenaHry = nullptr;
  QLineEdit* EDITCelkemCena = nullptr;
  QLabel* LABLVolic = nullptr;
  QLabel* LABLScoreCelkom = nullptr;
  QLabel* LABLProtihraciNadpis = nullptr;
  QLabel* LABLCenaProProtihrace = nullptr;
  QLabel* LABLCenaPauzirujiciNadpis = nullptr;
  QLabel* LABLPauzirujiciCelkem = nullptr;
  QLabel* LABLPocetBoduVeHre1 = nullptr;
  QLabel* LABLPocetBoduVeHre2 = nullptr;
  QLabel* LABLPocetBoduVeHre3 = nullptr;
  QLabel* LABLTextoveVyjadreniHry = nullptr;
  QLabel* LABLPoctyVeHre = nullptr;
  QPushButton* BUTNPridejSkore = nullptr;
  QPushButton* BUTNPridatDolni = nullptr;
  QPushButton* BUTNPrepocti = nullptr;
  QPushButton* BUTNPrepoctiCelkem = nullptr;
  QPushButton* BUTNFlekSelect = nullptr;
  QGroupBox* GRPBXKrizovyKvadus = nullptr;
  QCheckBox* CHBXKrizovyKvadusVolicS1 = nullptr;
  QCheckBox* CHBXKrizovyKvadusVolicS2 = nullptr;
  QCheckBox* CHBXKrizovyKvadusVolicS3 = nullptr;

  void BUTNPrepoctiClick();  // the pricing
  // While one is held the pricing waits, and runs once as the last hold ends
  // if it was asked for: a settings text of many lines prices the hand once.
  class PricingHold {
   public:
    explicit PricingHold(TFRMMain& window);
    ~PricingHold();
    PricingHold(const PricingHold&) = delete;
    PricingHold& operator=(const PricingHold&) = delete;

   private:
    TFRMMain& window_;
  };
  int pricingHeld = 0;
  bool pricingDue = false;
  kvadus::pricing::Tariff tariffFromControls() const;  // the tariff the pricing reads
  void BUTNPrepoctiCelkemClick();                      // the player split of the price field
  void BUTNFlekSelectClick();                          // the flek highlight
  void flekCountChanged(bool seven, bool increase);
  bool showFlekCount(bool seven);  // count, multiplier and list of one counter
  void LIBXFlekHraValuesClick();
  void LIBXFlekSedmaValuesClick();
  void RAGRTypHryClick();
  void CKBXSedmaClick();
  void CHBXSedmaProtiClick();
  void CKBXStovkaClick();
  void CKBXStovkaProtiClick();
  void CKBXCerveneClick();
  void CHBXUhranaSedmaVolicemClick();
  void CHBXUhranaSedmaProtiClick();
  void CHBXHratDveSedmyClick();
  void CHBXOpravyHodnotClick();
  void RAGRPocitaniPauzirakuClick();
  void EDITCelkemCenaChange();
  void partnerSwitchClicked(QCheckBox* box);
  int crossPartner() const;  // 0 none, 1..3
  bool crossVariantActive() const;
  void clearPartnerSwitches();
  // Reset operations of the entry, used by adding a hand and quick selection.
  void exclusiveQuickSelection(kvadus::RadioGroup* keep);
  void resetEntry(kvadus::RadioGroup* keep);
  void refreshEntry();
  void HlaskyChange();  // the meld change of the extended counting

  // ---- extended point counting (ledger/mainwindow_extended.cpp) ----------
  // Its controls: ExtendedEntryControls (ledger/extended_controls.h).
  bool extendedEntryOn() const;       // CHBXRozsirenePocitaniBodu
  void BUTNRozsireneOvladaniClick();  // the extended entry switch
  void CHBXRozsirenePocitaniBoduClick();
  void RAGRTrumfyClick();                // the trump choice
  void CHBXHlaskyClick(QCheckBox* box);  // the meld change (no box: from a hundred handler)
  void BodyVeHreClick();                 // the points recomputation
  void resetExtendedEntry();             // a fresh hand: no card points, no melds, default trumps
  void redFollowsTrump();                // the red box after the game type reset it

  // ---- adding and removing hands (ledger/) -----------------------------
  QPushButton* BUTNSmazVsechno = nullptr;
  QPushButton* BUTNSmazPosledniHru = nullptr;
  QPushButton* BUTNSmazHry = nullptr;

  void BUTNPridejSkoreClick();
  void POPUPSmazVSeClick();       // "vsechno"
  void POPUPSmazPosledniClick();  // "posledni hru"
  void POPUPSmazHryClick();       // "pouze hry"
  void clearDirectAmountGroups();

  // ---- quick selection (ledger/mainwindow_quick.cpp) ------------------------
  // Its controls: QuickSelectionControls (ledger/quick_controls.h).
  void RAGRObycHraClick();
  void RAGRBetlDurchClick();
  void RAGRSedmaClick();
  void RAGRStovkaClick();
  void RAGRStoASedmClick();
  void RAGRPrimaUpravaStavuVyhraneClick();
  void RAGRProhranaHraClick();
  void RAGRBetlDurchProtiClick();
  void RAGRSedmaProhranaClick();
  void RAGRStoNeuhranychClick();
  void RAGRPrimaUpravaStavuProhraneClick();
  void CHBXCerveneVlevoClick(QCheckBox* clicked);  // both red boxes
  // The eleven groups in the order of kvadus::quick::Group.
  QList<kvadus::RadioGroup*> quickGroups() const;
  void quickSelectionClick(int group);
  // The caption of the chosen "primo penize" item, lost hands first.
  QString directAmountCaption() const;
  void redBoxesFollowCervene();

  // ---- the season of saved evenings (stats/mainwindow_season.cpp) ---------
  // Its control: SeasonControls (stats/season_controls.h).
  void BUTNSezonaClick();  // opens the season window

  // ---- recovery copy of the evening (results/mainwindow_recovery.cpp) -----
  void eveningChanged();         // the recovery copy is due (once the start offered the last ones)
  void offerRecovery();          // at start: offers the evenings of programs that did not end cleanly
  void endRecovery();            // a clean end: this program's copy goes
  void copyEvening();            // hands the copy that is due to the writing thread
  void waitForRecoveryCopy();    // until the copy of the last change is on disk
  QString recoveryPath() const;  // this program's copy (empty before its first)
  void letGoOfRecovery();        // at exit: the copy waiting is written and the lock let go
  bool recoveryArmed = false;    // copies are written only after the offer at start
  bool recoveryDue = false;      // a change waits for its copy (made once the change is over)
  std::unique_ptr<kvadus::recovery::Copies> recoveryCopies;  // made by the offer
  kvadus::TableCopy* recoveryTable = nullptr;  // the table's texts for the copies, read where they changed

  // ---- keyboard, screen readers, large fonts (shell/mainwindow_access.cpp) --
  // The window's accelerators; Tab follows the places of the controls, and
  // Enter in the hand entry adds the hand.
  static kvadus::AcceleratorTable accelerators();

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
  QPushButton* BUTNKontrolaCisla = nullptr;
  QPushButton* BUTNSrovnejMaxFlek = nullptr;
  // "ceny"
  QLineEdit* EDITCenaZaHru = nullptr;
  QLineEdit* EDITNasobekHryStovka = nullptr;
  QLineEdit* EDITCenaZaStovku = nullptr;
  QLineEdit* EDITNasobekHrySedmaNeHlasena = nullptr;
  QLineEdit* EDITCenaZaSedmuNehlasenou = nullptr;
  QLineEdit* EDITNasobekHrySedmaHlasena = nullptr;
  QLineEdit* EDITCenaZaSedmu = nullptr;
  QLineEdit* EDITNasobekHryBetl = nullptr;
  QLineEdit* EDITCenaZaBetla = nullptr;
  QLineEdit* EDITNasobekHryDruch = nullptr;
  QLineEdit* EDITCenaZaDurcha = nullptr;
  QLineEdit* EDITCenaNasobeniCervenych = nullptr;
  QLineEdit* EDITNasobeniFleku = nullptr;
  // "stovka"
  kvadus::RadioGroup* RAGRNadSto = nullptr;
  QLabel* LABLNadStoPlus = nullptr;
  QLineEdit* EDITFaktorNadStoNasobekHry = nullptr;
  QLabel* Label34 = nullptr;
  QLineEdit* EDITFaktorNadStoPricitat = nullptr;
  QLabel* Label35 = nullptr;
  QLabel* LABLNadStoKrat = nullptr;
  QLineEdit* EDITFaktorNadStoNasobit = nullptr;
  QTabWidget* PGCTRLStovka = nullptr;
  kvadus::RadioGroup* RAGRStovkaZpusobPocitani = nullptr;
  QLabel* LABLCenaStovkyPripocet = nullptr;
  QLineEdit* EDITCenaZaStovkuNasobekHry = nullptr;
  QLabel* LABLCenaStovkyKratHra = nullptr;
  QLineEdit* EDITCenaZaStovkuPripocitat = nullptr;
  kvadus::RadioGroup* RAGRPocitaniProhraneStovky = nullptr;
  QLabel* LABLProhranaStovkaPozn1 = nullptr;
  QLabel* LABLProhranaStovkaPozn2 = nullptr;
  QLabel* LABLProhranaStovkaPozn3 = nullptr;
  QCheckBox* CHBXProhranychStoPocitatIHlasky = nullptr;
  kvadus::RadioGroup* RAGRPocitaniHlasekUStovky = nullptr;
  // "dve sedmy"
  QCheckBox* CHBXHratDveSedmy = nullptr;
  QGroupBox* GRPBXDveSedmyCeny = nullptr;
  QLabel* LABLDveSedmyObyc = nullptr;
  QLineEdit* EDITCenaZaDveSedmyNasobek = nullptr;
  QLineEdit* EDITCenaZaDveSedmy = nullptr;
  QLabel* LABLDveSedmyCervene2 = nullptr;
  QLineEdit* EDITCenaZaDveSedmyCerveneNasobek = nullptr;
  QLineEdit* EDITCenaZaDveSedmyCervene = nullptr;
  QCheckBox* CHBXDveSedmyAStovka = nullptr;
  QCheckBox* CHBXDveSedmyAStovkaTicha = nullptr;
  kvadus::RadioGroup* RAGRPocitaniDvouSedemNadSto = nullptr;
  // "hraci"
  QCheckBox* CKBXHraniPauzirovaneho = nullptr;
  QCheckBox* CHBXPovolenaHraVeDvou = nullptr;
  kvadus::RadioGroup* RAGRPocitaniPauziraku = nullptr;
  QLabel* LABLDoKrize1 = nullptr;
  QLabel* LABLDoKrize2 = nullptr;
  kvadus::RadioGroup* RAGRPocitaniKrizoveho = nullptr;
  kvadus::OnDemand<QPlainTextEdit> MEMOPocitaniPauziraku;         // help text, made on first use
  kvadus::OnDemand<QPlainTextEdit> MEMOPravidlaKrizovehoKvaduse;  // help text, made on first use
  // "ostatni"
  QCheckBox* CHBXOpravyHodnot = nullptr;
  QCheckBox* CHBXNulovatPoPridani = nullptr;
  QCheckBox* CKBXZobrazovatDruhyHer = nullptr;
  QCheckBox* CHBXRozsirenePocitaniBodu = nullptr;
  QCheckBox* CHBXZobrazovatBublinkovouNapovedu = nullptr;
  QCheckBox* CHBXPoStartuOtevritJmena = nullptr;
  QCheckBox* CHBXVNazvuHryZobrazovatJmena = nullptr;
  QCheckBox* CHBXOknoRoztazene = nullptr;
  QCheckBox* CHBXFixniRozmeryOkna = nullptr;
  QCheckBox* CHKBXKontrolovatPocetBodu = nullptr;
  QCheckBox* CHKBXKontrolovatPocetBoduLiche = nullptr;
  // "disk" and "o programu"
  kvadus::OnDemand<QPlainTextEdit> MEMOPravidlaNahravani;  // help text, made on first use
  kvadus::OnDemand<QPlainTextEdit> MEMOPokec;              // help text, made on first use
  kvadus::OnDemand<QPlainTextEdit> MEMOPodekovani;         // help text, made on first use
  kvadus::OnDemand<QPlainTextEdit> MEMOPravidla;           // help text, made on first use
  kvadus::OnDemand<QPlainTextEdit> MEMOChyby;              // help text, made on first use
  kvadus::OnDemand<QPlainTextEdit> MEMODruhyKvaduse;       // help text, made on first use
  QLabel* IMGLogo = nullptr;

  // The decimal settings, each checked when it is left.
  QList<QLineEdit*> decimalSettings() const;
  QLineEdit* numberField() const { return numberCheckField_; }
  double rememberedNumber() const { return rememberedNumber_; }
  void BUTNKontrolaBeforeClick(QLineEdit* field);  // a number field is entered
  void BUTNKontrolaCislaClick();                   // ... and left: the number check
  void applyNumericValue(QLineEdit* field, const QString& text);
  void formatAllNumbers();
  void BUTNSrovnejMaxFlekClick();
  void RAGRNadStoClick();
  void RAGRStovkaZpusobPocitaniClick();
  void CHBXDveSedmyAStovkaClick();
  void CKBXHraniPauzirovanehoClick();

  // ---- settings files (settings/mainwindow_settingsfile.cpp) ---------------
  // Its controls: SettingsFileControls (settings/settingsfile_controls.h).
  void BUTNNastaveniVymazClick();
  void BUTNNastaveniVytvorClick();
  void BUTNNastaveniNahrejClick();
  void BUTNNastaveniUlozClick();
  void BUTNNastaveniAutoClick();
  void BUTNPouzijNastaveniClick();
  void PAGEDiskShow();
  void CHBXPovolitEditaciNastaveniClick();
  // The settings file selection and the first check of the tariff; false
  // when the person chose to quit.
  bool chooseStartSettings();
  // The file chosen at start, loaded into the settings text and applied.
  void applyStartSettings();
  // The text's lines: none for an empty text.
  QStringList settingsTextLines() const;

  // ---- window size and placement (shell/mainwindow_size.cpp) ---------------
  // Its controls and geometry: WindowSizeControls (shell/windowsize_controls.h).
  // BUTNCHeckFormSizeClick and BUTNUmistiCClick are declared with the frame.
  void BUTNGetFormSizeClick();
  void BUTNChangeSizeClick();
  void CHBXOknoRoztazeneClick();
  void CHBXFixniRozmeryOknaClick();
  void BUTNUmisteniClick();  // opens POPMNUUmisteni
  void BUTNUmistiLTClick();
  void BUTNUmistiLClick();
  void BUTNUmistiLBClick();
  void BUTNUmistiTClick();
  void BUTNUmistiBClick();
  void BUTNUmistiRTClick();
  void BUTNUmistiRClick();
  void BUTNUmistiRBClick();
  // Moves the main window, then gives the five secondary windows its left and top.
  void placeWindows(kvadus::windowsize::Placement where);
  // The wide size fits the work area (then the size controls are enabled).
  bool wideWindowFits() const;
  // The window's outer size: the real frame once the window system drew one,
  // otherwise the client size with the measured frame metrics.
  QSize outerSize() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool numberFieldEvent(QObject* watched, QEvent* event);
  void twoSevensHundredChanged();
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildFrame();
  void buildLedger();
  void buildEntry();
  void buildQuickSelection();
  void buildHands();
  void connectHands();
  void buildSettingsPanel();
  void buildSettingsFilePage();
  bool loadSettingsText(const QString& path, const QString& caption);
  void buildExtended();
  void connectExtended();
  void buildWindowSize();
  void connectWindowSize();
  void buildSeason();
  void fitToFont();      // the places grow with a large font, as far as the screen holds them
  void setUpKeyboard();  // accelerators, names for screen readers, Tab order
  void describeTrumps();
  void updateTrumpFirst();
  void connectFrame();
  void connectLedger();
  void connectEntry();
  void connectSettings();
  void formShowWork();
  void openTroubleHelp();
  void fitSecondaryWindow(QWidget* window);
  void loadHelpTexts(QWidget* window);  // the help texts of a window made later
  bool helpLoaded_ = false;             // the help walk got through
  QSize secondarySize_;                 // the size the start gave the secondary windows
  std::optional<QPoint> secondaryPos_;  // where the last placement put them
  QLineEdit* numberCheckField_ = nullptr;
  double rememberedNumber_ = 0.0;
  void reconcileRange(int k, int direction);
  QVector<kvadus::tariff::PairTexts> pairTexts() const;         // the nine pairs' fields
  void writePairs(const kvadus::tariff::Reconciled& r, int k);  // the base and pairs 1..k
  QVector<QPair<QLineEdit*, QLineEdit*>> pairFields_;           // multiplier and price, by pair
  void revealField(QLineEdit* field);
  void priceEntryEnded();
  bool leftByClick_ = false;             // the field being checked lost the focus to a click
  bool numberRejectionShowing_ = false;  // the rejection box of a field is up
  bool formShowRunning_ = false;
};
