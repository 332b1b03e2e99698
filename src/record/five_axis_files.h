#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "record/five_axis_record.h"
#include "record/program_folders.h"

namespace prefig {

// The user's machines, in the directory that the configuration paths give
// for "TYPES"; rewritten whole when the 5-axis dialog closes with OK.
inline constexpr std::string_view kUserFiveAxisFileName = "User5Axis.cfg";
// The template machines in the program directory's Templates folder. Their
// lengths are millimetres.
inline constexpr std::string_view kTemplateFiveAxisFileName = "5Axis.cfg";
// Longer lines are not records and are skipped whole.
inline constexpr size_t kFiveAxisLineMax = 4095;

std::string UserFiveAxisFile(std::string_view types_dir);
std::string TemplateFiveAxisFile(std::string_view program_dir);

// The records of a file's text in file order; lines that are no record are
// skipped. Lines end with LF or CR LF.
std::vector<FiveAxisRecord> ParseFiveAxisLines(std::string_view text);
std::string FormatFiveAxisLines(std::span<const FiveAxisRecord> records);

// A missing or unreadable file has no records.
std::vector<FiveAxisRecord> ReadFiveAxisFile(const std::string& path);
// Replaces the file atomically; 0 or an errno value.
int WriteFiveAxisFile(const std::string& path, std::span<const FiveAxisRecord> records);

}  // namespace prefig
