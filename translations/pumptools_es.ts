<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CellRanges</name>
    <message>
        <source>&quot;%1&quot; is no IPv4 address</source>
        <translation>&quot;%1&quot; no es una dirección IPv4</translation>
    </message>
    <message>
        <source>%L1 addresses from %2 would run past .254</source>
        <translation>%L1 direcciones a partir de %2 pasarían de .254</translation>
    </message>
</context>
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
    <name>PlanFile</name>
    <message>
        <source>The plan %1 cannot be read: %2</source>
        <translation>No se puede leer el plan %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>The plan %1 cannot be used; the table is left as it was.
%2</source>
        <translation>No se puede usar el plan %1; la tabla queda como estaba.
%2</translation>
    </message>
    <message>
        <source>%1, line %2, column %3: %4</source>
        <translation>%1, línea %2, columna %3: %4</translation>
    </message>
    <message>
        <source>The plan cannot be saved: %1</source>
        <translation>No se puede guardar el plan: %1</translation>
    </message>
</context>
<context>
    <name>PlantLook</name>
    <message>
        <source>confirmed</source>
        <translation>confirmado</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation>difiere: %1</translation>
    </message>
    <message>
        <source>not verified: %1 did not answer</source>
        <translation>no verificado: %1 no respondió</translation>
    </message>
    <message>
        <source>did not answer after its restart</source>
        <translation>no respondió tras reiniciarse</translation>
    </message>
    <message>
        <source>did not answer after its restart: %1</source>
        <translation>no respondió tras reiniciarse: %1</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>enviado</translation>
    </message>
    <message>
        <source>written, not verified (stopped)</source>
        <translation>escrito, no verificado (detenido)</translation>
    </message>
    <message>
        <source>not written (stopped)</source>
        <translation>no escrito (detenido)</translation>
    </message>
</context>
<context>
    <name>PlantModel</name>
    <message>
        <source>Pump</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Adaptador</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>The pump reported %1</source>
        <translation>La bomba indicó %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrada</translation>
    </message>
    <message>
        <source>writing…</source>
        <translation>escribiendo…</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Editar %1</translation>
    </message>
