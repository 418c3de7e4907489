<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>Connection</source>
        <extracomment>How the pumps are reached: Ethernet, or one of the serial ports listed beside it.</extracomment>
        <translation>连接方式</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>以太网</translation>
    </message>
    <message>
        <source>Search Pumps</source>
        <translation>搜索泵</translation>
    </message>
    <message>
        <source>Pump</source>
        <extracomment>Before the list of the pumps found by the search: the pump to set up.</extracomment>
        <translation>泵</translation>
    </message>
    <message>
        <source>Set Up From Browser</source>
        <translation>在浏览器中设置</translation>
    </message>
    <message>
        <source>IP Assignment</source>
        <translation>IP 分配方式</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Static</source>
        <extracomment>The IP assignment: an address of its own, typed in by the technician, as opposed to one given by DHCP.</extracomment>
        <translation>静态</translation>
    </message>
    <message>
        <source>IPv4 Address</source>
        <translation>IPv4 地址</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>默认网关</translation>
    </message>
    <message>
        <source>DNS Server 1</source>
        <translation>DNS 服务器 1</translation>
    </message>
    <message>
        <source>DNS Server 2</source>
        <translation>DNS 服务器 2</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>Sends the settings to the pump, which saves them and restarts.</extracomment>
        <translation>提交</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Drops what was typed in; the network tools then read the pump again.</extracomment>
        <translation>重置</translation>
    </message>
    <message>
        <source>Settings saved. Please wait. 
Pump restarting in 15 seconds...</source>
        <translation>设置已保存，请稍候。
泵将在 15 秒后重启……</translation>
    </message>
    <message>
        <source>Key 1</source>
        <translation>密钥 1</translation>
    </message>
    <message>
        <source>Key 2</source>
        <translation>密钥 2</translation>
    </message>
    <message>
        <source>Key 3</source>
        <translation>密钥 3</translation>
    </message>
    <message>
        <source>Key 4</source>
        <translation>密钥 4</translation>
    </message>
    <message>
        <source>Key 5</source>
        <translation>密钥 5</translation>
    </message>
    <message>
        <source>TCP Timeout [Sec]</source>
        <extracomment>How long the pump keeps an idle TCP connection open, in seconds (Sec).</extracomment>
        <translation>TCP 超时 [秒]</translation>
    </message>
    <message>
        <source>UTC Offset [±hh:mm]</source>
        <translation>UTC 时差 [±hh:mm]</translation>
    </message>
    <message>
        <source>:</source>
        <extracomment>Between the hours and the minutes of the UTC offset.</extracomment>
        <translation>:</translation>
    </message>
    <message>
        <source>Cloud Monitor</source>
        <translation>云监控</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>蓝牙</translation>
    </message>
    <message>
        <source>Telnet</source>
        <translation>Telnet</translation>
    </message>
    <message>
        <source>PROFIBUS Address</source>
        <translation>PROFIBUS 地址</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>正在搜索……</translation>
    </message>
    <message>
        <source>Please correct the highlighted entry.</source>
        <translation>请更正标出的输入项。</translation>
    </message>
    <message>
        <source>The settings were not saved: the serial port is not open or was lost while writing.
Select the pump again and submit once more.</source>
        <translation>设置未保存：串口未打开，或在写入时断开。
请重新选择该泵并再次提交。</translation>
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
        <translation>IP 分配方式</translation>
    </message>
    <message>
        <source>IPv4 Address</source>
        <translation>IPv4 地址</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>默认网关</translation>
    </message>
    <message>
        <source>DNS Server 1</source>
        <translation>DNS 服务器 1</translation>
    </message>
    <message>
        <source>DNS Server 2</source>
        <translation>DNS 服务器 2</translation>
    </message>
    <message>
        <source>TCP Timeout</source>
        <translation>TCP 超时</translation>
    </message>
    <message>
        <source>UTC Offset hours</source>
        <translation>UTC 时差（小时）</translation>
    </message>
    <message>
        <source>UTC Offset minutes</source>
        <translation>UTC 时差（分钟）</translation>
    </message>
    <message>
        <source>Cloud Monitor</source>
        <translation>云监控</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>蓝牙</translation>
    </message>
    <message>
        <source>Telnet</source>
        <translation>Telnet</translation>
    </message>
    <message>
        <source>PROFIBUS Address</source>
        <translation>PROFIBUS 地址</translation>
    </message>
    <message>
        <source>Key 1</source>
        <translation>密钥 1</translation>
    </message>
    <message>
        <source>Key 2</source>
        <translation>密钥 2</translation>
    </message>
    <message>
        <source>Key 3</source>
        <translation>密钥 3</translation>
    </message>
    <message>
        <source>Key 4</source>
        <translation>密钥 4</translation>
    </message>
    <message>
        <source>Key 5</source>
        <translation>密钥 5</translation>
    </message>
