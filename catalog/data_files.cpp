#include "catalog/data_files.h"

#include <filesystem>

namespace catalog {

std::string DataFiles::Path(std::string_view name) const {
  if (Directory.empty()) return std::string(name);
  return (std::filesystem::path(Directory) / name).string();
}

}  // namespace catalog
