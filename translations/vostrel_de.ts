<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Whoever gave you this program in binary form owes you its complete source code under that licence. The terms are in the file LICENSE of the source.</source>
        <translation>Wer Ihnen dieses Programm in Binärform weitergegeben hat, muss Ihnen auch den vollständigen Quellcode unter dieser Lizenz zur Verfügung stellen. Die Lizenzbedingungen stehen in der Datei LICENSE des Quellcodes.</translation>
    </message>
    <message>
        <source>Whoever gave you this program in binary form owes you its complete source code under that licence. The licence terms and the notes that came with the program are in &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;.</source>
        <translation>Wer Ihnen dieses Programm in Binärform weitergegeben hat, muss Ihnen auch den vollständigen Quellcode unter dieser Lizenz zur Verfügung stellen. Die Lizenzbedingungen und die Hinweise, die dem Programm beiliegen, stehen in &lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>About Vostrel</source>
        <translation>Über Vostrel</translation>
    </message>
    <message>
        <source>Version %1
Remote administration for Call of Duty and United Offensive servers</source>
        <translation>Version %1
Fernverwaltung für Server von Call of Duty und United Offensive</translation>
    </message>
    <message>
        <source>Vostrel is free software: you may share and change it under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Vostrel ist freie Software: Sie dürfen es unter der GNU General Public License, Version 3 oder jeder späteren Version (GPL-3.0-or-later), weitergeben und verändern. Es wird ohne jede Gewährleistung geliefert.</translation>
    </message>
    <message>
        <source>Running on Qt %1</source>
        <translation>Läuft mit Qt %1</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
</context>
<context>
    <name>ActionAudit</name>
    <message>
        <source>kick</source>
        <translation>Kick</translation>
    </message>
    <message>
        <source>ban</source>
        <translation>Bann</translation>
    </message>
    <message>
        <source>tempban</source>
        <translation>Zeitbann</translation>
    </message>
    <message>
        <source>tell</source>
        <translation>Privatnachricht</translation>
    </message>
    <message>
        <source>map</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>cfg</source>
        <translation>CFG</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>Rundnachricht</translation>
    </message>
    <message>
        <source>console</source>
        <translation>Konsole</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>übernommen</translation>
    </message>
    <message>
        <source>taken at next map</source>
        <translation>ab nächster Map übernommen</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nicht gesendet</translation>
    </message>
</context>
<context>
    <name>ActionsDialog</name>
    <message>
        <source>kick</source>
        <translation>Kick</translation>
    </message>
    <message>
        <source>ban</source>
        <translation>Bann</translation>
    </message>
    <message>
        <source>tempban</source>
        <translation>Zeitbann</translation>
    </message>
    <message>
        <source>tell</source>
        <translation>Privatnachricht</translation>
    </message>
    <message>
        <source>map</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>cfg</source>
        <translation>CFG</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>Rundnachricht</translation>
    </message>
    <message>
        <source>console</source>
        <translation>Konsole</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>übernommen</translation>
    </message>
    <message>
        <source>taken at next map</source>
        <translation>ab nächster Map übernommen</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nicht gesendet</translation>
    </message>
    <message>
        <source>Any time</source>
        <translation>Gesamter Zeitraum</translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>Letzte Stunde</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzte 24 Stunden</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>any server (address:port)</source>
        <translation>alle Server (Adresse:Port)</translation>
    </message>
    <message>
        <source>any operator</source>
        <translation>alle Admins</translation>
    </message>
    <message>
        <source>Any kind</source>
        <translation>Alle Arten</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Admin</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>No history is kept (Preferences).</source>
        <translation>Es wird kein Verlauf geführt (siehe Einstellungen).</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Wird gelesen...</translation>
    </message>
    <message>
        <source>No action found.</source>
        <translation>Keine Aktion gefunden.</translation>
    </message>
    <message>
        <source>1 action.</source>
        <translation>1 Aktion.</translation>
    </message>
    <message>
        <source>%1 actions.</source>
        <translation>%1 Aktionen.</translation>
    </message>
    <message>
        <source>Export actions</source>
        <translation>Aktionen exportieren</translation>
    </message>
    <message>
        <source>The actions could not be written to %1<byte value="xd"/>%2</source>
        <translation>Die Aktionen konnten nicht nach %1 geschrieben werden<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 actions written to %2</source>
        <translation>%1 Aktionen nach %2 geschrieben</translation>
    </message>
</context>
<context>
    <name>CodModesPage</name>
    <message>
        <source>COD Instant game mode switch</source>
        <translation>COD: Spielmodus sofort wechseln</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standardwerte</translation>
    </message>
</context>
<context>
    <name>ConnectChecks</name>
    <message>
        <source>No server answered at %1</source>
        <translation>Unter %1 hat kein Server geantwortet</translation>
    </message>
    <message>
        <source>The server at %1 answers, but its remote console does not: the RCON password is wrong, or the remote console is off (some servers stay silent on a wrong password).<byte value="xd"/>No connection established.</source>
        <translation>Der Server unter %1 antwortet, seine Remote-Konsole aber nicht: Das RCON-Passwort ist falsch oder die Remote-Konsole ist abgeschaltet (manche Server schweigen bei einem falschen Passwort).<byte value="xd"/>Keine Verbindung hergestellt.</translation>
    </message>
    <message>
        <source>The %1 holds characters that cannot be sent to the server or kept in the settings file: %2<byte value="xd"/>Please use only the characters of Western European text (Windows-1252).</source>
        <translation>Das Feld „%1“ enthält Zeichen, die weder an den Server gesendet noch in der Einstellungsdatei gespeichert werden können: %2<byte value="xd"/>Bitte verwenden Sie nur westeuropäische Zeichen (Windows-1252).</translation>
    </message>
    <message>
        <source>server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>rcon password</source>
        <translation>RCON-Passwort</translation>
    </message>
    <message>
        <source>Unsupported characters</source>
        <translation>Nicht unterstützte Zeichen</translation>
    </message>
</context>
<context>
    <name>ConnectController</name>
    <message>
        <source>Error...</source>
        <translation>Fehler...</translation>
    </message>
    <message>
        <source>No connection</source>
        <translation>Keine Verbindung</translation>
    </message>
    <message>
        <source>Please provide all fields, Server, Port and password</source>
        <translation>Bitte füllen Sie alle Felder aus: Server, Port und Passwort</translation>
    </message>
    <message>
        <source>Please provide a port number from 1 to 65535</source>
        <translation>Bitte geben Sie eine Portnummer von 1 bis 65535 an</translation>
    </message>
    <message>
        <source>The name has no address.</source>
        <translation>Zu diesem Namen gibt es keine Adresse.</translation>
    </message>
    <message>
        <source>Cannot find the server %1<byte value="xd"/>%2</source>
        <translation>Server %1 nicht gefunden<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Server not found</source>
        <translation>Server nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot open a network socket towards the server</source>
        <translation>Es kann kein Netzwerk-Socket zum Server geöffnet werden</translation>
    </message>
    <message>
        <source>Invalid Rcon password, no connection established<byte value="xd"/>%1</source>
        <translation>Ungültiges RCON-Passwort, keine Verbindung hergestellt<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The server refused &quot;status&quot;, no connection established<byte value="xd"/>%1</source>
        <translation>Der Server hat „status“ abgelehnt, keine Verbindung hergestellt<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Connected to server %1:%2</source>
        <translation>Mit Server %1:%2 verbunden</translation>
    </message>
    <message>
        <source>No answer from the remote console; asking for the server&apos;s status</source>
        <translation>Keine Antwort von der Remote-Konsole; Serverstatus wird abgefragt</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Connection to server lost: %1</source>
        <translation>Verbindung zum Server verloren: %1</translation>
    </message>
</context>
<context>
    <name>ConsoleController</name>
    <message>
        <source>Server Status requested</source>
        <translation>Serverstatus angefordert</translation>
    </message>
    <message>
        <source>Server Info requested</source>
        <translation>Serverinfo angefordert</translation>
    </message>
</context>
<context>
    <name>FleetSendBar</name>
    <message>
        <source>To the ticked servers</source>
        <translation>An die markierten Server</translation>
    </message>
    <message>
        <source>console line or message</source>
        <translation>Konsolenzeile oder Nachricht</translation>
    </message>
    <message>
        <source>Li&amp;ne or message</source>
        <translation>&amp;Zeile oder Nachricht</translation>
    </message>
    <message>
        <source>Sen&amp;d line</source>
        <translation>Zeile &amp;senden</translation>
    </message>
    <message>
        <source>Sa&amp;y</source>
        <translation>&amp;Durchsagen</translation>
    </message>
    <message>
        <source>Restar&amp;t map</source>
        <translation>Map &amp;neu starten</translation>
    </message>
    <message>
        <source>Outcomes on the ticked servers</source>
        <translation>Ergebnisse auf den markierten Servern</translation>
    </message>
    <message>
        <source>Time: %1 %2</source>
        <translation>Zeit: %1 %2</translation>
    </message>
    <message>
        <source>To the ticked server</source>
        <translation>An den markierten Server</translation>
    </message>
    <message>
        <source>To the %1 ticked servers</source>
        <translation>An die %1 markierten Server</translation>
    </message>
</context>
<context>
    <name>FriendlyFireFrame</name>
    <message>
        <source>Friendly Fire</source>
        <translation>Friendly Fire</translation>
    </message>
    <message>
        <source>Set Friendly Fire &gt;&gt;</source>
        <translation>Friendly Fire setzen &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>HistoryController</name>
    <message>
        <source>History: waiting for the database</source>
        <translation>Verlauf: Warten auf die Datenbank</translation>
    </message>
    <message>
        <source>History: off</source>
        <translation>Verlauf: aus</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
</context>
<context>
    <name>HistoryDatabase</name>
    <message>
        <source>no reason given</source>
        <translation>kein Grund angegeben</translation>
    </message>
    <message>
        <source>The history file %1</source>
        <translation>Die Verlaufsdatei %1</translation>
    </message>
    <message>
        <source>The history database &quot;%1&quot; on %2:%3</source>
        <translation>Die Verlaufsdatenbank „%1“ auf %2:%3</translation>
    </message>
    <message>
        <source>%1 cannot be opened: this system lacks the Qt driver %2. History is off.</source>
        <translation>%1 kann nicht geöffnet werden: Diesem System fehlt der Qt-Treiber %2. Der Verlauf ist abgeschaltet.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2). History is off.</source>
        <translation>%1 kann nicht gelesen werden (%2). Der Verlauf ist abgeschaltet.</translation>
    </message>
    <message>
        <source>%1 is damaged or is not a history file (%2). History is off; the file is left as it is.</source>
        <translation>%1 ist beschädigt oder keine Verlaufsdatei (%2). Der Verlauf ist abgeschaltet; die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>it does not start as a database</source>
        <translation>sie beginnt nicht wie eine Datenbank</translation>
    </message>
    <message>
        <source>%1 was written by a newer Vostrel (schema %2; this one knows %3). History is off; the file is left as it is.</source>
        <translation>%1 wurde von einer neueren Vostrel-Version geschrieben (Schema %2; diese kennt %3). Der Verlauf ist abgeschaltet; die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>%1 cannot be created. History is off.</source>
        <translation>%1 kann nicht angelegt werden. Der Verlauf ist abgeschaltet.</translation>
    </message>
    <message>
        <source>History: waiting for the database</source>
        <translation>Verlauf: Warten auf die Datenbank</translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2). History is off.</source>
        <translation>%1 kann nicht geöffnet werden (%2). Der Verlauf ist abgeschaltet.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2). History is off; it is left as it is.</source>
        <translation>%1 kann nicht gelesen werden (%2). Der Verlauf ist abgeschaltet; sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>%1 was written by a newer Vostrel (schema %2; this one knows %3). History is off; the database is left as it is.</source>
        <translation>%1 wurde von einer neueren Vostrel-Version geschrieben (Schema %2; diese kennt %3). Der Verlauf ist abgeschaltet; die Datenbank bleibt unverändert.</translation>
    </message>
    <message>
        <source>%1 could not be brought to schema %2 (%3). History is off.</source>
        <translation>%1 konnte nicht auf Schema %2 aktualisiert werden (%3). Der Verlauf ist abgeschaltet.</translation>
    </message>
</context>
<context>
    <name>HistoryPreferences</name>
    <message>
        <source>History of players and actions</source>
        <translation>Verlauf von Spielern und Aktionen</translation>
    </message>
    <message>
        <source>A file on this computer (SQLite)</source>
        <translation>Eine Datei auf diesem Rechner (SQLite)</translation>
    </message>
    <message>
        <source>A PostgreSQL server the team shares</source>
        <translation>Ein gemeinsamer PostgreSQL-Server des Teams</translation>
    </message>
    <message>
        <source>Nowhere (history off)</source>
        <translation>Nirgends (Verlauf aus)</translation>
    </message>
    <message>
        <source>&amp;Keep history in</source>
        <translation>Verlauf &amp;speichern in</translation>
    </message>
    <message>
        <source>H&amp;ost</source>
        <translation>H&amp;ost</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>&amp;Database</source>
        <translation>&amp;Datenbank</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Benutzer</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>Pass&amp;wort</translation>
    </message>
    <message>
        <source>A PostgreSQL server needs its host and the name of its database.</source>
        <translation>Für einen PostgreSQL-Server werden Host und Datenbankname benötigt.</translation>
    </message>
</context>
<context>
    <name>HistoryWorker</name>
    <message>
        <source>History: waiting for the database</source>
        <translation>Verlauf: Warten auf die Datenbank</translation>
    </message>
