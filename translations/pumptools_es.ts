<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>MainWindow</name>
    <message>
        <source>Connection</source>
        <extracomment>How the pumps are reached: Ethernet, or one of the serial ports listed beside it.</extracomment>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Search Pumps</source>
        <translation>Buscar bombas</translation>
    </message>
    <message>
        <source>Pump</source>
        <extracomment>Before the list of the pumps found by the search: the pump to set up.</extracomment>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Set Up From Browser</source>
        <translation>Configurar en el navegador</translation>
    </message>
    <message>
        <source>IP Assignment</source>
        <translation>Asignación IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Static</source>
        <extracomment>The IP assignment: an address of its own, typed in by the technician, as opposed to one given by DHCP.</extracomment>
        <translation>Estática</translation>
    </message>
    <message>
        <source>IPv4 Address</source>
        <translation>Dirección IPv4</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Máscara</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>DNS Server 1</source>
        <translation>DNS 1</translation>
    </message>
    <message>
        <source>DNS Server 2</source>
        <translation>DNS 2</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>Sends the settings to the pump, which saves them and restarts.</extracomment>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Drops what was typed in; the network tools then read the pump again.</extracomment>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Settings saved. Please wait. 
Pump restarting in 15 seconds...</source>
        <translation>Guardado. Espere, por favor. 
Reinicio de la bomba en 15 s...</translation>
    </message>
    <message>
        <source>Key 1</source>
        <translation>Clave 1</translation>
    </message>
    <message>
        <source>Key 2</source>
        <translation>Clave 2</translation>
    </message>
    <message>
        <source>Key 3</source>
        <translation>Clave 3</translation>
    </message>
    <message>
        <source>Key 4</source>
        <translation>Clave 4</translation>
    </message>
    <message>
        <source>Key 5</source>
        <translation>Clave 5</translation>
    </message>
    <message>
        <source>TCP Timeout [Sec]</source>
        <extracomment>How long the pump keeps an idle TCP connection open, in seconds (Sec).</extracomment>
        <translation>Timeout TCP [s]</translation>
    </message>
    <message>
        <source>UTC Offset [±hh:mm]</source>
        <translation>Huso UTC [±hh:mm]</translation>
    </message>
    <message>
        <source>:</source>
        <extracomment>Between the hours and the minutes of the UTC offset.</extracomment>
        <translation>:</translation>
    </message>
    <message>
        <source>Cloud Monitor</source>
        <translation>Monitor en la nube</translation>
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
        <translation>Dir. PROFIBUS</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>Please correct the highlighted entry.</source>
        <translation>Corrija la entrada resaltada.</translation>
    </message>
    <message>
        <source>The settings were not saved: the serial port is not open or was lost while writing.
Select the pump again and submit once more.</source>
        <translation>Los parámetros no se guardaron: el puerto serie no está abierto o se perdió durante la escritura.
Seleccione de nuevo la bomba y envíe otra vez.</translation>
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
        <translation>Asignación IP</translation>
    </message>
    <message>
        <source>IPv4 Address</source>
        <translation>Dirección IPv4</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>DNS Server 1</source>
        <translation>Servidor DNS 1</translation>
    </message>
    <message>
        <source>DNS Server 2</source>
        <translation>Servidor DNS 2</translation>
    </message>
    <message>
        <source>TCP Timeout</source>
        <translation>Timeout TCP</translation>
    </message>
    <message>
        <source>UTC Offset hours</source>
        <translation>Huso UTC (horas)</translation>
    </message>
    <message>
        <source>UTC Offset minutes</source>
        <translation>Huso UTC (minutos)</translation>
    </message>
    <message>
        <source>Cloud Monitor</source>
        <translation>Monitor en la nube</translation>
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
        <translation>Dirección PROFIBUS</translation>
    </message>
    <message>
        <source>Key 1</source>
        <translation>Clave 1</translation>
    </message>
    <message>
        <source>Key 2</source>
        <translation>Clave 2</translation>
    </message>
    <message>
        <source>Key 3</source>
        <translation>Clave 3</translation>
    </message>
    <message>
        <source>Key 4</source>
        <translation>Clave 4</translation>
    </message>
    <message>
        <source>Key 5</source>
        <translation>Clave 5</translation>
    </message>
</context>
<context>
    <name>WindowMessages</name>
    <message>
        <source>The serial port %1 could not be opened: %2.</source>
        <extracomment>%1 is the port&apos;s name (ttyUSB0, COM5), %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo abrir el puerto serie %1: %2.</translation>
    </message>
    <message>
        <source>

This user may not use serial ports. Join the dialout group:
    sudo usermod -aG dialout $USER
then log out and in again, and choose the port once more.</source>
        <extracomment>The command line is typed as it is, untranslated.</extracomment>
        <translation>

Este usuario no puede usar puertos serie. Añádalo al grupo dialout:
    sudo usermod -aG dialout $USER
