#pragma once
#include <string>
#include <string_view>

#include "context/path_table.h"

namespace prefig {

// Where the configuration directories are. ConfigPaths.cfg beside the
// program maps directory keys (ROOTDIR, CFG, TYPES, ...) to path texts with
// placeholders: %EXEDIR% (the program's directory), %VENDORDIR%,
// %PRODUCTDIR%, any key of the file, and environment variables. The
// handler reads the file and resolves the placeholders; GetPath answers
// with the directory of a key. Paths use "/" and accept "\" on input.
class GConfigPathHandler {
 public:
  static constexpr size_t kValueMax = 1024;      // a growing value keeps its last 1024 characters
  static constexpr size_t kExpandedMax = 16384;  // longest value after the environment expansion
  static constexpr int kResolvePasses = 100;
  static constexpr size_t kOverrideMax = 1024;  // longest override name read from the environment
  static constexpr const char* kVendorOverride = "VELMO_OVERRIDE_VENDORDIR";
  static constexpr const char* kProductOverride = "VELMO_OVERRIDE_PRODUCTDIR";
  static constexpr std::string_view kDefaultVendor = "VELMO A/S";
  static constexpr std::string_view kProductSuffix = "8";

  // For the running program (/proc/self/exe), or for the program file
  // given: the program whose directory holds ConfigPaths.cfg and whose name
  // gives %PRODUCTDIR%. Construction reads the file (Reload).
  GConfigPathHandler();
  explicit GConfigPathHandler(std::string program_file);
  virtual ~GConfigPathHandler();
  GConfigPathHandler(const GConfigPathHandler&) = delete;
  GConfigPathHandler& operator=(const GConfigPathHandler&) = delete;

  // Another program file (empty: the running program); reloads.
  void SetProgramFile(std::string program_file);

  // Computes the three built-in directories again, starts the table with
  // ROOTDIR = %EXEDIR%, reads ConfigPaths.cfg and resolves the table.
  void Reload();

  // The directory of a key: the table's value, else ROOTDIR's (else the
  // program directory's) subdirectory named by the key in upper case;
  // normalised (NormalisePath); created with its parents when asked and not
  // empty; followed by "/" and the file when one is given.
  std::string GetPath(std::string_view key, std::string_view file = {}, bool create = false) const;

  // Reads ConfigPaths.cfg of a directory (empty: the program directory)
  // into the table, raw. A missing file leaves the table unchanged; returns
  // whether a file was read.
  bool ReadPathsFile(PathTable& table, std::string_view dir = {}) const;
  // Writes the table in the file's written form (atomically). Returns 0,
  // the errno value of a file that cannot be written, or EINVAL for a table
  // that cannot be written so that it reads back the same.
  static int WritePathsFile(const PathTable& table, const std::string& file);

  // "\" becomes "/"; trailing blanks, control characters, separators and
  // double quotes go, and leading blanks, control characters and double
  // quotes; a run of separators becomes one, except the two that open a
  // network path. The root "/" stays.
  static std::string NormalisePath(std::string_view path);

  const std::string& ProgramFile() const { return program_file_; }
  const std::string& ProgramDirectory() const { return program_dir_; }
  const std::string& VendorDirectory() const { return vendor_dir_; }
  const std::string& ProductDirectory() const { return product_dir_; }
  std::string PathsFile() const;                     // ConfigPaths.cfg in the program directory
  const PathTable& Table() const { return table_; }  // resolved

 private:
  void Resolve();

  std::string requested_program_;  // empty: the running program
  std::string program_file_;
  std::string program_dir_;
  std::string vendor_dir_;
  std::string product_dir_;
  PathTable table_;
};

// The module's handler, created on first use.
GConfigPathHandler& ConfigPaths();

}  // namespace prefig
