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
        case MsgButtons::YesNo: return MsgAnswer::No;
        case MsgButtons::OkCancel: return MsgAnswer::Cancel;
        case MsgButtons::Ok: break;
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
    poll->start(20);
  }

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
    out << QStringLiteral("hands: ") +
               QString::number(FRMMain ? FRMMain->STGOutput->rowCount() - 2 : 0);
    out << lines_;
    writeTextFile(file_, out, SaveMode::Overwrite);
  }

  QString file_;
  QStringList lines_;
  bool started_ = false;
  bool written_ = false;
};

}  // namespace

void installStartReport(const QString& reportFile) { new StartReport(reportFile); }

}  // namespace kvadus
