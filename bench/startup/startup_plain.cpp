// The smallest Qt Widgets program with a main window, ended right after its
// first showing: the floor a configurator's start-up is measured against.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Автономный режим.")));
    window.show();
    QTimer::singleShot(0, &app, [&] {
        std::printf("shown\n");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return app.exec();
}
