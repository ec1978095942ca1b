// Reading a panel's boxes, check boxes and class combo, writing its result boxes, and telling a refused box.
#pragma once

#include <QString>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace services {

class Form;

// One box of a panel: its control name, its element (none for a control that is no array), and the
// message that names it when its value is refused.
struct PanelField {
    QString name;
    std::optional<int> index;
    QString message;
};

// A panel's boxes keyed by the panel's own named enum, so code says fields[In::Height], not element 0.
// keys() lists them in the table's order (the order a check tests them). Every key a panel uses must
// be in its table; asking for one that is not is a programming error.
template <typename Key>
class FieldTable {
public:
    FieldTable(std::initializer_list<std::pair<Key, PanelField>> entries)
    {
        for (const auto& [key, field] : entries) {
            const auto slot = static_cast<std::size_t>(key);
            if (slot >= m_fields.size())
                m_fields.resize(slot + 1);
            m_fields[slot] = field;
            m_keys.push_back(key);
        }
    }

    const std::vector<Key>& keys() const { return m_keys; }

    bool contains(Key key) const
    {
        const auto slot = static_cast<std::size_t>(key);
        return slot < m_fields.size() && m_fields[slot];
    }

    const PanelField& operator[](Key key) const
    {
        const auto slot = static_cast<std::size_t>(key);
        if (slot >= m_fields.size() || !m_fields[slot])
            throw std::out_of_range("no such field in the panel's table");
        return *m_fields[slot];
    }

private:
    std::vector<std::optional<PanelField>> m_fields;
    std::vector<Key> m_keys;
};

// The number in a text box (the locale-aware conversion), or nothing when the box is missing or
// its text is not numeric.
std::optional<double> boxNumber(Form& form, const QString& name, std::optional<int> index);
std::optional<double> boxNumber(Form& form, const PanelField& field);

// The text of a text box; empty when the box is missing.
QString boxText(Form& form, const QString& name, std::optional<int> index);
QString boxText(Form& form, const PanelField& field);

// Hr from the text of the panel's class combo (its element of comClass, as its table names it); nothing
// when the text is none of the three classes.
std::optional<double> classSphereRadius(Form& form, const PanelField& classCombo);

// A check box counts as ticked only when it is exactly checked (a greyed box is not).
bool isTicked(Form& form, const QString& name, std::optional<int> index);
bool isTicked(Form& form, const PanelField& checkBox);

// The drawing check boxes every drawing panel with ticks shows, in the order they stand.
enum class DrawingTick { GroundRange, TargetRange, Section };

// The drawing check boxes of the panel whose check-box array is named checkBoxes, as its table.
FieldTable<DrawingTick> drawingTicks(const QString& checkBoxes);

// A value as its result box shows it: rounded to the three decimals of "0.000" and read back, so the
// drawing works with the value the user sees.
double shownValue(double value);

// Writes value with the result format "0.000" into a result box.
void showResult(Form& form, const QString& name, std::optional<int> index, double value);
void showResult(Form& form, const PanelField& field, double value);

// Focuses a box and selects its whole text, then shows the message: how a refused value is told.
void refuse(Form& form, const QString& name, std::optional<int> index, const QString& message);
void refuse(Form& form, const PanelField& field, const QString& message);
// Refuses a box with its own message (the box a computation found at fault).
void blame(Form& form, const PanelField& field);

// The warning for a rod taller than Hr: prefix, Hr as plain decimal text, "米部分无效!".
QString tallerRodWarning(const QString& prefix, double sphereRadius);

} // namespace services
