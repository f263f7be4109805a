#pragma once

#include <QDialog>
#include <QList>

class Session;
class BoundControl;
class QLineEdit;
class QPlainTextEdit;

// "Heat of Battle server variables": the mod's settings, read from the server and sent back
// where the operator changed them. A dialog beside the main window, not modal: Escape and
// Close close it.
class HobWindow : public QDialog {
    Q_OBJECT
public:
    explicit HobWindow(Session& session, QWidget* parent = nullptr);

    void populateClicked();
    void sendClicked();
    void setGameTypeClicked();

    // The wave field's leave check, also run by the focus handling: false when its text is
    // refused (the operator has been told and the focus is back in the field).
    bool txtwave_Validate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The setting whose control is this widget; -1 when none.
    int settingOf(const QObject* control) const;
    void applyListing(const QString& reply);
    void returnFocus(QLineEdit* field);
    void keepFocus(QLineEdit* field);
    void showHelp(int setting);

    Session& m_session;
    QPlainTextEdit* m_helpText = nullptr;
    QList<BoundControl*> m_controls; // in the order of the settings table
    bool m_returningFocus = false;
};
