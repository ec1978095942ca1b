// Reading .xls workbooks with FreeXL; the file stays open (FreeXL holds it parsed) until destruction.
#include "platform/sheet/workbook_file.h"

#include "platform/sheet/sheet_errors.h"

#include <QFileInfo>
#include <freexl.h>

namespace sheet {

WorkbookFile::WorkbookFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        throw automation::AutomationError(automation::errors::FileNotFound,
                                          QStringLiteral("'%1' could not be found").arg(path));
    const void* handle = nullptr;
    // FreeXL releases what it allocated when opening fails, so only a successful handle is closed.
    if (freexl_open(QFile::encodeName(path).constData(), &handle) != FREEXL_OK || !handle)
        throw automation::AutomationError(errors::ApplicationDefined,
                                          QStringLiteral("'%1' is not a readable workbook").arg(path));
    m_handle = handle;
    unsigned int count = 0;
    if (freexl_get_info(m_handle, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK)
        count = 0;
    m_sheetCount = static_cast<int>(count);
}

WorkbookFile::~WorkbookFile()
{
    if (m_handle)
        freexl_close(m_handle);
}

QString WorkbookFile::sheetName(int index) const
{
    const char* name = nullptr;
    if (index < 0 || index >= m_sheetCount
        || freexl_get_worksheet_name(m_handle, static_cast<unsigned short>(index), &name) != FREEXL_OK || !name)
        return {};
    return QString::fromUtf8(name);
}

QVariant WorkbookFile::cell(int index, int row, int column) const
{
    if (index < 0 || index >= m_sheetCount || row < 0 || column < 0 || column > 0xFFFF)
        return {};
    if (freexl_select_active_worksheet(m_handle, static_cast<unsigned short>(index)) != FREEXL_OK)
        return {};
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_worksheet_dimensions(m_handle, &rows, &columns) != FREEXL_OK)
        return {};
    if (static_cast<unsigned int>(row) >= rows || column >= columns)
        return {};
    FreeXL_CellValue value;
    if (freexl_get_cell_value(m_handle, static_cast<unsigned int>(row), static_cast<unsigned short>(column), &value)
        != FREEXL_OK)
        return {};
    switch (value.type) {
    case FREEXL_CELL_INT:
        return QVariant(static_cast<double>(value.value.int_value));
    case FREEXL_CELL_DOUBLE:
        return QVariant(value.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        // The text belongs to FreeXL; it is copied before the next call.
        return value.value.text_value ? QVariant(QString::fromUtf8(value.value.text_value)) : QVariant();
    default:
        return {};
    }
}

} // namespace sheet
