<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>MainWindow</name>
    <message>
        <source>Connection</source>
        <extracomment>How the pumps are reached: Ethernet, or one of the serial ports listed beside it.</extracomment>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Search Pumps</source>
        <translation>Rechercher les pompes</translation>
    </message>
    <message>
        <source>Pump</source>
        <extracomment>Before the list of the pumps found by the search: the pump to set up.</extracomment>
        <translation>Pompe</translation>
    </message>
    <message>
        <source>Set Up From Browser</source>
        <translation>Configurer via le navigateur</translation>
    </message>
    <message>
        <source>IP Assignment</source>
        <translation>Attribution IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Static</source>
        <extracomment>The IP assignment: an address of its own, typed in by the technician, as opposed to one given by DHCP.</extracomment>
        <translation>Statique</translation>
    </message>
    <message>
        <source>IPv4 Address</source>
        <translation>Adresse IPv4</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Masque</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>DNS Server 1</source>
        <translation>Serveur DNS 1</translation>
    </message>
    <message>
        <source>DNS Server 2</source>
        <translation>Serveur DNS 2</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>Sends the settings to the pump, which saves them and restarts.</extracomment>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Drops what was typed in; the network tools then read the pump again.</extracomment>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Settings saved. Please wait. 
Pump restarting in 15 seconds...</source>
        <translation>Enregistré. Veuillez patienter. 
Redémarrage dans 15 secondes...</translation>
    </message>
    <message>
        <source>Key 1</source>
        <translation>Clé 1</translation>
    </message>
    <message>
        <source>Key 2</source>
        <translation>Clé 2</translation>
    </message>
    <message>
        <source>Key 3</source>
        <translation>Clé 3</translation>
    </message>
    <message>
        <source>Key 4</source>
        <translation>Clé 4</translation>
    </message>
    <message>
        <source>Key 5</source>
        <translation>Clé 5</translation>
    </message>
    <message>
        <source>TCP Timeout [Sec]</source>
        <extracomment>How long the pump keeps an idle TCP connection open, in seconds (Sec).</extracomment>
        <translation>Délai TCP [s]</translation>
    </message>
    <message>
        <source>UTC Offset [±hh:mm]</source>
        <translation>Fuseau [±hh:mm]</translation>
    </message>
    <message>
        <source>:</source>
        <extracomment>Between the hours and the minutes of the UTC offset.</extracomment>
        <translation>:</translation>
    </message>
    <message>
        <source>Cloud Monitor</source>
        <translation>Surveillance cloud</translation>
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
        <translation>Adresse PROFIBUS</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Recherche...</translation>
    </message>
    <message>
        <source>Please correct the highlighted entry.</source>
        <translation>Veuillez corriger la saisie en surbrillance.</translation>
    </message>
    <message>
        <source>The settings were not saved: the serial port is not open or was lost while writing.
Select the pump again and submit once more.</source>
        <translation>Les paramètres n’ont pas été enregistrés&#xa0;: le port série n’est pas ouvert ou a été perdu pendant l’écriture.
Sélectionnez de nouveau la pompe et envoyez une nouvelle fois.</translation>
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
        <translation>Attribution IP</translation>
    </message>
    <message>
        <source>IPv4 Address</source>
        <translation>Adresse IPv4</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>Passerelle par défaut</translation>
    </message>
    <message>
        <source>DNS Server 1</source>
        <translation>Serveur DNS 1</translation>
    </message>
    <message>
        <source>DNS Server 2</source>
        <translation>Serveur DNS 2</translation>
    </message>
    <message>
        <source>TCP Timeout</source>
        <translation>Délai TCP</translation>
    </message>
    <message>
        <source>UTC Offset hours</source>
        <translation>Fuseau UTC (heures)</translation>
    </message>
    <message>
        <source>UTC Offset minutes</source>
        <translation>Fuseau UTC (minutes)</translation>
    </message>
    <message>
        <source>Cloud Monitor</source>
        <translation>Surveillance cloud</translation>
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
        <translation>Adresse PROFIBUS</translation>
    </message>
    <message>
        <source>Key 1</source>
        <translation>Clé 1</translation>
    </message>
    <message>
        <source>Key 2</source>
        <translation>Clé 2</translation>
    </message>
    <message>
        <source>Key 3</source>
        <translation>Clé 3</translation>
    </message>
    <message>
        <source>Key 4</source>
        <translation>Clé 4</translation>
    </message>
    <message>
        <source>Key 5</source>
        <translation>Clé 5</translation>
    </message>
</context>
<context>
    <name>WindowMessages</name>
    <message>
        <source>The serial port %1 could not be opened: %2.</source>
        <extracomment>%1 is the port&apos;s name (ttyUSB0, COM5), %2 the system&apos;s reason.</extracomment>
        <translation>Le port série %1 n’a pas pu être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>

This user may not use serial ports. Join the dialout group:
    sudo usermod -aG dialout $USER
then log out and in again, and choose the port once more.</source>
        <extracomment>The command line is typed as it is, untranslated.</extracomment>
        <translation>

Cet utilisateur n’a pas le droit d’utiliser les ports série. Ajoutez-le au groupe dialout&#xa0;:
    sudo usermod -aG dialout $USER
