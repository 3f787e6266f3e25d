#include "training/data_paths.h"

namespace training {

DataPaths DeriveDataPaths(const std::string& programPath, const mbcs::LeadByteFn& isLeadByte) {
  std::size_t nameStart = 0;
  for (std::size_t i = 0; i < programPath.size(); i += mbcs::CharLength(programPath, i, isLeadByte)) {
    if (programPath[i] == '\\' || programPath[i] == '/') nameStart = i + 1;
  }
  DataPaths paths;
  paths.exeName = programPath.substr(nameStart);
  paths.modulePath = programPath.substr(0, nameStart);
  paths.statPath = paths.modulePath + "data/stat.dat";
  paths.helpPath = paths.modulePath + "data/help.htm";
  return paths;
}

}  // namespace training
