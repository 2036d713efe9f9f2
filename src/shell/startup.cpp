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
kvadus::OnDemand<TFRMUpravaStavu> FRMUpravaStavu;
TFORMZadaniHracu* FORMZadaniHracu = nullptr;
kvadus::OnDemand<TFORMDiskoveOperace> FORMDiskoveOperace;
kvadus::OnDemand<TFRMZmenaVolice> FRMZmenaVolice;
TFRMFileSelect* FRMFileSelect = nullptr;
kvadus::OnDemand<TFRMGrafika> FRMGrafika;

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

// A window made on first use; the main window gives it what the start gave
// the others.
template <typename W>
void createOnDemand(kvadus::OnDemand<W>& window) {
  window.setMaker([] {
    W* w = create<W>();
    if (FRMMain) FRMMain->secondaryWindowMade(w);
    return w;
  });
}
}  // namespace

QStringList creationOrder() { return order(); }

void createWindows() {
  order().clear();
  // The secondary windows are top-level windows of their own (no parent), so
  // that each is placed and shown independently of the main window.
  FRMMain = create<TFRMMain>();
  createOnDemand(FRMUpravaStavu);
  FORMZadaniHracu = create<TFORMZadaniHracu>();
  createOnDemand(FORMDiskoveOperace);
  createOnDemand(FRMZmenaVolice);
  FRMFileSelect = create<TFRMFileSelect>();
  createOnDemand(FRMGrafika);
}

void leaveWindowsAtExit() {
  destroySeasonWindow();
  // The one thing of the main window that must not be cut off: a recovery
  // copy still being written, and the lock that marks the copy as ours.
  if (FRMMain) FRMMain->letGoOfRecovery();
}

void destroyWindows() {
  destroySeasonWindow();  // made on demand, not one of the seven
  delete FRMGrafika.release();
  delete FRMFileSelect;
  FRMFileSelect = nullptr;
  delete FRMZmenaVolice.release();
  delete FORMDiskoveOperace.release();
  delete FORMZadaniHracu;
  FORMZadaniHracu = nullptr;
  delete FRMUpravaStavu.release();
  delete FRMMain;
  FRMMain = nullptr;
}
