// The command line widget: Enter, Esc and the blank that ends an answer are read before the edit sees them.
#include "platform/cad/window/command_line.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace cad {

namespace {
const QString kIdlePrompt = QStringLiteral("命令: ");
// The history shows this many lines at first; the engineer drags the splitter above it for more.
constexpr int kHistoryLines = 6;
constexpr int kHistoryMinLines = 2;
} // namespace

CommandLine::CommandLine(QWidget* parent) : QWidget(parent)
{
    m_history = new QPlainTextEdit(this);
    m_history->setReadOnly(true);
    m_history->setFocusPolicy(Qt::NoFocus);
    m_history->setMaximumBlockCount(500);
    m_history->setObjectName(QStringLiteral("commandHistory"));
    m_history->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const int lineHeight = m_history->fontMetrics().lineSpacing();
    m_history->setMinimumHeight(lineHeight * kHistoryMinLines + 10);
    m_historyHeight = lineHeight * kHistoryLines + 10;

    m_prompt = new QLabel(kIdlePrompt, this);
    m_prompt->setObjectName(QStringLiteral("commandPrompt"));
    m_prompt->setTextFormat(Qt::PlainText);
    m_input = new QLineEdit(this);
    m_input->setObjectName(QStringLiteral("commandInput"));
    m_input->setFrame(false);
    m_input->installEventFilter(this);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(0);
    row->addWidget(m_prompt);
    row->addWidget(m_input, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_history);
    layout->addLayout(row);
    setFocusProxy(m_input);
}

void CommandLine::ask(const QString& prompt, bool spaceEnters)
{
    m_prompt->setText(prompt);
    m_spaceEnters = spaceEnters;
    m_input->clear();
    // The whole prompt shows at once, not after the next pass of the event loop.
    if (layout())
        layout()->activate();
}

void CommandLine::idle() { ask(kIdlePrompt, false); }

QString CommandLine::prompt() const { return m_prompt->text(); }

void CommandLine::addHistory(const QString& line)
{
    m_history->appendPlainText(line);
    // The newest line is always in sight, even after the engineer scrolled back.
    m_history->ensureCursorVisible();
    if (QScrollBar* bar = m_history->verticalScrollBar())
        bar->setValue(bar->maximum());
}

QSize CommandLine::sizeHint() const
{
    const QSize hint = QWidget::sizeHint();
    return {hint.width(), m_historyHeight + m_input->sizeHint().height()};
}

QString CommandLine::history() const { return m_history->toPlainText(); }

bool CommandLine::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_input && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit submitted(m_input->text());
            return true;
        case Qt::Key_Escape:
            emit cancelled();
            return true;
        case Qt::Key_Space:
            if (m_spaceEnters) {
                emit submitted(m_input->text());
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace cad
