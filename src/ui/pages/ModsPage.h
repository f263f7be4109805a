#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class Session;

// The "Mods" page: the Clanbase preset with its rules text, and the Heat of Battle frame.
class ModsPage : public QWidget {
    Q_OBJECT
public:
    explicit ModsPage(Session& session, QWidget* parent = nullptr);

    // "Set server for clanbase rules".
    void clanBasePresetClicked();
    // Shows the rules text in place of the Heat of Battle frame, or puts the frame back.
    void clanBaseRulesClicked();

signals:
    // The mod picture `pichob` or the button "Heat of Battle..." was clicked: open the Heat of
    // Battle window.
    void hobWindowRequested();
    // The label "Visit Official Website" was clicked.
    void hobSiteRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* buildClanbaseFrame();
    QGroupBox* buildHobFrame();
    // A label that acts on a click, or on Enter or Space while it has the focus.
    void makeClickable(QLabel* label);

    Session& m_session;
    QLabel* m_rulesLabel = nullptr;
    QPlainTextEdit* m_rules = nullptr;
    QGroupBox* m_hobFrame = nullptr;
    QLabel* m_siteLabel = nullptr;
};
