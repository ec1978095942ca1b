// Turns the catalogue's rows into widgets and enters them in the control registry in design order.
#include "app/catalogue_builder.h"

#include "app/fonts.h"
#include "app/panel_pictures.h"
#include "app/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace app {

using services::ControlKind;

namespace {

QString resourceText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

QLabel* makeLabel(const CatalogueEntry& e, QWidget* parent)
{
    auto* l = new QLabel(e.caption, parent);
    Qt::Alignment align = e.flags & RightAligned ? Qt::AlignRight : e.flags & Centred ? Qt::AlignHCenter : Qt::AlignLeft;
    l->setAlignment(align | Qt::AlignVCenter);
    l->setWordWrap(e.flags & WordWrap);
    QPalette palette = l->palette();
    if (e.flags & DividerLine) {
        // A thin line in the colour of button shadows.
        l->setFrameShape(QFrame::HLine);
        l->setFrameShadow(QFrame::Plain);
        palette.setColor(QPalette::WindowText, palette.color(QPalette::Dark));
    } else if (e.flags & Ticked) {
        palette.setColor(QPalette::WindowText, QColor::fromRgb(kChosenCaptionRgb));
    }
    l->setPalette(palette);
    return l;
}

QLabel* makePicture(const CatalogueEntry& e, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setAlignment(Qt::AlignCenter);
    // A selector's chosen picture carries the single-line border; every other picture is borderless.
    l->setFrameShape(e.flags & Ticked ? QFrame::Box : QFrame::NoFrame);
    l->setFrameShadow(QFrame::Plain);
    l->setLineWidth(1);
    return l;
}

QWidget* makeWidget(const CatalogueEntry& e, QWidget* parent)
{
    switch (e.kind) {
    case ControlKind::Frame:
        return new QGroupBox(e.caption, parent);
    case ControlKind::PictureBox:
    case ControlKind::Image:
        return makePicture(e, parent);
    case ControlKind::Label:
        return makeLabel(e, parent);
    case ControlKind::TextBox: {
        const QString text = e.flags & TextResource ? resourceText(e.caption) : e.caption;
        if (e.flags & MultiLine) {
            auto* t = new QPlainTextEdit(parent);
            t->setPlainText(text);
            t->setReadOnly(e.flags & ReadOnly);
            t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            t->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            return t;
        }
        // Made empty and then given its text: made with it, the box would first lay the text out in the
        // application's default face, which costs a face of its own.
        auto* t = new QLineEdit(parent);
        t->setText(text);
        t->setReadOnly(e.flags & ReadOnly);
        t->setCursorPosition(0);
        return t;
    }
    case ControlKind::ComboBox: {
        auto* c = new QComboBox(parent);
        c->setEditable(e.flags & Editable);
        c->addItems(e.items);
        c->setCurrentIndex(-1);
        if (e.flags & Editable)
            c->setEditText(e.caption);
        return c;
    }
    case ControlKind::OptionButton: {
        auto* r = new QRadioButton(e.caption, parent);
        r->setChecked(e.flags & Ticked);
        return r;
    }
    case ControlKind::CheckBox: {
        auto* c = new QCheckBox(e.caption, parent);
        c->setChecked(e.flags & Ticked);
        return c;
    }
    case ControlKind::CommandButton:
        return new QPushButton(e.caption, parent);
    case ControlKind::Timer:
    case ControlKind::Menu:
        break;
    }
    return nullptr;
}

// Where a caption is wider than its place with the installed font, it takes room to its left (or
// both sides when centred), so that no text is cut while the boxes keep their designed positions.
QRect fittedGeometry(const CatalogueEntry& e, QWidget* w)
{
    QRect r(px(e.left), px(e.top), px(e.width), px(e.height));
    if (e.kind != ControlKind::Label || (e.flags & (WordWrap | DividerLine)) || e.caption.isEmpty())
        return r;
    w->ensurePolished();
    const int need = w->sizeHint().width();
    if (need <= r.width())
        return r;
    const int extra = need - r.width();
    if (e.flags & RightAligned)
        r.setLeft(std::max(0, r.left() - extra));
    else if (e.flags & Centred)
        r.adjust(-(extra + 1) / 2, 0, (extra + 1) / 2, 0);
    else
        r.setWidth(need);
    return r;
}

bool isPicture(const CatalogueEntry& e)
{
    return (e.kind == ControlKind::PictureBox || e.kind == ControlKind::Image) && !e.caption.isEmpty();
}

} // namespace

