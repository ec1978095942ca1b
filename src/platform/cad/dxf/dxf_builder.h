// Turns the objects of a DXF text (header variables, table entries, blocks, entities) into a drawing.
#pragma once

#include "platform/cad/dxf/dxf_entity_kinds.h"
#include "platform/cad/dxf/dxf_text.h"
#include "platform/cad/model/document_model.h"
#include "platform/cad/model/not_kept.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cad {

// Receives the groups the structure check hands on, object by object: an object starts with a group 0
// (or, in the header, a group 9 naming a variable) and takes the groups after it; the last of a
// repeated group wins and absent groups take the defaults DXF gives them. The values passed
// must stay valid until end() or the next begin().
class DxfDrawingBuilder {
public:
    explicit DxfDrawingBuilder(DocumentModel& model);

    // What the section being read holds: variables (a group 9 or a name starting with '$' begins
    // one), table entries, or blocks and entities. Anything else standing in it is ignored.
    enum class Section : std::uint8_t { Header, Tables, Entities };
    void setSection(Section section) { m_section = section; }
    // The text encoding the header declares; strings are decoded by it from here on.
    void configure(const QString& acadver, const QString& codepage);
    // True when a string outside ASCII was decoded before configure() changed the encoding.
    bool decodedWithEarlierEncoding() const { return m_mixedEncoding; }
    // Holds the encoding: later configure() calls change nothing.
    void lockEncoding() { m_encodingLocked = true; }

    // A new object named `type` (the value of its group 0); `invisible` from its group 60.
    void begin(std::string_view type, bool invisible = false);
    // A group of the current object; `number` is its value read when its code holds a number.
    void group(int code, std::string_view value, double number = std::numeric_limits<double>::quiet_NaN());
    // The current object is complete.
    void end();
    // Everything is read: an open polyline or block is closed.
    void finish();
    // The name and tab position of the layout standing in `block` (one of kLayoutBlocks), from its
    // layout object.
    void layoutName(const char* block, std::string_view raw, int tab);
    // Entities of the kept kinds that were still left out: those of layouts beyond the two kept,
    // and inserts of the plan or of a layout; and those kept that carry something saving cannot
    // write back (extended data holding handles, a curve fitted to a polyline, a text's columns),
    // extended data of layers and blocks included. Each counted by kind.
    const NotKeptOnRead& notKept() const { return m_notKept; }

    // How each kind of entity is read (the kinds table names them): from the groups of its record,
    // and its repeated groups as they come.
    void line();
    void arc();
    void circle();
    void text();
    void mtext();
    void insert();
    void polyline();
    void lwPolyline();
    void mtextChunk(int code, std::string_view value, double number);
    void lwVertex(int code, std::string_view value, double number);

private:
    // Objects that are not entities of the kinds table: header variables, table entries, blocks and
    // the parts of a 2D polyline.
    enum class Kind : std::uint8_t {
        None,
        Setting,
        Layer,
        Linetype,
        Style,
        BlockRecord,
        Block,
        EndBlock,
        Entity,
        Vertex,
        SeqEnd
    };
    static Kind kindOf(std::string_view type);

    // Groups of the current object, by code; a code counts as given when its mark is the
    // current object's number.
    static constexpr int kFirstCode = -5, kLastCode = 1099;
    bool has(int code) const { return m_marks[code - kFirstCode] == m_object; }
    std::string_view str(int code, std::string_view fallback = {}) const
    {
        return has(code) ? m_values[code - kFirstCode] : fallback;
    }
    double real(int code, double fallback) const;
    int integer(int code, int fallback) const;

    void setting();
    void layer();
    void linetype();
    void style();
    void linetypeText(int code, std::string_view value, double number);
    void blockRecord();
    void block();
    void endBlock();
    EntityData start();
    void arcOrCircle(bool circle);
    void polylineRecord(bool light);
    void vertex();
    void sequenceEnd();
    void put(EntityData e);
    // The rare groups of an entity (dxf_builder_rare.cpp): those every kind may have, and each kind's own.
    void rareGroups(EntityData& e);
    // An entity's look, its common rare groups and extended data (dxf_builder_look.cpp): built once
    // for each form a file gives it in, shared by every entity given it so.
    void look(EntityData& e);
    bool inWorld(EntityData& e);
    void textLook(EntityData& e);
    void mtextLook(EntityData& e);
    SegmentWidth polylineWidths(EntityData& e, bool light);
    void vertexWidths(EntityData& e, const std::vector<SegmentWidth>& given, SegmentWidth defaults, bool light);
    // Extended data (dxf_builder_extended.cpp): each group as it comes, and the whole handed to the
    // entity being made.
    void extendedGroup(int code, std::string_view value, double number);
    void closeApplication();
    // The current object's extended data, taken; why some was left out goes into `lost`.
    std::vector<ExtendedGroup> takeExtendedData(std::optional<NotKeptKind>& lost);
    // That of a table entry or a block, where what was left out is counted at once.
    std::vector<ExtendedGroup> ownExtendedData();
    LayoutData& layout(const QString& block);
    void layoutBlockData(const QString& block, std::vector<ExtendedGroup> groups);
    void flushPolyline();
    void endBlockDefinition();

