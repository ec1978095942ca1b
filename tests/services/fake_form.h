// A stand-in main window for the services tests: a registry of widgets made on demand and a recorded tip line.
#pragma once

#include "services/form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QStringList>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>
#include <optional>

namespace testing_support {

class FakeForm : public services::Form {
public:
    FakeForm() : m_window(std::make_unique<QWidget>()) { new QVBoxLayout(m_window.get()); }

    QLineEdit* addTextBox(const QString& name, std::optional<int> index, const QString& text)
    {
        auto* box = new QLineEdit(text, m_window.get());
        m_window->layout()->addWidget(box);
        m_controls.add(name, index, services::ControlKind::TextBox, box);
        return box;
    }

    services::FormState& state() override { return m_state; }
    services::ControlRegistry& controls() override { return m_controls; }
    void ShowMsg(const QString& msg) override { m_messages.append(msg); }
    QString caption() const override { return QStringLiteral("zoveduzo"); }
    QWidget* window() override { return m_window.get(); }
    void registerHandler(const QString& name, Handler handler) override { m_handlers[name] = std::move(handler); }
    bool runHandler(const QString& name, int index) override
    {
        const auto it = m_handlers.find(name);
        if (it == m_handlers.end())
            return false;
        (*it)(index);
        return true;
    }

    const QStringList& messages() const { return m_messages; }
    void clearMessages() { m_messages.clear(); }

private:
    std::unique_ptr<QWidget> m_window;
    services::ControlRegistry m_controls;
    services::FormState m_state;
    QStringList m_messages;
    QMap<QString, Handler> m_handlers;
};

} // namespace testing_support
