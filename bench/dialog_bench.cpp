// Opening the setup dialog as the host opens it (HostWindow::OpenSettings,
// the module's RunSetup export), on Qt's offscreen platform, with a record
// of 256 machine types of realistic size (copies of the shipped templates):
//
// - OpenToFirstPaint/N: from the call with start page N (1 and 4, the
//   host's two menu entries) to the end of the first paint of that page.
//   Target: 150 ms. Peer: a bare QDialog of the same size, opened from the
//   host window and painted the same way.
// - PageSwitch: from choosing the next page in the tree while a machine-type
//   page is shown (it is hidden and saved into the working copy of the type,
//   the next one loads) to the end of the next page's paint. Target: one
//   frame, 16.7 ms.
// - ResidentMemory: VmRSS of this process with the dialog open, against the
//   same process before the dialog was first opened (host window shown,
//   module loaded, the 256 types in the record in both cases). Target:
//   within 2 times. It runs first, so its open is the cold one a user gets
//   on the first click, whose time it reports as well.
//
// The program sets QT_QPA_PLATFORM=offscreen itself and needs no display.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "corpus.h"
#include "host/host_window.h"
#include "host/prefig_module.h"
#include "module/module_state.h"
#include "record/dnc_config.h"
#include "record/prefiguration.h"
#include "target_reporter.h"

namespace prefig::bench {
namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr int kTypes = 256;
constexpr double kOpenTargetMs = 150;
constexpr double kFrameMs = 16.7;
constexpr double kMemoryTarget = 2;
constexpr int kGeneralPage = 1;
constexpr int kMachineTypesPage = 4;
// A machine-type page: showing it loads the current type, hiding it saves.
constexpr int kLoadSavePage = 8;
// Long enough for a loaded machine; only a dialog that never paints hits it.
constexpr auto kGiveUp = std::chrono::seconds(30);

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

QDialog* OpenSetupDialog() {
  auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
  return dialog != nullptr && dialog->objectName() == QLatin1String("setupDialog") ? dialog : nullptr;
}

// The page the setup dialog shows: the current widget of the dialog's page
// area, its one stacked widget.
bool IsShownPage(QObject* object) {
  auto* stack = qobject_cast<QStackedWidget*>(object->parent());
  return stack != nullptr && stack->currentWidget() == object && stack->parent() != nullptr &&
         stack->parent()->objectName() == QLatin1String("setupDialog");
}

// Sees every event of the application; calls back once, inside the first
// paint event of an object that `which` accepts. A widget's paint event
// comes before its children's, so the callback runs at the start of the
// paint pass; whatever it queues runs after the whole pass.
class PaintProbe : public QObject {
 public:
  void Arm(std::function<bool(QObject*)> which, std::function<void()> painted) {
    which_ = std::move(which);
    painted_ = std::move(painted);
  }
  void Disarm() { painted_ = nullptr; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && painted_ && which_(watched)) {
      auto painted = std::move(painted_);
      painted_ = nullptr;
      painted();
    }
    return false;
  }

 private:
  std::function<bool(QObject*)> which_;
  std::function<void()> painted_;
};

// The editor stand-in with its record, as prefig-host starts it with --config.
struct Host {
  GPrefiguration record;
  GDncConfig dnc_config;
  host::PrefigModule module;
  std::unique_ptr<host::HostWindow> window;
  PaintProbe probe;
  long closed_kb = 0;
  QSize dialog_size;
};

Host* g_host = nullptr;

// The offscreen platform says this for every dialog that is shown, which
// would bury the figures; other messages pass on.
QtMessageHandler g_next_handler = nullptr;
void DropSizeHintNotice(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints"))) return;
  g_next_handler(type, context, message);
}

bool StartHost(Host& host) {
  std::string root = MakeBenchDirectory("dialog");
  ConfigPaths().SetProgramFile(root + "/prefig-host");
  WriteMachineTypes(ConfigPaths().GetPath(kTypesKey, {}, true), PREFIG_SOURCE_DIR "/resources/Templates", kTypes);
  if (host.record.InitDnc(kMainIniName, true) != GConfiguration::kInitDone) {
    std::fprintf(stderr, "dialog_bench: the record did not start (are Dll/ and msg/ beside the program?)\n");
    return false;
  }
  if (host.record.MachineTypes().Count() != kTypes) {
    std::fprintf(stderr, "dialog_bench: %d machine types loaded, not %d\n", host.record.MachineTypes().Count(), kTypes);
    return false;
  }
  host.record.InitDncConfig(host.dnc_config);
  std::string error;
  if (!host.module.Load(&error) || host.module.DllInit(Module().message_table) != 0) {
    std::fprintf(stderr, "dialog_bench: cannot load the module: %s\n", error.c_str());
    return false;
  }
  host.window = std::make_unique<host::HostWindow>(host.module, host.record, &host.dnc_config);
  host.window->show();
  Settle();
  qApp->installEventFilter(&host.probe);
  host.closed_kb = ResidentKb();
  return true;
}

// Opens the settings as the host's menu does; once the start page has been
// painted, runs `inside` and cancels the dialog. The time from the call to
// the end of that paint; zero when the page was never painted.
Clock::duration OpenSettings(int start_page, const std::function<void(QDialog&)>& inside) {
  Host& host = *g_host;
  Clock::time_point painted{};
  QTimer watchdog;  // also the context of the queued call: gone when this returns
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] {
    if (QDialog* dialog = OpenSetupDialog()) dialog->reject();
  });
  host.probe.Arm(IsShownPage, [&] {
    QTimer::singleShot(0, &watchdog, [&] {
      painted = Clock::now();
      watchdog.stop();
      if (QDialog* dialog = OpenSetupDialog()) {
        host.dialog_size = dialog->size();
        if (inside) inside(*dialog);
        dialog->reject();
      }
    });
  });
  watchdog.start(kGiveUp);
  Clock::time_point start = Clock::now();
  host.window->OpenSettings(start_page);
  host.probe.Disarm();
  return painted == Clock::time_point{} ? Clock::duration::zero() : painted - start;
}

