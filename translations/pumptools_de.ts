<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CellRanges</name>
    <message>
        <source>&quot;%1&quot; is no IPv4 address</source>
        <translation>„%1“ ist keine IPv4-Adresse</translation>
    </message>
    <message>
        <source>%L1 addresses from %2 would run past .254</source>
        <translation>%L1 Adressen ab %2 gingen über .254 hinaus</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Connection</source>
        <extracomment>How the pumps are reached: Ethernet, or one of the serial ports listed beside it.</extracomment>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Search Pumps</source>
        <translation>Pumpen suchen</translation>
    </message>
    <message>
        <source>Pump</source>
        <extracomment>Before the list of the pumps found by the search: the pump to set up.</extracomment>
        <translation>Pumpe</translation>
    </message>
    <message>
        <source>Set Up From Browser</source>
        <translation>Im Browser einrichten</translation>
    </message>
    <message>
        <source>IP Assignment</source>
        <translation>IP-Zuweisung</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Static</source>
        <extracomment>The IP assignment: an address of its own, typed in by the technician, as opposed to one given by DHCP.</extracomment>
        <translation>Statisch</translation>
    </message>
    <message>
        <source>IPv4 Address</source>
        <translation>IPv4-Adresse</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Netzmaske</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>Standardgateway</translation>
    </message>
    <message>
        <source>DNS Server 1</source>
        <translation>DNS-Server 1</translation>
    </message>
    <message>
        <source>DNS Server 2</source>
        <translation>DNS-Server 2</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>Sends the settings to the pump, which saves them and restarts.</extracomment>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Drops what was typed in; the network tools then read the pump again.</extracomment>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Settings saved. Please wait. 
Pump restarting in 15 seconds...</source>
        <translation>Gespeichert. Bitte warten. 
Pumpe startet in 15 Sek. neu...</translation>
    </message>
    <message>
        <source>Key 1</source>
        <translation>Schlüssel 1</translation>
    </message>
    <message>
        <source>Key 2</source>
        <translation>Schlüssel 2</translation>
    </message>
    <message>
        <source>Key 3</source>
        <translation>Schlüssel 3</translation>
    </message>
    <message>
        <source>Key 4</source>
        <translation>Schlüssel 4</translation>
    </message>
    <message>
        <source>Key 5</source>
        <translation>Schlüssel 5</translation>
    </message>
    <message>
        <source>TCP Timeout [Sec]</source>
        <extracomment>How long the pump keeps an idle TCP connection open, in seconds (Sec).</extracomment>
        <translation>TCP-Timeout [s]</translation>
    </message>
    <message>
        <source>UTC Offset [±hh:mm]</source>
        <translation>Zeitzone [±hh:mm]</translation>
    </message>
    <message>
        <source>:</source>
        <extracomment>Between the hours and the minutes of the UTC offset.</extracomment>
        <translation>:</translation>
    </message>
    <message>
        <source>Cloud Monitor</source>
        <translation>Cloud-Monitor</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Telnet</source>
        <translation>Telnet</translation>
    </message>
    <message>
        <source>PROFIBUS Address</source>
        <translation>PROFIBUS-Adresse</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>Please correct the highlighted entry.</source>
        <translation>Bitte korrigieren Sie den markierten Eintrag.</translation>
    </message>
    <message>
        <source>The settings were not saved: the serial port is not open or was lost while writing.
Select the pump again and submit once more.</source>
        <translation>Die Einstellungen wurden nicht gespeichert: Die serielle Schnittstelle ist nicht geöffnet oder ging beim Schreiben verloren.
Wählen Sie die Pumpe erneut aus und übertragen Sie noch einmal.</translation>
    </message>
    <message>
        <source>Velmora Network Tool v1.0.0</source>
        <extracomment>The name of the program, shown as the window title: keep it as it is.</extracomment>
        <translation>Velmora Network Tool v1.0.0</translation>
    </message>
    <message>
        <source>000.000.000.000</source>
        <extracomment>An input mask, which says what may be typed: keep it exactly as it is.</extracomment>
        <translation>000.000.000.000</translation>
    </message>
    <message>
        <source>Velmora Connection Tool v1.0.0</source>
        <extracomment>The name of the program, shown as the window title: keep it as it is.</extracomment>
        <translation>Velmora Connection Tool v1.0.0</translation>
    </message>
    <message>
        <source>Corvane Network Tool v1.0.6</source>
        <extracomment>The name of the program, shown as the window title: keep it as it is.</extracomment>
        <translation>Corvane Network Tool v1.0.6</translation>
    </message>
    <message>
        <source>999</source>
        <extracomment>An input mask, which says what may be typed: keep it exactly as it is.</extracomment>
        <translation>999</translation>
    </message>
    <message>
        <source>#99</source>
        <extracomment>An input mask, which says what may be typed: keep it exactly as it is.</extracomment>
        <translation>#99</translation>
    </message>
    <message>
        <source>99</source>
        <extracomment>An input mask, which says what may be typed: keep it exactly as it is.</extracomment>
        <translation>99</translation>
    </message>
