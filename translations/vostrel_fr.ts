<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Whoever gave you this program in binary form owes you its complete source code under that licence. The terms are in the file LICENSE of the source.</source>
        <translation>Quiconque vous a remis ce programme sous forme binaire vous doit son code source complet sous cette licence. Les conditions figurent dans le fichier LICENSE des sources.</translation>
    </message>
    <message>
        <source>Whoever gave you this program in binary form owes you its complete source code under that licence. The licence terms and the notes that came with the program are in &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;.</source>
        <translation>Quiconque vous a remis ce programme sous forme binaire vous doit son code source complet sous cette licence. Les conditions de la licence et les notes fournies avec le programme se trouvent dans &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>About Vostrel</source>
        <translation>À propos de Vostrel</translation>
    </message>
    <message>
        <source>Version %1
Remote administration for Call of Duty and United Offensive servers</source>
        <translation>Version %1
Administration à distance des serveurs Call of Duty et United Offensive</translation>
    </message>
    <message>
        <source>Vostrel is free software: you may share and change it under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Vostrel est un logiciel libre : vous pouvez le redistribuer et le modifier selon les termes de la licence publique générale GNU, version 3 ou toute version ultérieure (GPL-3.0-or-later). Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>Running on Qt %1</source>
        <translation>Fonctionne avec Qt %1</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informations &amp;système...</translation>
    </message>
</context>
<context>
    <name>ActionAudit</name>
    <message>
        <source>kick</source>
        <translation>expulsion</translation>
    </message>
    <message>
        <source>ban</source>
        <translation>bannissement</translation>
    </message>
    <message>
        <source>tempban</source>
        <translation>bannissement temporaire</translation>
    </message>
    <message>
        <source>tell</source>
        <translation>message privé</translation>
    </message>
    <message>
        <source>map</source>
        <translation>carte</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>redémarrage</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>réglage</translation>
    </message>
    <message>
        <source>cfg</source>
        <translation>CFG</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>message à tous</translation>
    </message>
    <message>
        <source>console</source>
        <translation>console</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>accepté</translation>
    </message>
    <message>
        <source>taken at next map</source>
        <translation>accepté à la prochaine carte</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non envoyé</translation>
    </message>
</context>
<context>
    <name>ActionsDialog</name>
    <message>
        <source>kick</source>
        <translation>expulsion</translation>
    </message>
    <message>
        <source>ban</source>
        <translation>bannissement</translation>
    </message>
    <message>
        <source>tempban</source>
        <translation>bannissement temporaire</translation>
    </message>
    <message>
        <source>tell</source>
        <translation>message privé</translation>
    </message>
    <message>
        <source>map</source>
        <translation>carte</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>redémarrage</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>réglage</translation>
    </message>
    <message>
        <source>cfg</source>
        <translation>CFG</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>message à tous</translation>
    </message>
    <message>
        <source>console</source>
        <translation>console</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>accepté</translation>
    </message>
    <message>
        <source>taken at next map</source>
        <translation>accepté à la prochaine carte</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non envoyé</translation>
    </message>
    <message>
        <source>Any time</source>
        <translation>Toute période</translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>Dernière heure</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Dernières 24 heures</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>any server (address:port)</source>
        <translation>tout serveur (adresse:port)</translation>
    </message>
    <message>
        <source>any operator</source>
        <translation>tout opérateur</translation>
    </message>
    <message>
        <source>Any kind</source>
        <translation>Tout type</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>No history is kept (Preferences).</source>
        <translation>Aucun historique n&apos;est conservé (Préférences).</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lecture...</translation>
    </message>
    <message>
        <source>No action found.</source>
        <translation>Aucune action trouvée.</translation>
    </message>
    <message>
        <source>1 action.</source>
        <translation>1 action.</translation>
    </message>
    <message>
        <source>%1 actions.</source>
        <translation>%1 actions.</translation>
    </message>
    <message>
        <source>Export actions</source>
        <translation>Exporter les actions</translation>
    </message>
    <message>
        <source>The actions could not be written to %1<byte value="xd"/>%2</source>
        <translation>Impossible d&apos;écrire les actions dans %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Échec de l&apos;export</translation>
    </message>
    <message>
        <source>%1 actions written to %2</source>
        <translation>%1 actions écrites dans %2</translation>
    </message>
</context>
<context>
    <name>CodModesPage</name>
    <message>
        <source>COD Instant game mode switch</source>
        <translation>COD : changement immédiat du mode de jeu</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>ConnectChecks</name>
    <message>
        <source>No server answered at %1</source>
        <translation>Aucun serveur n&apos;a répondu à l&apos;adresse %1</translation>
    </message>
    <message>
        <source>The server at %1 answers, but its remote console does not: the RCON password is wrong, or the remote console is off (some servers stay silent on a wrong password).<byte value="xd"/>No connection established.</source>
        <translation>Le serveur à l&apos;adresse %1 répond, mais pas sa console distante : le mot de passe RCON est erroné, ou la console distante est désactivée (certains serveurs restent muets face à un mauvais mot de passe).<byte value="xd"/>Aucune connexion établie.</translation>
    </message>
    <message>
        <source>The %1 holds characters that cannot be sent to the server or kept in the settings file: %2<byte value="xd"/>Please use only the characters of Western European text (Windows-1252).</source>
        <translation>Le champ « %1 » contient des caractères qui ne peuvent être ni envoyés au serveur ni enregistrés dans le fichier de réglages : %2<byte value="xd"/>Veuillez n&apos;utiliser que les caractères d&apos;Europe occidentale (Windows-1252).</translation>
    </message>
    <message>
        <source>server address</source>
        <translation>adresse du serveur</translation>
    </message>
    <message>
        <source>port</source>
        <translation>port</translation>
    </message>
    <message>
        <source>rcon password</source>
        <translation>mot de passe RCON</translation>
    </message>
    <message>
        <source>Unsupported characters</source>
        <translation>Caractères non pris en charge</translation>
    </message>
</context>
<context>
    <name>ConnectController</name>
    <message>
        <source>Error...</source>
        <translation>Erreur...</translation>
    </message>
    <message>
        <source>No connection</source>
        <translation>Pas de connexion</translation>
    </message>
    <message>
        <source>Please provide all fields, Server, Port and password</source>
        <translation>Veuillez remplir tous les champs : serveur, port et mot de passe</translation>
    </message>
    <message>
        <source>Please provide a port number from 1 to 65535</source>
        <translation>Veuillez indiquer un numéro de port de 1 à 65535</translation>
    </message>
    <message>
        <source>The name has no address.</source>
        <translation>Ce nom n&apos;a pas d&apos;adresse.</translation>
    </message>
    <message>
        <source>Cannot find the server %1<byte value="xd"/>%2</source>
        <translation>Impossible de trouver le serveur %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Server not found</source>
        <translation>Serveur introuvable</translation>
    </message>
    <message>
        <source>Cannot open a network socket towards the server</source>
        <translation>Impossible d&apos;ouvrir une connexion réseau vers le serveur</translation>
    </message>
    <message>
        <source>Invalid Rcon password, no connection established<byte value="xd"/>%1</source>
        <translation>Mot de passe RCON invalide, aucune connexion établie<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The server refused &quot;status&quot;, no connection established<byte value="xd"/>%1</source>
        <translation>Le serveur a refusé « status », aucune connexion établie<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Connected to server %1:%2</source>
        <translation>Connecté au serveur %1:%2</translation>
    </message>
    <message>
        <source>No answer from the remote console; asking for the server&apos;s status</source>
        <translation>Pas de réponse de la console distante ; demande de l&apos;état du serveur</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Connection to server lost: %1</source>
        <translation>Connexion au serveur perdue : %1</translation>
    </message>
</context>
<context>
    <name>ConsoleController</name>
    <message>
        <source>Server Status requested</source>
        <translation>État du serveur demandé</translation>
    </message>
    <message>
        <source>Server Info requested</source>
        <translation>Infos du serveur demandées</translation>
    </message>
</context>
<context>
    <name>FleetSendBar</name>
    <message>
        <source>To the ticked servers</source>
        <translation>Aux serveurs cochés</translation>
    </message>
    <message>
        <source>console line or message</source>
        <translation>ligne de console ou message</translation>
    </message>
    <message>
        <source>Li&amp;ne or message</source>
        <translation>Lig&amp;ne ou message</translation>
    </message>
    <message>
        <source>Sen&amp;d line</source>
        <translation>&amp;Envoyer la ligne</translation>
    </message>
    <message>
        <source>Sa&amp;y</source>
        <translation>&amp;Dire</translation>
    </message>
    <message>
        <source>Restar&amp;t map</source>
        <translation>&amp;Relancer la carte</translation>
    </message>
    <message>
        <source>Outcomes on the ticked servers</source>
        <translation>Résultats sur les serveurs cochés</translation>
    </message>
    <message>
        <source>Time: %1 %2</source>
        <translation>Heure : %1 %2</translation>
    </message>
    <message>
        <source>To the ticked server</source>
        <translation>Au serveur coché</translation>
    </message>
    <message>
        <source>To the %1 ticked servers</source>
        <translation>Aux %1 serveurs cochés</translation>
    </message>
</context>
<context>
    <name>FriendlyFireFrame</name>
    <message>
        <source>Friendly Fire</source>
        <translation>Tir ami</translation>
    </message>
    <message>
        <source>Set Friendly Fire &gt;&gt;</source>
        <translation>Appliquer le tir ami &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>HistoryController</name>
    <message>
        <source>History: waiting for the database</source>
        <translation>Historique : en attente de la base de données</translation>
    </message>
    <message>
        <source>History: off</source>
        <translation>Historique : désactivé</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
</context>
<context>
    <name>HistoryDatabase</name>
    <message>
        <source>no reason given</source>
        <translation>aucun motif indiqué</translation>
    </message>
    <message>
        <source>The history file %1</source>
        <translation>Le fichier d&apos;historique %1</translation>
    </message>
    <message>
        <source>The history database &quot;%1&quot; on %2:%3</source>
        <translation>La base d&apos;historique « %1 » sur %2:%3</translation>
    </message>
    <message>
        <source>%1 cannot be opened: this system lacks the Qt driver %2. History is off.</source>
        <translation>%1 : ouverture impossible, le pilote Qt %2 manque sur ce système. L&apos;historique est désactivé.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2). History is off.</source>
        <translation>%1 : lecture impossible (%2). L&apos;historique est désactivé.</translation>
    </message>
    <message>
        <source>%1 is damaged or is not a history file (%2). History is off; the file is left as it is.</source>
        <translation>%1 : fichier endommagé ou qui n&apos;est pas un fichier d&apos;historique (%2). L&apos;historique est désactivé ; le fichier est laissé tel quel.</translation>
    </message>
    <message>
        <source>it does not start as a database</source>
        <translation>son en-tête n&apos;est pas celui d&apos;une base de données</translation>
    </message>
    <message>
        <source>%1 was written by a newer Vostrel (schema %2; this one knows %3). History is off; the file is left as it is.</source>
        <translation>%1 : écrit par une version plus récente de Vostrel (schéma %2 ; celle-ci connaît le %3). L&apos;historique est désactivé ; le fichier est laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 cannot be created. History is off.</source>
        <translation>%1 : création impossible. L&apos;historique est désactivé.</translation>
    </message>
    <message>
        <source>History: waiting for the database</source>
        <translation>Historique : en attente de la base de données</translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2). History is off.</source>
        <translation>%1 : ouverture impossible (%2). L&apos;historique est désactivé.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2). History is off; it is left as it is.</source>
        <translation>%1 : lecture impossible (%2). L&apos;historique est désactivé ; rien n&apos;y est modifié.</translation>
    </message>
    <message>
        <source>%1 was written by a newer Vostrel (schema %2; this one knows %3). History is off; the database is left as it is.</source>
        <translation>%1 : écrit par une version plus récente de Vostrel (schéma %2 ; celle-ci connaît le %3). L&apos;historique est désactivé ; la base de données est laissée telle quelle.</translation>
    </message>
    <message>
        <source>%1 could not be brought to schema %2 (%3). History is off.</source>
        <translation>%1 : passage au schéma %2 impossible (%3). L&apos;historique est désactivé.</translation>
    </message>
</context>
<context>
    <name>HistoryPreferences</name>
    <message>
        <source>History of players and actions</source>
        <translation>Historique des joueurs et des actions</translation>
    </message>
    <message>
        <source>A file on this computer (SQLite)</source>
        <translation>Un fichier sur cet ordinateur (SQLite)</translation>
    </message>
    <message>
        <source>A PostgreSQL server the team shares</source>
        <translation>Un serveur PostgreSQL partagé par l&apos;équipe</translation>
    </message>
    <message>
        <source>Nowhere (history off)</source>
        <translation>Nulle part (historique désactivé)</translation>
    </message>
    <message>
        <source>&amp;Keep history in</source>
        <translation>&amp;Conserver l&apos;historique dans</translation>
    </message>
    <message>
        <source>H&amp;ost</source>
        <translation>&amp;Hôte</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>&amp;Database</source>
        <translation>&amp;Base de données</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Utilisateur</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>&amp;Mot de passe</translation>
    </message>
    <message>
        <source>A PostgreSQL server needs its host and the name of its database.</source>
        <translation>Un serveur PostgreSQL a besoin de son hôte et du nom de sa base de données.</translation>
    </message>
</context>
<context>
    <name>HistoryWorker</name>
    <message>
        <source>History: waiting for the database</source>
        <translation>Historique : en attente de la base de données</translation>
    </message>
</context>
<context>
    <name>HobWindow</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Populate from server</source>
        <translation>Lire depuis le serveur</translation>
    </message>
    <message>
        <source>Send current to server</source>
        <translation>Envoyer au serveur</translation>
    </message>
    <message>
        <source>Set Gametype to HOB</source>
        <translation>Passer en mode HOB</translation>
    </message>
    <message>
        <source>Set g_gametype HOB</source>
        <translation>Règle g_gametype sur HOB</translation>
    </message>
    <message>
        <source>Numeric value between 1 and 30 please</source>
        <translation>Veuillez saisir une valeur numérique entre 1 et 30</translation>
    </message>
    <message>
        <source>Number Field</source>
        <translation>Champ numérique</translation>
    </message>
    <message>
        <source>Value between 1 and 30 please</source>
        <translation>Veuillez saisir une valeur entre 1 et 30</translation>
    </message>
    <message>
        <source>Invalid Value</source>
        <translation>Valeur non valide</translation>
    </message>
    <message>
        <source>Reading variables from the server...
