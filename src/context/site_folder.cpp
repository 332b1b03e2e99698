#include "context/site_folder.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <thread>

#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "ini/ini_overlay.h"
#include "ini/ini_text.h"
#include "platform/file_io.h"
#include "platform/module_log.h"

namespace prefig {
namespace {

namespace fs = std::filesystem;

constexpr size_t kSiteFileMax = size_t{4} << 20;

// What the reading thread hands over; shared, because a thread that a
// hanging share holds up outlives the wait for it.
struct SiteJob {
  std::mutex mutex;
  std::condition_variable done_signal;
  bool done = false;
  SiteRead result;
};

bool IsSiteFileName(const std::string& name, std::string_view main_file_name) {
  if (ini::SameName(name, main_file_name)) return true;
  size_t dot = name.find_last_of('.');
  return dot != std::string::npos && dot > 0 && ini::SameName(name.substr(dot), kTypeFileExtensionForSite);
}

SiteRead ReadNow(const std::string& folder, const std::string& main_file_name) {
  SiteRead read;
  std::error_code error;
  fs::directory_iterator it(folder, error);
  if (error) {
    bool missing = error == std::errc::no_such_file_or_directory;
    read.problems.push_back("Site folder '" + folder + "' " +
                            (missing ? std::string("not found") : "cannot be read (" + error.message() + ")") +
                            "; starting without it");
    return read;
  }
  std::vector<std::string> names;
  for (fs::directory_iterator end; it != end; it.increment(error)) {
    std::error_code kind_error;
    if (it->is_directory(kind_error)) continue;
    std::string name = it->path().filename().string();
    if (IsSiteFileName(name, main_file_name)) names.push_back(std::move(name));
  }
  if (error) {
    read.problems.push_back("Site folder '" + folder + "' cannot be read (" + error.message() +
                            "); starting without it");
    return read;
  }
  std::sort(names.begin(), names.end());
  auto site = std::make_shared<GIniSite>(folder);
  for (std::string& name : names) {
    std::string path = folder + "/" + name;
    std::string text;
    const char* why = nullptr;
    if (platform::ReadWholeFile(path, text) != platform::ReadStatus::kOk) {
      why = "it cannot be read";
    } else if (text.size() > kSiteFileMax) {
      why = "it is larger than 4 MiB";
    } else {
      why = GIniOverlay::WhyUnusable(text);
    }
    if (why != nullptr) {
      read.problems.push_back("Site file '" + path + "' skipped: " + why);
      continue;
    }
    site->Add(std::move(name), text);
  }
  read.site = std::move(site);
  return read;
}

}  // namespace

std::string SiteFolderOf(const GConfigPathHandler& paths) {
  const std::string* value = paths.Table().Find(kSiteKey);
  return value == nullptr ? std::string() : GConfigPathHandler::NormalisePath(*value);
}

SiteRead ReadSiteFolder(const std::string& folder, std::string_view main_file_name,
                        std::chrono::milliseconds deadline) {
  auto job = std::make_shared<SiteJob>();
  std::thread([job, folder, main = std::string(main_file_name)] {
    SiteRead read = ReadNow(folder, main);
    std::lock_guard lock(job->mutex);
    job->result = std::move(read);
    job->done = true;
    job->done_signal.notify_all();
  }).detach();
  SiteRead read;
  {
    std::unique_lock lock(job->mutex);
    if (job->done_signal.wait_for(lock, deadline, [&job] { return job->done; })) {
      read = std::move(job->result);
    } else {
      read.problems.push_back("Site folder '" + folder + "' did not answer within " + std::to_string(deadline.count()) +
                              " ms; starting without it");
    }
  }
  for (const std::string& problem : read.problems) LogLine("SITE  : %s", problem.c_str());
  return read;
}

}  // namespace prefig
