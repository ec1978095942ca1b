// The spreadsheet stand-in: reading workbooks, the running instance, references, visible hand-over.
#include "platform/sheet/application.h"
#include "platform/sheet/sheet_errors.h"
#include "platform/sheet/spreadsheet_program.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

using automation::AutomationError;
namespace common = automation::errors;

namespace {

const QString kFixture = QStringLiteral(SHEET_FIXTURE);
const QString kDataDir = QStringLiteral(RIDE_TEST_DATA_DIR "/sheet");

std::int32_t errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const AutomationError& e) {
        return e.number();
    }
    return 0;
}

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override { previousFinder = sheet::setProgramFinder([] { return std::nullopt; }); }
    void TearDown() override
    {
        // Leave no running application behind for the next test.
        for (;;) {
            sheet::Application app;
            if (errorOf([&] { app = sheet::Application::getObject(); }) != 0)
                break;
            app.quit();
        }
        sheet::setProgramFinder(previousFinder);
    }
    sheet::ProgramFinder previousFinder;
};

TEST_F(SheetTest, ReadsSheetsAndCellsOfAWorkbook)
{
    sheet::Application app = sheet::Application::createObject();
    sheet::Workbook book = app.workbooks().open(kFixture);
    sheet::Sheets sheets = book.sheets();
    ASSERT_EQ(sheets.count(), 4);
    EXPECT_EQ(sheets.item(1).name(), QStringLiteral("河北省"));
    EXPECT_EQ(sheets.item(2).name(), QStringLiteral("空表"));
    EXPECT_EQ(sheets.item(3).name(), QStringLiteral("河北省 "));
    EXPECT_EQ(sheets.item(4).name(), QStringLiteral("B列"));
    EXPECT_EQ(book.name(), QStringLiteral("fixture.xls"));

    const sheet::Worksheet hebei = sheets.item(1);
    EXPECT_EQ(hebei.cells(1, 1), QVariant(QStringLiteral(" 沧州市 "))); // as stored, untrimmed
    EXPECT_EQ(hebei.cells(1, 2), QVariant(23.5));
    EXPECT_EQ(hebei.cells(2, 2).typeId(), QMetaType::Double); // whole numbers are numbers too
    EXPECT_EQ(hebei.cells(2, 2), QVariant(30.0));
    EXPECT_EQ(hebei.cells(3, 2), QVariant(QStringLiteral("无资料")));
    EXPECT_FALSE(hebei.cells(4, 1).isValid());
    EXPECT_EQ(hebei.cells(5, 1), QVariant(QStringLiteral("邯郸市")));
    EXPECT_EQ(hebei.cells(6, 2), QVariant(31.0));
    // Beyond the data: blank.
    EXPECT_FALSE(hebei.cells(7, 1).isValid());
    EXPECT_FALSE(hebei.cells(1, 3).isValid());
    EXPECT_FALSE(hebei.cells(65536, 256).isValid());
    // The empty sheet and a sheet whose A1 is blank read as blank, without failing.
    EXPECT_FALSE(sheets.item(2).cells(1, 1).isValid());
    EXPECT_FALSE(sheets.item(4).cells(1, 1).isValid());
    EXPECT_EQ(sheets.item(4).cells(1, 2), QVariant(12.0));
}

TEST_F(SheetTest, BadAddressesFail)
{
    sheet::Application app = sheet::Application::createObject();
    sheet::Workbook book = app.workbooks().open(kFixture);
    const sheet::Worksheet first = book.sheets().item(1);
    for (auto [row, column] : {std::pair{0, 1}, {1, 0}, {65537, 1}, {1, 257}, {-1, -1}}) {
        EXPECT_EQ(errorOf([&, row = row, column = column] { first.cells(row, column); }), sheet::errors::ApplicationDefined)
            << row << "," << column;
    }
    EXPECT_EQ(errorOf([&] { book.sheets().item(0); }), common::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { book.sheets().item(5); }), common::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { app.workbooks().item(2); }), common::SubscriptOutOfRange);
}

