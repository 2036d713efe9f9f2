// The first showing loads the help texts and the logo from the help folder
// and checks that every other help file is there.

#include "common/appfolders.h"
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
}  // namespace

bool TFRMMain::loadHelpComponents() {
  const QString cannotLoad = QStringLiteral("Chyba pri praci se souborem - nelze zpracovat :\n");
  const QString folder = helpFolder();
  for (const HelpComponent& c : helpComponents()) {
    const QString file = inFolder(folder, c.file);
    const QString path = QDir::toNativeSeparators(file);  // as helpPath() shows it
    switch (c.kind) {
      case HelpComponent::Text: {
        QWidget* owner = windowOf(c.window, this);
        auto* memo = owner ? owner->findChild<QPlainTextEdit*>(c.target) : nullptr;
        QFile f(file);
        if ((owner && !memo) || !f.open(QIODevice::ReadOnly | QIODevice::Text)) {
          showMessage(this, QStringLiteral("Chyba"), cannotLoad + path);
          return false;
        }
        if (memo) {
          styleHelpText(memo);  // first: the text is laid out once, without wrapping
          memo->setPlainText(QString::fromUtf8(f.readAll()));
        }
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
  // The disk and the results window may be made after the walk. It checked
  // the files at the start; one gone since leaves its text empty.
  HelpComponent::Window which;
  if (qobject_cast<TFRMGrafika*>(window)) which = HelpComponent::ResultsWindow;
  else if (qobject_cast<TFORMDiskoveOperace*>(window)) which = HelpComponent::DiskWindow;
  else return;
  const QString folder = helpFolder();
  for (const HelpComponent& c : helpComponents()) {
    if (c.kind != HelpComponent::Text || c.window != which) continue;
    auto* memo = window->findChild<QPlainTextEdit*>(c.target);
    QFile f(inFolder(folder, c.file));
    if (!memo || !f.open(QIODevice::ReadOnly | QIODevice::Text)) continue;
    styleHelpText(memo);
    memo->setPlainText(QString::fromUtf8(f.readAll()));
  }
}
