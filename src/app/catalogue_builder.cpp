#include "app/catalogue_builder.h"

#include "app/fonts.h"
#include "app/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace app {

using services::ControlKind;

static QWidget* makeWidget(const CatalogueEntry& e, QWidget* parent)
{
    switch (e.kind) {
    case ControlKind::Frame:
        return new QGroupBox(e.caption, parent);
    case ControlKind::PictureBox:
    case ControlKind::Image: {
        auto* l = new QLabel(parent);
        l->setAlignment(Qt::AlignCenter);
        return l;
    }
    case ControlKind::Label: {
        auto* l = new QLabel(e.caption, parent);
        l->setAlignment((e.flags & RightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        return l;
    }
    case ControlKind::TextBox:
        if (e.flags & MultiLine) {
            auto* t = new QPlainTextEdit(parent);
            t->setPlainText(e.caption);
            t->setReadOnly(e.flags & ReadOnly);
            t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            return t;
        } else {
            auto* t = new QLineEdit(e.caption, parent);
            t->setReadOnly(e.flags & ReadOnly);
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

void buildControls(QWidget* client, const std::vector<CatalogueEntry>& catalogue,
                   services::ControlRegistry& registry)
{
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
        w->setGeometry(px(e.left), px(e.top), px(e.width), px(e.height));
        w->setEnabled(!(e.flags & Disabled));
        w->setVisible(!(e.flags & Hidden));
        registry.add(e.name, index, e.kind, w);
    }
}

} // namespace app
