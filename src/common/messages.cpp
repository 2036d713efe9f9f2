#include "common/messages.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace kvadus {
namespace {
MessageResponder& responder() {
  static MessageResponder r;
  return r;
}
}  // namespace

MessageResponder setMessageResponder(MessageResponder r) {
  MessageResponder previous = std::move(responder());
  responder() = std::move(r);
  return previous;
}

MsgAnswer showMessage(QWidget* parent, const QString& caption, const QString& text, MsgButtons buttons,
                      MsgAnswer defaultAnswer) {
  if (responder()) return responder()(caption, text, buttons);

  QMessageBox box(parent);
  box.setObjectName(QStringLiteral("MessageBox"));
  box.setWindowTitle(caption);
  box.setText(text);
  QMessageBox::StandardButton fallback = QMessageBox::Ok;
  switch (buttons) {
    case MsgButtons::Ok:
      box.setIcon(caption == QLatin1String("Chyba") ? QMessageBox::Critical : QMessageBox::Information);
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MsgButtons::YesNo:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.button(QMessageBox::Yes)->setText(QStringLiteral("Ano"));
      box.button(QMessageBox::No)->setText(QStringLiteral("Ne"));
      box.setEscapeButton(QMessageBox::No);
      fallback = QMessageBox::No;
      break;
    case MsgButtons::OkCancel:
      box.setIcon(QMessageBox::Warning);
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.button(QMessageBox::Cancel)->setText(QStringLiteral("Storno"));
      box.setEscapeButton(QMessageBox::Cancel);
      fallback = QMessageBox::Cancel;
      break;
  }
  const QMessageBox::StandardButton preferred = defaultAnswer == MsgAnswer::Yes      ? QMessageBox::Yes
                                                : defaultAnswer == MsgAnswer::No     ? QMessageBox::No
                                                : defaultAnswer == MsgAnswer::Cancel ? QMessageBox::Cancel
                                                                                     : QMessageBox::Ok;
  if (box.button(preferred)) box.setDefaultButton(preferred);
  const int result = box.exec();
  switch (result) {
    case QMessageBox::Yes:
      return MsgAnswer::Yes;
    case QMessageBox::No:
      return MsgAnswer::No;
    case QMessageBox::Ok:
      return MsgAnswer::Ok;
    case QMessageBox::Cancel:
      return MsgAnswer::Cancel;
    default:
      return fallback == QMessageBox::No       ? MsgAnswer::No
             : fallback == QMessageBox::Cancel ? MsgAnswer::Cancel
                                               : MsgAnswer::Ok;
  }
}

bool askYesNo(QWidget* parent, const QString& text, MsgAnswer defaultAnswer) {
  return showMessage(parent, QStringLiteral("Dotaz"), text, MsgButtons::YesNo, defaultAnswer) == MsgAnswer::Yes;
}

}  // namespace kvadus
