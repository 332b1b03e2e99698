// prefig channel ...: evaluates NC lines with a channel parser built from the
// given settings, as the multi-channel view and its test field do.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <string_view>

#include "cli/cli_common.h"
#include "platform/file_io.h"
#include "record/channel_parser.h"
#include "record/channel_test_field.h"

namespace prefig::cli {
namespace {

struct ChannelArgs {
  int mode = 0;
  bool by_channel_numbers = false;
  std::string start, end, sync, sync_number, comment, block_skip, file;
  std::vector<std::string> lines;
};

GChannelParser MakeParser(const ChannelArgs& args) {
  if (args.comment.size() > 2) throw Failure("--comment takes a start and an optional end character");
  ChannelSettings settings;
  settings.mode = args.mode;
  settings.by_channel_numbers = args.by_channel_numbers;
  settings.start = ParseStoredPattern(args.start);
  settings.end = ParseStoredPattern(args.end);
  settings.sync = ParseStoredPattern(args.sync);
  settings.sync_number = ParseStoredPattern(args.sync_number);
  if (!args.comment.empty()) settings.comment_start = args.comment[0];
  if (args.comment.size() > 1) settings.comment_end = args.comment[1];
  settings.block_skip = args.block_skip;

  GChannelParser parser(settings);
  static const struct {
    GChannelParser::Part part;
    const char* name;
  } kParts[] = {{GChannelParser::Part::kStart, "start"},
                {GChannelParser::Part::kEnd, "end"},
                {GChannelParser::Part::kSync, "sync"},
                {GChannelParser::Part::kSyncNumber, "sync-number"}};
  for (const auto& part : kParts) {
    const std::string& error = parser.Error(part.part);
    if (!error.empty()) throw Failure(std::string(part.name) + " pattern: " + error);
  }
  return parser;
}

struct LineResult {
  bool start = false, end = false;
  ChannelEvaluation evaluation;
};

LineResult EvaluateLine(const GChannelParser& parser, std::string_view line) {
  return {parser.IsStart(line), parser.IsEnd(line), parser.Evaluate(line)};
}

void PrintResult(const GChannelParser& parser, const LineResult& r) {
  std::string channels = parser.ByChannelNumbers() ? ChannelListText(r.evaluation.result) : "";
  std::printf("start=%s end=%s sync=%u number=%d channels=%s\n", r.start ? "yes" : "no", r.end ? "yes" : "no",
              r.evaluation.result, r.evaluation.number, channels.c_str());
}

// Only the lines that start or end a channel or synchronise, after their
// line number. Lines end in LF, CR LF or CR.
void EvaluateFile(const GChannelParser& parser, const std::string& path) {
  std::string text;
  if (platform::ReadWholeFile(path, text) != platform::ReadStatus::kOk) throw Failure("cannot read " + path);
  std::string_view rest = text;
  for (int number = 1; !rest.empty(); ++number) {
    size_t stop = rest.find_first_of("\r\n");
    std::string_view line = rest.substr(0, stop);
    if (stop == std::string_view::npos) {
      rest = {};
    } else {
      rest.remove_prefix(stop + (rest.substr(stop, 2) == "\r\n" ? 2 : 1));
    }
    LineResult result = EvaluateLine(parser, line);
    if (!result.start && !result.end && result.evaluation.result == 0) continue;
    std::printf("line=%d ", number);
    PrintResult(parser, result);
  }
}

void AddChannelCommands(CLI::App& app, int& /*exit_code*/) {
  auto args = std::make_shared<ChannelArgs>();
  ChannelArgs& a = *args;
  CLI::App* cmd = app.add_subcommand("channel", "Evaluate NC lines with a multi-channel parser");
  cmd->add_option("--mode", a.mode, "Synchronisation method 1 to 12, or 0 for the patterns given")
      ->capture_default_str();
  cmd->add_flag("--by-channel-numbers", a.by_channel_numbers, "User-defined mode: synchronise by channel numbers");
  cmd->add_option("--start", a.start, "Channel start pattern as stored (\"1:TEXT\" plain, \"2:REGEX\")");
  cmd->add_option("--end", a.end, "Channel end pattern as stored");
  cmd->add_option("--sync", a.sync, "Synchronisation pattern as stored");
  cmd->add_option("--sync-number", a.sync_number, "Synchronisation number pattern as stored");
  cmd->add_option("--comment", a.comment, "Comment start and end characters, e.g. \"()\" or \";\"");
  cmd->add_option("--block-skip", a.block_skip, "Block-skip characters");
  CLI::Option* file =
      cmd->add_option("--file", a.file, "An NC program: print the lines that start, end or synchronise");
  CLI::Option* lines = cmd->add_option("LINE", a.lines, "NC lines to evaluate");
  file->excludes(lines);
  cmd->callback([args] {
    GChannelParser parser = MakeParser(*args);
    if (!args->file.empty()) {
      EvaluateFile(parser, args->file);
      return;
    }
    if (args->lines.empty()) throw Failure("give NC lines or --file");
    for (const std::string& line : args->lines) PrintResult(parser, EvaluateLine(parser, line));
  });
}

}  // namespace

static const CommandGroup kChannelCommands{"channel", &AddChannelCommands};

}  // namespace prefig::cli
