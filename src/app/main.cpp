// SPDX-License-Identifier: GPL-3.0-or-later
// Ardeno: drawings of the solar photosphere. `ardeno [DIR]` works on the data in DIR, or in the
// current directory.
#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <iostream>
#include <optional>

#include "core/data/data_folder.h"
#include "core/data/database.h"
#include "ui/shell/app_context.h"
#include "ui/shell/help_window.h"
#include "ui/shell/hint_timing.h"
#include "ui/shell/interface_language.h"
#include "ui/shell/main_window.h"
#include "ui/shell/message_window.h"
#include "ui/shell/qt_platform_dialogs.h"
#include "ui/shell/view_settings.h"
#include "views/bulletin_writer.h"

namespace {

// Printed by --help in the language chosen; the Czech and English manual pages are made from it
// at build time (--lang cs --help, --lang en --help).
constexpr const char* kUsage = QT_TRANSLATE_NOOP(
    "ArdenoUsage",
    "Použití: ardeno [SLOŽKA]\n"
    "  SLOŽKA  složka stanice s datovým souborem datax.dat; bez ní pracuje v aktuální složce\n"
    "  --lang cs|en  jazyk oken (jinak volba v nabídce Zadávání nebo jazyk systému)\n"
    "  --help-path  vypíše složku se stránkami nápovědy (F1) a skončí\n"
    "  --help  vypíše tento návod a skončí\n");
constexpr const char* kBadLanguage = QT_TRANSLATE_NOOP("ArdenoUsage", "Za --lang patří cs nebo en");

bool IsOption(const char* argument, std::initializer_list<const char*> names) {
  return std::any_of(names.begin(), names.end(),
                     [argument](const char* name) { return std::strcmp(argument, name) == 0; });
}

// The options a terminal or a script asks for (after "--lang CODE" when given): answered without
// a window or a display, in the language chosen. Nothing when the first argument is no option.
std::optional<int> AnswerOption(int argc, char* argv[]) {
  const int first = argc > 2 && IsOption(argv[1], {"--lang"}) ? 3 : 1;
  if (argc <= first || !IsOption(argv[first], {"--help", "-h", "--help-path"})) return std::nullopt;
  QCoreApplication core(argc, argv);  // the program's own folder, the kept language
  QStringList arguments = QCoreApplication::arguments();
  bool badLanguage = false;
  const auto asked = ardeno::TakeLanguageOption(arguments, badLanguage);
  ardeno::InstallInterfaceLanguage(
      core, ardeno::ChooseLanguage(asked, ardeno::KeptLanguageCode(), QLocale::system().name()));
  if (badLanguage) {
    std::cerr << QCoreApplication::translate("ArdenoUsage", kBadLanguage).toStdString() << "\n";
    return 1;
  }
  if (IsOption(argv[first], {"--help", "-h"})) {
    std::cout << QCoreApplication::translate("ArdenoUsage", kUsage).toStdString();
    return 0;
  }
  if (const auto folder = ardeno::ProgramHelpFolder()) {
    std::cout << QString::fromStdU16String(folder->u16string()).toStdString() << "\n";
    return 0;
  }
  std::cerr << ardeno::MissingHelpPagesText().toStdString() << "\n";
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const auto answered = AnswerOption(argc, argv)) return *answered;
  QApplication app(argc, argv);
  QStringList arguments = QCoreApplication::arguments();
  bool badLanguage = false;
  const auto askedLanguage = ardeno::TakeLanguageOption(arguments, badLanguage);
  ardeno::InstallInterfaceLanguage(
      app,
      ardeno::ChooseLanguage(askedLanguage, ardeno::KeptLanguageCode(), QLocale::system().name()));
  if (badLanguage) {
    std::cerr << QCoreApplication::translate("ArdenoUsage", kBadLanguage).toStdString() << "\n";
    return 1;
  }
  // Only the name: a display name would be appended to every window caption.
  QApplication::setApplicationName("Ardeno");
  QApplication::setStyle(new ardeno::HintTimingStyle);

  ardeno::WindowMessages messages;
  std::filesystem::path progDir = std::filesystem::current_path();
  if (arguments.size() > 1) {
    const QString& given = arguments[1];
    progDir = std::filesystem::path(given.toStdU16String());
    if (const auto problem = ardeno::DataFolderProblem(progDir)) {
      messages.ShowMessageText(QString::fromStdString(*problem));
      return 1;
    }
  }

  ardeno::Database db;
  ardeno::ViewSettings view;
  ardeno::QtPlatformDialogs dialogs;
  ardeno::AppContext ctx{progDir, db, view, messages, dialogs, ardeno::Today()};
  // The bulletin's pictures are painted by the renderer's views, as ardeno-cli bulletin paints
  // them.
  ctx.WriteBulletin = [progDir](const ardeno::ReportMonth& month, const std::filesystem::path& out,
                                bool replace, std::vector<std::string>& messages, bool& foreign) {
    ardeno::render::BulletinRun run;
    auto error = ardeno::render::WriteBulletin(progDir, month, out, run, replace);
    messages = std::move(run.Messages);
    foreign = run.RefusedForeignFile;
    return error;
  };
  ardeno::MainWindow window(ctx);
  messages.SetOwner(&window);

  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  window.show();
  if (!window.Start(screen)) return 0;
  return app.exec();
}
