#pragma once
// The seven windows of the program. They are created once, the main window
// first, and live until the program ends. The correction, disk, declarer
// and results windows, which many evenings never open, are made the first
// time anything uses them (opening them, a test reaching a control); made,
// each gets the help texts, place and size the start gave the others.

#include "common/ondemand.h"

#include <QStringList>

class TFRMMain;
class TFRMUpravaStavu;
class TFORMZadaniHracu;
class TFORMDiskoveOperace;
class TFRMZmenaVolice;
class TFRMFileSelect;
class TFRMGrafika;

extern TFRMMain* FRMMain;
extern kvadus::OnDemand<TFRMUpravaStavu> FRMUpravaStavu;
extern TFORMZadaniHracu* FORMZadaniHracu;
extern kvadus::OnDemand<TFORMDiskoveOperace> FORMDiskoveOperace;
extern kvadus::OnDemand<TFRMZmenaVolice> FRMZmenaVolice;
extern TFRMFileSelect* FRMFileSelect;
extern kvadus::OnDemand<TFRMGrafika> FRMGrafika;

// Creates the windows in this order: FRMMain, FORMZadaniHracu,
// FRMFileSelect; FRMUpravaStavu, FORMDiskoveOperace, FRMZmenaVolice and
// FRMGrafika follow when first used.
void createWindows();
// The object names of the windows in the order they were made.
QStringList creationOrder();
// Destroys them (the secondary windows first, and the season window when it
// was made); used by tests.
void destroyWindows();
// At the end of the program: ends only what must not outlive the event loop
// (the season window and its reading, the recovery copy still being written
// and its lock); the seven windows stay in memory
// until the process ends.
void leaveWindowsAtExit();
