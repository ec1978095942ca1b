// ConnectExcel, CloseExcel and JoinPath over the spreadsheet stand-in.
#include "services/excel_connection.h"

#include "platform/sheet/spreadsheet_program.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace services;

namespace {

const QString kWorkbook = JoinPath(QStringLiteral(RIDE_BIN_DIR), ThunderDaysWorkbookName());

bool running()
{
    try {
        sheet::Application::getObject();
        return true;
    } catch (const automation::AutomationError&) {
        return false;
    }
}

class ExcelConnection : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousFinder = sheet::setProgramFinder([] { return std::nullopt; }); // no spreadsheet program
        g_excelApp = {};
        g_workbook = {};
        g_worksheet = {};
    }
    void TearDown() override
    {
        while (running())
            sheet::Application::getObject().quit();
        g_excelApp = {};
        g_workbook = {};
        g_worksheet = {};
        sheet::setProgramFinder(previousFinder);
    }
    sheet::ProgramFinder previousFinder;
};

TEST(JoinPath, AddsOneSeparatorUnlessTheFolderEndsInOne)
{
    const struct {
        const char* folder;
        const char* file;
        const char* path;
    } cases[] = {
        {"/opt/ride", "a.xls", "/opt/ride/a.xls"},
        {"/opt/ride/", "a.xls", "/opt/ride/a.xls"},
        {"/", "a.xls", "/a.xls"},
        {"/opt/ride", "/a.xls", "/opt/ride//a.xls"}, // the file name is used unchanged
        {"/opt/程序", "全国主要城镇雷暴日数.xls", "/opt/程序/全国主要城镇雷暴日数.xls"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinPath(QString::fromUtf8(c.folder), QString::fromUtf8(c.file)), QString::fromUtf8(c.path));
}

TEST_F(ExcelConnection, StartsAnInvisibleApplicationWhenNoneRuns)
{
    ConnectExcel(false);
    ASSERT_FALSE(g_excelApp.isNothing());
    EXPECT_FALSE(g_excelApp.visible());
    EXPECT_TRUE(sheet::Application::getObject() == g_excelApp);
}

TEST_F(ExcelConnection, AVisibleOneCannotStartWithoutASpreadsheetProgram)
{
    ConnectExcel(true);
    EXPECT_TRUE(g_excelApp.isNothing());
    EXPECT_FALSE(running());
}

TEST_F(ExcelConnection, AttachesToTheRunningOneAndKeepsItsVisibility)
{
    sheet::Application reader = sheet::Application::createObject();
    ConnectExcel(true);
    EXPECT_TRUE(g_excelApp == reader);
    EXPECT_FALSE(g_excelApp.visible());
}

TEST_F(ExcelConnection, DoesNothingWhileConnected)
{
    sheet::Application own = sheet::Application::createObject();
    g_excelApp = own;
    own.quit(); // even a reference that no longer works is kept
    ConnectExcel(false);
    EXPECT_TRUE(g_excelApp == own);
}

TEST_F(ExcelConnection, CloseWithNothingOpenStartsNothing)
{
    CloseExcel();
    EXPECT_TRUE(g_excelApp.isNothing());
    EXPECT_TRUE(g_workbook.isNothing());
    EXPECT_FALSE(running());
}

TEST_F(ExcelConnection, CloseQuitsWhenNoWorkbookIsLeft)
{
    ConnectExcel(false);
    g_workbook = g_excelApp.workbooks().open(kWorkbook);
    g_worksheet = g_workbook.sheets().item(1);
    sheet::Workbook kept = g_workbook;
    CloseExcel();
    EXPECT_TRUE(g_excelApp.isNothing());
    EXPECT_TRUE(g_workbook.isNothing());
    EXPECT_TRUE(g_worksheet.isNothing());
    EXPECT_FALSE(running());
    EXPECT_THROW(kept.sheets(), automation::AutomationError);
}

TEST_F(ExcelConnection, CloseKeepsAnApplicationWithOtherWorkbooksOpen)
{
    QTemporaryDir dir;
    const QString other = dir.filePath(QStringLiteral("own.xls"));
    ASSERT_TRUE(QFile::copy(kWorkbook, other));
    ConnectExcel(false);
    sheet::Application app = g_excelApp;
    app.workbooks().open(other);
    g_workbook = app.workbooks().open(kWorkbook);
    ASSERT_EQ(app.workbooks().count(), 2);
    CloseExcel();
    EXPECT_TRUE(g_excelApp.isNothing());
    EXPECT_TRUE(running());
    EXPECT_EQ(app.workbooks().count(), 1);
    EXPECT_EQ(app.workbooks().item(1).fullName(), other);
}

TEST_F(ExcelConnection, CloseAfterTheApplicationEndedIsQuiet)
{
    ConnectExcel(false);
    g_workbook = g_excelApp.workbooks().open(kWorkbook);
    g_excelApp.quit();
    CloseExcel();
    EXPECT_TRUE(g_excelApp.isNothing());
    EXPECT_TRUE(g_workbook.isNothing());
}

} // namespace
