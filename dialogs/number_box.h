// The read-only number box of the Show Moves and Replay dialogs.
#pragma once

#include <QLineEdit>

namespace kestalon {

// Shows a whole number that only its dialog sets. Up and Down ask for the next and the
// previous number, as the spinner's arrows do. Assistive technology reads it as a spin button
// whose value is the number, named by its accessible name and described by its description:
// Qt 6.4 reports a line edit's text in runs that make a screen reader drop its last digit.
class NumberBox final : public QLineEdit {
  Q_OBJECT

 public:
  explicit NumberBox(QWidget* parent = nullptr);

  // The numbers the box can show, as assistive technology is told.
  void SetRange(int minimum, int maximum);
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }

 signals:
  void upPressed();
  void downPressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int minimum_ = 0;
  int maximum_ = 0;
};

}  // namespace kestalon
