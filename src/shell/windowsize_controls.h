#pragma once
// The controls and the geometry of the window size and placement: the size
// button "<->", the placement menu behind "*" with its nine commands and the
// nine placement buttons. TFRMMain holds them as a part of itself; its
// handlers are in shell/mainwindow_size.cpp.

#include "shell/windowsize.h"

#include <QList>
#include <QSize>

#include <array>

class QAction;
class QMenu;
class QPushButton;

struct WindowSizeControls {
  QPushButton* BUTNChangeSize = nullptr;  // "<->"
  QPushButton* BUTNUmisteni = nullptr;    // "*": opens POPMNUUmisteni
  QPushButton* BUTNUmistiC = nullptr;
  QPushButton* BUTNUmistiLT = nullptr;
  QPushButton* BUTNUmistiL = nullptr;
  QPushButton* BUTNUmistiLB = nullptr;
  QPushButton* BUTNUmistiT = nullptr;
  QPushButton* BUTNUmistiB = nullptr;
  QPushButton* BUTNUmistiRT = nullptr;
  QPushButton* BUTNUmistiR = nullptr;
  QPushButton* BUTNUmistiRB = nullptr;
  QMenu* POPMNUUmisteni = nullptr;
  QAction* UMISTICenter = nullptr;
  QAction* UMISTIVlevoNahore = nullptr;
  QAction* UMISTIVlevo = nullptr;
  QAction* UMISTIVlevoDole = nullptr;
  QAction* UMISTINahoru = nullptr;
  QAction* UMISTIDolu = nullptr;
  QAction* UMISTIVpravoNahore = nullptr;
  QAction* UMISTIVpravo = nullptr;
  QAction* UMISTIVpravoDole = nullptr;

  // The window geometry, measured when the window is created (again when
  // the scaling had to be forced on). Sizes are outer sizes.
  kvadus::windowsize::WorkArea workArea;  // nullopt: unknown
  kvadus::windowsize::FrameMetrics frameMetrics;
  QSize narrowSize;
  QSize wideSize;
  // The window's scaling to the system font size ("fixni velikost okna").
  bool scaledToSystemFont = false;
  // The screen was too small even for the narrow window: the window closed
  // while it was being created, and the program ends without showing it.
  bool screenTooSmall = false;

  // The client sizes of the narrow and the wide window as they are laid out,
  // known before the window exists.
  static QList<QSize> clientSizes();

  // The nine placement buttons and menu items in the order of
  // kvadus::windowsize::Placement.
  std::array<QPushButton*, kvadus::windowsize::kPlacementCount> placementButtons() const {
    return {BUTNUmistiC, BUTNUmistiLT, BUTNUmistiL, BUTNUmistiLB, BUTNUmistiT,
            BUTNUmistiB, BUTNUmistiRT, BUTNUmistiR, BUTNUmistiRB};
  }
  std::array<QAction*, kvadus::windowsize::kPlacementCount> placementActions() const {
    return {UMISTICenter, UMISTIVlevoNahore,  UMISTIVlevo,  UMISTIVlevoDole, UMISTINahoru,
            UMISTIDolu,   UMISTIVpravoNahore, UMISTIVpravo, UMISTIVpravoDole};
  }
};
