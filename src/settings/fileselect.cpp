#include "settings/fileselect.h"

#include "common/appfolders.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/fontscale.h"
#include "common/messages.h"
#include "common/shellopen.h"
#include "settings/settingsfile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QWindow>

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

namespace {

constexpr int kWidth = 460;
constexpr int kBodyHeight = 178;
constexpr int kCaptionHeight = 22;

// The window's own title bar: its caption on the colours of an active title,
// and the window moves when it is dragged. It has no buttons.
class CaptionBar : public QLabel {
 public:
  explicit CaptionBar(QWidget* window) : QLabel(window) {
    setObjectName(QStringLiteral("LABLTitulek"));
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setText(window->windowTitle());
    connect(window, &QWidget::windowTitleChanged, this, &QLabel::setText);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    // The window system moves the window where it can (it then follows the
    // mouse on its own); elsewhere it follows the drag from here.
    QWindow* handle = window()->windowHandle();
    dragging_ = !(handle && handle->startSystemMove());
    grabbedAt_ = event->globalPosition().toPoint() - window()->pos();
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (dragging_ && (event->buttons() & Qt::LeftButton))
      window()->move(event->globalPosition().toPoint() - grabbedAt_);
  }
  void mouseReleaseEvent(QMouseEvent*) override { dragging_ = false; }

 private:
  bool dragging_ = false;
  QPoint grabbedAt_;
};

}  // namespace

namespace {
constexpr Accelerator kAccelerators[] = {
    {"Alt+S", "COMBOFileList"}, {"Alt+J", "BUTNChangePath"}, {"Alt+N", "EDITSelectedFile"}, {"Alt+R", "BUTNClear"},
    {"Alt+P", "BUTNOk"},        {"F1", "BUTNHelp"},          {"Alt+U", "BUTNExit"},
};
}  // namespace

AcceleratorTable TFRMFileSelect::accelerators() { return kAccelerators; }

TFRMFileSelect::TFRMFileSelect(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FRMFileSelect"));
  setWindowTitle(QStringLiteral("Vyberte nastaveni"));
  // No system buttons: window managers that keep their buttons whatever a
  // window asks for (openbox) leave a window without a frame alone, so the
  // window draws its own title bar and border. Escape still quits.
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  setModal(true);
  setFixedSize(kWidth, kCaptionHeight + kBodyHeight + 2);

  LABLTitulek = new CaptionBar(this);
  LABLTitulek->setGeometry(1, 1, kWidth - 2, kCaptionHeight);
  auto* body = new QWidget(this);
  body->setGeometry(0, 1 + kCaptionHeight, kWidth, kBodyHeight);

  LABLNastaveniPath = makeLabel(body, "LABLNastaveniPath", kPathCaption, {12, 8, 436, 20});
  COMBOFileList = new QComboBox(body);
  COMBOFileList->setObjectName(QStringLiteral("COMBOFileList"));
  COMBOFileList->setEditable(false);
  COMBOFileList->setGeometry(12, 30, 300, 26);
  COMBOFileList->setToolTip(QStringLiteral("soubory s nastavenim"));

  makeLabel(body, nullptr, QStringLiteral("Nastaveni pouzite pri startu:"), {12, 66, 300, 20});
  EDITSelectedFile = new QLineEdit(QStringLiteral("EDITSelectedFile"), body);
  EDITSelectedFile->setObjectName(QStringLiteral("EDITSelectedFile"));
  EDITSelectedFile->setReadOnly(true);
  EDITSelectedFile->setGeometry(12, 88, 300, 26);
  EDITSelectedFile->clear();

  BUTNChangePath = makeButton(body, "BUTNChangePath", QStringLiteral("<< jine     "),
                              QStringLiteral("vybrat jiny soubor s nastavenim"));
  BUTNChangePath->setGeometry(320, 30, 128, 26);
  BUTNClear =
      makeButton(body, "BUTNClear", QStringLiteral("<< prazdne"), QStringLiteral("spustit bez souboru s nastavenim"));
  BUTNClear->setGeometry(320, 88, 128, 26);

  CHBXExit = new QCheckBox(QStringLiteral("CHBXExit"), this);
  CHBXExit->setObjectName(QStringLiteral("CHBXExit"));
  CHBXExit->setChecked(true);
  CHBXExit->hide();

  BUTNOk = new QPushButton(QStringLiteral(">>   pouzit a spustit"), body);
  BUTNOk->setObjectName(QStringLiteral("BUTNOk"));
  BUTNOk->setGeometry(12, 134, 170, 30);
  BUTNOk->setDefault(true);
  BUTNHelp = makeButton(body, "BUTNHelp", QStringLiteral("napoveda"), QStringLiteral("napoveda"));
  BUTNHelp->setGeometry(190, 134, 100, 30);
  BUTNExit = makeButton(body, "BUTNExit", QStringLiteral("ukoncit program"));
  BUTNExit->setGeometry(298, 134, 150, 30);
  BUTNLoadFiles = makeHiddenButton(this, "BUTNLoadFiles", QStringLiteral("nacist soubory"));

  DLGOpen.setMaker([this] {
    auto* dialog = makeFileDialog(this, "DLGOpen", false);
    dialog->setWindowTitle(QStringLiteral("Vyber souboru s nastavenim"));
    dialog->setNameFilters({QStringLiteral("soubory s nastavenim (*.cfg)"), QStringLiteral("textove soubory (*.txt)"),
                            QStringLiteral("vsechny soubory (*)")});
    return dialog;
  });

  connect(BUTNOk, &QPushButton::clicked, this, &TFRMFileSelect::BUTNOkClick);
  connect(BUTNExit, &QPushButton::clicked, this, &TFRMFileSelect::BUTNExitClick);
  connect(BUTNLoadFiles, &QPushButton::clicked, this, &TFRMFileSelect::BUTNLoadFilesClick);
  connect(BUTNChangePath, &QPushButton::clicked, this, &TFRMFileSelect::BUTNChangePathClick);
  connect(BUTNClear, &QPushButton::clicked, this, &TFRMFileSelect::BUTNClearClick);
  connect(BUTNHelp, &QPushButton::clicked, this, &TFRMFileSelect::BUTNHelpClick);
  connect(COMBOFileList, &QComboBox::currentIndexChanged, this, &TFRMFileSelect::COMBOFileListChange);

  BUTNLoadFilesClick();
  scaleFixedGeometry(this, fontScale(font()));
  setUpKeyboard(this, accelerators());
  setReadingTabOrder(this);
}

// The border that a window frame would draw.
void TFRMFileSelect::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
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
  EDITSelectedFile->setText(QDir::toNativeSeparators(inFolder(settingsFolder(), COMBOFileList->itemText(index))));
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
    showMessage(this, QStringLiteral("Chyba"), QStringLiteral("Nelze otevrit tento soubor s napovedou :\n") + path);
}