CatalogueBuilder::CatalogueBuilder(QWidget* client, const std::vector<CatalogueEntry>& catalogue)
    : m_client(client), m_catalogue(catalogue), m_panel(catalogue.size(), -1), m_widgets(catalogue.size(), nullptr),
      m_ahead(catalogue.size())
{
    initPanelResources();
    // Controls take the window's face from their container as they are made: set one by one, each
    // would measure its text again and tell its children of the change.
    client->setFont(windowFont());
    for (std::size_t row = 0; row < catalogue.size(); ++row) {
        const CatalogueEntry& e = catalogue[row];
        m_rows.insert({e.name, e.index}, static_cast<int>(row));
        if (e.container.isEmpty()) {
            const bool panelRoot = e.name == QLatin1String("fraFrame") || e.name == QLatin1String("picShow");
            m_panel[row] = panelRoot ? e.index : -1;
        } else {
            const int container = rowOf(e.container, e.containerIndex);
            Q_ASSERT_X(container >= 0, "CatalogueBuilder", qPrintable("container missing for " + e.name));
            m_panel[row] = container >= 0 ? m_panel[container] : -1;
        }
    }
}

int CatalogueBuilder::rowOf(const QString& name, int index) const { return m_rows.value({name, index}, -1); }

void CatalogueBuilder::make(std::size_t row, bool hidden)
{
    const CatalogueEntry& e = m_catalogue[row];
    QWidget* parent = m_client;
    if (!e.container.isEmpty()) {
        const int container = rowOf(e.container, e.containerIndex);
        if (container >= 0 && m_widgets[container])
            parent = m_widgets[container];
    }
    QWidget* w = makeWidget(e, parent);
    if (!w)
        return;
    m_widgets[row] = w;
    w->setObjectName(e.index >= 0 ? QStringLiteral("%1(%2)").arg(e.name).arg(e.index) : e.name);
    if (e.font == FontKind::BoldSans)
        w->setFont(boldSansFont());
    w->setGeometry(fittedGeometry(e, w));
    w->setEnabled(!(e.flags & Disabled));
    w->setVisible(!hidden && !(e.flags & Hidden));
    if (isPicture(e))
        fitPicture(static_cast<QLabel*>(w), e.caption, std::move(m_ahead[row]));
}

void CatalogueBuilder::drawPicturesAhead(const QSet<int>& panels, qreal devicePixelRatio)
{
    for (std::size_t row = 0; row < m_catalogue.size(); ++row) {
        const CatalogueEntry& e = m_catalogue[row];
        if (!m_widgets[row] && isPicture(e) && panels.contains(m_panel[row]))
            m_ahead[row] = drawPictureAhead(e.caption, QSize(px(e.width), px(e.height)), devicePixelRatio);
    }
}

void CatalogueBuilder::build(const QSet<int>& panels)
{
    for (std::size_t row = 0; row < m_catalogue.size(); ++row) {
        if (!m_widgets[row] && (m_panel[row] < 0 || panels.contains(m_panel[row])))
            make(row, false);
    }
}

void CatalogueBuilder::buildRest(bool panelsHidden)
{
    for (std::size_t row = 0; row < m_catalogue.size(); ++row) {
        if (!m_widgets[row])
            make(row, panelsHidden && m_catalogue[row].container.isEmpty() && m_panel[row] >= 0);
    }
}

QWidget* CatalogueBuilder::widget(const QString& name, std::optional<int> index) const
{
    const int row = rowOf(name, index.value_or(-1));
    return row >= 0 ? m_widgets[row] : nullptr;
}

int CatalogueBuilder::maxIndex(const QString& name) const
{
    int highest = -1;
    for (const CatalogueEntry& e : m_catalogue) {
        if (e.index >= 0 && e.name.compare(name, Qt::CaseInsensitive) == 0)
            highest = std::max(highest, e.index);
    }
    return highest;
}

void CatalogueBuilder::restoreStackingOrder() const
{
    // From the top down, each hidden widget goes right under the one designed above it; widgets on
    // show keep their places (they were made in design order among themselves), so nothing repaints.
    QWidget* above = nullptr;
    for (std::size_t row = m_catalogue.size(); row-- > 0;) {
        QWidget* w = m_widgets[row];
        if (!w || w->parentWidget() != m_client)
            continue;
        if (w->isHidden()) {
            if (above)
                w->stackUnder(above);
            else
                w->raise();
        }
        above = w;
    }
}

void CatalogueBuilder::registerAll(services::ControlRegistry& registry) const
{
    for (std::size_t row = 0; row < m_catalogue.size(); ++row) {
        const CatalogueEntry& e = m_catalogue[row];
        if (m_widgets[row])
            registry.add(e.name, e.index >= 0 ? std::optional<int>(e.index) : std::nullopt, e.kind, m_widgets[row]);
    }
}

void buildControls(QWidget* client, const std::vector<CatalogueEntry>& catalogue,
                   services::ControlRegistry& registry)
{
    CatalogueBuilder builder(client, catalogue);
    builder.buildRest(false);
    builder.registerAll(registry);
}

} // namespace app
