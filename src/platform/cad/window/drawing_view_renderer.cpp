// Painting the model space: entities batched by colour, arcs tessellated to the pixel, blocks expanded.
#include "platform/cad/window/drawing_view_renderer.h"

#include "platform/cad/model/document_model.h"
#include "platform/cad/window/bulge_arc.h"
#include "platform/cad/window/colour_batches.h"
#include "platform/cad/window/drawing_view_colors.h"
#include "platform/cad/window/drawing_view_raster.h"
#include "platform/cad/window/drawing_view_text.h"
#include "platform/cad/window/wide_polyline.h"

#include <QHash>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <deque>
#include <limits>
#include <thread>
#include <unordered_set>

namespace cad {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Nesting of block references drawn; deeper (or circular) nesting is cut off.
constexpr int kMaxBlockDepth = 8;
// A block reference array beyond this many cells is drawn as its first cell only.
constexpr int kMaxArrayCells = 10000;
// Nested arrays multiply: one paint draws at most this many entities out of blocks, and queues at
// most this many line segments (16 bytes each), so every paint of every file ends quickly.
constexpr std::size_t kMaxBlockCopies = 1000000;
constexpr std::size_t kMaxQueuedSegments = 4000000;
// Block contents beyond this many segments are drawn without antialiasing: speed matters more.
constexpr std::size_t kAntialiasBlockSegments = 200000;
// A text drawn out of a block weighs as much as this many segments.
constexpr std::size_t kTextWeight = 200;
// Drawings with at least this many entities are walked by several threads when all of it is in view.
constexpr std::size_t kParallelRecords = 50000;
constexpr std::size_t kMaxThreads = 8;
// Entities smaller than this on screen are a dot.
constexpr double kDotPixels = 1.5;
// Antialiasing only while the view shows fewer entities than this: beyond, speed matters more.
constexpr std::size_t kAntialiasLimit = 20000;
// The largest gap between a tessellated curve and the true one, in pixels. Small enough that the
// corners between chords do not show, even anti-aliased.
constexpr double kCurveTolerance = 0.1;
// However far one zooms in, no curve is cut into more chords than this.
constexpr int kMaxCurveSegments = 8192;

double scaleOf(const QTransform& t) { return std::sqrt(std::abs(t.determinant())); }

// QTransform::map without its type dispatch: every transform here (view, block cells) is affine.
QPointF mapped(const QTransform& t, double x, double y)
{
    return {t.m11() * x + t.m21() * y + t.dx(), t.m12() * x + t.m22() * y + t.dy()};
}

int segmentsFor(double radiusPixels, double sweep)
{
    if (radiusPixels <= kCurveTolerance)
        return 2;
    const double step = std::min(2 * std::acos(1 - kCurveTolerance / radiusPixels), kPi / 4);
    // Clamped before it becomes an int: an infinite or NaN count (a radius or sweep beyond any
    // screen) has no int.
    const double n = std::ceil(std::abs(sweep) / step);
    if (!(n > 2))
        return 2;
    return n < kMaxCurveSegments ? static_cast<int>(n) : kMaxCurveSegments;
}

double wrapAngle(double a)
{
    a = std::fmod(a, 2 * kPi);
    if (a > kPi)
        a -= 2 * kPi;
    else if (a <= -kPi)
        a += 2 * kPi;
    return a;
}

// The angles of a curve about `centre` that can meet the view, as pieces of [start, start + sweep].
// A curve far larger than the view shows only a short piece of itself: that piece alone is cut
// into chords, so that it stays round however far one zooms in.
std::vector<std::pair<double, double>> visibleSweeps(const QPolygonF& viewInModel, const Point& centre, double radius,
                                                     double start, double sweep)
{
    const QPointF c(centre[0], centre[1]);
    if (viewInModel.containsPoint(c, Qt::OddEvenFill)) {
        double farthest = 0;
        for (const QPointF& p : viewInModel)
            farthest = std::max(farthest, std::hypot(p.x() - c.x(), p.y() - c.y()));
        if (radius > farthest)
            return {};   // all of it lies outside the view
        return {{start, sweep}};
    }
    // Seen from outside, the (convex) view spans less than half a turn: its corners bound it.
    const QPointF mid = viewInModel.boundingRect().center();
    const double towards = std::atan2(mid.y() - c.y(), mid.x() - c.x());
    double lo = kPi, hi = -kPi;
    for (const QPointF& p : viewInModel) {
        const double d = wrapAngle(std::atan2(p.y() - c.y(), p.x() - c.x()) - towards);
        lo = std::min(lo, d);
        hi = std::max(hi, d);
    }
    const double width = hi - lo;
    double offset = std::fmod(towards + lo - start, 2 * kPi);
    if (offset < 0)
        offset += 2 * kPi;
    std::vector<std::pair<double, double>> pieces;
    if (offset < sweep)
        pieces.emplace_back(start + offset, std::min(offset + width, sweep) - offset);
    if (offset + width > 2 * kPi)
        pieces.emplace_back(start, std::min(offset + width - 2 * kPi, sweep));
    return pieces;
}

void grow(Box& b, const Box& o)
{
    b.minX = std::min(b.minX, o.minX);
    b.minY = std::min(b.minY, o.minY);
    b.maxX = std::max(b.maxX, o.maxX);
    b.maxY = std::max(b.maxY, o.maxY);
}

Box mapBox(const QTransform& t, const Box& b)
{
    const QPointF c[4] = {mapped(t, b.minX, b.minY), mapped(t, b.maxX, b.minY),
                          mapped(t, b.minX, b.maxY), mapped(t, b.maxX, b.maxY)};
    Box r{c[0].x(), c[0].y(), c[0].x(), c[0].y()};
    for (const auto& p : c)
        grow(r, {p.x(), p.y(), p.x(), p.y()});
    return r;
}

// Block coordinates of array cell (row, column) to the coordinates the reference stands in.
QTransform cellTransform(const EntityData& ref, const Point& base, int row, int column)
{
    QTransform m;
    m.translate(ref.insertion[0], ref.insertion[1]);
    m.rotateRadians(ref.rotation);
    m.translate(column * ref.columnSpacing, row * ref.rowSpacing);
    m.scale(ref.scaleX, ref.scaleY);
    m.translate(-base[0], -base[1]);
    return m;
}

QString upper(const QString& s) { return s.toUpper(); }

// A circle or arc of the model space as queued. One exactly like it in the same colour adds no
// pixel, only its chords: a plan of many coincident circles is drawn as one circle.
struct CurveKey {
    double x, y, r, start, end;
    std::int32_t color; // the index, or 0x1000000 and the true colour
    bool operator==(const CurveKey&) const = default;
};
struct CurveKeyHash {
    std::size_t operator()(const CurveKey& k) const noexcept
    {
        std::size_t h = std::hash<std::int32_t>()(k.color);
        for (double v : {k.x, k.y, k.r, k.start, k.end})
            h = (h ^ std::hash<double>()(v)) * 0x9E3779B97F4A7C15ull;
        return h;
    }
};
using QueuedCurves = std::unordered_set<CurveKey, CurveKeyHash>;

// Block definitions by name and their extents, worked out once per paint.
class Blocks {
public:
    explicit Blocks(const DrawingTables& tables)
    {
        for (const auto& b : tables.blocks)
            m_byName.insert(upper(b.name), &b);
    }
    const BlockDefinition* find(const QString& name) const { return m_byName.value(upper(name), nullptr); }

