// The drawing window: tabs follow the engine's documents, the command line answers the engine's questions.
#include "platform/cad/window/drawing_window.h"

#include "platform/cad/document.h"
#include "platform/cad/engine.h"
#include "platform/cad/entity.h"
#include "platform/cad/geometry/coordinate_limits.h"
#include "platform/cad/model/document_model.h"
#include "platform/cad/window/command_line.h"
#include "platform/cad/window/command_line_input.h"
#include "platform/cad/window/drawing_view.h"
#include "platform/cad/window/interactive_point_source.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

namespace cad {

namespace {

std::shared_ptr<DocumentModel> modelOf(const Document& document)
{
    try {
        return document.model();
    } catch (...) {
        return nullptr;
    }
}

QString coordinates(const Point& p) { return QString::asprintf("%.4f, %.4f, %.4f", p[0], p[1], p[2]); }

// The answer to a point, clicked or typed, beyond the coordinate limits.
QString outOfRangeText() { return QStringLiteral("点超出范围，%1。").arg(coordinateLimitText()); }

} // namespace

DrawingWindow::DrawingWindow(Engine& engine) : m_engine(&engine)
{
    setObjectName(QStringLiteral("drawingWindow"));
    setAttribute(Qt::WA_QuitOnClose, true);
    resize(1100, 760);

    auto* central = new QWidget(this);
    m_tabs = new QTabBar(central);
    m_tabs->setObjectName(QStringLiteral("drawingTabs"));
    m_tabs->setDocumentMode(true);
    m_tabs->setExpanding(false);
    m_tabs->setTabsClosable(true);
    m_view = new DrawingView(central);
    m_view->setObjectName(QStringLiteral("drawingView"));
    m_commandLine = new CommandLine(central);
    m_commandLine->setObjectName(QStringLiteral("commandLine"));
    m_view->setKeyTarget(m_commandLine->input());
    // The engineer drags the bar between drawing and command line to see more of the history.
    auto* split = new QSplitter(Qt::Vertical, central);
    split->setObjectName(QStringLiteral("commandSplitter"));
    split->setChildrenCollapsible(false);
    split->addWidget(m_view);
    split->addWidget(m_commandLine);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(split, 1);
    setCentralWidget(central);

    m_cursorLabel = new QLabel(coordinates({0, 0, 0}), this);
    m_cursorLabel->setObjectName(QStringLiteral("cursorCoordinates"));
    m_cursorLabel->setMinimumWidth(260);
    statusBar()->addWidget(m_cursorLabel);
    buildMenus();

    connect(m_tabs, &QTabBar::currentChanged, this, &DrawingWindow::onTabChanged);
    connect(m_tabs, &QTabBar::tabCloseRequested, this, [this](int index) {
        if (index >= 0 && static_cast<std::size_t>(index) < m_tabDocuments.size())
            closeDrawing(m_tabDocuments[static_cast<std::size_t>(index)].lock());
    });
    connect(m_view, &DrawingView::cursorMoved, this, [this](const Point& p) { m_cursorLabel->setText(coordinates(p)); });
    connect(m_view, &DrawingView::pointPicked, this, &DrawingWindow::onPointPicked);
    connect(m_view, &DrawingView::drawnInPart, this,
            [this] { m_commandLine->addHistory(QStringLiteral("图形中嵌套的块太多，只画出了一部分。")); });
    connect(m_commandLine, &CommandLine::submitted, this, &DrawingWindow::onSubmitted);
    connect(m_commandLine, &CommandLine::cancelled, this, &DrawingWindow::onCancelled);

    connect(&engine, &Engine::documentAdded, this, &DrawingWindow::onDocumentAdded);
    connect(&engine, &Engine::documentClosed, this, &DrawingWindow::onDocumentClosed);
    connect(&engine, &Engine::documentActivated, this, &DrawingWindow::onDocumentActivated);
    connect(&engine, &Engine::documentChanged, this, &DrawingWindow::onDocumentChanged);
    connect(&engine, &Engine::entityAdded, this, [this](const Document&, const Entity& e) { onEntityAdded(e); });
    connect(&engine, &Engine::entityChanged, this, [this](const Document&, const Entity& e) {
        if (auto model = e.documentModel().lock()) {
            m_view->entityChanged(model.get(), e.handleValue());
            refreshChangedMark(model.get());
        }
    });
    connect(&engine, &Engine::entityErased, this, [this](const Document&, const Entity& e) { onEntityChangedOrErased(e); });
    connect(&engine, &Engine::updateRequested, this, [this] {
        if (auto doc = m_view->document())
            m_view->entitiesChanged(doc.get());
    });
    connect(&engine, &Engine::visibleChanged, this, [this](bool visible) {
        if (!m_ending)
            setVisible(visible);
    });
    connect(&engine, &Engine::ended, this, &DrawingWindow::onEnded);

    for (const auto& doc : engine.documents())
        onDocumentAdded(Document::of(*doc));
    if (auto active = engine.activeDocument())
        onDocumentActivated(Document::of(*active));
    m_commandLine->idle();
    m_commandLine->input()->setFocus();
    refreshTitle();
    if (engine.visible())
        show();
}

DrawingWindow::~DrawingWindow()
{
    m_ending = true;
    interruptQuestions(nullptr);
}

DrawingWindow* DrawingWindow::of(const Engine* engine)
{
    if (!engine)
        return nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<DrawingWindow*>(w); window && window->m_engine == engine)
            return window;
    return nullptr;
}

