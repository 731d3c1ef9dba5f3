// Writes the string table as C++ that lupdate reads: one QT_TRANSLATE_NOOP
// line of context "res" per text, in the order of the ids, so that the
// translations of the table come from the table itself as it stands.
//   string_table_source OUTPUT_FILE
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "res/strings.h"

namespace {

// The text as a C++ string literal; "\n" separates a command's status-bar
// text from its tool tip.
std::string Literal(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\')
      out += {'\\', c};
    else if (c == '\n')
      out += "\\n";
    else
      out += c;
  }
  return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: string_table_source OUTPUT_FILE\n");
    return 2;
  }
  std::string source =
      "// Made by string_table_source from res/strings.cpp: read by lupdate, not compiled.\n";
  // The ids run below 65536 (the command ids included).
  for (int id = 0; id < 65536; ++id) {
    const std::string_view text = res::String(id);
    if (text.empty()) continue;
    source += "//: String " + std::to_string(id);
    if (text.find('\n') != std::string_view::npos)
      source += ": the status-bar text, then after the line break the tool tip";
    source += ". Keep %s and %d, one for each value filled in, and the trailing blanks.\n";
    source += "QT_TRANSLATE_NOOP(\"res\", " + Literal(text) + ");\n";
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << source;
  return out.flush() ? 0 : 1;
}
