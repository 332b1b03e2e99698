// prefig msg ...: message files (compile from and dump to their source
// text), the installed languages, and the translation files of the
// localisation library.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/cli_common.h"
#include "context/language_code.h"
#include "context/language_list.h"
#include "context/message_file.h"
#include "context/message_ids.h"
#include "context/message_source.h"
#include "platform/file_io.h"
#include "plugins/localization/translation_file.h"

namespace prefig::cli {
namespace {

struct MsgArgs {
  std::string source, out, file, directory;
};

std::string ReadInput(const std::string& path) {
  std::string bytes;
  if (platform::ReadWholeFile(path, bytes) != platform::ReadStatus::kOk) throw Failure("cannot read " + path);
  return bytes;
}

void WriteOutput(const std::string& path, std::string_view bytes) {
  if (int error = platform::ReplaceFile(path, bytes); error != 0) {
    throw Failure("cannot write " + path + ": " + std::strerror(error));
  }
}

void PrintBytes(std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); }

// A message file that Init and the language list can use: the marker, the
// language's own name and its code.
void CheckRoles(const MessageTexts& texts, const std::string& source) {
  auto text = [&](int id) {
    auto found = texts.find(static_cast<uint32_t>(id));
    return found == texts.end() ? std::string() : found->second;
  };
  if (text(kMarkerMessageId) != kMarkerMessageText) {
    throw Failure(source + ": message " + std::to_string(kMarkerMessageId) + " must be " + kMarkerMessageText);
  }
  if (text(kLanguageNameMessageId).empty()) {
    throw Failure(source + ": message " + std::to_string(kLanguageNameMessageId) + " (the language's name) is missing");
  }
  if (!IsUsableLanguageCode(text(kLanguageCodeMessageId))) {
    throw Failure(source + ": message " + std::to_string(kLanguageCodeMessageId) +
                  " must be a language code such as en-US");
  }
}

void AddMsgCommands(CLI::App& app, int&) {
  auto args = std::make_shared<MsgArgs>();
  MsgArgs& a = *args;
  CLI::App* msg = app.add_subcommand("msg", "Message files, languages and translation files");
  msg->require_subcommand(1);

  CLI::App* compile =
      msg->add_subcommand("compile", "Compile a message source (id TAB text per line) into a message file");
  compile->add_option("SOURCE", a.source, "Message source")->required();
  compile->add_option("OUT", a.out, "Message file to write (msg_<language>.bin)")->required();
  compile->callback([args] {
    std::string error;
    auto texts = ParseMessageSource(ReadInput(args->source), &error);
    if (!texts) throw Failure(args->source + ": " + error);
    CheckRoles(*texts, args->source);
    WriteOutput(args->out, BuildMessageFile(*texts));
  });

  CLI::App* dump = msg->add_subcommand("dump", "Print a message file as its message source");
  dump->add_option("FILE", a.file, "Message file")->required();
  dump->callback([args] {
    MessageCatalog catalog;
    if (!catalog.Parse(ReadInput(args->file))) throw Failure(args->file + " is not a message file");
    PrintBytes(FormatMessageSource(catalog.Texts()));
  });

  CLI::App* languages = msg->add_subcommand("languages", "List the languages of DIR/msg/msg_*.bin (code TAB name)");
  languages->add_option("DIR", a.directory, "Program directory (the one that holds msg/)")->required();
  languages->callback([args] {
    for (const LanguageEntry& language : ListLanguages(args->directory)) {
      std::printf("%s\t%s\n", language.code.c_str(), language.name.c_str());
    }
  });

  CLI::App* pack = msg->add_subcommand("pack", "Check a translation document (XML) and write it as a translation file");
  pack->add_option("SOURCE", a.source, "Translation document")->required();
  pack->add_option("OUT", a.out, "Translation file to write (msg_<language>.xmlz)")->required();
  pack->callback([args] {
    std::string xml = ReadInput(args->source), error;
    localization::Translation translation;
    if (!localization::ParseTranslation(xml, translation, &error)) throw Failure(args->source + ": " + error);
    WriteOutput(args->out, localization::PackTranslation(xml));
  });

  CLI::App* unpack = msg->add_subcommand("unpack", "Print the XML document of a translation file");
  unpack->add_option("FILE", a.file, "Translation file")->required();
  unpack->callback([args] {
    std::string xml, error;
    if (!localization::UnpackTranslation(ReadInput(args->file), xml, &error)) throw Failure(args->file + ": " + error);
    PrintBytes(xml);
  });
}

}  // namespace

static const CommandGroup kMsgCommands{"msg", &AddMsgCommands};

}  // namespace prefig::cli
