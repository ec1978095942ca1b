// Renders the panels' SVG drawings into their picture labels, at the label's size and pixel ratio.
#include "app/panel_pictures.h"

#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <future>

static void initResourcesOutsideNamespace() { Q_INIT_RESOURCE(panel_resources); }

namespace app {

namespace {

// Keeps one label's pixmap in step with its size. The drawing leaves a pixel free on each side so
// that a selector's border, when the picture is chosen, never covers it. Rendering waits until the
// label is about to be seen: hidden panels cost nothing at startup, and the size layout settles on
// is the only one rendered. A label that will be seen as soon as its window is (one on the panel a
// window starts with) has its picture drawn ahead on another thread while the window is being made.
class PictureFitter : public QObject {
public:
    PictureFitter(QLabel* label, QString path) : QObject(label), m_label(label), m_path(std::move(path))
    {
        label->installEventFilter(this);
        if (label->isVisible()) {
            refresh();
        } else if (label->isVisibleTo(label->window()) && !room().isEmpty()) {
            m_aheadRoom = room();
            m_aheadRatio = label->devicePixelRatioF();
            m_ahead = std::async(std::launch::async, renderPictureImage, m_path, m_aheadRoom, m_aheadRatio);
        }
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
        if (m_ahead.valid()) {
            QImage ahead = m_ahead.get();
            if (size == m_aheadRoom && m_renderedRatio == m_aheadRatio) {
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
    std::future<QImage> m_ahead; // its end waits for the thread when the label goes unseen
    QSize m_aheadRoom;
    qreal m_aheadRatio = 0;
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

void fitPicture(QLabel* label, const QString& path)
{
    initPanelResources();
    new PictureFitter(label, path);
}

} // namespace app
