#include "Interrupt.h"
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
    // Exit ends the program at once, also in the middle of a transfer's wait, once the window
    // has closed the port.
    window.setExitHandler([] { std::exit(0); });
    // Ctrl-C in the terminal, kill, or the session ending: the same way out as Exit.
    tarn::Interrupt interrupt;
    QObject::connect(&interrupt, &tarn::Interrupt::arrived, &window,
                     &tarn::MainWindow::exitProgram);
    window.show();
    return QApplication::exec();
}