QString DrawingWindow::cursorText() const { return m_cursorLabel->text(); }

std::shared_ptr<DocumentModel> DrawingWindow::currentDocument() const { return m_view->document(); }

void DrawingWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    file->addAction(QStringLiteral("打开(&O)..."), QKeySequence::Open, this, [this] { openDrawing(); });
    file->addAction(QStringLiteral("保存(&S)"), QKeySequence::Save, this, [this] { saveDrawing(currentDocument()); });
    file->addAction(QStringLiteral("另存为(&A)..."), QKeySequence::SaveAs, this, [this] { saveDrawingAs(currentDocument()); });
    file->addSeparator();
    file->addAction(QStringLiteral("关闭(&C)"), QKeySequence::Close, this, [this] { closeDrawing(currentDocument()); });
    file->addSeparator();
    // Ends this window and its instance; every changed drawing is asked about first (closeEvent).
    file->addAction(QStringLiteral("退出(&X)"), QKeySequence::Quit, this, [this] { close(); });
    QMenu* view = menuBar()->addMenu(QStringLiteral("视图(&V)"));
    view->addAction(QStringLiteral("范围缩放(&E)"), this, [this] { m_view->zoomExtents(); });
}

int DrawingWindow::tabOf(const DocumentModel* document) const
{
    for (std::size_t i = 0; i < m_tabDocuments.size(); ++i)
        if (m_tabDocuments[i].lock().get() == document)
            return static_cast<int>(i);
    return -1;
}

void DrawingWindow::refreshTitle()
{
    // The title begins with what Caption answers, so that bringing the window to the front by it
    // finds it; a "*" after it tells that the shown drawing has unsaved changes.
    if (!m_engine || m_engine->hasEnded())
        return;
    const auto active = m_engine->activeDocument();
    const QString title = m_engine->caption() + (active && !active->saved() ? QStringLiteral("*") : QString());
    if (windowTitle() != title)
        setWindowTitle(title);
}

void DrawingWindow::refreshChangedMark(const DocumentModel* document)
{
    const int index = tabOf(document);
    if (index < 0)
        return;
    const QString text = document->name() + (document->saved() ? QString() : QStringLiteral("*"));
    if (m_tabs->tabText(index) != text)
        m_tabs->setTabText(index, text);
    refreshTitle();
}

// ---- the engine's documents

void DrawingWindow::onDocumentAdded(const Document& document)
{
    auto model = modelOf(document);
    if (!model || tabOf(model.get()) >= 0)
        return;
    m_tabDocuments.push_back(model);
    m_tabs->addTab(model->name());
    refreshChangedMark(model.get());
}

void DrawingWindow::onDocumentClosed(const Document& document)
{
    auto model = modelOf(document);
    if (!model)
        return;
    interruptQuestions(model.get());
    m_view->forgetDocument(model.get());
    const int index = tabOf(model.get());
    if (index >= 0) {
        m_tabDocuments.erase(m_tabDocuments.begin() + index);
        m_tabs->removeTab(index);
    }
    // The engine picks the next active drawing after telling of the close (and tells of that);
    // with none left, nothing more is told.
    if (m_engine && m_engine->documents().empty())
        setWindowTitle(engineCaption());
    else
        QTimer::singleShot(0, this, &DrawingWindow::refreshTitle);
}

void DrawingWindow::onDocumentActivated(const Document& document)
{
    auto model = modelOf(document);
    const int index = model ? tabOf(model.get()) : -1;
    if (index >= 0 && index != m_tabs->currentIndex())
        m_tabs->setCurrentIndex(index);
    m_view->setDocument(model);
    refreshTitle();
    showQuestion();
}

void DrawingWindow::onDocumentChanged(const Document& document)
{
    auto model = modelOf(document);
    if (!model)
        return;
    refreshChangedMark(model.get());
    m_view->documentReplaced(model.get());
}

void DrawingWindow::onEntityAdded(const Entity& entity)
{
    if (auto model = entity.documentModel().lock()) {
        m_view->entityAdded(model.get(), entity.handleValue());
        refreshChangedMark(model.get());
    }
}

void DrawingWindow::onEntityChangedOrErased(const Entity& entity)
{
    if (auto model = entity.documentModel().lock()) {
        m_view->entitiesChanged(model.get());
        refreshChangedMark(model.get());
    }
}

