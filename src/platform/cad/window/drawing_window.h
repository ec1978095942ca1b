// The drawing window: the engine's front end with one tab per drawing, the view, the command line and the file commands.
#pragma once

#include "platform/cad/geometry/point.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QTabBar;

namespace cad {

class CommandLine;
class Document;
class DocumentModel;
class DrawingView;
class Engine;
class Entity;
struct PendingQuestion;

class DrawingWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DrawingWindow(Engine& engine);
    ~DrawingWindow() override;

    // The window of a running instance, or null.
    static DrawingWindow* of(const Engine* engine);

    // The questions the window asks the engineer, replaceable so that tests script the answers.
    enum class SaveChoice { Save, Discard, Cancel };
    using SaveQuestion = std::function<SaveChoice(const QString& drawingName)>;
    enum class FileDialogKind { Open, SaveAs };
    // Returns the chosen path, or an empty text when the engineer cancelled.
    using FileQuestion = std::function<QString(FileDialogKind kind, const QString& suggestedPath)>;
    void setSaveQuestion(SaveQuestion question) { m_saveQuestion = std::move(question); }
    void setFileQuestion(FileQuestion question) { m_fileQuestion = std::move(question); }

    DrawingView* view() const { return m_view; }
    CommandLine* commandLine() const { return m_commandLine; }
    QTabBar* tabs() const { return m_tabs; }
    QString cursorText() const;

    // The file commands of the menu. Each returns false when nothing was done (cancelled, failed);
    // failures are told on the command line.
    bool openDrawing();
    bool openDrawing(const QString& path);
    bool saveDrawing(const std::shared_ptr<DocumentModel>& document);
    bool saveDrawingAs(const std::shared_ptr<DocumentModel>& document);
    // Closes a drawing, first asking to save it when it has unsaved changes; false when it stays.
    bool closeDrawing(const std::shared_ptr<DocumentModel>& document);
    std::shared_ptr<DocumentModel> currentDocument() const;

    // Questions of the point source (see InteractivePointSource).
    bool isEnding() const { return m_ending; }
    void beginQuestion(PendingQuestion* question);
    void endQuestion(PendingQuestion* question);
    const PendingQuestion* currentQuestion() const { return m_questions.empty() ? nullptr : m_questions.back(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void onDocumentAdded(const Document& document);
    void onDocumentClosed(const Document& document);
    void onDocumentActivated(const Document& document);
    void onDocumentChanged(const Document& document);
    void onEntityAdded(const Entity& entity);
    void onEntityChangedOrErased(const Entity& entity);
    void onEnded();
    void onTabChanged(int index);
    void refreshTitle();
    // The "*" of a drawing with unsaved changes, on its tab and (when shown) in the title.
    void refreshChangedMark(const DocumentModel* document);
    void showQuestion();
    void onPointPicked(const Point& point);
    void onSubmitted(const QString& text);
    void onCancelled();
    void interruptQuestions(const DocumentModel* document);
    int tabOf(const DocumentModel* document) const;
    // Save, discard or cancel for one drawing with unsaved changes; true when it may go.
    bool mayDiscard(const std::shared_ptr<DocumentModel>& document);
    SaveChoice askSave(const QString& name);
    QString askFile(FileDialogKind kind, const QString& suggested);

    QPointer<Engine> m_engine;
    QTabBar* m_tabs;
    DrawingView* m_view;
    CommandLine* m_commandLine;
    QLabel* m_cursorLabel;
    std::vector<std::weak_ptr<DocumentModel>> m_tabDocuments;
    std::vector<PendingQuestion*> m_questions;
    Point m_lastPoint{0, 0, 0};
    bool m_ending = false;
    SaveQuestion m_saveQuestion;
    FileQuestion m_fileQuestion;
};

// Makes the drawing window the front end of every drawing-engine instance started from now on, with
// the engineer as the answer source of its picks. The program calls it once at start-up.
void installDrawingWindow();

} // namespace cad
