#pragma once
// The seven windows of the program. They are created once, the main window
// first, and live until the program ends.

#include <QStringList>

class TFRMMain;
class TFRMUpravaStavu;
class TFORMZadaniHracu;
class TFORMDiskoveOperace;
class TFRMZmenaVolice;
class TFRMFileSelect;
class TFRMGrafika;

extern TFRMMain* FRMMain;
extern TFRMUpravaStavu* FRMUpravaStavu;
extern TFORMZadaniHracu* FORMZadaniHracu;
extern TFORMDiskoveOperace* FORMDiskoveOperace;
extern TFRMZmenaVolice* FRMZmenaVolice;
extern TFRMFileSelect* FRMFileSelect;
extern TFRMGrafika* FRMGrafika;

// Creates the windows in this order: FRMMain, FRMUpravaStavu, FORMZadaniHracu,
// FORMDiskoveOperace, FRMZmenaVolice, FRMFileSelect, FRMGrafika.
void createWindows();
// The object names of the windows in the order createWindows() made them.
QStringList creationOrder();
// Destroys them (the secondary windows first, and the season window when it
// was made); used by tests.
void destroyWindows();
// At the end of the program: ends only what must not outlive the event loop
// (the season window and its reading); the seven windows stay in memory
// until the process ends.
void leaveWindowsAtExit();
