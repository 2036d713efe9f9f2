#include "shell/startup.h"

#include "correction/balancecorrection.h"
#include "players/declarerchange.h"
#include "players/playerentry.h"
#include "results/diskoperations.h"
#include "settings/fileselect.h"
#include "shell/mainwindow.h"
#include "stats/resultswindow.h"
#include "stats/seasonwindow.h"

TFRMMain* FRMMain = nullptr;
TFRMUpravaStavu* FRMUpravaStavu = nullptr;
TFORMZadaniHracu* FORMZadaniHracu = nullptr;
TFORMDiskoveOperace* FORMDiskoveOperace = nullptr;
TFRMZmenaVolice* FRMZmenaVolice = nullptr;
TFRMFileSelect* FRMFileSelect = nullptr;
TFRMGrafika* FRMGrafika = nullptr;

namespace {
QStringList& order() {
  static QStringList o;
  return o;
}
template <typename W>
W* create() {
  W* w = new W;
  order() << w->objectName();
  return w;
}
}  // namespace

QStringList creationOrder() { return order(); }

void createWindows() {
  order().clear();
  // The secondary windows are top-level windows of their own (no parent), so
  // that each is placed and shown independently of the main window.
  FRMMain = create<TFRMMain>();
  FRMUpravaStavu = create<TFRMUpravaStavu>();
  FORMZadaniHracu = create<TFORMZadaniHracu>();
  FORMDiskoveOperace = create<TFORMDiskoveOperace>();
  FRMZmenaVolice = create<TFRMZmenaVolice>();
  FRMFileSelect = create<TFRMFileSelect>();
  FRMGrafika = create<TFRMGrafika>();
}

void leaveWindowsAtExit() {
  destroySeasonWindow();
}

void destroyWindows() {
  destroySeasonWindow();  // made on demand, not one of the seven
  delete FRMGrafika;
  FRMGrafika = nullptr;
  delete FRMFileSelect;
  FRMFileSelect = nullptr;
  delete FRMZmenaVolice;
  FRMZmenaVolice = nullptr;
  delete FORMDiskoveOperace;
  FORMDiskoveOperace = nullptr;
  delete FORMZadaniHracu;
  FORMZadaniHracu = nullptr;
  delete FRMUpravaStavu;
  FRMUpravaStavu = nullptr;
  delete FRMMain;
  FRMMain = nullptr;
}