Heat of Battle MOD...</source>
        <translation>Lecture des variables du serveur...
Mod Heat of Battle...</translation>
    </message>
    <message>
        <source>Send settings to server?<byte value="xd"/>Only changed values will be sent.</source>
        <translation>Envoyer les réglages au serveur ?<byte value="xd"/>Seules les valeurs modifiées seront envoyées.</translation>
    </message>
    <message>
        <source>Send to Server?</source>
        <translation>Envoyer au serveur ?</translation>
    </message>
    <message>
        <source>Sending variables to the server...
Heat of Battle MOD...</source>
        <translation>Envoi des variables au serveur...
Mod Heat of Battle...</translation>
    </message>
</context>
<context>
    <name>LanguagePreferences</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Prend effet au prochain démarrage.</translation>
    </message>
    <message>
        <source>Language of the program</source>
        <translation>Langue du programme</translation>
    </message>
</context>
<context>
    <name>LogActions</name>
    <message>
        <source>Clear the RCON window?</source>
        <translation>Vider la fenêtre RCON ?</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Clear the message window?</source>
        <translation>Vider la fenêtre des messages ?</translation>
    </message>
    <message>
        <source>Save file as...</source>
        <translation>Enregistrer le fichier sous...</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Serveur : %1</translation>
    </message>
    <message>
        <source>Error writing file, err %1<byte value="xd"/>%2</source>
        <translation>Erreur d&apos;écriture du fichier, erreur %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Failed to Save</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Servers open</source>
        <translation>Serveurs ouverts</translation>
    </message>
    <message>
        <source>Open a workspace for another server (Ctrl+T)</source>
        <translation>Ouvrir un espace de travail pour un autre serveur (Ctrl+T)</translation>
    </message>
    <message>
        <source>New server tab</source>
        <translation>Nouvel onglet de serveur</translation>
    </message>
    <message>
        <source>Type message to send to server</source>
        <translation>Saisissez le message à envoyer au serveur</translation>
    </message>
    <message>
        <source>Server Message</source>
        <translation>Message au serveur</translation>
    </message>
    <message>
        <source>Send &amp;Message</source>
        <translation>Envoyer un &amp;message</translation>
    </message>
    <message>
        <source>User &amp;Prefix for message</source>
        <translation>&amp;Préfixe utilisateur des messages</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New Server &amp;Tab</source>
        <translation>Nouvel &amp;onglet de serveur</translation>
    </message>
    <message>
        <source>Close Server T&amp;ab</source>
        <translation>&amp;Fermer l&apos;onglet du serveur</translation>
    </message>
    <message>
        <source>&amp;Save current server Info</source>
        <translation>&amp;Enregistrer le serveur actuel</translation>
    </message>
    <message>
        <source>&amp;Remove current server Info</source>
        <translation>&amp;Retirer le serveur actuel</translation>
    </message>
    <message>
        <source>Save &amp;message log...</source>
        <translation>Enregistrer le journal des &amp;messages...</translation>
    </message>
    <message>
        <source>Clear M&amp;essage log</source>
        <translation>&amp;Vider le journal des messages</translation>
    </message>
    <message>
        <source>Save RCON &amp;log...</source>
        <translation>Enregistrer le &amp;journal RCON...</translation>
    </message>
    <message>
        <source>Clear RCON l&amp;og</source>
        <translation>Vider le journal R&amp;CON</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>&amp;Common Tasks</source>
        <translation>&amp;Tâches courantes</translation>
    </message>
    <message>
        <source>&amp;Restart Map</source>
        <translation>&amp;Relancer la carte</translation>
    </message>
    <message>
        <source>&amp;Next Map in Cycle</source>
        <translation>Carte &amp;suivante de la rotation</translation>
    </message>
    <message>
        <source>Friendly Fire &amp;On</source>
        <translation>Tir ami &amp;activé</translation>
    </message>
    <message>
        <source>Friendly Fire O&amp;ff</source>
        <translation>Tir ami &amp;désactivé</translation>
    </message>
    <message>
        <source>Friendly Fire R&amp;eflective damage</source>
        <translation>Tir ami : dégâts ré&amp;fléchis</translation>
    </message>
    <message>
        <source>Friendly Fire S&amp;hared</source>
        <translation>Tir ami : dégâts &amp;partagés</translation>
    </message>
    <message>
        <source>&amp;Game mode switch</source>
        <translation>Changer de mode de &amp;jeu</translation>
    </message>
    <message>
        <source>&amp;Search &amp;&amp; Destroy</source>
        <translation>&amp;Search &amp;&amp; Destroy</translation>
    </message>
    <message>
        <source>&amp;Retrieval</source>
        <translation>&amp;Retrieval</translation>
    </message>
    <message>
        <source>&amp;Behind Enemy Lines</source>
        <translation>&amp;Behind Enemy Lines</translation>
    </message>
    <message>
        <source>&amp;Death Match</source>
        <translation>&amp;Deathmatch</translation>
    </message>
    <message>
        <source>&amp;Team Death Match</source>
        <translation>&amp;Team Deathmatch</translation>
    </message>
    <message>
        <source>&amp;Headquarters</source>
        <translation>&amp;Headquarters</translation>
    </message>
    <message>
        <source>&amp;United Offensive Modes</source>
        <translation>Modes &amp;United Offensive</translation>
    </message>
    <message>
        <source>&amp;Domination</source>
        <translation>&amp;Domination</translation>
    </message>
    <message>
        <source>&amp;Capture the flag</source>
        <translation>&amp;Capture the Flag</translation>
    </message>
    <message>
        <source>&amp;Base assault</source>
        <translation>&amp;Base Assault</translation>
    </message>
    <message>
        <source>Hi&amp;story</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>&amp;Joueurs...</translation>
    </message>
    <message>
        <source>&amp;Actions...</source>
        <translation>&amp;Actions...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Failed to write new server list to INI file (%1)<byte value="xd"/>Error code %2 Descr: %3</source>
        <translation>Impossible d&apos;écrire la nouvelle liste de serveurs dans le fichier INI (%1)<byte value="xd"/>Code d&apos;erreur %2 Descr. : %3</translation>
    </message>
    <message>
        <source>INI Write Fail</source>
        <translation>Échec d&apos;écriture INI</translation>
    </message>
    <message>
        <source>Message changes not saved<byte value="xd"/>Click OK if you wish to go back to save them</source>
        <translation>Modifications des messages non enregistrées<byte value="xd"/>Cliquez sur OK pour revenir les enregistrer</translation>
    </message>
    <message>
        <source>Unsaved Messages Sets</source>
        <translation>Sets de messages non enregistrés</translation>
    </message>
    <message>
        <source>Saving server list to INI</source>
        <translation>Enregistrement de la liste des serveurs dans l&apos;INI</translation>
    </message>
    <message>
        <source>user prefix</source>
        <translation>préfixe utilisateur</translation>
    </message>
    <message>
        <source>Failed to write the user prefix to INI file<byte value="xd"/>Error code %1 Descr: %2</source>
        <translation>Impossible d&apos;écrire le préfixe utilisateur dans le fichier INI<byte value="xd"/>Code d&apos;erreur %1 Descr. : %2</translation>
    </message>
</context>
<context>
    <name>MapsPage</name>
    <message>
        <source>Select Map to load (Cod and UO)</source>
        <translation>Carte à charger (CoD et UO)</translation>
    </message>
    <message>
        <source>Load selected map</source>
        <translation>Charger la carte</translation>
    </message>
    <message>
        <source>Load Default maps</source>
        <translation>Cartes par défaut</translation>
    </message>
    <message>
        <source>Populate from server</source>
        <translation>Lire depuis le serveur</translation>
    </message>
    <message>
        <source>Restart current map</source>
        <translation>Relancer la carte</translation>
    </message>
    <message>
        <source>Next map in rotation</source>
        <translation>Carte suivante</translation>
    </message>
    <message>
        <source>Note: Default maps load both standard COD and the addon UO maps.  Use Populate to see ALL maps server has available.</source>
        <translation>Remarque : les cartes par défaut comprennent celles de CoD et de l&apos;extension UO. Utilisez « Lire depuis le serveur » pour voir TOUTES les cartes du serveur.</translation>
    </message>
    <message>
        <source>Asking server for map list...</source>
        <translation>Demande de la liste des cartes au serveur...</translation>
    </message>
    <message>
        <source>No maps found in %1</source>
        <translation>Aucune carte trouvée dans %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>Map list not read: %1</source>
        <translation>Liste des cartes non lue : %1</translation>
    </message>
    <message>
        <source>The server answered the map list %1 times, but with no list (an empty reply)</source>
        <translation>Le serveur a répondu %1 fois à la demande de cartes, mais sans liste (réponse vide)</translation>
    </message>
    <message>
        <source>The server answered the map list %1 times, but its reply could not be read:<byte value="xd"/>%2</source>
        <translation>Le serveur a répondu %1 fois à la demande de cartes, mais sa réponse est illisible :<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Map list not read</source>
        <translation>Liste des cartes non lue</translation>
    </message>
    <message>
        <source>Select a map in the table to load first</source>
        <translation>Sélectionnez d&apos;abord une carte dans la liste</translation>
    </message>
    <message>
        <source>Select Map</source>
        <translation>Choisir une carte</translation>
    </message>
</context>
<context>
    <name>MessageCycler</name>
    <message>
        <source>Message Cycler</source>
        <translation>Cycle de messages</translation>
    </message>
    <message>
        <source>Number of minutes between messages (1 -10)</source>
        <translation>Nombre de minutes entre les messages (1 -10)</translation>
    </message>
    <message>
        <source>Message Interval</source>
        <translation>Intervalle des messages</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Start the message cycle on active server</source>
        <translation>Démarrer le cycle de messages sur le serveur actif</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop the message cycle on server</source>
        <translation>Arrêter le cycle de messages sur le serveur</translation>
    </message>
    <message>
        <source>Stopping the active message Cycle to sync changes</source>
        <translation>Arrêt du cycle de messages en cours pour synchroniser les modifications</translation>
    </message>
    <message>
        <source>Please connect to server first</source>
        <translation>Veuillez d&apos;abord vous connecter au serveur</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Pending Save sets active<byte value="xd"/>Please either Save or Discard changes<byte value="xd"/>before starting message cycler</source>
        <translation>Des sets ne sont pas enregistrés<byte value="xd"/>Veuillez enregistrer ou annuler les modifications<byte value="xd"/>avant de démarrer le cycle de messages</translation>
    </message>
    <message>
        <source>Pending Save Sets</source>
        <translation>Sets non enregistrés</translation>
    </message>
    <message>
        <source>Start message Cycle for set named:<byte value="xd"/>%1</source>
        <translation>Démarrer le cycle de messages pour le set nommé :<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Start Message Cycler</source>
        <translation>Démarrer le cycle de messages</translation>
    </message>
    <message>
        <source>The message set does not contain any messages!<byte value="xd"/> Please make some messages first.</source>
        <translation>Le set ne contient aucun message !<byte value="xd"/> Veuillez d&apos;abord créer des messages.</translation>
    </message>
    <message>
        <source>No messages in set</source>
        <translation>Aucun message dans le set</translation>
    </message>
    <message>
        <source>Value between 1 and 10 only please</source>
        <translation>Valeur entre 1 et 10 uniquement</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Saisie non valide</translation>
    </message>
    <message>
        <source>Value between 1 and 10 minutes</source>
        <translation>Valeur entre 1 et 10 minutes</translation>
    </message>
</context>
<context>
    <name>MessageSetEditor</name>
    <message>
        <source>Colour Codes&gt;</source>
        <translation>Codes couleur&gt;</translation>
    </message>
    <message>
        <source>Message Sets</source>
        <translation>Sets de messages</translation>
    </message>
    <message>
        <source>Lists messages sets</source>
        <translation>Liste des sets de messages</translation>
    </message>
    <message>
        <source>Message set</source>
        <translation>Set de messages</translation>
    </message>
    <message>
        <source>Message Sets allow more than one group of messages (e.g. 1 per server)</source>
        <translation>Les sets de messages permettent plusieurs groupes de messages (p. ex. un par serveur)</translation>
    </message>
    <message>
        <source>Number of Free Set slots</source>
        <translation>Nombre d&apos;emplacements de set libres</translation>
    </message>
    <message>
        <source>Sets free</source>
        <translation>Sets libres</translation>
    </message>
    <message>
        <source>Click entry to select for Move or Delete. Double Click to edit entry</source>
        <translation>Cliquez sur une entrée pour la déplacer ou la supprimer, double-cliquez pour la modifier</translation>
    </message>
    <message>
        <source>Messages in set</source>
        <translation>Messages du set</translation>
    </message>
    <message>
        <source>Move up in list</source>
        <translation>Monter dans la liste</translation>
    </message>
    <message>
        <source>Move down in list</source>
        <translation>Descendre dans la liste</translation>
    </message>
    <message>
        <source>Removes selected item</source>
        <translation>Supprime l&apos;entrée sélectionnée</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>%IP% for IP number &amp; port, %SN% for server name, %FF% Friendlyfire status</source>
        <translation>%IP% pour l&apos;adresse IP et le port, %SN% pour le nom du serveur, %FF% pour l&apos;état du tir ami</translation>
    </message>
    <message>
        <source>Save Sets</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save new list to INI file</source>
        <translation>Enregistrer la nouvelle liste dans le fichier INI</translation>
    </message>
    <message>
        <source>Delete Set</source>
        <translation>Supprimer le set</translation>
    </message>
    <message>
        <source>Deletes current Set</source>
        <translation>Supprime le set actuel</translation>
    </message>
    <message>
        <source>Discard change</source>
        <translation>Annuler les modifications</translation>
    </message>
    <message>
        <source>No message set selected in Message Set field</source>
        <translation>Aucun set sélectionné dans le champ Set de messages</translation>
    </message>
    <message>
        <source>No set selected</source>
        <translation>Aucun set sélectionné</translation>
    </message>
    <message>
        <source>No free sets left, %1 in use<byte value="xd"/>To add new you must remove an old one</source>
        <translation>Plus aucun set libre, %1 utilisés<byte value="xd"/>Pour en ajouter un, supprimez-en un ancien</translation>
    </message>
    <message>
        <source>No Free Slots</source>
        <translation>Aucun emplacement libre</translation>
    </message>
    <message>
        <source>Add new Set to list</source>
        <translation>Ajouter un nouveau set à la liste ?</translation>
    </message>
    <message>
        <source>New Message Set</source>
        <translation>Nouveau set de messages</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the set named:<byte value="xd"/>%1</source>
        <translation>Voulez-vous vraiment supprimer le set nommé :<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Set named %1 removed.</source>
        <translation>Set %1 supprimé.</translation>
    </message>
    <message>
        <source>Discard changes and reset to existing</source>
        <translation>Annuler les modifications et revenir à l&apos;existant ?</translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation>Annuler les modifications</translation>
    </message>
    <message>
        <source>Reverted back to existing messages</source>
        <translation>Retour aux messages existants</translation>
    </message>
    <message>
        <source>Discarded changes</source>
        <translation>Modifications annulées</translation>
    </message>
    <message>
        <source>Save message sets to INI</source>
        <translation>Enregistrer les sets de messages dans le fichier INI ?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>Writing changes to INI file</source>
        <translation>Écriture des modifications dans le fichier INI</translation>
    </message>
    <message>
        <source>Failed to write to INI file, Please report bug and messages attempted</source>
        <translation>Échec de l&apos;écriture du fichier INI. Veuillez signaler le bogue et les messages concernés</translation>
    </message>
    <message>
        <source>Failed to write INI</source>
        <translation>Échec de l&apos;écriture INI</translation>
    </message>