    // The first reason found stands: an entity is counted once.
    static void note(std::optional<NotKeptKind>& lost, NotKeptKind why)
    {
        if (!lost)
            lost = why;
    }

    QString decode(std::string_view raw);
    QString name(std::string_view raw);

    DocumentModel& m_model;
    DxfTextDecoder m_text;
    Section m_section = Section::Entities;
    bool m_encodingLocked = false;
    bool m_mixedEncoding = false;
    QString m_acadver, m_codepage;

    Kind m_kind = Kind::None;
    const DxfEntityKind* m_entity = nullptr; // the row of an entity being read
    bool m_invisible = false;
    std::string_view m_key;                 // of a variable
    int m_firstCode = INT32_MAX;            // the lowest code a variable was given
    std::uint32_t m_object = 1;
    std::array<std::uint32_t, kLastCode - kFirstCode + 1> m_marks{};
    std::array<std::string_view, kLastCode - kFirstCode + 1> m_values{};
    std::array<double, kLastCode - kFirstCode + 1> m_numbers{};
    std::string m_mtextChunks;              // groups 3 of an MTEXT, in their order
    bool m_mtextColumnGroups = false;       // an MTEXT's column groups (from 75 on) are being read
    bool m_mtextEmbedded = false;           // its embedded object (from 101 on) is being read
    bool m_mtextColumns = false;            // it is set in columns
    bool m_skipGroup = false;               // the group just collected is not one of the record's own
    // The current object's extended data so far, as read: its texts are decoded only when it is taken.
    struct RawExtendedGroup {
        int code;
        bool isNumber; // its value is `number`, else the text `value`
        std::string_view value;
        double number;
    };
    std::vector<RawExtendedGroup> m_extended;
    std::size_t m_appStart = 0;             // where the application being read starts in it
    std::optional<NotKeptKind> m_appLost;   // why that application's data cannot be kept
    std::optional<NotKeptKind> m_extendedLost; // why some of the entity's extended data was left out
    std::vector<PolyVertex> m_lwVertices;   // of a light-weight polyline: one for each group 10
    std::vector<SegmentWidth> m_lwWidths;   // their widths (40, 41), NaN where not given
    std::vector<SegmentWidth> m_vertexWidths; // of a 2D polyline's vertices, the same way
    SegmentWidth m_polylineWidths;            // the 2D polyline's defaults for them
    std::vector<double> m_dashes;           // groups 49 of a line type
    std::vector<LinetypeText> m_dashTexts;  // its texts, their style by handle until the styles are read
    std::unordered_map<std::string, QString> m_styleHandles; // handle -> style name

    std::optional<BlockDefinition> m_block;
    bool m_skipBlock = false;
    bool m_skipLayout = false; // the block skipped is a layout: its entities are lost
    bool m_modelBlock = false; // the block being read is the plan's own: its entities are the plan's
    QString m_layoutBlock;     // the layout block being read, or empty
    bool m_onPaper = false;    // the entity being read is flagged as paper space (67)
    NotKeptOnRead m_notKept;
    std::optional<EntityData> m_polyline;   // a 2D polyline taking its vertices
    // The entity being put (or the polyline taking its vertices) is kept but loses something on
    // saving: it is counted once it is kept, under the first such thing found.
    std::optional<NotKeptKind> m_losesOnSaving;
    std::optional<NotKeptKind> m_polylineLoses;

    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, QString, NameHash, std::equal_to<>> m_names;   // raw -> decoded
    QHash<QString, std::size_t> m_layerIndex;   // upper-case name -> index in the table
    QSet<QString> m_blockNames;                 // case-folded names of the blocks defined
    QHash<QString, std::vector<ExtendedGroup>> m_recordExtended; // case-folded block name -> its record's

    // The looks met, by the groups that give them (see look()); why the values of its common groups
    // cannot be kept as read, where they cannot.
    struct Look {
        RarePropertiesPtr rare;
        std::optional<NotKeptKind> lost;
    };
    // Keys are short and many are hashed (one an entity): eight bytes at a time.
    struct LookHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const;
    };
    std::unordered_map<std::string, Look, LookHash, std::equal_to<>> m_looks;
};

} // namespace cad