</context>
<context>
    <name>PlanFile</name>
    <message>
        <source>The plan %1 cannot be read: %2</source>
        <translation>Der Plan %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>The plan %1 cannot be used; the table is left as it was.
%2</source>
        <translation>Der Plan %1 kann nicht verwendet werden; die Tabelle bleibt unverändert.
%2</translation>
    </message>
    <message>
        <source>%1, line %2, column %3: %4</source>
        <translation>%1, Zeile %2, Spalte %3: %4</translation>
    </message>
    <message>
        <source>The plan cannot be saved: %1</source>
        <translation>Der Plan kann nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>PlantLook</name>
    <message>
        <source>confirmed</source>
        <translation>bestätigt</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation>abweichend: %1</translation>
    </message>
    <message>
        <source>not verified: %1 did not answer</source>
        <translation>nicht geprüft: %1 hat nicht geantwortet</translation>
    </message>
    <message>
        <source>did not answer after its restart</source>
        <translation>hat nach dem Neustart nicht geantwortet</translation>
    </message>
    <message>
        <source>did not answer after its restart: %1</source>
        <translation>hat nach dem Neustart nicht geantwortet: %1</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>gesendet</translation>
    </message>
    <message>
        <source>written, not verified (stopped)</source>
        <translation>geschrieben, nicht geprüft (gestoppt)</translation>
    </message>
    <message>
        <source>not written (stopped)</source>
        <translation>nicht geschrieben (gestoppt)</translation>
    </message>
</context>
<context>
    <name>PlantModel</name>
    <message>
        <source>Pump</source>
        <translation>Pumpe</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Adapter</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>The pump reported %1</source>
        <translation>Die Pumpe meldete %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>writing…</source>
        <translation>wird geschrieben…</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
</context>
<context>
    <name>PlantReport</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Commissioning report</source>
        <translation>Inbetriebnahmeprotokoll</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Adapters</source>
        <translation>Netzwerkadapter</translation>
    </message>
    <message>
        <source>every adapter the search reached</source>
        <translation>jeder Netzwerkadapter, den die Suche erreicht hat</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Pumps</source>
        <translation>Pumpen</translation>
    </message>
    <message>
        <source>Pump</source>
        <translation>Pumpe</translation>
    </message>
    <message>
        <source>Address before</source>
        <translation>Adresse vorher</translation>
    </message>
    <message>
        <source>Address after</source>
        <translation>Adresse nachher</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>Geschriebene Einstellungen</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>No write was made.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
