// The texts of the not-kept notice (see dxf_not_kept_notice.h).
#include "platform/cad/dxf/dxf_not_kept_notice.h"

#include <QStringList>
#include <string_view>

namespace cad {

namespace {

// The DXF types of entities the drawing does not keep, as the engineers know them.
struct TypeName {
    std::string_view type;
    const char* name;
};
constexpr TypeName kTypeNames[] = {
    {"HATCH", "填充"},
    {"DIMENSION", "标注"},
    {"ARC_DIMENSION", "弧长标注"},
    {"LARGE_RADIAL_DIMENSION", "折弯标注"},
    {"ELLIPSE", "椭圆"},
    {"SPLINE", "样条曲线"},
    {"VIEWPORT", "视口"},
    {"POINT", "点"},
    {"SOLID", "二维填充"},
    {"TRACE", "宽线"},
    {"3DFACE", "三维面"},
    {"ATTDEF", "属性定义"},
    {"ATTRIB", "属性"},
    {"LEADER", "引线"},
    {"MULTILEADER", "多重引线"},
    {"MLEADER", "多重引线"},
    {"MLINE", "多线"},
    {"TOLERANCE", "形位公差"},
    {"RAY", "射线"},
    {"XLINE", "构造线"},
    {"REGION", "面域"},
    {"3DSOLID", "三维实体"},
    {"BODY", "体"},
    {"SURFACE", "曲面"},
    {"MESH", "网格"},
    {"IMAGE", "光栅图像"},
    {"WIPEOUT", "区域覆盖"},
    {"OLE2FRAME", "OLE 对象"},
    {"OLEFRAME", "OLE 对象"},
    {"SHAPE", "形"},
    {"HELIX", "螺旋"},
    {"ACAD_TABLE", "表格"},
    {"ACAD_PROXY_ENTITY", "代理实体"},
    {"PDFUNDERLAY", "PDF 参考底图"},
    {"DWFUNDERLAY", "DWF 参考底图"},
    {"DGNUNDERLAY", "DGN 参考底图"},
    {"LIGHT", "光源"},
};

QString typeName(const std::string& type)
{
    for (const TypeName& t : kTypeNames)
        if (t.type == type)
            return QString::fromUtf8(t.name);
    return QString::fromStdString(type) + QStringLiteral(" 实体"); // a type of its own, by its DXF name
}

const char* kindName(NotKeptKind kind)
{
    switch (kind) {
    case NotKeptKind::Entity:
        return "";
    case NotKeptKind::Mesh:
        return "三维网格";
    case NotKeptKind::Tilted:
        return "倾斜于图面的实体";
    case NotKeptKind::InsertOfLayout:
        return "引用模型空间或布局的块参照";
    case NotKeptKind::Layout:
        return "第三个以后的布局";
    case NotKeptKind::LayoutEntity:
        return "第三个以后的布局中的实体";
    case NotKeptKind::LayoutName:
        return "无法保留的布局名称";
    case NotKeptKind::LayoutBlockExtendedData:
        return "模型空间或布局的块的扩展数据";
    case NotKeptKind::FittedPolyline:
        return "多段线的拟合曲线";
    case NotKeptKind::MTextColumns:
        return "多行文字的分栏";
    case NotKeptKind::OutOfRangeValue:
        return "超出取值范围的线宽等数值";
    case NotKeptKind::ExtendedDataHandle:
        return "含句柄的扩展数据";
    case NotKeptKind::ExtendedDataTooLong:
        return "含过长值的扩展数据";
    case NotKeptKind::ExtendedDataNoApplication:
        return "不属于任何应用程序的扩展数据";
    case NotKeptKind::VertexExtendedData:
        return "多段线顶点的扩展数据";
    case NotKeptKind::SequenceEndExtendedData:
        return "多段线顶点序列结束处的扩展数据";
    }
    return "";
}

QString counted(const QString& name, int n) { return QStringLiteral("%1 %2 处").arg(name).arg(n); }

} // namespace

QString dxfNotKeptNotice(const QString& path, const NotKeptOnRead& counts)
{
    QStringList left, changed;
    int leftTotal = 0, changedTotal = 0;
    for (const auto& [type, n] : counts.entityTypes())
        left << counted(typeName(type), n);
    leftTotal += counts.count(NotKeptKind::Entity);
    for (std::size_t k = 0; k < kNotKeptKinds; ++k) {
        const auto kind = static_cast<NotKeptKind>(k);
        const int n = counts.count(kind);
        if (kind == NotKeptKind::Entity || n == 0)
            continue;
        (keptButChanged(kind) ? changed : left) << counted(QString::fromUtf8(kindName(kind)), n);
        (keptButChanged(kind) ? changedTotal : leftTotal) += n;
    }
    if (leftTotal + changedTotal == 0)
        return {};
    const QString notRead =
        QStringLiteral("%1 处内容（%2）未能读入").arg(leftTotal).arg(left.join(QStringLiteral("、")));
    const QString notAsRead =
        QStringLiteral("%1 处内容（%2）无法按原样保存").arg(changedTotal).arg(changed.join(QStringLiteral("、")));
    const QString what = changedTotal == 0 ? notRead
                         : leftTotal == 0  ? notAsRead
                                           : notRead + QStringLiteral("，另有 ") + notAsRead;
    return QStringLiteral("图形 %1 中有 %2；保存时将另存为，以免原文件丢失它们。").arg(path, what);
}

} // namespace cad
