// The record work of a conversion program, which the conversion engine calls
// for every record of the right length.
#pragma once

#include <string>
#include <string_view>

#include "common/parameterfile.h"

namespace kelvarin {

// Where a record step puts its lines. Each line is written as given followed
// by a line end; the error and warning lines are counted.
class ConversionReports {
 public:
  virtual void WriteOutput(std::string_view line) = 0;
  // A line to the warning file; counts a warning.
  virtual void WriteWarning(std::string_view line) = 0;
  // A line to the error file; counts an error.
  virtual void WriteError(std::string_view line) = 0;
  // A warning that is not written to a warning file (the record is marked in
  // the output file instead).
  virtual void CountWarning() = 0;

 protected:
  ~ConversionReports() = default;
};

class ConversionRecordStep {
 public:
  virtual ~ConversionRecordStep() = default;

  // The program's own checks of the row before the run starts (the frame has
  // checked that every field it reads lies inside the records). False, with a
  // reason in *error, refuses the run.
  virtual bool CheckRow(const ConversionRow& row, std::string* error) const;

  // Converts one record of the right length and writes its lines.
  virtual void ConvertRecord(std::string_view record, const ConversionRow& row,
                             ConversionReports& reports) = 0;
};

}  // namespace kelvarin
