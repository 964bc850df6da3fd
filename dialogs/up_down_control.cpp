// A spinner of two arrow buttons side by side, with an optional value kept within a range.
#include "dialogs/up_down_control.h"

#include <QToolButton>
#include <algorithm>

#include "dialogs/number_box.h"

namespace kestalon {
namespace {

QToolButton* MakeArrow(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAccessibleName(name);
  button->setToolTip(name);
  return button;
}

}  // namespace

UpDownControl::UpDownControl(const QString& decreaseName, const QString& increaseName,
                             QWidget* parent)
    : QWidget(parent),
      decrease_(MakeArrow(Qt::LeftArrow, decreaseName, this)),
      increase_(MakeArrow(Qt::RightArrow, increaseName, this)) {
  connect(decrease_, &QToolButton::clicked, this, [this] {
    emit decreaseClicked();
    step(-1);
  });
  connect(increase_, &QToolButton::clicked, this, [this] {
    emit increaseClicked();
    step(+1);
  });
}

void UpDownControl::setRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  value_ = std::clamp(value_, minimum_, maximum_);
}

void UpDownControl::setValue(int value) {
  value_ = std::clamp(value, minimum_, maximum_);
}

void UpDownControl::TakeUpAndDownFrom(NumberBox* box) {
  connect(box, &NumberBox::upPressed, increase_, &QToolButton::click);
  connect(box, &NumberBox::downPressed, decrease_, &QToolButton::click);
}

void UpDownControl::step(int delta) {
  value_ = std::clamp(value_ + delta, minimum_, maximum_);
  emit stepped(value_);
}

void UpDownControl::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The two arrows share the whole area, the left one taking the odd pixel.
  const int leftWidth = (width() + 1) / 2;
  decrease_->setGeometry(0, 0, leftWidth, height());
  increase_->setGeometry(leftWidth, 0, width() - leftWidth, height());
}

}  // namespace kestalon
