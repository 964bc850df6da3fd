// kestalon_artgen: writes the game's tile pictures, dialog pictures, icons and sounds.
//   kestalon_artgen ASSETS_DIR                     draw everything into ASSETS_DIR
//   kestalon_artgen --preview ASSETS_DIR OUT_DIR   draw preview sheets of what is there
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "tools/artgen/dialog_pictures.h"
#include "tools/artgen/glyphs.h"
#include "tools/artgen/preview_sheet.h"
#include "tools/artgen/sounds.h"
#include "tools/artgen/tile_body.h"

namespace {

using namespace kestalon::artgen;

bool SavePicture(const QImage& image, const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "kestalon_artgen: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool SaveBytes(const QByteArray& bytes, const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "kestalon_artgen: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool WriteTiles(const QString& dir) {
  for (bool large : {true, false}) {
    const TileGeometry size = large ? kLargeTile : kRegularTile;
    const QString folder =
        dir + (large ? QStringLiteral("/tiles/large") : QStringLiteral("/tiles/regular"));
    for (int kind = 1; kind <= 42; ++kind) {
      const QString stem =
          QStringLiteral("%1/tile%2").arg(folder).arg(kind, 2, 10, QLatin1Char('0'));
      if (!SavePicture(WithWhiteSurround(RenderTile(size, kind)), stem + QStringLiteral(".png")) ||
          !SavePicture(WithWhiteSurround(RenderTile(size.AtScale(2), kind)),
                       stem + QStringLiteral("@2x.png"))) {
        return false;
      }
    }
  }
  return true;
}

bool WritePictures(const QString& dir) {
  struct Picture {
    const char* name;
    std::function<QImage(int)> draw;
  };
  const std::vector<Picture> pictures = {
      {"well_done_face", WellDoneFace}, {"no_moves_sign", NoMovesSign}, {"title", TitlePicture}};
  for (const Picture& picture : pictures) {
    const QString stem = QStringLiteral("%1/pictures/%2").arg(dir, QLatin1String(picture.name));
    if (!SavePicture(picture.draw(1), stem + QStringLiteral(".png")) ||
        !SavePicture(picture.draw(2), stem + QStringLiteral("@2x.png"))) {
      return false;
    }
  }
  for (int size : {16, 32, 48, 64, 128, 256}) {
    if (!SavePicture(ProgramIcon(size),
                     QStringLiteral("%1/icons/%2/pc-kestalon.png").arg(dir).arg(size))) {
      return false;
    }
  }
  return true;
}

bool WriteSounds(const QString& dir) {
  return SaveBytes(WavFile(AlertSound()), dir + QStringLiteral("/sounds/alert.wav")) &&
         SaveBytes(WavFile(WellDoneSound()), dir + QStringLiteral("/sounds/welldone.wav")) &&
         SaveBytes(WavFile(GameOverSound()), dir + QStringLiteral("/sounds/gameover.wav"));
}

int Usage() {
  std::fprintf(stderr,
               "usage: kestalon_artgen ASSETS_DIR\n"
               "       kestalon_artgen --preview ASSETS_DIR OUT_DIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // Drawing needs fonts but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);

  if (!args.isEmpty() && args.first() == QStringLiteral("--preview")) {
    if (args.size() != 3) return Usage();
    return WritePreviewSheets(args[1], args[2]) ? EXIT_SUCCESS : EXIT_FAILURE;
  }
  if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) return Usage();

  const QStringList missing = MissingFonts();
  if (!missing.isEmpty()) {
    std::fprintf(stderr,
                 "kestalon_artgen: missing fonts: %s (install fonts-noto-core and "
                 "fonts-noto-cjk)\n",
                 qPrintable(missing.join(QStringLiteral(", "))));
    return EXIT_FAILURE;
  }
  const QString& dir = args.first();
  if (!WriteTiles(dir) || !WritePictures(dir) || !WriteSounds(dir)) return EXIT_FAILURE;
  std::printf("kestalon_artgen: wrote the art into %s\n", qPrintable(dir));
  return EXIT_SUCCESS;
}