</context>
<context>
    <name>MiscPage</name>
    <message>
        <source>No CFGs on server</source>
        <translation>Aucun CFG sur le serveur</translation>
    </message>
    <message>
        <source>Server Map Rotation</source>
        <translation>Rotation des cartes du serveur</translation>
    </message>
    <message>
        <source>Server Default Map Rotation</source>
        <translation>Rotation des cartes par défaut du serveur</translation>
    </message>
    <message>
        <source>Server EDIT Map Rotation</source>
        <translation>Rotation des cartes du serveur (ÉDITION)</translation>
    </message>
    <message>
        <source>Server map rotation (when we connected)</source>
        <translation>Rotation des cartes du serveur (à la connexion)</translation>
    </message>
    <message>
        <source>Change server map rotation</source>
        <translation>Modifier la rotation des cartes du serveur</translation>
    </message>
    <message>
        <source>Default -&gt; EDIT</source>
        <translation>Défaut -&gt; ÉDITION</translation>
    </message>
    <message>
        <source>Clear EDIT</source>
        <translation>Vider ÉDITION</translation>
    </message>
    <message>
        <source>Set Server to EDIT</source>
        <translation>Appliquer ÉDITION au serveur</translation>
    </message>
    <message>
        <source>C&amp;lick for Notes</source>
        <translation>Afficher les notes</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Execute CFG</source>
        <translation>Exécuter un CFG</translation>
    </message>
    <message>
        <source>Exec CFG</source>
        <translation>Exécuter le CFG</translation>
    </message>
    <message>
        <source>CFG files on server</source>
        <translation>Fichiers CFG sur le serveur</translation>
    </message>
    <message>
        <source>Server did not give rotation.</source>
        <translation>Le serveur n&apos;a pas fourni de rotation.</translation>
    </message>
    <message>
        <source>C&amp;lick to remove</source>
        <translation>Masquer les notes</translation>
    </message>
    <message>
        <source>Are you sure you want to Exec the selected CFG file<byte value="xd"/>Executing CFGs is at your own risk!<byte value="xd"/><byte value="xd"/>Please ensure you know what the file performs</source>
        <translation>Voulez-vous vraiment exécuter le fichier CFG sélectionné ?<byte value="xd"/>L&apos;exécution de CFG se fait à vos risques et périls !<byte value="xd"/><byte value="xd"/>Assurez-vous de savoir ce que fait ce fichier</translation>
    </message>
</context>
<context>
    <name>ModsPage</name>
    <message>
        <source>Click for CB rules</source>
        <translation>Afficher les règles CB</translation>
    </message>
    <message>
        <source>Click to remove</source>
        <translation>Masquer les règles</translation>
    </message>
    <message>
        <source>Clanbase rules</source>
        <translation>Règles Clan Base</translation>
    </message>
    <message>
        <source>Set server for clanbase rules</source>
        <translation>Appliquer les règles Clan Base</translation>
    </message>
    <message>
        <source>Heat Of Battle Mod V.3</source>
        <translation>Mod Heat of Battle V.3</translation>
    </message>
    <message>
        <source>Heat of Battle server variables</source>
        <translation>Heat of Battle : variables du serveur</translation>
    </message>
    <message>
        <source>Heat of &amp;Battle...</source>
        <translation>Heat of &amp;Battle...</translation>
    </message>
    <message>
        <source>Visit Official Website</source>
        <translation>Visiter le site officiel</translation>
    </message>
</context>
<context>
    <name>NamesExport</name>
    <message>
        <source>Player log</source>
        <translation>Journal des joueurs</translation>
    </message>
    <message>
        <source>Save Names</source>
        <translation>Enregistrer les noms</translation>
    </message>
    <message>
        <source>Append current list of players and GUIDs to playerlist.csv</source>
        <translation>Ajouter la liste actuelle des joueurs et des GUID à playerlist.csv ?</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Enregistrer la liste</translation>
    </message>
    <message>
        <source>Could not append to playerlist.csv<byte value="xd"/>%1</source>
        <translation>Impossible d&apos;ajouter à playerlist.csv<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Players appended</source>
        <translation>Joueurs ajoutés</translation>
    </message>
    <message>
        <source>Players saved</source>
        <translation>Joueurs enregistrés</translation>
    </message>
</context>
<context>
    <name>PlanRunner</name>
    <message>
        <source>%1 (from the next map)</source>
        <translation>%1 (à partir de la prochaine carte)</translation>
    </message>
    <message>
        <source>%1 not done: %2</source>
        <translation>%1 non effectué : %2</translation>
    </message>
    <message>
        <source>%1 not changed: %2</source>
        <translation>Non appliqué (%1) : %2</translation>
    </message>
    <message>
        <source>%1: no answer from the server (it may have been applied)</source>
        <translation>%1 : pas de réponse du serveur (peut-être appliqué quand même)</translation>
    </message>
</context>
<context>
    <name>PlayerActionsPanel</name>
    <message>
        <source>Select a player from the list to Kick first</source>
        <translation>Sélectionnez d&apos;abord dans la liste le joueur à expulser</translation>
    </message>
    <message>
        <source>Only Kick with Rcon access, not in Query Mode</source>
        <translation>Expulsion possible uniquement avec l&apos;accès RCON, pas en mode Query</translation>
    </message>
    <message>
        <source>Select a player from the list to Ban first</source>
        <translation>Sélectionnez d&apos;abord dans la liste le joueur à bannir</translation>
    </message>
    <message>
        <source>Only Ban with Rcon access, not in Query Mode</source>
        <translation>Bannissement possible uniquement avec l&apos;accès RCON, pas en mode Query</translation>
    </message>
    <message>
        <source>Select a player from the list to temporary Ban first</source>
        <translation>Sélectionnez d&apos;abord dans la liste le joueur à bannir temporairement</translation>
    </message>
    <message>
        <source>Only Temp Ban with Rcon access, not in Query Mode</source>
        <translation>Bannissement temporaire possible uniquement avec l&apos;accès RCON, pas en mode Query</translation>
    </message>
    <message>
        <source>Selected player</source>
        <translation>Joueur sélectionné</translation>
    </message>
    <message>
        <source>Kick selected</source>
        <translation>Expulser</translation>
    </message>
    <message>
        <source>Ban selected</source>
        <translation>Bannir</translation>
    </message>
    <message>
        <source>Temp Ban selected</source>
        <translation>Bannir temporairement</translation>
    </message>
    <message>
        <source>Send message</source>
        <translation>Envoyer un message</translation>
    </message>
    <message>
        <source>No player</source>
        <translation>Aucun joueur</translation>
    </message>
    <message>
        <source>Need Rcon Access</source>
        <translation>Accès RCON requis</translation>
    </message>
    <message>
        <source>Player left</source>
        <translation>Joueur parti</translation>
    </message>
    <message>
        <source>Can only send message to an individual with the RCON access
Populate players without Query Mode ticked</source>
        <translation>Un message à un seul joueur n&apos;est possible qu&apos;avec l&apos;accès RCON
Relisez la liste des joueurs sans cocher le mode Query</translation>
    </message>
    <message>
        <source>Need Player ID</source>
        <translation>ID du joueur requis</translation>
    </message>
    <message>
        <source>Select a player from the list to send private to</source>
        <translation>Sélectionnez dans la liste le joueur destinataire du message privé</translation>
    </message>
    <message>
        <source>Enter message to send selected player
( Note: Use %P% to auto full playername)</source>
        <translation>Saisissez le message pour le joueur sélectionné
(Remarque : %P% est remplacé par le nom complet du joueur)</translation>
    </message>
    <message>
        <source>Enter Message</source>
        <translation>Saisir le message</translation>
    </message>
</context>
<context>
    <name>PlayerGrid</name>
    <message>
        <source>Num</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Guid</source>
        <translation>GUID</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Qport</source>
        <translation>Qport</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Last Message</source>
        <translation>Dernier message</translation>
    </message>
    <message>
        <source>Players on the server at last Populate</source>
        <translation>Joueurs présents sur le serveur à la dernière lecture</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
</context>
<context>
    <name>PlayerHistoryPanel</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Player history</source>
        <translation>Historique du joueur</translation>
    </message>
    <message>
        <source>No history is kept (Preferences).</source>
        <translation>Aucun historique n&apos;est conservé (Préférences).</translation>
    </message>
    <message>
        <source>Select a player to see what the history knows of them.</source>
        <translation>Sélectionnez un joueur pour voir ce que l&apos;historique sait de lui.</translation>
    </message>
    <message>
        <source>Looking up...</source>
        <translation>Recherche...</translation>
    </message>
</context>
<context>
    <name>PlayerHistoryText</name>
    <message>
        <source>kick</source>
        <translation>expulsion</translation>
    </message>
    <message>
        <source>ban</source>
        <translation>bannissement</translation>
    </message>
    <message>
        <source>tempban</source>
        <translation>bannissement temporaire</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>accepté</translation>
    </message>
    <message>
        <source>taken at next map</source>
        <translation>accepté à la prochaine carte</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non envoyé</translation>
    </message>
    <message>
        <source>Not seen before.</source>
        <translation>Jamais vu auparavant.</translation>
    </message>
    <message>
        <source>First seen: %1</source>
        <translation>Vu pour la première fois : %1</translation>
    </message>
    <message>
        <source>Last seen: %1</source>
        <translation>Vu pour la dernière fois : %1</translation>
    </message>
    <message>
        <source>No other names.</source>
        <translation>Aucun autre nom.</translation>
    </message>
    <message>
        <source>Also seen as: %1</source>
        <translation>Vu aussi sous : %1</translation>
    </message>
    <message>
        <source>No kicks or bans.</source>
        <translation>Aucune expulsion ni aucun bannissement.</translation>
    </message>
    <message>
        <source>Kicks and bans:</source>
        <translation>Expulsions et bannissements :</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>aucun motif indiqué</translation>
    </message>
    <message>
        <source>%1 %2 (%3, %4): %5</source>
        <translation>%1 %2 (%3, %4) : %5</translation>
    </message>
</context>
<context>
    <name>PlayerListing</name>
    <message>
        <source>You need to connect to a server first</source>
        <translation>Vous devez d&apos;abord vous connecter à un serveur</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Asking server for player list...</source>
        <translation>Demande de la liste des joueurs au serveur...</translation>
    </message>
    <message>
        <source>No response from server in 5 seconds with standard Query method</source>
        <translation>Aucune réponse du serveur en 5 secondes avec la méthode Query standard</translation>
    </message>
    <message>
        <source>No response</source>
        <translation>Pas de réponse</translation>
    </message>
    <message>
        <source>No players on server</source>
        <translation>Aucun joueur sur le serveur</translation>
    </message>
    <message>
        <source>No players</source>
        <translation>Aucun joueur</translation>
    </message>
    <message>
        <source>The server is not responding quickly enough<byte value="xd"/>Try populate again</source>
        <translation>Le serveur ne répond pas assez vite<byte value="xd"/>Relancez la lecture</translation>
    </message>
    <message>
        <source>Slow Server Response</source>
        <translation>Réponse lente du serveur</translation>
    </message>
    <message>
        <source>The server answered, but not with a player list:<byte value="xd"/>%1</source>
        <translation>Le serveur a répondu, mais pas avec une liste de joueurs :<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Unreadable reply</source>
        <translation>Réponse illisible</translation>
    </message>
</context>
<context>
    <name>PlayerSearchDialog</name>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>part of a name, or an address</source>
        <translation>partie d&apos;un nom, ou une adresse</translation>
    </message>
    <message>
        <source>&amp;Find player</source>
        <translation>&amp;Trouver un joueur</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Players found</source>
        <translation>Joueurs trouvés</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Guid</source>
        <translation>GUID</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Serveurs</translation>
    </message>
    <message>
        <source>First seen</source>
        <translation>Vu la première fois</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Vu la dernière fois</translation>
    </message>
    <message>
        <source>No history is kept (Preferences).</source>
        <translation>Aucun historique n&apos;est conservé (Préférences).</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Recherche...</translation>
    </message>
    <message>
        <source>No player found.</source>
        <translation>Aucun joueur trouvé.</translation>
    </message>
    <message>
        <source>1 player found.</source>
        <translation>1 joueur trouvé.</translation>
    </message>
    <message>
        <source>%1 players found.</source>
        <translation>%1 joueurs trouvés.</translation>
    </message>