</context>
<context>
    <name>HobWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Populate from server</source>
        <translation>Vom Server einlesen</translation>
    </message>
    <message>
        <source>Send current to server</source>
        <translation>Aktuelle Werte senden</translation>
    </message>
    <message>
        <source>Set Gametype to HOB</source>
        <translation>Spieltyp auf HOB setzen</translation>
    </message>
    <message>
        <source>Set g_gametype HOB</source>
        <translation>g_gametype auf HOB setzen</translation>
    </message>
    <message>
        <source>Numeric value between 1 and 30 please</source>
        <translation>Bitte eine Zahl zwischen 1 und 30 eingeben</translation>
    </message>
    <message>
        <source>Number Field</source>
        <translation>Zahlenfeld</translation>
    </message>
    <message>
        <source>Value between 1 and 30 please</source>
        <translation>Bitte einen Wert zwischen 1 und 30 eingeben</translation>
    </message>
    <message>
        <source>Invalid Value</source>
        <translation>Ungültiger Wert</translation>
    </message>
    <message>
        <source>Reading variables from the server...
Heat of Battle MOD...</source>
        <translation>Variablen werden vom Server gelesen...
Heat of Battle Mod...</translation>
    </message>
    <message>
        <source>Send settings to server?<byte value="xd"/>Only changed values will be sent.</source>
        <translation>Einstellungen an den Server senden?<byte value="xd"/>Nur geänderte Werte werden gesendet.</translation>
    </message>
    <message>
        <source>Send to Server?</source>
        <translation>An den Server senden?</translation>
    </message>
    <message>
        <source>Sending variables to the server...
Heat of Battle MOD...</source>
        <translation>Variablen werden an den Server gesendet...
Heat of Battle Mod...</translation>
    </message>
</context>
<context>
    <name>LanguagePreferences</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Language of the program</source>
        <translation>Sprache des Programms</translation>
    </message>
</context>
<context>
    <name>LogActions</name>
    <message>
        <source>Clear the RCON window?</source>
        <translation>Das RCON-Fenster leeren?</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear the message window?</source>
        <translation>Das Meldungsfenster leeren?</translation>
    </message>
    <message>
        <source>Save file as...</source>
        <translation>Datei speichern unter...</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Server: %1</translation>
    </message>
    <message>
        <source>Error writing file, err %1<byte value="xd"/>%2</source>
        <translation>Fehler beim Schreiben der Datei (Code %1)<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Failed to Save</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Servers open</source>
        <translation>Offene Server</translation>
    </message>
    <message>
        <source>Open a workspace for another server (Ctrl+T)</source>
        <translation>Einen Arbeitsbereich für einen weiteren Server öffnen (Strg+T)</translation>
    </message>
    <message>
        <source>New server tab</source>
        <translation>Neuer Server-Tab</translation>
    </message>
    <message>
        <source>Type message to send to server</source>
        <translation>Nachricht an den Server eingeben</translation>
    </message>
    <message>
        <source>Server Message</source>
        <translation>Servernachricht</translation>
    </message>
    <message>
        <source>Send &amp;Message</source>
        <translation>&amp;Nachricht senden</translation>
    </message>
    <message>
        <source>User &amp;Prefix for message</source>
        <translation>Benutzer&amp;präfix für Nachrichten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New Server &amp;Tab</source>
        <translation>Neuer Server-&amp;Tab</translation>
    </message>
    <message>
        <source>Close Server T&amp;ab</source>
        <translation>Server-Tab s&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Save current server Info</source>
        <translation>Aktuellen Server &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Remove current server Info</source>
        <translation>Aktuellen Server ent&amp;fernen</translation>
    </message>
    <message>
        <source>Save &amp;message log...</source>
        <translation>&amp;Meldungsprotokoll speichern...</translation>
    </message>
    <message>
        <source>Clear M&amp;essage log</source>
        <translation>Meldungsprotokoll &amp;leeren</translation>
    </message>
    <message>
        <source>Save RCON &amp;log...</source>
        <translation>RCON-&amp;Protokoll speichern...</translation>
    </message>
    <message>
        <source>Clear RCON l&amp;og</source>
        <translation>RCON-Protokoll lee&amp;ren</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Common Tasks</source>
        <translation>Häufige &amp;Aufgaben</translation>
    </message>
    <message>
        <source>&amp;Restart Map</source>
        <translation>&amp;Map neu starten</translation>
    </message>
    <message>
        <source>&amp;Next Map in Cycle</source>
        <translation>&amp;Nächste Map der Rotation</translation>
    </message>
    <message>
        <source>Friendly Fire &amp;On</source>
        <translation>Friendly Fire &amp;an</translation>
    </message>
    <message>
        <source>Friendly Fire O&amp;ff</source>
        <translation>Friendly Fire a&amp;us</translation>
    </message>
    <message>
        <source>Friendly Fire R&amp;eflective damage</source>
        <translation>Friendly Fire: &amp;reflektierter Schaden</translation>
    </message>
    <message>
        <source>Friendly Fire S&amp;hared</source>
        <translation>Friendly Fire: &amp;geteilter Schaden</translation>
    </message>
    <message>
        <source>&amp;Game mode switch</source>
        <translation>&amp;Spielmodus wechseln</translation>
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
        <translation>&amp;United Offensive: Modi</translation>
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
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>&amp;Spieler...</translation>
    </message>
    <message>
        <source>&amp;Actions...</source>
        <translation>&amp;Aktionen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Failed to write new server list to INI file (%1)<byte value="xd"/>Error code %2 Descr: %3</source>
        <translation>Die neue Serverliste konnte nicht in die INI-Datei geschrieben werden (%1)<byte value="xd"/>Fehlercode %2, Beschreibung: %3</translation>
    </message>
    <message>
        <source>INI Write Fail</source>
        <translation>INI-Schreibfehler</translation>
    </message>
    <message>
        <source>Message changes not saved<byte value="xd"/>Click OK if you wish to go back to save them</source>
        <translation>Die Änderungen an den Nachrichten sind nicht gespeichert<byte value="xd"/>Klicken Sie auf OK, um zurückzugehen und sie zu speichern</translation>
    </message>
    <message>
        <source>Unsaved Messages Sets</source>
        <translation>Ungespeicherte Nachrichten-Sets</translation>
    </message>
    <message>
        <source>Saving server list to INI</source>
        <translation>Serverliste wird in die INI-Datei gespeichert</translation>
    </message>
    <message>
        <source>user prefix</source>
        <translation>Benutzerpräfix</translation>
    </message>
    <message>
        <source>Failed to write the user prefix to INI file<byte value="xd"/>Error code %1 Descr: %2</source>
        <translation>Das Benutzerpräfix konnte nicht in die INI-Datei geschrieben werden<byte value="xd"/>Fehlercode %1, Beschreibung: %2</translation>
    </message>
</context>
<context>
    <name>MapsPage</name>
    <message>
        <source>Select Map to load (Cod and UO)</source>
        <translation>Map zum Laden wählen (CoD und UO)</translation>
    </message>
    <message>
        <source>Load selected map</source>
        <translation>Map laden</translation>
    </message>
    <message>
        <source>Load Default maps</source>
        <translation>Standard-Maps</translation>
    </message>
    <message>
        <source>Populate from server</source>
        <translation>Vom Server einlesen</translation>
    </message>
    <message>
        <source>Restart current map</source>
        <translation>Map neu starten</translation>
    </message>
    <message>
        <source>Next map in rotation</source>
        <translation>Nächste Map</translation>
    </message>
    <message>
        <source>Note: Default maps load both standard COD and the addon UO maps.  Use Populate to see ALL maps server has available.</source>
        <translation>Hinweis: Die Standard-Maps umfassen die Maps von CoD und vom Add-on UO. Mit „Vom Server einlesen“ sehen Sie ALLE Maps, die der Server bereitstellt.</translation>
    </message>
    <message>
        <source>Asking server for map list...</source>
        <translation>Map-Liste wird vom Server abgefragt...</translation>
    </message>
    <message>
        <source>No maps found in %1</source>
        <translation>Keine Maps gefunden in %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Map list not read: %1</source>
        <translation>Map-Liste nicht gelesen: %1</translation>
    </message>
    <message>
        <source>The server answered the map list %1 times, but with no list (an empty reply)</source>
        <translation>Der Server hat %1-mal auf die Map-Abfrage geantwortet, aber ohne Liste (leere Antwort)</translation>
    </message>
    <message>
        <source>The server answered the map list %1 times, but its reply could not be read:<byte value="xd"/>%2</source>
        <translation>Der Server hat %1-mal auf die Map-Abfrage geantwortet, aber seine Antwort war nicht lesbar:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Map list not read</source>
        <translation>Map-Liste nicht gelesen</translation>
    </message>
    <message>
        <source>Select a map in the table to load first</source>
        <translation>Wählen Sie zuerst in der Tabelle eine Map zum Laden aus</translation>
    </message>
    <message>
        <source>Select Map</source>
        <translation>Map wählen</translation>
    </message>
</context>
<context>
    <name>MessageCycler</name>
    <message>
        <source>Message Cycler</source>
        <translation>Nachrichtenwechsler</translation>
    </message>
    <message>
        <source>Number of minutes between messages (1 -10)</source>
        <translation>Minuten zwischen den Nachrichten (1–10)</translation>
    </message>
    <message>
        <source>Message Interval</source>
        <translation>Nachrichtenintervall</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Start the message cycle on active server</source>
        <translation>Nachrichtenwechsel auf dem aktiven Server starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stop the message cycle on server</source>
        <translation>Nachrichtenwechsel auf dem Server anhalten</translation>
    </message>
    <message>
        <source>Stopping the active message Cycle to sync changes</source>
        <translation>Laufender Nachrichtenwechsel wird angehalten, um die Änderungen zu übernehmen</translation>
    </message>
    <message>
        <source>Please connect to server first</source>
        <translation>Bitte verbinden Sie sich zuerst mit dem Server</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Pending Save sets active<byte value="xd"/>Please either Save or Discard changes<byte value="xd"/>before starting message cycler</source>
        <translation>Es gibt ungespeicherte Sets<byte value="xd"/>Bitte speichern oder verwerfen Sie die Änderungen,<byte value="xd"/>bevor Sie den Nachrichtenwechsler starten</translation>
    </message>
    <message>
        <source>Pending Save Sets</source>
        <translation>Ungespeicherte Sets</translation>
    </message>
    <message>
        <source>Start message Cycle for set named:<byte value="xd"/>%1</source>
        <translation>Nachrichtenwechsel für dieses Set starten?<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Start Message Cycler</source>
        <translation>Nachrichtenwechsler starten</translation>
    </message>
    <message>
        <source>The message set does not contain any messages!<byte value="xd"/> Please make some messages first.</source>
        <translation>Das Nachrichten-Set enthält keine Nachrichten!<byte value="xd"/> Bitte legen Sie zuerst Nachrichten an.</translation>
    </message>
    <message>
        <source>No messages in set</source>
        <translation>Keine Nachrichten im Set</translation>
    </message>
    <message>
        <source>Value between 1 and 10 only please</source>
        <translation>Bitte nur Werte von 1 bis 10</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>Value between 1 and 10 minutes</source>
        <translation>Wert zwischen 1 und 10 Minuten</translation>
    </message>
</context>
<context>
    <name>MessageSetEditor</name>
    <message>
        <source>Colour Codes&gt;</source>
        <translation>Farbcodes&gt;</translation>
    </message>
    <message>
        <source>Message Sets</source>
        <translation>Nachrichten-Sets</translation>
    </message>
    <message>
        <source>Lists messages sets</source>
        <translation>Liste der Nachrichten-Sets</translation>
    </message>
    <message>
        <source>Message set</source>
        <translation>Nachrichten-Set</translation>
    </message>
    <message>
        <source>Message Sets allow more than one group of messages (e.g. 1 per server)</source>
        <translation>Mit Nachrichten-Sets können Sie mehrere Gruppen von Nachrichten anlegen (z. B. eine pro Server)</translation>
    </message>
    <message>
        <source>Number of Free Set slots</source>
        <translation>Anzahl freier Set-Plätze</translation>
    </message>
    <message>
        <source>Sets free</source>
        <translation>Freie Sets</translation>
    </message>
    <message>
        <source>Click entry to select for Move or Delete. Double Click to edit entry</source>
        <translation>Eintrag anklicken zum Verschieben oder Löschen, Doppelklick zum Bearbeiten</translation>
    </message>
    <message>
        <source>Messages in set</source>
        <translation>Nachrichten im Set</translation>
    </message>
    <message>
        <source>Move up in list</source>
        <translation>In der Liste nach oben</translation>
    </message>
    <message>
        <source>Move down in list</source>
        <translation>In der Liste nach unten</translation>
    </message>
    <message>
        <source>Removes selected item</source>
        <translation>Entfernt den ausgewählten Eintrag</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>%IP% for IP number &amp; port, %SN% for server name, %FF% Friendlyfire status</source>
        <translation>%IP% für IP-Adresse und Port, %SN% für den Servernamen, %FF% für den Friendly-Fire-Status</translation>
    </message>
    <message>
        <source>Save Sets</source>
        <translation>Sets speichern</translation>
    </message>
    <message>
        <source>Save new list to INI file</source>
        <translation>Neue Liste in der INI-Datei speichern</translation>
    </message>
    <message>
        <source>Delete Set</source>
        <translation>Set löschen</translation>
    </message>
    <message>
        <source>Deletes current Set</source>
        <translation>Löscht das aktuelle Set</translation>
    </message>
    <message>
        <source>Discard change</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>No message set selected in Message Set field</source>
        <translation>Im Feld „Nachrichten-Set“ ist kein Set ausgewählt</translation>
    </message>
    <message>
        <source>No set selected</source>
        <translation>Kein Set ausgewählt</translation>
    </message>
    <message>
        <source>No free sets left, %1 in use<byte value="xd"/>To add new you must remove an old one</source>
        <translation>Keine freien Sets mehr, %1 belegt<byte value="xd"/>Für ein neues müssen Sie ein altes entfernen</translation>
    </message>
    <message>
        <source>No Free Slots</source>
        <translation>Keine freien Plätze</translation>
    </message>
    <message>
        <source>Add new Set to list</source>
        <translation>Neues Set zur Liste hinzufügen?</translation>
    </message>
    <message>
        <source>New Message Set</source>
        <translation>Neues Nachrichten-Set</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the set named:<byte value="xd"/>%1</source>
        <translation>Möchten Sie dieses Set wirklich löschen?<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Set named %1 removed.</source>
        <translation>Set %1 entfernt.</translation>
    </message>
    <message>
        <source>Discard changes and reset to existing</source>
        <translation>Änderungen verwerfen und gespeicherten Stand wiederherstellen?</translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Reverted back to existing messages</source>
        <translation>Gespeicherte Nachrichten wiederhergestellt</translation>
    </message>
    <message>
        <source>Discarded changes</source>
        <translation>Änderungen verworfen</translation>
    </message>
    <message>
        <source>Save message sets to INI</source>
        <translation>Nachrichten-Sets in der INI-Datei speichern?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>Writing changes to INI file</source>
        <translation>Änderungen werden in die INI-Datei geschrieben</translation>
    </message>
    <message>
        <source>Failed to write to INI file, Please report bug and messages attempted</source>
        <translation>Schreiben in die INI-Datei fehlgeschlagen. Bitte melden Sie den Fehler zusammen mit den betroffenen Nachrichten</translation>
    </message>
    <message>
        <source>Failed to write INI</source>
        <translation>INI-Datei nicht geschrieben</translation>
    </message>
