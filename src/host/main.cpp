// prefig-host: the editor stand-in that loads the Prefig module.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "context/config_path_handler.h"
#include "host/dark_palette.h"
#include "host/host_window.h"
#include "host/prefig_module.h"
#include "module/module_state.h"
#include "record/dnc_config.h"
#include "record/prefiguration.h"

namespace {

void Fail(const std::string& message) { std::fprintf(stderr, "prefig-host: %s\n", message.c_str()); }

// Screenshots need no screen: on a machine without a display (a build
// server, a fresh install over ssh) they are taken on Qt's offscreen
// platform instead of failing to start. A platform the user chose stays.
void TakeScreenshotsOffscreenWithoutDisplay(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") || std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY")) return;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--screenshots" || arg.starts_with("--screenshots=")) {
      setenv("QT_QPA_PLATFORM", "offscreen", 1);
      return;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  TakeScreenshotsOffscreenWithoutDisplay(argc, argv);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("prefig-host"));
  QCommandLineParser options;
  options.setApplicationDescription(
      QStringLiteral("Stands in for the NC editor: loads the Prefig module and opens its dialogs."));
  options.addHelpOption();
  QCommandLineOption config(QStringLiteral("config"),
                            QStringLiteral("Run on the configuration in DIR (made on first use)."),
                            QStringLiteral("DIR"));
  QCommandLineOption page(QStringLiteral("page"), QStringLiteral("Open the settings at page N at once."),
                          QStringLiteral("N"));
  QCommandLineOption screenshots(
      QStringLiteral("screenshots"),
      QStringLiteral("Save a PNG of every settings page into DIR and quit (works offscreen)."), QStringLiteral("DIR"));
  QCommandLineOption quiver(QStringLiteral("quiver"),
                            QStringLiteral("Act as if the NC program database could store machine types."));
  QCommandLineOption no_dnc(QStringLiteral("no-dnc"),
                            QStringLiteral("Act as an editor without a DNC client: no DNC configuration object."));
  QCommandLineOption dark(QStringLiteral("dark"),
                          QStringLiteral("Run in a dark palette, as a desktop in dark mode shows it; screenshots are "
                                         "then named *-dark.png."));
  options.addOptions({config, page, screenshots, quiver, no_dnc, dark});
  options.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("An NC program to open (as the desktop does)."),
                                QStringLiteral("[FILE]"));
  options.process(application);
  if (options.isSet(dark)) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(prefig::host::DarkPalette());
  }

  // A configuration folder of its own: the paths resolve as if the editor
  // lived there, so every configuration directory is a subfolder of it.
  if (options.isSet(config)) {
    QString root = QDir(options.value(config)).absolutePath();
    if (!QDir().mkpath(root)) {
      Fail("cannot create " + root.toStdString());
      return 1;
    }
    prefig::ConfigPaths().SetProgramFile(root.toStdString() + "/prefig-host");
  }

  prefig::GPrefiguration record;
  int result = record.InitDnc(prefig::kMainIniName, true);
  if (result != prefig::GConfiguration::kInitDone) {
    Fail("the configuration could not be initialised (code " + std::to_string(result) + "; are the message files in " +
         record.ProgramDirectory() + "/msg?)");
    return 1;
  }
  prefig::GDncConfig dnc_config;
  record.InitDncConfig(dnc_config);
  if (options.isSet(quiver)) {
    record.Host().quiver_connected = true;
    record.Host().quiver_stores_types = true;
  }

  prefig::host::PrefigModule module;
  std::string error;
  if (!module.Load(&error)) {
    Fail("cannot load the Prefig module: " + error);
    return 1;
  }
  if (module.DllInit(prefig::Module().message_table) != 0) {
    Fail("the Prefig module refused its message table");
    return 1;
  }

  prefig::host::HostWindow window(module, record, options.isSet(no_dnc) ? nullptr : &dnc_config);
  if (options.isSet(screenshots)) {
    QString directory = options.value(screenshots);
    int written = window.SaveScreenshots(directory, options.isSet(dark) ? QStringLiteral("-dark") : QString());
    std::printf("%d pictures written to %s\n", written, qPrintable(QDir(directory).absolutePath()));
    return written > 0 ? 0 : 1;
  }
  window.show();
  if (!options.positionalArguments().isEmpty()) window.OpenProgramFile(options.positionalArguments().first());
  if (options.isSet(page)) {
    int start_page = options.value(page).toInt();
    QTimer::singleShot(0, &window, [&window, start_page] { window.OpenSettings(start_page); });
  }
  return QApplication::exec();
}
