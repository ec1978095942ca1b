// The notice of what a plan read holds that saving over its file would lose: each kind named and counted.
#include "support/file_content.h"

#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/dxf/dxf_not_kept_notice.h"
#include "platform/cad/model/document_model.h"

#include <gtest/gtest.h>

using namespace cad;

namespace {

QByteArray inEntities(const char* body)
{
    return QByteArray("0\nSECTION\n2\nENTITIES\n") + body + "0\nENDSEC\n0\nEOF\n";
}

QByteArray inBlocks(const char* body) { return QByteArray("0\nSECTION\n2\nBLOCKS\n") + body + "0\nENDSEC\n0\nEOF\n"; }

QByteArray hostile(const char* name)
{
    return testsupport::contentOf(QStringLiteral(RIDE_TEST_DATA_DIR "/cad/hostile/") + QLatin1String(name));
}

const char* const kLine = "0\nLINE\n8\n0\n11\n1\n";

TEST(DxfNotKeptNotice, NamesEachKindCountedAndWhatCannotBeSavedAsRead)
{
    const struct {
        QByteArray plan;
        const char* says; // between "图形 p.dxf 中有 " and "；保存时将另存为，以免原文件丢失它们。"
    } cases[] = {
        // Entities of the kinds the drawing does not keep, by their type; one of no known name by its own.
        {inEntities("0\nHATCH\n8\n0\n0\nDIMENSION\n8\n0\n0\nELLIPSE\n8\n0\n0\nSPLINE\n8\n0\n0\nVIEWPORT\n8\n0\n"
                    "0\nPOINT\n8\n0\n0\nPOINT\n8\n0\n0\nSOLID\n8\n0\n0\nATTDEF\n8\n0\n0\nFOO_BAR\n8\n0\n"
                    "0\nINSERT\n8\n0\n2\nTREE\n66\n1\n0\nATTRIB\n8\n0\n0\nSEQEND\n8\n0\n"),
         "11 处内容（属性定义 1 处、属性 1 处、标注 1 处、椭圆 1 处、FOO_BAR 实体 1 处、填充 1 处、点 2 处、"
         "二维填充 1 处、样条曲线 1 处、视口 1 处）未能读入"},
        {inEntities("0\nPOLYLINE\n8\n0\n66\n1\n70\n16\n0\nVERTEX\n8\n0\n10\n0\n20\n0\n0\nSEQEND\n"),
         "1 处内容（三维网格 1 处）未能读入"},
        {inEntities("0\nCIRCLE\n8\n0\n40\n1\n210\n0.6\n230\n0.8\n"), "1 处内容（倾斜于图面的实体 1 处）未能读入"},
        {inEntities("0\nINSERT\n8\n0\n2\n*Paper_Space\n"), "1 处内容（引用模型空间或布局的块参照 1 处）未能读入"},
        {inBlocks("0\nBLOCK\n8\n0\n2\n*Paper_Space1\n0\nLINE\n8\n0\n11\n1\n0\nENDBLK\n"),
         "1 处内容（第三个以后的布局中的实体 1 处）未能读入"},
        {hostile("layout-tab-order.dxf"), "1 处内容（第三个以后的布局 1 处）未能读入"},
        {hostile("layouts-of-one-name.dxf"), "1 处内容（无法保留的布局名称 1 处）未能读入"},
        {inBlocks("0\nBLOCK\n8\n0\n2\n*Paper_Space7\n1001\nAPP\n1000\nx\n0\nENDBLK\n"),
         "1 处内容（模型空间或布局的块的扩展数据 1 处）未能读入"},
        // Read and shown, but not written back as read.
        {inEntities("0\nPOLYLINE\n8\n0\n66\n1\n70\n2\n0\nVERTEX\n8\n0\n10\n0\n20\n0\n0\nVERTEX\n8\n0\n10\n5\n20\n2\n"
                    "70\n1\n0\nSEQEND\n"),
         "1 处内容（多段线的拟合曲线 1 处）无法按原样保存"},
        {inEntities("0\nMTEXT\n8\n0\n1\nAB\n75\n1\n76\n2\n"), "1 处内容（多行文字的分栏 1 处）无法按原样保存"},
        {inEntities("0\nLINE\n8\n0\n11\n1\n1001\nH\n1005\n2F\n"), "1 处内容（含句柄的扩展数据 1 处）无法按原样保存"},
        {inEntities(("0\nLINE\n8\n0\n11\n1\n1001\nL\n1000\n" + std::string(1200, 'x') + "\n").c_str()),
         "1 处内容（含过长值的扩展数据 1 处）无法按原样保存"},
        {inEntities("0\nLINE\n8\n0\n11\n1\n1000\nstray\n"),
         "1 处内容（不属于任何应用程序的扩展数据 1 处）无法按原样保存"},
        {inEntities(
             "0\nPOLYLINE\n8\n0\n66\n1\n0\nVERTEX\n8\n0\n10\n0\n20\n0\n1001\nAPP\n1000\nx\n0\nVERTEX\n8\n0\n10\n9\n"
             "20\n0\n0\nSEQEND\n"),
         "1 处内容（多段线顶点的扩展数据 1 处）无法按原样保存"},
        {inEntities("0\nPOLYLINE\n8\n0\n66\n1\n0\nVERTEX\n8\n0\n10\n0\n20\n0\n0\nVERTEX\n8\n0\n10\n9\n20\n0\n"
                    "0\nSEQEND\n8\n0\n1001\nAPP\n1000\nx\n"),
         "1 处内容（多段线顶点序列结束处的扩展数据 1 处）无法按原样保存"},
        {inEntities("0\nLINE\n8\n0\n370\n7\n11\n1\n"), "1 处内容（超出取值范围的线宽等数值 1 处）无法按原样保存"},
        // Both: each group with its own count.
        {inEntities(
             "0\nPOINT\n8\n0\n0\nLINE\n8\n0\n11\n1\n1001\nH\n1005\n2F\n0\nLINE\n8\n0\n11\n1\n1001\nH\n1005\n2F\n"),
         "1 处内容（点 1 处）未能读入，另有 2 处内容（含句柄的扩展数据 2 处）无法按原样保存"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        DocumentModel model(nullptr);
        readDxf(c.plan, model);
        EXPECT_EQ(
            dxfNotKeptNotice(QStringLiteral("p.dxf"), model.notKeptByKind()),
            QStringLiteral("图形 p.dxf 中有 %1；保存时将另存为，以免原文件丢失它们。").arg(QString::fromUtf8(c.says)));
    }
    // Nothing counted, nothing to say.
    DocumentModel plain(nullptr);
    readDxf(inEntities(kLine), plain);
    EXPECT_EQ(plain.notKeptOnRead(), 0);
    EXPECT_TRUE(dxfNotKeptNotice(QStringLiteral("p.dxf"), plain.notKeptByKind()).isEmpty());
}

} // namespace
