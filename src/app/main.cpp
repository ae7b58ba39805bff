// Ardeno: drawings of the solar photosphere. `ardeno [DIR]` works on the data in DIR, or in the
// current directory.
#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>

#include "core/data/data_folder.h"
#include "core/data/database.h"
#include "render/bulletin_writer.h"
#include "ui/shell/app_context.h"
#include "ui/shell/help_window.h"
#include "ui/shell/hint_timing.h"
#include "ui/shell/interface_language.h"
#include "ui/shell/main_window.h"
#include "ui/shell/message_window.h"
#include "ui/shell/qt_platform_dialogs.h"
#include "ui/shell/view_settings.h"

namespace {

// Printed by --help; the manual pages are made from it at build time.
constexpr const char* kUsage =
    "Použití: ardeno [SLOŽKA]\n"
    "  SLOŽKA  složka stanice s datovým souborem datax.dat; bez ní pracuje v aktuální složce\n"
    "  --lang cs|en  jazyk oken (jinak volba v nabídce Zadávání nebo jazyk systému)\n"
    "  --help-path  vypíše složku se stránkami nápovědy (F1) a skončí\n"
    "  --help  vypíše tento návod a skončí\n";

// The options a terminal or a script asks for: answered without a window or a display.
// Nothing when the first argument is no option.
std::optional<int> AnswerOption(int argc, char* argv[]) {
  if (argc < 2 || argv[1][0] != '-') return std::nullopt;
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    std::cout << kUsage;
    return 0;
  }
  if (std::strcmp(argv[1], "--help-path") == 0) {
    const QCoreApplication core(argc, argv);  // the program's own folder
    if (const auto folder = ardeno::ProgramHelpFolder()) {
      std::cout << QString::fromStdU16String(folder->u16string()).toStdString() << "\n";
      return 0;
    }
    std::cerr << ardeno::MissingHelpPagesText().toStdString() << "\n";
    return 1;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const auto answered = AnswerOption(argc, argv)) return *answered;
  QApplication app(argc, argv);
  QStringList arguments = QCoreApplication::arguments();
  bool badLanguage = false;
  const auto askedLanguage = ardeno::TakeLanguageOption(arguments, badLanguage);
  if (badLanguage) {
    std::cerr << "Za --lang patří cs nebo en\n";
    return 1;
  }
  // Only the name: a display name would be appended to every window caption.
  QApplication::setApplicationName("Ardeno");
  QApplication::setStyle(new ardeno::HintTimingStyle);
  ardeno::InstallInterfaceLanguage(
      app,
      ardeno::ChooseLanguage(askedLanguage, ardeno::KeptLanguageCode(), QLocale::system().name()));

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
                                std::vector<std::string>& messages) {
    ardeno::render::BulletinRun run;
    auto error = ardeno::render::WriteBulletin(progDir, month, out, run);
    messages = std::move(run.Messages);
    return error;
  };
  ardeno::MainWindow window(ctx);
  messages.SetOwner(&window);

  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  window.show();
  if (!window.Start(screen)) return 0;
  return app.exec();
}