</context>
<context>
    <name>PlayersPage</name>
    <message>
        <source>Populate from server</source>
        <translation>Lire depuis le serveur</translation>
    </message>
    <message>
        <source>Get current player list from server</source>
        <translation>Récupérer la liste actuelle des joueurs depuis le serveur</translation>
    </message>
    <message>
        <source>Remove colour id</source>
        <translation>Retirer les codes couleur</translation>
    </message>
    <message>
        <source>This will remove the ^n from the player names to make them more readable</source>
        <translation>Retire les ^n des noms des joueurs pour les rendre plus lisibles</translation>
    </message>
    <message>
        <source>Removes ^n from names on populate. If changed then call Populate again</source>
        <translation>Retire les ^n des noms à la lecture. Après un changement, relancez la lecture</translation>
    </message>
    <message>
        <source>Query Mode</source>
        <translation>Mode Query</translation>
    </message>
    <message>
        <source>If populate keeps timing out (usually when fairly full servers) then use Query mode to return basic player details. This is a UDP fragmented packets problem where routers do not allow the fragmented packets through in case a DOS attack</source>
        <translation>Si la lecture échoue sans cesse faute de réponse (souvent sur des serveurs bien remplis), le mode Query renvoie les informations de base des joueurs. Le problème vient des paquets UDP fragmentés que les routeurs bloquent par crainte d&apos;une attaque DoS</translation>
    </message>
    <message>
        <source>Auto Update</source>
        <translation>Mise à jour auto</translation>
    </message>
    <message>
        <source>Auto Update list, interval taken from Preferences...</source>
        <translation>Mettre à jour la liste automatiquement, intervalle pris dans les préférences...</translation>
    </message>
    <message>
        <source>Auto update player list, see Preferences for interval</source>
        <translation>Mise à jour automatique de la liste des joueurs, intervalle dans les préférences</translation>
    </message>
    <message>
        <source>Select Column to sort on</source>
        <translation>Choisir la colonne de tri</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Guid</source>
        <translation>GUID</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Sort on</source>
        <translation>Trier par</translation>
    </message>
    <message>
        <source>Players on the server</source>
        <translation>Joueurs sur le serveur</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Vostrel - Preferences</source>
        <translation>Vostrel - Préférences</translation>
    </message>
    <message>
        <source>General Options</source>
        <translation>Options générales</translation>
    </message>
    <message>
        <source>&amp;Auto save RCON window on exit</source>
        <translation>Enregistrer la fenêtre RCON en quittant</translation>
    </message>
    <message>
        <source>Auto save &amp;Messages on exit</source>
        <translation>Enregistrer les messages en quittant</translation>
    </message>
    <message>
        <source>C&amp;lear RCON window on new server</source>
        <translation>Vider la fenêtre RCON au changement de serveur</translation>
    </message>
    <message>
        <source>Clear Messages on &amp;new server</source>
        <translation>Vider les messages au changement de serveur</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>Options des joueurs</translation>
    </message>
    <message>
        <source>&amp;Remove Colour ID&apos;s</source>
        <translation>Retirer les codes couleur</translation>
    </message>
    <message>
        <source>Use &amp;Query mode for populate</source>
        <translation>Utiliser le mode Query pour la lecture</translation>
    </message>
    <message>
        <source>Auto &amp;Update player list</source>
        <translation>Mettre à jour la liste des joueurs automatiquement</translation>
    </message>
    <message>
        <source>Number of seconds between refreshes</source>
        <translation>Nombre de secondes entre les actualisations</translation>
    </message>
    <message>
        <source>Auto &amp;Kick 999 players</source>
        <translation>Expulser automatiquement les joueurs à ping 999</translation>
    </message>
    <message>
        <source>Number of checks before kick</source>
        <translation>Nombre de vérifications avant l&apos;expulsion</translation>
    </message>
    <message>
        <source>Auto Server Options</source>
        <translation>Options automatiques du serveur</translation>
    </message>
    <message>
        <source>Auto c&amp;onnect on startup</source>
        <translation>Se connecter au démarrage</translation>
    </message>
    <message>
        <source>S&amp;tart messages on startup</source>
        <translation>Lancer le cycle de messages au démarrage</translation>
    </message>
    <message>
        <source>Server &amp;IP</source>
        <translation>IP du serveur</translation>
    </message>
    <message>
        <source>Server &amp;Port</source>
        <translation>Port du serveur</translation>
    </message>
    <message>
        <source>Rcon pass&amp;word</source>
        <translation>Mot de passe RCON</translation>
    </message>
    <message>
        <source>Messa&amp;ge Set</source>
        <translation>Set de &amp;messages</translation>
    </message>
    <message>
        <source>Message Inter&amp;val</source>
        <translation>Intervalle du c&amp;ycle</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Failed to write new %1 to INI file<byte value="xd"/>Error code %2 Descr: %3</source>
        <translation>Impossible d&apos;écrire %1 dans le fichier INI<byte value="xd"/>Code d&apos;erreur %2 Descr. : %3</translation>
    </message>
    <message>
        <source>INI Write Fail</source>
        <translation>Échec d&apos;écriture INI</translation>
    </message>
    <message>
        <source>Server IP</source>
        <translation>IP du serveur</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>Port du serveur</translation>
    </message>
    <message>
        <source>Rcon password</source>
        <translation>mot de passe RCON</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Save any changes made</source>
        <translation>Enregistrer les modifications effectuées</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>save rcon</source>
        <translation>option d&apos;enregistrement RCON</translation>
    </message>
    <message>
        <source>history settings</source>
        <translation>réglages de l&apos;historique</translation>
    </message>
    <message>
        <source>language</source>
        <translation>langue</translation>
    </message>
    <message>
        <source>Preferences saved.</source>
        <translation>Préférences enregistrées.</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Exit preferences?<byte value="xd"/><byte value="xd"/>This will cancel any changes made<byte value="xd"/><byte value="xd"/>Please select Save first if any changes</source>
        <translation>Quitter les préférences ?<byte value="xd"/><byte value="xd"/>Les modifications effectuées seront annulées<byte value="xd"/><byte value="xd"/>Veuillez d&apos;abord enregistrer si vous avez modifié quelque chose</translation>
    </message>
    <message>
        <source>Have you Saved?</source>
        <translation>Avez-vous enregistré ?</translation>
    </message>
    <message>
        <source>At start-up</source>
        <translation>Au démarrage</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>The text holds characters the settings file (Windows-1252) cannot keep: %1</source>
        <translation>Le texte contient des caractères que le fichier de réglages (Windows-1252) ne peut pas conserver : %1</translation>
    </message>
    <message>
        <source>The settings file could not be read, so it was left as it is: %1</source>
        <translation>Le fichier de réglages n&apos;a pas pu être lu, il a donc été laissé tel quel : %1</translation>
    </message>
    <message>
        <source>The settings file is read-only</source>
        <translation>Le fichier de réglages est en lecture seule</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>ProgressNotice</name>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Ne plus demander</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Motif :</translation>
    </message>
    <message>
        <source>Log files (*.%1)</source>
        <translation>Fichiers journaux (*.%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>RconClient</name>
    <message>
        <source>command</source>
        <translation>commande</translation>
    </message>
    <message>
        <source>The %1 holds characters the game server cannot show: %2<byte value="xd"/>Nothing was sent. Please use only the characters of Western European text (Windows-1252).</source>
        <translation>Le texte (%1) contient des caractères que le serveur de jeu ne peut pas afficher : %2<byte value="xd"/>Rien n&apos;a été envoyé. Veuillez n&apos;utiliser que les caractères d&apos;Europe occidentale (Windows-1252).</translation>
    </message>
    <message>
        <source>The %1 is %2 characters long; one request holds at most %3.<byte value="xd"/>Nothing was sent.</source>
        <translation>Le texte (%1) fait %2 caractères ; une requête en contient au plus %3.<byte value="xd"/>Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Not sent</source>
        <translation>Non envoyé</translation>
    </message>
    <message>
        <source>Please connect to a server first!</source>
        <translation>Veuillez d&apos;abord vous connecter à un serveur !</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>No route to server, are you sure your connected to the Internet!</source>
        <translation>Aucune route vers le serveur, vérifiez votre connexion à Internet !</translation>
    </message>
    <message>
        <source>No Route</source>
        <translation>Aucune route</translation>
    </message>
    <message>
        <source>No response from server in 15 seconds
Could be server loading map! or 
Fragmented UDP packets which routers do not pass on
Try again...</source>
        <translation>Pas de réponse du serveur en 15 secondes
Le serveur charge peut-être une carte, ou 
des paquets UDP fragmentés sont bloqués par les routeurs
Réessayez...</translation>
    </message>
    <message>
        <source>No response</source>
        <translation>Pas de réponse</translation>
    </message>
    <message>
        <source>Data returned is to large for buffers<byte value="xd"/>Truncated after 8192 bytes<byte value="xd"/>I bet you did CVARLIST ;)</source>
        <translation>Les données reçues sont trop volumineuses pour les tampons<byte value="xd"/>Tronquées après 8192 octets<byte value="xd"/>Je parie que vous avez lancé CVARLIST ;)</translation>
    </message>
    <message>
        <source>Truncated data</source>
        <translation>Données tronquées</translation>
    </message>
    <message>
        <source>&gt;&gt;RCON sent [%1] %2</source>
        <translation>&gt;&gt;RCON envoyé [%1] %2</translation>
    </message>
</context>
<context>
    <name>Request</name>
    <message>
        <source>console command</source>
        <translation>commande console</translation>
    </message>
</context>
<context>
    <name>RotationNotes</name>
    <message>
        <source>Map Rotation;</source>
        <translation>Rotation des cartes :</translation>
    </message>
    <message>
        <source>Top box is the Map rotation seen when Vostrel connected to server.</source>
        <translation>La zone du haut montre la rotation lue à la connexion de Vostrel au serveur.</translation>
    </message>
    <message>
        <source>Bottom Box is the EDIT area for you to type a TEMPORARY Map rotation.</source>
        <translation>La zone du bas est la zone ÉDITION, où saisir une rotation TEMPORAIRE.</translation>
    </message>
    <message>
        <source>(This could be useful to setup for a match so next map is right one)</source>
        <translation>(Utile pour préparer un match afin que la carte suivante soit la bonne)</translation>
    </message>
    <message>
        <source>When the EDIT rotation has finished the server reverts to TOP box rotation</source>
        <translation>Une fois la rotation ÉDITION terminée, le serveur revient à celle de la zone du HAUT</translation>
    </message>
    <message>
        <source>Best way for matches is set the two maps you want in EDIT box and then do</source>
        <translation>Pour un match, le mieux est de mettre les deux cartes voulues dans la zone ÉDITION puis de lancer</translation>
    </message>
    <message>
        <source>a map restart command. That will end current map and start with first in EDIT.</source>
        <translation>un redémarrage de la carte. Cela termine la carte en cours et lance la première de la zone ÉDITION.</translation>
    </message>
    <message>
        <source>Button &quot;Default -&gt; EDIT&quot; pastes the default into the Edit box.</source>
        <translation>Le bouton « Défaut -&gt; ÉDITION » copie la rotation par défaut dans la zone ÉDITION.</translation>
    </message>
    <message>
        <source>Button &quot;Clear EDIT&quot; empties the EDIT box</source>
        <translation>Le bouton « Vider ÉDITION » vide la zone ÉDITION</translation>
    </message>
    <message>
        <source>Button &quot;Set Server to Default&quot; resets the server to the Default Map</source>
        <translation>Le bouton « Remettre le serveur par défaut » remet sur le serveur la rotation</translation>
    </message>
    <message>
        <source>Rotation in top box.</source>
        <translation>par défaut de la zone du haut.</translation>
    </message>
    <message>
        <source>Button &quot;Set server to EDIT&quot; sets the server to the map rotation in</source>
        <translation>Le bouton « Appliquer ÉDITION au serveur » applique au serveur la rotation de la</translation>
    </message>
    <message>
        <source>Bottom box.</source>
        <translation>zone du bas.</translation>
    </message>
    <message>
        <source>Do not prefix text with rcon variable, I will do that.</source>
        <translation>Ne faites pas précéder le texte de la variable RCON, Vostrel s&apos;en charge.</translation>
    </message>
    <message>
        <source>Please ensure you format the line correctly !!!</source>
        <translation>Veillez à formater la ligne correctement !!!</translation>
    </message>
    <message>
        <source>Format is;</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>GAMETYPE xxx MAP xxxxxx  repeating</source>
        <translation>gametype xxx map xxxxxx  (répété)</translation>
    </message>
    <message>
        <source>Where xxx is the gametype prefix, DM, TDM, SD, RE, HQ, BEL or Modprefix</source>
        <translation>où xxx est le préfixe du mode de jeu : DM, TDM, SD, RE, HQ, BEL ou celui du mod</translation>
    </message>
    <message>
        <source>xxxxxx is the map name, for example; mp_pavlov</source>
        <translation>et xxxxxx le nom de la carte, par exemple mp_pavlov</translation>
    </message>
</context>
<context>
    <name>SavedServersController</name>
    <message>
        <source>Need a Server, Port and password to be present to save</source>
        <translation>Il faut un serveur, un port et un mot de passe pour enregistrer</translation>
    </message>
    <message>
        <source>In complete details</source>
        <translation>Informations incomplètes</translation>
    </message>
</context>
<context>
    <name>ServerDetailsPlan</name>
    <message>
        <source>Asking server for status</source>
        <translation>Demande de l&apos;état du serveur</translation>
    </message>
    <message>
        <source>Asking server for Map rotation</source>
        <translation>Demande de la rotation des cartes</translation>
    </message>
    <message>
        <source>Server has no CFG files - Disabling fields...</source>
        <translation>Le serveur n&apos;a aucun fichier CFG - désactivation des champs...</translation>
    </message>
    <message>
        <source>Asking server for cfg files</source>
        <translation>Demande des fichiers CFG</translation>
    </message>
</context>
<context>
    <name>ServerEditDialog</name>
    <message>
        <source>Vostrel - Server</source>
        <translation>Vostrel - Serveur</translation>
    </message>
    <message>
        <source>host name or IP address</source>
        <translation>nom d&apos;hôte ou adresse IP</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>facultatif</translation>
    </message>
    <message>
        <source>Connect at &amp;start</source>
        <translation>Se connecter au &amp;démarrage</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse :</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <source>RCON pass&amp;word:</source>
        <translation>&amp;Mot de passe RCON :</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>Type the server&apos;s address: a host name or an IP address.</source>
        <translation>Saisissez l&apos;adresse du serveur : un nom d&apos;hôte ou une adresse IP.</translation>
    </message>
    <message>
        <source>The address cannot hold spaces.</source>
        <translation>L&apos;adresse ne peut pas contenir d&apos;espaces.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Le port doit être un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <source>The address holds characters the settings file cannot keep: %1</source>
        <translation>L&apos;adresse contient des caractères que le fichier de réglages ne peut pas conserver : %1</translation>
    </message>
    <message>
        <source>The RCON password holds characters the settings file cannot keep: %1</source>
        <translation>Le mot de passe RCON contient des caractères que le fichier de réglages ne peut pas conserver : %1</translation>
    </message>
    <message>
        <source>The name holds characters the settings file cannot keep: %1</source>
        <translation>Le nom contient des caractères que le fichier de réglages ne peut pas conserver : %1</translation>
    </message>
