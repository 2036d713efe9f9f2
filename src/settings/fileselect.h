#pragma once
#include <QDialog>

class QCheckBox;
class QComboBox;
class QFileDialog;
class QLabel;
class QLineEdit;
class QPushButton;

// Chooses, at start, which settings file to apply (or none), or quits. The
// start-up reads two things from it afterwards: the quit flag CHBXExit and
// the chosen file EDITSelectedFile (empty: no settings file).
class TFRMFileSelect : public QDialog {
  Q_OBJECT
 public:
  explicit TFRMFileSelect(QWidget* parent = nullptr);

  QLabel* LABLNastaveniPath = nullptr;
  QComboBox* COMBOFileList = nullptr;  // the settings folder's files
  QLineEdit* EDITSelectedFile = nullptr;
  QCheckBox* CHBXExit = nullptr;  // stays checked unless confirmed with OK
  QPushButton* BUTNOk = nullptr;
  QPushButton* BUTNExit = nullptr;
  QPushButton* BUTNChangePath = nullptr;
  QPushButton* BUTNClear = nullptr;
  QPushButton* BUTNHelp = nullptr;
  QPushButton* BUTNLoadFiles = nullptr;  // hidden: fills the list
  QFileDialog* DLGOpen = nullptr;

  void BUTNOkClick();
  void BUTNExitClick();
  void BUTNLoadFilesClick();
  void COMBOFileListChange(int index);
  void BUTNChangePathClick();
  void BUTNClearClick();
  void BUTNHelpClick();
};
