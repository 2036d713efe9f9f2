#pragma once
// A pair of arrow buttons holding a position within a range, like the classic
// up-down control that sits beside a read-only count field. It tells whether
// a change was an increase, which a spin box cannot. From the keyboard it is
// one control: the Up and Down keys press its arrows, and a screen reader
// reads its position.

#include <QWidget>

class QToolButton;

namespace kvadus {

class UpDown : public QWidget {
  Q_OBJECT
 public:
  explicit UpDown(QWidget* parent = nullptr);

  int position() const { return position_; }
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  // Sets the position (kept within the range) without signalling.
  void setPosition(int position);
  // Sets the range; the position is pulled into it.
  void setRange(int minimum, int maximum);

  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 public slots:
  void stepUp();
  void stepDown();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 signals:
  // A person pressed an arrow. At the top of the range an up press still
  // signals (the position stays), so the owner can react to the attempt.
  void changed(int position, bool increase);

 private:
  void showPosition();
  void showFocus(bool focused);
  QToolButton* up_;
  QToolButton* down_;
  int position_ = 0;
  int minimum_ = 0;
  int maximum_ = 100;
};

}  // namespace kvadus
