// Window size and placement: the narrow window (entry, table, settings) and
// the wide one that adds the quick-selection groups, measured against the
// screen's work area when the window is created; the size button "<->", the
// stretch and fixed-size switches, and the nine placements that move the main
// window with all secondary windows.

#include "common/controls.h"
#include "common/messages.h"
#include "common/shellopen.h"
#include "correction/balancecorrection.h"
#include "players/declarerchange.h"
#include "players/playerentry.h"
#include "results/diskoperations.h"
#include "shell/mainwindow.h"
#include "shell/mainwindow_layout.h"
#include "shell/screenmetrics.h"
#include "shell/startup.h"
#include "stats/resultswindow.h"

#include <QAction>
#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace kvadus;
using windowsize::Placement;

namespace {

struct PlacementText {
  const char* button;
  const char* action;
  const char* menuCaption;
  const char* hint;
};
// In the order of windowsize::Placement.
constexpr PlacementText kPlacements[windowsize::kPlacementCount] = {
    {"BUTNUmistiC", "UMISTICenter", "o", "na stred"},
    {"BUTNUmistiLT", "UMISTIVlevoNahore", "`", "vlevo nahoru"},
    {"BUTNUmistiL", "UMISTIVlevo", "<", "vlevo"},
    {"BUTNUmistiLB", "UMISTIVlevoDole", ",", "vlevo dolu"},
    {"BUTNUmistiT", "UMISTINahoru", "^", "nahoru"},
    {"BUTNUmistiB", "UMISTIDolu", "v", "dolu"},
    {"BUTNUmistiRT", "UMISTIVpravoNahore", "'", "vpravo nahoru"},
    {"BUTNUmistiR", "UMISTIVpravo", ">", "vpravo"},
    {"BUTNUmistiRB", "UMISTIVpravoDole", ".", "vpravo dolu"},
};

// Where each placement button sits in the compass: (column, row).
constexpr int kCompass[windowsize::kPlacementCount][2] = {{1, 1}, {0, 0}, {0, 1}, {0, 2}, {1, 0},
                                                          {1, 2}, {2, 0}, {2, 1}, {2, 2}};

// Changes a switch without running its click handler: the extended-entry
// guard is down while the program sets it.
void setSwitchQuietly(ProgramFlags& flags, QCheckBox* box, bool checked) {
  const quint8 guard = flags.extendedEntryGuard;
  flags.extendedEntryGuard = 0;
  box->setChecked(checked);
  flags.extendedEntryGuard = guard;
}

}  // namespace

void TFRMMain::buildWindowSize() {
  // The size and placement controls sit in the strip of the score table's
  // group right of "smazat >>": the size button, the menu button and a
  // compass of the nine placements, as high as the strip and the room the
  // table leaves above it allow.
  const int y = GRPBXTabulka->height() - 32;
  BUTNChangeSize =
      makeButton(GRPBXTabulka, "BUTNChangeSize", QStringLiteral("<->"), QStringLiteral("zmena velikosti okna"));
  BUTNChangeSize->setGeometry(116, y, 40, 26);
  BUTNUmisteni =
      makeButton(GRPBXTabulka, "BUTNUmisteni", QStringLiteral("*"), QStringLiteral("Zmena umisteni vsech oken"));
  BUTNUmisteni->setGeometry(160, y, 26, 26);

  POPMNUUmisteni = new QMenu(this);
  POPMNUUmisteni->setObjectName(QStringLiteral("POPMNUUmisteni"));
  POPMNUUmisteni->setToolTipsVisible(true);

  QFont small = font();
  small.setPixelSize(9);
  std::array<QPushButton*, windowsize::kPlacementCount> buttons{};
  std::array<QAction*, windowsize::kPlacementCount> actions{};
  for (int i = 0; i < windowsize::kPlacementCount; ++i) {
    const PlacementText& t = kPlacements[i];
    buttons[i] = makeButton(GRPBXTabulka, t.button, QString(), QString::fromLatin1(t.hint));
    buttons[i]->setFont(small);
    buttons[i]->setGeometry(192 + kCompass[i][0] * 31, y - 12 + kCompass[i][1] * 13, 30, 12);
    actions[i] = POPMNUUmisteni->addAction(QString::fromLatin1(t.menuCaption));
    actions[i]->setObjectName(QString::fromLatin1(t.action));
    actions[i]->setToolTip(QString::fromLatin1(t.hint));
  }
  buttons[0]->setText(QStringLiteral("(-)"));
  buttons[1]->setText(QStringLiteral("|~"));
  BUTNUmistiC = buttons[0];
  BUTNUmistiLT = buttons[1];
  BUTNUmistiL = buttons[2];
  BUTNUmistiLB = buttons[3];
  BUTNUmistiT = buttons[4];
  BUTNUmistiB = buttons[5];
  BUTNUmistiRT = buttons[6];
  BUTNUmistiR = buttons[7];
  BUTNUmistiRB = buttons[8];
  UMISTICenter = actions[0];
  UMISTIVlevoNahore = actions[1];
  UMISTIVlevo = actions[2];
  UMISTIVlevoDole = actions[3];
  UMISTINahoru = actions[4];
  UMISTIDolu = actions[5];
  UMISTIVpravoNahore = actions[6];
  UMISTIVpravo = actions[7];
  UMISTIVpravoDole = actions[8];
}

