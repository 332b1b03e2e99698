#include "record/type_archive.h"

#include <zip.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/file_io.h"

namespace prefig {
namespace {

struct ZipCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipArchive = std::unique_ptr<zip_t, ZipCloser>;

struct ZipFileCloser {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};

std::string ZipErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  std::string text = zip_error_strerror(&error);
  zip_error_fini(&error);
  return text;
}

}  // namespace

const char* WhyUnsafeMemberName(std::string_view name) {
  if (name.empty()) return "an empty name";
  if (name.front() == '/') return "an absolute path";
  if (name.size() >= 2 && name[1] == ':') return "a drive letter";
  for (char c : name) {
    if (c == '\\') return "a backslash";
    if (static_cast<unsigned char>(c) < 32 || c == 127) return "a control character";
  }
  for (size_t start = 0; start <= name.size();) {
    size_t end = name.find('/', start);
    if (end == std::string_view::npos) end = name.size();
    std::string_view part = name.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") return "an empty, \".\" or \"..\" part";
    start = end + 1;
  }
  return nullptr;
}

std::string WriteTypeArchive(const std::string& path, const std::vector<ArchiveMember>& members) {
  // libzip writes no file for an archive without members.
  if (members.empty()) return "an archive needs a member";
  std::string temporary = path + ".new";
  int code = 0;
  ZipArchive archive(zip_open(temporary.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code));
  if (!archive) return ZipErrorText(code);
  for (const ArchiveMember& member : members) {
    zip_source_t* source = zip_source_buffer(archive.get(), member.data.data(), member.data.size(), 0);
    if (!source || zip_file_add(archive.get(), member.name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
      if (source) zip_source_free(source);
      return zip_strerror(archive.get());
    }
  }
  if (zip_close(archive.get()) != 0) {
    std::string error = zip_strerror(archive.get());
    std::remove(temporary.c_str());
    return error;
  }
  archive.release();
  if (int error = platform::MoveFile(temporary, path)) {
    std::remove(temporary.c_str());
    return std::strerror(error);
  }
  return {};
}

std::optional<std::vector<ArchiveMember>> ReadTypeArchive(const std::string& path, std::string& error) {
  int code = 0;
  ZipArchive archive(zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
  if (!archive) {
    error = ZipErrorText(code);
    return std::nullopt;
  }
  zip_int64_t count = zip_get_num_entries(archive.get(), 0);
  if (count < 0 || static_cast<size_t>(count) > kArchiveMembersMax) {
    error = "more than " + std::to_string(kArchiveMembersMax) + " members";
    return std::nullopt;
  }
  std::vector<ArchiveMember> members;
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
    if (!name) {
      error = zip_strerror(archive.get());
      return std::nullopt;
    }
    if (const char* why = WhyUnsafeMemberName(name)) {
      error = "member \"" + std::string(name) + "\": " + why;
      return std::nullopt;
    }
    zip_stat_t stat;
    if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
        stat.size > kArchiveMemberMax) {
      error = "member \"" + std::string(name) + "\" is larger than " + std::to_string(kArchiveMemberMax) + " bytes";
      return std::nullopt;
    }
    members.push_back({name, {}});
  }
  for (zip_int64_t i = 0; i < count; ++i) {
    ArchiveMember& member = members[static_cast<size_t>(i)];
    std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(i), 0));
    if (!file) {
      error = "member \"" + member.name + "\": " + zip_strerror(archive.get());
      return std::nullopt;
    }
    // One byte more than allowed tells a member whose header lies.
    member.data.resize(kArchiveMemberMax + 1);
    size_t got = 0;
    for (;;) {
      zip_int64_t n = zip_fread(file.get(), member.data.data() + got, member.data.size() - got);
      if (n < 0) {
        error = "member \"" + member.name + "\" cannot be read";
        return std::nullopt;
      }
      if (n == 0) break;
      got += static_cast<size_t>(n);
      if (got > kArchiveMemberMax) {
        error = "member \"" + member.name + "\" is larger than " + std::to_string(kArchiveMemberMax) + " bytes";
        return std::nullopt;
      }
    }
    member.data.resize(got);
  }
  return members;
}

}  // namespace prefig
