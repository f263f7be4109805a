#pragma once

#include <QGroupBox>
#include <QList>

class QPushButton;
class QRadioButton;
class Session;

// The friendly-fire options of the "Server" page with "Set Friendly Fire >>".
class FriendlyFireFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit FriendlyFireFrame(Session& session, QWidget* parent = nullptr);

    // Sets the server's friendly fire to value (0 Off, 1 On, 2 Reflective, 3 Shared) and
    // announces it; the Common Tasks menu items call this.
    void change(int value);
    // Selects the option of the value read from the server; false when there is none.
    bool selectValue(int value);

    // "Set Friendly Fire >>": the change of the selected option.
    void sendFriendlyFire();

private:
    Session& m_session;
    QList<QRadioButton*> m_options; // by value
    QPushButton* m_set = nullptr;
};
