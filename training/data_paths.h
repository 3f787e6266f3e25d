// Where the data files live: the "data" folder beside the running program.
#pragma once
#include <string>

#include "framework/mbcs.h"

namespace training {

struct DataPaths {
  std::string exeName;     // the program's file name, as the system reports it
  std::string modulePath;  // its folder, with the trailing backslash
  std::string statPath;    // modulePath + "data/stat.dat"
  std::string helpPath;    // modulePath + "data/help.htm"
};

// Splits the program's full path at its last separator, whatever the file is
// called. A trail byte of a double-byte character that happens to equal '\\'
// is never taken for a separator.
DataPaths DeriveDataPaths(const std::string& programPath, const mbcs::LeadByteFn& isLeadByte);

}  // namespace training
