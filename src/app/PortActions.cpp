#include "PortActions.h"

#include "Clock.h"
#include "ScaleLink.h"
#include "SerialPort.h"
#include "TcpPort.h"
#include "Workspace.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

namespace tarn {

namespace {
// Buttons that work only while the port is open.
const char* const kOpenOnly[] = {"cmdPortClose",      "cmdVFDUpdate", "cmdPLUDownload",
                                 "cmdINGREDDownload", "cmdPLUUpload", "cmdINGUpload"};
// The choice of port, fixed while the port is open.
const char* const kPortChoice[] = {"optCom1", "optCom2", "optComOther", "cboComPort"};
} // namespace

PortActions::PortActions(QWidget& window, Workspace& workspace)
    : QObject(&window), window_(window), workspace_(workspace),
      link_(new ScaleLink(std::make_unique<AnyPort>(), std::make_unique<EventLoopClock>(), this)) {
    connect(widget<QPushButton>("cmdPortOpen"), &QPushButton::clicked, this,
            &PortActions::openPort);
    connect(widget<QPushButton>("cmdPortClose"), &QPushButton::clicked, this,
            &PortActions::closePort);
    // A port that fails while open (adapter pulled out) or cannot be reopened in a reset.
    connect(link_, &ScaleLink::portLost, this, [this](const QString& message) {
        setOpenState(false);
        workspace_.status(message);
    });

    // Start-up: the serial ports the system knows go into the "Other" list; the port stays
    // closed until "Open".
    auto* list = widget<QComboBox>("cboComPort");
    list->addItems(SerialPort::availablePorts());
    list->setCurrentIndex(-1);
    // Picking or typing a device chooses "Other".
    connect(list, &QComboBox::textActivated, this,
            [this] { widget<QRadioButton>("optComOther")->setChecked(true); });
    connect(list, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (!text.isEmpty())
            widget<QRadioButton>("optComOther")->setChecked(true);
    });
    setOpenState(false);
}

PortActions::~PortActions() = default;

template <class W> W* PortActions::widget(const char* name) const {
    return window_.findChild<W*>(QString::fromLatin1(name));
}

void PortActions::setOpenState(bool open) {
    widget<QPushButton>("cmdPortOpen")->setEnabled(!open);
    for (const char* name : kOpenOnly)
        widget<QPushButton>(name)->setEnabled(open);
    for (const char* name : kPortChoice)
        widget<QWidget>(name)->setEnabled(!open);
}

QString PortActions::chosenPort() const {
    if (widget<QRadioButton>("optCom1")->isChecked())
        return QStringLiteral("Com1");
    if (widget<QRadioButton>("optCom2")->isChecked())
        return QStringLiteral("Com2");
    return widget<QComboBox>("cboComPort")->currentText().trimmed();
}

void PortActions::openPort() {
    setOpenState(true);
    if (link_->isOpen()) {
        workspace_.status(QStringLiteral("Port is already opened"));
        return;
    }
    const QString name = chosenPort();
    if (name.isEmpty()) {
        workspace_.status(cannotOpenText(QStringLiteral("Other"), QStringLiteral("no port name")));
        setOpenState(false);
        return;
    }
    if (const auto reason = link_->open(name)) {
        workspace_.status(cannotOpenText(link_->port().systemName(), *reason));
        setOpenState(false);
        return;
    }
    if (name == QLatin1String("Com1"))
        workspace_.status(QStringLiteral("open port1"));
    else if (name == QLatin1String("Com2"))
        workspace_.status(QStringLiteral("open port2"));
    else
        workspace_.status(QStringLiteral("open port") + name);
}

void PortActions::closePort() {
    setOpenState(false);
    if (!link_->isOpen()) {
        workspace_.status(QStringLiteral("Port is not opened"));
        return;
    }
    link_->close();
    workspace_.status(QStringLiteral("close port"));
}

void PortActions::stop() {
    link_->stop();
    // Let go of the port, so that its lock file goes with the program.
    link_->close();
}

} // namespace tarn
