#pragma once
// The start report: the whole start of the program without a person, for
// checking an installed program (ZUZERERU_START_REPORT=<file> in the
// environment). The settings file selection is confirmed as offered, every
// message box is answered with OK or No and written down, documents are not
// opened; once the first showing has done its work the program writes what
// it found into the file and ends:
//
//   caption: Zuzereru Vevizor v 1.0
//   started: yes            (the first showing ran and the main window is up)
//   help: /usr/share/zuzereru/help
//   settings: ... / games: ...
//   hands: 3                (hands in the score table)
//   window: 79,21 642x557 (client 640x536)  (outer frame on screen, when started)
//   work area: 0,0 800x600
//   message: Chyba | Soubor help/x.gif neexistuje.
//   open: help/trouble.htm

#include <QString>

namespace kvadus {

// Installs the report; call before runProgram().
void installStartReport(const QString& reportFile);

}  // namespace kvadus
