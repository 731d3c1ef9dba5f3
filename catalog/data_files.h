// Where the program's data files are. Each is opened by its full path under
// the data directory, so the program never depends on (or changes) the
// directory it was started in; messages still name a file by its bare name.
#pragma once

#include <string>
#include <string_view>

namespace catalog {

struct DataFiles {
  // Absolute; empty when no data directory was found, and the files are
  // then looked for by their bare names.
  std::string Directory;

  // The path of the data file `name` (a file or a folder under the directory).
  std::string Path(std::string_view name) const;
};

}  // namespace catalog