TEST_F(SheetTest, FilesThatAreNoWorkbookFailToOpen)
{
    sheet::Application app = sheet::Application::createObject();
    QTemporaryDir dir;
    QFile empty(dir.filePath(QStringLiteral("empty.xls")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    const struct {
        QString path;
        std::int32_t error;
    } cases[] = {
        {kDataDir + QStringLiteral("/no-such-workbook.xls"), common::FileNotFound},
        {kDataDir, common::FileNotFound}, // a folder
        {kDataDir + QStringLiteral("/not-a-workbook.xls"), sheet::errors::ApplicationDefined},
        {empty.fileName(), sheet::errors::ApplicationDefined},
        {kDataDir + QStringLiteral("/make_fixture.py"), sheet::errors::ApplicationDefined},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorOf([&] { app.workbooks().open(c.path); }), c.error) << c.path.toStdString();
    }
    EXPECT_EQ(app.workbooks().count(), 0);
}

TEST_F(SheetTest, OpenWorkbooksAreCountedAndClosed)
{
    sheet::Application app = sheet::Application::createObject();
    sheet::Workbooks books = app.workbooks();
    EXPECT_EQ(books.count(), 0);
    sheet::Workbook first = books.open(kFixture);
    // Opening it again, however the path is spelled, gives the open workbook back.
    const QFileInfo info(kFixture);
    sheet::Workbook again = books.open(info.path() + QStringLiteral("/./") + info.fileName());
    EXPECT_EQ(books.count(), 1);
    EXPECT_EQ(books.item(1).fullName(), first.fullName());
    const sheet::Worksheet sheetOfFirst = first.sheets().item(1);
    again.close();
    EXPECT_EQ(books.count(), 0);
    // References to a closed workbook and its sheets fail instead of reading freed memory.
    EXPECT_EQ(errorOf([&] { first.sheets(); }), common::Disconnected);
    EXPECT_EQ(errorOf([&] { sheetOfFirst.cells(1, 1); }), common::Disconnected);
    EXPECT_EQ(errorOf([&] { first.close(); }), common::Disconnected);
    // Nothing is not set.
    EXPECT_EQ(errorOf([] { sheet::Workbook().close(); }), common::ObjectNotSet);
    EXPECT_EQ(errorOf([] { sheet::Worksheet().cells(1, 1); }), common::ObjectNotSet);
    EXPECT_EQ(errorOf([] { sheet::Application().workbooks(); }), common::ObjectNotSet);
}

TEST_F(SheetTest, AWorkbookSavedMeanwhileIsReadAgainWhenOpenedAgain)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.xls"));
    ASSERT_TRUE(QFile::copy(kFixture, path));
    sheet::Application app = sheet::Application::createObject();
    sheet::Workbook book = app.workbooks().open(path);
    const sheet::Worksheet first = book.sheets().item(1);
    ASSERT_EQ(first.cells(1, 2), QVariant(23.5));

    // The user saves other data over it.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::copy(QStringLiteral(RIDE_BIN_DIR "/全国主要城镇雷暴日数.xls"), path));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    }
    sheet::Workbook again = app.workbooks().open(path);
    EXPECT_EQ(app.workbooks().count(), 1);
    EXPECT_EQ(book.sheets().count(), 27);
    EXPECT_EQ(first.name(), QStringLiteral("北京市")); // earlier references read the new data
    EXPECT_EQ(first.cells(1, 2), QVariant(35.7));

    // Unreadable now: the open fails and the workbook keeps what it held.
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("no longer a workbook");
    }
    EXPECT_EQ(errorOf([&] { app.workbooks().open(path); }), sheet::errors::ApplicationDefined);
    EXPECT_EQ(first.cells(1, 2), QVariant(35.7));
}

TEST_F(SheetTest, TheRunningInstanceIsFoundUntilItQuits)
{
    EXPECT_EQ(errorOf([] { sheet::Application::getObject(); }), common::CannotCreateObject);
    sheet::Application started = sheet::Application::createObject();
    EXPECT_FALSE(started.visible());
    sheet::Application attached = sheet::Application::getObject();
    EXPECT_TRUE(attached == started);
    EXPECT_TRUE(attached.application() == started);
    sheet::Workbook book = started.workbooks().open(kFixture);
    attached.quit();
    EXPECT_EQ(errorOf([] { sheet::Application::getObject(); }), common::CannotCreateObject);
    EXPECT_EQ(errorOf([&] { started.workbooks(); }), common::Disconnected);
    EXPECT_EQ(errorOf([&] { book.sheets(); }), common::Disconnected);
}

TEST_F(SheetTest, AVisibleApplicationNeedsTheSpreadsheetProgram)
{
    EXPECT_EQ(errorOf([] { sheet::Application::createObject(true); }), common::CannotCreateObject);
    EXPECT_EQ(errorOf([] { sheet::Application::getObject(); }), common::CannotCreateObject);

    // An invisible one made visible later opens its workbooks all the same.
    sheet::Application app = sheet::Application::createObject();
    app.setVisible(true);
    EXPECT_EQ(app.workbooks().open(kFixture).sheets().count(), 4);
}

TEST_F(SheetTest, AVisibleApplicationHandsItsWorkbooksToTheProgram)
{
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("handed-over"));
    // touch stands in for the spreadsheet program: it creates the marker and touches the workbook.
    sheet::setProgramFinder([&] {
        return std::optional(sheet::SpreadsheetProgram{QStringLiteral("/usr/bin/touch"), {marker}});
    });
    const QString copy = dir.filePath(QStringLiteral("book.xls"));
    ASSERT_TRUE(QFile::copy(kFixture, copy));
    sheet::Application app = sheet::Application::createObject(true);
    EXPECT_TRUE(app.visible());
    app.workbooks().open(copy);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 5000));
}

TEST(SpreadsheetProgram, DesktopExecLines)
{
    const struct {
        const char* exec;
        QStringList arguments;
    } cases[] = {
        {"localc %U", {"localc"}},
        {"libreoffice --calc %U", {"libreoffice", "--calc"}},
        {"gnumeric %F", {"gnumeric"}},
        {"\"/opt/my calc/bin/calc\" --view %f", {"/opt/my calc/bin/calc", "--view"}},
        {"calc --percent=50%%", {"calc", "--percent=50%"}},
        {"et  -S   %u", {"et", "-S"}},
        {"\"say \\\"hi\\\"\"", {"say \"hi\""}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sheet::splitDesktopExec(QString::fromUtf8(c.exec)), c.arguments) << c.exec;
}

TEST(SpreadsheetProgram, DesktopFileProgramMustBeInstalled)
{
    QTemporaryDir dir;
    auto write = [&](const QString& name, const QByteArray& text) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    };
    const auto installed = sheet::programOfDesktopFile(write(
        QStringLiteral("a.desktop"),
        "[Desktop Entry]\nName=Sheet\nExec=sh --calc %U\n[Desktop Action new]\nExec=other\n"));
    ASSERT_TRUE(installed);
    EXPECT_TRUE(installed->program.endsWith(QStringLiteral("/sh")));
    EXPECT_EQ(installed->arguments, QStringList{QStringLiteral("--calc")});
    EXPECT_FALSE(sheet::programOfDesktopFile(write(QStringLiteral("b.desktop"),
                                                   "[Desktop Entry]\nExec=no-such-spreadsheet-program %U\n")));
    EXPECT_FALSE(sheet::programOfDesktopFile(dir.filePath(QStringLiteral("missing.desktop"))));
}

} // namespace
