<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</context>
</TS>
