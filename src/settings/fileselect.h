#pragma once
#include "common/keyboard.h"
#include "common/ondemand.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QFileDialog;
class QLabel;
class QLineEdit;
class QPushButton;

// The names of the files in the settings folder.
QStringList settingsFiles();
// The automatic settings file: the one there, whatever the letter case of its
// name, or "auto.cfg" in the settings folder when there is none.
QString automaticSettingsPath();

// Chooses, at start, which settings file to apply (or none), or quits. The
// start-up reads two things from it afterwards: the quit flag CHBXExit and
// the chosen file EDITSelectedFile (empty: no settings file).
class TFRMFileSelect : public QDialog {
  Q_OBJECT
 public:
  explicit TFRMFileSelect(QWidget* parent = nullptr);
  // The window's accelerators (applied when it is made).
  static kvadus::AcceleratorTable accelerators();

  QLabel* LABLTitulek = nullptr;  // the title bar: the caption, no buttons
  QLabel* LABLNastaveniPath = nullptr;
  QComboBox* COMBOFileList = nullptr;  // the settings folder's files
  QLineEdit* EDITSelectedFile = nullptr;
  QCheckBox* CHBXExit = nullptr;  // stays checked unless confirmed with OK
  QPushButton* BUTNOk = nullptr;
  QPushButton* BUTNExit = nullptr;
  QPushButton* BUTNChangePath = nullptr;
  QPushButton* BUTNClear = nullptr;
  QPushButton* BUTNHelp = nullptr;
  QPushButton* BUTNLoadFiles = nullptr;   // hidden: fills the list
  kvadus::OnDemand<QFileDialog> DLGOpen;  // made when first used

  void BUTNOkClick();
  void BUTNExitClick();
  void BUTNLoadFilesClick();
  void COMBOFileListChange(int index);
  void BUTNChangePathClick();
  void BUTNClearClick();
  void BUTNHelpClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
};
