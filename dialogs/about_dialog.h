// The About dialog: title picture, version, build, maker and the artwork credit.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace kestalon {

// "PC Kestalon v 1. 63": each number with the blank reserved for its sign.
QString AboutTitleText();
// "Build  1624 (25-04-01)".
QString AboutBuildText();
inline constexpr const char* kMakerText = "Morvane Software";
inline constexpr const char* kArtworkCreditText =
    "Tile artwork drawn for PC Kestalon by its own generator";

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);

  // Fills the four labels from the version record.
  void Load();

 private:
  QLabel* title_;
  QLabel* build_;
  QLabel* maker_;
  QLabel* tiles_;
};

}  // namespace kestalon
