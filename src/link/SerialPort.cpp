#include "SerialPort.h"

#include <QSerialPort>
#include <QSerialPortInfo>

namespace tarn {

SerialPort::SerialPort(QObject* parent) : Port(parent), port_(new QSerialPort(this)) {
    connect(port_, &QSerialPort::readyRead, this, &Port::readyRead);
    connect(port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        // An adapter pulled out, or the far end of a pseudo-terminal gone: the port reports
        // the error on every turn of the event loop until it is closed, so give it up now and
        // let the window return to its closed state.
        if (!port_->isOpen())
            return;
        QString reason;
        if (error == QSerialPort::ResourceError)
            reason = port_->errorString();
        else if (error == QSerialPort::ReadError)
            reason = QStringLiteral("the line cannot be read any more");
        else
            return;
        port_->close();
        emit failed(reason);
    });
}

SerialPort::~SerialPort() {
    close();
}

QString SerialPort::systemNameFor(const QString& name) {
#ifdef Q_OS_WIN
    if (name.compare(QLatin1String("Com1"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("COM1");
    if (name.compare(QLatin1String("Com2"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("COM2");
#else
    if (name.compare(QLatin1String("Com1"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("/dev/ttyS0");
    if (name.compare(QLatin1String("Com2"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("/dev/ttyS1");
#endif
    return name;
}

QStringList SerialPort::availablePorts() {
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names << info.systemLocation();
    names.sort();
    return names;
}

QString SerialPort::openFailureReason(bool permissionDenied, const QString& systemReason) {
#ifdef Q_OS_LINUX
    // Serial devices belong to the group "dialout"; a user outside it may not open them.
    if (permissionDenied)
        return systemReason +
               QStringLiteral(" - join the dialout group (sudo adduser $USER dialout), then log in "
                              "again");
#else
    Q_UNUSED(permissionDenied);
#endif
    return systemReason;
}

std::optional<QString> SerialPort::open(const QString& name) {
    close();
    name_ = name;
    port_->setPortName(systemNameFor(name));
    port_->setBaudRate(QSerialPort::Baud9600);
    port_->setParity(QSerialPort::NoParity);
    port_->setDataBits(QSerialPort::Data8);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    port_->setReadBufferSize(kBufferSize);
    if (!port_->open(QIODevice::ReadWrite))
        return openFailureReason(port_->error() == QSerialPort::PermissionError,
                                 port_->errorString());
    // Modem lines low. A pseudo-terminal has none and refuses; that is no reason to fail.
    port_->setDataTerminalReady(false);
    port_->setRequestToSend(false);
    port_->clearError();
    // Nothing that reached the line before this open may be read as part of an answer.
    port_->clear(QSerialPort::AllDirections);
    return std::nullopt;
}

void SerialPort::close() {
    if (port_->isOpen())
        port_->close();
}

bool SerialPort::isOpen() const {
    return port_->isOpen();
}

void SerialPort::write(const QByteArray& bytes) {
    if (!port_->isOpen())
        return;
    port_->write(bytes);
    // Hand the bytes to the system now rather than at the next turn of the event loop, so a
    // port reset right after a write cannot hold them back.
    port_->flush();
}

qint64 SerialPort::bytesWaiting() const {
    return port_->isOpen() ? port_->bytesAvailable() : 0;
}

QByteArray SerialPort::readAll() {
    return port_->isOpen() ? port_->readAll() : QByteArray();
}

} // namespace tarn
