#pragma once

#include <QGroupBox>

class MessageSets;
class ProfileFile;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;
class Session;

// The "Message Sets" frame: the operator picks, adds, fills, reorders and deletes the sets
// all servers share, and saves them to the settings file or discards the changes. What
// another server's frame changes shows here at once.
class MessageSetEditor : public QGroupBox {
    Q_OBJECT
public:
    MessageSetEditor(Session& session, ProfileFile& settings, MessageSets& sets,
                     QWidget* parent = nullptr);

    // Reads the sets from the settings file and shows the first.
    void loadSets();
    // Shows the sets as they are, with the set shown for editing.
    void showSets();
    // The set name as the operator has it in the set box.
    QString chosenName() const;
    // Picks an entry of the set box as the operator would; false when there is none such.
    bool chooseEntry(int entry);

    void setChosen();
    void messageDoubleClicked();
    void messageEdited();
    void moveMessageUp();
    void moveMessageDown();
    void deleteMessage();
    void deleteSetClicked();
    void discardSetsClicked();
    void saveSetsClicked();

signals:
    // The operator confirmed a save; the sets are written right after.
    void saving();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setsChanged();
    void listSetNames();
    void showSet(int slot);
    int selectedMessageRow() const;
    void moveSelectedMessage(int step);
    // The box for an edit that needs a set while none is chosen.
    void sayNoSetChosen();

    Session& m_session;
    ProfileFile& m_settings;
    MessageSets& m_sets;

    QComboBox* m_setChooser = nullptr;
    QLineEdit* m_freeSets = nullptr;
    QListWidget* m_setMessages = nullptr;
    QLineEdit* m_messageEditor = nullptr;
    QToolButton* m_moveUp = nullptr;
    QToolButton* m_moveDown = nullptr;
    QToolButton* m_deleteMessage = nullptr;
    QPushButton* m_saveSets = nullptr;
    QPushButton* m_deleteSet = nullptr;
    QPushButton* m_discardSets = nullptr;

    bool m_messageChanged = false;
    bool m_inSetSelection = false;
    // This frame is changing the sets: it shows its change itself, keeping its selection.
    bool m_changing = false;
};
