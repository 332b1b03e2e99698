// prefig-host: the editor stand-in that loads the Prefig module.
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "host/host_window.h"
#include "host/prefig_module.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("prefig-host"));
  QCommandLineParser options;
  options.setApplicationDescription(QStringLiteral("Stands in for the NC editor: loads the Prefig module and opens its dialogs."));
  options.addHelpOption();
  QCommandLineOption config(QStringLiteral("config"), QStringLiteral("Run on the configuration root DIR."), QStringLiteral("DIR"));
  QCommandLineOption page(QStringLiteral("page"), QStringLiteral("Open the settings at page N at once."), QStringLiteral("N"));
  QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                 QStringLiteral("Save a PNG of every settings page into DIR and quit (works offscreen)."),
                                 QStringLiteral("DIR"));
  options.addOptions({config, page, screenshots});
  options.process(application);

  prefig::host::PrefigModule module;
  std::string error;
  if (!module.Load(&error)) {
    std::fprintf(stderr, "prefig-host: cannot load the Prefig module: %s\n", error.c_str());
    return 1;
  }
  prefig::host::HostWindow window(module);
  if (options.isSet(screenshots)) {
    QString directory = options.value(screenshots);
    int written = window.SaveScreenshots(directory);
    std::printf("%d pictures written to %s\n", written, qPrintable(directory));
    return written > 0 ? 0 : 1;
  }
  window.show();
  return QApplication::exec();
}
