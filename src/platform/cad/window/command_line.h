// The command line under the drawing: the prompt exactly as asked, the engineer's typing, a short history.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace cad {

class CommandLine : public QWidget {
    Q_OBJECT
public:
    explicit CommandLine(QWidget* parent = nullptr);

    // Shows a question's prompt and clears the typing. `spaceEnters`: a blank ends the answer, as
    // it does for points and for texts without blanks.
    void ask(const QString& prompt, bool spaceEnters);
    // No question: the idle prompt.
    void idle();
    QString prompt() const;
    // A line of the history (a finished question with its answer, a message).
    void addHistory(const QString& line);
    QString history() const;

    QLineEdit* input() const { return m_input; }
    QPlainTextEdit* historyView() const { return m_history; }
    // A few lines of history and the input row; the window may give it more or less.
    QSize sizeHint() const override;

signals:
    // Enter (or a blank where it ends the answer) with what was typed.
    void submitted(const QString& text);
    // Esc.
    void cancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* m_history;
    QLabel* m_prompt;
    QLineEdit* m_input;
    bool m_spaceEnters = false;
    int m_historyHeight = 0;
};

} // namespace cad
