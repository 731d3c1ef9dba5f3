// Orbital elements the user imports from the Minor Planet Center's files:
// read all or nothing, and kept in a file of the user's (beside the
// settings file) from one start to the next, where they replace the bundled
// elements of the same bodies.
#pragma once

#include <string>
#include <vector>

#include "catalog/mpc_elements.h"

namespace sky {

// The user's file of imported elements, in the form of smallbodies.tab,
// beside the settings file `settingsPath`.
std::string KeptElementsPath(const std::string& settingsPath);
inline constexpr const char* kKeptElementsFile = "elements.tab";

// The bodies of `bundled`, each replaced by the body of `imported` of the
// same name (SmallBodyName, case and blanks aside), then the other imported
// ones in their order; of two imported bodies of one name the later wins.
std::vector<catalog::SmallBodyElements> MergeSmallBodies(
    const std::vector<catalog::SmallBodyElements>& bundled,
    const std::vector<catalog::SmallBodyElements>& imported);

// Reads the orbit files `paths` (catalog::ReadOrbitFile, each named by its
// file name) and adds their bodies to the file `keptPath`, replacing those
// of the same names it held. All or nothing: a file that cannot be read or
// has a damaged line leaves the kept file as it was, and Error says which
// file, line and field; a kept file that cannot be written says so.
struct ElementsImportResult {
  int Read = 0;       // bodies read from the files
  std::string Error;  // the message to show; empty when kept
};
ElementsImportResult ImportElementFiles(const std::vector<std::string>& paths,
                                        const std::string& keptPath);

// The elements kept in `keptPath`: none when there is no such file; a
// damaged one gives none and its message in `error`.
std::vector<catalog::SmallBodyElements> KeptElements(const std::string& keptPath,
                                                     std::string& error);

}  // namespace sky
