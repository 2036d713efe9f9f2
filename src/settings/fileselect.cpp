#include "settings/fileselect.h"

#include "common/appfolders.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/messages.h"
#include "common/shellopen.h"
#include "settings/settingsfile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

using namespace kvadus;

namespace {
const QString kPathCaption = QStringLiteral("soubory v adresari  \"");
}

QStringList settingsFiles() {
  return QDir(settingsFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
}

QString automaticSettingsPath() {
  const QString name = settingsfile::automaticFile(settingsFiles());
  return inFolder(settingsFolder(), name.isEmpty() ? settingsfile::kAutoFileName : name);
}

TFRMFileSelect::TFRMFileSelect(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FRMFileSelect"));
  setWindowTitle(QStringLiteral("Vyberte nastaveni"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(true);
  setFixedSize(460, 178);

  LABLNastaveniPath = makeLabel(this, "LABLNastaveniPath", kPathCaption, {12, 8, 436, 20});
  COMBOFileList = new QComboBox(this);
  COMBOFileList->setObjectName(QStringLiteral("COMBOFileList"));
  COMBOFileList->setEditable(false);
  COMBOFileList->setGeometry(12, 30, 300, 26);
  COMBOFileList->setToolTip(QStringLiteral("soubory s nastavenim"));

  makeLabel(this, nullptr, QStringLiteral("Nastaveni pouzite pri startu:"), {12, 66, 300, 20});
  EDITSelectedFile = new QLineEdit(QStringLiteral("EDITSelectedFile"), this);
  EDITSelectedFile->setObjectName(QStringLiteral("EDITSelectedFile"));
  EDITSelectedFile->setReadOnly(true);
  EDITSelectedFile->setGeometry(12, 88, 300, 26);
  EDITSelectedFile->clear();

  BUTNChangePath = makeButton(this, "BUTNChangePath", QStringLiteral("<< jine     "),
                              QStringLiteral("vybrat jiny soubor s nastavenim"));
  BUTNChangePath->setGeometry(320, 30, 128, 26);
  BUTNClear = makeButton(this, "BUTNClear", QStringLiteral("<< prazdne"),
                         QStringLiteral("spustit bez souboru s nastavenim"));
  BUTNClear->setGeometry(320, 88, 128, 26);

  CHBXExit = new QCheckBox(QStringLiteral("CHBXExit"), this);
  CHBXExit->setObjectName(QStringLiteral("CHBXExit"));
  CHBXExit->setChecked(true);
  CHBXExit->hide();

  BUTNOk = new QPushButton(QStringLiteral(">>   pouzit a spustit"), this);
  BUTNOk->setObjectName(QStringLiteral("BUTNOk"));
  BUTNOk->setGeometry(12, 134, 170, 30);
  BUTNOk->setDefault(true);
  BUTNHelp = makeButton(this, "BUTNHelp", QStringLiteral("napoveda"), QStringLiteral("napoveda"));
  BUTNHelp->setGeometry(190, 134, 100, 30);
  BUTNExit = makeButton(this, "BUTNExit", QStringLiteral("ukoncit program"));
  BUTNExit->setGeometry(298, 134, 150, 30);
  BUTNLoadFiles = makeHiddenButton(this, "BUTNLoadFiles", QStringLiteral("nacist soubory"));

  DLGOpen = new QFileDialog(this);
  DLGOpen->setObjectName(QStringLiteral("DLGOpen"));
  DLGOpen->setWindowTitle(QStringLiteral("Vyber souboru s nastavenim"));
  DLGOpen->setAcceptMode(QFileDialog::AcceptOpen);
  DLGOpen->setFileMode(QFileDialog::ExistingFile);
  DLGOpen->setNameFilters({QStringLiteral("soubory s nastavenim (*.cfg)"),
                           QStringLiteral("textove soubory (*.txt)"),
                           QStringLiteral("vsechny soubory (*)")});

  connect(BUTNOk, &QPushButton::clicked, this, &TFRMFileSelect::BUTNOkClick);
  connect(BUTNExit, &QPushButton::clicked, this, &TFRMFileSelect::BUTNExitClick);
  connect(BUTNLoadFiles, &QPushButton::clicked, this, &TFRMFileSelect::BUTNLoadFilesClick);
  connect(BUTNChangePath, &QPushButton::clicked, this, &TFRMFileSelect::BUTNChangePathClick);
  connect(BUTNClear, &QPushButton::clicked, this, &TFRMFileSelect::BUTNClearClick);
  connect(BUTNHelp, &QPushButton::clicked, this, &TFRMFileSelect::BUTNHelpClick);
  connect(COMBOFileList, &QComboBox::currentIndexChanged, this,
          &TFRMFileSelect::COMBOFileListChange);

  BUTNLoadFilesClick();
}

void TFRMFileSelect::BUTNOkClick() {
  CHBXExit->setChecked(false);
  accept();
}

// Closing in any other way (Escape too) leaves the quit flag set.
void TFRMFileSelect::BUTNExitClick() { reject(); }

void TFRMFileSelect::BUTNLoadFilesClick() {
  const QSignalBlocker block(COMBOFileList);
  COMBOFileList->clear();
  COMBOFileList->setCurrentIndex(-1);
  const QString folder = settingsFolder();
  LABLNastaveniPath->setText(kPathCaption + QDir::toNativeSeparators(folder) + u'"');
  const settingsfile::FileList list = settingsfile::settingsFileList(settingsFiles());
  COMBOFileList->addItems(list.entries);
  if (!list.autoName.isEmpty()) {
    COMBOFileList->setCurrentIndex(0);
    EDITSelectedFile->setText(QDir::toNativeSeparators(inFolder(folder, list.autoName)));
  } else {
    COMBOFileList->setCurrentIndex(-1);
  }
}

void TFRMFileSelect::COMBOFileListChange(int index) {
  if (index < 0) return;
  EDITSelectedFile->setText(
      QDir::toNativeSeparators(inFolder(settingsFolder(), COMBOFileList->itemText(index))));
}

void TFRMFileSelect::BUTNChangePathClick() {
  if (QDir(settingsFolder()).exists()) DLGOpen->setDirectory(QDir(settingsFolder()).absolutePath());
  if (runDialog(DLGOpen) != QDialog::Accepted) return;
  const QString picked = DLGOpen->selectedFiles().value(0);
  if (picked.isEmpty()) return;
  EDITSelectedFile->setText(QDir::toNativeSeparators(picked));
  const QSignalBlocker block(COMBOFileList);
  COMBOFileList->setCurrentIndex(-1);
}

void TFRMFileSelect::BUTNClearClick() {
  EDITSelectedFile->clear();
  const QSignalBlocker block(COMBOFileList);
  COMBOFileList->setCurrentIndex(-1);
}

void TFRMFileSelect::BUTNHelpClick() {
  const QString path = helpPath(QStringLiteral("help.htm"));
  if (!openDocument(path))
    showMessage(this, QStringLiteral("Chyba"),
                QStringLiteral("Nelze otevrit tento soubor s napovedou :\n") + path);
}