void DrawingWindow::onTabChanged(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_tabDocuments.size())
        return;
    auto model = m_tabDocuments[static_cast<std::size_t>(index)].lock();
    if (m_engine && model && model->isOpen())
        m_engine->activate(model);
    m_view->setDocument(model);
    showQuestion();
}

void DrawingWindow::onEnded()
{
    // Ended from outside (Quit): the window goes with the instance. Ended by closing: already going.
    const bool fromOutside = !m_ending;
    m_ending = true;
    interruptQuestions(nullptr);
    if (fromOutside && isVisible())
        close();
}

void DrawingWindow::closeEvent(QCloseEvent* event)
{
    if (!m_ending && m_engine) {
        // The engineer never loses a drawing silently: every unsaved one is asked about first.
        for (const auto& doc : std::vector<std::shared_ptr<DocumentModel>>(m_engine->documents())) {
            if (!mayDiscard(doc)) {
                event->ignore();
                return;
            }
        }
        m_ending = true;
        interruptQuestions(nullptr);
        m_engine->end();
    }
    event->accept();
}

// ---- questions

void DrawingWindow::beginQuestion(PendingQuestion* question)
{
    m_questions.push_back(question);
    const int index = tabOf(question->document);
    if (index >= 0 && index != m_tabs->currentIndex())
        m_tabs->setCurrentIndex(index);
    if (!isVisible() && m_engine)
        m_engine->setVisible(true);   // nobody could answer a question in a hidden window
    showQuestion();
}

void DrawingWindow::endQuestion(PendingQuestion* question)
{
    std::erase(m_questions, question);
    showQuestion();
}

void DrawingWindow::showQuestion()
{
    const PendingQuestion* q = currentQuestion();
    if (!q) {
        m_commandLine->idle();
        m_view->endPick();
        return;
    }
    const bool point = q->kind == PendingQuestion::Kind::Point;
    m_commandLine->ask(q->prompt, point || !q->allowBlanks);
    auto shown = m_view->document();
    if (point && shown && shown.get() == q->document)
        m_view->beginPick(q->base);
    else
        m_view->endPick();
    m_commandLine->input()->setFocus();
}

void DrawingWindow::onPointPicked(const Point& point)
{
    PendingQuestion* q = m_questions.empty() ? nullptr : m_questions.back();
    auto shown = m_view->document();
    if (!q || q->kind != PendingQuestion::Kind::Point || !shown || shown.get() != q->document)
        return;
    if (!withinLimits(point)) {   // a view panned out beyond any site
        m_commandLine->addHistory(outOfRangeText());
        return;
    }
    // Echoed as if typed, so the history shows where every answer came from.
    m_commandLine->addHistory(q->prompt + pointText(point));
    q->point = point;
    m_lastPoint = point;
    q->finish(PendingQuestion::State::Answered);
}

void DrawingWindow::onSubmitted(const QString& text)
{
    PendingQuestion* q = m_questions.empty() ? nullptr : m_questions.back();
    if (!q) {
        m_commandLine->idle();
        return;
    }
    if (q->kind == PendingQuestion::Kind::String) {
        m_commandLine->addHistory(q->prompt + text);
        q->text = text;
        q->finish(PendingQuestion::State::Answered);
        return;
    }
    if (text.trimmed().isEmpty()) {
        // A point has no default: the question stays.
        m_commandLine->ask(q->prompt, true);
        return;
    }
    const auto point = parseTypedPoint(text, q->base.value_or(m_lastPoint));
    if (!point || !withinLimits(*point)) {
        m_commandLine->addHistory(q->prompt + text);
        m_commandLine->addHistory(point ? outOfRangeText() : QStringLiteral("点无效，请输入 x,y 或 @dx,dy。"));
        m_commandLine->ask(q->prompt, true);
        return;
    }
    m_commandLine->addHistory(q->prompt + text);
    q->point = *point;
    m_lastPoint = *point;
    q->finish(PendingQuestion::State::Answered);
}

void DrawingWindow::onCancelled()
{
    PendingQuestion* q = m_questions.empty() ? nullptr : m_questions.back();
    if (!q) {
        m_commandLine->idle();
        return;
    }
    m_commandLine->addHistory(q->prompt + QStringLiteral("*取消*"));
    q->finish(PendingQuestion::State::Cancelled);
}

void DrawingWindow::interruptQuestions(const DocumentModel* document)
{
    for (PendingQuestion* q : std::vector<PendingQuestion*>(m_questions))
        if (!document || q->document == document)
            q->finish(PendingQuestion::State::Interrupted);
}

// ---- installing

void installDrawingWindow()
{
    setFrontEndFactory([](Engine& engine) -> QObject* {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
            throw std::runtime_error("the drawing window needs a widget application");
        auto* window = new DrawingWindow(engine);
        engine.setPointSource(std::make_shared<InteractivePointSource>(window));
        return window;
    });
}

} // namespace cad