</context>
<context>
    <name>MiscPage</name>
    <message>
        <source>No CFGs on server</source>
        <translation>Keine CFGs auf dem Server</translation>
    </message>
    <message>
        <source>Server Map Rotation</source>
        <translation>Map-Rotation des Servers</translation>
    </message>
    <message>
        <source>Server Default Map Rotation</source>
        <translation>Standard-Map-Rotation des Servers</translation>
    </message>
    <message>
        <source>Server EDIT Map Rotation</source>
        <translation>Map-Rotation des Servers (BEARBEITEN)</translation>
    </message>
    <message>
        <source>Server map rotation (when we connected)</source>
        <translation>Map-Rotation des Servers (beim Verbinden)</translation>
    </message>
    <message>
        <source>Change server map rotation</source>
        <translation>Map-Rotation des Servers ändern</translation>
    </message>
    <message>
        <source>Default -&gt; EDIT</source>
        <translation>Standard -&gt; BEARBEITEN</translation>
    </message>
    <message>
        <source>Clear EDIT</source>
        <translation>BEARBEITEN leeren</translation>
    </message>
    <message>
        <source>Set Server to EDIT</source>
        <translation>Server auf BEARBEITEN setzen</translation>
    </message>
    <message>
        <source>C&amp;lick for Notes</source>
        <translation>Hinweise anzeigen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Execute CFG</source>
        <translation>CFG ausführen</translation>
    </message>
    <message>
        <source>Exec CFG</source>
        <translation>CFG ausführen</translation>
    </message>
    <message>
        <source>CFG files on server</source>
        <translation>CFG-Dateien auf dem Server</translation>
    </message>
    <message>
        <source>Server did not give rotation.</source>
        <translation>Der Server hat keine Rotation geliefert.</translation>
    </message>
    <message>
        <source>C&amp;lick to remove</source>
        <translation>Hinweise ausblenden</translation>
    </message>
    <message>
        <source>Are you sure you want to Exec the selected CFG file<byte value="xd"/>Executing CFGs is at your own risk!<byte value="xd"/><byte value="xd"/>Please ensure you know what the file performs</source>
        <translation>Möchten Sie die ausgewählte CFG-Datei wirklich ausführen?<byte value="xd"/>Das Ausführen von CFGs erfolgt auf eigene Gefahr!<byte value="xd"/><byte value="xd"/>Bitte stellen Sie sicher, dass Sie wissen, was die Datei bewirkt</translation>
    </message>
</context>
<context>
    <name>ModsPage</name>
    <message>
        <source>Click for CB rules</source>
        <translation>CB-Regeln anzeigen</translation>
    </message>
    <message>
        <source>Click to remove</source>
        <translation>Regeln ausblenden</translation>
    </message>
    <message>
        <source>Clanbase rules</source>
        <translation>Clan-Base-Regeln</translation>
    </message>
    <message>
        <source>Set server for clanbase rules</source>
        <translation>Server auf Clan-Base-Regeln setzen</translation>
    </message>
    <message>
        <source>Heat Of Battle Mod V.3</source>
        <translation>Heat of Battle Mod V.3</translation>
    </message>
    <message>
        <source>Heat of Battle server variables</source>
        <translation>Heat of Battle: Servervariablen</translation>
    </message>
    <message>
        <source>Heat of &amp;Battle...</source>
        <translation>Heat of &amp;Battle...</translation>
    </message>
    <message>
        <source>Visit Official Website</source>
        <translation>Offizielle Website besuchen</translation>
    </message>
</context>
<context>
    <name>NamesExport</name>
    <message>
        <source>Player log</source>
        <translation>Spielerprotokoll</translation>
    </message>
    <message>
        <source>Save Names</source>
        <translation>Namen speichern</translation>
    </message>
    <message>
        <source>Append current list of players and GUIDs to playerlist.csv</source>
        <translation>Aktuelle Liste der Spieler und GUIDs an playerlist.csv anhängen?</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Liste speichern</translation>
    </message>
    <message>
        <source>Could not append to playerlist.csv<byte value="xd"/>%1</source>
        <translation>Anhängen an playerlist.csv fehlgeschlagen<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Players appended</source>
        <translation>Spieler angehängt</translation>
    </message>
    <message>
        <source>Players saved</source>
        <translation>Spieler gespeichert</translation>
    </message>
</context>
<context>
    <name>PlanRunner</name>
    <message>
        <source>%1 (from the next map)</source>
        <translation>%1 (ab der nächsten Map)</translation>
    </message>
    <message>
        <source>%1 not done: %2</source>
        <translation>%1 nicht ausgeführt: %2</translation>
    </message>
    <message>
        <source>%1 not changed: %2</source>
        <translation>Nicht übernommen (%1): %2</translation>
    </message>
    <message>
        <source>%1: no answer from the server (it may have been applied)</source>
        <translation>%1: keine Antwort vom Server (möglicherweise trotzdem übernommen)</translation>
    </message>
</context>
<context>
    <name>PlayerActionsPanel</name>
    <message>
        <source>Select a player from the list to Kick first</source>
        <translation>Wählen Sie zuerst einen Spieler zum Kicken aus der Liste</translation>
    </message>
    <message>
        <source>Only Kick with Rcon access, not in Query Mode</source>
        <translation>Kicken nur mit RCON-Zugang, nicht im Query-Modus</translation>
    </message>
    <message>
        <source>Select a player from the list to Ban first</source>
        <translation>Wählen Sie zuerst einen Spieler zum Bannen aus der Liste</translation>
    </message>
    <message>
        <source>Only Ban with Rcon access, not in Query Mode</source>
        <translation>Bannen nur mit RCON-Zugang, nicht im Query-Modus</translation>
    </message>
    <message>
        <source>Select a player from the list to temporary Ban first</source>
        <translation>Wählen Sie zuerst einen Spieler für den Zeitbann aus der Liste</translation>
    </message>
    <message>
        <source>Only Temp Ban with Rcon access, not in Query Mode</source>
        <translation>Zeitbann nur mit RCON-Zugang, nicht im Query-Modus</translation>
    </message>
    <message>
        <source>Selected player</source>
        <translation>Ausgewählter Spieler</translation>
    </message>
    <message>
        <source>Kick selected</source>
        <translation>Kicken</translation>
    </message>
    <message>
        <source>Ban selected</source>
        <translation>Bannen</translation>
    </message>
    <message>
        <source>Temp Ban selected</source>
        <translation>Zeitbann</translation>
    </message>
    <message>
        <source>Send message</source>
        <translation>Nachricht senden</translation>
    </message>
    <message>
        <source>No player</source>
        <translation>Kein Spieler</translation>
    </message>
    <message>
        <source>Need Rcon Access</source>
        <translation>RCON-Zugang nötig</translation>
    </message>
    <message>
        <source>Player left</source>
        <translation>Spieler gegangen</translation>
    </message>
    <message>
        <source>Can only send message to an individual with the RCON access
Populate players without Query Mode ticked</source>
        <translation>Eine Nachricht an einzelne Spieler geht nur mit RCON-Zugang
Bitte die Spieler ohne Query-Modus einlesen</translation>
    </message>
    <message>
        <source>Need Player ID</source>
        <translation>Spieler-ID nötig</translation>
    </message>
    <message>
        <source>Select a player from the list to send private to</source>
        <translation>Wählen Sie in der Liste den Spieler für die Privatnachricht aus</translation>
    </message>
    <message>
        <source>Enter message to send selected player
( Note: Use %P% to auto full playername)</source>
        <translation>Nachricht an den ausgewählten Spieler eingeben
(Hinweis: %P% wird durch den vollen Spielernamen ersetzt)</translation>
    </message>
    <message>
        <source>Enter Message</source>
        <translation>Nachricht eingeben</translation>
    </message>
</context>
<context>
    <name>PlayerGrid</name>
    <message>
        <source>Num</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Guid</source>
        <translation>GUID</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
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
        <translation>Rate</translation>
    </message>
    <message>
        <source>Last Message</source>
        <translation>Letzte Nachricht</translation>
    </message>
    <message>
        <source>Players on the server at last Populate</source>
        <translation>Spieler auf dem Server beim letzten Einlesen</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
</context>
<context>
    <name>PlayerHistoryPanel</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Player history</source>
        <translation>Spielerverlauf</translation>
    </message>
    <message>
        <source>No history is kept (Preferences).</source>
        <translation>Es wird kein Verlauf geführt (siehe Einstellungen).</translation>
    </message>
    <message>
        <source>Select a player to see what the history knows of them.</source>
        <translation>Wählen Sie einen Spieler, um zu sehen, was der Verlauf über ihn weiß.</translation>
    </message>
    <message>
        <source>Looking up...</source>
        <translation>Wird nachgeschlagen...</translation>
    </message>
</context>
<context>
    <name>PlayerHistoryText</name>
    <message>
        <source>kick</source>
        <translation>Kick</translation>
    </message>
    <message>
        <source>ban</source>
        <translation>Bann</translation>
    </message>
    <message>
        <source>tempban</source>
        <translation>Zeitbann</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>übernommen</translation>
    </message>
    <message>
        <source>taken at next map</source>
        <translation>ab nächster Map übernommen</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nicht gesendet</translation>
    </message>
    <message>
        <source>Not seen before.</source>
        <translation>Bisher nicht gesehen.</translation>
    </message>
    <message>
        <source>First seen: %1</source>
        <translation>Zuerst gesehen: %1</translation>
    </message>
    <message>
        <source>Last seen: %1</source>
        <translation>Zuletzt gesehen: %1</translation>
    </message>
    <message>
        <source>No other names.</source>
        <translation>Keine weiteren Namen.</translation>
    </message>
    <message>
        <source>Also seen as: %1</source>
        <translation>Auch bekannt als: %1</translation>
    </message>
    <message>
        <source>No kicks or bans.</source>
        <translation>Keine Kicks oder Banns.</translation>
    </message>
    <message>
        <source>Kicks and bans:</source>
        <translation>Kicks und Banns:</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>kein Grund angegeben</translation>
    </message>
    <message>
        <source>%1 %2 (%3, %4): %5</source>
        <translation>%1 %2 (%3, %4): %5</translation>
    </message>
</context>
<context>
    <name>PlayerListing</name>
    <message>
        <source>You need to connect to a server first</source>
        <translation>Sie müssen sich zuerst mit einem Server verbinden</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Asking server for player list...</source>
        <translation>Spielerliste wird vom Server abgefragt...</translation>
    </message>
    <message>
        <source>No response from server in 5 seconds with standard Query method</source>
        <translation>Keine Antwort vom Server innerhalb von 5 Sekunden mit der normalen Query-Methode</translation>
    </message>
    <message>
        <source>No response</source>
        <translation>Keine Antwort</translation>
    </message>
    <message>
        <source>No players on server</source>
        <translation>Keine Spieler auf dem Server</translation>
    </message>
    <message>
        <source>No players</source>
        <translation>Keine Spieler</translation>
    </message>
    <message>
        <source>The server is not responding quickly enough<byte value="xd"/>Try populate again</source>
        <translation>Der Server antwortet nicht schnell genug<byte value="xd"/>Bitte erneut einlesen</translation>
    </message>
    <message>
        <source>Slow Server Response</source>
        <translation>Langsame Serverantwort</translation>
    </message>
    <message>
        <source>The server answered, but not with a player list:<byte value="xd"/>%1</source>
        <translation>Der Server hat geantwortet, aber nicht mit einer Spielerliste:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Unreadable reply</source>
        <translation>Unlesbare Antwort</translation>
    </message>
