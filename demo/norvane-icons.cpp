// Draws the program's icons and packs them into img.dat.
//
//   norvane-icons OUT.dat
//
// Every icon is drawn here with plain vector shapes (no fonts, no outside
// artwork), at 32 x 32 pixels and at 64 x 64 for screens scaled to 200 %
// (NAME@2x.png), and stored as PNG entries of a pack archive.

#include "library/packarchive.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>
#include <map>

namespace {

constexpr int kSize = 32;
const QColor kInk(40, 44, 52);
const QColor kBlue(52, 101, 164);
const QColor kGreen(78, 154, 6);
const QColor kRed(204, 0, 0);
const QColor kOrange(245, 121, 0);
const QColor kYellow(237, 212, 0);

QPen Pen(const QColor& c, qreal w) { return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A compact disc: silver face with a rainbow sheen and a hole.
void Disc(QPainter& p, QRectF r) {
    QConicalGradient sheen(r.center(), 30);
    sheen.setColorAt(0.0, QColor(230, 230, 240));
    sheen.setColorAt(0.2, QColor(180, 210, 250));
    sheen.setColorAt(0.4, QColor(250, 250, 250));
    sheen.setColorAt(0.6, QColor(250, 220, 170));
    sheen.setColorAt(0.8, QColor(200, 240, 210));
    sheen.setColorAt(1.0, QColor(230, 230, 240));
    p.setPen(Pen(QColor(120, 120, 130), 1.2));
    p.setBrush(sheen);
    p.drawEllipse(r);
    const qreal hub = r.width() * 0.3;
    p.setBrush(QColor(210, 210, 215));
    p.drawEllipse(QRectF(r.center().x() - hub / 2, r.center().y() - hub / 2, hub, hub));
    const qreal hole = r.width() * 0.12;
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(r.center().x() - hole / 2, r.center().y() - hole / 2, hole, hole));
}

void Badge(QPainter& p, const QColor& c, QPointF centre, qreal radius) {
    p.setPen(Pen(Qt::white, 1.5));
    p.setBrush(c);
    p.drawEllipse(centre, radius, radius);
}

void Plus(QPainter& p, QPointF c, qreal arm) {
    p.setPen(Pen(Qt::white, 2.4));
    p.drawLine(QPointF(c.x() - arm, c.y()), QPointF(c.x() + arm, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - arm), QPointF(c.x(), c.y() + arm));
}

void Cross(QPainter& p, QPointF c, qreal arm, const QColor& colour, qreal width) {
    p.setPen(Pen(colour, width));
    p.drawLine(QPointF(c.x() - arm, c.y() - arm), QPointF(c.x() + arm, c.y() + arm));
    p.drawLine(QPointF(c.x() - arm, c.y() + arm), QPointF(c.x() + arm, c.y() - arm));
}

void Sheet(QPainter& p, QRectF r) {
    p.setPen(Pen(QColor(110, 110, 110), 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 2, 2);
    p.setPen(Pen(kBlue, 1.6));
    for (qreal y = r.top() + 6; y < r.bottom() - 3; y += 5)
        p.drawLine(QPointF(r.left() + 4, y), QPointF(r.right() - 4, y));
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& c) {
    p.setPen(Pen(c, 3));
    p.drawLine(from, to);
    QLineF line(to, from);
    QLineF a = line, b = line;
    a.setLength(6); a.setAngle(line.angle() + 35);
    b.setLength(6); b.setAngle(line.angle() - 35);
    p.drawLine(a);
    p.drawLine(b);
}

void Circle(QPainter& p, const QColor& fill) {
    p.setPen(Pen(fill.darker(130), 1.5));
    p.setBrush(fill);
    p.drawEllipse(QRectF(3, 3, 26, 26));
}

const std::map<std::string, std::function<void(QPainter&)>>& Painters() {
    static const std::map<std::string, std::function<void(QPainter&)>> painters = {
        {"cd.png", [](QPainter& p) { Disc(p, QRectF(2, 2, 28, 28)); }},
        {"cd_add.png", [](QPainter& p) {
             Disc(p, QRectF(1, 1, 26, 26));
             Badge(p, kGreen, QPointF(23, 23), 8);
             Plus(p, QPointF(23, 23), 4.5);
         }},
        {"cd_delete.png", [](QPainter& p) {
             Disc(p, QRectF(1, 1, 26, 26));
             Badge(p, kRed, QPointF(23, 23), 8);
             Cross(p, QPointF(23, 23), 3.5, Qt::white, 2.4);
         }},
        {"cd_burn.png", [](QPainter& p) {
             Disc(p, QRectF(1, 1, 26, 26));
             QPainterPath flame;
             flame.moveTo(23, 31);
             flame.cubicTo(14, 30, 15, 21, 19, 16);
             flame.cubicTo(19, 21, 22, 21, 23, 13);
             flame.cubicTo(28, 18, 32, 29, 23, 31);
             QLinearGradient g(23, 13, 23, 31);
             g.setColorAt(0, kYellow);
             g.setColorAt(1, kOrange.darker(110));
             p.setPen(Pen(kRed, 1));
             p.setBrush(g);
             p.drawPath(flame);
         }},
        {"cd_eject.png", [](QPainter& p) {
             Disc(p, QRectF(1, 1, 24, 24));
             p.setPen(Pen(kInk, 1));
             p.setBrush(kBlue);
             QPolygonF tri;
             tri << QPointF(15, 24) << QPointF(31, 24) << QPointF(23, 15);
             p.drawPolygon(tri);
             p.drawRect(QRectF(15, 27, 16, 3));
         }},
        {"drive_cd.png", [](QPainter& p) {
             QLinearGradient g(0, 8, 0, 26);
             g.setColorAt(0, QColor(235, 235, 235));
             g.setColorAt(1, QColor(170, 170, 175));
             p.setPen(Pen(QColor(90, 90, 95), 1.2));
             p.setBrush(g);
             p.drawRoundedRect(QRectF(2, 9, 28, 16), 2, 2);
             p.setPen(Pen(QColor(90, 90, 95), 1.5));
             p.drawLine(QPointF(6, 15), QPointF(22, 15));
             p.setPen(Qt::NoPen);
             p.setBrush(kGreen);
             p.drawEllipse(QPointF(26, 20), 1.8, 1.8);
         }},
        {"close.png", [](QPainter& p) {
             Circle(p, kRed);
             Cross(p, QPointF(16, 16), 6, Qt::white, 3.2);
         }},
        {"exit.png", [](QPainter& p) {
             p.setPen(Pen(QColor(100, 70, 40), 1.2));
             p.setBrush(QColor(193, 125, 17));
             p.drawRect(QRectF(4, 3, 14, 26));
             p.setBrush(kYellow);
             p.drawEllipse(QPointF(15, 17), 1.3, 1.3);
             Arrow(p, QPointF(15, 16), QPointF(30, 16), kRed);
         }},
        {"folder.png", [](QPainter& p) {
             p.setPen(Pen(QColor(160, 120, 30), 1.2));
             p.setBrush(QColor(240, 200, 90));
             QPainterPath back;
             back.moveTo(2, 8); back.lineTo(12, 8); back.lineTo(14, 11); back.lineTo(29, 11);
             back.lineTo(29, 27); back.lineTo(2, 27); back.closeSubpath();
             p.drawPath(back);
             p.setBrush(QColor(252, 225, 130));
             p.drawRect(QRectF(2, 14, 27, 13));
         }},
        {"help.png", [](QPainter& p) {
             Circle(p, kBlue);
             QPainterPath q;
             q.moveTo(11, 12);
             q.cubicTo(11, 6, 21, 6, 21, 12);
             q.cubicTo(21, 16, 16, 16, 16, 20);
             p.setPen(Pen(Qt::white, 3.2));
             p.setBrush(Qt::NoBrush);
             p.drawPath(q);
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawEllipse(QPointF(16, 24.5), 2, 2);
         }},
        {"about.png", [](QPainter& p) {
             Circle(p, kBlue);
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawEllipse(QPointF(16, 9.5), 2.2, 2.2);
             p.drawRoundedRect(QRectF(14, 14, 4, 11), 1, 1);
         }},
        {"music.png", [](QPainter& p) {
             p.setPen(Pen(kInk, 1));
             p.setBrush(kBlue);
             p.drawEllipse(QRectF(4, 21, 9, 7));
             p.drawEllipse(QRectF(18, 18, 9, 7));
             p.setPen(Pen(kBlue, 2.5));
             p.drawLine(QPointF(12, 24), QPointF(12, 6));
             p.drawLine(QPointF(26, 21), QPointF(26, 3));
             p.setPen(Pen(kBlue, 4));
             p.drawLine(QPointF(12, 6), QPointF(26, 3));
         }},
        {"loadlist.png", [](QPainter& p) {
             Sheet(p, QRectF(8, 2, 20, 27));
             Arrow(p, QPointF(1, 16), QPointF(16, 16), kGreen);
         }},
        {"savelist.png", [](QPainter& p) {
             Sheet(p, QRectF(4, 2, 20, 27));
             p.setPen(Pen(QColor(30, 50, 90), 1));
             p.setBrush(kBlue);
             p.drawRoundedRect(QRectF(17, 17, 14, 14), 1.5, 1.5);
             p.setBrush(Qt::white);
             p.drawRect(QRectF(20, 18, 8, 5));
             p.setBrush(QColor(200, 200, 200));
             p.drawRect(QRectF(20, 25, 8, 5));
         }},
    };
    return painters;
}

// The icon drawn at `scale` times its size: the shapes are vectors, so the
// copy for a screen scaled to 200 % is drawn sharp, not enlarged.
QByteArray Png(const std::function<void(QPainter&)>& paint, int scale) {
    QImage image(kSize * scale, kSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        paint(p);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: norvane-icons OUT.dat\n");
        return 1;
    }
    PackArchive archive;
    for (const auto& [name, paint] : Painters()) {
        for (const int scale : {1, 2}) {
            const QByteArray png = Png(paint, scale);
            const std::string entry = scale == 1 ? name : name.substr(0, name.rfind('.')) + "@2x.png";
            archive.AddPending(PackArchive::EntryFromBytes(entry, std::vector<char>(png.begin(), png.end())));
        }
    }
    // Write replaces OUT only with a complete archive.
    if (!archive.Write(argv[1])) {
        std::fprintf(stderr, "norvane-icons: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