    // The extent of a block reference in the coordinates it stands in.
    std::optional<Box> referenceExtent(const EntityData& ref, int depth = 0)
    {
        const BlockDefinition* b = find(ref.blockName);
        if (!b || depth >= kMaxBlockDepth)
            return std::nullopt;
        const auto inner = blockExtent(*b, depth);
        if (!inner)
            return std::nullopt;
        const int rows = std::max<int>(1, ref.rows), cols = std::max<int>(1, ref.columns);
        Box r = mapBox(cellTransform(ref, b->base, 0, 0), *inner);
        grow(r, mapBox(cellTransform(ref, b->base, rows - 1, cols - 1), *inner));
        return r;
    }

private:
    std::optional<Box> blockExtent(const BlockDefinition& b, int depth)
    {
        auto it = m_extents.find(&b);
        if (it != m_extents.end())
            return it.value();
        m_extents.insert(&b, std::nullopt);   // a block that contains itself adds nothing
        std::optional<Box> box;
        for (const auto& e : b.entities) {
            const std::optional<Box> part = e.kind == EntityKind::Insert ? referenceExtent(e, depth + 1)
                                                                         : std::optional<Box>(boundingBox(e));
            if (!part)
                continue;
            if (box)
                grow(*box, *part);
            else
                box = part;
        }
        m_extents.insert(&b, box);
        return box;
    }

