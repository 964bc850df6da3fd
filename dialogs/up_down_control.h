// A spinner of two arrow buttons side by side, with an optional value kept within a range.
#pragma once

#include <QWidget>

class QToolButton;

namespace kestalon {

class NumberBox;

// Each click on the left (decrease) or right (increase) arrow is reported once. The
// control also keeps a value: a click moves it by 1 within the range and reports the new
// value through stepped(), whether or not it changed, so that its user can write it out.
class UpDownControl : public QWidget {
  Q_OBJECT

 public:
  UpDownControl(const QString& decreaseName, const QString& increaseName,
                QWidget* parent = nullptr);

  void setRange(int minimum, int maximum);
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  int value() const { return value_; }
  // Sets the value (brought into the range) without reporting anything.
  void setValue(int value);
  // Up and Down on the box click the increase and decrease arrows.
  void TakeUpAndDownFrom(NumberBox* box);

  QToolButton* decreaseButton() const { return decrease_; }
  QToolButton* increaseButton() const { return increase_; }

 signals:
  void decreaseClicked();
  void increaseClicked();
  void stepped(int value);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void step(int delta);

  QToolButton* decrease_;
  QToolButton* increase_;
  int minimum_ = 0;
  int maximum_ = 0;
  int value_ = 0;
};

}  // namespace kestalon