</context>
<context>
    <name>PlayerSearchDialog</name>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>part of a name, or an address</source>
        <translation>Teil eines Namens oder eine Adresse</translation>
    </message>
    <message>
        <source>&amp;Find player</source>
        <translation>Spieler &amp;finden</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Players found</source>
        <translation>Gefundene Spieler</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
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
        <translation>Server</translation>
    </message>
    <message>
        <source>First seen</source>
        <translation>Zuerst gesehen</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Zuletzt gesehen</translation>
    </message>
    <message>
        <source>No history is kept (Preferences).</source>
        <translation>Es wird kein Verlauf geführt (siehe Einstellungen).</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>No player found.</source>
        <translation>Kein Spieler gefunden.</translation>
    </message>
    <message>
        <source>1 player found.</source>
        <translation>1 Spieler gefunden.</translation>
    </message>
    <message>
        <source>%1 players found.</source>
        <translation>%1 Spieler gefunden.</translation>
    </message>
</context>
<context>
    <name>PlayersPage</name>
    <message>
        <source>Populate from server</source>
        <translation>Vom Server einlesen</translation>
    </message>
    <message>
        <source>Get current player list from server</source>
        <translation>Aktuelle Spielerliste vom Server holen</translation>
    </message>
    <message>
        <source>Remove colour id</source>
        <translation>Farbcodes entfernen</translation>
    </message>
    <message>
        <source>This will remove the ^n from the player names to make them more readable</source>
        <translation>Entfernt die ^n aus den Spielernamen, damit sie besser lesbar sind</translation>
    </message>
    <message>
        <source>Removes ^n from names on populate. If changed then call Populate again</source>
        <translation>Entfernt ^n beim Einlesen aus den Namen. Nach einer Änderung erneut einlesen</translation>
    </message>
    <message>
        <source>Query Mode</source>
        <translation>Query-Modus</translation>
    </message>
    <message>
        <source>If populate keeps timing out (usually when fairly full servers) then use Query mode to return basic player details. This is a UDP fragmented packets problem where routers do not allow the fragmented packets through in case a DOS attack</source>
        <translation>Läuft das Einlesen immer wieder in eine Zeitüberschreitung (meist bei ziemlich vollen Servern), liefert der Query-Modus die wichtigsten Spielerdaten. Ursache sind fragmentierte UDP-Pakete, die Router aus Schutz vor DoS-Angriffen nicht durchlassen</translation>
    </message>
    <message>
        <source>Auto Update</source>
        <translation>Auto-Aktualisierung</translation>
    </message>
    <message>
        <source>Auto Update list, interval taken from Preferences...</source>
        <translation>Liste automatisch aktualisieren, Intervall aus den Einstellungen...</translation>
    </message>
    <message>
        <source>Auto update player list, see Preferences for interval</source>
        <translation>Spielerliste automatisch aktualisieren, Intervall siehe Einstellungen</translation>
    </message>
    <message>
        <source>Select Column to sort on</source>
        <translation>Spalte zum Sortieren wählen</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Guid</source>
        <translation>GUID</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
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
        <translation>Rate</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Sort on</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <source>Players on the server</source>
        <translation>Spieler auf dem Server</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Vostrel - Preferences</source>
        <translation>Vostrel – Einstellungen</translation>
    </message>
    <message>
        <source>General Options</source>
        <translation>Allgemeine Optionen</translation>
    </message>
    <message>
        <source>&amp;Auto save RCON window on exit</source>
        <translation>RCON-Fenster beim Beenden automatisch speichern</translation>
    </message>
    <message>
        <source>Auto save &amp;Messages on exit</source>
        <translation>Meldungen beim Beenden automatisch speichern</translation>
    </message>
    <message>
        <source>C&amp;lear RCON window on new server</source>
        <translation>RCON-Fenster bei neuem Server leeren</translation>
    </message>
    <message>
        <source>Clear Messages on &amp;new server</source>
        <translation>Meldungen bei neuem Server leeren</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>Spieleroptionen</translation>
    </message>
    <message>
        <source>&amp;Remove Colour ID&apos;s</source>
        <translation>Farbcodes entfernen</translation>
    </message>
    <message>
        <source>Use &amp;Query mode for populate</source>
        <translation>Query-Modus zum Einlesen verwenden</translation>
    </message>
    <message>
        <source>Auto &amp;Update player list</source>
        <translation>Spielerliste automatisch aktualisieren</translation>
    </message>
    <message>
        <source>Number of seconds between refreshes</source>
        <translation>Sekunden zwischen den Aktualisierungen</translation>
    </message>
    <message>
        <source>Auto &amp;Kick 999 players</source>
        <translation>Spieler mit Ping 999 automatisch kicken</translation>
    </message>
    <message>
        <source>Number of checks before kick</source>
        <translation>Anzahl der Prüfungen vor dem Kick</translation>
    </message>
    <message>
        <source>Auto Server Options</source>
        <translation>Automatische Serveroptionen</translation>
    </message>
    <message>
        <source>Auto c&amp;onnect on startup</source>
        <translation>Beim Start automatisch verbinden</translation>
    </message>
    <message>
        <source>S&amp;tart messages on startup</source>
        <translation>Nachrichtenwechsel beim Start starten</translation>
    </message>
    <message>
        <source>Server &amp;IP</source>
        <translation>Server-IP</translation>
    </message>
    <message>
        <source>Server &amp;Port</source>
        <translation>Server-Port</translation>
    </message>
    <message>
        <source>Rcon pass&amp;word</source>
        <translation>RCON-Passwort</translation>
    </message>
    <message>
        <source>Messa&amp;ge Set</source>
        <translation>Nachrichten-Set</translation>
    </message>
    <message>
        <source>Message Inter&amp;val</source>
        <translation>&amp;Wechselintervall</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Failed to write new %1 to INI file<byte value="xd"/>Error code %2 Descr: %3</source>
        <translation>%1 konnte nicht in die INI-Datei geschrieben werden<byte value="xd"/>Fehlercode %2, Beschreibung: %3</translation>
    </message>
    <message>
        <source>INI Write Fail</source>
        <translation>INI-Schreibfehler</translation>
    </message>
    <message>
        <source>Server IP</source>
        <translation>Server-IP</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>Server-Port</translation>
    </message>
    <message>
        <source>Rcon password</source>
        <translation>RCON-Passwort</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Save any changes made</source>
        <translation>Alle vorgenommenen Änderungen speichern</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>save rcon</source>
        <translation>RCON-Speicheroption</translation>
    </message>
    <message>
        <source>history settings</source>
        <translation>Verlaufseinstellungen</translation>
    </message>
    <message>
        <source>language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Preferences saved.</source>
        <translation>Einstellungen gespeichert.</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Exit preferences?<byte value="xd"/><byte value="xd"/>This will cancel any changes made<byte value="xd"/><byte value="xd"/>Please select Save first if any changes</source>
        <translation>Einstellungen verlassen?<byte value="xd"/><byte value="xd"/>Damit werden alle Änderungen verworfen<byte value="xd"/><byte value="xd"/>Bitte wählen Sie zuerst Speichern, wenn Sie etwas geändert haben</translation>
    </message>
    <message>
        <source>Have you Saved?</source>
        <translation>Haben Sie gespeichert?</translation>
    </message>
    <message>
        <source>At start-up</source>
        <translation>Beim Start</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>The text holds characters the settings file (Windows-1252) cannot keep: %1</source>
        <translation>Der Text enthält Zeichen, die die Einstellungsdatei (Windows-1252) nicht speichern kann: %1</translation>
    </message>
    <message>
        <source>The settings file could not be read, so it was left as it is: %1</source>
        <translation>Die Einstellungsdatei konnte nicht gelesen werden und bleibt daher unverändert: %1</translation>
    </message>
    <message>
        <source>The settings file is read-only</source>
        <translation>Die Einstellungsdatei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>ProgressNotice</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(kein Grund)</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Grund:</translation>
    </message>
    <message>
        <source>Log files (*.%1)</source>
        <translation>Protokolldateien (*.%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>RconClient</name>
    <message>
        <source>command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>The %1 holds characters the game server cannot show: %2<byte value="xd"/>Nothing was sent. Please use only the characters of Western European text (Windows-1252).</source>
        <translation>Der Text (%1) enthält Zeichen, die der Gameserver nicht anzeigen kann: %2<byte value="xd"/>Es wurde nichts gesendet. Bitte verwenden Sie nur westeuropäische Zeichen (Windows-1252).</translation>
    </message>
    <message>
        <source>The %1 is %2 characters long; one request holds at most %3.<byte value="xd"/>Nothing was sent.</source>
        <translation>Der Text (%1) ist %2 Zeichen lang; eine Anfrage fasst höchstens %3.<byte value="xd"/>Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Not sent</source>
        <translation>Nicht gesendet</translation>
    </message>
    <message>
        <source>Please connect to a server first!</source>
        <translation>Bitte verbinden Sie sich zuerst mit einem Server!</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>No route to server, are you sure your connected to the Internet!</source>
        <translation>Keine Route zum Server, bitte prüfen Sie Ihre Internetverbindung!</translation>
    </message>
    <message>
        <source>No Route</source>
        <translation>Keine Route</translation>
    </message>
    <message>
        <source>No response from server in 15 seconds
Could be server loading map! or 
Fragmented UDP packets which routers do not pass on
Try again...</source>
        <translation>Keine Antwort vom Server innerhalb von 15 Sekunden
Vielleicht lädt der Server gerade eine Map, oder 
fragmentierte UDP-Pakete werden von Routern nicht weitergeleitet
Versuchen Sie es erneut...</translation>
    </message>
    <message>
        <source>No response</source>
        <translation>Keine Antwort</translation>
    </message>
    <message>
        <source>Data returned is to large for buffers<byte value="xd"/>Truncated after 8192 bytes<byte value="xd"/>I bet you did CVARLIST ;)</source>
        <translation>Die zurückgegebenen Daten sind zu groß für die Puffer<byte value="xd"/>Nach 8192 Bytes abgeschnitten<byte value="xd"/>Wetten, Sie haben CVARLIST ausgeführt ;)</translation>
    </message>
    <message>
        <source>Truncated data</source>
        <translation>Daten abgeschnitten</translation>
    </message>
    <message>
        <source>&gt;&gt;RCON sent [%1] %2</source>
        <translation>&gt;&gt;RCON gesendet [%1] %2</translation>
    </message>
</context>
<context>
    <name>Request</name>
    <message>
        <source>console command</source>
        <translation>Konsolenbefehl</translation>
    </message>
</context>
<context>
    <name>RotationNotes</name>
    <message>
        <source>Map Rotation;</source>
        <translation>Map-Rotation:</translation>
    </message>
    <message>
        <source>Top box is the Map rotation seen when Vostrel connected to server.</source>
        <translation>Das obere Feld zeigt die Map-Rotation, die Vostrel beim Verbinden vorfand.</translation>
    </message>
    <message>
        <source>Bottom Box is the EDIT area for you to type a TEMPORARY Map rotation.</source>
        <translation>Das untere Feld ist der BEARBEITEN-Bereich für eine VORÜBERGEHENDE Map-Rotation.</translation>
    </message>
    <message>
        <source>(This could be useful to setup for a match so next map is right one)</source>
        <translation>(Nützlich vor einem Match, damit die nächste Map die richtige ist)</translation>
    </message>
    <message>
        <source>When the EDIT rotation has finished the server reverts to TOP box rotation</source>
        <translation>Ist die BEARBEITEN-Rotation abgelaufen, kehrt der Server zur Rotation im OBEREN Feld zurück</translation>
    </message>
    <message>
        <source>Best way for matches is set the two maps you want in EDIT box and then do</source>
        <translation>Für Matches am besten die zwei gewünschten Maps ins BEARBEITEN-Feld setzen und dann</translation>
    </message>
    <message>
        <source>a map restart command. That will end current map and start with first in EDIT.</source>
        <translation>die Map neu starten. Das beendet die laufende Map und beginnt mit der ersten aus BEARBEITEN.</translation>
    </message>
    <message>
        <source>Button &quot;Default -&gt; EDIT&quot; pastes the default into the Edit box.</source>
        <translation>Schaltfläche „Standard -&gt; BEARBEITEN“ kopiert die Standard-Rotation ins BEARBEITEN-Feld.</translation>
    </message>
    <message>
        <source>Button &quot;Clear EDIT&quot; empties the EDIT box</source>
        <translation>Schaltfläche „BEARBEITEN leeren“ leert das BEARBEITEN-Feld</translation>
    </message>
    <message>
        <source>Button &quot;Set Server to Default&quot; resets the server to the Default Map</source>
        <translation>Schaltfläche „Server auf Standard setzen“ setzt den Server auf die Standard-Map-</translation>
    </message>
    <message>
        <source>Rotation in top box.</source>
        <translation>Rotation im oberen Feld zurück.</translation>
    </message>
    <message>
        <source>Button &quot;Set server to EDIT&quot; sets the server to the map rotation in</source>
        <translation>Schaltfläche „Server auf BEARBEITEN setzen“ setzt den Server auf die Map-Rotation im</translation>
    </message>
    <message>
        <source>Bottom box.</source>
        <translation>unteren Feld.</translation>
    </message>
    <message>
        <source>Do not prefix text with rcon variable, I will do that.</source>
        <translation>Den Text nicht mit der RCON-Variablen beginnen, das erledigt Vostrel.</translation>
    </message>
    <message>
        <source>Please ensure you format the line correctly !!!</source>
        <translation>Bitte achten Sie auf das richtige Format der Zeile!</translation>
    </message>
    <message>
        <source>Format is;</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>GAMETYPE xxx MAP xxxxxx  repeating</source>
        <translation>gametype xxx map xxxxxx  (wiederholt)</translation>
    </message>
    <message>
        <source>Where xxx is the gametype prefix, DM, TDM, SD, RE, HQ, BEL or Modprefix</source>
        <translation>Dabei ist xxx das Spieltyp-Kürzel: DM, TDM, SD, RE, HQ, BEL oder das Mod-Kürzel</translation>
    </message>
    <message>
        <source>xxxxxx is the map name, for example; mp_pavlov</source>
        <translation>und xxxxxx der Map-Name, zum Beispiel mp_pavlov</translation>
    </message>
