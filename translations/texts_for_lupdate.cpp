// Writes the texts that tables hold as C++ that lupdate reads, one
// QT_TRANSLATE_NOOP line each: the string table (context "res"), the
// commands' menu texts ("CommandTable") and their what's-this texts
// ("WhatsThis"), in the order of their ids. The translations of a text added
// to a table come with the next update_translations, without a mark in the
// table itself.
//   texts_for_lupdate OUTPUT_FILE
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "res/strings.h"
#include "ui/command_table.h"
#include "ui/whats_this.h"

namespace {

// The text as a C++ string literal.
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

std::string Line(const char* context, std::string_view text, const std::string& comment) {
  return "//: " + comment + "\nQT_TRANSLATE_NOOP(\"" + context + "\", " + Literal(text) + ");\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: texts_for_lupdate OUTPUT_FILE\n";
    return 2;
  }
  std::string source = "// Made by texts_for_lupdate: read by lupdate, not compiled.\n";
  // The ids run below 65536, the commands' included.
  for (int id = 0; id < 65536; ++id) {
    const std::string_view text = res::String(id);
    if (text.empty()) continue;
    std::string comment = "String " + std::to_string(id);
    if (text.find('\n') != std::string_view::npos)
      comment += ": the status-bar text, then after the line break the tool tip";
    source += Line("res", text,
                   comment + ". Keep each %s and %d (a value filled in) and the trailing blanks.");
  }
  for (int i = 0; i < ui::kCommandCount; ++i)
    if (const char* text = ui::kCommands[i].MenuText)
      source += Line("CommandTable", text,
                     "Menu item of command " + std::to_string(ui::kCommands[i].Id) +
                         "; & marks the letter that chooses it.");
  for (int id = 0; id < 65536; ++id)
    if (const char* text = ui::WhatsThisText(id))
      source += Line("WhatsThis", text, "What's-this help of command " + std::to_string(id) + ".");
  std::ofstream out(argv[1], std::ios::binary);
  out << source;
  return out.flush() ? 0 : 1;
}
