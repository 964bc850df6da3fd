// A checkable menu item as assistive technology reads it: a menu item of its menu, described as
// not checked while it is off, and pressing it toggles it.
#include "shell/menu_accessibility.h"

#include <QAccessibleActionInterface>
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPointer>

namespace kestalon {
namespace {

class CheckMenuItemAccessible final : public QAccessibleInterface,
                                      public QAccessibleActionInterface {
 public:
  CheckMenuItemAccessible(QAction* action, QMenu* menu) : action_(action), menu_(menu) {}

  bool isValid() const override { return action_ && menu_; }
  QObject* object() const override { return action_; }
  QWindow* window() const override { return menu_ ? menu_->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(menu_);
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  // A menu's own interface counts only menu items among its children.
  QAccessible::Role role() const override { return QAccessible::MenuItem; }

  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    if (t == QAccessible::Name) return action_->iconText();
    if (t == QAccessible::Description && !action_->isChecked())
      return QCoreApplication::translate("CheckMenuItem", "not checked");
    return {};
  }

  QRect rect() const override {
    if (!isValid()) return {};
    return menu_->actionGeometry(action_).translated(menu_->mapToGlobal(QPoint(0, 0)));
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) return state;
    state.invisible = !menu_->isVisible() || !action_->isVisible();
    state.focused = menu_->activeAction() == action_;
    state.focusable = true;
    state.disabled = !action_->isEnabled();
    state.checkable = true;
    state.checked = action_->isChecked();
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }
  QStringList actionNames() const override { return {toggleAction()}; }
  void doAction(const QString& name) override {
    if (isValid() && name == toggleAction() && action_->isEnabled()) action_->trigger();
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<QAction> action_;
  QPointer<QMenu> menu_;
};

QAccessibleInterface* CheckMenuItemFactory(const QString&, QObject* object) {
  auto* action = qobject_cast<QAction*>(object);
  if (!action || !action->isCheckable()) return nullptr;
  for (QObject* shownIn : action->associatedObjects()) {
    if (auto* menu = qobject_cast<QMenu*>(shownIn))
      return new CheckMenuItemAccessible(action, menu);
  }
  return nullptr;
}

}  // namespace

void InstallCheckMenuItemAccessibility() {
  QAccessible::installFactory(CheckMenuItemFactory);  // Qt installs a factory only once
}

}  // namespace kestalon
