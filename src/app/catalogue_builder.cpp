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
        auto* t = new QLineEdit(text, parent);
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

} // namespace

void buildControls(QWidget* client, const std::vector<CatalogueEntry>& catalogue,
                   services::ControlRegistry& registry)
{
    initPanelResources();
    for (const CatalogueEntry& e : catalogue) {
        const std::optional<int> index = e.index >= 0 ? std::optional<int>(e.index) : std::nullopt;
        QWidget* parent = client;
        if (!e.container.isEmpty()) {
            const std::optional<int> ci = e.containerIndex >= 0 ? std::optional<int>(e.containerIndex) : std::nullopt;
            parent = registry.widget(e.container, ci);
            Q_ASSERT_X(parent, "buildControls", qPrintable("container missing for " + e.name));
            if (!parent)
                parent = client;
        }
        QWidget* w = makeWidget(e, parent);
        if (!w)
            continue;
        w->setObjectName(e.index >= 0 ? QStringLiteral("%1(%2)").arg(e.name).arg(e.index) : e.name);
        w->setFont(e.font == FontKind::BoldSans ? boldSansFont() : windowFont());
        w->setGeometry(fittedGeometry(e, w));
        w->setEnabled(!(e.flags & Disabled));
        w->setVisible(!(e.flags & Hidden));
        registry.add(e.name, index, e.kind, w);
    }
}

} // namespace app
