<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CellRanges</name>
    <message>
        <source>&quot;%1&quot; is no IPv4 address</source>
        <translation>“%1”不是 IPv4 地址</translation>
    </message>
    <message>
        <source>%L1 addresses from %2 would run past .254</source>
        <translation>从 %2 开始的 %L1 个地址会超出 .254</translation>
    </message>
</context>
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
    <name>PlanFile</name>
    <message>
        <source>The plan %1 cannot be read: %2</source>
        <translation>无法读取计划 %1：%2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>第 %1 行，第 %2 列：%3</translation>
    </message>
    <message>
        <source>The plan %1 cannot be used; the table is left as it was.
%2</source>
        <translation>无法使用计划 %1，表格保持不变。
%2</translation>
    </message>
    <message>
        <source>%1, line %2, column %3: %4</source>
        <translation>%1，第 %2 行，第 %3 列：%4</translation>
    </message>
    <message>
        <source>The plan cannot be saved: %1</source>
        <translation>无法保存计划：%1</translation>
    </message>
</context>
<context>
    <name>PlantLook</name>
    <message>
        <source>confirmed</source>
        <translation>已确认</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation>不一致：%1</translation>
    </message>
    <message>
        <source>not verified: %1 did not answer</source>
        <translation>未验证：%1 未响应</translation>
    </message>
    <message>
        <source>did not answer after its restart</source>
        <translation>重启后未响应</translation>
    </message>
    <message>
        <source>did not answer after its restart: %1</source>
        <translation>重启后未响应：%1</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>已发送</translation>
    </message>
    <message>
        <source>written, not verified (stopped)</source>
        <translation>已写入，未验证（已停止）</translation>
    </message>
    <message>
        <source>not written (stopped)</source>
        <translation>未写入（已停止）</translation>
    </message>
</context>
<context>
    <name>PlantModel</name>
    <message>
        <source>Pump</source>
        <translation>泵</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>网络适配器</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>The pump reported %1</source>
        <translation>泵报告的值：%1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>无</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>writing…</source>
        <translation>正在写入…</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>编辑 %1</translation>
    </message>
