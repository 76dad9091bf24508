// ZRVReportTemplateProjectReader.h - the parser of one template load: the main
// loop, the chain of section parsers and the eight tables of named settings
// that the file's setting sections fill.
#ifndef ZRVREPORT_TEMPLATE_PROJECTREADER_H
#define ZRVREPORT_TEMPLATE_PROJECTREADER_H

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "catalogue/Selection.h"
#include "manager/ItemStore.h"
#include "manager/NamedLibrary.h"
#include "manager/StoredMelt.h"
#include "platform/LineReader.h"
#include "platform/Utf8.h"
#include "template/Format.h"
#include "template/TemplateLayout.h"
#include "zrvreport/ZRVReportItem.h"
#include "zrvreport/ZRVReportItemEx.h"
#include "zrvreport/ZRVResultItems.h"
#include "zrvreport/ZRVTemplateObserver.h"

class CZRVReportItemManager;

namespace zrv {

/// What selects the behaviour of one load: the entry point and its flags.
struct LoadOptions {
  ReaderEntryPoint Entry = ReaderEntryPoint::SolidInjection;
  int Thermoset = 0;       ///< the thermoset flag of the loaders that take one
  int Underfill = 0;       ///< LoadSolidICPackage: underfill run (only 1 counts)
  int EncapsulationCM = 0; ///< LoadSolidICPackage: encapsulation by compression (only 1 counts)
  ZRVTemplateObserver* Observer = nullptr;
};

} // namespace zrv

/// The parser of one template load. Created per call of an entry point; its
/// tables hold the settings of the file being read and are handed to the
/// document when the file has been read.
class CZRVReportTemplateProjectReader {
public:
  CZRVReportTemplateProjectReader();
  CZRVReportTemplateProjectReader(const CZRVReportTemplateProjectReader&) = delete;
  CZRVReportTemplateProjectReader& operator=(const CZRVReportTemplateProjectReader&) = delete;
  virtual ~CZRVReportTemplateProjectReader();

  /// Loads the file at \p Path into \p Document. 1 when the file was opened
  /// and read to its end; 0 (with the message "[ReportTemplateReader] Can't
  /// open this template file %s") when it cannot be opened.
  int Load(const std::wstring& Path, CZRVReportItemManager& Document,
           const zrv::LoadOptions& Options);

  /// Reads only the [FileHeader] section. 1 when one was found and read; 0
  /// when the file cannot be opened (no message) or has no [FileHeader]
  /// before its "[EOF]" line or its end.
  int LoadHeader(const std::wstring& Path, CZRVReportItemManager& Document);

private:
  /// A line of a collected section (a view of the line reader's bytes) with
  /// its line number.
  struct CollectedLine {
    std::string_view Text;
    int Number;
  };
  static std::string_view textOf(const CollectedLine& Row) { return Row.Text; }

  bool readLine();
  void dispatch();
  /// The end of the chain for a tag line that no test took.
  void passOver();
  void parseHeader();
  /// The index of a setting section whose names no item line gives.
  struct NoIndex {
    void added() {}
  };
  /// Reads the lines of a setting section, each a setting of type \p Parsed,
  /// into \p Settings, and tells \p Names (when given) of each setting
  /// added.
  template <typename Parsed, typename Table, typename Index = NoIndex>
  void parseSettings(zrv::format::Section Id, Table& Settings, Index* Names = nullptr);
  void parseMeltSettings();
  void collectSection();
  void parseResultEx();
  void parseResultSection(ZRV_RESULT_MODULES Module);
  void parseItemLine(const CollectedLine& Line, int FileVersion);
  void removeICPackageItems(ZRV_RESULT_MODULES Module);
  void handOverTables();
  /// Room in the document's pools for the settings a result section's lines
  /// are likely to name.
  void makeRoomForSettings();
  /// Empties the settings tables and their indexes.
  void clearTables();
  void note(ZRVTemplateFindingKind What, int LineNumber, std::wstring Text, int Number = 0,
            int Field = 0, std::vector<int> Accepted = {});
  /// Tells the observer the deferred findings of lines up to \p UpToLine.
  void flushDeferred(int UpToLine);
  void noteIgnoredLine(zrv::format::Section Id);
  /// Tells the observer of a line \p Text (line \p Number) that the
  /// section's parser dropped, unless it holds nothing to lose.
  void noteDropped(std::string_view Text, int Number, std::string_view Label,
                   std::vector<int> Accepted = {});

  // The file's named settings, one entry per name (the first line wins).
  template <typename Record> using Library = zrv::manager::NamedLibrary<Record>;
  Library<CZRVReportItem::tagCLIPSETTING> ClippingTable;
  Library<CZRVReportItem::tagVIEWSETTING> ViewTable;
  Library<CZRVReportItem::tagOBJECTSETTING> ObjectTable;
  Library<CZRVReportItem::tagFOCUSCAPTURE> CaptureTable;
  Library<zrv::manager::StoredMelt> MeltTable; ///< kept as the document keeps it
  Library<CZRVReportItem::tagSLICESETTING> SlicingTable;
  Library<CZRVReportItemEx::stAnimationSetting> AnimationTable;
  Library<CZRVReportItemEx::stImageSetting> ImageTable;
  /// The tag line of the result section being read (at most 255 bytes).
  std::string CurrentSectionLine;
  ZRV_RESULT_MODULES SectionModule = ZRV_MODULE_FLOW; ///< module of the section's items

