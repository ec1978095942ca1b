// The spreadsheet stand-in's objects as the workbook code calls them: application, workbooks, sheets, cells.
//
// The application lives in this process and reads .xls workbooks through FreeXL. A visible
// application also hands each workbook it opens to the desktop's spreadsheet program, where the
// user edits it; so a visible one cannot be started on a machine without such a program.
// The classes are references, empty ("nothing") by default: a member called on nothing fails with
// ObjectNotSet, one called on an application that has quit or a workbook that was closed fails with
// Disconnected, as late-bound references did. Failures are automation::AutomationError.
#pragma once

#include "platform/automation/automation_error.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace sheet {

namespace detail {
struct Instance;
struct Book;
} // namespace detail

class Worksheet {
public:
    Worksheet() = default;
    bool isNothing() const { return !m_book; }

    QString name() const;
    // The value of the cell at row and column (from 1): invalid for a blank cell, a double for a
    // number, a QString for a text. Rows 1 to 65536 and columns 1 to 256; others fail
    // (errors::ApplicationDefined).
    QVariant cells(int row, int column) const;

private:
    friend class Sheets;
    Worksheet(std::shared_ptr<detail::Book> book, int index) : m_book(std::move(book)), m_index(index) {}
    std::shared_ptr<detail::Book> m_book;
    int m_index = 0;
};

class Sheets {
public:
    int count() const;
    // Sheet number index, from 1 in the workbook's order; others fail with SubscriptOutOfRange.
    Worksheet item(int index) const;

private:
    friend class Workbook;
    explicit Sheets(std::shared_ptr<detail::Book> book) : m_book(std::move(book)) {}
    std::shared_ptr<detail::Book> m_book;
};

class Workbook {
public:
    Workbook() = default;
    bool isNothing() const { return !m_book; }

    QString name() const;      // the file name
    QString fullName() const;  // the absolute path
    Sheets sheets() const;
    // Closes the workbook: it leaves its application's workbooks and every reference to it or its
    // sheets fails from then on.
    void close();

private:
    friend class Workbooks;
    explicit Workbook(std::shared_ptr<detail::Book> book) : m_book(std::move(book)) {}
    std::shared_ptr<detail::Book> m_book;
};

class Workbooks {
public:
    // The workbooks open in the application.
    int count() const;
    Workbook item(int index) const; // from 1
    // Opens the .xls workbook at path; a workbook already open there is given back as it is.
    // Fails with FileNotFound or errors::ApplicationDefined (no readable .xls workbook).
    // A visible application hands the workbook to the desktop's spreadsheet program as well.
    Workbook open(const QString& path);

private:
    friend class Application;
    explicit Workbooks(std::shared_ptr<detail::Instance> instance) : m_instance(std::move(instance)) {}
    std::shared_ptr<detail::Instance> m_instance;
};

class Application {
public:
    Application() = default;
    bool isNothing() const { return !m_instance; }
    friend bool operator==(const Application& a, const Application& b) { return a.m_instance == b.m_instance; }

    // Attaches to the running application of this process; fails with CannotCreateObject when none runs.
    static Application getObject();
    // Starts an application, which then is the running one unless another already runs. A visible
    // one needs the desktop's spreadsheet program and fails with CannotCreateObject without it.
    static Application createObject(bool visible = false);

    bool visible() const;
    void setVisible(bool visible);
    Application application() const;
    Workbooks workbooks() const;
    // Closes every workbook and ends the application; references to it fail from then on.
    void quit();

private:
    explicit Application(std::shared_ptr<detail::Instance> instance) : m_instance(std::move(instance)) {}
    std::shared_ptr<detail::Instance> m_instance;
};

} // namespace sheet
