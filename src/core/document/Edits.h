#pragma once
// Every edit of the Project, one function each: the one way windows, the
// command line and the rules of the editor change the Document. Each builds
// its command (all of them live in this folder) and applies it as one
// undoable step; an edit that changes nothing adds no step.
#include "core/config/Configuration.h"
#include "core/document/Document.h"
#include "core/document/SheetEdit.h"
#include "core/model/CardInformation.h"
#include "core/model/ProgramLineRules.h"
#include "core/model/ProgramSheet.h"
#include "core/model/SoundEntry.h"

#include <string>
#include <vector>

namespace vexa {

// A Program Line as an edit leaves it.
struct SheetLine {
    int sheet = 0;
    int line = 0;
    ProgramLine after;
};

// --- Program Sheets ------------------------------------------------------------
// Lines of one or more sheets. A `mergeCell` ≥ 0 names the grid cell edited:
// consecutive edits of that cell merge into one step.
void EditLines(Document& document, SheetEditKind kind, const std::vector<SheetLine>& lines, long mergeCell = -1);
// The header and the lines of sheet `sheet` become those of `after`.
void EditSheet(Document& document, SheetEditKind kind, int sheet, const ProgramSheet& after);
// The header of sheet `sheet` (a list or box, the Name, the Memo).
void EditSheetHeader(Document& document, SheetEditKind kind, int sheet, const SheetHeader& after);
// Sheet duplication: every sheet of `destinations` becomes a copy of `source`.
void DuplicateSheet(Document& document, int source, const std::vector<int>& destinations);

// --- Sound Table -------------------------------------------------------------------
// The sound registration window's OK: the new table and Sound Present flag,
// and the lines 0 … Line Count - 1 of every sheet follow it (RefreshedLine;
// each file measured once). The lengths come from `measure`, else from the
// table itself (TableLengths): the window has just measured every file.
void EditSoundTable(Document& document, std::vector<SoundEntry> sounds, bool present,
                    const MeasureWave& measure = {});
// The play lengths the table's entries carry (their Length texts, measured
// when each file was registered or loaded), by Source path: the lines are
// retimed without opening any file again. -1 for a path no entry has or a
// Length that is no number.
MeasureWave TableLengths(const std::vector<SoundEntry>& sounds);

// --- Pattern Times and Card Information ------------------------------------------
void EditPatternTimes(Document& document, PatternTimes after);
// The Card Information as a whole (what creation writes).
void EditCardInformation(Document& document, CardInformation after);
// One entry, named as in kCardInformationFields ("Title", "CardName", …):
// typing into one entry merges into one step. False for an unknown name.
bool EditCardInformationEntry(Document& document, const std::string& field, std::string value);

}  // namespace vexa
