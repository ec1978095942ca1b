// The strike-count panel: reads the boxes of the chosen shape, computes and shows N on the tip line.
#include "buildings/strike_count_panel.h"

#include "buildings/strike_count.h"
#include "services/button_arrays.h"
#include "services/form.h"
#include "services/input_checks_rules.h"
#include "services/number_format.h"
#include "services/panel_io.h"

#include <QLineEdit>
#include <QRadioButton>

#include <optional>

namespace buildings {

namespace {

const services::FieldTable<StrikeField>& boxes()
{
    using F = StrikeField;
    // One height box for each shape, named alike.
    const QString heightMessage = QStringLiteral("建筑物高度数值无效!");
    static const services::FieldTable<F> table{
        {F::ThunderDays, {QStringLiteral("txtTD"), std::nullopt, QStringLiteral("年雷暴日数无效!")}},
        {F::Length, {QStringLiteral("txtLength"), std::nullopt, QStringLiteral("建筑物长度数值无效!")}},
        {F::Width, {QStringLiteral("txtWidth"), std::nullopt, QStringLiteral("建筑物宽度数值无效!")}},
        {F::CuboidHeight, {QStringLiteral("txtAltitude"), 0, heightMessage}},
        {F::Radius, {QStringLiteral("txtRadius"), std::nullopt, QStringLiteral("建筑物半径数值无效!")}},
        {F::CylinderHeight, {QStringLiteral("txtAltitude"), 1, heightMessage}},
        {F::Area, {QStringLiteral("txtArea"), std::nullopt, QStringLiteral("建筑物等效面积数值无效!")}},
    };
    return table;
}

// The field test of the panel: numeric and not negative; a bad box is marked and named.
std::optional<double> field(services::checks::Rules& rules, StrikeField f)
{
    if (!rules.nonNegative(boxes()[f]))
        return std::nullopt;
    return rules.value(boxes()[f]);
}

} // namespace

StrikeCountPanel::StrikeCountPanel(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    const services::ControlRegistry& c = form.controls();
    const int last = c.maxIndex(QStringLiteral("optShape"));
    for (int i = 0; i <= last; ++i) {
        if (QRadioButton* option = c.optionButton(QStringLiteral("optShape"), i)) {
            // An option's click also comes when it is chosen from code, as its Value set to True did.
            connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
                if (on)
                    optShape_Click(i);
            });
        }
    }
    services::connectClick(form, QStringLiteral("cmdNumber"), this, [this] { cmdNumber_Click(); });
}

void StrikeCountPanel::optShape_Click(int index)
{
    const std::optional<ShapeBoxes> enabled = shapeBoxes(index);
    if (!enabled)
        return;
    const services::ControlRegistry& c = m_form.controls();
    const auto enable = [&](StrikeField f, bool on) {
        if (QWidget* w = c.widget(boxes()[f].name, boxes()[f].index))
            w->setEnabled(on);
    };
    enable(StrikeField::Area, enabled->area);
    enable(StrikeField::Length, enabled->length);
    enable(StrikeField::Width, enabled->width);
    enable(StrikeField::CuboidHeight, enabled->cuboidHeight);
    enable(StrikeField::CylinderHeight, enabled->cylinderHeight);
    enable(StrikeField::Radius, enabled->radius);
}

void StrikeCountPanel::cmdNumber_Click()
{
    const services::ControlRegistry& c = m_form.controls();
    const auto chosen = [&](const char* name, int i) {
        const QRadioButton* option = c.optionButton(QString::fromUtf8(name), i);
        return option && option->isChecked();
    };
    services::checks::Rules rules(m_form);

    const std::optional<double> td = field(rules, StrikeField::ThunderDays);
    if (!td)
        return;

    // Only the chosen shape's boxes are tested and read; with no shape chosen the area stays 0.
    BuildingDimensions b;
    b.shape = BuildingShape::Special;
    if (chosen("optShape", 0)) {
        const auto l = field(rules, StrikeField::Length);
        if (!l)
            return;
        const auto w = field(rules, StrikeField::Width);
        if (!w)
            return;
        const auto h = field(rules, StrikeField::CuboidHeight);
        if (!h)
            return;
        b.shape = BuildingShape::Cuboid;
        b.length = *l;
        b.width = *w;
        b.cuboidHeight = *h;
    }
    if (chosen("optShape", 1)) {
        const auto r = field(rules, StrikeField::Radius);
        if (!r)
            return;
        const auto h = field(rules, StrikeField::CylinderHeight);
        if (!h)
            return;
        b.shape = BuildingShape::Cylinder;
        b.radius = *r;
        b.cylinderHeight = *h;
    }
    if (chosen("optShape", 2)) {
        const auto a = field(rules, StrikeField::Area);
        if (!a)
            return;
        b.shape = BuildingShape::Special;
        b.area = *a;
    }

    double k = 0;
    for (int i = 0; i <= c.maxIndex(QStringLiteral("optAdjust")); ++i) {
        if (chosen("optAdjust", i))
            k = correctionFactor(i);
    }

    const StrikeCount n = strikeCount(*td, b, k);
    if (n.overflow) {
        rules.fail(boxes()[*n.overflow]);
        return;
    }
    m_form.ShowMsg(QString::fromUtf8(kStrikeCountLabel) + services::FormatFixed3(n.strikes)
                   + QString::fromUtf8(kStrikeCountUnit));
}

} // namespace buildings
