#pragma once

#include <QObject>
#include <QString>

namespace tarn {

struct Controls;
class ScaleLink;
class Workspace;

// The "Port" tab: the choice of port (Com1, Com2 or Other with a device name), "Open" and
// "Close" with the enabled states of the port and transfer buttons, and the link to the scale
// that the transfers use.
class PortActions : public QObject {
    Q_OBJECT
public:
    // Builds the link over the real serial port; the port stays closed.
    PortActions(const Controls& controls, Workspace& workspace, QObject* parent);
    ~PortActions() override;

    ScaleLink& link() { return *link_; }

    // Chooses the port for the next "Open": "COM1" and "COM2" (any case) their options, any
    // other name "Other" with that name filled in.
    void choosePort(const QString& name);

    // cmdPortOpen click / cmdPortClose click.
    void openPort();
    void closePort();
    // Ends any wait of the link at once (Exit during a transfer).
    void stop();

private:
    void setOpenState(bool open);
    QString chosenPort() const;

    const Controls& c_;
    Workspace& workspace_;
    ScaleLink* link_;
};

} // namespace tarn
