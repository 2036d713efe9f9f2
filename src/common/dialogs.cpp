#include "common/dialogs.h"

#include "common/appfolders.h"
#include "common/messages.h"
#include "common/textfile.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace kvadus {

namespace {
DialogResponder& responder() {
  static DialogResponder r;
  return r;
}
}  // namespace

DialogResponder setDialogResponder(DialogResponder r) {
  DialogResponder previous = std::move(responder());
  responder() = std::move(r);
  return previous;
}

QFileDialog* makeFileDialog(QWidget* parent, const char* name, bool save) {
  auto* dialog = new QFileDialog(parent);
  dialog->setObjectName(QString::fromLatin1(name));
  dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  return dialog;
}

int runDialog(QDialog* dialog) {
  if (responder()) return responder()(dialog);
  return dialog->exec();
}

QString eveningFileName(const QDate& date, const QString& suffix, const QString& stem) {
  const QString dated = stem + u'-' + date.toString(Qt::ISODate);
  QString path = inFolder(gamesFolder(), dated + u'.' + suffix);
  for (int k = 2; QFileInfo::exists(path); ++k)
    path = inFolder(gamesFolder(), QStringLiteral("%1-%2.%3").arg(dated).arg(k).arg(suffix));
  return path;
}

bool writeFileTelling(QWidget* parent, const QString& path, const QByteArray& bytes) {
  const TextFileWrite written = writeFileBytes(path, bytes);
  if (!written.ok)
    showMessage(
        parent, QStringLiteral("Chyba pri ukladani souboru"),
        QStringLiteral("Soubor %1 se nepodarilo ulozit:\n%2").arg(QDir::toNativeSeparators(path), written.error));
  return written.ok;
}

bool saveFileAs(QWidget* parent, const SaveAs& how, const std::function<QByteArray()>& make) {
  const QFileInfo offered(eveningFileName(QDate::currentDate(), how.suffix, how.stem));
  QDir().mkpath(offered.absolutePath());
  QFileDialog dialog(parent);
  dialog.setObjectName(QString::fromLatin1(how.name));
  dialog.setWindowTitle(how.title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);  // asked below, as every save of the program asks
  dialog.setNameFilters(how.filters);
  dialog.setDefaultSuffix(how.suffix);
  dialog.setDirectory(offered.absoluteDir());
  dialog.selectFile(offered.fileName());
  if (runDialog(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  const QString path = dialog.selectedFiles().first();
  if (QFileInfo(path).isFile() &&
      !askYesNo(parent, QStringLiteral("Soubor s danym jmenem jiz existuje.\nOpravdu ho chcete prepsat ?")))
    return false;
  const QByteArray bytes = make();
  if (bytes.isEmpty()) {
    showMessage(parent, QStringLiteral("Chyba pri ukladani souboru"),
                QStringLiteral("Dokument se nepodarilo vytvorit."));
    return false;
  }
  if (!writeFileTelling(parent, path, bytes)) return false;
  showMessage(parent, QStringLiteral("Oznameni"), QStringLiteral("Data uspesne ulozena"));
  return true;
}

}  // namespace kvadus