</context>
<context>
    <name>SavedServersController</name>
    <message>
        <source>Need a Server, Port and password to be present to save</source>
        <translation>Zum Speichern werden Server, Port und Passwort benötigt</translation>
    </message>
    <message>
        <source>In complete details</source>
        <translation>Unvollständige Angaben</translation>
    </message>
</context>
<context>
    <name>ServerDetailsPlan</name>
    <message>
        <source>Asking server for status</source>
        <translation>Serverstatus wird abgefragt</translation>
    </message>
    <message>
        <source>Asking server for Map rotation</source>
        <translation>Map-Rotation wird abgefragt</translation>
    </message>
    <message>
        <source>Server has no CFG files - Disabling fields...</source>
        <translation>Server hat keine CFG-Dateien – Felder werden deaktiviert...</translation>
    </message>
    <message>
        <source>Asking server for cfg files</source>
        <translation>CFG-Dateien werden abgefragt</translation>
    </message>
</context>
<context>
    <name>ServerEditDialog</name>
    <message>
        <source>Vostrel - Server</source>
        <translation>Vostrel – Server</translation>
    </message>
    <message>
        <source>host name or IP address</source>
        <translation>Hostname oder IP-Adresse</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>Connect at &amp;start</source>
        <translation>Beim &amp;Start verbinden</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>RCON pass&amp;word:</source>
        <translation>RCON-Pass&amp;wort:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Type the server&apos;s address: a host name or an IP address.</source>
        <translation>Geben Sie die Adresse des Servers ein: einen Hostnamen oder eine IP-Adresse.</translation>
    </message>
    <message>
        <source>The address cannot hold spaces.</source>
        <translation>Die Adresse darf keine Leerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Der Port muss eine Zahl von 1 bis 65535 sein.</translation>
    </message>
    <message>
        <source>The address holds characters the settings file cannot keep: %1</source>
        <translation>Die Adresse enthält Zeichen, die die Einstellungsdatei nicht speichern kann: %1</translation>
    </message>
    <message>
        <source>The RCON password holds characters the settings file cannot keep: %1</source>
        <translation>Das RCON-Passwort enthält Zeichen, die die Einstellungsdatei nicht speichern kann: %1</translation>
    </message>
    <message>
        <source>The name holds characters the settings file cannot keep: %1</source>
        <translation>Der Name enthält Zeichen, die die Einstellungsdatei nicht speichern kann: %1</translation>
    </message>
</context>
<context>
    <name>ServerListPanel</name>
    <message>
        <source>name or address</source>
        <translation>Name oder Adresse</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>Remove %1 from the server list?</source>
        <translation>%1 aus der Serverliste entfernen?</translation>
    </message>
    <message>
        <source>Remove server</source>
        <translation>Server entfernen</translation>
    </message>
    <message>
        <source>Vostrel - Edit server</source>
        <translation>Vostrel – Server bearbeiten</translation>
    </message>
    <message>
        <source>Vostrel - Add server</source>
        <translation>Vostrel – Server hinzufügen</translation>
    </message>
</context>
<context>
    <name>ServerPage</name>
    <message>
        <source>The server is not responding quickly enough<byte value="xd"/>Try populate again</source>
        <translation>Der Server antwortet nicht schnell genug<byte value="xd"/>Bitte erneut einlesen</translation>
    </message>
    <message>
        <source>Server password</source>
        <translation>Serverpasswort</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Reading variables from the server...</source>
        <translation>Variablen werden vom Server gelesen...</translation>
    </message>
    <message>
        <source>Slow Server Response</source>
        <translation>Langsame Serverantwort</translation>
    </message>
    <message>
        <source>Send settings to server?</source>
        <translation>Einstellungen an den Server senden?</translation>
    </message>
    <message>
        <source>Use the Remove button to clear the server password</source>
        <translation>Verwenden Sie „Entfernen“, um das Serverpasswort zu löschen</translation>
    </message>
    <message>
        <source>No password given</source>
        <translation>Kein Passwort angegeben</translation>
    </message>
</context>
<context>
    <name>ServerRecords</name>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>The server refused the RCON password (it may have been changed)</source>
        <translation>Der Server hat das RCON-Passwort abgelehnt (es wurde möglicherweise geändert)</translation>
    </message>
    <message>
        <source>Password refused</source>
        <translation>Passwort abgelehnt</translation>
    </message>
</context>
<context>
    <name>SlotCheck</name>
    <message>
        <source>%1 is no longer in slot %2 (the slot is empty)</source>
        <translation>%1 ist nicht mehr in Slot %2 (der Slot ist leer)</translation>
    </message>
    <message>
        <source>%1 is no longer in slot %2 (%3 is there now)</source>
        <translation>%1 ist nicht mehr in Slot %2 (jetzt ist %3 dort)</translation>
    </message>
</context>
<context>
    <name>UoMiscPage</name>
    <message>
        <source>Reading variables from the server...<byte value="xd"/>
United Offensive...</source>
        <translation>Variablen werden vom Server gelesen...<byte value="xd"/>
United Offensive...</translation>
    </message>
    <message>
        <source>Send United Offensive weapon settings to server?</source>
        <translation>Waffeneinstellungen für United Offensive an den Server senden?</translation>
    </message>
    <message>
        <source>United Offensive %1 updated.</source>
        <translation>United Offensive: %1 aktualisiert.</translation>
    </message>
</context>
<context>
    <name>UoModesPage</name>
    <message>
        <source>United Offensive instant game mode switch</source>
        <translation>United Offensive: Spielmodus sofort wechseln</translation>
    </message>
</context>
<context>
    <name>WeaponsPage</name>
    <message>
        <source>Rifles Only</source>
        <translation>Nur Gewehre</translation>
    </message>
    <message>
        <source>No Snipers</source>
        <translation>Keine Sniper</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>De-select all</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>Reading variables from the server...<byte value="xd"/>
%1</source>
        <translation>Variablen werden vom Server gelesen...<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Send weapon settings to server?</source>
        <translation>Waffeneinstellungen an den Server senden?</translation>
    </message>
    <message>
        <source>%1 updated.</source>
        <translation>%1 aktualisiert.</translation>
    </message>
    <message>
        <source>Set weapons to rifles only on server?<byte value="xd"/>Screen will reflect changes</source>
        <translation>Waffen auf dem Server auf „nur Gewehre“ setzen?<byte value="xd"/>Die Anzeige wird entsprechend aktualisiert</translation>
    </message>
    <message>
        <source>Rifles only?</source>
        <translation>Nur Gewehre?</translation>
    </message>
    <message>
        <source>Server set to rifles only</source>
        <translation>Server auf „nur Gewehre“ gesetzt</translation>
    </message>
    <message>
        <source>Disable snipers on server</source>
        <translation>Sniper auf dem Server sperren</translation>
    </message>
    <message>
        <source>No snipers set on server.</source>
        <translation>Sniper auf dem Server gesperrt.</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>server &amp;address</source>
        <translation>Server&amp;adresse</translation>
    </message>
    <message>
        <source>p&amp;ort</source>
        <translation>P&amp;ort</translation>
    </message>
    <message>
        <source>rcon pass&amp;word</source>
        <translation>RCON-Pass&amp;wort</translation>
    </message>
    <message>
        <source>&amp;Responses from server</source>
        <translation>&amp;Antworten des Servers</translation>
    </message>
    <message>
        <source>Messa&amp;ges:</source>
        <translation>&amp;Meldungen:</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>Get Stat&amp;us</source>
        <translation>Stat&amp;us abrufen</translation>
    </message>
    <message>
        <source>Get Server &amp;Info</source>
        <translation>Server&amp;info abrufen</translation>
    </message>
    <message>
        <source>Rcon &amp;Direct</source>
        <translation>RCON &amp;direkt</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>COD Modes</source>
        <translation>COD-Modi</translation>
    </message>
    <message>
        <source>Maps</source>
        <translation>Maps</translation>
    </message>
    <message>
        <source>Weapons</source>
        <translation>Waffen</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Mods</source>
        <translation>Mods</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>UO: Modes</source>
        <translation>UO: Modi</translation>
    </message>
    <message>
        <source>UO: Misc</source>
        <translation>UO: Sonstiges</translation>
    </message>
    <message>
        <source>Last refusal</source>
        <translation>Letzte Ablehnung</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Beschäftigt</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>Ab&amp;brechen</translation>
    </message>
    <message>
        <source>Withdraw the commands waiting to go and the one under way</source>
        <translation>Die wartenden Befehle und den laufenden zurückziehen</translation>
    </message>
    <message>
        <source>game type %1</source>
        <translation>Spieltyp %1</translation>
    </message>
    <message>
        <source>map %1</source>
        <translation>Map %1</translation>
    </message>
    <message>
        <source>New server</source>
        <translation>Neuer Server</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Connecting to %1</source>
        <translation>Verbindung zu %1 wird aufgebaut</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Verbunden mit %1</translation>
    </message>
    <message>
        <source>Connected to %1, %2</source>
        <translation>Verbunden mit %1, %2</translation>
    </message>
    <message>
        <source>Time: %1 %2</source>
        <translation>Zeit: %1 %2</translation>
    </message>
</context>
<context>
    <name>bound</name>
    <message>
        <source>You need to connect to a server first</source>
        <translation>Sie müssen sich zuerst mit einem Server verbinden</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>Only changed values will be sent.</source>
        <translation>%1<byte value="xd"/>Nur geänderte Werte werden gesendet.</translation>
    </message>
    <message>
        <source>Send to Server?</source>
        <translation>An den Server senden?</translation>
    </message>
    <message>
        <source>Slow Server Response</source>
        <translation>Langsame Serverantwort</translation>
    </message>
    <message>
        <source>Populate from server</source>
        <translation>Vom Server einlesen</translation>
    </message>
    <message>
        <source>Check existing settings on server and sets below fields up</source>
        <translation>Liest die aktuellen Einstellungen vom Server und füllt die Felder unten</translation>
    </message>
    <message>
        <source>Send current to server</source>
        <translation>Aktuelle Werte senden</translation>
    </message>
    <message>
        <source>Send setting to server, blanks will be ignored.</source>
        <translation>Einstellungen an den Server senden; leere Felder werden ignoriert.</translation>
    </message>
</context>
<context>
    <name>clanbase</name>
    <message>
        <source>Are you sure you want to set as Clan Base rules<byte value="xd"/>Check popup rules to see what variables will change</source>
        <translation>Möchten Sie den Server wirklich auf Clan-Base-Regeln setzen?<byte value="xd"/>Die Regelanzeige zeigt, welche Variablen sich ändern</translation>
    </message>
    <message>
        <source>Change settings?</source>
        <translation>Einstellungen ändern?</translation>
    </message>
    <message>
        <source>Clan Base Rules <byte value="xd"/>
All matches should be played with the following server settings: <byte value="xd"/>
</source>
        <translation>Clan-Base-Regeln <byte value="xd"/>
Alle Matches sollten mit den folgenden Servereinstellungen gespielt werden: <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Setting server to Clanbase rules.....</source>
        <translation>Server wird auf Clan-Base-Regeln gesetzt...</translation>
    </message>
