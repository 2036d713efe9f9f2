#pragma once
// Every question, warning and error of the program goes through showMessage():
// a modal QMessageBox with a fixed caption, the text and the buttons. Tests
// install a responder that answers instead of a person.

#include <QString>
#include <functional>

class QWidget;

namespace kvadus {

enum class MsgButtons { Ok, YesNo, OkCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// Shows the box (parent may be null) and returns the button pressed. Closing a
// Yes/No box without an answer counts as No, an OK/Cancel box as Cancel.
// defaultAnswer: the button Enter presses, when it is one of the box's (else
// the first).
MsgAnswer showMessage(QWidget* parent, const QString& caption, const QString& text, MsgButtons buttons = MsgButtons::Ok,
                      MsgAnswer defaultAnswer = MsgAnswer::Ok);

// Convenience for the frequent Yes/No question under the caption "Dotaz";
// true for Yes. defaultAnswer No for a question whose Yes takes a risk.
bool askYesNo(QWidget* parent, const QString& text, MsgAnswer defaultAnswer = MsgAnswer::Yes);

// A responder answers in place of the message box; an empty one restores the
// real box. The previous responder is returned.
using MessageResponder = std::function<MsgAnswer(const QString& caption, const QString& text, MsgButtons buttons)>;
MessageResponder setMessageResponder(MessageResponder responder);

}  // namespace kvadus
