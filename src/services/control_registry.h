// Every control of the main window in design order: name, index in its control array, kind, object.
// The execute-string handler, the panels and the tests find controls here by name and index.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace services {

enum class ControlKind {
    Frame,
    PictureBox,
    Image,
    Label,
    TextBox,
    ComboBox,
    OptionButton,
    CheckBox,
    CommandButton,
    Timer,
    Menu,
};

QString kindName(ControlKind kind);

struct Control {
    QString name;
    std::optional<int> index; // none: not a control array
    ControlKind kind;
    QPointer<QObject> object; // a QWidget, a QAction (menu items) or a QTimer

    QWidget* widget() const;
    QAction* action() const;
};

class ControlRegistry {
public:
    void add(const QString& name, std::optional<int> index, ControlKind kind, QObject* object);

    // Names compare without regard to case, as the platform's control names did.
    const Control* find(const QString& name, std::optional<int> index = std::nullopt) const;
    // The highest index of a control array, or -1 when name is no array.
    int maxIndex(const QString& name) const;
    int count(const QString& name) const;
    const QList<Control>& all() const { return m_controls; }

    // Typed look-ups: nullptr when the control is missing or of another kind.
    QWidget* widget(const QString& name, std::optional<int> index = std::nullopt) const;
    QLineEdit* textBox(const QString& name, std::optional<int> index = std::nullopt) const;
    QLabel* label(const QString& name, std::optional<int> index = std::nullopt) const;
    QComboBox* comboBox(const QString& name, std::optional<int> index = std::nullopt) const;
    QCheckBox* checkBox(const QString& name, std::optional<int> index = std::nullopt) const;
    QRadioButton* optionButton(const QString& name, std::optional<int> index = std::nullopt) const;
    QAbstractButton* button(const QString& name, std::optional<int> index = std::nullopt) const;
    QGroupBox* frame(const QString& name, std::optional<int> index = std::nullopt) const;
    QAction* menu(const QString& name) const;

private:
    QList<Control> m_controls;
};

} // namespace services
