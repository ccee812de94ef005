#include "PortActions.h"

#include "Clock.h"
#include "Controls.h"
#include "ScaleLink.h"
#include "SerialPort.h"
#include "TcpPort.h"
#include "Workspace.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

namespace tarn {

PortActions::PortActions(const Controls& controls, Workspace& workspace, QObject* parent)
    : QObject(parent), c_(controls), workspace_(workspace),
      link_(new ScaleLink(std::make_unique<AnyPort>(), std::make_unique<EventLoopClock>(), this)) {
    connect(c_.cmdPortOpen, &QPushButton::clicked, this, &PortActions::openPort);
    connect(c_.cmdPortClose, &QPushButton::clicked, this, &PortActions::closePort);
    // A port that fails while open (adapter pulled out) or cannot be reopened in a reset.
    connect(link_, &ScaleLink::portLost, this, [this](const QString& message) {
        setOpenState(false);
        workspace_.status(message);
    });

    // Start-up: the serial ports the system knows go into the "Other" list; the port stays
    // closed until "Open".
    QComboBox* list = c_.cboComPort;
    list->addItems(SerialPort::availablePorts());
    list->setCurrentIndex(-1);
    // Picking or typing a device chooses "Other".
    connect(list, &QComboBox::textActivated, this, [this] { c_.optComOther->setChecked(true); });
    connect(list, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (!text.isEmpty())
            c_.optComOther->setChecked(true);
    });
    setOpenState(false);
}

PortActions::~PortActions() = default;

void PortActions::setOpenState(bool open) {
    c_.cmdPortOpen->setEnabled(!open);
    // Buttons that work only while the port is open.
    for (QPushButton* b : {c_.cmdPortClose, c_.cmdVFDUpdate, c_.cmdPLUDownload,
                           c_.cmdINGREDDownload, c_.cmdPLUUpload, c_.cmdINGUpload})
        b->setEnabled(open);
    // The choice of port, fixed while the port is open.
    for (QWidget* w :
         std::initializer_list<QWidget*>{c_.optCom1, c_.optCom2, c_.optComOther, c_.cboComPort})
        w->setEnabled(!open);
}

QString PortActions::chosenPort() const {
    if (c_.optCom1->isChecked())
        return QStringLiteral("Com1");
    if (c_.optCom2->isChecked())
        return QStringLiteral("Com2");
    return c_.cboComPort->currentText().trimmed();
}

void PortActions::choosePort(const QString& name) {
    if (name.compare(QLatin1String("COM1"), Qt::CaseInsensitive) == 0) {
        c_.optCom1->setChecked(true);
    } else if (name.compare(QLatin1String("COM2"), Qt::CaseInsensitive) == 0) {
        c_.optCom2->setChecked(true);
    } else {
        c_.cboComPort->setEditText(name);
        c_.optComOther->setChecked(true);
    }
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
    setOpenState(false);
}

} // namespace tarn
