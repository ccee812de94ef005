#include "MainWindow.h"

#include <QApplication>
#include <QIcon>

#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnlink"));
    QApplication::setApplicationVersion(QStringLiteral(TARNLINK_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarnlink.png")));
    tarn::MainWindow window;
    // Exit ends the program at once, also in the middle of a transfer's wait; the system
    // releases the port with the process.
    window.setExitHandler([] { std::exit(0); });
    window.show();
    return QApplication::exec();
}
