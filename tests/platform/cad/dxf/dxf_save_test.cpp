// Why a save failed: every cause is named, never an unknown error.
#include "support/file_size_limit.h"

#include "platform/cad/dxf/save_failure.h"

#include <QDir>
#include <cerrno>
#include <gtest/gtest.h>

using namespace cad;
using testsupport::FileSizeLimit;

namespace {

TEST(SaveFailure, EveryCauseIsNamedNeverUnknown)
{
    const QString folder = QDir::tempPath();
    const std::vector<std::pair<int, QString>> cases = {
        {ENOSPC, QStringLiteral("磁盘已满")},
        {EDQUOT, QStringLiteral("磁盘已满")},
        {EFBIG, QStringLiteral("文件超出大小限制")},
        {EACCES, QStringLiteral("没有写入权限")},
        {EPERM, QStringLiteral("没有写入权限")},
        {EROFS, QStringLiteral("没有写入权限")},
        {EIO, QStringLiteral("写入出错（错误号 %1）").arg(EIO)},
        {0, QStringLiteral("文件未能完整写入")}, // a short write, with room and permission
    };
    for (const auto& [err, cause] : cases)
        EXPECT_EQ(saveFailureCause(err, 100, folder), cause) << err;
    // A short write without an error, of more than the file-size limit lets through.
    const FileSizeLimit limit(8 * 1024);
    EXPECT_EQ(saveFailureCause(0, 100 * 1024, folder), QStringLiteral("文件超出大小限制"));
}

} // namespace