void TFRMMain::connectWindowSize() {
  connect(BUTNChangeSize, &QPushButton::clicked, this, &TFRMMain::BUTNChangeSizeClick);
  connect(BUTNUmisteni, &QPushButton::clicked, this, &TFRMMain::BUTNUmisteniClick);
  connect(CHBXOknoRoztazene, &QCheckBox::toggled, this, &TFRMMain::CHBXOknoRoztazeneClick);
  connect(CHBXFixniRozmeryOkna, &QCheckBox::toggled, this, &TFRMMain::CHBXFixniRozmeryOknaClick);
  const auto buttons = placementButtons();
  const auto actions = placementActions();
  for (int i = 0; i < windowsize::kPlacementCount; ++i) {
    const auto where = static_cast<Placement>(i);
    connect(buttons[i], &QPushButton::clicked, this, [this, where] { placeWindows(where); });
    connect(actions[i], &QAction::triggered, this, [this, where] { placeWindows(where); });
  }
}

QList<QSize> WindowSizeControls::clientSizes() {
  const windowsize::FormSizes clients =
      windowsize::formSizes(layout::kPriceGroup, layout::kWonGroup, layout::kLostGroup, {});
  return {clients.narrow, clients.wide};
}

QSize TFRMMain::outerSize() const {
  const QSize framed = frameGeometry().size();
  if (isVisible() && framed != size()) return framed;
  return size() + windowsize::frameExtra(frameMetrics);
}

void TFRMMain::BUTNGetFormSizeClick() {
  frameMetrics = screenMetrics(this).frame;
  const QStringList missing = windowsize::missingMetrics(frameMetrics);
  for (const QString& name : missing) showMessage(this, QStringLiteral("Chyba"), windowsize::missingMetricText(name));
  if (!missing.isEmpty()) {
    workArea.reset();
    return;
  }
  const windowsize::FormSizes sizes = windowsize::formSizes(GRPBXCenaHry->geometry(), GRPBXVyhrane->geometry(),
                                                            GRPBXProhrane->geometry(), frameMetrics);
  narrowSize = sizes.narrow;
  wideSize = sizes.wide;
}

