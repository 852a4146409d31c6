#pragma once
// A print-out as data: what each report says, in the order it says it, with
// no positions, fonts or pages. The page layout library draws it; the tests
// read it.
#include <optional>
#include <string>
#include <vector>

namespace vexa::print {

// The reports, in the order of the print job.
enum class ReportKind { EditorSheet, ControlData, PatternTimes, SoundList, UserInformation, Week };

struct Field {
    std::string label;
    std::string value;

    bool operator==(const Field&) const = default;
};

struct CheckMark {
    std::string caption;
    bool checked = false;

    bool operator==(const CheckMark&) const = default;
};

// A label followed by a row of check marks ("曜日", seven marks).
struct CheckRow {
    std::string label;
    std::vector<CheckMark> marks;

    bool operator==(const CheckRow&) const = default;
};

enum class Align { Left, Right, Center };

struct Column {
    std::string group;    // heading over several columns ("LED"); "" for none
    std::string heading;  // the column's own heading ("TYPE"); may be ""
    int width = 4;        // share of the table's width, in character cells
    Align align = Align::Left;

    bool operator==(const Column&) const = default;
};

using Row = std::vector<std::string>;  // one text per column

struct Table {
    std::vector<Column> columns;
    std::vector<Row> rows;
    std::optional<Row> totals;  // a closing row under the last row

    bool operator==(const Table&) const = default;
};

// One section of a report: a heading, then lines of their own, labelled
// values, rows of check marks and a table, each part optional.
struct Section {
    std::string heading;
    std::vector<std::string> lines;
    std::vector<Field> fields;
    std::vector<CheckRow> checks;
    std::optional<Table> table;

    bool operator==(const Section&) const = default;
};

// What the top of every page of a report shows.
struct PageHeader {
    std::string title;            // "Chimewell  Vexa Editor"
    std::string date;             // "YYYY/MM/DD"
    std::string time;             // "HH:MM:SS"
    std::optional<Field> folder;  // the editor sheets' "［格納フォルダ］" and path

    bool operator==(const PageHeader&) const = default;
};

struct Report {
    ReportKind kind = ReportKind::EditorSheet;
    PageHeader header;
    std::vector<Section> sections;
    bool pageNumbers = false;  // footer "Page[n/m]", counted within this report
    bool onePage = false;      // everything on the first page (nothing of it is split)

    bool operator==(const Report&) const = default;
};

// The footer text of page `page` (from 1) of `pages`.
std::string PageNumberText(int page, int pages);

}  // namespace vexa::print