    QHash<QString, const BlockDefinition*> m_byName;
    QHash<const BlockDefinition*, std::optional<Box>> m_extents;
};

} // namespace

struct DrawingRenderer::Impl {
    const DocumentModel& model;
    const EntityStore& store;
    ViewTransform view;
    QTransform toDevice;
    Blocks blocks;
    QHash<QString, const LayerData*> layers;
    QString lastLayerName;
    const LayerData* lastLayer = nullptr;
    // The layers of the stored entities' layer names, looked up on first use.
    std::vector<const LayerData*> layerById;
    std::vector<bool> layerLookedUp;
    std::size_t drawn = 0;

    using Batch = ColourBatch;
    ColourBatches batches{view.size};
    struct TextJob {
        const EntityData* entity;
        QTransform toDevice;
        short color;
    };
    std::vector<TextJob> texts;
    TextBudget textBudget;
    QueuedCurves curves;
    std::size_t blockCopies = 0, queued = 0;
    bool partial = false;   // something was left out to keep the paint short

    Impl(const DocumentModel& m, const ViewTransform& v)
        : model(m), store(m.store()), view(v), toDevice(v.matrix()), blocks(m.tables()),
          layerById(m.store().nameCount(), nullptr), layerLookedUp(m.store().nameCount(), false)
    {
        for (const auto& l : m.tables().layers)
            layers.insert(upper(l.name), &l);
    }

    const LayerData* layerOfId(std::uint32_t id)
    {
        if (id >= layerById.size()) {
            layerById.resize(store.nameCount(), nullptr);
            layerLookedUp.resize(store.nameCount(), false);
        }
        if (!layerLookedUp[id]) {
            layerLookedUp[id] = true;
            layerById[id] = layers.value(upper(store.name(id)), nullptr);
        }
        return layerById[id];
    }

    const LayerData* layerOf(const QString& name)
    {
        if (name != lastLayerName) {
            lastLayerName = name;
            lastLayer = layers.value(upper(name), nullptr);
        }
        return lastLayer;
    }

    // The colour index the entity shows in; 0 when its layer is off or frozen.
    short resolveColor(const EntityData& e, short byBlock, const LayerData*& layer, const LayerData* inherited)
    {
        layer = (inherited && e.layer == QLatin1String("0")) ? inherited : layerOf(e.layer);
        return colorOn(e.color, byBlock, layer);
    }

    static short colorOn(short c, short byBlock, const LayerData* layer)
    {
        if (layer && (layer->color < 0 || (layer->flags & 1)))
            return 0;
        if (c == kColorByLayer)
            c = layer ? static_cast<short>(std::abs(layer->color)) : 7;
        else if (c == kColorByBlock)
            c = byBlock;
        if (c < 1 || c > 255)
            c = 7;
        return c;
    }

