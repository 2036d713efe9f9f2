#include "shell/startreport.h"

#include "common/appfolders.h"
#include "common/messages.h"
#include "common/shellopen.h"
#include "common/textfile.h"
#include "settings/fileselect.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>

namespace kvadus {

namespace {

class StartReport : public QObject {
 public:
  explicit StartReport(const QString& file) : file_(file) {
    setParent(qApp);
    setMessageResponder([this](const QString& caption, const QString& text, MsgButtons buttons) {
      lines_ << QStringLiteral("message: ") + caption + QStringLiteral(" | ") + oneLine(text);
      switch (buttons) {
        case MsgButtons::YesNo:
          return MsgAnswer::No;
        case MsgButtons::OkCancel:
          return MsgAnswer::Cancel;
        case MsgButtons::Ok:
          break;
      }
      return MsgAnswer::Ok;
    });
    setDocumentOpener([this](const QString& path) {
      lines_ << QStringLiteral("open: ") + path;
      return QFileInfo::exists(QDir::fromNativeSeparators(path));
    });
    qApp->installEventFilter(this);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &StartReport::write);
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &StartReport::checkStarted);
    poll->start(1);  // the report ends the program soon after the start is done: it measures the start
  }

  // A start that ends before the event loop (a screen too small) is
  // reported when the application goes.
  ~StartReport() override { write(); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    // The selection is confirmed as offered, as a person pressing Enter would.
    if (event->type() == QEvent::Show && watched == FRMFileSelect)
      QTimer::singleShot(0, FRMFileSelect->BUTNOk, &QPushButton::click);
    return false;
  }

 private:
  static QString oneLine(QString text) { return text.replace(u'\n', QStringLiteral("\\n")); }

  // The first showing has run to its end when its flag is down and no dialog
  // of it is open any more.
  void checkStarted() {
    if (!FRMMain || FRMMain->flags.firstShowing || QApplication::activeModalWidget()) return;
    started_ = FRMMain->isVisible();
    if (started_) {
      const QRect outer = FRMMain->frameGeometry();
      const QRect client = FRMMain->geometry();
      window_ = QStringLiteral("%1,%2 %3x%4 (client %5x%6)")
                    .arg(outer.x())
                    .arg(outer.y())
                    .arg(outer.width())
                    .arg(outer.height())
                    .arg(client.width())
                    .arg(client.height());
      const QRect area = FRMMain->screen()->availableGeometry();
      workArea_ = QStringLiteral("%1,%2 %3x%4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height());
    }
    // exit(), not quit(): quit() asks the windows to close first, and the main
    // window refuses while the table holds hands (its question is answered No).
    write();
    QCoreApplication::exit(0);
  }

  void write() {
    if (written_) return;
    written_ = true;
    QStringList out;
    out << QStringLiteral("caption: ") + (FRMMain ? FRMMain->windowTitle() : QString());
    out << QStringLiteral("started: ") + (started_ ? QStringLiteral("yes") : QStringLiteral("no"));
    out << QStringLiteral("help: ") + QDir(helpFolder()).absolutePath();
    out << QStringLiteral("settings: ") + QDir(settingsFolder()).absolutePath();
    out << QStringLiteral("games: ") + QDir(gamesFolder()).absolutePath();
    out << QStringLiteral("hands: ") + QString::number(FRMMain ? FRMMain->STGOutput->rowCount() - 2 : 0);
    if (started_) {
      out << QStringLiteral("window: ") + window_;
      out << QStringLiteral("work area: ") + workArea_;
    }
    out << lines_;
    // Whole or not at all, but not synced to the disk: the report is read
    // at once by whoever started the program, and a sync would be most of
    // the time a start takes on a busy disk.
    const QByteArray bytes = encodeTextLines(out);
    QSaveFile report(file_);
    if (report.open(QIODevice::WriteOnly) && report.write(bytes) == bytes.size() && report.flush()) report.commit();
  }

  QString file_;
  QStringList lines_;
  QString window_, workArea_;
  bool started_ = false;
  bool written_ = false;
};

}  // namespace

void installStartReport(const QString& reportFile) { new StartReport(reportFile); }

}  // namespace kvadus