</context>
<context>
    <name>ServerListPanel</name>
    <message>
        <source>name or address</source>
        <translation>nom ou adresse</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Chercher :</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Serveurs</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>Remove %1 from the server list?</source>
        <translation>Retirer %1 de la liste des serveurs ?</translation>
    </message>
    <message>
        <source>Remove server</source>
        <translation>Retirer le serveur</translation>
    </message>
    <message>
        <source>Vostrel - Edit server</source>
        <translation>Vostrel - Modifier le serveur</translation>
    </message>
    <message>
        <source>Vostrel - Add server</source>
        <translation>Vostrel - Ajouter un serveur</translation>
    </message>
</context>
<context>
    <name>ServerPage</name>
    <message>
        <source>The server is not responding quickly enough<byte value="xd"/>Try populate again</source>
        <translation>Le serveur ne répond pas assez vite<byte value="xd"/>Relancez la lecture</translation>
    </message>
    <message>
        <source>Server password</source>
        <translation>Mot de passe du serveur</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Reading variables from the server...</source>
        <translation>Lecture des variables du serveur...</translation>
    </message>
    <message>
        <source>Slow Server Response</source>
        <translation>Réponse lente du serveur</translation>
    </message>
    <message>
        <source>Send settings to server?</source>
        <translation>Envoyer les réglages au serveur ?</translation>
    </message>
    <message>
        <source>Use the Remove button to clear the server password</source>
        <translation>Utilisez le bouton Supprimer pour effacer le mot de passe du serveur</translation>
    </message>
    <message>
        <source>No password given</source>
        <translation>Aucun mot de passe saisi</translation>
    </message>
</context>
<context>
    <name>ServerRecords</name>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>The server refused the RCON password (it may have been changed)</source>
        <translation>Le serveur a refusé le mot de passe RCON (il a peut-être été modifié)</translation>
    </message>
    <message>
        <source>Password refused</source>
        <translation>Mot de passe refusé</translation>
    </message>
</context>
<context>
    <name>SlotCheck</name>
    <message>
        <source>%1 is no longer in slot %2 (the slot is empty)</source>
        <translation>%1 n&apos;est plus dans le slot %2 (le slot est vide)</translation>
    </message>
    <message>
        <source>%1 is no longer in slot %2 (%3 is there now)</source>
        <translation>%1 n&apos;est plus dans le slot %2 (%3 l&apos;occupe maintenant)</translation>
    </message>
</context>
<context>
    <name>UoMiscPage</name>
    <message>
        <source>Reading variables from the server...<byte value="xd"/>
United Offensive...</source>
        <translation>Lecture des variables du serveur...<byte value="xd"/>
United Offensive...</translation>
    </message>
    <message>
        <source>Send United Offensive weapon settings to server?</source>
        <translation>Envoyer les réglages d&apos;armes United Offensive au serveur ?</translation>
    </message>
    <message>
        <source>United Offensive %1 updated.</source>
        <translation>United Offensive : %1 mis à jour.</translation>
    </message>
</context>
<context>
    <name>UoModesPage</name>
    <message>
        <source>United Offensive instant game mode switch</source>
        <translation>United Offensive : changement immédiat du mode de jeu</translation>
    </message>
</context>
<context>
    <name>WeaponsPage</name>
    <message>
        <source>Rifles Only</source>
        <translation>Fusils seulement</translation>
    </message>
    <message>
        <source>No Snipers</source>
        <translation>Pas de snipers</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>De-select all</source>
        <translation>Tout décocher</translation>
    </message>
    <message>
        <source>Reading variables from the server...<byte value="xd"/>
%1</source>
        <translation>Lecture des variables du serveur...<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Send weapon settings to server?</source>
        <translation>Envoyer les réglages d&apos;armes au serveur ?</translation>
    </message>
    <message>
        <source>%1 updated.</source>
        <translation>%1 mis à jour.</translation>
    </message>
    <message>
        <source>Set weapons to rifles only on server?<byte value="xd"/>Screen will reflect changes</source>
        <translation>Limiter les armes du serveur aux fusils ?<byte value="xd"/>L&apos;écran reflétera les changements</translation>
    </message>
    <message>
        <source>Rifles only?</source>
        <translation>Fusils seulement ?</translation>
    </message>
    <message>
        <source>Server set to rifles only</source>
        <translation>Serveur limité aux fusils</translation>
    </message>
    <message>
        <source>Disable snipers on server</source>
        <translation>Désactiver les snipers sur le serveur</translation>
    </message>
    <message>
        <source>No snipers set on server.</source>
        <translation>Snipers désactivés sur le serveur.</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>server &amp;address</source>
        <translation>&amp;adresse du serveur</translation>
    </message>
    <message>
        <source>p&amp;ort</source>
        <translation>p&amp;ort</translation>
    </message>
    <message>
        <source>rcon pass&amp;word</source>
        <translation>&amp;mot de passe RCON</translation>
    </message>
    <message>
        <source>&amp;Responses from server</source>
        <translation>&amp;Réponses du serveur</translation>
    </message>
    <message>
        <source>Messa&amp;ges:</source>
        <translation>Messa&amp;ges :</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <source>Get Stat&amp;us</source>
        <translation>Obtenir l&apos;ét&amp;at</translation>
    </message>
    <message>
        <source>Get Server &amp;Info</source>
        <translation>&amp;Infos du serveur</translation>
    </message>
    <message>
        <source>Rcon &amp;Direct</source>
        <translation>RCON &amp;direct</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>COD Modes</source>
        <translation>Modes COD</translation>
    </message>
    <message>
        <source>Maps</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Weapons</source>
        <translation>Armes</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Mods</source>
        <translation>Mods</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>UO: Modes</source>
        <translation>UO : Modes</translation>
    </message>
    <message>
        <source>UO: Misc</source>
        <translation>UO : Divers</translation>
    </message>
    <message>
        <source>Last refusal</source>
        <translation>Dernier refus</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupé</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Withdraw the commands waiting to go and the one under way</source>
        <translation>Retirer les commandes en attente et celle en cours</translation>
    </message>
    <message>
        <source>game type %1</source>
        <translation>mode de jeu %1</translation>
    </message>
    <message>
        <source>map %1</source>
        <translation>carte %1</translation>
    </message>
    <message>
        <source>New server</source>
        <translation>Nouveau serveur</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Connecting to %1</source>
        <translation>Connexion à %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Connecté à %1</translation>
    </message>
    <message>
        <source>Connected to %1, %2</source>
        <translation>Connecté à %1, %2</translation>
    </message>
    <message>
        <source>Time: %1 %2</source>
        <translation>Heure : %1 %2</translation>
    </message>
</context>
<context>
    <name>bound</name>
    <message>
        <source>You need to connect to a server first</source>
        <translation>Vous devez d&apos;abord vous connecter à un serveur</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>Only changed values will be sent.</source>
        <translation>%1<byte value="xd"/>Seules les valeurs modifiées seront envoyées.</translation>
    </message>
    <message>
        <source>Send to Server?</source>
        <translation>Envoyer au serveur ?</translation>
    </message>
    <message>
        <source>Slow Server Response</source>
        <translation>Réponse lente du serveur</translation>
    </message>
    <message>
        <source>Populate from server</source>
        <translation>Lire depuis le serveur</translation>
    </message>
    <message>
        <source>Check existing settings on server and sets below fields up</source>
        <translation>Lit les réglages actuels du serveur et remplit les champs ci-dessous</translation>
    </message>
    <message>
        <source>Send current to server</source>
        <translation>Envoyer au serveur</translation>
    </message>
    <message>
        <source>Send setting to server, blanks will be ignored.</source>
        <translation>Envoie les réglages au serveur ; les champs vides sont ignorés.</translation>
    </message>
</context>
<context>
    <name>clanbase</name>
    <message>
        <source>Are you sure you want to set as Clan Base rules<byte value="xd"/>Check popup rules to see what variables will change</source>
        <translation>Voulez-vous vraiment appliquer les règles Clan Base ?<byte value="xd"/>Consultez les règles affichées pour voir les variables modifiées</translation>
    </message>
    <message>
        <source>Change settings?</source>
        <translation>Modifier les réglages ?</translation>
    </message>
    <message>
        <source>Clan Base Rules <byte value="xd"/>
All matches should be played with the following server settings: <byte value="xd"/>
</source>
        <translation>Règles Clan Base <byte value="xd"/>
Tous les matchs doivent être joués avec les réglages de serveur suivants : <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Setting server to Clanbase rules.....</source>
        <translation>Application des règles Clan Base au serveur.....</translation>
    </message>
</context>
<context>
    <name>classicmodes</name>
    <message>
        <source>Time limit has to be a number of minutes (0 - 1440)</source>
        <translation>La limite de temps doit être un nombre de minutes (0 - 1440)</translation>
    </message>
    <message>
        <source>Usually left to Score limit to allow a team to reach , say a score of 10 </source>
        <translation>Généralement laissé à la limite de score, pour qu&apos;une équipe atteigne par exemple 10 points </translation>
    </message>
    <message>
        <source>Number of minutes (0 - 1440) 0 is unlimited</source>
        <translation>Nombre de minutes (0 - 1440), 0 = illimité</translation>
    </message>
    <message>
        <source>Time limit has to be a positive number of minutes</source>
        <translation>La limite de temps doit être un nombre positif de minutes</translation>
    </message>
    <message>
        <source>Search &amp;&amp; Destroy settings</source>
        <translation>Réglages Search &amp;&amp; Destroy</translation>
    </message>
    <message>
        <source>Grace Period</source>
        <translation>Délai de grâce</translation>
    </message>
    <message>
        <source>scr_sd_graceperiod (Default 15) </source>
        <translation>scr_sd_graceperiod (défaut 15) </translation>
    </message>
    <message>
        <source>S&amp;D Grace period updated to %1</source>
        <translation>S&amp;D : délai de grâce mis à %1</translation>
    </message>
    <message>
        <source>Grace period has to be a number of seconds</source>
        <translation>Le délai de grâce doit être un nombre de secondes</translation>
    </message>
    <message>
        <source>Round Length</source>
        <translation>Durée de manche</translation>
    </message>
    <message>
        <source>scr_sd_roundlength  (Default 4)</source>
        <translation>scr_sd_roundlength  (défaut 4)</translation>
    </message>
    <message>
        <source>S&amp;D Round length updated to %1</source>
        <translation>S&amp;D : durée de manche mise à %1</translation>
    </message>
    <message>
        <source>Round length has to be a positive number of minutes</source>
        <translation>La durée de manche doit être un nombre positif de minutes</translation>
    </message>
    <message>
        <source>Round Limit</source>
        <translation>Limite de manches</translation>
    </message>
    <message>
        <source>scr_sd_roundlimit (Default 0)</source>
        <translation>scr_sd_roundlimit (défaut 0)</translation>
    </message>
    <message>
        <source>S&amp;D Round limit updated to %1</source>
        <translation>S&amp;D : limite de manches mise à %1</translation>
    </message>
    <message>
        <source>Round limit has to be a number of round wins (0=unlimited)</source>
        <translation>La limite de manches doit être un nombre de manches gagnées (0=illimité)</translation>
    </message>
    <message>
        <source>Score Limit</source>
        <translation>Limite de score</translation>
    </message>
    <message>
        <source>scr_sd_scorelimit (Default 10)</source>
        <translation>scr_sd_scorelimit (défaut 10)</translation>
    </message>
    <message>
        <source>S&amp;D Score limit updated to %1</source>
        <translation>S&amp;D : limite de score mise à %1</translation>
    </message>
    <message>
        <source>Score limit has to be a number of round wins</source>
        <translation>La limite de score doit être un nombre de manches gagnées</translation>
    </message>
    <message>
        <source>Map Time limit</source>
        <translation>Limite de temps de la carte</translation>
    </message>
    <message>
        <source>scr_sd_timelimit (Default 0)</source>
        <translation>scr_sd_timelimit (défaut 0)</translation>
    </message>
    <message>
        <source>S&amp;D Time limit updated to %1</source>
        <translation>S&amp;D : limite de temps mise à %1</translation>
    </message>
    <message>
        <source>Retrieval settings</source>
        <translation>Réglages Retrieval</translation>
    </message>
    <message>
        <source>scr_re_graceperiod (Default 15) </source>
        <translation>scr_re_graceperiod (défaut 15) </translation>
    </message>
    <message>
        <source>Retrieval Grace period updated to %1</source>
        <translation>Retrieval : délai de grâce mis à %1</translation>
    </message>
    <message>
        <source>scr_re_roundlength  (Default 4)</source>
        <translation>scr_re_roundlength  (défaut 4)</translation>
    </message>
    <message>
        <source>Retrieval Round length updated to %1</source>
        <translation>Retrieval : durée de manche mise à %1</translation>
    </message>
    <message>
        <source>scr_re_roundlimit (Default 0)</source>
        <translation>scr_re_roundlimit (défaut 0)</translation>
    </message>
    <message>
        <source>Retrieval Round limit updated to %1</source>
        <translation>Retrieval : limite de manches mise à %1</translation>
    </message>
    <message>
        <source>scr_re_scorelimit (Default 10)</source>
        <translation>scr_re_scorelimit (défaut 10)</translation>
    </message>
    <message>
        <source>Retrieval Score limit updated to %1</source>
        <translation>Retrieval : limite de score mise à %1</translation>
    </message>
    <message>
        <source>scr_re_timelimit (Default 0)</source>
        <translation>scr_re_timelimit (défaut 0)</translation>
    </message>
    <message>
        <source>Retrieval Time limit updated to %1</source>
        <translation>Retrieval : limite de temps mise à %1</translation>
    </message>
    <message>
        <source>Show carrier</source>
        <translation>Montrer le porteur</translation>
    </message>
    <message>
        <source>scr_re_showcarrier (Default 0 = No) </source>
        <translation>scr_re_showcarrier (défaut 0 = Non) </translation>
    </message>
    <message>
        <source>Show Carrie of object 0=No, 1=Yes</source>
        <translation>Montrer le porteur de l&apos;objet 0=Non, 1=Oui</translation>
    </message>
    <message>
        <source>Retrieval object carrier updated to %1</source>
        <translation>Retrieval : porteur de l&apos;objet mis à %1</translation>
    </message>
    <message>
        <source>Show object carrier has to be 0 (No) or 1 (Yes)</source>
        <translation>Montrer le porteur doit valoir 0 (Non) ou 1 (Oui)</translation>
    </message>
    <message>
        <source>Behind enemy lines settings</source>
        <translation>Réglages Behind Enemy Lines</translation>
    </message>
    <message>
        <source>Map score limit</source>
        <translation>Limite de score de la carte</translation>
    </message>
    <message>
        <source>scr_bel_scorelimit (Default 100)</source>
        <translation>scr_bel_scorelimit (défaut 100)</translation>
    </message>
    <message>
        <source>BEL score limit updated to %1</source>
        <translation>BEL : limite de score mise à %1</translation>
    </message>
    <message>
        <source>Score limit has to be a number</source>
        <translation>La limite de score doit être un nombre</translation>
    </message>
    <message>
        <source>Time limit</source>
        <translation>Limite de temps</translation>
    </message>
    <message>
        <source>scr_bel_timelimit (Default 30 minutes)</source>
        <translation>scr_bel_timelimit (défaut 30 minutes)</translation>
    </message>
    <message>
        <source>Time limit in minutes</source>
        <translation>Limite de temps en minutes</translation>
    </message>
    <message>
        <source>BEL time limit updated to %1</source>
        <translation>BEL : limite de temps mise à %1</translation>
    </message>
    <message>
        <source>Number of seconds alive to score point as allied</source>
        <translation>Secondes en vie pour marquer un point côté alliés</translation>
    </message>
    <message>
        <source>scr_bel_alivepointtime (Default 10)</source>
        <translation>scr_bel_alivepointtime (défaut 10)</translation>
    </message>
    <message>
        <source>BEL time alive as allied bonus updated to %1</source>
        <translation>BEL : bonus de temps en vie côté alliés mis à %1</translation>
    </message>
    <message>
        <source>Deathmatch settings</source>
        <translation>Réglages Deathmatch</translation>
    </message>
    <message>
        <source>scr_dm_scorelimit (Default 50)</source>
        <translation>scr_dm_scorelimit (défaut 50)</translation>
    </message>
    <message>
        <source>DM score limit updated to %1</source>
        <translation>DM : limite de score mise à %1</translation>
    </message>
    <message>
        <source>scr_dm_timelimit (Default 30 minutes)</source>
        <translation>scr_dm_timelimit (défaut 30 minutes)</translation>
    </message>
    <message>
        <source>DM time limit updated to %1</source>
        <translation>DM : limite de temps mise à %1</translation>
    </message>
    <message>
        <source>Team deathmatch settings</source>
        <translation>Réglages Team Deathmatch</translation>
    </message>
    <message>
        <source>scr_tdm_scorelimit (Default 100)</source>
        <translation>scr_tdm_scorelimit (défaut 100)</translation>
    </message>
    <message>
        <source>TDM score limit updated to %1</source>
        <translation>TDM : limite de score mise à %1</translation>
    </message>
    <message>
        <source>scr_tdm_timelimit (Default 30 minutes)</source>
        <translation>scr_tdm_timelimit (défaut 30 minutes)</translation>
    </message>
    <message>
        <source>TDM time limit updated to %1</source>
        <translation>TDM : limite de temps mise à %1</translation>
    </message>
    <message>
        <source>Headquarters settings</source>
        <translation>Réglages Headquarters</translation>
    </message>
    <message>
        <source>scr_hq_scorelimit (Default 450)</source>
        <translation>scr_hq_scorelimit (défaut 450)</translation>
    </message>
    <message>
        <source>HQ score limit updated to %1</source>
        <translation>HQ : limite de score mise à %1</translation>
    </message>
    <message>
        <source>scr_hq_timelimit (Default 30 minutes)</source>
        <translation>scr_hq_timelimit (défaut 30 minutes)</translation>
    </message>
    <message>
        <source>HQ time limit updated to %1</source>
        <translation>HQ : limite de temps mise à %1</translation>
    </message>
