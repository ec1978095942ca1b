// Renders the panels' SVG drawings into their picture labels, at the label's size and pixel ratio.
#include "app/panel_pictures.h"

#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

static void initResourcesOutsideNamespace() { Q_INIT_RESOURCE(panel_resources); }

namespace app {

namespace {

// Keeps one label's pixmap in step with its size. The drawing leaves a pixel free on each side so
// that a selector's border, when the picture is chosen, never covers it. Rendering waits until the
// label is about to be seen: hidden panels cost nothing at startup, and the size layout settles on
// is the only one rendered.
class PictureFitter : public QObject {
public:
    PictureFitter(QLabel* label, QString path, PictureAhead ahead)
        : QObject(label), m_label(label), m_path(std::move(path)), m_ahead(std::move(ahead))
    {
        label->installEventFilter(this);
        if (label->isVisible())
            refresh();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_label)
            return false;
        // Show and paint both check: a move to a screen of another pixel ratio shows up at the next paint.
        if ((event->type() == QEvent::Show || event->type() == QEvent::Paint ||
             (event->type() == QEvent::Resize && m_label->isVisible())) && stale())
            refresh();
        return false;
    }

private:
    QSize room() const { return m_label->size() - QSize(2, 2); }
    bool stale() const { return room() != m_renderedRoom || m_label->devicePixelRatioF() != m_renderedRatio; }

    void refresh()
    {
        const QSize size = room();
        if (size.isEmpty())
            return;
        m_renderedRoom = size;
        m_renderedRatio = m_label->devicePixelRatioF();
        if (m_ahead.image.valid()) {
            QImage ahead = m_ahead.image.take();
            if (size == m_ahead.room && m_renderedRatio == m_ahead.ratio) {
                m_label->setPixmap(ahead.isNull() ? QPixmap() : QPixmap::fromImage(std::move(ahead)));
                return;
            }
        }
        m_label->setPixmap(renderPicture(m_path, size, m_renderedRatio));
    }

    QLabel* m_label;
    QString m_path;
    QSize m_renderedRoom;
    qreal m_renderedRatio = 0;
    PictureAhead m_ahead;
};

} // namespace

void initPanelResources()
{
    static const bool done = [] {
        initResourcesOutsideNamespace();
        return true;
    }();
    (void)done;
}

QImage renderPictureImage(const QString& path, const QSize& size, qreal devicePixelRatio)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid() || size.isEmpty())
        return {};
    const QSizeF drawn = renderer.defaultSize().toSizeF().scaled(size.toSizeF(), Qt::KeepAspectRatio);
    // The format of a transparent pixmap, so that the pixmap made of it holds the very same pixels.
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF origin((size.width() - drawn.width()) / 2.0, (size.height() - drawn.height()) / 2.0);
    renderer.render(&painter, QRectF(origin, drawn));
    return image;
}

QPixmap renderPicture(const QString& path, const QSize& size, qreal devicePixelRatio)
{
    const QImage image = renderPictureImage(path, size, devicePixelRatio);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

PictureAhead drawPictureAhead(const QString& path, const QSize& labelSize, qreal devicePixelRatio)
{
    initPanelResources();
    PictureAhead ahead;
    ahead.room = labelSize - QSize(2, 2);
    ahead.ratio = devicePixelRatio;
    if (!ahead.room.isEmpty())
        ahead.image = WorkAside<QImage>([path, room = ahead.room, devicePixelRatio] {
            return renderPictureImage(path, room, devicePixelRatio);
        });
    return ahead;
}

void fitPicture(QLabel* label, const QString& path, PictureAhead ahead)
{
    initPanelResources();
    new PictureFitter(label, path, std::move(ahead));
}

} // namespace app
