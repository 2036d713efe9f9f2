#include "shell/startup.h"

#include "correction/balancecorrection.h"
#include "players/declarerchange.h"
#include "players/playerentry.h"
#include "results/diskoperations.h"
#include "settings/fileselect.h"
#include "shell/mainwindow.h"
#include "stats/resultswindow.h"

TFRMMain* FRMMain = nullptr;
TFRMUpravaStavu* FRMUpravaStavu = nullptr;
TFORMZadaniHracu* FORMZadaniHracu = nullptr;
TFORMDiskoveOperace* FORMDiskoveOperace = nullptr;
TFRMZmenaVolice* FRMZmenaVolice = nullptr;
TFRMFileSelect* FRMFileSelect = nullptr;
TFRMGrafika* FRMGrafika = nullptr;

void createWindows() {
  // The secondary windows are top-level windows of their own (no parent), so
  // that each is placed and shown independently of the main window.
  FRMMain = new TFRMMain;
  FRMUpravaStavu = new TFRMUpravaStavu;
  FORMZadaniHracu = new TFORMZadaniHracu;
  FORMDiskoveOperace = new TFORMDiskoveOperace;
  FRMZmenaVolice = new TFRMZmenaVolice;
  FRMFileSelect = new TFRMFileSelect;
  FRMGrafika = new TFRMGrafika;
}

void destroyWindows() {
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