</context>
<context>
    <name>WindowMessages</name>
    <message>
        <source>The serial port %1 could not be opened: %2.</source>
        <extracomment>%1 is the port&apos;s name (ttyUSB0, COM5), %2 the system&apos;s reason.</extracomment>
        <translation>无法打开串口 %1：%2。</translation>
    </message>
    <message>
        <source>

This user may not use serial ports. Join the dialout group:
    sudo usermod -aG dialout $USER
then log out and in again, and choose the port once more.</source>
        <extracomment>The command line is typed as it is, untranslated.</extracomment>
        <translation>

该用户无权使用串口。请将其加入 dialout 组：
    sudo usermod -aG dialout $USER
然后注销并重新登录，再次选择该串口。</translation>
    </message>
    <message>
        <source>

Another program may be using the port. Close it, then choose the port once more.</source>
        <translation>

可能有其他程序正在使用该串口。请关闭该程序，然后再次选择该串口。</translation>
    </message>
    <message>
        <source>

Check that the adapter is plugged in. The list of ports is read when the tool starts.</source>
        <translation>

请检查适配器是否已插好。串口列表在工具启动时读取。</translation>
    </message>
    <message>
        <source>No pump answered the search.</source>
        <translation>没有泵响应搜索。</translation>
    </message>
    <message>
        <source>These settings were not read from the pump and not filled in:%1

Nothing was sent. Select the pump again, or press Reset, to read them once more, or fill them in yourself.</source>
        <extracomment>%1 is the list of the settings, one a line.</extracomment>
        <translation>以下设置既未从泵中读取，也未填写：%1

未发送任何内容。请重新选择该泵或按“重置”再次读取，或自行填写。</translation>
    </message>
    <message>
        <source>The pump did not answer: no setting is known. Select it again to retry.</source>
        <translation>泵没有响应，未读到任何设置。请重新选择该泵重试。</translation>
    </message>
    <message>
        <source>%1 of %2 settings did not arrive (shaded yellow). Select the pump again to read them.</source>
        <extracomment>%1 and %2 are numbers: 3 of 13 settings.</extracomment>
        <translation>%2 项设置中有 %1 项未收到（黄色底纹）。请重新选择该泵以读取。</translation>
    </message>
    <message>
        <source>on the serial port %1</source>
        <extracomment>Where the pump was asked, in &quot;It was asked %1 when the wait ended&quot;; %1 is the port&apos;s name.</extracomment>
        <translation>通过串口 %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <extracomment>Where the pump was asked, in &quot;It was asked %1 when the wait ended&quot;; %1 is its IP address.</extracomment>
        <translation>在地址 %1</translation>
    </message>
    <message>
        <source>The pump did not answer after its restart.

It was asked %1 when the wait ended, and every 3 seconds for 30 seconds more.

</source>
        <extracomment>%1 says where it was asked: &quot;at 10.0.0.5&quot; or &quot;on the serial port ttyUSB0&quot;.</extracomment>
        <translation>泵重启后没有响应。

等待结束时已%1 询问该泵，之后 30 秒内每 3 秒再询问一次。

</translation>
    </message>
    <message>
        <source>It may still be starting, the cable may be loose, or another program may hold the port. Select the pump again to read it once more.</source>
        <translation>泵可能仍在启动、电缆可能松动，或其他程序占用了该串口。请重新选择该泵以再次读取。</translation>
    </message>
    <message>
        <source>If it was given a static address outside this computer&apos;s network, it cannot be reached from here: connect this computer to that network, or use a serial port. If it takes its address by DHCP, it may have a new one: search again. It may also still be starting, or its cable may be loose.</source>
        <translation>如果为它设置了本计算机所在网络之外的静态地址，则无法从这里访问它：请将本计算机连接到该网络，或使用串口。如果它通过 DHCP 获取地址，则可能已获得新地址：请重新搜索。它也可能仍在启动，或电缆松动。</translation>
    </message>
    <message>
        <source>The pump holds every setting as written.</source>
        <translation>泵中的所有设置均与写入值一致。</translation>
    </message>
    <message>
        <source>
    %1: written &quot;%2&quot;, held &quot;%3&quot;</source>
        <extracomment>One line per setting: %1 is its name, %2 the value written, %3 the value the pump holds now.</extracomment>
        <translation>
    %1：写入“%2”，泵中为“%3”</translation>
    </message>
    <message>
        <source>After its restart the pump holds other values than were written:%1

It may have refused them. The fields are shaded orange; check them and submit again.</source>
        <extracomment>%1 is the list of the settings, one a line.</extracomment>
        <translation>重启后，泵中的值与写入值不同：%1

泵可能拒绝了这些值。相关字段以橙色底纹标出；请检查后再次提交。</translation>
    </message>
    <message>
        <source>No answer from the pump yet. 
Asking again every 3 seconds...</source>
        <translation>泵尚未响应。
每 3 秒再询问一次……</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>The state of a switch such as Bluetooth or Telnet: switched on.</extracomment>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>The state of a switch such as Bluetooth or Telnet: switched off.</extracomment>
        <translation>关</translation>
    </message>
</context>
</TS>
