#pragma once

#include <QStringList>
#include <QWidget>

class Session;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

// The "Misc" page: the map rotation editor and CFG execution.
class MiscPage : public QWidget {
    Q_OBJECT
public:
    explicit MiscPage(Session& session, QWidget* parent = nullptr);

    // Connect: "Server did not give rotation." in bold, copy buttons off, the CFG list
    // holding "No CFGs on server", Exec off.
    void connectPresets();
    // Connect: the rotation the server gave, copy buttons on, normal weight.
    void showServerRotation(const QString& rotation);
    // Connect: the CFG names (without ".cfg"); Exec on and the first selected when any.
    void setCfgNames(const QStringList& names);
    // Disconnect: empties the rotation box and the CFG list, Exec off.
    void clearForDisconnect();

    // Index 0 copies the server's rotation into the edit box, index 1 empties it.
    void copyRotationClicked(int index);
    void setRotationClicked();
    void notesClicked();
    void execCfgClicked();

private:
    void showRotation(const QString& text, bool bold);
    void setCopyEnabled(bool enabled);

    Session& m_session;
    QPlainTextEdit* m_rotationTexts[2] = {};
    QPushButton* m_pasteRotation[2] = {};
    QPushButton* m_setRotation = nullptr;
    QPushButton* m_rotationNotesLabel = nullptr;
    QPlainTextEdit* m_rotationNotes = nullptr;
    QComboBox* m_cfgList = nullptr;
    QPushButton* m_execCfg = nullptr;
};