</context>
<context>
    <name>classicmodes</name>
    <message>
        <source>Time limit has to be a number of minutes (0 - 1440)</source>
        <translation>Das Zeitlimit muss eine Anzahl Minuten sein (0–1440)</translation>
    </message>
    <message>
        <source>Usually left to Score limit to allow a team to reach , say a score of 10 </source>
        <translation>Meist dem Punktelimit überlassen, damit ein Team z. B. 10 Punkte erreichen kann </translation>
    </message>
    <message>
        <source>Number of minutes (0 - 1440) 0 is unlimited</source>
        <translation>Anzahl Minuten (0–1440), 0 = unbegrenzt</translation>
    </message>
    <message>
        <source>Time limit has to be a positive number of minutes</source>
        <translation>Das Zeitlimit muss eine positive Anzahl Minuten sein</translation>
    </message>
    <message>
        <source>Search &amp;&amp; Destroy settings</source>
        <translation>Search &amp;&amp; Destroy: Einstellungen</translation>
    </message>
    <message>
        <source>Grace Period</source>
        <translation>Schonfrist</translation>
    </message>
    <message>
        <source>scr_sd_graceperiod (Default 15) </source>
        <translation>scr_sd_graceperiod (Standard 15) </translation>
    </message>
    <message>
        <source>S&amp;D Grace period updated to %1</source>
        <translation>S&amp;D: Schonfrist auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Grace period has to be a number of seconds</source>
        <translation>Die Schonfrist muss eine Anzahl Sekunden sein</translation>
    </message>
    <message>
        <source>Round Length</source>
        <translation>Rundendauer</translation>
    </message>
    <message>
        <source>scr_sd_roundlength  (Default 4)</source>
        <translation>scr_sd_roundlength  (Standard 4)</translation>
    </message>
    <message>
        <source>S&amp;D Round length updated to %1</source>
        <translation>S&amp;D: Rundendauer auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Round length has to be a positive number of minutes</source>
        <translation>Die Rundendauer muss eine positive Anzahl Minuten sein</translation>
    </message>
    <message>
        <source>Round Limit</source>
        <translation>Rundenlimit</translation>
    </message>
    <message>
        <source>scr_sd_roundlimit (Default 0)</source>
        <translation>scr_sd_roundlimit (Standard 0)</translation>
    </message>
    <message>
        <source>S&amp;D Round limit updated to %1</source>
        <translation>S&amp;D: Rundenlimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Round limit has to be a number of round wins (0=unlimited)</source>
        <translation>Das Rundenlimit muss eine Anzahl Rundensiege sein (0=unbegrenzt)</translation>
    </message>
    <message>
        <source>Score Limit</source>
        <translation>Punktelimit</translation>
    </message>
    <message>
        <source>scr_sd_scorelimit (Default 10)</source>
        <translation>scr_sd_scorelimit (Standard 10)</translation>
    </message>
    <message>
        <source>S&amp;D Score limit updated to %1</source>
        <translation>S&amp;D: Punktelimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Score limit has to be a number of round wins</source>
        <translation>Das Punktelimit muss eine Anzahl Rundensiege sein</translation>
    </message>
    <message>
        <source>Map Time limit</source>
        <translation>Zeitlimit der Map</translation>
    </message>
    <message>
        <source>scr_sd_timelimit (Default 0)</source>
        <translation>scr_sd_timelimit (Standard 0)</translation>
    </message>
    <message>
        <source>S&amp;D Time limit updated to %1</source>
        <translation>S&amp;D: Zeitlimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Retrieval settings</source>
        <translation>Retrieval: Einstellungen</translation>
    </message>
    <message>
        <source>scr_re_graceperiod (Default 15) </source>
        <translation>scr_re_graceperiod (Standard 15) </translation>
    </message>
    <message>
        <source>Retrieval Grace period updated to %1</source>
        <translation>Retrieval: Schonfrist auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_re_roundlength  (Default 4)</source>
        <translation>scr_re_roundlength  (Standard 4)</translation>
    </message>
    <message>
        <source>Retrieval Round length updated to %1</source>
        <translation>Retrieval: Rundendauer auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_re_roundlimit (Default 0)</source>
        <translation>scr_re_roundlimit (Standard 0)</translation>
    </message>
    <message>
        <source>Retrieval Round limit updated to %1</source>
        <translation>Retrieval: Rundenlimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_re_scorelimit (Default 10)</source>
        <translation>scr_re_scorelimit (Standard 10)</translation>
    </message>
    <message>
        <source>Retrieval Score limit updated to %1</source>
        <translation>Retrieval: Punktelimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_re_timelimit (Default 0)</source>
        <translation>scr_re_timelimit (Standard 0)</translation>
    </message>
    <message>
        <source>Retrieval Time limit updated to %1</source>
        <translation>Retrieval: Zeitlimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Show carrier</source>
        <translation>Träger zeigen</translation>
    </message>
    <message>
        <source>scr_re_showcarrier (Default 0 = No) </source>
        <translation>scr_re_showcarrier (Standard 0 = Nein) </translation>
    </message>
    <message>
        <source>Show Carrie of object 0=No, 1=Yes</source>
        <translation>Objektträger zeigen: 0=Nein, 1=Ja</translation>
    </message>
    <message>
        <source>Retrieval object carrier updated to %1</source>
        <translation>Retrieval: Objektträger auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Show object carrier has to be 0 (No) or 1 (Yes)</source>
        <translation>Objektträger zeigen muss 0 (Nein) oder 1 (Ja) sein</translation>
    </message>
    <message>
        <source>Behind enemy lines settings</source>
        <translation>Behind Enemy Lines: Einstellungen</translation>
    </message>
    <message>
        <source>Map score limit</source>
        <translation>Punktelimit der Map</translation>
    </message>
    <message>
        <source>scr_bel_scorelimit (Default 100)</source>
        <translation>scr_bel_scorelimit (Standard 100)</translation>
    </message>
    <message>
        <source>BEL score limit updated to %1</source>
        <translation>BEL: Punktelimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Score limit has to be a number</source>
        <translation>Das Punktelimit muss eine Zahl sein</translation>
    </message>
    <message>
        <source>Time limit</source>
        <translation>Zeitlimit</translation>
    </message>
    <message>
        <source>scr_bel_timelimit (Default 30 minutes)</source>
        <translation>scr_bel_timelimit (Standard 30 Minuten)</translation>
    </message>
    <message>
        <source>Time limit in minutes</source>
        <translation>Zeitlimit in Minuten</translation>
    </message>
    <message>
        <source>BEL time limit updated to %1</source>
        <translation>BEL: Zeitlimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Number of seconds alive to score point as allied</source>
        <translation>Sekunden am Leben für einen Punkt als Alliierter</translation>
    </message>
    <message>
        <source>scr_bel_alivepointtime (Default 10)</source>
        <translation>scr_bel_alivepointtime (Standard 10)</translation>
    </message>
    <message>
        <source>BEL time alive as allied bonus updated to %1</source>
        <translation>BEL: Bonus für Überlebenszeit als Alliierter auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Deathmatch settings</source>
        <translation>Deathmatch: Einstellungen</translation>
    </message>
    <message>
        <source>scr_dm_scorelimit (Default 50)</source>
        <translation>scr_dm_scorelimit (Standard 50)</translation>
    </message>
    <message>
        <source>DM score limit updated to %1</source>
        <translation>DM: Punktelimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_dm_timelimit (Default 30 minutes)</source>
        <translation>scr_dm_timelimit (Standard 30 Minuten)</translation>
    </message>
    <message>
        <source>DM time limit updated to %1</source>
        <translation>DM: Zeitlimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Team deathmatch settings</source>
        <translation>Team Deathmatch: Einstellungen</translation>
    </message>
    <message>
        <source>scr_tdm_scorelimit (Default 100)</source>
        <translation>scr_tdm_scorelimit (Standard 100)</translation>
    </message>
    <message>
        <source>TDM score limit updated to %1</source>
        <translation>TDM: Punktelimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_tdm_timelimit (Default 30 minutes)</source>
        <translation>scr_tdm_timelimit (Standard 30 Minuten)</translation>
    </message>
    <message>
        <source>TDM time limit updated to %1</source>
        <translation>TDM: Zeitlimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Headquarters settings</source>
        <translation>Headquarters: Einstellungen</translation>
    </message>
    <message>
        <source>scr_hq_scorelimit (Default 450)</source>
        <translation>scr_hq_scorelimit (Standard 450)</translation>
    </message>
    <message>
        <source>HQ score limit updated to %1</source>
        <translation>HQ: Punktelimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_hq_timelimit (Default 30 minutes)</source>
        <translation>scr_hq_timelimit (Standard 30 Minuten)</translation>
    </message>
    <message>
        <source>HQ time limit updated to %1</source>
        <translation>HQ: Zeitlimit auf %1 gesetzt</translation>
    </message>
</context>
<context>
    <name>cycler</name>
    <message>
        <source>cycled message (with the user prefix)</source>
        <translation>Wechselnachricht (mit Benutzerpräfix)</translation>
    </message>
</context>
<context>
    <name>fleetplans</name>
    <message>
        <source>Sent to several servers: %1</source>
        <translation>An mehrere Server gesendet: %1</translation>
    </message>
    <message>
        <source>Map restart</source>
        <translation>Map-Neustart</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>übernommen</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>abgelehnt: %1</translation>
    </message>
    <message>
        <source>no answer (it may have been applied)</source>
        <translation>keine Antwort (möglicherweise trotzdem übernommen)</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nicht gesendet</translation>
    </message>
    <message>
        <source>%1: %2: %3</source>
        <translation>%1: %2: %3</translation>
    </message>
    <message>
        <source>%1: %2: not connected</source>
        <translation>%1: %2: nicht verbunden</translation>
    </message>
</context>
<context>
    <name>friendlyfire</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Friendly Fire Off</source>
        <translation>Friendly Fire aus</translation>
    </message>
    <message>
        <source>Friendly Fire OFF</source>
        <translation>Friendly Fire AUS</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Friendly Fire On</source>
        <translation>Friendly Fire an</translation>
    </message>
    <message>
        <source>Friendly Fire ON</source>
        <translation>Friendly Fire AN</translation>
    </message>
    <message>
        <source>Reflective</source>
        <translation>Reflektierend</translation>
    </message>
    <message>
        <source>Friendly Fire Reflective damage</source>
        <translation>Friendly Fire: reflektierter Schaden</translation>
    </message>
    <message>
        <source>Friendly Fire Reflective</source>
        <translation>Friendly Fire reflektierend</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Friendly Fire Shared</source>
        <translation>Friendly Fire geteilt</translation>
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
        <translation>Spielmodus auf SD gewechselt</translation>
    </message>
    <message>
        <source>Behind enemy lines</source>
        <translation>Behind Enemy Lines</translation>
    </message>
    <message>
        <source>Mode changed to BEL</source>
        <translation>Spielmodus auf BEL gewechselt</translation>
    </message>
    <message>
        <source>Team Death Match</source>
        <translation>Team Deathmatch</translation>
    </message>
    <message>
        <source>Mode changed to TDM</source>
        <translation>Spielmodus auf TDM gewechselt</translation>
    </message>
    <message>
        <source>Retrieval</source>
        <translation>Retrieval</translation>
    </message>
    <message>
        <source>Mode changed to RE</source>
        <translation>Spielmodus auf RE gewechselt</translation>
    </message>
    <message>
        <source>Death Match</source>
        <translation>Deathmatch</translation>
    </message>
    <message>
        <source>Mode changed to DM</source>
        <translation>Spielmodus auf DM gewechselt</translation>
    </message>
    <message>
        <source>Headquarters</source>
        <translation>Headquarters</translation>
    </message>
    <message>
        <source>Mode changed to HeadQuarters</source>
        <translation>Spielmodus auf Headquarters gewechselt</translation>
    </message>
    <message>
        <source>Domination</source>
        <translation>Domination</translation>
    </message>
    <message>
        <source>Mode changed to Domination</source>
        <translation>Spielmodus auf Domination gewechselt</translation>
    </message>
    <message>
        <source>Capture the flag</source>
        <translation>Capture the Flag</translation>
    </message>
    <message>
        <source>Mode changed to Capture the flag</source>
        <translation>Spielmodus auf Capture the Flag gewechselt</translation>
    </message>
    <message>
        <source>Base Assault</source>
        <translation>Base Assault</translation>
    </message>
    <message>
        <source>Mode changed to Base Assault</source>
        <translation>Spielmodus auf Base Assault gewechselt</translation>
    </message>
    <message>
        <source>Set Gametype to HOB</source>
        <translation>Spieltyp auf HOB setzen</translation>
    </message>
    <message>
        <source>Mode changed to HOB</source>
        <translation>Spielmodus auf HOB gewechselt</translation>
    </message>
    <message>
        <source>Game type change to %1</source>
        <translation>Spieltypwechsel auf %1</translation>
    </message>
