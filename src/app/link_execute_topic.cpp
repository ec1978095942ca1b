// The bridge from the bus topic to the main window.
#include "app/link_execute_topic.h"

#include "app/link_execute.h"
#include "app/link_execute_controls.h"
#include "app/link_execute_fields.h"
#include "app/main_window.h"
#include "platform/desktop/app_info.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>

namespace app {

namespace {

// An item is "name" (the first control of that name) or "name(index)".
const services::Control* findItem(const services::ControlRegistry& controls, const QString& item)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*([A-Za-z_]\w*)\s*(?:\(\s*([^()]*?)\s*\))?\s*$)"));
    const QRegularExpressionMatch m = pattern.match(item);
    if (!m.hasMatch())
        return nullptr;
    int index = -1;
    if (m.hasCaptured(2)) {
        const std::optional<int> i = toInteger16(m.captured(2));
        if (!i)
            return nullptr;
        index = *i;
    }
    return FindControl(controls, m.captured(1), index);
}

} // namespace

LinkExecuteTopic::LinkExecuteTopic(MainWindow& frm) : LinkExecuteTopic(frm, desktop::exeName()) {}

LinkExecuteTopic::LinkExecuteTopic(MainWindow& frm, const QString& application) : m_frm(frm)
{
    m_server.start(application, QStringLiteral("Main"), this);
}

LinkExecuteTopic::~LinkExecuteTopic() { m_server.stop(); }

void LinkExecuteTopic::execute(const QString& command)
{
    // The topic ends with the exit command: the process may live on for the drawing window, but a
    // client must no longer drive a window the user has closed.
    if (m_frm.hasExited())
        return;
    int cancel = 0;
    Form_LinkExecute(m_frm, command, cancel);
}

QString LinkExecuteTopic::request(const QString& item)
{
    if (m_frm.hasExited())
        return {};
    const services::Control* c = findItem(m_frm.controls(), item);
    if (!c)
        return {};
    QObject* o = c->object.data();
    switch (c->kind) {
    case services::ControlKind::TextBox:
        if (auto* edit = qobject_cast<QLineEdit*>(o))
            return edit->text();
        if (auto* text = qobject_cast<QPlainTextEdit*>(o))
            return text->toPlainText();
        break;
    case services::ControlKind::Label:
        if (auto* label = qobject_cast<QLabel*>(o))
            return label->text();
        break;
    case services::ControlKind::ComboBox:
        if (auto* combo = qobject_cast<QComboBox*>(o))
            return combo->currentText();
        break;
    default:
        break;
    }
    return {};
}

void LinkExecuteTopic::poke(const QString& item, const QString& text)
{
    if (m_frm.hasExited())
        return;
    const services::Control* c = findItem(m_frm.controls(), item);
    if (!c || c->kind != services::ControlKind::TextBox)
        return;
    if (auto* edit = qobject_cast<QLineEdit*>(c->object.data()))
        edit->setText(text);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(c->object.data()))
        box->setPlainText(text);
}

} // namespace app
