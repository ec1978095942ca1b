// Makes the shipped drawings with the engine itself: the template RIDE.dwt and the glossary drawing.
//
// Run by the update_drawings target; the results are kept in this folder and copied beside the
// executable at build time.
#include "platform/cad/application.h"
#include "platform/cad/document_model.h"
#include "platform/cad/engine.h"

#include <QDir>
#include <QGuiApplication>
#include <cmath>
#include <cstdio>

namespace {

using cad::Point;

constexpr double kPi = 3.14159265358979323846;

// Layers of the template: one for each kind of line the drawing panels make.
void addTemplateTables(cad::DocumentModel& model)
{
    model.setDefaultTables();
    auto& t = model.tables();
    t.layers.push_back({QStringLiteral("地面范围"), 1, QStringLiteral("CONTINUOUS"), 0, -3});
    t.layers.push_back({QStringLiteral("目标高度范围"), 6, QStringLiteral("CONTINUOUS"), 0, -3});
    t.layers.push_back({QStringLiteral("剖面"), 7, QStringLiteral("CONTINUOUS"), 0, -3});
    t.layers.push_back({QStringLiteral("避雷针避雷线"), 1, QStringLiteral("CONTINUOUS"), 0, -3});
    t.layers.push_back({QStringLiteral("标注"), 3, QStringLiteral("CONTINUOUS"), 0, -3});
    t.layers.push_back({QStringLiteral("图框"), 7, QStringLiteral("CONTINUOUS"), 0, -3});
    t.variables.insert(QStringLiteral("$INSUNITS"), 4);      // millimetres
    t.variables.insert(QStringLiteral("$MEASUREMENT"), 1);   // metric
    t.variables.insert(QStringLiteral("$LUNITS"), 2);        // decimal
    t.variables.insert(QStringLiteral("$LUPREC"), 3);
    t.variables.insert(QStringLiteral("$TEXTSIZE"), 2.5);
    t.variables.insert(QStringLiteral("$TEXTSTYLE"), QStringLiteral("HZ"));
    t.variableCodes.insert(QStringLiteral("$TEXTSTYLE"), 7);
}

// Drawing helpers for the glossary, in millimetres of an A3 sheet.
class Sheet {
public:
    explicit Sheet(cad::Document doc) : m_ms(doc.ModelSpace()) {}

    cad::Entity line(double x1, double y1, double x2, double y2, const char* layer, short color = cad::kColorByLayer)
    {
        cad::Entity e = m_ms.AddLine({x1, y1, 0}, {x2, y2, 0});
        e.setLayer(QString::fromUtf8(layer));
        e.setColor(color);
        return e;
    }
    void arc(double cx, double cy, double r, double a1, double a2, const char* layer)
    {
        m_ms.AddArc({cx, cy, 0}, r, a1, a2).setLayer(QString::fromUtf8(layer));
    }
    // The arc through three points, running from p1 over m to p2.
    void arcThrough(const Point& p1, const Point& m, const Point& p2, const char* layer)
    {
        const double ax = p1[0], ay = p1[1], bx = m[0], by = m[1], cx = p2[0], cy = p2[1];
        const double d = 2 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by));
        const double ux = ((ax * ax + ay * ay) * (by - cy) + (bx * bx + by * by) * (cy - ay) + (cx * cx + cy * cy) * (ay - by)) / d;
        const double uy = ((ax * ax + ay * ay) * (cx - bx) + (bx * bx + by * by) * (ax - cx) + (cx * cx + cy * cy) * (bx - ax)) / d;
        const double r = std::hypot(ax - ux, ay - uy);
        const double a1 = std::atan2(ay - uy, ax - ux), am = std::atan2(by - uy, bx - ux), a2 = std::atan2(cy - uy, cx - ux);
        auto ccw = [](double from, double to) { return std::fmod(to - from + 4 * kPi, 2 * kPi); };
        if (ccw(a1, am) <= ccw(a1, a2))
            arc(ux, uy, r, a1, a2, layer);
        else
            arc(ux, uy, r, a2, a1, layer);
    }
    void circle(double cx, double cy, double r, const char* layer)
    {
        m_ms.AddCircle({cx, cy, 0}, r).setLayer(QString::fromUtf8(layer));
    }
    void text(const QString& s, double x, double y, double h, short color = cad::kColorByLayer)
    {
        cad::Entity e = m_ms.AddText(s, {x, y, 0}, h);
        e.setLayer(QStringLiteral("标注"));
        e.setScaleFactor(0.8);
        e.setColor(color);
    }
    // A dimension in the drawing office's manner: extension ticks, the line and its symbol.
    void dimension(double x1, double y1, double x2, double y2, const QString& label, double h = 2.5)
    {
        const double dx = x2 - x1, dy = y2 - y1, len = std::hypot(dx, dy);
        const double ux = dx / len, uy = dy / len;
        line(x1, y1, x2, y2, "标注");
        // 45-degree ticks at both ends.
        const double t = 1.2;
        for (auto [px, py] : {std::pair{x1, y1}, std::pair{x2, y2}})
            line(px - t * (ux - uy) / std::sqrt(2.0), py - t * (uy + ux) / std::sqrt(2.0),
                 px + t * (ux - uy) / std::sqrt(2.0), py + t * (uy + ux) / std::sqrt(2.0), "标注");
        const double mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
        text(label, mx - uy * 1.5 - label.size() * h * 0.4 / 2 * std::abs(ux), my + ux * 1.5 - (std::abs(uy) > 0.5 ? h / 2 : 0), h);
    }