void TFRMMain::BUTNCHeckFormSizeClick() {
  workArea = screenMetrics(this).workArea;
  if (!workArea)
    showMessage(this, QStringLiteral("Chyba"),
                QStringLiteral("Velikost displeje (obrazovky) Vaseho pocitace se\nnepodarilo zjistit."));
  BUTNGetFormSizeClick();

  if (!windowsize::fits(workArea, narrowSize) && !CHBXFixniRozmeryOkna->isChecked()) {
    setSwitchQuietly(flags, CHBXFixniRozmeryOkna, true);
    scaledToSystemFont = true;
    CHBXFixniRozmeryOkna->setEnabled(false);
    BUTNGetFormSizeClick();
  }

  if (!windowsize::fits(workArea, narrowSize)) {
    showMessage(this, QStringLiteral("Chyba"),
                QStringLiteral("Velikost displeje (obrazovky) Vaseho pocitace bohuzel\n"
                               "neni dostatecna pro zobrazeni oken programu ani v \n"
                               "nejmensi velikosti.\n"));
    openTroubleHelp();
    // Nothing of the first showing may run for a window that never shows.
    screenTooSmall = true;
    flags.firstShowing = 0;
    close();
    return;
  }

  const bool wideFits = wideWindowFits();
  setEnabledAll({BUTNChangeSize, CHBXOknoRoztazene, BUTNUmisteni}, wideFits);
  BUTNChangeSizeClick();
}

bool TFRMMain::wideWindowFits() const { return windowsize::fits(workArea, wideSize); }

void TFRMMain::BUTNChangeSizeClick() {
  if (narrowSize.isEmpty() || wideSize.isEmpty()) return;  // never measured
  const QSize extra = windowsize::frameExtra(frameMetrics);
  const bool wasWide = windowsize::isWide(width() + extra.width(), narrowSize.width());
  const QSize target = wasWide ? narrowSize : wideSize;
  setFixedSize(target - extra);
  setVisibleAll({GRPBXVyhrane, GRPBXProhrane, LABLRychlaVolba}, !wasWide);
  setSwitchQuietly(flags, CHBXOknoRoztazene, windowsize::isWide(target.width(), narrowSize.width()));
  move(windowsize::keepOnScreen(QRect(pos(), outerSize()), workArea));
  BUTNPrepoctiClick();
}

void TFRMMain::CHBXOknoRoztazeneClick() {
  if (!flags.extendedEntryGuard) return;
  const QSize extra = windowsize::frameExtra(frameMetrics);
  const bool wide = windowsize::isWide(width() + extra.width(), narrowSize.width());
  // The switch mirrors the size: only a switch that disagrees changes it.
  if (CHBXOknoRoztazene->isChecked() != wide) BUTNChangeSizeClick();
}

void TFRMMain::CHBXFixniRozmeryOknaClick() {
  if (!flags.extendedEntryGuard) return;
  scaledToSystemFont = CHBXFixniRozmeryOkna->isChecked();
}

void TFRMMain::BUTNUmisteniClick() {
  POPMNUUmisteni->popup(windowsize::placementMenuPosition(pos(), BUTNUmisteni->mapTo(this, QPoint(0, 0))));
}

void TFRMMain::placeWindows(Placement where) {
  move(windowsize::place(where, QRect(pos(), outerSize()), workArea));
  // A window not made yet takes the place when it is made.
  secondaryPos_ = pos();
  for (QWidget* w : {static_cast<QWidget*>(FORMZadaniHracu), static_cast<QWidget*>(FORMDiskoveOperace.ifMade()),
                     static_cast<QWidget*>(FRMUpravaStavu.ifMade()), static_cast<QWidget*>(FRMGrafika.ifMade()),
                     static_cast<QWidget*>(FRMZmenaVolice.ifMade())})
    if (w) w->move(pos());
}

void TFRMMain::BUTNUmistiCClick() { placeWindows(Placement::Centre); }
void TFRMMain::BUTNUmistiLTClick() { placeWindows(Placement::LeftTop); }
void TFRMMain::BUTNUmistiLClick() { placeWindows(Placement::Left); }
void TFRMMain::BUTNUmistiLBClick() { placeWindows(Placement::LeftBottom); }
void TFRMMain::BUTNUmistiTClick() { placeWindows(Placement::Top); }
void TFRMMain::BUTNUmistiBClick() { placeWindows(Placement::Bottom); }
void TFRMMain::BUTNUmistiRTClick() { placeWindows(Placement::RightTop); }
void TFRMMain::BUTNUmistiRClick() { placeWindows(Placement::Right); }
void TFRMMain::BUTNUmistiRBClick() { placeWindows(Placement::RightBottom); }
