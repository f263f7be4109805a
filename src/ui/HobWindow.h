#pragma once

#include <QList>
#include <QWidget>

class Session;
class BoundControl;
class QLineEdit;
class QPlainTextEdit;
class QScrollBar;

// "Heat of Battle server variables": the mod's settings, read from the server and sent back
// where the operator changed them.
class HobWindow : public QWidget {
    Q_OBJECT
public:
    explicit HobWindow(Session& session, QWidget* parent = nullptr);

    void populateClicked();
    void sendClicked();
    void setGameTypeClicked();

    // The leave checks, also run by the focus handling: false when the field's text is
    // refused (the operator has been told and the focus is back in the field).
    bool txtwave_Validate();
    bool txtsniper_Validate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Checks a percentage field's text; a valid value moves its scroll bar, an invalid one
    // resets the field to 0 and says why. Returns whether the text was valid.
    bool checkPercentage(int setting);
    // The setting whose control is this widget; -1 when none.
    int settingOf(const QObject* control) const;
    bool leaveChecksPass();
    void applyListing(const QString& reply);
    void returnFocus(QLineEdit* field);
    void keepFocus(QLineEdit* field);
    void showHelp(int setting);

    Session& m_session;
    QPlainTextEdit* m_txtmess = nullptr;
    QList<BoundControl*> m_controls; // in the order of the settings table
    QList<QScrollBar*> m_scrollBars; // null where a setting has none
    bool m_returningFocus = false;
};
