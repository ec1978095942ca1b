// The province and place look-ups against a small fixture workbook, and the editing command.
#include "buildings/thunder_day_workbook.h"
#include "platform/sheet/spreadsheet_program.h"
#include "services/excel_connection.h"
#include "window_fixture.h"

#include <QDir>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

namespace {

QString fixture(const char* name) { return QStringLiteral(RIDE_TEST_DATA_DIR "/buildings/") + QString::fromUtf8(name); }

QStringList items(QComboBox* combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

QString u8(const char* s) { return QString::fromUtf8(s); }

} // namespace

class ThunderDays : public StrikeCountWindow {
protected:
    void SetUp() override
    {
        services::CloseExcel(); // every test starts without a spreadsheet
        StrikeCountWindow::SetUp();
        ASSERT_TRUE(folder.isValid());
        workbook = window->findChild<buildings::ThunderDayWorkbook*>();
        ASSERT_NE(workbook, nullptr);
        workbook->setFolder(folder.path());
        install("thunder-days-fixture.xls");
    }
    void TearDown() override
    {
        services::CloseExcel();
        sheet::setProgramFinder({});
    }

    QString workbookPath() const { return QDir(folder.path()).filePath(services::ThunderDaysWorkbookName()); }
    void install(const char* fixtureName)
    {
        QFile::remove(workbookPath());
        ASSERT_TRUE(QFile::copy(fixture(fixtureName), workbookPath()));
        // As a save a moment later: the file clock runs in steps of milliseconds, so two copies
        // made in one step would otherwise carry the same time (and the fixtures have one size).
        static int saves = 0;
        QFile copy(workbookPath());
        ASSERT_TRUE(copy.open(QIODevice::ReadWrite));
        ASSERT_TRUE(copy.setFileTime(QDateTime::currentDateTime().addSecs(++saves), QFileDevice::FileModificationTime));
    }

    QComboBox* province() { return controls().comboBox(QStringLiteral("cboProvince")); }
    QComboBox* county() { return controls().comboBox(QStringLiteral("cboCounty")); }
    QString days() { return box("txtTD")->text(); }

    // A choice from a list as the user makes it (also of the entry already shown).
    void choose(QComboBox* combo, const char* text)
    {
        const int i = combo->findText(u8(text));
        ASSERT_GE(i, 0) << text;
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    }

