// Reading DXF: one pass over the text, a chunk at a time, checks it and fills the drawing.
#include "platform/cad/dxf/dxf_file.h"

#include "platform/automation/automation_error.h"
#include "platform/cad/dxf/dxf_builder.h"
#include "platform/cad/dxf/dxf_file_open.h"
#include "platform/cad/dxf/dxf_groups.h"
#include "platform/cad/dxf/dxf_layouts.h"
#include "platform/cad/dxf/dxf_messages.h"
#include "platform/cad/dxf/dxf_scan.h"
#include "platform/cad/model/document_model.h"

#include <QBuffer>
#include <QFile>
#include <QSet>
#include <map>
#include <memory>
#include <new>
#include <optional>

namespace cad {

using automation::AutomationError;
namespace errors = automation::errors;

namespace {

// A block that inserts itself, directly or through others, would be drawn for ever: such inserts
// are dropped from the block definitions (the model-space inserts stay).
void breakBlockCycles(DrawingTables& t)
{
    std::map<QString, std::size_t> index;
    for (std::size_t i = 0; i < t.blocks.size(); ++i)
        index.emplace(t.blocks[i].name.toUpper(), i);
    enum class Mark { None, Open, Done };
    std::vector<Mark> mark(t.blocks.size(), Mark::None);
    // Iterative depth-first search: block files can nest deeply.
    for (std::size_t root = 0; root < t.blocks.size(); ++root) {
        if (mark[root] != Mark::None)
            continue;
        std::vector<std::pair<std::size_t, std::size_t>> stack{{root, 0}};
        mark[root] = Mark::Open;
        while (!stack.empty()) {
            auto& [block, next] = stack.back();
            auto& entities = t.blocks[block].entities;
            if (next >= entities.size()) {
                mark[block] = Mark::Done;
                stack.pop_back();
                continue;
            }
            const EntityData& e = entities[next];
            if (e.kind != EntityKind::Insert) {
                ++next;
                continue;
            }
            auto target = index.find(e.blockName.toUpper());
            if (target == index.end() || mark[target->second] == Mark::Done) {
                ++next;
            } else if (mark[target->second] == Mark::Open) {
                entities.erase(entities.begin() + static_cast<std::ptrdiff_t>(next));   // closes a cycle
            } else {
                ++next;
                mark[target->second] = Mark::Open;
                stack.push_back({target->second, 0});
            }
        }
    }
}

// Layers, line types and styles the entities use but the file did not define are added.
void completeTables(DocumentModel& model)
{
    auto& t = model.tables();
    QSet<QString> known;
    for (const auto& l : t.layers)
        known.insert(l.name.toUpper());
    if (!known.contains(QStringLiteral("0"))) {
        t.layers.insert(t.layers.begin(), LayerData{QStringLiteral("0"), 7, QStringLiteral("CONTINUOUS"), 0, -3});
        known.insert(QStringLiteral("0"));
    }
    QString last;   // entities come in runs on one layer
    auto check = [&](const QString& layer) {
        if (layer == last)
            return;
        last = layer;
        if (!known.contains(layer.toUpper())) {
            known.insert(layer.toUpper());
            t.layers.push_back(LayerData{layer, 7, QStringLiteral("CONTINUOUS"), 0, -3});
        }
    };
    // The plan's layer names straight from the store: building each whole record would copy its
    // rare properties only to read its layer.
    const EntityStore& store = model.store();
    model.forEachStored([&](const StoredEntity& s) { check(store.name(s.layer)); });
    for (const auto& b : t.blocks)
        for (const auto& e : b.entities)
            check(e.layer);
    for (const auto& l : t.layouts)
        for (const auto& e : l.entities)
            check(e.layer);
    if (t.styles.empty()) {
        TextStyleData standard;
        standard.name = QStringLiteral("Standard");
        standard.font = QStringLiteral("txt");
        t.styles.push_back(standard);
    }
}

// Each kept layout takes the name it is written with: a free default one where it has none, or
// one it cannot keep (one name twice, or "Model"). A name so lost is counted, as saving over the
// file would lose it.
int settleLayoutNames(DrawingTables& t)
{
    const auto names = writtenLayoutNames(t.layouts);
    int renamed = 0;
    for (std::size_t k = 0; k < names.size(); ++k)
        for (auto& l : t.layouts)
            if (l.block == QLatin1String(kLayoutBlocks[k]) && l.name != names[k]) {
                renamed += l.name.isEmpty() ? 0 : 1;
                l.name = names[k];
            }
    return renamed;
}

} // namespace

bool looksLikeDxf(const QByteArray& head)
{
    QByteArrayView v(head);
    if (v.startsWith("\xEF\xBB\xBF"))
        v = v.sliced(3);
    return looksLikeAsciiDxf(std::string_view(v.data(), static_cast<std::size_t>(v.size())));
}

namespace {

struct Encoding {
    QString acadver, codepage;
};

// One reading of the device from where it stands into `model`; `encoding`, when given, decodes the
// strings from the first (the header declares it only where it stands).
DxfScanResult readPass(QIODevice& device, DocumentModel& model, std::size_t chunk, const std::optional<Encoding>& encoding,
                       bool& decodedEarlier)
{
    DxfGroupReader reader(device, chunk);
    const std::string_view start = reader.peek(18);
    if (start.substr(0, 18) == "AutoCAD Binary DXF")
        throw AutomationError(errors::FileError, dxfBinaryRefused());
    if (start.substr(0, 4) == "AC10" || start.substr(0, 4) == "AC1.")
        throw AutomationError(errors::FileError, dwgRefused());
    if (reader.peek(3) == "\xEF\xBB\xBF")
        reader.skip(3);
    if (!looksLikeAsciiDxf(reader.peek(4096)))
        dxfMalformed(kDxfNotDxfStart);
    DxfDrawingBuilder builder(model);
    if (encoding) {
        builder.configure(encoding->acadver, encoding->codepage);
        builder.lockEncoding();
    }
    DxfScanResult result = scanDxf(reader, builder);
    builder.finish();
    result.notKept += builder.notKept();
    decodedEarlier = builder.decodedWithEarlierEncoding();
    return result;
}

} // namespace

void readDxf(QIODevice& device, DocumentModel& model, std::size_t chunk)
{
    try {
        const qint64 start = device.pos();
        auto filled = std::make_unique<DocumentModel>(nullptr);
        filled->setBulkLoading(true);
        bool decodedEarlier = false;
        DxfScanResult result = readPass(device, *filled, chunk, std::nullopt, decodedEarlier);
        if (decodedEarlier) {
            // Texts came before the header that says how they are encoded: read again knowing it.
            if (!device.seek(start))
                throw AutomationError(errors::FileError, dxfNotReadAgain());
            filled = std::make_unique<DocumentModel>(nullptr);
            filled->setBulkLoading(true);
            result = readPass(device, *filled, chunk, Encoding{result.acadver, result.codepage}, decodedEarlier);
        }
        breakBlockCycles(filled->tables());
        completeTables(*filled);
        result.notKept.add(NotKeptKind::LayoutName, settleLayoutNames(filled->tables()));
        filled->setBulkLoading(false);
        model.adopt(std::move(*filled));
        model.setNotKeptOnRead(result.notKept);
    } catch (const AutomationError&) {
        throw;
    } catch (const std::bad_alloc&) {
        // Running out of memory on a huge file ends here.
        throw AutomationError(errors::FileError, dxfOutOfMemory());
    } catch (const std::exception& e) {
        throw AutomationError(errors::FileError, dxfNotRead(e));
    } catch (...) {
        throw AutomationError(errors::FileError, dxfNotRead());
    }
}

void readDxf(const QByteArray& bytes, DocumentModel& model)
{
    QBuffer buffer;
    buffer.setData(bytes);   // shared, not copied
    buffer.open(QIODevice::ReadOnly);
    readDxf(buffer, model);
}

void readDxfFile(const QString& path, DocumentModel& model)
{
    QFile file(path);
    openDrawingFile(file, path);
    // Larger than any plan this program meets, and still far below what memory allows.
    constexpr qint64 kMaxSize = 512LL * 1024 * 1024;
    if (file.size() > kMaxSize)
        throw AutomationError(errors::FileError, dxfTooLarge(path, kMaxSize));
    try {
        readDxf(file, model);
    } catch (const AutomationError&) {
        // Opened by its handle, the file knows no name of its own to tell a failed read by.
        if (file.error() == QFileDevice::ReadError)
            throw AutomationError(errors::FileError, dxfNotReadWhole(path));
        throw;
    }
}

} // namespace cad