private:
    cad::ModelSpace m_ms;
};

// The zone of one rod in section: the rolling-sphere arcs from the rod tip to the ground.
void oneRodFigure(Sheet& s, double ox, double oy)
{
    const double k = 2.2;   // millimetres of paper per metre
    const double Hr = 30, h = 20, hx = 8;
    const double r0 = std::sqrt(h * (2 * Hr - h));
    const double rx = r0 - std::sqrt(hx * (2 * Hr - hx));
    s.line(ox - (r0 + 6) * k, oy, ox + (r0 + 6) * k, oy, "剖面");
    s.line(ox, oy, ox, oy + h * k, "避雷针避雷线");
    for (int side : {-1, 1}) {
        const double cx = ox + side * r0 * k, cy = oy + Hr * k;
        // The arc of the sphere that rests on the ground and touches the rod tip.
        const double aTip = std::atan2(oy + h * k - cy, ox - cx);
        const double aGround = -kPi / 2;
        if (side > 0)
            s.arc(cx, cy, Hr * k, aTip, aGround + 2 * kPi, "地面范围");
        else
            s.arc(cx, cy, Hr * k, aGround, aTip, "地面范围");
    }
    // The centre of the sphere on the right, with its radius to the rod tip.
    s.line(ox + r0 * k - 2, oy + Hr * k, ox + r0 * k + 2, oy + Hr * k, "标注");
    s.line(ox + r0 * k, oy + Hr * k - 2, ox + r0 * k, oy + Hr * k + 2, "标注");
    s.line(ox - (r0 + 4) * k, oy + hx * k, ox + (r0 + 4) * k, oy + hx * k, "剖面");
    s.dimension(ox - (r0 + 4) * k, oy, ox - (r0 + 4) * k, oy + hx * k, QStringLiteral("hx"));
    s.dimension(ox - 3 * k, oy, ox - 3 * k, oy + h * k, QStringLiteral("h"));
    s.dimension(ox, oy - 4 * k, ox + r0 * k, oy - 4 * k, QStringLiteral("r0"));
    s.dimension(ox, oy + hx * k + 2, ox + rx * k, oy + hx * k + 2, QStringLiteral("rx"));
    s.dimension(ox + r0 * k, oy + Hr * k, ox, oy + h * k, QStringLiteral("Hr"));
    s.text(QStringLiteral("单支避雷针剖面"), ox - 14, oy - 16, 3.5);
}

