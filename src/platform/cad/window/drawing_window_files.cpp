// The drawing window's file commands: open a site plan, save, save as DXF, close, never losing changes silently.
#include "platform/cad/window/drawing_window.h"

#include "platform/automation/automation_error.h"
#include "platform/cad/application.h"
#include "platform/cad/document.h"
#include "platform/cad/dxf/dxf_not_kept_notice.h"
#include "platform/cad/engine.h"
#include "platform/cad/model/document_model.h"
#include "platform/cad/window/command_line.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>

namespace cad {

namespace {
QString failure(const automation::AutomationError& e)
{
    return e.description().isEmpty() ? QString::number(e.number()) : e.description();
}

// The history line of a save that failed, for save and save as alike.
QString saveFailure(const QString& path, const automation::AutomationError& e)
{
    return QStringLiteral("无法保存图形 %1: %2").arg(QDir::toNativeSeparators(path), failure(e));
}
} // namespace

DrawingWindow::SaveChoice DrawingWindow::askSave(const QString& name)
{
    if (m_saveQuestion)
        return m_saveQuestion(name);
    QMessageBox box(QMessageBox::Warning, windowTitle(), QStringLiteral("是否将改动保存到 %1？").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.button(QMessageBox::Save)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("否(&N)"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save: return SaveChoice::Save;
    case QMessageBox::Discard: return SaveChoice::Discard;
    default: return SaveChoice::Cancel;
    }
}

QString DrawingWindow::askFile(FileDialogKind kind, const QString& suggested)
{
    if (m_fileQuestion)
        return m_fileQuestion(kind, suggested);
    // Only what the engine reads is offered: DXF drawings and the DXF template.
    if (kind == FileDialogKind::Open)
        return QFileDialog::getOpenFileName(this, QStringLiteral("选择文件"), suggested,
                                            QStringLiteral("DXF 图形 (*.dxf *.dwt)"));
    return QFileDialog::getSaveFileName(this, QStringLiteral("图形另存为"), suggested, QStringLiteral("DXF 图形 (*.dxf)"));
}

bool DrawingWindow::openDrawing()
{
    auto current = currentDocument();
    const QString folder = current && !current->fullName().isEmpty() ? QFileInfo(current->fullName()).absolutePath()
                                                                       : QDir::homePath();
    const QString path = askFile(FileDialogKind::Open, folder);
    return !path.isEmpty() && openDrawing(path);
}

bool DrawingWindow::openDrawing(const QString& path)
{
    if (!m_engine || m_engine->hasEnded())
        return false;
    try {
        const Document opened = m_engine->application().Documents().Open(path);
        if (const auto model = opened.model(); model && model->notKeptOnRead() > 0)
            m_commandLine->addHistory(dxfNotKeptNotice(QDir::toNativeSeparators(path), model->notKeptByKind()));
        return true;
    } catch (const automation::AutomationError& e) {
        m_commandLine->addHistory(QStringLiteral("无法打开图形 %1: %2").arg(QDir::toNativeSeparators(path), failure(e)));
        return false;
    }
}

bool DrawingWindow::saveDrawing(const std::shared_ptr<DocumentModel>& document)
{
    if (!document || !document->isOpen())
        return false;
    // Saving over a file that held entities the drawing lacks would lose them: ask for a name instead.
    if (document->fullName().isEmpty() || document->notKeptOnRead() > 0)
        return saveDrawingAs(document);
    try {
        Document::of(*document).Save();
        return true;
    } catch (const automation::AutomationError& e) {
        m_commandLine->addHistory(saveFailure(document->fullName(), e));
        return false;
    }
}

bool DrawingWindow::saveDrawingAs(const std::shared_ptr<DocumentModel>& document)
{
    if (!document || !document->isOpen())
        return false;
    // A new drawing is suggested under its own name, as DXF, in the home folder.
    const QString suggested = document->fullName().isEmpty()
        ? QDir::home().filePath(QFileInfo(document->name()).completeBaseName() + QStringLiteral(".dxf"))
        : document->fullName();
    QString path = askFile(FileDialogKind::SaveAs, suggested);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".dxf");
    try {
        Document::of(*document).SaveAs(path);
        document->setNotKeptOnRead({}); // the file now holds what the drawing holds
        return true;
    } catch (const automation::AutomationError& e) {
        m_commandLine->addHistory(saveFailure(path, e));
        return false;
    }
}

bool DrawingWindow::mayDiscard(const std::shared_ptr<DocumentModel>& document)
{
    if (!document || !document->isOpen() || document->saved())
        return true;
    const int index = tabOf(document.get());
    if (index >= 0)
        m_tabs->setCurrentIndex(index);   // show the drawing the question is about
    switch (askSave(document->name())) {
    case SaveChoice::Save:
        // A save that fails or is cancelled keeps the drawing open.
        return saveDrawing(document);
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

bool DrawingWindow::closeDrawing(const std::shared_ptr<DocumentModel>& document)
{
    if (!document || !document->isOpen() || !m_engine)
        return false;
    if (!mayDiscard(document))
        return false;
    m_engine->closeDocument(document);
    return true;
}

} // namespace cad
