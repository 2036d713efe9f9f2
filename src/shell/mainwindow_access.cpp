// The main window from the keyboard and for every eye: its accelerators, the
// Tab order by the places of its controls, Enter that adds the hand, names
// for screen readers, and places that grow with a large font.

#include "common/fontscale.h"
#include "common/keyboard.h"
#include "common/updown.h"
#include "shell/mainwindow.h"
#include "shell/screenmetrics.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

using namespace kvadus;

namespace {
// Alternatives share a key: the one on screen takes it.
constexpr Accelerator kAccelerators[] = {
    {"Alt+N", "BUTNNOvaHra"},
    {"Alt+J", "BUTNHraci"},
    {"Alt+O", "BUTNZmenaVolice"},
    {"Alt+Z", "BUTNZmenaStavu"},
    {"Alt+D", "BUTNDiskoveOperace"},
    {"Alt+V", "BUTNGrafika"},
    {"Alt+A", "BUTNNastaveniParametru"},
    {"F1", "BUTNNapovedaUpper"},
    {"Alt+K", "BUTNKonec"},
    {"Alt+H", "LIBXHraci"},
    {"Alt+T", "RAGRTypHry"},
    {"Alt+L", "GRBXAtributyHry"},
    {"Alt+B", "RAGRUhrano RAGRBodyVeHreUhrano RAGRVyhra"},
    {"Alt+R", "RAGRProti RAGRBodyVeHreProti"},
    {"Alt+F", "UPDNHraFlekCount"},
    {"Alt+E", "UPDNHraSedmaCount"},
    {"Alt+C", "EDITCelkemCena"},
    {"Alt+P", "BUTNPridejSkore BUTNPridatDolni"},
    {"Alt+S", "BUTNSmazat"},
    {"Alt+X", "BUTNChangeSize"},
    {"Alt+U", "BUTNUmisteni"},
    {"Alt+G", "BUTNSezona"},
    {"F5", "GRPBXVyhrane"},
    {"F6", "GRPBXProhrane"},
};
}  // namespace

AcceleratorTable TFRMMain::accelerators() { return kAccelerators; }

void TFRMMain::setUpKeyboard() {
  // The flek counters are named after what they count; their lists of
  // counts are for the mouse (the counters take the keys).
  UPDNHraFlekCount->setAccessibleName(QStringLiteral("fleky na hru"));
  UPDNHraSedmaCount->setAccessibleName(QStringLiteral("fleky na sedmu"));
  for (QWidget* w : {LIBXFlekHraValues, LIBXFlekSedmaValues}) w->setFocusPolicy(Qt::NoFocus);
  kvadus::setUpKeyboard(this, accelerators());
  setReadingTabOrder(this);
}

// Enter in the hand entry adds the hand, as "Pridat" does; elsewhere (the
// settings, the score table, another button) it does nothing here.
void TFRMMain::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  QWidget* from = focusWidget();
  const bool inEntry = from && !GRPBXNastaveni->isAncestorOf(from) && from != STGOutput &&
                       (!qobject_cast<QPushButton*>(from) || from == BUTNPridejSkore || from == BUTNPridatDolni);
  if (enter && !(event->modifiers() & ~Qt::KeypadModifier) && inEntry) {
    QPushButton* add = from == BUTNPridatDolni ? BUTNPridatDolni : BUTNPridejSkore;
    if (add->isVisible() && add->isEnabled()) pressAccelerator(add);
    return;
  }
  QWidget::keyPressEvent(event);
}

void TFRMMain::fitToFont() {
  qreal factor = fontScale(font());
  if (factor <= 1.0) return;
  // As large as the font asks, as far as the narrow window fits the screen.
  const ScreenMetrics s = screenMetrics(this);
  if (s.workArea) {
    const QSize frame = windowsize::frameExtra(s.frame);
    const QSize narrow =
        windowsize::formSizes(GRPBXCenaHry->geometry(), GRPBXVyhrane->geometry(), GRPBXProhrane->geometry(), s.frame)
            .narrow -
        frame;
    if (!narrow.isEmpty())
      factor = std::min({factor, qreal(s.workArea->width() - frame.width()) / narrow.width(),
                         qreal(s.workArea->height() - frame.height()) / narrow.height()});
  }
  scaleFixedGeometry(this, factor);
}