// Two rods in section: the arc between them and its lowest point h0.
void twoRodFigure(Sheet& s, double ox, double oy)
{
    const double k = 2.0;
    const double Hr = 30, h = 20, D = 30;
    const double r0 = std::sqrt(h * (2 * Hr - h));
    // The sphere resting on both tips: its centre above the middle.
    const double half = D / 2;
    const double cy = h + std::sqrt(Hr * Hr - half * half);
    const double h0 = cy - Hr;
    s.line(ox - (r0 + 4) * k, oy, ox + (D + r0 + 4) * k, oy, "剖面");
    s.line(ox, oy, ox, oy + h * k, "避雷针避雷线");
    s.line(ox + D * k, oy, ox + D * k, oy + h * k, "避雷针避雷线");
    const double a1 = std::atan2(h - cy, -half), a2 = std::atan2(h - cy, half);
    s.arc(ox + half * k, oy + cy * k, Hr * k, a1, a2, "地面范围");
    // Outer slopes as for one rod.
    const double lcx = ox - r0 * k, rcx = ox + (D + r0) * k, ccy = oy + Hr * k;
    s.arc(lcx, ccy, Hr * k, -kPi / 2, std::atan2(oy + h * k - ccy, ox - lcx), "地面范围");
    s.arc(rcx, ccy, Hr * k, std::atan2(oy + h * k - ccy, ox + D * k - rcx), 3 * kPi / 2, "地面范围");
    s.dimension(ox, oy - 4 * k, ox + D * k, oy - 4 * k, QStringLiteral("D"));
    s.dimension(ox + half * k, oy, ox + half * k, oy + h0 * k, QStringLiteral("h0"));
    s.dimension(ox + (D + 3) * k, oy, ox + (D + 3) * k, oy + h * k, QStringLiteral("h"));
    s.text(QStringLiteral("两支等高避雷针剖面"), ox - 40, oy - 16, 3.5);
}

// Two rods in plan: each rod's ground circle outside, joined by the narrowing waist (b0), and
// the same at the target height (bx).
void twoRodPlanFigure(Sheet& s, double ox, double oy)
{
    const double k = 1.2, D = 60;
    struct Zone {
        double r, joinAngle, waist;
        const char* layer;
    };
    for (const Zone& z : {Zone{34.6, 60 * kPi / 180, 24, "地面范围"}, Zone{22, 60 * kPi / 180, 14, "目标高度范围"}}) {
        const double r = z.r * k, a = z.joinAngle;
        // Outer parts of the two circles.
        s.arc(ox, oy, r, a, 2 * kPi - a, z.layer);
        s.arc(ox + D * k, oy, r, kPi + a, kPi - a, z.layer);
        for (int side : {1, -1}) {
            const Point p1{ox + r * std::cos(a), oy + side * r * std::sin(a), 0};
            const Point m{ox + D * k / 2, oy + side * z.waist * k, 0};
            const Point p2{ox + D * k - r * std::cos(a), p1[1], 0};
            s.arcThrough(p1, m, p2, z.layer);
        }
    }
    s.circle(ox, oy, 1.2, "避雷针避雷线");
    s.circle(ox + D * k, oy, 1.2, "避雷针避雷线");
    s.line(ox, oy, ox + D * k, oy, "标注");
    s.dimension(ox + D * k / 2, oy, ox + D * k / 2, oy + 24 * k, QStringLiteral("b0"));
    s.dimension(ox + D * k / 2 + 4, oy, ox + D * k / 2 + 4, oy - 14 * k, QStringLiteral("bx"));
    s.text(QStringLiteral("两支等高避雷针平面"), ox + D * k / 2 - 16, oy - 34.6 * k - 10, 3.5);
}

// An overhead wire between two masts: its span L and its sag f.
void wireFigure(Sheet& s, double ox, double oy)
{
    const double k = 1.6, L = 60, h = 25, f = 4;
    s.line(ox - 10, oy, ox + L * k + 10, oy, "剖面");
    s.line(ox, oy, ox, oy + h * k, "避雷针避雷线");
    s.line(ox + L * k, oy, ox + L * k, oy + h * k, "避雷针避雷线");
    // The sag as the arc through both supports and the lowest point.
    const double c = L * k / 2, sag = f * k;
    const double R = (c * c + sag * sag) / (2 * sag);
    const double cx = ox + c, cy = oy + h * k - sag + R;
    const double a = std::atan2(oy + h * k - cy, -c);
    s.arc(cx, cy, R, a, kPi - a + 2 * kPi, "避雷针避雷线");
    s.dimension(ox, oy - 6, ox + L * k, oy - 6, QStringLiteral("L"));
    s.dimension(ox + c + 4, oy + h * k - sag, ox + c + 4, oy + h * k, QStringLiteral("f"));
    s.dimension(ox - 5, oy, ox - 5, oy + h * k, QStringLiteral("h"));
    s.text(QStringLiteral("避雷线剖面"), ox + c - 10, oy - 18, 3.5);
}

