#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Ardeno");
  QMainWindow window;
  window.setObjectName("TForm1");
  window.setWindowTitle("Ardeno");
  window.resize(1200, 800);
  window.show();
  return app.exec();
}
