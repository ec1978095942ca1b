// The rules the panel input checks are made of: non-negative, positive, scale, and the report of a bad box.
#pragma once

#include "services/panel_io.h"

#include <QString>
#include <optional>

namespace services {

class Form;

namespace checks {

// Messages several checks share.
inline QString scaleMessage() { return QStringLiteral("制图比例无效!"); }
inline QString targetHeightMessage() { return QStringLiteral("被保护物高度数值无效!"); }
inline QString rodHeightMessage() { return QStringLiteral("避雷针高度数值无效!"); }
inline QString rodSpacingMessage() { return QStringLiteral("避雷针间距数值无效!"); }
inline QString targetAboveRodMessage() { return QStringLiteral("被保护物的高度超过了避雷针的高度!"); }
inline QString wireHeightMessage() { return QStringLiteral("避雷线支点高度数值无效!"); }
inline QString wireLengthMessage() { return QStringLiteral("避雷线长度数值无效!"); }
inline QString sagMessage() { return QStringLiteral("避雷线弧垂数值无效!"); }
inline QString resistivityMessage() { return QStringLiteral("土壤电阻率数值无效!"); }

// One check's run over the boxes of its panel. Every rule reads its box afresh, and each failing
// rule reports its box and message and answers false, so a check reads as a chain of rules.
class Rules {
public:
    explicit Rules(Form& form) : m_form(form) {}

    // Numeric and 0 or more.
    bool nonNegative(const QString& box, std::optional<int> index, const QString& message);
    // Numeric and more than 0.
    bool positive(const QString& box, std::optional<int> index, const QString& message);
    // A drawing scale ("1:500").
    bool scale(const QString& box, std::optional<int> index, const QString& message);

    // The value of a box that passed its numeric rule (the locale conversion), for cross rules.
    double value(const QString& box, std::optional<int> index) const;

    // Marks the box, shows the message, answers false.
    bool fail(const QString& box, std::optional<int> index, const QString& message);

    // The same on a box of a panel's field table, with its own message.
    bool nonNegative(const PanelField& field) { return nonNegative(field.name, field.index, field.message); }
    bool positive(const PanelField& field) { return positive(field.name, field.index, field.message); }
    bool scale(const PanelField& field) { return scale(field.name, field.index, field.message); }
    double value(const PanelField& field) const { return value(field.name, field.index); }
    bool fail(const PanelField& field) { return fail(field.name, field.index, field.message); }
    // The same with a message of the cross rule that found the box at fault.
    bool fail(const PanelField& field, const QString& message) { return fail(field.name, field.index, message); }

private:
    QString text(const QString& box, std::optional<int> index) const;

    Form& m_form;
};

} // namespace checks
} // namespace services