  // State of the load in progress.
  CZRVReportItemManager* Document = nullptr;
  zrv::LoadOptions Options;
  zrv::platform::LineReader* Reader = nullptr;
  /// The line last read (LF kept): a view of the line reader's bytes.
  std::string_view Line;
  zrv::format::SectionSet LineTags = 0; ///< the sections whose tags Line holds
  bool AtTagLine = false;               ///< Line is a tag line (isTagLine)
  /// The result sections the entry point reads, in chain order, with their
  /// section ids.
  std::vector<std::pair<ZRV_RESULT_MODULES, zrv::format::Section>> ResultSections;
  bool LastReadOk = false; ///< the last read returned a line
  int LineNumber = 0;      ///< the file line the buffer holds
  int NextLineNumber = 1;  ///< the file line the next read starts on
  bool InLongLine = false; ///< the last piece read ended inside a long line
  bool TagTaken = false;   ///< the tag line in the buffer was taken by a parser
  std::wstring SectionTag; ///< the section being read, for findings
  std::vector<CollectedLine> Collected;
  bool Collecting = false; ///< a section's lines are being collected
  /// Findings made while collecting, told when the parse reaches their line.
  std::deque<ZRVTemplateFinding> Deferred;
  /// The keys of the last result section whose tag had a key list.
  const zrv::SectionKeys* SectionKeys = nullptr;

  // ---- Item lines to item records ---------------------------------------------------
  /// The file's settings of one kind, found by name in their table, each
  /// with the ids of its record and its name in the document's pools once an
  /// item has used it.
  template <typename Record> struct SettingIndex {
    struct Entry {
      zrv::manager::PoolId Pooled;
      zrv::manager::PoolId Name;
    };
    explicit SettingIndex(const Library<Record>& Settings) : Table(&Settings) {}
    const Library<Record>* Table;
    std::vector<Entry> Entries; ///< by entry number of the table

    /// Indexes the entry the table has just added (a table of a load only
    /// grows, and the first line of a name wins).
    void added() {
      Entries.push_back(Entry{zrv::manager::IdTable::NotFound, zrv::manager::IdTable::NotFound});
    }
    void clear() { Entries.clear(); }
    /// The entry named by the UTF-8 bytes \p Name, or none. Well-formed
    /// bytes are the name's kept form, in which the table keeps its names:
    /// they are looked up as they stand. Bytes not found that are not ASCII
    /// (an ill-formed sequence, which decodes to U+FFFD) are decoded into
    /// \p Wide and looked up as a name.
    Entry* find(std::string_view Name, std::wstring& Wide) {
      return find(Name, zrv::hashBytes(Name), Wide);
    }
    /// The same for a name whose hashBytes is \p Hash.
    Entry* find(std::string_view Name, std::uint32_t Hash, std::wstring& Wide) {
      std::uint32_t At = Table->findKept(Name, Hash);
      if (At == Table->NotFound && !zrv::platform::IsAscii(Name)) {
        zrv::format::decodeInto(Name, Wide);
        At = Table->find(Wide);
      }
      return At != Table->NotFound ? &Entries[At] : nullptr;
    }
    /// The entry number in the table of \p Found.
    std::uint32_t at(const Entry& Found) const {
      return static_cast<std::uint32_t>(&Found - Entries.data());
    }
    /// The kept form of the name of \p Found (the bytes of its line when
    /// they are ASCII).
    std::string_view keptName(const Entry& Found) const { return Table->keptName(at(Found)); }
    /// The Name field of the record of \p Found (its name, for a record read
    /// from a line), and whether it is the name.
    std::wstring ownName(const Entry& Found) const { return Table->ownName(at(Found)); }
    bool ownNameIsName(const Entry& Found) const { return Table->ownNameIsName(at(Found)); }
    /// The record of \p Found with its Name field left empty.
    Record stored(const Entry& Found) const { return Table->stored(at(Found)); }
  };
  SettingIndex<CZRVReportItem::tagCLIPSETTING> ClippingIndex{ClippingTable};
  SettingIndex<CZRVReportItem::tagVIEWSETTING> ViewIndex{ViewTable};
  SettingIndex<CZRVReportItem::tagOBJECTSETTING> ObjectIndex{ObjectTable};
  SettingIndex<CZRVReportItem::tagFOCUSCAPTURE> CaptureIndex{CaptureTable};
  SettingIndex<CZRVReportItem::tagSLICESETTING> SlicingIndex{SlicingTable};

  /// What the item lines' keys, tag names and several-view fields (as their
  /// bytes) are known to give: the id of the name in the document's pool
  /// once interned, the item id of a key in the section keys it was last
  /// looked up in, and the list of names of a view field.
  struct KnownText {
    zrv::manager::PoolId Pooled = zrv::manager::IdTable::NotFound;
    const zrv::SectionKeys* KeysOf = nullptr; ///< where Found and Id were looked up
    bool Found = false;
    ZRV_RESULT_ITEMS Id{};
    /// As a several-view field: the list of its names, once each of them
    /// was found (names found stay found while a load goes on).
    zrv::manager::PoolId ViewList = zrv::manager::IdTable::NotFound;
  };
  /// The KnownText of the bytes \p Text.
  KnownText& known(std::string_view Text);
  /// The same for a text whose hashBytes is \p Hash.
  KnownText& known(std::string_view Text, std::uint32_t Hash);
  zrv::manager::SequencePool<char> SeenTexts;
  std::vector<KnownText> KnownTexts; ///< by id in SeenTexts
  /// The pool id of \p Text (the item line's bytes, known as \p Known),
  /// interned once per load.
  zrv::manager::PoolId pooledText(KnownText& Known, std::string_view Text);

  zrv::format::ParsedItemLine ItemFields;      ///< the item line read
  std::vector<zrv::manager::PoolId> ViewParts; ///< the pooled names of the item line's views
  std::wstring WideName;                       ///< room for a name decoded
};

#endif // ZRVREPORT_TEMPLATE_PROJECTREADER_H
