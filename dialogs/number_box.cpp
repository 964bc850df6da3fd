// The number box, and what assistive technology reads of it.
#include "dialogs/number_box.h"

#include <QAccessibleWidget>
#include <QKeyEvent>

namespace kestalon {
namespace {

class NumberBoxAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit NumberBoxAccessible(NumberBox* box) : QAccessibleWidget(box, QAccessible::SpinBox) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Box().text();
    return QAccessibleWidget::text(t);
  }

  QVariant currentValue() const override { return Box().text().toInt(); }
  void setCurrentValue(const QVariant&) override {}  // only its dialog sets the number
  QVariant maximumValue() const override { return Box().maximum(); }
  QVariant minimumValue() const override { return Box().minimum(); }
  QVariant minimumStepSize() const override { return 1; }

 private:
  const NumberBox& Box() const { return *static_cast<const NumberBox*>(widget()); }
};

QAccessibleInterface* NumberBoxFactory(const QString&, QObject* object) {
  if (auto* box = qobject_cast<NumberBox*>(object)) return new NumberBoxAccessible(box);
  return nullptr;
}

// Qt asks the factories only for an object it has not met yet, so the factory is installed
// (Qt installs it once however often asked) before the box is made; this passes the box's
// parent on to its constructor.
QWidget* InstallingTheFactory(QWidget* parent) {
  QAccessible::installFactory(NumberBoxFactory);
  return parent;
}

}  // namespace

NumberBox::NumberBox(QWidget* parent) : QLineEdit(InstallingTheFactory(parent)) {
  setReadOnly(true);
}

void NumberBox::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == 0;
  if (plain && event->key() == Qt::Key_Up) {
    emit upPressed();
  } else if (plain && event->key() == Qt::Key_Down) {
    emit downPressed();
  } else {
    QLineEdit::keyPressEvent(event);
  }
}

}  // namespace kestalon
