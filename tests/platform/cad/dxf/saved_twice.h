// A drawing saved as a test saves it: twice the same bytes, and read cleanly by the second reader.
#pragma once

#include "second_reader.h"
#include "support/file_content.h"

#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/model/document_model.h"

#include <QString>

#include <gtest/gtest.h>

namespace cadtest {

// Saves `model` as `path` twice: the two files must be the same bytes. Where the second reader is
// installed it runs `script` (by default only the audit) on the file, which must need no fix and
// hold no pointer that names nothing; what the script prints is returned, else an empty text.
inline QString saveTwiceAndAudit(const cad::DocumentModel& model, const QString& path,
                                 const QString& script = QStringLiteral("audit(sys.argv[1])\n"))
{
    cad::writeDxfFile(path, model);
    const QByteArray first = testsupport::contentOf(path);
    cad::writeDxfFile(path, model);
    EXPECT_EQ(testsupport::contentOf(path), first) << "saved twice, not the same bytes";
    if (!secondReaderInstalled())
        return {};
    const QString out = runSecondReader(script, {path});
    EXPECT_FALSE(out.contains(QStringLiteral("AUDIT"))) << out.toStdString();
    return out;
}

} // namespace cadtest
