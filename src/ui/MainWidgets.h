#pragma once

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

class ServerPage;
class CodModesPage;
class MapsPage;
class WeaponsPage;
class PlayersPage;
class ModsPage;
class MessagesPage;
class MiscPage;
class UoModesPage;
class UoMiscPage;

// The controls of a server's workspace (and, as Main::widgets() gives them, of the window's
// side column), for the controllers that act on them.
struct MainWidgets {
    QComboBox* comserver = nullptr;
    QComboBox* comport = nullptr;
    QLineEdit* txtPWD = nullptr;
    QPushButton* cmdconnect = nullptr; // "Connect", or "Disconnect" while connected
    QPlainTextEdit* txtoutput = nullptr;
    QComboBox* comdirect = nullptr;
    QPushButton* cmdsend = nullptr;
    QPushButton* cmdstatus = nullptr;
    QPushButton* cmsserverinfo = nullptr;
    QListWidget* lstmessages = nullptr;
    QLineEdit* txtprefix = nullptr;
    QPushButton* cmdmessage = nullptr;
    QPushButton* cmdexit = nullptr;
    QTabWidget* SSTab = nullptr;
};

// The ten pages, in tab order.
struct Pages {
    ServerPage* server = nullptr;
    CodModesPage* codModes = nullptr;
    MapsPage* maps = nullptr;
    WeaponsPage* weapons = nullptr;
    PlayersPage* players = nullptr;
    ModsPage* mods = nullptr;
    MessagesPage* messages = nullptr;
    MiscPage* misc = nullptr;
    UoModesPage* uoModes = nullptr;
    UoMiscPage* uoMisc = nullptr;
};
