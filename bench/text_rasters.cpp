// Paints texts of every justification, rotation and width factor at a few zooms to PNG files, so that
// two builds' text painting can be compared pixel by pixel (short_*.png) and long lines looked at (long_*.png).
#include "platform/cad/model/document_model.h"
#include "platform/cad/window/drawing_view_colors.h"
#include "platform/cad/window/drawing_view_renderer.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

constexpr double kPi = 3.14159265358979323846;

cad::EntityData text(cad::EntityKind kind, const QString& s, const cad::Point& at, double height, short color)
{
    cad::EntityData t;
    t.kind = kind;
    t.text = s;
    t.insertion = t.alignment = at;
    t.height = height;
    t.color = color;
    return t;
}

cad::EntityData line(const cad::Point& from, const cad::Point& to)
{
    cad::EntityData l;
    l.kind = cad::EntityKind::Line;
    l.start = from;
    l.end = to;
    l.color = 1;
    return l;
}

// Every TEXT justification the file can give (horizontal, vertical), each turned and stretched
// several ways, and every MTEXT attachment; the strings mix Chinese, Latin and control codes, and
// reach up to the length that is still laid out whole.
void addShortTexts(cad::DocumentModel& model)
{
    const QString strings[] = {QStringLiteral("综合楼 A-1"), QStringLiteral("%%c20 避雷针 h=25m"),
                               QString(QStringLiteral("防雷保护范围计算 Rx=12.5 ")).repeated(11).left(256)};
    const std::pair<int, int> justifications[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {0, 1}, {1, 1},
                                                  {2, 1}, {0, 2}, {1, 2}, {2, 2}, {0, 3}, {1, 3}, {2, 3}};
    const double rotations[] = {0, 30, 90, 200};
    const double widthFactors[] = {1, 0.6, 1.8};
    double y = 0;
    short color = 1;
    for (const QString& s : strings) {
        const double cellWidth = s.size() > 100 ? 700 : 60;
        for (const auto& [h, v] : justifications) {
            double x = 0;
            for (const double rotation : rotations)
                for (const double factor : widthFactors) {
                    cad::EntityData t = text(cad::EntityKind::Text, s, {x, y, 0}, 2.5, color);
                    t.alignment = {x + 5, y + 1, 0};
                    t.hAlign = h;
                    t.vAlign = v;
                    t.rotation = rotation * kPi / 180;
                    t.widthFactor = factor;
                    model.add(t);
                    x += cellWidth;
                    color = static_cast<short>(color % 7 + 1);
                }
            y -= 30;
        }
    }
    for (int a = 1; a <= 9; ++a) {
        cad::EntityData m = text(cad::EntityKind::MText, QStringLiteral("避雷针\\P保护范围 Rx=12.5\\P%%c20"),
                                 {a * 60.0, y, 0}, 2.5, static_cast<short>(a % 7 + 1));
        m.attachment = a;
        model.add(m);
        m.rotation = 0.5;
        m.insertion = {a * 60.0, y - 30, 0};
        model.add(m);
    }
}

// 270 characters on one line at height 1, centred, middle, right-aligned, as TEXT and MTEXT, each
// with a red line through its alignment point; and one left-aligned for comparison.
void addLongLines(cad::DocumentModel& model)
{
    const QString s = QStringLiteral("防雷保护范围计算").repeated(34).left(270);
    struct Kind {
        cad::EntityKind kind;
        int hAlign, vAlign, attachment;
    };
    const Kind kinds[] = {{cad::EntityKind::Text, 0, 0, 1},  {cad::EntityKind::Text, 1, 0, 1},
                          {cad::EntityKind::Text, 4, 0, 1},  {cad::EntityKind::Text, 2, 0, 1},
                          {cad::EntityKind::MText, 0, 0, 2}, {cad::EntityKind::MText, 0, 0, 6}};
    double y = 0;
    for (const Kind& k : kinds) {
        cad::EntityData t = text(k.kind, s, {0, y, 0}, 1, 3);
        t.hAlign = k.hAlign;
        t.vAlign = k.vAlign;
        t.attachment = k.attachment;
        model.add(t);
        model.add(line({0, y - 1.5, 0}, {0, y + 2.5, 0}));
        y -= 4;
    }
}

void paint(const cad::DocumentModel& model, const cad::ViewTransform& view, const QString& file)
{
    QImage image(view.size.toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(cad::drawingBackground());
    {
        QPainter painter(&image);
        cad::DrawingRenderer renderer(model, view);
        renderer.paintView(painter, cad::placedReferences(model));
    }
    if (!image.save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

// The plan fitted, and zoomed in by `zooms` about a few points of it.
void paintZooms(const cad::DocumentModel& model, const QString& prefix, const QList<cad::Point>& centres,
                const QList<double>& scales)
{
    cad::ViewTransform view;
    view.size = QSizeF(1600, 1000);
    if (const auto extents = cad::drawingExtents(model, cad::placedReferences(model)))
        view.fit(*extents);
    paint(model, view, prefix + QStringLiteral("fit.png"));
    int n = 0;
    for (const cad::Point& c : centres)
        for (const double scale : scales) {
            view.cx = c[0];
            view.cy = c[1];
            view.scale = scale;
            paint(model, view, prefix + QString::number(n++) + QStringLiteral(".png"));
        }
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);

    cad::DocumentModel shortTexts(nullptr);
    shortTexts.setDefaultTables();
    addShortTexts(shortTexts);
    paintZooms(shortTexts, dir + QStringLiteral("/short_"),
               {{300, -200, 0}, {30, -400, 0}, {3000, -1000, 0}, {250, -1380, 0}}, {1.5, 4, 12, 40});

    cad::DocumentModel longLines(nullptr);
    longLines.setDefaultTables();
    addLongLines(longLines);
    paintZooms(longLines, dir + QStringLiteral("/long_"), {{0, -10, 0}, {-140, -10, 0}, {140, -10, 0}}, {5, 12});
    return 0;
}