// Processes events until `done` or the time runs out; false when it ran out.
bool RunUntil(const bool& done) {
  Clock::time_point deadline = Clock::now() + kGiveUp;
  while (!done && Clock::now() < deadline) QApplication::processEvents();
  return done;
}

void ResidentMemory(benchmark::State& state) {
  long open_kb = 0, every_page_kb = 0, closed_again_kb = 0;
  Clock::duration first_open{};
  for (auto _ : state) {
    first_open = OpenSettings(kGeneralPage, [&](QDialog& dialog) {
      open_kb = ResidentKb();
      // Every page shown once, as a user going through the settings does.
      auto* tree = dialog.findChild<QTreeWidget*>(QStringLiteral("pageTree"));
      for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
        tree->setCurrentItem(*it);
        Settle();
      }
      every_page_kb = ResidentKb();
    });
    Settle();
    closed_again_kb = ResidentKb();
  }
  if (first_open == Clock::duration::zero()) {
    state.SkipWithError("the start page was not painted");
    return;
  }
  const double closed_mb = g_host->closed_kb / 1024.0;
  state.counters["closed_MB"] = closed_mb;
  state.counters["open_MB"] = open_kb / 1024.0;
  state.counters["all_pages_MB"] = every_page_kb / 1024.0;
  state.counters["closed_after_MB"] = closed_again_kb / 1024.0;
  state.counters["open/closed"] = std::max(open_kb, every_page_kb) / static_cast<double>(g_host->closed_kb);
  state.counters["first_open_ms"] = Milliseconds(first_open).count();
}

void OpenToFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    Clock::duration took = OpenSettings(static_cast<int>(state.range(0)), nullptr);
    if (took == Clock::duration::zero()) {
      state.SkipWithError("the start page was not painted");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(took).count());
  }
}

void PeerBareDialog(benchmark::State& state) {
  for (auto _ : state) {
    QDialog dialog(g_host->window.get());
    dialog.resize(g_host->dialog_size.isValid() ? g_host->dialog_size : QSize(800, 600));
    Clock::time_point painted{};
    g_host->probe.Arm([&dialog](QObject* object) { return object == &dialog; },
                      [&] {
                        QTimer::singleShot(0, &dialog, [&] {
                          painted = Clock::now();
                          dialog.reject();
                        });
                      });
    Clock::time_point start = Clock::now();
    dialog.exec();
    g_host->probe.Disarm();
    if (painted == Clock::time_point{}) {
      state.SkipWithError("the dialog was not painted");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(painted - start).count());
  }
}

void PageSwitch(benchmark::State& state) {
  bool ran = false;
  OpenSettings(kLoadSavePage, [&](QDialog& dialog) {
    auto* tree = dialog.findChild<QTreeWidget*>(QStringLiteral("pageTree"));
    QTreeWidgetItem* pages[2] = {tree->currentItem(), nullptr};
    if (pages[0] != nullptr) pages[1] = tree->itemBelow(pages[0]);
    if (pages[1] == nullptr) return;
    state.SetLabel((pages[0]->text(0) + QStringLiteral(" <-> ") + pages[1]->text(0)).toStdString());
    ran = true;
    int next = 1;
    for (auto _ : state) {
      bool painted = false;
      g_host->probe.Arm(IsShownPage, [&painted] { painted = true; });
      Clock::time_point start = Clock::now();
      tree->setCurrentItem(pages[next]);
      if (!RunUntil(painted)) {
        state.SkipWithError("the page was not painted");
        break;
      }
      state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
      next = 1 - next;
    }
  });
  if (!ran) state.SkipWithError("no machine-type page with a page after it");
}

}  // namespace

BENCHMARK(ResidentMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenToFirstPaint)->Arg(kGeneralPage)->Arg(kMachineTypesPage)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PeerBareDialog)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PageSwitch)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace prefig::bench

int main(int argc, char** argv) {
  using namespace prefig::bench;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  g_next_handler = qInstallMessageHandler(DropSizeHintNotice);
  benchmark::Initialize(&argc, argv);
  QApplication application(argc, argv);
  Host host;
  if (!StartHost(host)) return 1;
  g_host = &host;
  TargetReporter reporter(
      {{"opening to the first paint, against a bare QDialog of the same size",
        "PeerBareDialog/manual_time",
        {"OpenToFirstPaint/1/manual_time", "OpenToFirstPaint/4/manual_time"}}},
      {
          {"open, start page 1, to its first paint", "OpenToFirstPaint/1/manual_time", "", kOpenTargetMs, "ms"},
          {"open, start page 4 (256 types), to its first paint", "OpenToFirstPaint/4/manual_time", "", kOpenTargetMs,
           "ms"},
          {"first open in the process (cold), page 1", "ResidentMemory/iterations:1", "first_open_ms", kOpenTargetMs,
           "ms"},
          {"page switch: hide, save, load, paint", "PageSwitch/manual_time", "", kFrameMs, "ms"},
          {"resident memory, dialog open / closed", "ResidentMemory/iterations:1", "open/closed", kMemoryTarget, "x"},
      });
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintTargets();
  benchmark::Shutdown();
  g_host = nullptr;
  return 0;
}
