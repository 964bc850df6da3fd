// Every dialog at its designed client size, with each control at its designed place and
// under its name (designs in twips, 15 to a pixel).
#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "dialogs/about_dialog.h"
#include "dialogs/replay_dialog.h"
#include "dialogs/result_dialogs.h"
#include "dialogs/rules_dialog.h"
#include "dialogs/show_moves_dialog.h"
#include "dialogs/status_dialog.h"
#include "tests/support/fake_runtime.h"
#include "tests/support/qt_test_environment.h"

using namespace kestalon;

namespace {

struct Place {
  const char* name;
  int left, top, width, height;  // twips
};

struct Design {
  std::function<std::unique_ptr<QDialog>()> make;
  const char* name;
  const char* caption;
  int width, height;  // twips
  std::vector<Place> controls;
};

QRect Pixels(const Place& p) {
  const auto px = [](int twips) { return static_cast<int>(twips / 15.0 + 0.5); };
  return {px(p.left), px(p.top), px(p.width), px(p.height)};
}

template <typename Dialog>
std::function<std::unique_ptr<QDialog>()> Maker() {
  return [] { return std::make_unique<Dialog>(); };
}

// clang-format off
const std::vector<Design>& Designs() {
  static const std::vector<Design> designs{
      {Maker<ShowMovesDialog>(), "Kestalon_Show_Moves", "PC Kestalon - Show Moves", 2610, 1455,
       {{"Text1", 720, 120, 1095, 405}, {"UpDown1", 720, 480, 1095, 285},
        {"Command1", 840, 960, 855, 375}}},
      {Maker<ReplayDialog>(), "Kestalon_Replay", "PC Kestalon - Replay", 2610, 1455,
       {{"Text1", 720, 120, 1095, 375}, {"UpDown1", 720, 480, 1095, 288},
        {"Command1", 840, 960, 855, 375}}},
      {Maker<StatusDialog>(), "Kestalon_Status", "PC Kestalon - Status", 3630, 1485,
       {{"Label1", 720, 120, 1335, 255}, {"Tiles_Remain", 2160, 120, 735, 255},
        {"Label2", 600, 600, 1455, 255}, {"Moves", 2160, 600, 735, 255},
        {"Command1", 1440, 1080, 855, 375}}},
      {Maker<AboutDialog>(), "About_Kestalon", "About Kestalon", 6300, 2730,
       {{"InfoLogo", 120, 240, 3240, 1770}, {"Kesta_Title", 3480, 240, 2775, 255},
        {"Kesta_Build", 3480, 600, 2775, 255}, {"Kesta_Maker", 3480, 1080, 2775, 255},
        {"Kesta_Tiles", 3480, 1440, 2775, 495}, {"Close_About", 2760, 2160, 855, 375}}},
      {Maker<RulesDialog>(), "About_Rules", "PC Kestalon Rules", 6795, 6225,
       {{"InfoLogo", 1680, 120, 3240, 1770}, {"Frame1", 120, 2160, 6615, 3135},
        {"Game_rules", 120, 240, 6375, 2775},  // inside Frame1
        {"OK_Button", 2880, 5640, 855, 375}}},
      {Maker<WellDoneDialog>(), "Well_done", "Congratulations", 3735, 1425,
       {{"Image1", 120, 0, 855, 750}, {"Label1", 1080, 120, 2535, 615},
        {"Command1", 1080, 960, 1572, 372}}},
      {Maker<NoAvailableMoveDialog>(), "No_available_move", "No Available Moves", 3675, 1425,
       {{"Image1", 120, 120, 735, 675}, {"Label1", 1080, 360, 2535, 255},
        {"NAM_New_Game", 1440, 960, 975, 375}}},
  };
  return designs;
}
// clang-format on

}  // namespace

class DialogLayoutTest : public QObject {
  Q_OBJECT

 public:
  static void initMain() { kestalon::testing::PinQtTestEnvironment(); }

 private slots:
  void clientSizesPlacesAndNames() {
    kestalon::testing::FakeGame game;
    for (const Design& design : Designs()) {
      const std::unique_ptr<QDialog> dialog = design.make();
      QCOMPARE(dialog->objectName(), QLatin1String(design.name));
      QCOMPARE(dialog->windowTitle(), QLatin1String(design.caption));
      dialog->show();
      QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
      QCOMPARE(dialog->size(), QSize(design.width / 15, design.height / 15));
      QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
      for (const Place& place : design.controls) {
        auto* control = dialog->findChild<QWidget*>(QLatin1String(place.name));
        QVERIFY2(control, place.name);
        QCOMPARE(control->geometry(), Pixels(place));
        QVERIFY2(control->isVisible(), place.name);
      }
      // Every control a player reads or uses carries a name a screen reader can speak.
      if (auto* about = qobject_cast<AboutDialog*>(dialog.get())) about->Load();
      for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(widget);
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        if (widget->focusPolicy() == Qt::NoFocus && !label) continue;
        QVERIFY2(!widget->accessibleName().isEmpty() || (label && !label->text().isEmpty()) ||
                     (button && !button->text().isEmpty()),
                 qPrintable(dialog->objectName() + "/" + widget->objectName()));
      }
    }
  }

  void fonts() {
    kestalon::testing::FakeGame game;
    const struct {
      int design;  // index in Designs()
      const char* control;
      qreal pointSize;
      bool bold;
    } kFonts[] = {{0, "Text1", 9.75, true},     {1, "Text1", 9.75, true},
                  {1, "Command1", 8.25, false}, {2, "Tiles_Remain", 9.75, true},
                  {2, "Moves", 9.75, true},     {5, "Label1", 24, false}};
    for (const auto& font : kFonts) {
      const std::unique_ptr<QDialog> dialog = Designs()[font.design].make();
      auto* widget = dialog->findChild<QWidget*>(QLatin1String(font.control));
      QVERIFY2(widget, font.control);
      const QFontInfo info(widget->font());
      QCOMPARE(widget->font().pointSizeF(), font.pointSize);
      QCOMPARE(info.bold(), font.bold);
      QVERIFY2(info.family() == "Noto Sans" || info.family() == "DejaVu Sans",
               qPrintable(info.family()));
    }
  }

  void numberBoxesAreReadOnlyAndCentred() {
    kestalon::testing::FakeGame game;
    ShowMovesDialog showMoves;
    ReplayDialog replay;
    for (QLineEdit* box : {showMoves.numberBox(), replay.numberBox()}) {
      QVERIFY(box->isReadOnly());
      QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
      const QString before = box->text();
      box->setFocus();
      QTest::keyClicks(box, QStringLiteral("9"));
      QTest::keyClick(box, Qt::Key_Backspace);
      QCOMPARE(box->text(), before);
    }
  }
};

QTEST_MAIN(DialogLayoutTest)
#include "dialog_layout_test.moc"