</context>
<context>
    <name>hob</name>
    <message>
        <source>Show Obituary</source>
        <translation>Todesmeldungen zeigen</translation>
    </message>
    <message>
        <source>Show Obitory when people Die.</source>
        <translation>Todesmeldungen zeigen, wenn Spieler sterben.</translation>
    </message>
    <message>
        <source>Show Obituory changed.</source>
        <translation>Todesmeldungen geändert.</translation>
    </message>
    <message>
        <source>Foot / Leg shot </source>
        <translation>Fuß-/Beinschuss </translation>
    </message>
    <message>
        <source>Enable/Disable Foot/Leg tripping Code.</source>
        <translation>Stolpern bei Fuß-/Beintreffern ein-/ausschalten.</translation>
    </message>
    <message>
        <source>Foot/Leg shot changed.</source>
        <translation>Fuß-/Beinschuss geändert.</translation>
    </message>
    <message>
        <source>Wave respawn</source>
        <translation>Wellen-Respawn</translation>
    </message>
    <message>
        <source>Wave respawn time interval, 1 to 30 seconds</source>
        <translation>Intervall des Wellen-Respawns, 1 bis 30 Sekunden</translation>
    </message>
    <message>
        <source>Wave respawn changed to [%1]</source>
        <translation>Wellen-Respawn geändert auf [%1]</translation>
    </message>
    <message>
        <source>Drop weapon on arm/leg shot</source>
        <translation>Waffe fallen lassen bei Arm-/Beintreffer</translation>
    </message>
    <message>
        <source>Drop the weapon when shot in arm.</source>
        <translation>Waffe fallen lassen bei Treffer in den Arm.</translation>
    </message>
    <message>
        <source>Drop weapon on arm/leg shot changed.</source>
        <translation>Waffe fallen lassen bei Arm-/Beintreffer geändert.</translation>
    </message>
    <message>
        <source>Shell shock from nearby grenades</source>
        <translation>Shellshock durch nahe Granaten</translation>
    </message>
    <message>
        <source>Shell shock from nearly grenades.</source>
        <translation>Shellshock durch nahe Granaten.</translation>
    </message>
    <message>
        <source>Shell Shock changed.</source>
        <translation>Shellshock geändert.</translation>
    </message>
    <message>
        <source>Dynamic weapon limiting</source>
        <translation>Dynamische Waffenbegrenzung</translation>
    </message>
    <message>
        <source>Weapon limiting (Based on # of people on server)</source>
        <translation>Waffenbegrenzung (nach Anzahl der Spieler auf dem Server)</translation>
    </message>
    <message>
        <source>Dynamic Weapons changed.</source>
        <translation>Dynamische Waffen geändert.</translation>
    </message>
    <message>
        <source>Dynamic flags limiting</source>
        <translation>Dynamische Flaggenbegrenzung</translation>
    </message>
    <message>
        <source>Flag capping limiting.(Based on # of people on server)</source>
        <translation>Begrenzung der Flaggeneroberung (nach Anzahl der Spieler auf dem Server)</translation>
    </message>
    <message>
        <source>Dynamic flags changed.</source>
        <translation>Dynamische Flaggen geändert.</translation>
    </message>
    <message>
        <source>Dynamic bombs limiting</source>
        <translation>Dynamische Bombenbegrenzung</translation>
    </message>
    <message>
        <source>Bomb plant/Defuse limiting.(Based on # of people on server)</source>
        <translation>Begrenzung von Bombe legen/entschärfen (nach Anzahl der Spieler auf dem Server)</translation>
    </message>
    <message>
        <source>Dynamic bombs changed.</source>
        <translation>Dynamische Bomben geändert.</translation>
    </message>
    <message>
        <source>Spawn zone protection</source>
        <translation>Spawnschutz</translation>
    </message>
    <message>
        <source>Spawn Zone protection (Requires HOB compliant maps)</source>
        <translation>Spawnschutz (erfordert HOB-kompatible Maps)</translation>
    </message>
    <message>
        <source>Spawn protection changed.</source>
        <translation>Spawnschutz geändert.</translation>
    </message>
    <message>
        <source>Announce Spawn Campers</source>
        <translation>Spawn-Camper melden</translation>
    </message>
    <message>
        <source>Announce spawn campers.</source>
        <translation>Spawn-Camper melden.</translation>
    </message>
    <message>
        <source>Annouce Spawn campers changed.</source>
        <translation>Spawn-Camper melden geändert.</translation>
    </message>
    <message>
        <source>Sniper allow percentage</source>
        <translation>Erlaubter Sniper-Anteil</translation>
    </message>
    <message>
        <source>Sniper allowed percentage 0 to 100</source>
        <translation>Erlaubter Sniper-Anteil 0 bis 100</translation>
    </message>
    <message>
        <source>Sniper percentage changed.</source>
        <translation>Sniper-Anteil geändert.</translation>
    </message>
    <message>
        <source>SMG allow percentage</source>
        <translation>Erlaubter MP-Anteil</translation>
    </message>
    <message>
        <source>SMG allowed percentage 0 to 100</source>
        <translation>Erlaubter MP-Anteil 0 bis 100</translation>
    </message>
    <message>
        <source>Smg percentage changed.</source>
        <translation>MP-Anteil geändert.</translation>
    </message>
    <message>
        <source>Support weapons allow percentage</source>
        <translation>Erlaubter Anteil Unterstützungswaffen</translation>
    </message>
    <message>
        <source>Support allowed percentage 0 to 100</source>
        <translation>Erlaubter Anteil Unterstützungswaffen 0 bis 100</translation>
    </message>
    <message>
        <source>Support percentage changed.</source>
        <translation>Anteil Unterstützungswaffen geändert.</translation>
    </message>
    <message>
        <source>Rifle allow percentage</source>
        <translation>Erlaubter Gewehr-Anteil</translation>
    </message>
    <message>
        <source>Rifle allowed percentage 0 to 100</source>
        <translation>Erlaubter Gewehr-Anteil 0 bis 100</translation>
    </message>
    <message>
        <source>Rifle percentage changed.</source>
        <translation>Gewehr-Anteil geändert.</translation>
    </message>
    <message>
        <source>Heat of Battle server variables for Version 3</source>
        <translation>Heat of Battle: Servervariablen für Version 3</translation>
    </message>
    <message>
        <source>Heat of Battle server variables</source>
        <translation>Heat of Battle: Servervariablen</translation>
    </message>
</context>
<context>
    <name>logfiles</name>
    <message>
        <source>Saving RCON output...</source>
        <translation>RCON-Ausgabe wird gespeichert...</translation>
    </message>
    <message>
        <source>Saving Message output...</source>
        <translation>Meldungen werden gespeichert...</translation>
    </message>
    <message>
        <source>Rcon log not written</source>
        <translation>RCON-Protokoll nicht geschrieben</translation>
    </message>
    <message>
        <source>Message log not written</source>
        <translation>Meldungsprotokoll nicht geschrieben</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Administer Call of Duty game servers over their remote console.</source>
        <translation>Call-of-Duty-Gameserver über ihre Remote-Konsole verwalten.</translation>
    </message>
    <message>
        <source>Keep the settings in &lt;file&gt; instead of the usual place.</source>
        <translation>Die Einstellungen in &lt;Datei&gt; statt am üblichen Ort speichern.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>mapcommands</name>
    <message>
        <source>Load map %1</source>
        <translation>Map %1 laden</translation>
    </message>
    <message>
        <source>Map Restart</source>
        <translation>Map-Neustart</translation>
    </message>
    <message>
        <source>Map Rotate</source>
        <translation>Nächste Map der Rotation</translation>
    </message>
    <message>
        <source>rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Set Map rotation to Custom choice.</source>
        <translation>Map-Rotation auf eigene Auswahl gesetzt.</translation>
    </message>
    <message>
        <source>Set Map rotation</source>
        <translation>Setzen der Map-Rotation</translation>
    </message>
    <message>
        <source>Performed EXEC of %1</source>
        <translation>EXEC von %1 ausgeführt</translation>
    </message>
    <message>
        <source>EXEC of %1</source>
        <translation>EXEC von %1</translation>
    </message>
</context>
<context>
    <name>messageplans</name>
    <message>
        <source>message (with the user prefix)</source>
        <translation>Nachricht (mit Benutzerpräfix)</translation>
    </message>
    <message>
        <source>Message to server&gt;&gt; %1</source>
        <translation>Nachricht an Server&gt;&gt; %1</translation>
    </message>
</context>
<context>
    <name>modeframes</name>
    <message>
        <source>Reading variables from the server...<byte value="xd"/>
%1</source>
        <translation>Variablen werden vom Server gelesen...<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>modesettings</name>
    <message>
        <source>Invalid value</source>
        <translation>Ungültiger Wert</translation>
    </message>
    <message>
        <source>Set server with values in display?</source>
        <translation>Server mit den angezeigten Werten setzen?</translation>
    </message>
    <message>
        <source>Set server</source>
        <translation>Server setzen</translation>
    </message>
    <message>
        <source>These fields hold the game&apos;s defaults, not values read from the server</source>
        <translation>Diese Felder enthalten die Standardwerte des Spiels, keine vom Server gelesenen Werte</translation>
    </message>
    <message>
        <source>These fields hold the values read from the server</source>
        <translation>Diese Felder enthalten die vom Server gelesenen Werte</translation>
    </message>
    <message>
        <source>The server gave none of these settings: the fields keep what they held</source>
        <translation>Der Server lieferte keine dieser Einstellungen: Die Felder behalten ihren Inhalt</translation>
    </message>
    <message>
        <source>These fields hold the values read from the server, except %1 (the server gave no value it can show), which keeps what it held</source>
        <translation>Diese Felder enthalten die vom Server gelesenen Werte, außer %1 (der Server lieferte keinen anzeigbaren Wert), das seinen Inhalt behält</translation>
    </message>
    <message>
        <source>These fields hold the values read from the server, except %1 (the server gave no values they can show), which keep what they held</source>
        <translation>Diese Felder enthalten die vom Server gelesenen Werte, außer %1 (der Server lieferte keine anzeigbaren Werte), die ihren Inhalt behalten</translation>
    </message>
</context>
<context>
    <name>playeractions</name>
    <message>
        <source>Player Kicked &gt;%1&lt;</source>
        <translation>Spieler gekickt &gt;%1&lt;</translation>
    </message>
    <message>
        <source>Kick of %1</source>
        <translation>Kick von %1</translation>
    </message>
    <message>
        <source>Kick %1 (slot %2) from the server?</source>
        <translation>%1 (Slot %2) vom Server kicken?</translation>
    </message>
    <message>
        <source>Kick</source>
        <translation>Kicken</translation>
    </message>
    <message>
        <source>Player banned and kicked [%1]</source>
        <translation>Spieler gebannt und gekickt [%1]</translation>
    </message>
    <message>
        <source>Ban of %1</source>
        <translation>Bann von %1</translation>
    </message>
    <message>
        <source>Ban %1 (slot %2) from the server?</source>
        <translation>%1 (Slot %2) vom Server bannen?</translation>
    </message>
    <message>
        <source>Ban</source>
        <translation>Bannen</translation>
    </message>
    <message>
        <source>Player temporary banned and kicked [%1]</source>
        <translation>Spieler vorübergehend gebannt und gekickt [%1]</translation>
    </message>
    <message>
        <source>Temp ban of %1</source>
        <translation>Zeitbann von %1</translation>
    </message>
    <message>
        <source>Temporarily ban %1 (slot %2) from the server?</source>
        <translation>%1 (Slot %2) vorübergehend vom Server bannen?</translation>
    </message>
    <message>
        <source>Temp Ban</source>
        <translation>Zeitbann</translation>
    </message>
    <message>
        <source>private message</source>
        <translation>Privatnachricht</translation>
    </message>
    <message>
        <source>Private message to [%1]: %2</source>
        <translation>Privatnachricht an [%1]: %2</translation>
    </message>
    <message>
        <source>Private message to [%1]</source>
        <translation>Privatnachricht an [%1]</translation>
    </message>
    <message>
        <source>Player Auto Kicked for 999 ping [%1]</source>
        <translation>Spieler wegen Ping 999 automatisch gekickt [%1]</translation>
    </message>
    <message>
        <source>Auto kick of %1</source>
        <translation>Automatischer Kick von %1</translation>
    </message>
</context>
<context>
    <name>serverbasics</name>
    <message>
        <source>Server Name</source>
        <translation>Servername</translation>
    </message>
    <message>
        <source>Server name updated.</source>
        <translation>Servername aktualisiert.</translation>
    </message>
    <message>
        <source>Server MOTD</source>
        <translation>Server-MOTD</translation>
    </message>
    <message>
        <source>Server MOTD updated.</source>
        <translation>Server-MOTD aktualisiert.</translation>
    </message>
    <message>
        <source>Kill Cam </source>
        <translation>Killcam </translation>
    </message>
    <message>
        <source>Kill cam updated</source>
        <translation>Killcam aktualisiert</translation>
    </message>
    <message>
        <source>Team Icons</source>
        <translation>Team-Symbole</translation>
    </message>
    <message>
        <source>Team Icons updated</source>
        <translation>Team-Symbole aktualisiert</translation>
    </message>
    <message>
        <source>Allow Voting</source>
        <translation>Abstimmungen erlauben</translation>
    </message>
    <message>
        <source>Voting updated</source>
        <translation>Abstimmungen aktualisiert</translation>
    </message>
    <message>
        <source>Max Clients</source>
        <translation>Max. Spieler</translation>
    </message>
    <message>
        <source>Maximum clients updated</source>
        <translation>Maximale Spielerzahl aktualisiert</translation>
    </message>
    <message>
        <source>Max Ping</source>
        <translation>Max. Ping</translation>
    </message>
    <message>
        <source>Maximum client Ping updated</source>
        <translation>Maximaler Ping aktualisiert</translation>
    </message>
    <message>
        <source>Max Rate</source>
        <translation>Max. Rate</translation>
    </message>
    <message>
        <source>Maximum client Rate updated</source>
        <translation>Maximale Rate aktualisiert</translation>
    </message>
    <message>
        <source>Free Look</source>
        <translation>Freie Sicht</translation>
    </message>
    <message>
        <source>Free Look updated</source>
        <translation>Freie Sicht aktualisiert</translation>
    </message>
    <message>
        <source>Team Balance</source>
        <translation>Teamausgleich</translation>
    </message>
    <message>
        <source>Team Balance updated</source>
        <translation>Teamausgleich aktualisiert</translation>
    </message>
    <message>
        <source>Spectate enemy</source>
        <translation>Gegner beobachten</translation>
    </message>
    <message>
        <source>Spectate Enemy updated</source>
        <translation>Gegner beobachten aktualisiert</translation>
    </message>
    <message>
        <source>Temporary ban duration in seconds</source>
        <translation>Dauer des Zeitbanns in Sekunden</translation>
    </message>
    <message>
        <source>sv_kickbantime (Default 300) unit in seconds</source>
        <translation>sv_kickbantime (Standard 300), in Sekunden</translation>
    </message>
    <message>
        <source>Temporary ban time updated</source>
        <translation>Dauer des Zeitbanns aktualisiert</translation>
    </message>
    <message>
        <source>join password</source>
        <translation>Beitrittspasswort</translation>
    </message>
    <message>
        <source>Server password added</source>
        <translation>Serverpasswort gesetzt</translation>
    </message>
    <message>
        <source>Server password</source>
        <translation>Serverpasswort</translation>
    </message>
    <message>
        <source>Server password Removed</source>
        <translation>Serverpasswort entfernt</translation>
    </message>
    <message>
        <source>Server password removal</source>
        <translation>Entfernen des Serverpassworts</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Viewing and bans</source>
        <translation>Ansicht und Banns</translation>
    </message>
</context>
<context>
    <name>statusquery</name>
    <message>
        <source>Server running game mode [%1] on map [%2]</source>
        <translation>Server läuft im Spielmodus [%1] auf Map [%2]</translation>
    </message>
</context>
<context>
    <name>uomodes</name>
    <message>
        <source>United Offensive Domination settings</source>
        <translation>United Offensive Domination: Einstellungen</translation>
    </message>
    <message>
        <source>Start round delay</source>
        <translation>Verzögerung Rundenstart</translation>
    </message>
    <message>
        <source>scr_dom_startrounddelay  (Default 15) </source>
        <translation>scr_dom_startrounddelay  (Standard 15) </translation>
    </message>
    <message>
        <source>Domination Start round delay updated to %1</source>
        <translation>Domination: Verzögerung Rundenstart auf %1 gesetzt</translation>
    </message>
    <message>
        <source>End round delay</source>
        <translation>Verzögerung Rundenende</translation>
    </message>
    <message>
        <source>scr_dom_endrounddelay  (Default 15) </source>
        <translation>scr_dom_endrounddelay  (Standard 15) </translation>
    </message>
    <message>
        <source>Domination End round delay updated to %1</source>
        <translation>Domination: Verzögerung Rundenende auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Score Limit</source>
        <translation>Punktelimit</translation>
    </message>
    <message>
        <source>scr_dom_scorelimit  (Default 3) </source>
        <translation>scr_dom_scorelimit  (Standard 3) </translation>
    </message>
    <message>
        <source>Domination Score limit updated to %1</source>
        <translation>Domination: Punktelimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Time limit</source>
        <translation>Zeitlimit</translation>
    </message>
    <message>
        <source>scr_dom_timelimit  (Default 120) </source>
        <translation>scr_dom_timelimit  (Standard 120) </translation>
    </message>
    <message>
        <source>Domination Time limit updated to %1</source>
        <translation>Domination: Zeitlimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Round Limit</source>
        <translation>Rundenlimit</translation>
    </message>
    <message>
        <source>scr_dom_roundlimit  (Default 5) </source>
        <translation>scr_dom_roundlimit  (Standard 5) </translation>
    </message>
    <message>
        <source>Domination Round limit updated to %1</source>
        <translation>Domination: Rundenlimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Round Length</source>
        <translation>Rundendauer</translation>
    </message>
    <message>
        <source>scr_dom_roundlength  (Default 30) </source>
        <translation>scr_dom_roundlength  (Standard 30) </translation>
    </message>
    <message>
        <source>Domination Round length updated to %1</source>
        <translation>Domination: Rundendauer auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Respawn Wave time</source>
        <translation>Respawn-Wellenzeit</translation>
    </message>
    <message>
        <source>scr_dom_respawn_wave_time  (Default ??) </source>
        <translation>scr_dom_respawn_wave_time  (Standard ??) </translation>
    </message>
    <message>
        <source>Domination Respawn wave time updated to %1</source>
        <translation>Domination: Respawn-Wellenzeit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Clear score each round</source>
        <translation>Punkte jede Runde löschen</translation>
    </message>
    <message>
        <source>scr_dom_clearscoreeachround  (Default Yes) </source>
        <translation>scr_dom_clearscoreeachround  (Standard Ja) </translation>
    </message>
    <message>
        <source>Domination Clear score updated to %1</source>
        <translation>Domination: Punkte löschen auf %1 gesetzt</translation>
    </message>
    <message>
        <source>United Offensive Capture the Flag settings</source>
        <translation>United Offensive Capture the Flag: Einstellungen</translation>
    </message>
    <message>
        <source>scr_ctf_startrounddelay  (Default 15) </source>
        <translation>scr_ctf_startrounddelay  (Standard 15) </translation>
    </message>
    <message>
        <source>CTF Start round delay updated to %1</source>
        <translation>CTF: Verzögerung Rundenstart auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_ctf_endrounddelay  (Default 15) </source>
        <translation>scr_ctf_endrounddelay  (Standard 15) </translation>
    </message>
    <message>
        <source>CTF End round delay updated to %1</source>
        <translation>CTF: Verzögerung Rundenende auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_ctf_scorelimit  (Default 3) </source>
        <translation>scr_ctf_scorelimit  (Standard 3) </translation>
    </message>
    <message>
        <source>CTF Score limit updated to %1</source>
        <translation>CTF: Punktelimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_ctf_timelimit  (Default 120) </source>
        <translation>scr_ctf_timelimit  (Standard 120) </translation>
    </message>
    <message>
        <source>CTF Time limit updated to %1</source>
        <translation>CTF: Zeitlimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_ctf_roundlimit  (Default 5) </source>
        <translation>scr_ctf_roundlimit  (Standard 5) </translation>
    </message>
    <message>
        <source>CTF Round limit updated to %1</source>
        <translation>CTF: Rundenlimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_ctf_roundlength  (Default 30) </source>
        <translation>scr_ctf_roundlength  (Standard 30) </translation>
    </message>
    <message>
        <source>CTF Round length updated to %1</source>
        <translation>CTF: Rundendauer auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Show on Compass</source>
        <translation>Auf dem Kompass zeigen</translation>
    </message>
    <message>
        <source>scr_ctf_showoncompass (Default 1) </source>
        <translation>scr_ctf_showoncompass (Standard 1) </translation>
    </message>
    <message>
        <source>CTF Show compass updated to %1</source>
        <translation>CTF: Kompassanzeige auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_ctf_clearscoreeachround  (Default Yes) </source>
        <translation>scr_ctf_clearscoreeachround  (Standard Ja) </translation>
    </message>
    <message>
        <source>CTF Clear score updated to %1</source>
        <translation>CTF: Punkte löschen auf %1 gesetzt</translation>
    </message>
    <message>
        <source>United Offensive Base Assault settings</source>
        <translation>United Offensive Base Assault: Einstellungen</translation>
    </message>
    <message>
        <source>scr_bas_startrounddelay   (Default 15) </source>
        <translation>scr_bas_startrounddelay   (Standard 15) </translation>
    </message>
    <message>
        <source>Base Assault Start round delay updated to %1</source>
        <translation>Base Assault: Verzögerung Rundenstart auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_bas_endrounddelay   (Default 10) </source>
        <translation>scr_bas_endrounddelay   (Standard 10) </translation>
    </message>
    <message>
        <source>Base Assault End round delay updated to %1</source>
        <translation>Base Assault: Verzögerung Rundenende auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_bas_scorelimit   (Default 3) </source>
        <translation>scr_bas_scorelimit   (Standard 3) </translation>
    </message>
    <message>
        <source>Base Assault Score limit updated to %1</source>
        <translation>Base Assault: Punktelimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_bas_timelimit   (Default 120) </source>
        <translation>scr_bas_timelimit   (Standard 120) </translation>
    </message>
    <message>
        <source>Base Assault Time limit updated to %1</source>
        <translation>Base Assault: Zeitlimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_bas_roundlimit   (Default 5) </source>
        <translation>scr_bas_roundlimit   (Standard 5) </translation>
    </message>
    <message>
        <source>Base Assault Round limit updated to %1</source>
        <translation>Base Assault: Rundenlimit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_bas_roundlength   (Default 30) </source>
        <translation>scr_bas_roundlength   (Standard 30) </translation>
    </message>
    <message>
        <source>Base Assault Round length updated to %1</source>
        <translation>Base Assault: Rundendauer auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_bas_respawn_wave_time  (Default ??) </source>
        <translation>scr_bas_respawn_wave_time  (Standard ??) </translation>
    </message>
    <message>
        <source>Base Assault Respawn wave time updated to %1</source>
        <translation>Base Assault: Respawn-Wellenzeit auf %1 gesetzt</translation>
    </message>
    <message>
        <source>scr_bas_clearscoreeachround   (Default Yes) </source>
        <translation>scr_bas_clearscoreeachround   (Standard Ja) </translation>
    </message>
    <message>
        <source>Base Assault Clear score updated to %1</source>
        <translation>Base Assault: Punkte löschen auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Start round delay has to be a number of seconds</source>
        <translation>Die Verzögerung des Rundenstarts muss eine Anzahl Sekunden sein</translation>
    </message>
    <message>
        <source>End round delay has to be a number of seconds</source>
        <translation>Die Verzögerung des Rundenendes muss eine Anzahl Sekunden sein</translation>
    </message>
    <message>
        <source>Score limit has to be a number of round</source>
        <translation>Das Punktelimit muss eine Anzahl Runden sein</translation>
    </message>
    <message>
        <source>Time limit has to be a number of Minutes</source>
        <translation>Das Zeitlimit muss eine Anzahl Minuten sein</translation>
    </message>
    <message>
        <source>Round limit has to be a number of rounds</source>
        <translation>Das Rundenlimit muss eine Anzahl Runden sein</translation>
    </message>
    <message>
        <source>Round length has to be a number of Minutes</source>
        <translation>Die Rundendauer muss eine Anzahl Minuten sein</translation>
    </message>
    <message>
        <source>Respawn wave time has to be a number of seconds</source>
        <translation>Die Respawn-Wellenzeit muss eine Anzahl Sekunden sein</translation>
    </message>
    <message>
        <source>Number of minutes (0 - 120) 0 is unlimited</source>
        <translation>Anzahl Minuten (0–120), 0 = unbegrenzt</translation>
    </message>
    <message>
        <source>Usually left to Score limit to allow a team to reach , say a score of 3 (default 5) </source>
        <translation>Meist dem Punktelimit überlassen, damit ein Team z. B. 3 Punkte erreichen kann (Standard 5) </translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standardwerte</translation>
    </message>
</context>
<context>
    <name>weapons</name>
    <message>
        <source>Allies</source>
        <translation>Alliierte</translation>
    </message>
    <message>
        <source>Allies...</source>
        <translation>Alliierte...</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russen</translation>
    </message>
    <message>
        <source>Russians...</source>
        <translation>Russen...</translation>
    </message>
    <message>
        <source>British</source>
        <translation>Briten</translation>
    </message>
    <message>
        <source>British...</source>
        <translation>Briten...</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsche</translation>
    </message>
    <message>
        <source>German...</source>
        <translation>Deutsche...</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Others...</source>
        <translation>Sonstige...</translation>
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
        <translation>Waffen erlauben oder sperren</translation>
    </message>
    <message>
        <source>Allow Pistols</source>
        <translation>Pistolen erlauben</translation>
    </message>
    <message>
        <source>Allow Satchels</source>
        <translation>Sprengladungen erlauben</translation>
    </message>
    <message>
        <source>Allow smoke</source>
        <translation>Rauch erlauben</translation>
    </message>
    <message>
        <source>Allow grenades</source>
        <translation>Granaten erlauben</translation>
    </message>
    <message>
        <source>Allow flamethrower</source>
        <translation>Flammenwerfer erlauben</translation>
    </message>
    <message>
        <source>Allow artillary</source>
        <translation>Artillerie erlauben</translation>
    </message>
    <message>
        <source>Allow bazooka</source>
        <translation>Bazooka erlauben</translation>
    </message>
    <message>
        <source>Allow MG34</source>
        <translation>MG34 erlauben</translation>
    </message>
    <message>
        <source>Allow DP28</source>
        <translation>DP28 erlauben</translation>
    </message>
    <message>
        <source>Allow MG30cal</source>
        <translation>MG30cal erlauben</translation>
    </message>
    <message>
        <source>Allow gewehr43</source>
        <translation>gewehr43 erlauben</translation>
    </message>
    <message>
        <source>Allow svt40</source>
        <translation>svt40 erlauben</translation>
    </message>
    <message>
        <source>Allow Flak 88</source>
        <translation>Flak 88 erlauben</translation>
    </message>
    <message>
        <source>Allow SU152</source>
        <translation>SU152 erlauben</translation>
    </message>
    <message>
        <source>Allow Elefant</source>
        <translation>Elefant erlauben</translation>
    </message>
    <message>
        <source>Allow T34</source>
        <translation>T34 erlauben</translation>
    </message>
    <message>
        <source>Allow Sherman</source>
        <translation>Sherman erlauben</translation>
    </message>
    <message>
        <source>Allow Horch</source>
        <translation>Horch erlauben</translation>
    </message>
    <message>
        <source>Allow GAZ67b</source>
        <translation>GAZ67b erlauben</translation>
    </message>
    <message>
        <source>Allow Willy Jeep</source>
        <translation>Willy Jeep erlauben</translation>
    </message>
    <message>
        <source>Allow Panzer IV</source>
        <translation>Panzer IV erlauben</translation>
    </message>
    <message>
        <source>Enable Shellshock</source>
        <translation>Shellshock aktivieren</translation>
    </message>
    <message>
        <source>Enable Drop Health</source>
        <translation>Medipacks fallen lassen</translation>
    </message>
    <message>
        <source>Enable Battlerank</source>
        <translation>Battlerank aktivieren</translation>
    </message>
    <message>
        <source>United Offensive Weapons</source>
        <translation>United Offensive: Waffen</translation>
    </message>
    <message>
        <source>United Offensive Vehicles and advanced options</source>
        <translation>United Offensive: Fahrzeuge und erweiterte Optionen</translation>
    </message>
    <message>
        <source>Pistols</source>
        <translation>Pistolen</translation>
    </message>
    <message>
        <source>Satchels</source>
        <translation>Sprengladungen</translation>
    </message>
    <message>
        <source>smoke</source>
        <translation>Rauch</translation>
    </message>
    <message>
        <source>grenades</source>
        <translation>Granaten</translation>
    </message>
    <message>
        <source>flamethrower</source>
        <translation>Flammenwerfer</translation>
    </message>
    <message>
        <source>artillary</source>
        <translation>Artillerie</translation>
    </message>
    <message>
        <source>bazooka</source>
        <translation>Bazooka</translation>
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
        <translation>Medipacks fallen lassen</translation>
    </message>
    <message>
        <source>Battlerank</source>
        <translation>Battlerank</translation>
    </message>
    <message>
        <source>The server is not responding quickly enough<byte value="xd"/>or a server side mod has replaced the rcon variables<byte value="xd"/>Try populate again</source>
        <translation>Der Server antwortet nicht schnell genug<byte value="xd"/>oder ein serverseitiger Mod hat die RCON-Variablen ersetzt<byte value="xd"/>Bitte erneut einlesen</translation>
    </message>
</context>
</TS>
