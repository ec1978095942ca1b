// The window's controls in design order, looked up by name (any case) and element index.
#include "services/control_registry.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

namespace services {

QString kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Frame: return QStringLiteral("Frame");
    case ControlKind::PictureBox: return QStringLiteral("PictureBox");
    case ControlKind::Image: return QStringLiteral("Image");
    case ControlKind::Label: return QStringLiteral("Label");
    case ControlKind::TextBox: return QStringLiteral("TextBox");
    case ControlKind::ComboBox: return QStringLiteral("ComboBox");
    case ControlKind::OptionButton: return QStringLiteral("OptionButton");
    case ControlKind::CheckBox: return QStringLiteral("CheckBox");
    case ControlKind::CommandButton: return QStringLiteral("CommandButton");
    case ControlKind::Timer: return QStringLiteral("Timer");
    case ControlKind::Menu: return QStringLiteral("Menu");
    }
    return {};
}

QWidget* Control::widget() const { return qobject_cast<QWidget*>(object.data()); }
QAction* Control::action() const { return qobject_cast<QAction*>(object.data()); }

void ControlRegistry::add(const QString& name, std::optional<int> index, ControlKind kind, QObject* object)
{
    m_controls.append(Control{name, index, kind, object});
}

const Control* ControlRegistry::find(const QString& name, std::optional<int> index) const
{
    for (const Control& c : m_controls) {
        if (c.index == index && c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

int ControlRegistry::maxIndex(const QString& name) const
{
    int highest = -1;
    for (const Control& c : m_controls) {
        if (c.index && c.name.compare(name, Qt::CaseInsensitive) == 0)
            highest = std::max(highest, *c.index);
    }
    return highest;
}

int ControlRegistry::count(const QString& name) const
{
    int n = 0;
    for (const Control& c : m_controls)
        n += c.name.compare(name, Qt::CaseInsensitive) == 0 ? 1 : 0;
    return n;
}

template <typename T>
static T* typed(const ControlRegistry& r, const QString& name, std::optional<int> index)
{
    const Control* c = r.find(name, index);
    return c ? qobject_cast<T*>(c->object.data()) : nullptr;
}

QWidget* ControlRegistry::widget(const QString& n, std::optional<int> i) const { return typed<QWidget>(*this, n, i); }
QLineEdit* ControlRegistry::textBox(const QString& n, std::optional<int> i) const { return typed<QLineEdit>(*this, n, i); }
QLabel* ControlRegistry::label(const QString& n, std::optional<int> i) const { return typed<QLabel>(*this, n, i); }
QComboBox* ControlRegistry::comboBox(const QString& n, std::optional<int> i) const { return typed<QComboBox>(*this, n, i); }
QCheckBox* ControlRegistry::checkBox(const QString& n, std::optional<int> i) const { return typed<QCheckBox>(*this, n, i); }
QRadioButton* ControlRegistry::optionButton(const QString& n, std::optional<int> i) const { return typed<QRadioButton>(*this, n, i); }
QAbstractButton* ControlRegistry::button(const QString& n, std::optional<int> i) const { return typed<QAbstractButton>(*this, n, i); }
QGroupBox* ControlRegistry::frame(const QString& n, std::optional<int> i) const { return typed<QGroupBox>(*this, n, i); }
QAction* ControlRegistry::menu(const QString& n) const { return typed<QAction>(*this, n, std::nullopt); }

} // namespace services