</context>
<context>
    <name>PlantWindow</name>
    <message>
        <source>Corvane Plant Tool v%1</source>
        <translation>Corvane Plant Tool v%1</translation>
    </message>
    <message>
        <source>Press Search (F5) to find the plant&apos;s pumps.</source>
        <translation>Drücken Sie „Suchen“ (F5), um die Pumpen der Anlage zu finden.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>All columns</source>
        <translation>Alle Spalten</translation>
    </message>
    <message>
        <source>&amp;Plant</source>
        <translation>&amp;Anlage</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Open Plan…</source>
        <translation>Plan ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Save Plan &amp;As…</source>
        <translation>Plan speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Report…</source>
        <translation>&amp;Protokoll…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>&amp;Fill Addresses…</source>
        <translation>Adressen &amp;fortlaufend füllen…</translation>
    </message>
    <message>
        <source>P&amp;umps</source>
        <translation>P&amp;umpen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;toppen</translation>
    </message>
    <message>
        <source>Network settings (13)</source>
        <translation>Netzwerkeinstellungen (13)</translation>
    </message>
    <message>
        <source>IP settings (6)</source>
        <translation>IP-Einstellungen (6)</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Press Search (F5) to read the pumps&apos; %1 settings.</source>
        <translation>Drücken Sie „Suchen“ (F5), um die %1 Einstellungen der Pumpen zu lesen.</translation>
    </message>
    <message>
        <source>The search cannot be sent: %1</source>
        <translation>Die Suche kann nicht gesendet werden: %1</translation>
    </message>
    <message>
        <source>Searching: %L1 pumps answered</source>
        <translation>Suche läuft: %L1 Pumpen haben geantwortet</translation>
    </message>
    <message>
        <source>Reading %L1 of %L2 pumps</source>
        <translation>Lese %L1 von %L2 Pumpen</translation>
    </message>
    <message>
        <source>asking again: %L1 settings from %L2 pumps</source>
        <translation>erneute Abfrage: %L1 Einstellungen von %L2 Pumpen</translation>
    </message>
    <message>
        <source>No pump answered the search.</source>
        <translation>Keine Pumpe hat geantwortet.</translation>
    </message>
    <message>
        <source>%L1 pumps read; %L2 left settings unanswered.</source>
        <translation>%L1 Pumpen gelesen; %L2 haben Einstellungen nicht beantwortet.</translation>
    </message>
    <message>
        <source>%L1 pumps read.</source>
        <translation>%L1 Pumpen gelesen.</translation>
    </message>
    <message>
        <source>Pumps are being written. Stop the write and close when the pumps on the wire have their save frame?</source>
        <translation>Pumpen werden gerade geschrieben. Schreiben stoppen und schließen, sobald die Pumpen in Arbeit ihren Speicherbefehl erhalten haben?</translation>
    </message>
    <message>
        <source>Plans (*.csv *.txt);;All files (*)</source>
        <translation>Pläne (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Plan öffnen</translation>
    </message>
    <message>
        <source>Open plan %1</source>
        <translation>Plan %1 öffnen</translation>
    </message>
    <message>
        <source>Pumps the plan names but the search did not find: %L1</source>
        <translation>Pumpen, die der Plan nennt, die Suche aber nicht gefunden hat: %L1</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Plan speichern</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Fill Addresses</source>
        <translation>Adressen fortlaufend füllen</translation>
    </message>
    <message>
        <source>First address of the series (%L1 cells):</source>
        <translation>Erste Adresse der Reihe (%L1 Zellen):</translation>
    </message>
    <message>
        <source>Only address cells can be filled as a series.</source>
        <translation>Nur Adresszellen können fortlaufend gefüllt werden.</translation>
    </message>
    <message>
        <source>The series cannot be filled: %1.</source>
        <translation>Die Reihe kann nicht gefüllt werden: %1.</translation>
    </message>
    <message>
        <source>Fill addresses</source>
        <translation>Adressen füllen</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Protokoll speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>The report cannot be saved to %1.</source>
        <translation>Das Protokoll kann nicht unter %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>No cell changes what a pump holds: there is nothing to write.</source>
        <translation>Keine Zelle ändert, was eine Pumpe gespeichert hat: Es gibt nichts zu schreiben.</translation>
    </message>
    <message>
        <source>table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Nothing was sent:
%1</source>
        <translation>Es wurde nichts gesendet:
%1</translation>
    </message>
    <message>
        <source>… and %L1 more</source>
        <translation>… und %L1 weitere</translation>
    </message>
    <message>
        <source>Nothing was sent. Please correct the red cells:
%1</source>
        <translation>Es wurde nichts gesendet. Bitte korrigieren Sie die roten Zellen:
%1</translation>
    </message>
    <message>
        <source>%1 on 1 pump</source>
        <translation>%1 an 1 Pumpe</translation>
    </message>
    <message>
        <source>%1 on %L2 pumps</source>
        <translation>%1 an %L2 Pumpen</translation>
    </message>
    <message>
        <source>Write 1 pump?</source>
        <translation>1 Pumpe schreiben?</translation>
    </message>
    <message>
        <source>Write %L1 pumps?</source>
        <translation>%L1 Pumpen schreiben?</translation>
    </message>
    <message>
        <source>These settings change:
%1

Each pump saves and restarts; then it is read back.</source>
        <translation>Diese Einstellungen ändern sich:
%1

Jede Pumpe speichert und startet neu; danach wird sie zurückgelesen.</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Finding the pumps to write</source>
        <translation>Die zu schreibenden Pumpen werden gesucht</translation>
    </message>
    <message>
        <source>Reading first: %L1 of %L2 pumps</source>
        <translation>Zuerst lesen: %L1 von %L2 Pumpen</translation>
    </message>
    <message>
        <source>Writing: %L1 of %L2 pumps</source>
        <translation>Schreibe: %L1 von %L2 Pumpen</translation>
    </message>
    <message>
        <source>Waiting for the restart: %1 s left</source>
        <translation>Warten auf den Neustart: noch %1 s</translation>
    </message>
    <message>
        <source>Verifying: asking again %L1 settings from %L2 pumps</source>
        <translation>Prüfung: erneute Abfrage von %L1 Einstellungen von %L2 Pumpen</translation>
    </message>
    <message>
        <source>Verifying: %L1 of %L2 pumps</source>
        <translation>Prüfung: %L1 von %L2 Pumpen</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>%L1 of %L2 pumps confirmed.</source>
        <translation>%L1 von %L2 Pumpen bestätigt.</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>Gestoppt. </translation>
    </message>
</context>
<context>
    <name>SettingTitle</name>
    <message>
        <source>IP Assignment</source>
        <translation>IP-Zuweisung</translation>
    </message>
    <message>
        <source>IPv4 Address</source>
        <translation>IPv4-Adresse</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>Standardgateway</translation>
    </message>
    <message>
        <source>DNS Server 1</source>
        <translation>DNS-Server 1</translation>
    </message>
    <message>
        <source>DNS Server 2</source>
        <translation>DNS-Server 2</translation>
    </message>
    <message>
        <source>TCP Timeout</source>
        <translation>TCP-Timeout</translation>
    </message>
    <message>
        <source>UTC Offset hours</source>
        <translation>Zeitzone Stunden</translation>
    </message>
    <message>
        <source>UTC Offset minutes</source>
        <translation>Zeitzone Minuten</translation>
    </message>
    <message>
        <source>Cloud Monitor</source>
        <translation>Cloud-Monitor</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Telnet</source>
        <translation>Telnet</translation>
    </message>
    <message>
        <source>PROFIBUS Address</source>
        <translation>PROFIBUS-Adresse</translation>
    </message>
    <message>
        <source>Key 1</source>
        <translation>Schlüssel 1</translation>
    </message>
    <message>
        <source>Key 2</source>
        <translation>Schlüssel 2</translation>
    </message>
    <message>
        <source>Key 3</source>
        <translation>Schlüssel 3</translation>
    </message>
    <message>
        <source>Key 4</source>
        <translation>Schlüssel 4</translation>
    </message>
    <message>
        <source>Key 5</source>
        <translation>Schlüssel 5</translation>
    </message>
</context>
<context>
    <name>WindowMessages</name>
    <message>
        <source>The serial port %1 could not be opened: %2.</source>
        <extracomment>%1 is the port&apos;s name (ttyUSB0, COM5), %2 the system&apos;s reason.</extracomment>
        <translation>Die serielle Schnittstelle %1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>

This user may not use serial ports. Join the dialout group:
    sudo usermod -aG dialout $USER
then log out and in again, and choose the port once more.</source>
        <extracomment>The command line is typed as it is, untranslated.</extracomment>
        <translation>

Dieser Benutzer darf keine seriellen Schnittstellen verwenden. Fügen Sie ihn der Gruppe dialout hinzu:
    sudo usermod -aG dialout $USER
melden Sie sich dann ab und wieder an und wählen Sie die Schnittstelle erneut.</translation>
    </message>
    <message>
        <source>

Another program may be using the port. Close it, then choose the port once more.</source>
        <translation>

Möglicherweise belegt ein anderes Programm die Schnittstelle. Schließen Sie es und wählen Sie die Schnittstelle dann erneut.</translation>
    </message>
    <message>
        <source>

Check that the adapter is plugged in. The list of ports is read when the tool starts.</source>
        <translation>

Prüfen Sie, ob der Adapter eingesteckt ist. Die Liste der Schnittstellen wird beim Start des Programms gelesen.</translation>
    </message>
    <message>
        <source>No pump answered the search.</source>
        <translation>Keine Pumpe hat geantwortet.</translation>
    </message>
    <message>
        <source>These settings were not read from the pump and not filled in:%1

Nothing was sent. Select the pump again, or press Reset, to read them once more, or fill them in yourself.</source>
        <extracomment>%1 is the list of the settings, one a line.</extracomment>
        <translation>Diese Einstellungen wurden weder von der Pumpe gelesen noch eingetragen:%1

Es wurde nichts gesendet. Wählen Sie die Pumpe erneut aus oder drücken Sie „Zurücksetzen“, um sie noch einmal zu lesen, oder tragen Sie sie selbst ein.</translation>
    </message>
    <message>
        <source>The pump did not answer: no setting is known. Select it again to retry.</source>
        <translation>Die Pumpe hat nicht geantwortet, keine Einstellung ist bekannt. Wählen Sie sie erneut aus.</translation>
    </message>
    <message>
        <source>%1 of %2 settings did not arrive (shaded yellow). Select the pump again to read them.</source>
        <extracomment>%1 and %2 are numbers: 3 of 13 settings.</extracomment>
        <translation>%1 von %2 Einstellungen fehlen (gelb hinterlegt). Wählen Sie die Pumpe erneut aus, um sie zu lesen.</translation>
    </message>
    <message>
        <source>on the serial port %1</source>
        <extracomment>Where the pump was asked, in &quot;It was asked %1 when the wait ended&quot;; %1 is the port&apos;s name.</extracomment>
        <translation>an der seriellen Schnittstelle %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <extracomment>Where the pump was asked, in &quot;It was asked %1 when the wait ended&quot;; %1 is its IP address.</extracomment>
        <translation>unter %1</translation>
    </message>
    <message>
        <source>The pump did not answer after its restart.

It was asked %1 when the wait ended, and every 3 seconds for 30 seconds more.

</source>
        <extracomment>%1 says where it was asked: &quot;at 10.0.0.5&quot; or &quot;on the serial port ttyUSB0&quot;.</extracomment>
        <translation>Die Pumpe hat nach ihrem Neustart nicht geantwortet.

Sie wurde nach Ablauf der Wartezeit %1 abgefragt und danach 30 Sekunden lang alle 3 Sekunden erneut.

</translation>
    </message>
    <message>
        <source>It may still be starting, the cable may be loose, or another program may hold the port. Select the pump again to read it once more.</source>
        <translation>Möglicherweise startet sie noch, das Kabel ist locker oder ein anderes Programm belegt die Schnittstelle. Wählen Sie die Pumpe erneut aus, um sie noch einmal zu lesen.</translation>
    </message>
    <message>
        <source>If it was given a static address outside this computer&apos;s network, it cannot be reached from here: connect this computer to that network, or use a serial port. If it takes its address by DHCP, it may have a new one: search again. It may also still be starting, or its cable may be loose.</source>
        <translation>Wurde ihr eine statische Adresse außerhalb des Netzwerks dieses Computers zugewiesen, ist sie von hier aus nicht erreichbar: Verbinden Sie diesen Computer mit jenem Netzwerk oder verwenden Sie eine serielle Schnittstelle. Bezieht sie ihre Adresse per DHCP, hat sie eventuell eine neue: Suchen Sie erneut. Möglicherweise startet sie auch noch oder ihr Kabel ist locker.</translation>
    </message>
    <message>
        <source>The pump holds every setting as written.</source>
        <translation>Die Pumpe hat alle Einstellungen wie geschrieben übernommen.</translation>
    </message>
    <message>
        <source>
    %1: written &quot;%2&quot;, held &quot;%3&quot;</source>
        <extracomment>One line per setting: %1 is its name, %2 the value written, %3 the value the pump holds now.</extracomment>
        <translation>
    %1: geschrieben „%2“, in der Pumpe „%3“</translation>
    </message>
    <message>
        <source>After its restart the pump holds other values than were written:%1

It may have refused them. The fields are shaded orange; check them and submit again.</source>
        <extracomment>%1 is the list of the settings, one a line.</extracomment>
        <translation>Nach dem Neustart enthält die Pumpe andere Werte als geschrieben:%1

Möglicherweise hat sie sie abgelehnt. Die Felder sind orange hinterlegt; prüfen Sie sie und übertragen Sie erneut.</translation>
    </message>
    <message>
        <source>No answer from the pump yet. 
Asking again every 3 seconds...</source>
        <translation>Pumpe antwortet noch nicht. 
Neue Abfrage alle 3 Sekunden...</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>The state of a switch such as Bluetooth or Telnet: switched on.</extracomment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>The state of a switch such as Bluetooth or Telnet: switched off.</extracomment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>The pump at %1 answered on the adapter %2, but the system will not send to it through %2 alone: %3.

If the pump does not lie in %2&apos;s network (%4), give %2 an address in the pump&apos;s network, for example %5/24, then search again.</source>
        <translation>Die Pumpe unter %1 hat über den Netzwerkadapter %2 geantwortet, aber das System sendet nicht allein über %2 an sie: %3.

Liegt die Pumpe nicht im Netzwerk von %2 (%4), geben Sie %2 eine Adresse im Netzwerk der Pumpe, zum Beispiel %5/24, und suchen Sie dann erneut.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The plant&apos;s pumps in one table, written at once.</source>
        <translation>Die Pumpen der Anlage in einer Tabelle, auf einmal geschrieben.</translation>
    </message>
    <message>
        <source>A plan to open once the first search has ended.</source>
        <translation>Ein Plan, der nach der ersten Suche geöffnet wird.</translation>
    </message>
    <message>
        <source>How long the pumps take to restart (default 15).</source>
        <translation>Wie lange die Pumpen für den Neustart brauchen (Standard 15).</translation>
    </message>
</context>
</TS>
