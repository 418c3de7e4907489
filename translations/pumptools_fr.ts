<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CellRanges</name>
    <message>
        <source>&quot;%1&quot; is no IPv4 address</source>
        <translation>« %1 » n’est pas une adresse IPv4</translation>
    </message>
    <message>
        <source>%L1 addresses from %2 would run past .254</source>
        <translation>%L1 adresses à partir de %2 dépasseraient .254</translation>
    </message>
</context>
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
    <name>PlanFile</name>
    <message>
        <source>The plan %1 cannot be read: %2</source>
        <translation>Le plan %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>The plan %1 cannot be used; the table is left as it was.
%2</source>
        <translation>Le plan %1 ne peut pas être utilisé ; le tableau reste inchangé.
%2</translation>
    </message>
    <message>
        <source>%1, line %2, column %3: %4</source>
        <translation>%1, ligne %2, colonne %3 : %4</translation>
    </message>
    <message>
        <source>The plan cannot be saved: %1</source>
        <translation>Le plan ne peut pas être enregistré : %1</translation>
    </message>
</context>
<context>
    <name>PlantLook</name>
    <message>
        <source>confirmed</source>
        <translation>confirmé</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation>différent : %1</translation>
    </message>
    <message>
        <source>not verified: %1 did not answer</source>
        <translation>non vérifié : %1 n’a pas répondu</translation>
    </message>
    <message>
        <source>did not answer after its restart</source>
        <translation>n’a pas répondu après son redémarrage</translation>
    </message>
    <message>
        <source>did not answer after its restart: %1</source>
        <translation>n’a pas répondu après son redémarrage : %1</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>envoyé</translation>
    </message>
    <message>
        <source>written, not verified (stopped)</source>
        <translation>écrit, non vérifié (arrêté)</translation>
    </message>
    <message>
        <source>not written (stopped)</source>
        <translation>non écrit (arrêté)</translation>
    </message>
</context>
<context>
    <name>PlantModel</name>
    <message>
        <source>Pump</source>
        <translation>Pompe</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Carte réseau</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>The pump reported %1</source>
        <translation>La pompe a indiqué %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>writing…</source>
        <translation>écriture…</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