</context>
<context>
    <name>PlantReport</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Commissioning report</source>
        <translation>Informe de puesta en marcha</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Adapters</source>
        <translation>Adaptadores</translation>
    </message>
    <message>
        <source>every adapter the search reached</source>
        <translation>todos los adaptadores que alcanzó la búsqueda</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Herramienta</translation>
    </message>
    <message>
        <source>Pumps</source>
        <translation>Bombas</translation>
    </message>
    <message>
        <source>Pump</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Address before</source>
        <translation>Dirección anterior</translation>
    </message>
    <message>
        <source>Address after</source>
        <translation>Dirección posterior</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>Parámetros escritos</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>No write was made.</source>
        <translation>No se escribió nada.</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrada</translation>
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
        <translation>Pulse Buscar (F5) para encontrar las bombas de la planta.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>All columns</source>
        <translation>Todas las columnas</translation>
    </message>
    <message>
        <source>&amp;Plant</source>
        <translation>&amp;Planta</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Open Plan…</source>
        <translation>&amp;Abrir plan…</translation>
    </message>
    <message>
        <source>Save Plan &amp;As…</source>
        <translation>Guardar plan &amp;como…</translation>
    </message>
    <message>
        <source>&amp;Report…</source>
        <translation>&amp;Informe…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Fill Addresses…</source>
        <translation>&amp;Rellenar direcciones…</translation>
    </message>
    <message>
        <source>P&amp;umps</source>
        <translation>Bo&amp;mbas</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>De&amp;tener</translation>
    </message>
    <message>
        <source>Network settings (13)</source>
        <translation>Parámetros de red (13)</translation>
    </message>
    <message>
        <source>IP settings (6)</source>
        <translation>Parámetros IP (6)</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Planta</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Press Search (F5) to read the pumps&apos; %1 settings.</source>
        <translation>Pulse Buscar (F5) para leer los %1 parámetros de las bombas.</translation>
    </message>
    <message>
        <source>The search cannot be sent: %1</source>
        <translation>No se puede enviar la búsqueda: %1</translation>
    </message>
    <message>
        <source>Searching: %L1 pumps answered</source>
        <translation>Buscando: %L1 bombas respondieron</translation>
    </message>
    <message>
        <source>Reading %L1 of %L2 pumps</source>
        <translation>Leyendo %L1 de %L2 bombas</translation>
    </message>
    <message>
        <source>asking again: %L1 settings from %L2 pumps</source>
        <translation>preguntando de nuevo: %L1 parámetros de %L2 bombas</translation>
    </message>
    <message>
        <source>No pump answered the search.</source>
        <translation>Ninguna bomba respondió a la búsqueda.</translation>
    </message>
    <message>
        <source>%L1 pumps read; %L2 left settings unanswered.</source>
        <translation>%L1 bombas leídas; %L2 dejaron parámetros sin responder.</translation>
    </message>
    <message>
        <source>%L1 pumps read.</source>
        <translation>%L1 bombas leídas.</translation>
    </message>
    <message>
        <source>Pumps are being written. Stop the write and close when the pumps on the wire have their save frame?</source>
        <translation>Se están escribiendo bombas. ¿Detener la escritura y cerrar cuando las bombas en curso hayan recibido su orden de guardar?</translation>
    </message>
    <message>
        <source>Plans (*.csv *.txt);;All files (*)</source>
        <translation>Planes (*.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Abrir plan</translation>
    </message>
    <message>
        <source>Open plan %1</source>
        <translation>Abrir plan %1</translation>
    </message>
    <message>
        <source>Pumps the plan names but the search did not find: %L1</source>
        <translation>Bombas que nombra el plan pero que la búsqueda no encontró: %L1</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Guardar plan</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Fill Addresses</source>
        <translation>Rellenar direcciones</translation>
    </message>
    <message>
        <source>First address of the series (%L1 cells):</source>
        <translation>Primera dirección de la serie (%L1 celdas):</translation>
    </message>
    <message>
        <source>Only address cells can be filled as a series.</source>
        <translation>Solo las celdas de dirección pueden rellenarse en serie.</translation>
    </message>
    <message>
        <source>The series cannot be filled: %1.</source>
        <translation>No se puede rellenar la serie: %1.</translation>
    </message>
    <message>
        <source>Fill addresses</source>
        <translation>Rellenar direcciones</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report cannot be saved to %1.</source>
        <translation>No se puede guardar el informe en %1.</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>No cell changes what a pump holds: there is nothing to write.</source>
        <translation>Ninguna celda cambia lo que tiene una bomba: no hay nada que escribir.</translation>
    </message>
    <message>
        <source>table</source>
        <translation>tabla</translation>
    </message>
    <message>
        <source>Nothing was sent:
%1</source>
        <translation>No se envió nada:
%1</translation>
    </message>
    <message>
        <source>… and %L1 more</source>
        <translation>… y %L1 más</translation>
    </message>
    <message>
        <source>Nothing was sent. Please correct the red cells:
%1</source>
        <translation>No se envió nada. Corrija las celdas en rojo:
%1</translation>
    </message>
    <message>
        <source>%1 on 1 pump</source>
        <translation>%1 en 1 bomba</translation>
    </message>
    <message>
        <source>%1 on %L2 pumps</source>
        <translation>%1 en %L2 bombas</translation>
    </message>
    <message>
        <source>Write 1 pump?</source>
        <translation>¿Escribir 1 bomba?</translation>
    </message>
    <message>
        <source>Write %L1 pumps?</source>
        <translation>¿Escribir %L1 bombas?</translation>
    </message>
    <message>
        <source>These settings change:
%1

Each pump saves and restarts; then it is read back.</source>
        <translation>Estos parámetros cambian:
%1

Cada bomba guarda y se reinicia; después se vuelve a leer.</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Finding the pumps to write</source>
        <translation>Buscando las bombas que escribir</translation>
    </message>
    <message>
        <source>Reading first: %L1 of %L2 pumps</source>
        <translation>Leyendo primero: %L1 de %L2 bombas</translation>
    </message>
    <message>
        <source>Writing: %L1 of %L2 pumps</source>
        <translation>Escribiendo: %L1 de %L2 bombas</translation>
    </message>
    <message>
        <source>Waiting for the restart: %1 s left</source>
        <translation>Esperando el reinicio: quedan %1 s</translation>
    </message>
    <message>
        <source>Verifying: asking again %L1 settings from %L2 pumps</source>
        <translation>Verificando: preguntando de nuevo %L1 parámetros a %L2 bombas</translation>
    </message>
    <message>
        <source>Verifying: %L1 of %L2 pumps</source>
        <translation>Verificando: %L1 de %L2 bombas</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>No se envió nada.</translation>
    </message>
    <message>
        <source>%L1 of %L2 pumps confirmed.</source>
        <translation>%L1 de %L2 bombas confirmadas.</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>Detenido. </translation>
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
    <message>
        <source>The pump at %1 answered on the adapter %2, but the system will not send to it through %2 alone: %3.

If the pump does not lie in %2&apos;s network (%4), give %2 an address in the pump&apos;s network, for example %5/24, then search again.</source>
        <translation>La bomba en %1 respondió por el adaptador %2, pero el sistema no le envía datos solo a través de %2: %3.

Si la bomba no está en la red de %2 (%4), asigne a %2 una dirección en la red de la bomba, por ejemplo %5/24, y vuelva a buscar.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The plant&apos;s pumps in one table, written at once.</source>
        <translation>Las bombas de la planta en una tabla, escritas de una vez.</translation>
    </message>
    <message>
        <source>A plan to open once the first search has ended.</source>
        <translation>Un plan que abrir cuando termine la primera búsqueda.</translation>
    </message>
    <message>
        <source>How long the pumps take to restart (default 15).</source>
        <translation>Cuánto tardan las bombas en reiniciarse (15 por defecto).</translation>
    </message>
</context>
</TS>
