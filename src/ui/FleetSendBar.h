#pragma once

#include "fleet/FleetPlans.h"

#include <QGroupBox>

class QLineEdit;
class QListWidget;
class QPushButton;

// One console line, message or map restart for every ticked server, and a log with one
// outcome line per server.
class FleetSendBar : public QGroupBox {
    Q_OBJECT
public:
    explicit FleetSendBar(QWidget* parent = nullptr);

    QString text() const;
    // Adds "Time: <time of day> <line>" as the newest (top) line of the log.
    void addOutcome(const QString& line);
    // The buttons work while at least one server is ticked.
    void setTicked(int count);

signals:
    void sendRequested(fleetplans::Kind kind, const QString& text);

private:
    QLineEdit* m_line = nullptr;
    QPushButton* m_send = nullptr;
    QPushButton* m_say = nullptr;
    QPushButton* m_restart = nullptr;
    QListWidget* m_log = nullptr;
};
