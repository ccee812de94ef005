// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortActions.h"

#include "Controls.h"
#include "Engine.h"
#include "PortName.h"
#include "ScaleLink.h"
#include "SerialPort.h"
#include "Settings.h"
#include "Workspace.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

namespace tarn {

PortActions::PortActions(const Controls& controls, Workspace& workspace, QObject* parent)
    : QObject(parent), c_(controls), workspace_(workspace) {
    makeEngine(systemPortParts());
    connect(c_.cmdPortOpen, &QPushButton::clicked, this, &PortActions::openPort);
    connect(c_.cmdPortClose, &QPushButton::clicked, this, &PortActions::closePort);

    // Start-up: the scales named in the settings file and the serial ports the system knows go
    // into the "Other" list; the port stays closed until "Open".
    QComboBox* list = c_.cboComPort;
    list->addItems(Settings::load().scaleNames());
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

void PortActions::setPortFactory(const PortFactory& factory) {
    makeEngine(factory());
    setOpenState(false);
}

void PortActions::makeEngine(PortParts parts) {
    opening_ = 0;
    closing_ = 0;
    open_ = false;
    engine_ = std::make_unique<Engine>(std::move(parts));
    Engine* e = engine_.get();
    connect(e, &Engine::opened, this,
            [this, e](const QString& name, const QString& failure, bool stopped, RequestId id) {
                // Only the open asked for last: "Close" (or Exit) that came while the port was
                // opening has its close follow.
                if (id != opening_)
                    return;
                opening_ = 0;
                if (stopped) {
                    setOpenState(false);
                    return;
                }
                if (!failure.isEmpty()) {
                    workspace_.status(cannotOpenText(e->systemName(), failure));
                    setOpenState(false);
                    return;
                }
                open_ = true;
                setOpenState(true);
                if (name == QLatin1String("Com1"))
                    workspace_.status(tr("open port1"));
                else if (name == QLatin1String("Com2"))
                    workspace_.status(tr("open port2"));
                else
                    //: The port (%1, a device or a scale's name) is open; no space before it
                    workspace_.status(tr("open port%1").arg(name));
            });
    connect(e, &Engine::closed, this, [this](bool, RequestId id) {
        if (id == closing_)
            closing_ = 0;
    });
    // A port that fails while open (adapter pulled out) or cannot be reopened in a reset.
    connect(e, &Engine::portLost, this, [this](const QString& message) {
        open_ = false;
        setOpenState(false);
        workspace_.status(message);
    });
    emit engineMade(e);
}

void PortActions::setOpenState(bool open) {
    c_.cmdPortOpen->setEnabled(!open);
    // Buttons that work only while the port is open.
    for (QPushButton* b :
         {c_.cmdPortClose, c_.cmdVFDUpdate, c_.cmdPLUDownload, c_.cmdINGREDDownload,
          c_.cmdPLUUpload, c_.cmdINGUpload, c_.cmdPLUCompare, c_.cmdINGCompare})
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
    const auto parsed = parsePortName(name);
    if (parsed && parsed->kind == PortName::Kind::Com1) {
        c_.optCom1->setChecked(true);
    } else if (parsed && parsed->kind == PortName::Kind::Com2) {
        c_.optCom2->setChecked(true);
    } else {
        c_.cboComPort->setEditText(name);
        c_.optComOther->setChecked(true);
    }
}

void PortActions::choosePortForThisRun(const QString& name) {
    choosePort(name);
    thisRunPort_ = chosenPort();
}

QString PortActions::portToRemember() const {
    const QString port = chosenPort();
    return port == thisRunPort_ ? QString() : port;
}

void PortActions::openPort() {
    if (open_ || opening_) {
        setOpenState(true);
        workspace_.status(tr("Port is already opened"));
        return;
    }
    const QString name = chosenPort();
    QString why;
    const auto parsed = parsePortName(name, &why);
    if (!parsed) {
        //: The "Other" port's option, named when its box is empty
        workspace_.status(cannotOpenText(name.isEmpty() ? tr("Other") : name, why));
        setOpenState(false);
        return;
    }
    // Held as open while the engine opens it, so that it cannot be asked twice.
    setOpenState(true);
    opening_ = engine_->open(name);
}

void PortActions::closePort() {
    setOpenState(false);
    if (!open_ && !opening_) {
        workspace_.status(tr("Port is not opened"));
        return;
    }
    engine_->stop();
    closing_ = engine_->close();
    opening_ = 0;
    open_ = false;
    workspace_.status(tr("close port"));
}

void PortActions::stop() {
    opening_ = 0;
    open_ = false;
    engine_->stop();
    // Let go of the port, so that its lock file goes with the program.
    closing_ = engine_->close();
    setOpenState(false);
}

} // namespace tarn