</context>
<context>
    <name>cycler</name>
    <message>
        <source>cycled message (with the user prefix)</source>
        <translation>message cyclique (avec le préfixe utilisateur)</translation>
    </message>
</context>
<context>
    <name>fleetplans</name>
    <message>
        <source>Sent to several servers: %1</source>
        <translation>Envoyé à plusieurs serveurs : %1</translation>
    </message>
    <message>
        <source>Map restart</source>
        <translation>Redémarrage de la carte</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>accepté</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>refusé : %1</translation>
    </message>
    <message>
        <source>no answer (it may have been applied)</source>
        <translation>pas de réponse (peut-être appliqué quand même)</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non envoyé</translation>
    </message>
    <message>
        <source>%1: %2: %3</source>
        <translation>%1 : %2 : %3</translation>
    </message>
    <message>
        <source>%1: %2: not connected</source>
        <translation>%1 : %2 : non connecté</translation>
    </message>
</context>
<context>
    <name>friendlyfire</name>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Friendly Fire Off</source>
        <translation>Tir ami désactivé</translation>
    </message>
    <message>
        <source>Friendly Fire OFF</source>
        <translation>Tir ami DÉSACTIVÉ</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Friendly Fire On</source>
        <translation>Tir ami activé</translation>
    </message>
    <message>
        <source>Friendly Fire ON</source>
        <translation>Tir ami ACTIVÉ</translation>
    </message>
    <message>
        <source>Reflective</source>
        <translation>Réfléchi</translation>
    </message>
    <message>
        <source>Friendly Fire Reflective damage</source>
        <translation>Tir ami : dégâts réfléchis</translation>
    </message>
    <message>
        <source>Friendly Fire Reflective</source>
        <translation>Tir ami réfléchi</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Partagé</translation>
    </message>
    <message>
        <source>Friendly Fire Shared</source>
        <translation>Tir ami partagé</translation>
    </message>
</context>
<context>
    <name>gametypes</name>
    <message>
        <source>Search &amp;&amp; Destroy</source>
        <translation>Search &amp;&amp; Destroy</translation>
    </message>
    <message>
        <source>Mode changed to SD</source>
        <translation>Mode changé en SD</translation>
    </message>
    <message>
        <source>Behind enemy lines</source>
        <translation>Behind Enemy Lines</translation>
    </message>
    <message>
        <source>Mode changed to BEL</source>
        <translation>Mode changé en BEL</translation>
    </message>
    <message>
        <source>Team Death Match</source>
        <translation>Team Deathmatch</translation>
    </message>
    <message>
        <source>Mode changed to TDM</source>
        <translation>Mode changé en TDM</translation>
    </message>
    <message>
        <source>Retrieval</source>
        <translation>Retrieval</translation>
    </message>
    <message>
        <source>Mode changed to RE</source>
        <translation>Mode changé en RE</translation>
    </message>
    <message>
        <source>Death Match</source>
        <translation>Deathmatch</translation>
    </message>
    <message>
        <source>Mode changed to DM</source>
        <translation>Mode changé en DM</translation>
    </message>
    <message>
        <source>Headquarters</source>
        <translation>Headquarters</translation>
    </message>
    <message>
        <source>Mode changed to HeadQuarters</source>
        <translation>Mode changé en Headquarters</translation>
    </message>
    <message>
        <source>Domination</source>
        <translation>Domination</translation>
    </message>
    <message>
        <source>Mode changed to Domination</source>
        <translation>Mode changé en Domination</translation>
    </message>
    <message>
        <source>Capture the flag</source>
        <translation>Capture the Flag</translation>
    </message>
    <message>
        <source>Mode changed to Capture the flag</source>
        <translation>Mode changé en Capture the Flag</translation>
    </message>
    <message>
        <source>Base Assault</source>
        <translation>Base Assault</translation>
    </message>
    <message>
        <source>Mode changed to Base Assault</source>
        <translation>Mode changé en Base Assault</translation>
    </message>
    <message>
        <source>Set Gametype to HOB</source>
        <translation>Passer en mode HOB</translation>
    </message>
    <message>
        <source>Mode changed to HOB</source>
        <translation>Mode changé en HOB</translation>
    </message>
    <message>
        <source>Game type change to %1</source>
        <translation>Changement du mode de jeu en %1</translation>
    </message>