    void addArc(Batch& b, const QTransform& t, const Point& c, double r, double start, double sweep) const
    {
        const double pixels = r * scaleOf(t);
        // Only a curve much larger than the view is worth clipping to it first.
        if (pixels > 2 * (view.size.width() + view.size.height())) {
            bool invertible = false;
            const QTransform back = t.inverted(&invertible);
            if (invertible) {
                const QRectF screen(QPointF(-2, -2), view.size + QSizeF(4, 4));
                for (const auto& [from, part] : visibleSweeps(back.map(QPolygonF(screen)), c, r, start, sweep))
                    addArcChords(b, t, c, r, from, part);
                return;
            }
        }
        addArcChords(b, t, c, r, start, sweep);
    }

    void addArcChords(Batch& b, const QTransform& t, const Point& c, double r, double start, double sweep) const
    {
        const int n = segmentsFor(r * scaleOf(t), sweep);
        QPointF last = mapped(t, c[0] + r * std::cos(start), c[1] + r * std::sin(start));
        for (int i = 1; i <= n; ++i) {
            const double a = start + sweep * i / n;
            const QPointF next = mapped(t, c[0] + r * std::cos(a), c[1] + r * std::sin(a));
            b.lines.emplace_back(last, next);
            last = next;
        }
    }

    void addPolyline(Batch& b, const QTransform& t, const std::vector<PolyVertex>& vertices, bool closed) const
    {
        const std::size_t n = vertices.size();
        if (n == 0)
            return;
        const std::size_t segments = closed ? n : n - 1;
        QPointF last = mapped(t, vertices[0].x, vertices[0].y);
        auto to = [&](const QPointF& p) {
            b.lines.emplace_back(last, p);
            last = p;
        };
        for (std::size_t i = 0; i < segments; ++i) {
            const PolyVertex& a = vertices[i];
            const PolyVertex& v = vertices[(i + 1) % n];
            if (a.bulge != 0 && std::isfinite(a.bulge) && std::hypot(v.x - a.x, v.y - a.y) > 0) {
                const BulgeArc arc = bulgeArcOf(a, v);
                const int steps = segmentsFor(arc.r * scaleOf(t), arc.sweep);
                for (int k = 1; k < steps; ++k) {
                    const double ang = arc.start + arc.sweep * k / steps;
                    to(mapped(t, arc.cx + arc.r * std::cos(ang), arc.cy + arc.r * std::sin(ang)));
                }
            }
            to(mapped(t, v.x, v.y));
        }
    }

    void addCurve(Batch& b, const QTransform& t, EntityKind kind, const Point& c, double r, double start, double end) const
    {
        if (kind == EntityKind::Circle) {
            addArc(b, t, c, r, 0, 2 * kPi);
            return;
        }
        double sweep = end - start;
        if (sweep <= 0)
            sweep += 2 * kPi;
        addArc(b, t, c, r, start, sweep);
    }

    // A polyline with widths as its band, cut to the view; else as its centre line.
    void addPolylineShape(Batch& b, const QTransform& t, const std::vector<PolyVertex>& vertices, bool closed,
                          const RareProperties* rare) const
    {
        // Narrower than a pixel all along: its centre line is all that shows.
        double widest = 0;
        if (rare)
            for (const SegmentWidth& w : rare->widths)
                widest = std::max({widest, w.start, w.end});
        if (widest * scaleOf(t) < 1) {
            addPolyline(b, t, vertices, closed);
            return;
        }
        std::vector<QLineF> lines;
        widePolyline(vertices, rare->widths, closed, t, QRectF(QPointF(0, 0), view.size), b.fills, lines);
        for (const QLineF& l : lines)
            b.lines.push_back(l);
    }

    // Queues what an entity other than a block reference shows; touches nothing but `b` and `textJobs`.
    void queueShape(const EntityData& e, const QTransform& t, short color, Batch& b, std::vector<TextJob>& textJobs) const
    {
        switch (e.kind) {
        case EntityKind::Line:
            b.lines.emplace_back(mapped(t, e.start[0], e.start[1]), mapped(t, e.end[0], e.end[1]));
            break;
        case EntityKind::Circle:
        case EntityKind::Arc:
            addCurve(b, t, e.kind, e.center, e.radius, e.startAngle, e.endAngle);
            break;
        case EntityKind::Polyline:
            addPolylineShape(b, t, e.vertices, e.closed, e.rare.get());
            break;
        case EntityKind::Text:
        case EntityKind::MText:
            if (textTooSmall(e, scaleOf(t))) {
                std::vector<QLineF> bars;
                textBars(e, bars);
                for (const auto& bar : bars)
                    b.lines.push_back(t.map(bar));
            } else {
                textJobs.push_back({&e, t, color});
            }
            break;
        case EntityKind::Insert:
            break;
        }
    }

