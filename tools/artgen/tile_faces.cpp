// The symbols on the tile faces: dots, sticks, characters, flowers and seasons.
#include "tools/artgen/tile_faces.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/artgen/glyphs.h"

namespace kestalon::artgen {
namespace {

// The classic tile colours, deep enough to read on the ivory face.
const QColor kInk(24, 26, 44);
const QColor kRed(204, 32, 38);
const QColor kGreen(18, 128, 64);
const QColor kBlue(30, 72, 172);
const QColor kIvory(252, 248, 236);
const QColor kFlowerLabel(178, 28, 44);
const QColor kSeasonLabel(28, 62, 156);

constexpr double kPi = std::numbers::pi;

// The face area with coordinates as fractions of its width and height.
struct Face {
  QPainter& p;
  QRectF r;

  QPointF At(double fx, double fy) const {
    return {r.left() + fx * r.width(), r.top() + fy * r.height()};
  }
  double W(double f) const { return f * r.width(); }
  double H(double f) const { return f * r.height(); }
  // One pixel of the large face: line widths follow the size of the face.
  double Unit() const { return r.width() / 61.0; }
};

QPointF Polar(QPointF centre, double radius, double angle) {
  return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}

void Disk(QPainter& p, QPointF centre, double radius, const QColor& colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(centre, radius, radius);
}

// A pointed leaf or petal from its base along the angle (radians, 0 = right, y down).
QPainterPath LeafPath(QPointF base, double angle, double length, double width) {
  const QPointF tip = Polar(base, length, angle);
  const QPointF mid = Polar(base, length * 0.45, angle);
  const QPointF side = Polar(QPointF(), width * 0.5 * 1.35, angle + kPi / 2);
  QPainterPath path(base);
  path.quadTo(mid + side, tip);
  path.quadTo(mid - side, base);
  path.closeSubpath();
  return path;
}

void Leaf(QPainter& p, QPointF base, double angle, double length, double width,
          const QColor& colour, double vein = 0) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(LeafPath(base, angle, length, width));
  if (vein > 0) {
    p.setPen(QPen(colour.darker(140), vein, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(base, Polar(base, length * 0.8, angle));
  }
}

// ---- Circles ---------------------------------------------------------------------------

// One dot of the circles suit: a coloured disk with an ivory ring and a coloured heart.
void Dot(const Face& f, QPointF centre, double radius, const QColor& colour) {
  Disk(f.p, centre, radius, colour.darker(135));
  Disk(f.p, centre, radius - std::max(0.6, radius * 0.1), colour);
  Disk(f.p, centre, radius * 0.58, kIvory);
  Disk(f.p, centre, radius * 0.38, colour);
  if (radius > 6) Disk(f.p, centre, radius * 0.11, kIvory);
}

// The single circle: one large ornate dot.
void BigDot(const Face& f) {
  const QPointF c = f.At(0.5, 0.5);
  const double r = std::min(f.W(0.5), f.H(0.5)) * 0.94;
  Disk(f.p, c, r, kGreen.darker(135));
  Disk(f.p, c, r * 0.93, kGreen);
  for (int i = 0; i < 12; ++i) {
    Disk(f.p, Polar(c, r * 0.78, i * kPi / 6 + kPi / 12), r * 0.075, kIvory);
  }
  Disk(f.p, c, r * 0.62, kIvory);
  Disk(f.p, c, r * 0.53, kRed);
  for (int i = 0; i < 8; ++i) {
    Disk(f.p, Polar(c, r * 0.4, i * kPi / 4), r * 0.07, kIvory);
  }
  Disk(f.p, c, r * 0.28, kIvory);
  Disk(f.p, c, r * 0.2, kBlue);
  Disk(f.p, c, r * 0.07, kIvory);
}

struct Placed {
  double x, y;
  QColor colour;
};

void Circles(const Face& f, int value) {
  if (value == 1) {
    BigDot(f);
    return;
  }
  // Radii as fractions of the face height.
  static const std::array<double, 10> kRadius = {0,    0,     0.205, 0.175, 0.19,
                                                 0.16, 0.145, 0.128, 0.118, 0.148};
  std::vector<Placed> dots;
  const QColor& b = kBlue;
  const QColor& g = kGreen;
  const QColor& r = kRed;
  switch (value) {
    case 2:
      dots = {{0.5, 0.25, g}, {0.5, 0.75, b}};
      break;
    case 3:
      dots = {{0.24, 0.2, b}, {0.5, 0.5, r}, {0.76, 0.8, g}};
      break;
    case 4:
      dots = {{0.29, 0.26, b}, {0.71, 0.26, g}, {0.29, 0.74, g}, {0.71, 0.74, b}};
      break;
    case 5:
      dots = {{0.23, 0.2, b}, {0.77, 0.2, g}, {0.5, 0.5, r}, {0.23, 0.8, g}, {0.77, 0.8, b}};
      break;
    case 6:
      dots = {{0.3, 0.17, g}, {0.7, 0.17, g}, {0.3, 0.5, r},
              {0.7, 0.5, r},  {0.3, 0.83, r}, {0.7, 0.83, r}};
      break;
    case 7:
      dots = {{0.2, 0.14, g}, {0.5, 0.22, g},  {0.8, 0.3, g},  {0.32, 0.6, r},
              {0.68, 0.6, r}, {0.32, 0.86, r}, {0.68, 0.86, r}};
      break;
    case 8:
      for (double y : {0.125, 0.375, 0.625, 0.875}) {
        dots.push_back({0.31, y, b});
        dots.push_back({0.69, y, b});
      }
      break;
    default:
      for (int row = 0; row < 3; ++row) {
        const QColor& colour = row == 0 ? b : row == 1 ? r : g;
        for (double x : {0.18, 0.5, 0.82}) dots.push_back({x, 0.17 + row * 0.33, colour});
      }
      break;
  }
  for (const Placed& d : dots) Dot(f, f.At(d.x, d.y), f.H(kRadius[value]), d.colour);
}

// ---- Bamboo ----------------------------------------------------------------------------

// One bamboo stick, centred on the point, leaning by the angle (degrees, 0 = upright): a
// rounded cane with a joint in the middle and at both ends, lit from the left.
void Stick(const Face& f, QPointF centre, double length, double width, double angleDeg,
           const QColor& colour) {
  QPainter& p = f.p;
  p.save();
  p.translate(centre);
  p.rotate(angleDeg);
  const double half = length / 2;
  const QRectF body(-width / 2, -half, width, length);
  QLinearGradient shade(body.left(), 0, body.right(), 0);
  shade.setColorAt(0, colour.darker(115));
  shade.setColorAt(0.3, colour.lighter(135));
  shade.setColorAt(1, colour.darker(150));
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  p.drawRoundedRect(body, width / 2, width / 2);
  // Joints: a dark ring a little wider than the cane.
  const double joint = std::max(0.8, length * 0.07);
  p.setBrush(colour.darker(185));
  for (double y : {-half + joint * 0.9, 0.0, half - joint * 0.9}) {
    p.drawRoundedRect(QRectF(-width * 0.6, y - joint / 2, width * 1.2, joint), joint / 2,
                      joint / 2);
  }
  p.restore();
}

// The single bamboo: a bird perched on a short stalk, as old sets draw it.
void Bird(const Face& f) {
  QPainter& p = f.p;
  const double u = f.Unit();
  // Tail feathers fanning down to the right, tipped with eyes.
  const QPointF tailBase = f.At(0.52, 0.55);
  const std::array<double, 5> angles = {10, 32, 54, 76, 98};
  for (std::size_t i = 0; i < angles.size(); ++i) {
    const double a = angles[i] * kPi / 180;
    const QColor colour = i % 2 == 0 ? kGreen : kBlue;
    Leaf(p, tailBase, a, f.H(0.5), f.H(0.15), colour);
    Disk(p, Polar(tailBase, f.H(0.4), a), f.H(0.045), kRed);
  }
  // Body and head.
  p.setPen(Qt::NoPen);
  QRadialGradient plumage(f.At(0.38, 0.42), f.H(0.3));
  plumage.setColorAt(0, kGreen.lighter(140));
  plumage.setColorAt(1, kGreen.darker(120));
  p.setBrush(plumage);
  p.save();
  p.translate(f.At(0.43, 0.5));
  p.rotate(-30);
  p.drawEllipse(QPointF(), f.H(0.26), f.H(0.17));
  p.restore();
  const QPointF head = f.At(0.25, 0.27);
  Disk(p, head, f.H(0.13), kGreen.darker(110));
  // Crest, beak and eye.
  Leaf(p, head + QPointF(0, -f.H(0.08)), -0.6 * kPi, f.H(0.16), f.H(0.07), kRed);
  QPolygonF beak;
  beak << head + QPointF(-f.H(0.08), -f.H(0.04)) << head + QPointF(-f.H(0.24), f.H(0.03))
       << head + QPointF(-f.H(0.07), f.H(0.06));
  p.setBrush(QColor(230, 120, 20));
  p.drawPolygon(beak);
  Disk(p, head + QPointF(-f.H(0.02), -f.H(0.02)), f.H(0.045), kIvory);
  Disk(p, head + QPointF(-f.H(0.025), -f.H(0.02)), f.H(0.025), kInk);
  // Wing.
  Leaf(p, f.At(0.3, 0.48), 0.18 * kPi, f.H(0.36), f.H(0.14), kBlue, 0.7 * u);
  // Legs on a branch.
  p.setPen(QPen(QColor(120, 70, 30), 1.6 * u, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(f.At(0.38, 0.66), f.At(0.34, 0.84));
  p.drawLine(f.At(0.46, 0.64), f.At(0.46, 0.84));
  p.setPen(QPen(QColor(120, 70, 30), 2.6 * u, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(f.At(0.12, 0.86), f.At(0.72, 0.86));
}

struct PlacedStick {
  double x, y, angle;
  QColor colour;
};

void Bamboo(const Face& f, int value) {
  if (value == 1) {
    Bird(f);
    return;
  }
  const double tall = value == 7 || value == 9 ? 0.3 : 0.44;
  const double width = f.W(value >= 6 ? 0.115 : 0.13);
  const QColor& g = kGreen;
  const QColor& b = kBlue;
  const QColor& r = kRed;
  std::vector<PlacedStick> sticks;
  switch (value) {
    case 2:
      sticks = {{0.5, 0.26, 0, g}, {0.5, 0.74, 0, b}};
      break;
    case 3:
      sticks = {{0.5, 0.26, 0, b}, {0.3, 0.74, 0, g}, {0.7, 0.74, 0, g}};
      break;
    case 4:
      sticks = {{0.3, 0.26, 0, b}, {0.7, 0.26, 0, g}, {0.3, 0.74, 0, g}, {0.7, 0.74, 0, b}};
      break;
    case 5:
      sticks = {{0.2, 0.26, 0, g},
                {0.8, 0.26, 0, b},
                {0.5, 0.5, 0, r},
                {0.2, 0.74, 0, b},
                {0.8, 0.74, 0, g}};
      break;
    case 6:
      for (double x : {0.2, 0.5, 0.8}) {
        sticks.push_back({x, 0.26, 0, g});
        sticks.push_back({x, 0.74, 0, b});
      }
      break;
    case 7:
      sticks.push_back({0.5, 0.17, 0, r});
      for (double x : {0.2, 0.5, 0.8}) {
        sticks.push_back({x, 0.5, 0, g});
        sticks.push_back({x, 0.83, 0, g});
      }
      break;
    case 8:
      // Two rows of four, the inner sticks leaning together above and apart below.
      sticks = {{0.12, 0.26, 0, g}, {0.37, 0.26, 24, b},  {0.63, 0.26, -24, b}, {0.88, 0.26, 0, g},
                {0.12, 0.74, 0, g}, {0.37, 0.74, -24, b}, {0.63, 0.74, 24, b},  {0.88, 0.74, 0, g}};
      break;
    default:
      for (int column = 0; column < 3; ++column) {
        const QColor& colour = column == 0 ? g : column == 1 ? r : b;
        for (double y : {0.17, 0.5, 0.83}) sticks.push_back({0.2 + column * 0.3, y, 0, colour});
      }
      break;
  }
  const double narrow = value == 8 ? 0.8 : 1.0;
  for (const PlacedStick& s : sticks) {
    Stick(f, f.At(s.x, s.y), f.H(tall), width * narrow, s.angle, s.colour);
  }
}

// ---- Characters, winds and dragons -----------------------------------------------------

// Pen that thickens the thin strokes of the serif characters a little.
double Embolden(const Face& f) {
  return 0.7 * f.Unit();
}

// The letter in the top-left corner that names an honour tile for western players.
void CornerLetter(const Face& f, const QString& letter, const QColor& colour) {
  FillText(f.p, letter, Latin(f.H(0.3)), f.At(0.13, 0.15), colour);
}

void Craks(const Face& f, int value) {
  static const std::array<char16_t, 9> kNumerals = {u'一', u'二', u'三', u'四', u'五',
                                                    u'六', u'七', u'八', u'九'};
  FillText(f.p, QString(QChar(kNumerals[value - 1])), Cjk(f.H(0.44)), f.At(0.5, 0.23), kInk,
           Embolden(f));
  FillText(f.p, QStringLiteral("萬"), Cjk(f.H(0.52)), f.At(0.5, 0.73), kRed, Embolden(f));
}

void Wind(const Face& f, const QString& character, const QString& letter) {
  FillText(f.p, character, Cjk(f.H(0.74)), f.At(0.57, 0.57), kInk, Embolden(f));
  CornerLetter(f, letter, kBlue);
}

void WhiteDragon(const Face& f) {
  QPainter& p = f.p;
  const double u = f.Unit();
  const QRectF outer(f.At(0.25, 0.16), f.At(0.9, 0.9));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kBlue, 3.2 * u, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(outer.adjusted(1.6 * u, 1.6 * u, -1.6 * u, -1.6 * u));
  p.setPen(QPen(kBlue, 1.2 * u, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(outer.adjusted(6 * u, 6 * u, -6 * u, -6 * u));
  CornerLetter(f, QStringLiteral("P"), kBlue);
}

void Dragon(const Face& f, int kind) {
  switch (kind) {
    case 9:
      FillText(f.p, QStringLiteral("中"), Cjk(f.H(0.76)), f.At(0.57, 0.57), kRed, Embolden(f));
      CornerLetter(f, QStringLiteral("C"), kRed);
      break;
    case 10:
      WhiteDragon(f);
      break;
    default:
      FillText(f.p, QStringLiteral("發"), Cjk(f.H(0.74)), f.At(0.57, 0.57), kGreen, Embolden(f));
      CornerLetter(f, QStringLiteral("F"), kGreen);
      break;
  }
}

// ---- Flowers and seasons ---------------------------------------------------------------

// Each motif is drawn round a centre with a radius that fits above the label.
struct Motif {
  const Face& f;
  QPointF c;
  double r;
  double u;
};

void Plum(const Motif& m) {
  QPainter& p = m.f.p;
  const QColor bark(110, 66, 34);
  p.setPen(QPen(bark, 2.4 * m.u, Qt::SolidLine, Qt::RoundCap));
  QPainterPath branch(m.c + QPointF(-m.r * 1.2, m.r * 0.9));
  branch.quadTo(m.c + QPointF(-m.r * 0.2, m.r * 0.5), m.c + QPointF(m.r * 1.15, -m.r * 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawPath(branch);
  const QPointF bloom = m.c + QPointF(-m.r * 0.1, -m.r * 0.05);
  const QColor petal(226, 72, 108);
  for (int i = 0; i < 5; ++i) {
    const double a = -kPi / 2 + i * 2 * kPi / 5;
    Disk(p, Polar(bloom, m.r * 0.42, a), m.r * 0.36, petal.darker(115));
    Disk(p, Polar(bloom, m.r * 0.42, a), m.r * 0.3, petal);
  }
  Disk(p, bloom, m.r * 0.26, QColor(250, 210, 70));
  for (int i = 0; i < 5; ++i) {
    Disk(p, Polar(bloom, m.r * 0.16, kPi / 2 + i * 2 * kPi / 5), m.r * 0.05, kRed);
  }
  Disk(p, m.c + QPointF(m.r * 0.95, -m.r * 0.55), m.r * 0.17, petal);
}

void BambooFlower(const Motif& m) {
  QPainter& p = m.f.p;
  const QColor stem(40, 140, 70);
  p.setPen(QPen(stem, 3.2 * m.u, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(m.c + QPointF(-m.r * 0.15, m.r * 1.05), m.c + QPointF(m.r * 0.05, -m.r * 1.05));
  p.setPen(QPen(stem.darker(160), 1.4 * m.u));
  for (double t : {-0.45, 0.35}) {
    const QPointF node = m.c + QPointF(-m.r * 0.05 + t * -0.1 * m.r, t * m.r);
    p.drawLine(node + QPointF(-1.8 * m.u, 0), node + QPointF(1.8 * m.u, 0));
  }
  const QColor leaf(26, 110, 52);
  const QPointF upper = m.c + QPointF(-m.r * 0.02, -m.r * 0.45);
  const QPointF lower = m.c + QPointF(-m.r * 0.1, m.r * 0.35);
  Leaf(p, upper, -0.12 * kPi, m.r * 1.1, m.r * 0.42, leaf, 0.6 * m.u);
  Leaf(p, upper, -0.7 * kPi, m.r * 0.85, m.r * 0.36, leaf.lighter(120), 0.6 * m.u);
  Leaf(p, lower, 0.93 * kPi, m.r * 1.05, m.r * 0.42, leaf, 0.6 * m.u);
  Leaf(p, lower, 0.12 * kPi, m.r * 0.85, m.r * 0.36, leaf.lighter(125), 0.6 * m.u);
}

void Chrysanthemum(const Motif& m) {
  QPainter& p = m.f.p;
  const QColor outer(236, 176, 24);
  const QColor inner(224, 120, 20);
  for (int i = 0; i < 16; ++i) {
    Leaf(p, m.c, i * kPi / 8, m.r * 1.05, m.r * 0.3, outer.darker(112));
  }
  for (int i = 0; i < 16; ++i) {
    Leaf(p, m.c, i * kPi / 8 + kPi / 16, m.r * 0.8, m.r * 0.26, outer);
  }
  for (int i = 0; i < 10; ++i) {
    Leaf(p, m.c, i * kPi / 5, m.r * 0.5, m.r * 0.22, inner);
  }
  Disk(p, m.c, m.r * 0.22, QColor(150, 70, 20));
}

void Orchid(const Motif& m) {
  QPainter& p = m.f.p;
  const QColor leaf(30, 120, 60);
  const QPointF root = m.c + QPointF(0, m.r * 1.05);
  Leaf(p, root, -0.86 * kPi, m.r * 1.3, m.r * 0.2, leaf);
  Leaf(p, root, -0.14 * kPi, m.r * 1.3, m.r * 0.2, leaf);
  Leaf(p, root, -0.62 * kPi, m.r * 0.9, m.r * 0.18, leaf.lighter(120));
  const QPointF bloom = m.c + QPointF(0, -m.r * 0.2);
  const QColor sepal(150, 70, 178);
  const QColor petal(194, 122, 212);
  for (double a : {-90.0, 25.0, 155.0}) {
    Leaf(p, bloom, a * kPi / 180, m.r * 0.95, m.r * 0.5, sepal);
  }
  for (double a : {-28.0, -152.0}) Leaf(p, bloom, a * kPi / 180, m.r * 0.75, m.r * 0.48, petal);
  Leaf(p, bloom, kPi / 2, m.r * 0.62, m.r * 0.5, QColor(116, 36, 128));
  Disk(p, bloom, m.r * 0.15, QColor(250, 214, 60));
}

void Spring(const Motif& m) {
  QPainter& p = m.f.p;
  const QColor soil(132, 84, 44);
  p.setPen(Qt::NoPen);
  p.setBrush(soil);
  p.drawEllipse(m.c + QPointF(0, m.r * 0.98), m.r * 0.8, m.r * 0.22);
  const QColor stem(60, 150, 50);
  p.setPen(QPen(stem, 2.0 * m.u, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath shoot(m.c + QPointF(0, m.r * 0.9));
  shoot.quadTo(m.c + QPointF(m.r * 0.15, m.r * 0.2), m.c + QPointF(0, -m.r * 0.35));
  p.drawPath(shoot);
  const QPointF top = m.c + QPointF(0, -m.r * 0.3);
  Leaf(p, top, -0.92 * kPi, m.r * 1.05, m.r * 0.55, QColor(90, 170, 60), 0.6 * m.u);
  Leaf(p, top, -0.08 * kPi, m.r * 1.05, m.r * 0.55, QColor(70, 156, 50), 0.6 * m.u);
  Leaf(p, top, -0.5 * kPi, m.r * 0.7, m.r * 0.36, QColor(236, 110, 140));
}

void Summer(const Motif& m) {
  QPainter& p = m.f.p;
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 12; ++i) {
    const double a = i * kPi / 6;
    const double reach = i % 2 == 0 ? 1.1 : 0.92;
    QPolygonF ray;
    ray << Polar(m.c, m.r * 0.55, a - 0.2) << Polar(m.c, m.r * reach, a)
        << Polar(m.c, m.r * 0.55, a + 0.2);
    p.setBrush(i % 2 == 0 ? QColor(236, 120, 20) : QColor(244, 176, 30));
    p.drawPolygon(ray);
  }
  QRadialGradient glow(m.c - QPointF(m.r * 0.15, m.r * 0.15), m.r * 0.65);
  glow.setColorAt(0, QColor(255, 226, 90));
  glow.setColorAt(1, QColor(238, 120, 24));
  p.setBrush(glow);
  p.drawEllipse(m.c, m.r * 0.6, m.r * 0.6);
}

void Autumn(const Motif& m) {
  QPainter& p = m.f.p;
  // Right half of a maple leaf, tip at the top; mirrored for the left half.
  static const std::array<QPointF, 13> kHalf = {
      QPointF(0.00, -1.00), QPointF(0.14, -0.64), QPointF(0.32, -0.74), QPointF(0.26, -0.36),
      QPointF(0.74, -0.60), QPointF(0.60, -0.28), QPointF(0.96, -0.14), QPointF(0.68, 0.00),
      QPointF(0.76, 0.18),  QPointF(0.38, 0.18),  QPointF(0.42, 0.42),  QPointF(0.12, 0.32),
      QPointF(0.05, 0.40)};
  QPolygonF leaf;
  for (const QPointF& q : kHalf) leaf << m.c + q * m.r;
  for (auto it = kHalf.rbegin() + 1; it != kHalf.rend() - 1; ++it) {
    leaf << m.c + QPointF(-it->x(), it->y()) * m.r;
  }
  const QColor maple(214, 82, 28);
  p.setPen(QPen(QColor(150, 60, 20), 1.1 * m.u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QRadialGradient tint(m.c, m.r);
  tint.setColorAt(0, QColor(236, 150, 30));
  tint.setColorAt(1, maple);
  p.setBrush(tint);
  p.drawPolygon(leaf);
  p.setPen(QPen(QColor(150, 50, 16), 1.0 * m.u, Qt::SolidLine, Qt::RoundCap));
  const QPointF base = m.c + QPointF(0, m.r * 0.3);
  for (const QPointF& q : {QPointF(0, -0.9), QPointF(0.66, -0.52), QPointF(-0.66, -0.52),
                           QPointF(0.86, -0.1), QPointF(-0.86, -0.1)}) {
    p.drawLine(base, m.c + q * m.r);
  }
  p.setPen(QPen(QColor(120, 60, 20), 1.5 * m.u, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(base, m.c + QPointF(m.r * 0.1, m.r * 1.1));
}

void Winter(const Motif& m) {
  QPainter& p = m.f.p;
  const QColor ice(40, 110, 200);
  p.setPen(QPen(ice, std::max(1.0, 2.0 * m.u), Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 6; ++i) {
    const double a = -kPi / 2 + i * kPi / 3;
    p.drawLine(m.c, Polar(m.c, m.r * 1.05, a));
    for (double along : {0.45, 0.75}) {
      const QPointF from = Polar(m.c, m.r * along, a);
      const double twig = m.r * (along < 0.5 ? 0.32 : 0.24);
      p.drawLine(from, Polar(from, twig, a - kPi / 4));
      p.drawLine(from, Polar(from, twig, a + kPi / 4));
    }
  }
  Disk(p, m.c, m.r * 0.16, ice);
  Disk(p, m.c, m.r * 0.07, kIvory);
}

void FlowerOrSeason(const Face& f, int kind) {
  static const std::array<const char*, 8> kLabels = {"PLUM", "BAM", "MUM", "ORC",
                                                     "SPR",  "SUM", "AUT", "WIN"};
  const Motif m{f, f.At(0.5, 0.37), f.H(0.34), f.Unit()};
  switch (kind) {
    case 1:
      Plum(m);
      break;
    case 2:
      BambooFlower(m);
      break;
    case 3:
      Chrysanthemum(m);
      break;
    case 4:
      Orchid(m);
      break;
    case 5:
      Spring(m);
      break;
    case 6:
      Summer(m);
      break;
    case 7:
      Autumn(m);
      break;
    default:
      Winter(m);
      break;
  }
  const QString label = QString::fromLatin1(kLabels[kind - 1]);
  // One size for every label, small enough that the widest fits the face.
  TextStyle style = Latin(f.H(0.26));
  const double widest = InkSize(QStringLiteral("PLUM"), style).width();
  if (widest > f.W(0.88)) style.pixelSize *= f.W(0.88) / widest;
  FillText(f.p, label, style, f.At(0.5, 0.87), kind <= 4 ? kFlowerLabel : kSeasonLabel);
}

}  // namespace

void DrawFaceSymbol(QPainter& painter, const QRectF& area, int kind) {
  if (kind < 1 || kind > 42) return;  // a blank face
  const Face face{painter, area};
  painter.save();
  if (kind <= 8) {
    FlowerOrSeason(face, kind);
  } else if (kind <= 11) {
    Dragon(face, kind);
  } else if (kind <= 15) {
    static const std::array<const char16_t*, 4> kWinds = {u"東", u"西", u"北", u"南"};
    static const std::array<const char*, 4> kLetters = {"E", "W", "N", "S"};
    Wind(face, QString::fromUtf16(kWinds[kind - 12]), QString::fromLatin1(kLetters[kind - 12]));
  } else if (kind <= 24) {
    Circles(face, kind - 15);
  } else if (kind <= 33) {
    Craks(face, kind - 24);
  } else {
    Bamboo(face, kind - 33);
  }
  painter.restore();
}

}  // namespace kestalon::artgen
