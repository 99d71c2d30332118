#include "cli/skin_check_command.h"

#include <algorithm>

#include "cli/cli_codec.h"
#include "cli/cli_error.h"
#include "cli/json_text.h"
#include "cli/skin_input.h"
#include "cli/terminal_text.h"
#include "core/skin/package.h"

namespace zv {

std::vector<SkinFinding> CheckSkinSource(Files& files, const std::string& source) {
  if (const auto definition = SkinDefinitionPath(files, source))
    return CheckSkinFolder(ReadSkinFolder(files, *definition));
  std::vector<SkinFinding> findings = CheckSkin(PackageUnderCheck(ReadSkinPackage(files, source), ShownSource(source)));
  std::stable_partition(findings.begin(), findings.end(),
                        [](const SkinFinding& f) { return f.level == FindingLevel::kError; });
  return findings;
}

std::string FindingsText(const std::vector<SkinFinding>& findings, bool json) {
  std::string out;
  if (!json) {
    for (const SkinFinding& f : findings) out += ToTerminal(FindingText(f)) + "\n";
    return out;
  }
  out = "[";
  for (const SkinFinding& f : findings) {
    out += out.size() > 1 ? ",\n " : "";
    out += "{\"level\": " + JsonString(f.level == FindingLevel::kError ? "error" : "warning");
    out += ", \"file\": " + JsonString(ToTerminal(f.file)) + ", \"section\": " + JsonString(ToTerminal(f.section));
    out += ", \"key\": " + JsonString(ToTerminal(f.key)) + ", \"line\": " + std::to_string(f.line);
    out += ", \"message\": " + JsonString(ToTerminal(f.message)) + "}";
  }
  return out + "]\n";
}

int RunSkinCheck(Files& files, const std::vector<std::string>& args, std::string& out) {
  std::string source;
  bool json = false;
  for (const std::string& arg : args) {
    if (arg == "--json") {
      json = true;
    } else if (arg.starts_with("--") && arg != "--embedded") {
      throw CliError::UnknownOption(arg);
    } else if (!source.empty()) {
      throw CliError("more than one skin given: " + arg);
    } else {
      source = arg;
    }
  }
  if (source.empty()) throw CliError("expected a skin folder, skin.ini, skin file or --embedded");
  const std::vector<SkinFinding> findings = CheckSkinSource(files, source);
  out = FindingsText(findings, json);
  if (!json && findings.empty()) out = "no findings\n";
  return HasErrors(findings) ? 1 : 0;
}

}  // namespace zv
