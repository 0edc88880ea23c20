#pragma once
// Saving データ.TXT from the record grid of the edit and notes screens.
#include "records/RecordFile.h"

class Grid;
class GridModel;

namespace recordfile {

// Rewrites the file from a record grid's data rows, in the grid's order:
// quoted date, time and item, the seconds as a single-precision number, the
// quoted note and an empty quoted spare; a double quote inside a text item
// becomes ＂. A row the grid took from the log
// (RecordGridSource) and did not change is written from its line's bytes, so
// nothing is decoded and encoded again: a line already in the rewrite form is
// copied as it stands (a run of them in one piece), and a damaged line goes
// back byte for byte. A damaged record the user changed is refused, named in
// the error.
textfile::WriteResult rewriteFromGrid(const Grid& grid, const QString& path = FileName);
textfile::WriteResult rewriteFromGrid(const GridModel& model, const QString& path = FileName);

}  // namespace recordfile