void glossaryTable(Sheet& s, double x, double y)
{
    const std::vector<std::pair<QString, QString>> rows = {
        {QStringLiteral("Hr"), QStringLiteral("滚球半径 (第一类30m, 第二类45m, 第三类60m)")},
        {QStringLiteral("h"), QStringLiteral("避雷针高度, 避雷线支点高度")},
        {QStringLiteral("h1, h2"), QStringLiteral("低避雷针高度, 高避雷针高度")},
        {QStringLiteral("hx"), QStringLiteral("被保护物(目标)高度")},
        {QStringLiteral("rx"), QStringLiteral("避雷针在hx高度的xx'平面上的保护半径")},
        {QStringLiteral("r0"), QStringLiteral("避雷针在地面上的保护半径")},
        {QStringLiteral("h0"), QStringLiteral("两针(线)间保护范围最低点高度")},
        {QStringLiteral("b0"), QStringLiteral("两针间地面保护范围单侧最小宽度")},
        {QStringLiteral("bx"), QStringLiteral("两针间hx高度上保护范围单侧最小宽度")},
        {QStringLiteral("D"), QStringLiteral("两避雷针之间的距离")},
        {QStringLiteral("a, b"), QStringLiteral("四支避雷针矩形长边, 短边边长")},
        {QStringLiteral("L"), QStringLiteral("避雷线长度, 水平接地极总长")},
        {QStringLiteral("f"), QStringLiteral("避雷线弧垂")},
        {QStringLiteral("l"), QStringLiteral("垂直接地极长度")},
        {QStringLiteral("t"), QStringLiteral("接地极埋深")},
        {QStringLiteral("ρ"), QStringLiteral("土壤电阻率 (Ω·m)")},
        {QStringLiteral("R"), QStringLiteral("工频接地电阻 (Ω)")},
    };
    const double rowH = 8, w1 = 22, w2 = 108;
    const double top = y, bottom = y - rowH * (rows.size() + 1);
    s.text(QStringLiteral("代号"), x + 5, top - rowH + 2.5, 3.5);
    s.text(QStringLiteral("名称"), x + w1 + 40, top - rowH + 2.5, 3.5);
    for (std::size_t i = 0; i <= rows.size() + 1; ++i)
        s.line(x, top - rowH * i, x + w1 + w2, top - rowH * i, "图框");
    for (double cx : {x, x + w1, x + w1 + w2})
        s.line(cx, top, cx, bottom, "图框");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double ty = top - rowH * (i + 2) + 2.5;
        s.text(rows[i].first, x + 3, ty, 3);
        s.text(rows[i].second, x + w1 + 3, ty, 3);
    }
}

void frame(Sheet& s)
{
    // A3 landscape with a binding margin, and the title block at the bottom right.
    s.line(0, 0, 420, 0, "图框");
    s.line(420, 0, 420, 297, "图框");
    s.line(420, 297, 0, 297, "图框");
    s.line(0, 297, 0, 0, "图框");
    const double l = 25, r = 415, b = 5, t = 292;
    for (auto [x1, y1, x2, y2] : {std::tuple{l, b, r, b}, {r, b, r, t}, {r, t, l, t}, {l, t, l, b}})
        s.line(x1, y1, x2, y2, "图框");
    s.line(r - 140, b, r - 140, b + 32, "图框");
    s.line(r - 140, b + 32, r, b + 32, "图框");
    s.line(r - 140, b + 16, r, b + 16, "图框");
    s.text(QStringLiteral("软件名称代号图文对照"), r - 130, b + 21, 6);
    s.text(QStringLiteral("滚球法防雷设计  图中尺寸单位: m"), r - 130, b + 6, 3.5);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qapp(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    cad::Application app = cad::Application::CreateObject();

    cad::Document tmpl = app.Documents().Add();
    addTemplateTables(*tmpl.model());
    tmpl.SaveAs(out.filePath(QStringLiteral("RIDE.dwt")));

    cad::Document glossary = app.Documents().Add();
    addTemplateTables(*glossary.model());
    Sheet sheet(glossary);
    frame(sheet);
    sheet.text(QStringLiteral("软件名称代号图文对照"), 150, 275, 8);
    glossaryTable(sheet, 35, 262);
    oneRodFigure(sheet, 300, 195);
    twoRodFigure(sheet, 250, 52);
    twoRodPlanFigure(sheet, 215, 148);
    wireFigure(sheet, 45, 45);
    glossary.SaveAs(out.filePath(QStringLiteral("软件名称代号图文对照.dwg")));
    app.Quit();
    std::printf("drawings written to %s\n", qPrintable(out.absolutePath()));
    return 0;
}