    QTemporaryDir folder;
    buildings::ThunderDayWorkbook* workbook = nullptr;
};

TEST_F(ThunderDays, ProvinceListsItsPlacesUpToTheFirstBlankRowAndTakesTheFirstDays)
{
    choose(province(), "河北省");
    EXPECT_EQ(items(county()), QStringList({u8("沧州市"), u8("石家庄市"), u8("保定市")}));
    EXPECT_EQ(county()->currentText(), u8("沧州市"));
    // The first name has blanks around it in the sheet; its days are found all the same.
    EXPECT_EQ(days(), QStringLiteral("23.5"));

    choose(county(), "石家庄市");
    EXPECT_EQ(days(), QStringLiteral("31.2"));
}

TEST_F(ThunderDays, DuplicateNameTakesTheLowerRow)
{
    choose(province(), "广东省");
    EXPECT_EQ(days(), QStringLiteral("80"));
    choose(county(), "深圳市");
    EXPECT_EQ(days(), QStringLiteral("73.9"));
    choose(county(), "广州市");
    EXPECT_EQ(days(), QStringLiteral("80"));
}

TEST_F(ThunderDays, NonNumericDaysAreWrittenAndRefusedByTheCount)
{
    choose(province(), "河北省");
    choose(county(), "保定市");
    EXPECT_EQ(days(), u8("多雷"));
    calculate();
    EXPECT_EQ(tip(), u8("提示: 年雷暴日数无效!"));
    // Days from the workbook feed the count: 23.5 days, cuboid defaults.
    choose(county(), "沧州市");
    calculate();
    EXPECT_EQ(tip(), u8("提示: 该建(构)筑物预计年落雷次数: 0.024(次/年)!"));
}

TEST_F(ThunderDays, ProvinceWithoutItsSheetEmptiesThePlaceAndTheDays)
{
    // No sheet; a sheet "湖南省 " with a trailing blank; a province after one with a list shown.
    for (const char* p : {"山西省", "湖南省", "台湾省"}) {
        choose(province(), "河北省");
        ASSERT_EQ(days(), QStringLiteral("23.5"));
        choose(province(), p);
        EXPECT_EQ(county()->count(), 0) << p;
        EXPECT_EQ(county()->currentText(), QString()) << p;
        EXPECT_EQ(days(), QString()) << p;
        // Nothing of the previous province is computed under this one.
        calculate();
        EXPECT_EQ(tip(), u8("提示: 年雷暴日数无效!")) << p;
    }
    // The engineer types the days.
    type("txtTD", std::nullopt, "40");
    calculate();
    EXPECT_TRUE(tip().contains(u8("预计年落雷次数"))) << tip().toStdString();
}

TEST_F(ThunderDays, SheetWithBlankFirstRowEmptiesTheListOnly)
{
    choose(province(), "河北省");
    type("txtTD", std::nullopt, "77");
    choose(province(), "江苏省");
    EXPECT_EQ(county()->count(), 0);
    EXPECT_EQ(county()->currentText(), u8("沧州市"));
    EXPECT_EQ(days(), QStringLiteral("77"));
}

TEST_F(ThunderDays, MissingWorkbookChangesAndShowsNothing)
{
    QFile::remove(workbookPath());
    window->ShowMsg(QStringLiteral("earlier"));
    choose(province(), "河北省");
    EXPECT_EQ(county()->count(), 0);
    EXPECT_EQ(days(), QStringLiteral("121"));
    EXPECT_EQ(tip(), u8("提示: earlier!"));

    // Gone after a list was shown: the list and the sheet behind it stay, its places still give days.
    install("thunder-days-fixture.xls");
    choose(province(), "河北省");
    QFile::remove(workbookPath());
    choose(province(), "广东省");
    EXPECT_EQ(county()->count(), 3);
    choose(county(), "石家庄市");
    EXPECT_EQ(days(), QStringLiteral("31.2"));
}

TEST_F(ThunderDays, PlaceTypedIntoTheEditFieldIsNotListed)
{
    choose(province(), "河北省");
    county()->lineEdit()->setText(u8("某地"));
    QTest::keyClick(county()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(items(county()), QStringList({u8("沧州市"), u8("石家庄市"), u8("保定市")}));
    EXPECT_EQ(days(), QStringLiteral("23.5"));
}

TEST_F(ThunderDays, EditsSavedInTheWorkbookAreSeenAtTheNextProvinceChoice)
{
    choose(province(), "河北省");
    EXPECT_EQ(days(), QStringLiteral("23.5"));
    install("thunder-days-edited.xls");
    choose(province(), "河北省"); // the same entry again
    EXPECT_EQ(days(), QStringLiteral("25"));
}

TEST_F(ThunderDays, EditingCommandHandsTheWorkbookToTheSpreadsheetProgram)
{
    // A stand-in spreadsheet program that notes the file it was asked to open (whole, when it appears).
    const QString note = QDir(folder.path()).filePath(QStringLiteral("opened.txt"));
    sheet::setProgramFinder([note] {
        return std::optional<sheet::SpreadsheetProgram>(
            sheet::SpreadsheetProgram{QStringLiteral("/bin/sh"), {QStringLiteral("-c"), "printf '%s' \"$0\" > '" + note + ".part' && mv '" + note + ".part' '" + note + "'"}});
    });
    window->ShowMsg(QString());
    window->menuCommand(QStringLiteral("mnuTD"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(note); }, 5000));
    QFile f(note);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), QFileInfo(workbookPath()).absoluteFilePath());
    EXPECT_EQ(tip(), QString());

    // A province choice then attaches to that visible spreadsheet and leaves it visible.
    const sheet::Application editing = services::g_excelApp;
    choose(province(), "河北省");
    EXPECT_TRUE(services::g_excelApp == editing);
    EXPECT_TRUE(services::g_excelApp.visible());
    EXPECT_EQ(days(), QStringLiteral("23.5"));
}

TEST_F(ThunderDays, EditingCommandWithoutWorkbookOrProgram)
{
    sheet::setProgramFinder([] { return std::optional<sheet::SpreadsheetProgram>(
                                     sheet::SpreadsheetProgram{QStringLiteral("/bin/true"), {}}); });
    QFile::remove(workbookPath());
    window->menuCommand(QStringLiteral("mnuTD"));
    EXPECT_EQ(tip(), u8("提示: 《全国主要城镇雷暴日数.xls》文件丢失!"));

    services::CloseExcel();
    sheet::setProgramFinder([] { return std::optional<sheet::SpreadsheetProgram>(); });
    install("thunder-days-fixture.xls");
    window->ShowMsg(QString());
    window->menuCommand(QStringLiteral("mnuTD"));
    EXPECT_TRUE(services::g_excelApp.isNothing());
    EXPECT_EQ(tip(), QString());
}

TEST_F(ThunderDays, ShippedWorkbookGivesTheDaysOfItsPlaces)
{
    const QString shipped = QStringLiteral(RIDE_BIN_DIR);
    if (!QFile::exists(QDir(shipped).filePath(services::ThunderDaysWorkbookName())))
        GTEST_SKIP() << "the shipped workbook is not built";
    workbook->setFolder(shipped);
    choose(province(), "北京市");
    EXPECT_EQ(county()->currentText(), u8("北京市"));
    EXPECT_EQ(days(), QStringLiteral("35.7"));
}
