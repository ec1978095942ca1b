// One .xls workbook read through FreeXL: its sheets' names and its cells' values.
#pragma once

#include <QString>
#include <QVariant>
#include <memory>

namespace sheet {

class WorkbookFile {
public:
    // Reads the workbook at path. Fails with an automation::AutomationError: FileNotFound when
    // there is no such file, ApplicationDefined when it is no readable .xls workbook.
    explicit WorkbookFile(const QString& path);
    ~WorkbookFile();
    WorkbookFile(const WorkbookFile&) = delete;
    WorkbookFile& operator=(const WorkbookFile&) = delete;

    int sheetCount() const { return m_sheetCount; }
    // index from 0.
    QString sheetName(int index) const;
    // The value of a cell, row and column from 0: an invalid QVariant for a blank cell or one
    // outside the sheet's data, a double for a number, a QString for a text (dates and times as
    // their text).
    QVariant cell(int index, int row, int column) const;

private:
    const void* m_handle = nullptr;
    int m_sheetCount = 0;
};

} // namespace sheet
