// The first showing loads the help texts and the logo from the help folder
// and checks that every other help file is there.

#include "common/appfolders.h"
#include "common/keyboard.h"
#include "common/messages.h"
#include "common/shellopen.h"
#include "results/diskoperations.h"
#include "shell/helpcomponents.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "stats/resultswindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>

#include <utility>

using namespace kvadus;

namespace {
// The window a text goes to; nullptr for the results window not made yet
// (its texts go in when it is made).
QWidget* windowOf(HelpComponent::Window w, TFRMMain* main) {
  switch (w) {
    case HelpComponent::DiskWindow:
      return FORMDiskoveOperace.ifMade();
    case HelpComponent::ResultsWindow:
      return FRMGrafika.ifMade();
    case HelpComponent::MainWindow:
      break;
  }
  return main;
}

// A loaded help text reads as a note: read-only, tooltip colours, flat, one border.
void styleHelpText(QPlainTextEdit* memo) {
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);  // the texts are laid out by hand
  QPalette pal = memo->palette();
  pal.setColor(QPalette::Base, pal.color(QPalette::ToolTipBase));
  pal.setColor(QPalette::Text, pal.color(QPalette::ToolTipText));
  memo->setPalette(pal);
  memo->setFrameStyle(QFrame::Box | QFrame::Plain);
  memo->setLineWidth(1);
}

void setHelpText(QPlainTextEdit* memo, QFile& file) {
  styleHelpText(memo);  // first: the text is laid out once, without wrapping
  memo->setPlainText(QString::fromUtf8(file.readAll()));
}

// The main window's help texts, made on first use.
OnDemand<QPlainTextEdit>* laterMemo(TFRMMain* main, const QString& name) {
  static const std::pair<const char*, OnDemand<QPlainTextEdit> TFRMMain::*> memos[] = {
      {"MEMOPravidlaNahravani", &TFRMMain::MEMOPravidlaNahravani},
      {"MEMOPokec", &TFRMMain::MEMOPokec},
      {"MEMOPodekovani", &TFRMMain::MEMOPodekovani},
      {"MEMOPravidla", &TFRMMain::MEMOPravidla},
      {"MEMOChyby", &TFRMMain::MEMOChyby},
      {"MEMOPocitaniPauziraku", &TFRMMain::MEMOPocitaniPauziraku},
      {"MEMOPravidlaKrizovehoKvaduse", &TFRMMain::MEMOPravidlaKrizovehoKvaduse},
      {"MEMODruhyKvaduse", &TFRMMain::MEMODruhyKvaduse}};
  for (const auto& [memoName, member] : memos)
    if (name == QLatin1String(memoName)) return &(main->*member);
  return nullptr;
}

// A help text box made after the walk gets its text then. The walk checked
// the files at the start; one gone since leaves the text empty.
void fillLater(QPlainTextEdit* memo, HelpComponent::Window which) {
  const QString folder = helpFolder();
  for (const HelpComponent& c : helpComponents()) {
    if (c.kind != HelpComponent::Text || c.window != which || c.target != memo->objectName()) continue;
    QFile f(inFolder(folder, c.file));
    if (f.open(QIODevice::ReadOnly | QIODevice::Text)) setHelpText(memo, f);
  }
}
}  // namespace

bool TFRMMain::loadHelpComponents() {
  const QString cannotLoad = QStringLiteral("Chyba pri praci se souborem - nelze zpracovat :\n");
  const QString folder = helpFolder();
  for (const HelpComponent& c : helpComponents()) {
    const QString file = inFolder(folder, c.file);
    const QString path = QDir::toNativeSeparators(file);  // as helpPath() shows it
    switch (c.kind) {
      case HelpComponent::Text: {
        // A text box not made yet gets its text when it is made.
        QWidget* owner = windowOf(c.window, this);
        OnDemand<QPlainTextEdit>* later = owner == this ? laterMemo(this, c.target) : nullptr;
        QPlainTextEdit* memo =
            later ? later->ifMade() : (owner ? owner->findChild<QPlainTextEdit*>(c.target) : nullptr);
        QFile f(file);
        if ((owner && !memo && !later) || !f.open(QIODevice::ReadOnly | QIODevice::Text)) {
          showMessage(this, QStringLiteral("Chyba"), cannotLoad + path);
          return false;
        }
        if (memo) setHelpText(memo, f);
        break;
      }
      case HelpComponent::Picture: {
        auto* image = findChild<QLabel*>(c.target);
        QPixmap picture;
        if (!image || !picture.load(file)) {
          showMessage(this, QStringLiteral("Chyba"), cannotLoad + path);
          return false;
        }
        image->setPixmap(picture);
        break;
      }
      case HelpComponent::Check:
        if (!QFileInfo::exists(file)) {
          showMessage(this, QStringLiteral("Chyba"), QStringLiteral("Soubor ") + path + QStringLiteral(" neexistuje."));
          return false;
        }
        break;
      case HelpComponent::End:
        helpLoaded_ = true;
        return true;
    }
  }
  helpLoaded_ = true;
  return true;
}

void TFRMMain::loadHelpTexts(QWidget* window) {
  HelpComponent::Window which;
  if (qobject_cast<TFRMGrafika*>(window)) which = HelpComponent::ResultsWindow;
  else if (qobject_cast<TFORMDiskoveOperace*>(window)) which = HelpComponent::DiskWindow;
  else return;
  for (auto* memo : window->findChildren<QPlainTextEdit*>()) fillLater(memo, which);
}

void TFRMMain::helpMemoMade(QPlainTextEdit* memo) {
  if (helpLoaded_) fillLater(memo, HelpComponent::MainWindow);
  setUpLateControl(this, memo);
}
