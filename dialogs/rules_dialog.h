// The Rules dialog: the title picture and the rules of the game in a read-only text box.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace kestalon {

class RulesDialog : public QDialog {
  Q_OBJECT

 public:
  explicit RulesDialog(QWidget* parent = nullptr);

  QPlainTextEdit* rulesBox() const { return rulesBox_; }

 private:
  QPlainTextEdit* rulesBox_;
};

}  // namespace kestalon