</context>
<context>
    <name>hob</name>
    <message>
        <source>Show Obituary</source>
        <translation>Afficher les messages de mort</translation>
    </message>
    <message>
        <source>Show Obitory when people Die.</source>
        <translation>Afficher un message quand un joueur meurt.</translation>
    </message>
    <message>
        <source>Show Obituory changed.</source>
        <translation>Messages de mort changés.</translation>
    </message>
    <message>
        <source>Foot / Leg shot </source>
        <translation>Tir au pied / à la jambe </translation>
    </message>
    <message>
        <source>Enable/Disable Foot/Leg tripping Code.</source>
        <translation>Active/désactive la chute sur tir au pied ou à la jambe.</translation>
    </message>
    <message>
        <source>Foot/Leg shot changed.</source>
        <translation>Tir au pied/à la jambe changé.</translation>
    </message>
    <message>
        <source>Wave respawn</source>
        <translation>Réapparition par vagues</translation>
    </message>
    <message>
        <source>Wave respawn time interval, 1 to 30 seconds</source>
        <translation>Intervalle de réapparition par vagues, 1 à 30 secondes</translation>
    </message>
    <message>
        <source>Wave respawn changed to [%1]</source>
        <translation>Réapparition par vagues changée en [%1]</translation>
    </message>
    <message>
        <source>Drop weapon on arm/leg shot</source>
        <translation>Lâcher l&apos;arme sur tir au bras/à la jambe</translation>
    </message>
    <message>
        <source>Drop the weapon when shot in arm.</source>
        <translation>Lâcher l&apos;arme quand le bras est touché.</translation>
    </message>
    <message>
        <source>Drop weapon on arm/leg shot changed.</source>
        <translation>Lâcher l&apos;arme sur tir au bras/à la jambe changé.</translation>
    </message>
    <message>
        <source>Shell shock from nearby grenades</source>
        <translation>Choc des grenades proches</translation>
    </message>
    <message>
        <source>Shell shock from nearly grenades.</source>
        <translation>Choc des grenades proches.</translation>
    </message>
    <message>
        <source>Shell Shock changed.</source>
        <translation>Choc des grenades changé.</translation>
    </message>
    <message>
        <source>Dynamic weapon limiting</source>
        <translation>Limitation dynamique des armes</translation>
    </message>
    <message>
        <source>Weapon limiting (Based on # of people on server)</source>
        <translation>Limitation des armes (selon le nombre de joueurs sur le serveur)</translation>
    </message>
    <message>
        <source>Dynamic Weapons changed.</source>
        <translation>Limitation dynamique des armes changée.</translation>
    </message>
    <message>
        <source>Dynamic flags limiting</source>
        <translation>Limitation dynamique des drapeaux</translation>
    </message>
    <message>
        <source>Flag capping limiting.(Based on # of people on server)</source>
        <translation>Limitation des prises de drapeau (selon le nombre de joueurs sur le serveur)</translation>
    </message>
    <message>
        <source>Dynamic flags changed.</source>
        <translation>Limitation dynamique des drapeaux changée.</translation>
    </message>
    <message>
        <source>Dynamic bombs limiting</source>
        <translation>Limitation dynamique des bombes</translation>
    </message>
    <message>
        <source>Bomb plant/Defuse limiting.(Based on # of people on server)</source>
        <translation>Limitation pose/désamorçage de bombe (selon le nombre de joueurs sur le serveur)</translation>
    </message>
    <message>
        <source>Dynamic bombs changed.</source>
        <translation>Limitation dynamique des bombes changée.</translation>
    </message>
    <message>
        <source>Spawn zone protection</source>
        <translation>Protection des zones de réapparition</translation>
    </message>
    <message>
        <source>Spawn Zone protection (Requires HOB compliant maps)</source>
        <translation>Protection des zones de réapparition (cartes compatibles HOB requises)</translation>
    </message>
    <message>
        <source>Spawn protection changed.</source>
        <translation>Protection de réapparition changée.</translation>
    </message>
    <message>
        <source>Announce Spawn Campers</source>
        <translation>Annoncer les campeurs de spawn</translation>
    </message>
    <message>
        <source>Announce spawn campers.</source>
        <translation>Annoncer les campeurs de spawn.</translation>
    </message>
    <message>
        <source>Annouce Spawn campers changed.</source>
        <translation>Annonce des campeurs de spawn changée.</translation>
    </message>
    <message>
        <source>Sniper allow percentage</source>
        <translation>Pourcentage de snipers autorisé</translation>
    </message>
    <message>
        <source>Sniper allowed percentage 0 to 100</source>
        <translation>Pourcentage de snipers autorisé, 0 à 100</translation>
    </message>
    <message>
        <source>Sniper percentage changed.</source>
        <translation>Pourcentage de snipers changé.</translation>
    </message>
    <message>
        <source>SMG allow percentage</source>
        <translation>Pourcentage de PM autorisé</translation>
    </message>
    <message>
        <source>SMG allowed percentage 0 to 100</source>
        <translation>Pourcentage de PM autorisé, 0 à 100</translation>
    </message>
    <message>
        <source>Smg percentage changed.</source>
        <translation>Pourcentage de PM changé.</translation>
    </message>
    <message>
        <source>Support weapons allow percentage</source>
        <translation>Pourcentage d&apos;armes d&apos;appui autorisé</translation>
    </message>
    <message>
        <source>Support allowed percentage 0 to 100</source>
        <translation>Pourcentage d&apos;armes d&apos;appui autorisé, 0 à 100</translation>
    </message>
    <message>
        <source>Support percentage changed.</source>
        <translation>Pourcentage d&apos;armes d&apos;appui changé.</translation>
    </message>
    <message>
        <source>Rifle allow percentage</source>
        <translation>Pourcentage de fusils autorisé</translation>
    </message>
    <message>
        <source>Rifle allowed percentage 0 to 100</source>
        <translation>Pourcentage de fusils autorisé, 0 à 100</translation>
    </message>
    <message>
        <source>Rifle percentage changed.</source>
        <translation>Pourcentage de fusils changé.</translation>
    </message>
    <message>
        <source>Heat of Battle server variables for Version 3</source>
        <translation>Heat of Battle : variables du serveur pour la version 3</translation>
    </message>
    <message>
        <source>Heat of Battle server variables</source>
        <translation>Heat of Battle : variables du serveur</translation>
    </message>
</context>
<context>
    <name>logfiles</name>
    <message>
        <source>Saving RCON output...</source>
        <translation>Enregistrement de la sortie RCON...</translation>
    </message>
    <message>
        <source>Saving Message output...</source>
        <translation>Enregistrement de la sortie des messages...</translation>
    </message>
    <message>
        <source>Rcon log not written</source>
        <translation>Journal RCON non écrit</translation>
    </message>
    <message>
        <source>Message log not written</source>
        <translation>Journal des messages non écrit</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Administer Call of Duty game servers over their remote console.</source>
        <translation>Administrer des serveurs de jeu Call of Duty par leur console distante.</translation>
    </message>
    <message>
        <source>Keep the settings in &lt;file&gt; instead of the usual place.</source>
        <translation>Conserver les réglages dans &lt;fichier&gt; au lieu de l&apos;emplacement habituel.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
</context>
<context>
    <name>mapcommands</name>
    <message>
        <source>Load map %1</source>
        <translation>Chargement de la carte %1</translation>
    </message>
    <message>
        <source>Map Restart</source>
        <translation>Redémarrage de la carte</translation>
    </message>
    <message>
        <source>Map Rotate</source>
        <translation>Carte suivante de la rotation</translation>
    </message>
    <message>
        <source>rotation</source>
        <translation>rotation</translation>
    </message>
    <message>
        <source>Set Map rotation to Custom choice.</source>
        <translation>Rotation des cartes réglée sur le choix personnalisé.</translation>
    </message>
    <message>
        <source>Set Map rotation</source>
        <translation>Réglage de la rotation des cartes</translation>
    </message>
    <message>
        <source>Performed EXEC of %1</source>
        <translation>EXEC de %1 effectué</translation>
    </message>
    <message>
        <source>EXEC of %1</source>
        <translation>EXEC de %1</translation>
    </message>
</context>
<context>
    <name>messageplans</name>
    <message>
        <source>message (with the user prefix)</source>
        <translation>message (avec le préfixe utilisateur)</translation>
    </message>
    <message>
        <source>Message to server&gt;&gt; %1</source>
        <translation>Message au serveur&gt;&gt; %1</translation>
    </message>
</context>
<context>
    <name>modeframes</name>
    <message>
        <source>Reading variables from the server...<byte value="xd"/>
%1</source>
        <translation>Lecture des variables du serveur...<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>modesettings</name>
    <message>
        <source>Invalid value</source>
        <translation>Valeur non valide</translation>
    </message>
    <message>
        <source>Set server with values in display?</source>
        <translation>Appliquer les valeurs affichées au serveur ?</translation>
    </message>
    <message>
        <source>Set server</source>
        <translation>Appliquer au serveur</translation>
    </message>
    <message>
        <source>These fields hold the game&apos;s defaults, not values read from the server</source>
        <translation>Ces champs contiennent les valeurs par défaut du jeu, non celles lues sur le serveur</translation>
    </message>
    <message>
        <source>These fields hold the values read from the server</source>
        <translation>Ces champs contiennent les valeurs lues sur le serveur</translation>
    </message>
    <message>
        <source>The server gave none of these settings: the fields keep what they held</source>
        <translation>Le serveur n&apos;a fourni aucun de ces réglages : les champs gardent leur contenu</translation>
    </message>
    <message>
        <source>These fields hold the values read from the server, except %1 (the server gave no value it can show), which keeps what it held</source>
        <translation>Ces champs contiennent les valeurs lues sur le serveur, sauf %1 (le serveur n&apos;a fourni aucune valeur affichable), qui garde son contenu</translation>
    </message>
    <message>
        <source>These fields hold the values read from the server, except %1 (the server gave no values they can show), which keep what they held</source>
        <translation>Ces champs contiennent les valeurs lues sur le serveur, sauf %1 (le serveur n&apos;a fourni aucune valeur affichable), qui gardent leur contenu</translation>
    </message>
</context>
<context>
    <name>playeractions</name>
    <message>
        <source>Player Kicked &gt;%1&lt;</source>
        <translation>Joueur expulsé &gt;%1&lt;</translation>
    </message>
    <message>
        <source>Kick of %1</source>
        <translation>Expulsion de %1</translation>
    </message>
    <message>
        <source>Kick %1 (slot %2) from the server?</source>
        <translation>Expulser %1 (slot %2) du serveur ?</translation>
    </message>
    <message>
        <source>Kick</source>
        <translation>Expulser</translation>
    </message>
    <message>
        <source>Player banned and kicked [%1]</source>
        <translation>Joueur banni et expulsé [%1]</translation>
    </message>
    <message>
        <source>Ban of %1</source>
        <translation>Bannissement de %1</translation>
    </message>
    <message>
        <source>Ban %1 (slot %2) from the server?</source>
        <translation>Bannir %1 (slot %2) du serveur ?</translation>
    </message>
    <message>
        <source>Ban</source>
        <translation>Bannir</translation>
    </message>
    <message>
        <source>Player temporary banned and kicked [%1]</source>
        <translation>Joueur banni temporairement et expulsé [%1]</translation>
    </message>
    <message>
        <source>Temp ban of %1</source>
        <translation>Bannissement temporaire de %1</translation>
    </message>
    <message>
        <source>Temporarily ban %1 (slot %2) from the server?</source>
        <translation>Bannir temporairement %1 (slot %2) du serveur ?</translation>
    </message>
    <message>
        <source>Temp Ban</source>
        <translation>Bannir temporairement</translation>
    </message>
    <message>
        <source>private message</source>
        <translation>message privé</translation>
    </message>
    <message>
        <source>Private message to [%1]: %2</source>
        <translation>Message privé à [%1] : %2</translation>
    </message>
    <message>
        <source>Private message to [%1]</source>
        <translation>Message privé à [%1]</translation>
    </message>
    <message>
        <source>Player Auto Kicked for 999 ping [%1]</source>
        <translation>Joueur expulsé automatiquement pour ping 999 [%1]</translation>
    </message>
    <message>
        <source>Auto kick of %1</source>
        <translation>Expulsion automatique de %1</translation>
    </message>
</context>
<context>
    <name>serverbasics</name>
    <message>
        <source>Server Name</source>
        <translation>Nom du serveur</translation>
    </message>
    <message>
        <source>Server name updated.</source>
        <translation>Nom du serveur mis à jour.</translation>
    </message>
    <message>
        <source>Server MOTD</source>
        <translation>MOTD du serveur</translation>
    </message>
    <message>
        <source>Server MOTD updated.</source>
        <translation>MOTD du serveur mis à jour.</translation>
    </message>
    <message>
        <source>Kill Cam </source>
        <translation>Killcam </translation>
    </message>
    <message>
        <source>Kill cam updated</source>
        <translation>Killcam mise à jour</translation>
    </message>
    <message>
        <source>Team Icons</source>
        <translation>Icônes d&apos;équipe</translation>
    </message>
    <message>
        <source>Team Icons updated</source>
        <translation>Icônes d&apos;équipe mises à jour</translation>
    </message>
    <message>
        <source>Allow Voting</source>
        <translation>Autoriser les votes</translation>
    </message>
    <message>
        <source>Voting updated</source>
        <translation>Votes mis à jour</translation>
    </message>
    <message>
        <source>Max Clients</source>
        <translation>Joueurs max.</translation>
    </message>
    <message>
        <source>Maximum clients updated</source>
        <translation>Nombre maximal de joueurs mis à jour</translation>
    </message>
    <message>
        <source>Max Ping</source>
        <translation>Ping max.</translation>
    </message>
    <message>
        <source>Maximum client Ping updated</source>
        <translation>Ping maximal mis à jour</translation>
    </message>
    <message>
        <source>Max Rate</source>
        <translation>Débit max.</translation>
    </message>
    <message>
        <source>Maximum client Rate updated</source>
        <translation>Débit maximal mis à jour</translation>
    </message>
    <message>
        <source>Free Look</source>
        <translation>Vue libre</translation>
    </message>
    <message>
        <source>Free Look updated</source>
        <translation>Vue libre mise à jour</translation>
    </message>
    <message>
        <source>Team Balance</source>
        <translation>Équilibrage des équipes</translation>
    </message>
    <message>
        <source>Team Balance updated</source>
        <translation>Équilibrage des équipes mis à jour</translation>
    </message>
    <message>
        <source>Spectate enemy</source>
        <translation>Regarder l&apos;ennemi</translation>
    </message>
    <message>
        <source>Spectate Enemy updated</source>
        <translation>« Regarder l&apos;ennemi » mis à jour</translation>
    </message>
    <message>
        <source>Temporary ban duration in seconds</source>
        <translation>Durée du bannissement temporaire en secondes</translation>
    </message>
    <message>
        <source>sv_kickbantime (Default 300) unit in seconds</source>
        <translation>sv_kickbantime (défaut 300), en secondes</translation>
    </message>
    <message>
        <source>Temporary ban time updated</source>
        <translation>Durée du bannissement temporaire mise à jour</translation>
    </message>
    <message>
        <source>join password</source>
        <translation>mot de passe de connexion</translation>
    </message>
    <message>
        <source>Server password added</source>
        <translation>Mot de passe du serveur ajouté</translation>
    </message>
    <message>
        <source>Server password</source>
        <translation>Mot de passe du serveur</translation>
    </message>
    <message>
        <source>Server password Removed</source>
        <translation>Mot de passe du serveur supprimé</translation>
    </message>
    <message>
        <source>Server password removal</source>
        <translation>Suppression du mot de passe du serveur</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Réglages généraux</translation>
    </message>
    <message>
        <source>Viewing and bans</source>
        <translation>Affichage et bannissements</translation>
    </message>
</context>
<context>
    <name>statusquery</name>
    <message>
        <source>Server running game mode [%1] on map [%2]</source>
        <translation>Le serveur tourne en mode de jeu [%1] sur la carte [%2]</translation>
    </message>
</context>
<context>
    <name>uomodes</name>
    <message>
        <source>United Offensive Domination settings</source>
        <translation>Réglages United Offensive Domination</translation>
    </message>
    <message>
        <source>Start round delay</source>
        <translation>Délai de début de manche</translation>
    </message>
    <message>
        <source>scr_dom_startrounddelay  (Default 15) </source>
        <translation>scr_dom_startrounddelay  (défaut 15) </translation>
    </message>
    <message>
        <source>Domination Start round delay updated to %1</source>
        <translation>Domination : délai de début de manche mis à %1</translation>
    </message>
    <message>
        <source>End round delay</source>
        <translation>Délai de fin de manche</translation>
    </message>
    <message>
        <source>scr_dom_endrounddelay  (Default 15) </source>
        <translation>scr_dom_endrounddelay  (défaut 15) </translation>
    </message>
    <message>
        <source>Domination End round delay updated to %1</source>
        <translation>Domination : délai de fin de manche mis à %1</translation>
    </message>
    <message>
        <source>Score Limit</source>
        <translation>Limite de score</translation>
    </message>
    <message>
        <source>scr_dom_scorelimit  (Default 3) </source>
        <translation>scr_dom_scorelimit  (défaut 3) </translation>
    </message>
    <message>
        <source>Domination Score limit updated to %1</source>
        <translation>Domination : limite de score mise à %1</translation>
    </message>
    <message>
        <source>Time limit</source>
        <translation>Limite de temps</translation>
    </message>
    <message>
        <source>scr_dom_timelimit  (Default 120) </source>
        <translation>scr_dom_timelimit  (défaut 120) </translation>
    </message>
    <message>
        <source>Domination Time limit updated to %1</source>
        <translation>Domination : limite de temps mise à %1</translation>
    </message>
    <message>
        <source>Round Limit</source>
        <translation>Limite de manches</translation>
    </message>
    <message>
        <source>scr_dom_roundlimit  (Default 5) </source>
        <translation>scr_dom_roundlimit  (défaut 5) </translation>
    </message>
    <message>
        <source>Domination Round limit updated to %1</source>
        <translation>Domination : limite de manches mise à %1</translation>
    </message>
    <message>
        <source>Round Length</source>
        <translation>Durée de manche</translation>
    </message>
    <message>
        <source>scr_dom_roundlength  (Default 30) </source>
        <translation>scr_dom_roundlength  (défaut 30) </translation>
    </message>
    <message>
        <source>Domination Round length updated to %1</source>
        <translation>Domination : durée de manche mise à %1</translation>
    </message>
    <message>
        <source>Respawn Wave time</source>
        <translation>Délai des vagues de réapparition</translation>
    </message>
    <message>
        <source>scr_dom_respawn_wave_time  (Default ??) </source>
        <translation>scr_dom_respawn_wave_time  (défaut ??) </translation>
    </message>
    <message>
        <source>Domination Respawn wave time updated to %1</source>
        <translation>Domination : délai des vagues de réapparition mis à %1</translation>
    </message>
    <message>
        <source>Clear score each round</source>
        <translation>Remettre le score à zéro à chaque manche</translation>
    </message>
    <message>
        <source>scr_dom_clearscoreeachround  (Default Yes) </source>
        <translation>scr_dom_clearscoreeachround  (défaut Oui) </translation>
    </message>
    <message>
        <source>Domination Clear score updated to %1</source>
        <translation>Domination : remise à zéro du score mise à %1</translation>
    </message>
    <message>
        <source>United Offensive Capture the Flag settings</source>
        <translation>Réglages United Offensive Capture the Flag</translation>
    </message>
    <message>
        <source>scr_ctf_startrounddelay  (Default 15) </source>
        <translation>scr_ctf_startrounddelay  (défaut 15) </translation>
    </message>
    <message>
        <source>CTF Start round delay updated to %1</source>
        <translation>CTF : délai de début de manche mis à %1</translation>
    </message>
    <message>
        <source>scr_ctf_endrounddelay  (Default 15) </source>
        <translation>scr_ctf_endrounddelay  (défaut 15) </translation>
    </message>
    <message>
        <source>CTF End round delay updated to %1</source>
        <translation>CTF : délai de fin de manche mis à %1</translation>
    </message>
    <message>
        <source>scr_ctf_scorelimit  (Default 3) </source>
        <translation>scr_ctf_scorelimit  (défaut 3) </translation>
    </message>
    <message>
        <source>CTF Score limit updated to %1</source>
        <translation>CTF : limite de score mise à %1</translation>
    </message>
    <message>
        <source>scr_ctf_timelimit  (Default 120) </source>
        <translation>scr_ctf_timelimit  (défaut 120) </translation>
    </message>
    <message>
        <source>CTF Time limit updated to %1</source>
        <translation>CTF : limite de temps mise à %1</translation>
    </message>
    <message>
        <source>scr_ctf_roundlimit  (Default 5) </source>
        <translation>scr_ctf_roundlimit  (défaut 5) </translation>
    </message>
    <message>
        <source>CTF Round limit updated to %1</source>
        <translation>CTF : limite de manches mise à %1</translation>
    </message>
    <message>
        <source>scr_ctf_roundlength  (Default 30) </source>
        <translation>scr_ctf_roundlength  (défaut 30) </translation>
    </message>
    <message>
        <source>CTF Round length updated to %1</source>
        <translation>CTF : durée de manche mise à %1</translation>
    </message>
    <message>
        <source>Show on Compass</source>
        <translation>Afficher sur la boussole</translation>
    </message>
    <message>
        <source>scr_ctf_showoncompass (Default 1) </source>
        <translation>scr_ctf_showoncompass (défaut 1) </translation>
    </message>
    <message>
        <source>CTF Show compass updated to %1</source>
        <translation>CTF : affichage sur la boussole mis à %1</translation>
    </message>
    <message>
        <source>scr_ctf_clearscoreeachround  (Default Yes) </source>
        <translation>scr_ctf_clearscoreeachround  (défaut Oui) </translation>
    </message>
    <message>
        <source>CTF Clear score updated to %1</source>
        <translation>CTF : remise à zéro du score mise à %1</translation>
    </message>
    <message>
        <source>United Offensive Base Assault settings</source>
        <translation>Réglages United Offensive Base Assault</translation>
    </message>
    <message>
        <source>scr_bas_startrounddelay   (Default 15) </source>
        <translation>scr_bas_startrounddelay   (défaut 15) </translation>
    </message>
    <message>
        <source>Base Assault Start round delay updated to %1</source>
        <translation>Base Assault : délai de début de manche mis à %1</translation>
    </message>
    <message>
        <source>scr_bas_endrounddelay   (Default 10) </source>
        <translation>scr_bas_endrounddelay   (défaut 10) </translation>
    </message>
    <message>
        <source>Base Assault End round delay updated to %1</source>
        <translation>Base Assault : délai de fin de manche mis à %1</translation>
    </message>
    <message>
        <source>scr_bas_scorelimit   (Default 3) </source>
        <translation>scr_bas_scorelimit   (défaut 3) </translation>
    </message>
    <message>
        <source>Base Assault Score limit updated to %1</source>
        <translation>Base Assault : limite de score mise à %1</translation>
    </message>
    <message>
        <source>scr_bas_timelimit   (Default 120) </source>
        <translation>scr_bas_timelimit   (défaut 120) </translation>
    </message>
    <message>
        <source>Base Assault Time limit updated to %1</source>
        <translation>Base Assault : limite de temps mise à %1</translation>
    </message>
    <message>
        <source>scr_bas_roundlimit   (Default 5) </source>
        <translation>scr_bas_roundlimit   (défaut 5) </translation>
    </message>
    <message>
        <source>Base Assault Round limit updated to %1</source>
        <translation>Base Assault : limite de manches mise à %1</translation>
    </message>
    <message>
        <source>scr_bas_roundlength   (Default 30) </source>
        <translation>scr_bas_roundlength   (défaut 30) </translation>
    </message>
    <message>
        <source>Base Assault Round length updated to %1</source>
        <translation>Base Assault : durée de manche mise à %1</translation>
    </message>
    <message>
        <source>scr_bas_respawn_wave_time  (Default ??) </source>
        <translation>scr_bas_respawn_wave_time  (défaut ??) </translation>
    </message>
    <message>
        <source>Base Assault Respawn wave time updated to %1</source>
        <translation>Base Assault : délai des vagues de réapparition mis à %1</translation>
    </message>
    <message>
        <source>scr_bas_clearscoreeachround   (Default Yes) </source>
        <translation>scr_bas_clearscoreeachround   (défaut Oui) </translation>
    </message>
    <message>
        <source>Base Assault Clear score updated to %1</source>
        <translation>Base Assault : remise à zéro du score mise à %1</translation>
    </message>
    <message>
        <source>Start round delay has to be a number of seconds</source>
        <translation>Le délai de début de manche doit être un nombre de secondes</translation>
    </message>
    <message>
        <source>End round delay has to be a number of seconds</source>
        <translation>Le délai de fin de manche doit être un nombre de secondes</translation>
    </message>
    <message>
        <source>Score limit has to be a number of round</source>
        <translation>La limite de score doit être un nombre de manches</translation>
    </message>
    <message>
        <source>Time limit has to be a number of Minutes</source>
        <translation>La limite de temps doit être un nombre de minutes</translation>
    </message>
    <message>
        <source>Round limit has to be a number of rounds</source>
        <translation>La limite de manches doit être un nombre de manches</translation>
    </message>
    <message>
        <source>Round length has to be a number of Minutes</source>
        <translation>La durée de manche doit être un nombre de minutes</translation>
    </message>
    <message>
        <source>Respawn wave time has to be a number of seconds</source>
        <translation>Le délai des vagues de réapparition doit être un nombre de secondes</translation>
    </message>
    <message>
        <source>Number of minutes (0 - 120) 0 is unlimited</source>
        <translation>Nombre de minutes (0 - 120), 0 = illimité</translation>
    </message>
    <message>
        <source>Usually left to Score limit to allow a team to reach , say a score of 3 (default 5) </source>
        <translation>Généralement laissé à la limite de score, pour qu&apos;une équipe atteigne par exemple 3 points (défaut 5) </translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>weapons</name>
    <message>
        <source>Allies</source>
        <translation>Alliés</translation>
    </message>
    <message>
        <source>Allies...</source>
        <translation>Alliés...</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russes</translation>
    </message>
    <message>
        <source>Russians...</source>
        <translation>Russes...</translation>
    </message>
    <message>
        <source>British</source>
        <translation>Britanniques</translation>
    </message>
    <message>
        <source>British...</source>
        <translation>Britanniques...</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemands</translation>
    </message>
    <message>
        <source>German...</source>
        <translation>Allemands...</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Others...</source>
        <translation>Autres...</translation>
    </message>
    <message>
        <source>M1A1 Carbine</source>
        <translation>M1A1 Carbine</translation>
    </message>
    <message>
        <source>M1a1 Carbine</source>
        <translation>M1a1 Carbine</translation>
    </message>
    <message>
        <source>M1 Garand</source>
        <translation>M1 Garand</translation>
    </message>
    <message>
        <source>Thompson</source>
        <translation>Thompson</translation>
    </message>
    <message>
        <source>Browning Auto Rifle</source>
        <translation>Browning Auto Rifle</translation>
    </message>
    <message>
        <source>Springfield</source>
        <translation>Springfield</translation>
    </message>
    <message>
        <source>PPSh</source>
        <translation>PPSh</translation>
    </message>
    <message>
        <source>Mosin Nagant</source>
        <translation>Mosin Nagant</translation>
    </message>
    <message>
        <source>Scoped Mosin Nagant</source>
        <translation>Scoped Mosin Nagant</translation>
    </message>
    <message>
        <source>Scoped Nagant</source>
        <translation>Scoped Nagant</translation>
    </message>
    <message>
        <source>Lee Enfield</source>
        <translation>Lee Enfield</translation>
    </message>
    <message>
        <source>Sten</source>
        <translation>Sten</translation>
    </message>
    <message>
        <source>Bren LMG</source>
        <translation>Bren LMG</translation>
    </message>
    <message>
        <source>MP40</source>
        <translation>MP40</translation>
    </message>
    <message>
        <source>MP44</source>
        <translation>MP44</translation>
    </message>
    <message>
        <source>Kar98k</source>
        <translation>Kar98k</translation>
    </message>
    <message>
        <source>Scoped Kar98k</source>
        <translation>Scoped Kar98k</translation>
    </message>
    <message>
        <source>FG42</source>
        <translation>FG42</translation>
    </message>
    <message>
        <source>Panzerfaust</source>
        <translation>Panzerfaust</translation>
    </message>
    <message>
        <source>Weapon enable or disable</source>
        <translation>Activer ou désactiver les armes</translation>
    </message>
    <message>
        <source>Allow Pistols</source>
        <translation>Autoriser les pistolets</translation>
    </message>
    <message>
        <source>Allow Satchels</source>
        <translation>Autoriser les charges explosives</translation>
    </message>
    <message>
        <source>Allow smoke</source>
        <translation>Autoriser les fumigènes</translation>
    </message>
    <message>
        <source>Allow grenades</source>
        <translation>Autoriser les grenades</translation>
    </message>
    <message>
        <source>Allow flamethrower</source>
        <translation>Autoriser les lance-flammes</translation>
    </message>
    <message>
        <source>Allow artillary</source>
        <translation>Autoriser l&apos;artillerie</translation>
    </message>
    <message>
        <source>Allow bazooka</source>
        <translation>Autoriser le bazooka</translation>
    </message>
    <message>
        <source>Allow MG34</source>
        <translation>Autoriser la MG34</translation>
    </message>
    <message>
        <source>Allow DP28</source>
        <translation>Autoriser la DP28</translation>
    </message>
    <message>
        <source>Allow MG30cal</source>
        <translation>Autoriser la MG30cal</translation>
    </message>
    <message>
        <source>Allow gewehr43</source>
        <translation>Autoriser le gewehr43</translation>
    </message>
    <message>
        <source>Allow svt40</source>
        <translation>Autoriser le svt40</translation>
    </message>
    <message>
        <source>Allow Flak 88</source>
        <translation>Autoriser le Flak 88</translation>
    </message>
    <message>
        <source>Allow SU152</source>
        <translation>Autoriser le SU152</translation>
    </message>
    <message>
        <source>Allow Elefant</source>
        <translation>Autoriser l&apos;Elefant</translation>
    </message>
    <message>
        <source>Allow T34</source>
        <translation>Autoriser le T34</translation>
    </message>
    <message>
        <source>Allow Sherman</source>
        <translation>Autoriser le Sherman</translation>
    </message>
    <message>
        <source>Allow Horch</source>
        <translation>Autoriser la Horch</translation>
    </message>
    <message>
        <source>Allow GAZ67b</source>
        <translation>Autoriser la GAZ67b</translation>
    </message>
    <message>
        <source>Allow Willy Jeep</source>
        <translation>Autoriser la Willy Jeep</translation>
    </message>
    <message>
        <source>Allow Panzer IV</source>
        <translation>Autoriser le Panzer IV</translation>
    </message>
    <message>
        <source>Enable Shellshock</source>
        <translation>Activer le Shellshock</translation>
    </message>
    <message>
        <source>Enable Drop Health</source>
        <translation>Activer le lâcher de soins</translation>
    </message>
    <message>
        <source>Enable Battlerank</source>
        <translation>Activer le Battlerank</translation>
    </message>
    <message>
        <source>United Offensive Weapons</source>
        <translation>United Offensive : armes</translation>
    </message>
    <message>
        <source>United Offensive Vehicles and advanced options</source>
        <translation>United Offensive : véhicules et options avancées</translation>
    </message>
    <message>
        <source>Pistols</source>
        <translation>pistolets</translation>
    </message>
    <message>
        <source>Satchels</source>
        <translation>charges explosives</translation>
    </message>
    <message>
        <source>smoke</source>
        <translation>fumigènes</translation>
    </message>
    <message>
        <source>grenades</source>
        <translation>grenades</translation>
    </message>
    <message>
        <source>flamethrower</source>
        <translation>lance-flammes</translation>
    </message>
    <message>
        <source>artillary</source>
        <translation>artillerie</translation>
    </message>
    <message>
        <source>bazooka</source>
        <translation>bazooka</translation>
    </message>
    <message>
        <source>MG34</source>
        <translation>MG34</translation>
    </message>
    <message>
        <source>DP28</source>
        <translation>DP28</translation>
    </message>
    <message>
        <source>MG30cal</source>
        <translation>MG30cal</translation>
    </message>
    <message>
        <source>gewehr43</source>
        <translation>gewehr43</translation>
    </message>
    <message>
        <source>svt40</source>
        <translation>svt40</translation>
    </message>
    <message>
        <source>Flak 88</source>
        <translation>Flak 88</translation>
    </message>
    <message>
        <source>SU152</source>
        <translation>SU152</translation>
    </message>
    <message>
        <source>Elefant</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>T34</source>
        <translation>T34</translation>
    </message>
    <message>
        <source>Sherman</source>
        <translation>Sherman</translation>
    </message>
    <message>
        <source>Horch</source>
        <translation>Horch</translation>
    </message>
    <message>
        <source>GAZ67b</source>
        <translation>GAZ67b</translation>
    </message>
    <message>
        <source>Willy Jeep</source>
        <translation>Willy Jeep</translation>
    </message>
    <message>
        <source>Panzer IV</source>
        <translation>Panzer IV</translation>
    </message>
    <message>
        <source>Shellshock</source>
        <translation>Shellshock</translation>
    </message>
    <message>
        <source>Drop Health</source>
        <translation>lâcher de soins</translation>
    </message>
    <message>
        <source>Battlerank</source>
        <translation>Battlerank</translation>
    </message>
    <message>
        <source>The server is not responding quickly enough<byte value="xd"/>or a server side mod has replaced the rcon variables<byte value="xd"/>Try populate again</source>
        <translation>Le serveur ne répond pas assez vite<byte value="xd"/>ou un mod côté serveur a remplacé les variables RCON<byte value="xd"/>Relancez la lecture</translation>
    </message>
</context>
</TS>