    void draw(const EntityData& e, const QTransform& t, short byBlock, const LayerData* inherited, int depth)
    {
        if (depth > 0 && (blockCopies >= kMaxBlockCopies || queued >= kMaxQueuedSegments)) {
            partial = true;
            return;
        }
        blockCopies += depth > 0;
        const LayerData* layer = nullptr;
        const short color = resolveColor(e, byBlock, layer, inherited);
        if (color == 0)
            return;
        if (e.kind != EntityKind::Insert) {
            Batch& b = batches.of(color, e.rare.get());
            const std::size_t before = b.lines.size() + b.fills.size() + kTextWeight * texts.size();
            queueShape(e, t, color, b, texts);
            if (depth > 0)
                queued += b.lines.size() + b.fills.size() + kTextWeight * texts.size() - before;
            return;
        }
        const BlockDefinition* block = blocks.find(e.blockName);
        if (!block || depth >= kMaxBlockDepth)
            return;
        int rows = std::max<int>(1, e.rows), cols = std::max<int>(1, e.columns);
        if (static_cast<long long>(rows) * cols > kMaxArrayCells)
            rows = cols = 1;
        const LayerData* inner = layer ? layer : inherited;
        for (int r = 0; r < rows && !partial; ++r)
            for (int c = 0; c < cols && !partial; ++c) {
                const QTransform m = cellTransform(e, block->base, r, c) * t;
                for (const auto& child : block->entities)
                    if (child.visible)
                        draw(child, m, color, inner, depth + 1);
            }
    }