luego cierre la sesión, vuelva a iniciarla y elija de nuevo el puerto.</translation>
    </message>
    <message>
        <source>

Another program may be using the port. Close it, then choose the port once more.</source>
        <translation>

Puede que otro programa esté usando el puerto. Ciérrelo y elija de nuevo el puerto.</translation>
    </message>
    <message>
        <source>

Check that the adapter is plugged in. The list of ports is read when the tool starts.</source>
        <translation>

Compruebe que el adaptador está conectado. La lista de puertos se lee al iniciar la herramienta.</translation>
    </message>
    <message>
        <source>No pump answered the search.</source>
        <translation>Ninguna bomba respondió a la búsqueda.</translation>
    </message>
    <message>
        <source>These settings were not read from the pump and not filled in:%1

Nothing was sent. Select the pump again, or press Reset, to read them once more, or fill them in yourself.</source>
        <extracomment>%1 is the list of the settings, one a line.</extracomment>
        <translation>Estos parámetros no se leyeron de la bomba ni se rellenaron:%1

No se envió nada. Seleccione de nuevo la bomba, o pulse Restablecer, para leerlos otra vez, o rellénelos usted mismo.</translation>
    </message>
    <message>
        <source>The pump did not answer: no setting is known. Select it again to retry.</source>
        <translation>La bomba no respondió: no se conoce ningún parámetro. Selecciónela de nuevo para reintentar.</translation>
    </message>
    <message>
        <source>%1 of %2 settings did not arrive (shaded yellow). Select the pump again to read them.</source>
        <extracomment>%1 and %2 are numbers: 3 of 13 settings.</extracomment>
        <translation>No llegaron %1 de %2 parámetros (sombreados en amarillo). Seleccione de nuevo la bomba para leerlos.</translation>
    </message>
    <message>
        <source>on the serial port %1</source>
        <extracomment>Where the pump was asked, in &quot;It was asked %1 when the wait ended&quot;; %1 is the port&apos;s name.</extracomment>
        <translation>en el puerto serie %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <extracomment>Where the pump was asked, in &quot;It was asked %1 when the wait ended&quot;; %1 is its IP address.</extracomment>
        <translation>en %1</translation>
    </message>
    <message>
        <source>The pump did not answer after its restart.

It was asked %1 when the wait ended, and every 3 seconds for 30 seconds more.

</source>
        <extracomment>%1 says where it was asked: &quot;at 10.0.0.5&quot; or &quot;on the serial port ttyUSB0&quot;.</extracomment>
        <translation>La bomba no respondió tras su reinicio.

Se le preguntó %1 al terminar la espera, y cada 3 segundos durante 30 segundos más.

</translation>
    </message>
    <message>
        <source>It may still be starting, the cable may be loose, or another program may hold the port. Select the pump again to read it once more.</source>
        <translation>Puede que aún esté arrancando, que el cable esté suelto o que otro programa ocupe el puerto. Seleccione de nuevo la bomba para leerla otra vez.</translation>
    </message>
    <message>
        <source>If it was given a static address outside this computer&apos;s network, it cannot be reached from here: connect this computer to that network, or use a serial port. If it takes its address by DHCP, it may have a new one: search again. It may also still be starting, or its cable may be loose.</source>
        <translation>Si se le asignó una dirección estática fuera de la red de este equipo, no se puede alcanzar desde aquí: conecte este equipo a esa red o use un puerto serie. Si obtiene su dirección por DHCP, puede que tenga una nueva: busque de nuevo. También puede que aún esté arrancando o que su cable esté suelto.</translation>
    </message>
    <message>
        <source>The pump holds every setting as written.</source>
        <translation>La bomba tiene todos los parámetros tal como se escribieron.</translation>
    </message>
    <message>
        <source>
    %1: written &quot;%2&quot;, held &quot;%3&quot;</source>
        <extracomment>One line per setting: %1 is its name, %2 the value written, %3 the value the pump holds now.</extracomment>
        <translation>
    %1: escrito «%2», en la bomba «%3»</translation>
    </message>
    <message>
        <source>After its restart the pump holds other values than were written:%1

It may have refused them. The fields are shaded orange; check them and submit again.</source>
        <extracomment>%1 is the list of the settings, one a line.</extracomment>
        <translation>Tras su reinicio, la bomba tiene valores distintos de los escritos:%1

Puede que los haya rechazado. Los campos están sombreados en naranja; compruébelos y envíe de nuevo.</translation>
    </message>
    <message>
        <source>No answer from the pump yet. 
Asking again every 3 seconds...</source>
        <translation>La bomba aún no responde. 
Nuevo intento cada 3 segundos...</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>The state of a switch such as Bluetooth or Telnet: switched on.</extracomment>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>The state of a switch such as Bluetooth or Telnet: switched off.</extracomment>
        <translation>Desactivado</translation>
    </message>
</context>
</TS>
