// The in-process spreadsheet application: its running instance, its open workbooks and their cells.
#include "platform/sheet/application.h"

#include "platform/sheet/sheet_errors.h"
#include "platform/sheet/spreadsheet_program.h"
#include "platform/sheet/workbook_file.h"

#include <QDir>
#include <QFileInfo>
#include <vector>

namespace sheet {

namespace detail {

struct Book {
    std::weak_ptr<Instance> owner;
    QString path;
    std::unique_ptr<WorkbookFile> file; // null once closed
};

struct Instance {
    bool visible = false;
    bool ended = false;
    std::vector<std::shared_ptr<Book>> books;
};

} // namespace detail

namespace {

using automation::AutomationError;
namespace common = automation::errors;

// The running instance that getObject attaches to; it lives as long as someone refers to it.
std::weak_ptr<detail::Instance>& running()
{
    static std::weak_ptr<detail::Instance> instance;
    return instance;
}

[[noreturn]] void notSet()
{
    throw AutomationError(common::ObjectNotSet, QStringLiteral("Object variable not set"));
}

[[noreturn]] void disconnected()
{
    throw AutomationError(common::Disconnected, QStringLiteral("The object has disconnected from its clients"));
}

detail::Instance& live(const std::shared_ptr<detail::Instance>& instance)
{
    if (!instance)
        notSet();
    if (instance->ended)
        disconnected();
    return *instance;
}

detail::Book& live(const std::shared_ptr<detail::Book>& book)
{
    if (!book)
        notSet();
    if (!book->file)
        disconnected();
    return *book;
}

constexpr int kMaxRows = 65536;  // the .xls format's sheet size
constexpr int kMaxColumns = 256;

} // namespace

QString Worksheet::name() const
{
    return live(m_book).file->sheetName(m_index);
}

QVariant Worksheet::cells(int row, int column) const
{
    const detail::Book& book = live(m_book);
    if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns)
        throw AutomationError(errors::ApplicationDefined,
                              QStringLiteral("No cell at row %1, column %2").arg(row).arg(column));
    return book.file->cell(m_index, row - 1, column - 1);
}

int Sheets::count() const
{
    return live(m_book).file->sheetCount();
}

Worksheet Sheets::item(int index) const
{
    const detail::Book& book = live(m_book);
    if (index < 1 || index > book.file->sheetCount())
        throw AutomationError(common::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    return Worksheet(m_book, index - 1);
}

QString Workbook::name() const
{
    return QFileInfo(live(m_book).path).fileName();
}

QString Workbook::fullName() const
{
    return live(m_book).path;
}

Sheets Workbook::sheets() const
{
    live(m_book);
    return Sheets(m_book);
}

void Workbook::close()
{
    detail::Book& book = live(m_book);
    book.file.reset();
    if (const auto owner = book.owner.lock())
        std::erase(owner->books, m_book);
}

int Workbooks::count() const
{
    return static_cast<int>(live(m_instance).books.size());
}

Workbook Workbooks::item(int index) const
{
    const detail::Instance& instance = live(m_instance);
    if (index < 1 || index > static_cast<int>(instance.books.size()))
        throw AutomationError(common::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    return Workbook(instance.books[static_cast<std::size_t>(index - 1)]);
}

Workbook Workbooks::open(const QString& path)
{
    detail::Instance& instance = live(m_instance);
    const QString fullPath = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    std::shared_ptr<detail::Book> book;
    for (const auto& open : instance.books) {
        if (open->path == fullPath)
            book = open;
    }
    if (!book) {
        book = std::make_shared<detail::Book>();
        book->owner = m_instance;
        book->path = fullPath;
        book->file = std::make_unique<WorkbookFile>(fullPath); // throws for a missing or unreadable file
        instance.books.push_back(book);
    }
    // The spreadsheet program's own fate (not installed any more, refusing the file) is not the
    // caller's concern: the workbook is open here either way.
    if (instance.visible)
        showInSpreadsheetProgram(fullPath);
    return Workbook(book);
}

Application Application::getObject()
{
    std::shared_ptr<detail::Instance> instance = running().lock();
    if (!instance || instance->ended)
        throw AutomationError(common::CannotCreateObject, QStringLiteral("No spreadsheet application is running"));
    return Application(instance);
}

Application Application::createObject(bool visible)
{
    if (visible && !findSpreadsheetProgram())
        throw AutomationError(common::CannotCreateObject, QStringLiteral("No spreadsheet program is installed"));
    auto instance = std::make_shared<detail::Instance>();
    instance->visible = visible;
    const auto current = running().lock();
    if (!current || current->ended)
        running() = instance;
    return Application(instance);
}

bool Application::visible() const
{
    return live(m_instance).visible;
}

void Application::setVisible(bool visible)
{
    live(m_instance).visible = visible;
}

Application Application::application() const
{
    live(m_instance);
    return *this;
}

Workbooks Application::workbooks() const
{
    live(m_instance);
    return Workbooks(m_instance);
}

void Application::quit()
{
    detail::Instance& instance = live(m_instance);
    for (const auto& book : instance.books)
        book->file.reset();
    instance.books.clear();
    instance.ended = true;
    if (running().lock() == m_instance)
        running().reset();
}

} // namespace sheet