    static QColor shownColor(const EntityData& e, short color)
    {
        if (e.rare && e.rare->trueColor >= 0)
            return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | static_cast<std::uint32_t>(e.rare->trueColor)));
        return colorOfIndex(color);
    }

    // A block reference of the model space, with the extent it is drawn to: a dot when it is
    // smaller on screen than a pixel or so.
    void drawReference(const EntityData& e)
    {
        ++drawn;
        if (const std::optional<Box> box = blocks.referenceExtent(e); box && tiny(*box)) {
            const LayerData* layer = nullptr;
            dot(batches, *box, resolveColor(e, 7, layer, nullptr), nullptr);
            return;
        }
        draw(e, toDevice, 7, nullptr, 0);
    }

    bool tiny(const Box& box) const
    {
        return (box.maxX - box.minX) * view.scale < kDotPixels && (box.maxY - box.minY) * view.scale < kDotPixels;
    }

    void dot(ColourBatches& into, const Box& box, short color, const RareProperties* rare) const
    {
        if (color != 0)
            into.of(color, rare).dots.push_back(view.toScreen((box.minX + box.maxX) / 2, (box.minY + box.maxY) / 2));
    }

    // A model-space entity from its record: block references through their whole records, anything
    // else through queueCompact.
    void drawStored(const StoredEntity& s)
    {
        if (s.kind == EntityKind::Insert) {
            drawReference(store.whole(s));
            return;
        }
        ++drawn;
        queueCompact(s, layerOfId(s.layer), batches, texts, curves);
    }

    // Queues a model-space entity other than a block reference into `into` and `textJobs`, in the
    // colour it shows in; touches nothing else, so that several threads can queue at once, each into
    // batches of its own. Lines, arcs and polylines come straight from their arrays.
    void queueCompact(const StoredEntity& s, const LayerData* layer, ColourBatches& into,
                      std::vector<TextJob>& textJobs, QueuedCurves& curvesQueued) const
    {
        const short color = colorOn(s.color, 7, layer);
        if (color == 0)
            return;
        const RareProperties* rare = store.rare(s);
        if (tiny(s.box)) {
            dot(into, s.box, color, rare);
            return;
        }
        Batch& b = into.of(color, rare);
        if (s.storage == EntityStorage::Whole) {
            queueShape(store.whole(s), toDevice, color, b, textJobs);
            return;
        }
        switch (s.storage) {
        case EntityStorage::Line: {
            const LineGeometry& l = store.line(s);
            b.lines.emplace_back(mapped(toDevice, l.start[0], l.start[1]), mapped(toDevice, l.end[0], l.end[1]));
            break;
        }
        case EntityStorage::Arc: {
            const ArcGeometry& a = store.arc(s);
            const bool circle = s.kind == EntityKind::Circle;
            const std::int32_t shown = rare && rare->trueColor >= 0 ? 0x1000000 | rare->trueColor : color;
            if (!curvesQueued
                     .insert({a.center[0], a.center[1], a.radius, circle ? 0 : a.startAngle, circle ? 0 : a.endAngle,
                              shown})
                     .second)
                break;
            addCurve(b, toDevice, s.kind, a.center, a.radius, a.startAngle, a.endAngle);
            break;
        }
        case EntityStorage::Polyline:
            addPolylineShape(b, toDevice, store.polyline(s).vertices, s.closed, rare);
            break;
        case EntityStorage::Whole:
            break;
        }
    }

    // The whole drawing in view: threads queue every entity of their share of the records but the
    // block references, which follow here in drawing order (their blocks' extents are worked out
    // and cached as they come, and one paint draws a bounded number of block copies). Without block
    // references the queues are exactly those of a walk in one thread. Returns how many entities
    // are in view.
    std::size_t walkInParallel(const Box& window)
    {
        for (std::uint32_t id = 0; id < store.nameCount(); ++id)
            layerOfId(id);
        const std::size_t n = store.size();
        const std::size_t threads = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, kMaxThreads);
        struct Share {
            explicit Share(const QSizeF& size) : batches(size) {}
            ColourBatches batches;
            std::vector<TextJob> texts;
            QueuedCurves curves;
            std::vector<std::uint32_t> references; // positions of the block references
            std::size_t shown = 0, drawn = 0;
        };
        std::deque<Share> shares;
        for (std::size_t k = 0; k < threads; ++k)
            shares.emplace_back(view.size);
        auto work = [&](std::size_t k) {
            Share& share = shares[k];
            for (std::size_t i = n * k / threads, end = n * (k + 1) / threads; i < end; ++i) {
                const StoredEntity& s = store[i];
                if (s.erased || !s.visible || !s.box.intersects(window))
                    continue;
                ++share.shown;
                if (s.kind == EntityKind::Insert) {
                    share.references.push_back(static_cast<std::uint32_t>(i));
                    continue;
                }
                ++share.drawn;
                queueCompact(s, layerById[s.layer], share.batches, share.texts, share.curves);
            }
        };
        std::vector<std::thread> running;
        for (std::size_t k = 1; k < threads; ++k)
            running.emplace_back(work, k);
        work(0);
        for (auto& t : running)
            t.join();
        std::size_t shown = 0;
        for (Share& share : shares) {
            shown += share.shown;
            drawn += share.drawn;
            batches.append(std::move(share.batches));
            texts.insert(texts.end(), share.texts.begin(), share.texts.end());
        }
        for (const Share& share : shares)
            for (auto i : share.references)
                drawReference(store.whole(store[i]));
        return shown;
    }

    void flush(QPainter& p)
    {
        // Many bands of wide polylines weigh as many entities do: beyond, speed matters more.
        if (queued > kAntialiasBlockSegments || batches.fillCount() >= kAntialiasLimit)
            p.setRenderHint(QPainter::Antialiasing, false);
        batches.paint(p);
        for (const auto& job : texts)
            drawTextEntity(p, *job.entity, job.toDevice, shownColor(*job.entity, job.color), textBudget);
        texts.clear();
        curves.clear();
    }
};

