// Nested block arrays: one paint draws a bounded number of copies and says when it drew the drawing in part.
#include "drawing_window_fixture.h"

#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/model/document_model.h"
#include "platform/cad/window/drawing_view_renderer.h"

#include <QFile>
#include <QImage>
#include <QPainter>

using namespace cad;

namespace {

const QString kNested = QStringLiteral(RIDE_TEST_DATA_DIR "/cad/hostile/nested-insert-arrays.dxf");

// Paints the whole drawing into an image the size of a window; true when it was drawn in part.
bool paintsInPart(const DocumentModel& model)
{
    const auto references = placedReferences(model);
    ViewTransform view;
    view.size = QSizeF(800, 600);
    view.fit(drawingExtents(model, references).value_or(Box{0, 0, 1, 1}));
    QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    DrawingRenderer renderer(model, view);
    renderer.paintView(p, references);
    return renderer.drawnInPart();
}

TEST(BlockNestingPaint, NestedArraysAreDrawnInPartWithinABoundedPaint)
{
    // 100 x 100 copies of a block holding 100 x 100 copies of a 100 x 100 array: 10^12 lines in all.
    QFile f(kNested);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    DocumentModel model(nullptr);
    readDxf(f.readAll(), model);
    EXPECT_TRUE(paintsInPart(model));

    // A plain array of a small block is drawn whole.
    DocumentModel plain(nullptr);
    plain.setDefaultTables();
    BlockDefinition tree;
    tree.name = QStringLiteral("TREE");
    EntityData line;
    line.end = {1, 1, 0};
    tree.entities.push_back(line);
    plain.tables().blocks.push_back(tree);
    EntityData grid;
    grid.kind = EntityKind::Insert;
    grid.blockName = QStringLiteral("TREE");
    grid.rows = grid.columns = 50;
    grid.rowSpacing = grid.columnSpacing = 2;
    plain.add(grid);
    EXPECT_FALSE(paintsInPart(plain));
}

TEST_F(DrawingWindowTest, TheHistorySaysWhenADrawingWasDrawnInPart)
{
    fileAnswer = kNested;
    ASSERT_TRUE(window->openDrawing());
    window->view()->repaint();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->commandLine()->history().contains(QStringLiteral("只画出了一部分"))) << window->commandLine()->history().toStdString();
}

} // namespace