</context>
<context>
    <name>PlantReport</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Commissioning report</source>
        <translation>Rapport de mise en service</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Adapters</source>
        <translation>Cartes réseau</translation>
    </message>
    <message>
        <source>every adapter the search reached</source>
        <translation>toutes les cartes réseau atteintes par la recherche</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Outil</translation>
    </message>
    <message>
        <source>Pumps</source>
        <translation>Pompes</translation>
    </message>
    <message>
        <source>Pump</source>
        <translation>Pompe</translation>
    </message>
    <message>
        <source>Address before</source>
        <translation>Adresse avant</translation>
    </message>
    <message>
        <source>Address after</source>
        <translation>Adresse après</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>Paramètres écrits</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>No write was made.</source>
        <translation>Aucune écriture n’a été faite.</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
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
        <translation>Appuyez sur Rechercher (F5) pour trouver les pompes de l’installation.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>All columns</source>
        <translation>Toutes les colonnes</translation>
    </message>
    <message>
        <source>&amp;Plant</source>
        <translation>&amp;Installation</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Open Plan…</source>
        <translation>&amp;Ouvrir un plan…</translation>
    </message>
    <message>
        <source>Save Plan &amp;As…</source>
        <translation>Enregistrer le plan &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Report…</source>
        <translation>Ra&amp;pport…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Fill Addresses…</source>
        <translation>Remplir les &amp;adresses…</translation>
    </message>
    <message>
        <source>P&amp;umps</source>
        <translation>P&amp;ompes</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>É&amp;crire</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>Network settings (13)</source>
        <translation>Paramètres réseau (13)</translation>
    </message>
    <message>
        <source>IP settings (6)</source>
        <translation>Paramètres IP (6)</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Press Search (F5) to read the pumps&apos; %1 settings.</source>
        <translation>Appuyez sur Rechercher (F5) pour lire les %1 paramètres des pompes.</translation>
    </message>
    <message>
        <source>The search cannot be sent: %1</source>
        <translation>La recherche ne peut pas être envoyée : %1</translation>
    </message>
    <message>
        <source>Searching: %L1 pumps answered</source>
        <translation>Recherche : %L1 pompes ont répondu</translation>
    </message>
    <message>
        <source>Reading %L1 of %L2 pumps</source>
        <translation>Lecture de %L1 pompes sur %L2</translation>
    </message>
    <message>
        <source>asking again: %L1 settings from %L2 pumps</source>
        <translation>nouvelle demande : %L1 paramètres de %L2 pompes</translation>
    </message>
    <message>
        <source>No pump answered the search.</source>
        <translation>Aucune pompe n’a répondu.</translation>
    </message>
    <message>
        <source>%L1 pumps read; %L2 left settings unanswered.</source>
        <translation>%L1 pompes lues ; %L2 n’ont pas répondu pour certains paramètres.</translation>
    </message>
    <message>
        <source>%L1 pumps read.</source>
        <translation>%L1 pompes lues.</translation>
    </message>
    <message>
        <source>Pumps are being written. Stop the write and close when the pumps on the wire have their save frame?</source>
        <translation>Des pompes sont en cours d’écriture. Arrêter l’écriture et fermer dès que les pompes en cours ont reçu leur ordre d’enregistrement ?</translation>
    </message>
    <message>
        <source>Plans (*.csv *.txt);;All files (*)</source>
        <translation>Plans (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Ouvrir un plan</translation>
    </message>
    <message>
        <source>Open plan %1</source>
        <translation>Ouvrir le plan %1</translation>
    </message>
    <message>
        <source>Pumps the plan names but the search did not find: %L1</source>
        <translation>Pompes nommées dans le plan mais non trouvées par la recherche : %L1</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Enregistrer le plan</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Fill Addresses</source>
        <translation>Remplir les adresses</translation>
    </message>
    <message>
        <source>First address of the series (%L1 cells):</source>
        <translation>Première adresse de la série (%L1 cellules) :</translation>
    </message>
    <message>
        <source>Only address cells can be filled as a series.</source>
        <translation>Seules les cellules d’adresse peuvent être remplies en série.</translation>
    </message>
    <message>
        <source>The series cannot be filled: %1.</source>
        <translation>La série ne peut pas être remplie : %1.</translation>
    </message>
    <message>
        <source>Fill addresses</source>
        <translation>Remplir les adresses</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report cannot be saved to %1.</source>
        <translation>Le rapport ne peut pas être enregistré dans %1.</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2 : %3</translation>
    </message>
    <message>
        <source>No cell changes what a pump holds: there is nothing to write.</source>
        <translation>Aucune cellule ne change ce que contient une pompe : il n’y a rien à écrire.</translation>
    </message>
    <message>
        <source>table</source>
        <translation>tableau</translation>
    </message>
    <message>
        <source>Nothing was sent:
%1</source>
        <translation>Rien n’a été envoyé :
%1</translation>
    </message>
    <message>
        <source>… and %L1 more</source>
        <translation>… et %L1 de plus</translation>
    </message>
    <message>
        <source>Nothing was sent. Please correct the red cells:
%1</source>
        <translation>Rien n’a été envoyé. Veuillez corriger les cellules en rouge :
%1</translation>
    </message>
    <message>
        <source>%1 on 1 pump</source>
        <translation>%1 sur 1 pompe</translation>
    </message>
    <message>
        <source>%1 on %L2 pumps</source>
        <translation>%1 sur %L2 pompes</translation>
    </message>
    <message>
        <source>Write 1 pump?</source>
        <translation>Écrire 1 pompe ?</translation>
    </message>
    <message>
        <source>Write %L1 pumps?</source>
        <translation>Écrire %L1 pompes ?</translation>
    </message>
    <message>
        <source>These settings change:
%1

Each pump saves and restarts; then it is read back.</source>
        <translation>Ces paramètres changent :
%1

Chaque pompe enregistre et redémarre ; elle est ensuite relue.</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Finding the pumps to write</source>
        <translation>Recherche des pompes à écrire</translation>
    </message>
    <message>
        <source>Reading first: %L1 of %L2 pumps</source>
        <translation>Lecture préalable : %L1 pompes sur %L2</translation>
    </message>
    <message>
        <source>Writing: %L1 of %L2 pumps</source>
        <translation>Écriture : %L1 pompes sur %L2</translation>
    </message>
    <message>
        <source>Waiting for the restart: %1 s left</source>
        <translation>Attente du redémarrage : encore %1 s</translation>
    </message>
    <message>
        <source>Verifying: asking again %L1 settings from %L2 pumps</source>
        <translation>Vérification : nouvelle demande de %L1 paramètres à %L2 pompes</translation>
    </message>
    <message>
        <source>Verifying: %L1 of %L2 pumps</source>
        <translation>Vérification : %L1 pompes sur %L2</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Rien n’a été envoyé.</translation>
    </message>
    <message>
        <source>%L1 of %L2 pumps confirmed.</source>
        <translation>%L1 pompes sur %L2 confirmées.</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>Arrêté. </translation>
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
    <message>
        <source>The pump at %1 answered on the adapter %2, but the system will not send to it through %2 alone: %3.

If the pump does not lie in %2&apos;s network (%4), give %2 an address in the pump&apos;s network, for example %5/24, then search again.</source>
        <translation>La pompe à l’adresse %1 a répondu sur la carte réseau %2, mais le système refuse de lui envoyer des données par %2 seule : %3.

Si la pompe n’est pas dans le réseau de %2 (%4), donnez à %2 une adresse dans le réseau de la pompe, par exemple %5/24, puis relancez la recherche.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The plant&apos;s pumps in one table, written at once.</source>
        <translation>Les pompes de l’installation dans un seul tableau, écrites en une fois.</translation>
    </message>
    <message>
        <source>A plan to open once the first search has ended.</source>
        <translation>Un plan à ouvrir une fois la première recherche terminée.</translation>
    </message>
    <message>
        <source>How long the pumps take to restart (default 15).</source>
        <translation>Durée de redémarrage des pompes (15 par défaut).</translation>
    </message>
</context>
</TS>
