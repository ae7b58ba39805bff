// Ardeno: drawings of the solar photosphere. `ardeno [DIR]` works on the data in DIR, or in the
// current directory.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <filesystem>

#include "core/data/data_folder.h"
#include "core/data/database.h"
#include "ui/shell/app_context.h"
#include "ui/shell/czech_qt_texts.h"
#include "ui/shell/hint_timing.h"
#include "ui/shell/main_window.h"
#include "ui/shell/message_window.h"
#include "ui/shell/qt_platform_dialogs.h"
#include "ui/shell/view_settings.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Only the name: a display name would be appended to every window caption.
  QApplication::setApplicationName("Ardeno");
  QApplication::setStyle(new ardeno::HintTimingStyle);
  ardeno::InstallCzechQtTexts(app);

  ardeno::WindowMessages messages;
  std::filesystem::path progDir = std::filesystem::current_path();
  if (argc > 1) {
    const QString given = QString::fromLocal8Bit(argv[1]);
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
  ardeno::MainWindow window(ctx);
  messages.SetOwner(&window);

  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  window.show();
  if (!window.Start(screen)) return 0;
  return app.exec();
}
