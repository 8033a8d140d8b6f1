#include "app/command_line.hpp"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <ostream>

#include "core/version.hpp"

namespace tess {
namespace {

// QApplication takes these from the command line itself.
constexpr const char* kQtOptionsWithValue[] = {"platform", "platformtheme", "platformpluginpath",
                                               "plugin", "display", "style", "stylesheet",
                                               "qwindowgeometry", "qwindowtitle", "qwindowicon"};

void addHidden(QCommandLineParser& parser, const QString& name, const QString& valueName = {}) {
  QCommandLineOption option(name, {}, valueName);
  option.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(option);
}

}  // namespace

EditorCommandLine readEditorCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err) {
  // A core application only: the help must not need a display.
  QCoreApplication core(argc, argv);
  QCoreApplication::setApplicationName("tessarine");
  QCoreApplication::setApplicationVersion(kVersion);

  QCommandLineParser parser;
  parser.setApplicationDescription("Tessarine: textures, scenes, a timeline and sounds for small "
                                   "real-time demos.");
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
  const QCommandLineOption version({"v", "version"}, "Show the version and exit.");
  parser.addOption(help);
  parser.addOption(version);
  for (const char* name : kQtOptionsWithValue) addHidden(parser, name, "value");
  addHidden(parser, "reverse");
  parser.addPositionalArgument("PACK.tsc", "The complex pack to open.", "[PACK.tsc]");

  EditorCommandLine result;
  const bool parsed = parser.parse(QCoreApplication::arguments());
  if (parsed && parser.isSet(help)) {
    out << parser.helpText().toStdString();
    result.exitStatus = 0;
  } else if (parsed && parser.isSet(version)) {
    out << "tessarine " << kVersion << "\n";
    result.exitStatus = 0;
  } else if (!parsed || parser.positionalArguments().size() > 1) {
    const QString message = parsed ? "Only one pack can be opened." : parser.errorText();
    err << "tessarine: " << message.toStdString() << "\n" << parser.helpText().toStdString();
    result.exitStatus = 2;
  } else if (!parser.positionalArguments().isEmpty() && !parser.positionalArguments()[0].isEmpty()) {
    result.pack = parser.positionalArguments()[0].toStdString();
  }
  return result;
}

}  // namespace tess
