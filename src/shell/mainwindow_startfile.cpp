// The results file named on the command line, opened at start.

#include "results/diskoperations.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

void TFRMMain::openStartFile(const QString& path) {
  if (path.isEmpty()) return;
  TFORMDiskoveOperace* disk = FORMDiskoveOperace;
  // The file goes through the disk operations as a person would take it:
  // its name into the name field, "Nahrat", then "Pouzit -->". Their messages
  // tell what went wrong; the evening then stays as it was.
  disk->EDITFileName->setText(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
  disk->BUTNNahratClick();
  if (disk->outputLines().isEmpty() || !disk->BUTNPouzit->isEnabled()) {
    disk->BUTNDefaultFilenameClick();  // nothing of that file came in
    return;
  }
  disk->BUTNPouzitClick();
}