puis fermez la session, rouvrez-la et choisissez de nouveau le port.</translation>
    </message>
    <message>
        <source>

Another program may be using the port. Close it, then choose the port once more.</source>
        <translation>

Un autre programme utilise peut-être le port. Fermez-le, puis choisissez de nouveau le port.</translation>
    </message>
    <message>
        <source>

Check that the adapter is plugged in. The list of ports is read when the tool starts.</source>
        <translation>

Vérifiez que l’adaptateur est branché. La liste des ports est lue au démarrage de l’outil.</translation>
    </message>
    <message>
        <source>No pump answered the search.</source>
        <translation>Aucune pompe n’a répondu.</translation>
    </message>
    <message>
        <source>These settings were not read from the pump and not filled in:%1

Nothing was sent. Select the pump again, or press Reset, to read them once more, or fill them in yourself.</source>
        <extracomment>%1 is the list of the settings, one a line.</extracomment>
        <translation>Ces paramètres n’ont été ni lus dans la pompe ni saisis&#xa0;:%1

Rien n’a été envoyé. Sélectionnez de nouveau la pompe, ou appuyez sur Réinitialiser, pour les relire, ou saisissez-les vous-même.</translation>
    </message>
    <message>
        <source>The pump did not answer: no setting is known. Select it again to retry.</source>
        <translation>La pompe n’a pas répondu&#xa0;: aucun paramètre n’est connu. Sélectionnez-la de nouveau pour réessayer.</translation>
    </message>
    <message>
        <source>%1 of %2 settings did not arrive (shaded yellow). Select the pump again to read them.</source>
        <extracomment>%1 and %2 are numbers: 3 of 13 settings.</extracomment>
        <translation>%1 paramètres sur %2 ne sont pas arrivés (sur fond jaune). Sélectionnez de nouveau la pompe pour les lire.</translation>
    </message>
    <message>
        <source>on the serial port %1</source>
        <extracomment>Where the pump was asked, in &quot;It was asked %1 when the wait ended&quot;; %1 is the port&apos;s name.</extracomment>
        <translation>sur le port série %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <extracomment>Where the pump was asked, in &quot;It was asked %1 when the wait ended&quot;; %1 is its IP address.</extracomment>
        <translation>à l’adresse %1</translation>
    </message>
    <message>
        <source>The pump did not answer after its restart.

It was asked %1 when the wait ended, and every 3 seconds for 30 seconds more.

</source>
        <extracomment>%1 says where it was asked: &quot;at 10.0.0.5&quot; or &quot;on the serial port ttyUSB0&quot;.</extracomment>
        <translation>La pompe n’a pas répondu après son redémarrage.

Elle a été interrogée %1 à la fin de l’attente, puis toutes les 3 secondes pendant encore 30 secondes.

</translation>
    </message>
    <message>
        <source>It may still be starting, the cable may be loose, or another program may hold the port. Select the pump again to read it once more.</source>
        <translation>Elle est peut-être encore en train de démarrer, le câble est peut-être débranché, ou un autre programme occupe le port. Sélectionnez de nouveau la pompe pour la relire.</translation>
    </message>
    <message>
        <source>If it was given a static address outside this computer&apos;s network, it cannot be reached from here: connect this computer to that network, or use a serial port. If it takes its address by DHCP, it may have a new one: search again. It may also still be starting, or its cable may be loose.</source>
        <translation>Si elle a reçu une adresse statique hors du réseau de cet ordinateur, elle n’est pas joignable d’ici&#xa0;: connectez cet ordinateur à ce réseau, ou utilisez un port série. Si elle obtient son adresse par DHCP, elle en a peut-être une nouvelle&#xa0;: relancez la recherche. Elle est peut-être aussi encore en train de démarrer, ou son câble est débranché.</translation>
    </message>
    <message>
        <source>The pump holds every setting as written.</source>
        <translation>La pompe a conservé tous les paramètres tels qu’écrits.</translation>
    </message>
    <message>
        <source>
    %1: written &quot;%2&quot;, held &quot;%3&quot;</source>
        <extracomment>One line per setting: %1 is its name, %2 the value written, %3 the value the pump holds now.</extracomment>
        <translation>
    %1&#xa0;: écrit «&#xa0;%2&#xa0;», dans la pompe «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>After its restart the pump holds other values than were written:%1

It may have refused them. The fields are shaded orange; check them and submit again.</source>
        <extracomment>%1 is the list of the settings, one a line.</extracomment>
        <translation>Après son redémarrage, la pompe contient d’autres valeurs que celles écrites&#xa0;:%1

Elle les a peut-être refusées. Les champs sont sur fond orange&#xa0;; vérifiez-les et envoyez de nouveau.</translation>
    </message>
    <message>
        <source>No answer from the pump yet. 
Asking again every 3 seconds...</source>
        <translation>La pompe ne répond pas encore. 
Nouvel essai toutes les 3 s...</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>The state of a switch such as Bluetooth or Telnet: switched on.</extracomment>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>The state of a switch such as Bluetooth or Telnet: switched off.</extracomment>
        <translation>Désactivé</translation>
    </message>
</context>
</TS>
