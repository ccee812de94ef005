#pragma once

#include <QObject>

class QSocketNotifier;

namespace tarn::cli {

// Ctrl-C and SIGTERM as a Qt signal. The signal handler only writes a byte to a pipe; the pipe's
// notifier emits arrived() from the event loop, which runs inside every wait of the link. A
// second Ctrl-C, should the first not end the job, ends the program the default way.
class Interrupt : public QObject {
    Q_OBJECT
public:
    explicit Interrupt(QObject* parent = nullptr);
    ~Interrupt() override;

    bool ok() const { return notifier_ != nullptr; }

signals:
    void arrived();

private:
    void drain();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace tarn::cli
