#pragma once
// The application object with the error trap of the event handlers, and the
// text of the top-level trap.

#include <QApplication>

namespace kvadus {

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  // An exception thrown by an event handler is shown and the program goes on.
  bool notify(QObject* receiver, QEvent* event) override;
};

// Gives the application its name (not a display name, which the window
// system would append to every caption).
void nameApplication();

// Switches the tooltips of the whole application on or off.
void setTooltipsEnabled(bool enabled);
bool tooltipsEnabled();

// The message of the top-level trap, around the error's own text.
QString unexpectedErrorText(const QString& errorMessage);
// Shows that message (caption "Chyba", OK).
void reportUnexpectedError(const QString& errorMessage);

// Runs createWindows() and the event loop inside the top-level trap; returns
// the exit code (0 also after a trapped error).
int runProgram(Application& app);

}  // namespace kvadus
