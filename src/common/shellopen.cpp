#include "common/shellopen.h"

#include "common/appfolders.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace kvadus {
namespace {
DocumentOpener& opener() {
  static DocumentOpener o;
  return o;
}

bool desktopOpen(const QString& path) {
  const QFileInfo info(QDir::fromNativeSeparators(path));
  if (!info.exists()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}
}  // namespace

bool openDocument(const QString& path) {
  if (opener()) return opener()(path);
  return desktopOpen(path);
}

DocumentOpener setDocumentOpener(DocumentOpener o) {
  DocumentOpener previous = std::move(opener());
  opener() = std::move(o);
  return previous;
}

QString helpPath(const QString& fileName) { return QDir::toNativeSeparators(inFolder(helpFolder(), fileName)); }

}  // namespace kvadus