DrawingRenderer::DrawingRenderer(const DocumentModel& model, const ViewTransform& view)
    : d(std::make_unique<Impl>(model, view))
{
}

DrawingRenderer::~DrawingRenderer() = default;

std::size_t DrawingRenderer::drawnCount() const { return d->drawn; }

bool DrawingRenderer::drawnInPart() const { return d->partial; }

std::size_t DrawingRenderer::laidOutCharacters() const { return d->textBudget.laidOut; }

void DrawingRenderer::paintView(QPainter& painter, const std::vector<PlacedReference>& references)
{
    d->drawn = 0;
    d->partial = false;
    d->blockCopies = d->queued = 0;
    d->textBudget = {};
    const Box window = d->view.window();
    // Drawing order, so that later entities lie over earlier ones as the engineer drew them. Each
    // entity is queued while its record is at hand; nothing is painted before the flush below.
    std::size_t shown = 0;
    if (d->model.index().coversMuchOf(window) && d->store.size() >= kParallelRecords)
        shown = d->walkInParallel(window);
    else
        d->model.forEachIn(window, [&](const StoredEntity& s) {
            if (s.visible) {
                ++shown;
                d->drawStored(s);
            }
        });
    painter.setRenderHint(QPainter::Antialiasing, shown < kAntialiasLimit);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    // References standing outside the view whose block reaches into it.
    for (const auto& r : references) {
        const Box at{r.insertion[0], r.insertion[1], r.insertion[0], r.insertion[1]};
        if (!r.extent.intersects(window) || at.intersects(window))   // else the index found it already
            continue;
        const StoredEntity* s = d->model.stored(r.handle);
        if (s && s->visible && s->kind == EntityKind::Insert)
            d->drawReference(d->store.whole(*s));
    }
    d->flush(painter);
}

void DrawingRenderer::paintEntities(QPainter& painter, const std::vector<std::uint64_t>& handles)
{
    d->drawn = 0;
    d->partial = false;
    d->blockCopies = d->queued = 0;
    d->textBudget = {};
    painter.setRenderHint(QPainter::Antialiasing, handles.size() < kAntialiasLimit);
    for (auto h : handles) {
        const StoredEntity* s = d->model.stored(h);
        if (s && s->visible)
            d->drawStored(*s);
    }
    d->flush(painter);
}

std::vector<PlacedReference> placedReferences(const DocumentModel& model)
{
    std::vector<PlacedReference> out;
    Blocks blocks(model.tables());
    model.forEachStored([&](const StoredEntity& s) {
        if (s.kind != EntityKind::Insert)
            return;
        const EntityData& e = model.store().whole(s);
        out.push_back({e.handle,
                       blocks.referenceExtent(e).value_or(Box{e.insertion[0], e.insertion[1], e.insertion[0], e.insertion[1]}),
                       e.insertion});
    });
    return out;
}

Box referenceExtent(const DocumentModel& model, const EntityData& reference)
{
    Blocks blocks(model.tables());
    const Point& p = reference.insertion;
    return blocks.referenceExtent(reference).value_or(Box{p[0], p[1], p[0], p[1]});
}

std::optional<Box> drawingExtents(const DocumentModel& model, const std::vector<PlacedReference>& references)
{
    std::optional<Box> all;
    auto add = [&](const Box& b) {
        if (!std::isfinite(b.minX) || !std::isfinite(b.minY) || !std::isfinite(b.maxX) || !std::isfinite(b.maxY))
            return;
        if (all)
            grow(*all, b);
        else
            all = b;
    };
    model.forEachStored([&](const StoredEntity& s) {
        if (s.visible && s.kind != EntityKind::Insert)
            add(s.box);
    });
    for (const auto& r : references) {
        const StoredEntity* s = model.stored(r.handle);
        if (s && s->visible)
            add(r.extent);
    }
    return all;
}

} // namespace cad
