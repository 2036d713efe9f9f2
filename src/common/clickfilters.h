#pragma once
// Filters on the mouse clicks into one window around the message box of a
// rejected entry (a number that does not read, a balance beyond the limit):
// the click that took the focus from the field either must not act (the
// person answered OK and goes back to the field) or must act in full (the
// person cancelled). Each filter removes itself when its click is done.

#include <QAbstractButton>
#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QApplication>

namespace kvadus {

// An application-wide filter on the mouse presses into one window, for the
// moment around the box of a rejected entry; it removes itself when done.
class WindowClickFilter : public QObject {
 protected:
  explicit WindowClickFilter(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
  bool inWindow(QObject* watched) const {
    auto* w = qobject_cast<QWidget*>(watched);
    return w && w->window() == window_;
  }
  void finish() {
    qApp->removeEventFilter(this);
    deleteLater();
  }
  QWidget* window_;
};

// Eats the mouse press that is being delivered right now, and its release:
// the click that took the focus from a rejected entry must not act.
class ClickSwallower : public WindowClickFilter {
 public:
  explicit ClickSwallower(QWidget* window)
      // A release made while the box was up has gone already; only a
      // button still held has its release to come.
      : WindowClickFilter(window), releasePending_(QGuiApplication::mouseButtons() != Qt::NoButton) {
    // The press is delivered right after the focus change; a focus change
    // that came with no press leaves nothing to eat.
    QTimer::singleShot(0, this, [this] {
      if (!atePress_) finish();
    });
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!inWindow(watched)) return false;
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        if (atePress_) return false;
        atePress_ = true;
        if (!releasePending_) finish();
        return true;
      case QEvent::MouseButtonRelease:
        if (!atePress_) return false;
        finish();
        return true;
      default:
        return false;
    }
  }

 private:
  bool releasePending_;
  bool atePress_ = false;
};

// After Cancel the click that took the focus goes through. Its release may
// have gone to the box already: a button that the press left down is then
// clicked here, instead of staying down until the next click.
class ClickCompleter : public WindowClickFilter {
 public:
  explicit ClickCompleter(QWidget* window) : WindowClickFilter(window) {
    QTimer::singleShot(0, this, [this] { finish(); });
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (event->type() != QEvent::MouseButtonPress || !button || !inWindow(button)) return false;
    qApp->removeEventFilter(this);
    QPointer<QAbstractButton> pressed = button;
    QTimer::singleShot(0, window_, [pressed] {
      if (!pressed || !pressed->isDown() || QGuiApplication::mouseButtons() != Qt::NoButton) return;
      pressed->setDown(false);
      pressed->click();
    });
    return false;
  }
};

}  // namespace kvadus
