// prefig manual: the manual page (roff), made from the commands' own help,
// so that the installed page lists every command as the program has it.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "cli/cli_common.h"
#include "module/version.h"
#include "platform/file_io.h"

namespace prefig::cli {
namespace {

// Text as roff shows it literally: backslashes escaped, no line taken for
// a request, minus signs as minus signs.
std::string RoffLiteral(const std::string& text) {
  std::string out;
  bool line_start = true;
  for (char c : text) {
    if (line_start && (c == '.' || c == '\'')) out += "\\&";
    line_start = c == '\n';
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
  }
  return out;
}

std::string ManualCommandPath(const CLI::App& command) {
  const CLI::App* parent = command.get_parent();
  if (parent == nullptr) return "prefig";
  return ManualCommandPath(*parent) + " " + command.get_name();
}

// Every command below `app`, depth first in the order of the help.
void WriteManualCommands(std::string& page, CLI::App& app) {
  for (CLI::App* command : app.get_subcommands([](CLI::App*) { return true; })) {
    if (command->get_name() == "manual") continue;
    std::string path = ManualCommandPath(*command);
    page += ".SS \"" + RoffLiteral(path) + "\"\n";
    // The help's usage line names the command alone; the page names it whole.
    std::string help = command->help();
    std::string usage = "Usage: " + command->get_name();
    if (size_t at = help.find(usage); at != std::string::npos) help.replace(at, usage.size(), "Usage: " + path);
    page += ".nf\n" + RoffLiteral(help) + ".fi\n";
    WriteManualCommands(page, *command);
  }
}

std::string ManualPage(CLI::App& app) {
  std::string page = ".TH PREFIG 1 \"\" \"Prefig " + std::to_string(kModuleVersion) + "\" \"User Commands\"\n";
  std::string summary = app.get_description();
  if (size_t colon = summary.find(": "); colon != std::string::npos) summary.erase(0, colon + 2);  // "Prefig: ..."
  page += ".SH NAME\nprefig \\- " + RoffLiteral(summary) + "\n";
  page += ".SH SYNOPSIS\n.B prefig\n.I COMMAND\n.RI [ ARGUMENTS ...]\n";
  page +=
      ".SH DESCRIPTION\n"
      "Reads and writes the settings files of the CNC editor (INI text edited in place), shows the\n"
      "configuration directories, machine types and NC filters, drives the settings pages without a\n"
      "display, and compiles message files. Every command has\n.BR \\-\\-help .\n";
  page += ".SH COMMANDS\n";
  WriteManualCommands(page, app);
  page +=
      ".SH EXIT STATUS\n"
      "0 on success; 1 when the answer is no (not found, not allowed, findings of\n.BR check );\n"
      "2 on wrong usage or a file that cannot be read or written, with a message on standard error.\n";
  page +=
      ".SH ENVIRONMENT\n.TP\n.B PREFIG_LOG\nThe file of the module log; without it there is no log.\n"
      ".TP\n.B VELMO_OVERRIDE_VENDORDIR\\fR, \\fBVELMO_OVERRIDE_PRODUCTDIR\n"
      "Replace %VENDORDIR% and %PRODUCTDIR% in ConfigPaths.cfg.\n";
  page +=
      ".SH FILES\n.TP\n.I ConfigPaths.cfg\n"
      "Beside the programs in the program directory: where the configuration directories are.\n"
      ".SH SEE ALSO\n.BR prefig-host (1)\n";
  return page;
}

void AddManualCommands(CLI::App& app, int& /*exit_code*/) {
  CLI::App* root = &app;
  auto file = std::make_shared<std::string>();
  CLI::App* manual = app.add_subcommand("manual", "Print the manual page (roff) made from every command's help");
  manual->add_option("FILE", *file, "Write it into FILE instead");
  manual->callback([root, file] {
    std::string page = ManualPage(*root);
    if (file->empty()) {
      std::fputs(page.c_str(), stdout);
    } else if (int error = platform::ReplaceFile(*file, page)) {
      throw Failure("cannot write " + *file + ": " + std::strerror(error));
    }
  });
}

}  // namespace

static const CommandGroup kManualCommands{"manual", &AddManualCommands};

}  // namespace prefig::cli
