// Until the window size rules decide it: the wide window always fits.
#include "shell/mainwindow.h"

bool TFRMMain::wideWindowFits() const { return true; }