</context>
<context>
    <name>PlantReport</name>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Commissioning report</source>
        <translation>调试报告</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>计算机</translation>
    </message>
    <message>
        <source>Adapters</source>
        <translation>网络适配器</translation>
    </message>
    <message>
        <source>every adapter the search reached</source>
        <translation>搜索所到达的所有网络适配器</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>计划</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Pumps</source>
        <translation>泵</translation>
    </message>
    <message>
        <source>Pump</source>
        <translation>泵</translation>
    </message>
    <message>
        <source>Address before</source>
        <translation>原地址</translation>
    </message>
    <message>
        <source>Address after</source>
        <translation>新地址</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>已写入的设置</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>No write was made.</source>
        <translation>未进行任何写入。</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>未找到</translation>
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
        <translation>按“搜索”(F5) 查找现场的泵。</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>All columns</source>
        <translation>所有列</translation>
    </message>
    <message>
        <source>&amp;Plant</source>
        <translation>现场(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>搜索(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Open Plan…</source>
        <translation>打开计划(&amp;O)…</translation>
    </message>
    <message>
        <source>Save Plan &amp;As…</source>
        <translation>计划另存为(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Report…</source>
        <translation>报告(&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Fill Addresses…</source>
        <translation>填充地址(&amp;F)…</translation>
    </message>
    <message>
        <source>P&amp;umps</source>
        <translation>泵(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写入(&amp;W)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>Network settings (13)</source>
        <translation>网络设置 (13)</translation>
    </message>
    <message>
        <source>IP settings (6)</source>
        <translation>IP 设置 (6)</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>现场</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Press Search (F5) to read the pumps&apos; %1 settings.</source>
        <translation>按“搜索”(F5) 读取泵的 %1 项设置。</translation>
    </message>
    <message>
        <source>The search cannot be sent: %1</source>
        <translation>无法发送搜索：%1</translation>
    </message>
    <message>
        <source>Searching: %L1 pumps answered</source>
        <translation>正在搜索：%L1 台泵已响应</translation>
    </message>
    <message>
        <source>Reading %L1 of %L2 pumps</source>
        <translation>正在读取：%L1 / %L2 台泵</translation>
    </message>
    <message>
        <source>asking again: %L1 settings from %L2 pumps</source>
        <translation>重新询问：%L2 台泵的 %L1 项设置</translation>
    </message>
    <message>
        <source>No pump answered the search.</source>
        <translation>没有泵响应搜索。</translation>
    </message>
    <message>
        <source>%L1 pumps read; %L2 left settings unanswered.</source>
        <translation>已读取 %L1 台泵；%L2 台有设置未响应。</translation>
    </message>
    <message>
        <source>%L1 pumps read.</source>
        <translation>已读取 %L1 台泵。</translation>
    </message>
    <message>
        <source>Pumps are being written. Stop the write and close when the pumps on the wire have their save frame?</source>
        <translation>正在写入泵。是否停止写入，并在正在写入的泵收到保存命令后关闭？</translation>
    </message>
    <message>
        <source>Plans (*.csv *.txt);;All files (*)</source>
        <translation>计划 (*.csv *.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>打开计划</translation>
    </message>
    <message>
        <source>Open plan %1</source>
        <translation>打开计划 %1</translation>
    </message>
    <message>
        <source>Pumps the plan names but the search did not find: %L1</source>
        <translation>计划中列出但搜索未找到的泵：%L1</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>保存计划</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Fill Addresses</source>
        <translation>填充地址</translation>
    </message>
    <message>
        <source>First address of the series (%L1 cells):</source>
        <translation>序列的第一个地址（%L1 个单元格）：</translation>
    </message>
    <message>
        <source>Only address cells can be filled as a series.</source>
        <translation>只有地址单元格可以按序列填充。</translation>
    </message>
    <message>
        <source>The series cannot be filled: %1.</source>
        <translation>无法填充该序列：%1。</translation>
    </message>
    <message>
        <source>Fill addresses</source>
        <translation>填充地址</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>保存报告</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>The report cannot be saved to %1.</source>
        <translation>无法将报告保存到 %1。</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1，%2：%3</translation>
    </message>
    <message>
        <source>No cell changes what a pump holds: there is nothing to write.</source>
        <translation>没有单元格改变泵中的值：无需写入。</translation>
    </message>
    <message>
        <source>table</source>
        <translation>表格</translation>
    </message>
    <message>
        <source>Nothing was sent:
%1</source>
        <translation>未发送任何内容：
%1</translation>
    </message>
    <message>
        <source>… and %L1 more</source>
        <translation>……另有 %L1 项</translation>
    </message>
    <message>
        <source>Nothing was sent. Please correct the red cells:
%1</source>
        <translation>未发送任何内容。请更正红色单元格：
%1</translation>
    </message>
    <message>
        <source>%1 on 1 pump</source>
        <translation>1 台泵的 %1</translation>
    </message>
    <message>
        <source>%1 on %L2 pumps</source>
        <translation>%L2 台泵的 %1</translation>
    </message>
    <message>
        <source>Write 1 pump?</source>
        <translation>写入 1 台泵？</translation>
    </message>
    <message>
        <source>Write %L1 pumps?</source>
        <translation>写入 %L1 台泵？</translation>
    </message>
    <message>
        <source>These settings change:
%1

Each pump saves and restarts; then it is read back.</source>
        <translation>以下设置将更改：
%1

每台泵保存后重启，然后回读验证。</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Finding the pumps to write</source>
        <translation>正在查找要写入的泵</translation>
    </message>
    <message>
        <source>Reading first: %L1 of %L2 pumps</source>
        <translation>先读取：%L1 / %L2 台泵</translation>
    </message>
    <message>
        <source>Writing: %L1 of %L2 pumps</source>
        <translation>正在写入：%L1 / %L2 台泵</translation>
    </message>
    <message>
        <source>Waiting for the restart: %1 s left</source>
        <translation>等待重启：还剩 %1 秒</translation>
    </message>
    <message>
        <source>Verifying: asking again %L1 settings from %L2 pumps</source>
        <translation>正在验证：重新询问 %L2 台泵的 %L1 项设置</translation>
    </message>
    <message>
        <source>Verifying: %L1 of %L2 pumps</source>
        <translation>正在验证：%L1 / %L2 台泵</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>未发送任何内容。</translation>
    </message>
    <message>
        <source>%L1 of %L2 pumps confirmed.</source>
        <translation>已确认 %L1 / %L2 台泵。</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>已停止。</translation>
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
    <message>
        <source>The pump at %1 answered on the adapter %2, but the system will not send to it through %2 alone: %3.

If the pump does not lie in %2&apos;s network (%4), give %2 an address in the pump&apos;s network, for example %5/24, then search again.</source>
        <translation>地址为 %1 的泵通过网络适配器 %2 响应，但系统不允许仅通过 %2 向其发送：%3。

如果该泵不在 %2 的网络 (%4) 中，请为 %2 分配一个位于泵所在网络中的地址，例如 %5/24，然后重新搜索。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The plant&apos;s pumps in one table, written at once.</source>
        <translation>将现场的所有泵列在一个表格中，一次写入。</translation>
    </message>
    <message>
        <source>A plan to open once the first search has ended.</source>
        <translation>首次搜索结束后要打开的计划。</translation>
    </message>
    <message>
        <source>How long the pumps take to restart (default 15).</source>
        <translation>泵重启所需时间（默认 15）。</translation>
    </message>
</context>
</TS>
