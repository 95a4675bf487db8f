<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>varnolt::FileTypesDialog</name>
    <message>
        <location filename="../ui/FileTypesDialog.cpp" line="+16"/>
        <source>Change file type</source>
        <translation>更改文件类型</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File Type:</source>
        <translation>文件类型:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>varnolt::MainWindow</name>
    <message>
        <location filename="../engine/TypeGroups.h" line="+32"/>
        <source>Music files</source>
        <translation>音乐文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music Files</source>
        <translation>音乐文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image files</source>
        <translation>图像文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image Files</source>
        <translation>图像文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vedio files</source>
        <translation>视频文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vedio Files</source>
        <translation>视频文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program files</source>
        <translation>程序文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Files</source>
        <translation>程序文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Document file</source>
        <translation>文档文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Document Files</source>
        <translation>文档文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archive files</source>
        <translation>压缩文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archive Files</source>
        <translation>压缩文件</translation>
    </message>
    <message>
        <location filename="../ui/MainWindow.cpp" line="+32"/>
        <source>Do not support folder size.</source>
        <translation>按大小分类不支持文件夹。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The desktop could not open the user guide %1. You can open it yourself in a web browser.</source>
        <translation>桌面无法打开用户指南 %1。您可以在网页浏览器中自行打开它。</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowFields.cpp" line="+31"/>
        <source>Text File (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>文本文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowLayout.cpp" line="+71"/>
        <location filename="../ui/MainWindowPanels.cpp" line="+179"/>
        <source>by file date</source>
        <translation>按文件日期</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file name</source>
        <translation>按文件名称</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file number</source>
        <translation>按文件数量</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file type</source>
        <translation>按文件类型</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file size</source>
        <translation>按文件大小</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classify Now</source>
        <translation>立即分类</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview result</source>
        <translation>预览结果</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+347"/>
        <source>Delete</source>
        <translation>从列表中移除</translation>
    </message>
    <message>
        <location line="-346"/>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo the last operation</source>
        <translation>撤销上一次操作</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../ui/MainWindowMenus.cpp" line="+97"/>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read help </source>
        <translation>阅读帮助 </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Varnolt [ classify many files automatically ]</source>
        <translation>Varnolt [ 自动分类大量文件 ]</translation>
    </message>
    <message>
        <location line="+220"/>
        <source>Classification methods</source>
        <translation>分类方法</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto-Classify Files</source>
        <translation>自动分类文件</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Add folder and file to be classified</source>
        <translation>添加要分类的文件夹和文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders and files to classify</source>
        <translation>要分类的文件夹和文件</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add Files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add folder or files here</source>
        <translation>在此添加文件夹或文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load last list</source>
        <translation>加载上次的列表</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Result Location: </source>
        <translation>目标位置: </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Select a folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Open the folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Preview results</source>
        <translation>预览结果</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview results here</source>
        <translation>预览结果显示在此处</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowPanels.cpp" line="+0"/>
        <source>by year</source>
        <translation>按年</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by month</source>
        <translation>按月</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from Jan. to Dec.</source>
        <translation>从一月到十二月</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by week</source>
        <translation>按星期</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from Mon. to Sun.</source>
        <translation>从周一到周日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by day</source>
        <translation>按日</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from 1st to 31st</source>
        <translation>从1日到31日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by hour</source>
        <translation>按小时</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from 1st to 24th</source>
        <translation>从1时到24时</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>include minute</source>
        <translation>包含分钟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>include second</source>
        <translation>包含秒</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Creation Time</source>
        <translation>创建时间</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Access Time</source>
        <translation>上次访问时间</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Write Time</source>
        <translation>上次修改时间</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Date Taken</source>
        <translation>拍摄日期</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a file time type: </source>
        <translation>选择文件时间类型: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grouped subfolders</source>
        <translation>分层子文件夹</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use number Month</source>
        <translation>用数字表示月份</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Use number of month and weekday</source>
        <translation>用数字表示月份和星期</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use Abbr. Month</source>
        <translation>使用月份缩写</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Abbr. name of month and weekday</source>
        <translation>月份和星期的缩写名称</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>by head letters of name</source>
        <translation>按名称首字母</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number of letters: </source>
        <translation>字母个数: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>by word of the below list </source>
        <translation>按下方列表中的词 </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>[one line as one subfolder] </source>
        <translation>[每行对应一个子文件夹] </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change %1</source>
        <translation>更改%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Other:</source>
        <translation>其他:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: folder name</source>
        <translation>%1: 文件夹名称</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: types</source>
        <translation>%1: 类型</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type:</source>
        <translation>类型:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First other group</source>
        <translation>第一个其他组</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Second other group</source>
        <translation>第二个其他组</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Classify to every type </source>
        <translation>按每种类型分类 </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use extension part as its folder name</source>
        <translation>用扩展名作为文件夹名称</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Specify step of file size: </source>
        <translation>文件大小步长: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>byte</source>
        <translation>字节</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unit of the size step</source>
        <translation>大小步长的单位</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Specify Max. files number in each subfolder: </source>
        <translation>每个子文件夹的最大文件数: </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Specify a subfolder name: </source>
        <translation>子文件夹名称: </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>[More Options]</source>
        <translation>[更多选项]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move source files</source>
        <translation>移动源文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>or Copy if dont select Move</source>
        <translation>不勾选则复制</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Include subfolders</source>
        <translation>包含子文件夹</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Include folder name</source>
        <translation>同时分类文件夹</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Only classify subfolder</source>
        <translation>仅分类子文件夹</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude shortcut</source>
        <translation>排除快捷方式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude folder info file</source>
        <translation>排除文件夹信息文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is used for folder configure</source>
        <translation>该文件保存文件夹的设置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude pic thumb file</source>
        <translation>排除缩略图文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep sidecars with their photos</source>
        <translation>附属文件随照片一起移动</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A photo&apos;s .xmp file goes where the photo goes</source>
        <translation>照片的 .xmp 文件随照片放到同一位置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limit Preview number</source>
        <translation>限制预览数量</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preview limit</source>
        <translation>预览上限</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File type filter:</source>
        <translation>文件类型筛选:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Custom Files</source>
        <translation>自定义类型</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File type filter group</source>
        <translation>文件类型筛选组</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Seperate each with &apos;;&apos;</source>
        <translation>用“;”分隔</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File type filter list</source>
        <translation>文件类型筛选列表</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowSources.cpp" line="+33"/>
        <source>Add a folder to list</source>
        <translation>向列表添加文件夹</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a folder to Save result</source>
        <translation>选择保存结果的文件夹</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The result folder does not exist!</source>
        <translation>目标文件夹不存在！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These do not exist and were not added to the list:</source>
        <translation>以下项目不存在，未添加到列表中:</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowMenus.cpp" line="-23"/>
        <source>More menus</source>
        <translation>更多菜单</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fi&amp;le</source>
        <extracomment>The menus&apos; letters (&amp;) must not be R, S, P, F, I, E, U, H or C: Alt with those presses toolbar buttons.</extracomment>
        <translation>文件(&amp;L)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add Folder...</source>
        <translation>添加文件夹(&amp;A)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add &amp;Files...</source>
        <translation>添加文件(&amp;F)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load Last List</source>
        <translation>载入上次的列表(&amp;L)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ort</source>
        <translation>分类(&amp;O)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preview</source>
        <translation>预览(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Run</source>
        <translation>运行(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo Last Run</source>
        <translation>撤销上次运行(&amp;U)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;User Guide</source>
        <translation>用户指南(&amp;U)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Varnolt</source>
        <translation>关于 Varnolt(&amp;A)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About &amp;Qt</source>
        <translation>关于 Qt(&amp;Q)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Varnolt %1

Sorts files into folders by their date, name, number, type or size.

Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later).</source>
        <translation>Varnolt %1

按日期、名称、数量、类型或大小将文件分类到文件夹中。

许可证：GNU 通用公共许可证第 3 版或更高版本 (GPL-3.0-or-later)。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About Varnolt</source>
        <translation>关于 Varnolt</translation>
    </message>
</context>
<context>
    <name>varnolt::Messages</name>
    <message>
        <location filename="../engine/Messages.h" line="+16"/>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirmation</source>
        <translation>确认</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please add folder or files to be classfied.</source>
        <translation>请添加要分类的文件夹或文件。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have not specified conditions(on left panel)!</source>
        <translation>尚未选择分类方法（左侧面板）！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you run it now? or click &apos;No&apos; to preview.</source>
        <translation>现在运行吗？点击“否”可先预览。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have not specified result location!</source>
        <translation>尚未指定目标位置！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You specified an invalid path of result location!</source>
        <translation>指定的目标位置路径无效！</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Can not create result folder:%1</source>
        <translation>无法创建目标文件夹: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The journal could not be completed in %1: %2</source>
        <translation>无法在 %1 中完成操作日志: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The journal cannot be written in %1: %2. Nothing was moved.</source>
        <translation>无法在 %1 中写入操作日志: %2。未移动任何内容。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The journal %1 cannot be read: %2</source>
        <translation>无法读取操作日志 %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The journal in %1 cannot be locked: %2. Nothing was changed.</source>
        <translation>无法锁定 %1 中的操作日志: %2。未做任何更改。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There is nothing to undo.</source>
        <translation>没有可撤销的操作。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The desktop could not open the folder %1. You can open it yourself in a file manager.</source>
        <translation>桌面无法打开文件夹 %1。您可以在文件管理器中自行打开它。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No word in the list.</source>
        <translation>词列表为空。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No subfolder name was inputted.</source>
        <translation>未输入文件夹名称。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No file type(extension part) was inputted.</source>
        <translation>未输入文件类型（扩展名）。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No one kind of file types is selected.</source>
        <translation>未选择任何文件类型组。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No subfolder name inputted.</source>
        <translation>未输入子文件夹名称。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid subfolder name was inputted.</source>
        <translation>输入的文件夹名称无效。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid subfolder name inputted.</source>
        <translation>子文件夹名称无效。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another run or undo is in progress. Please try again when it has finished.</source>
        <translation>另一个分类或撤销操作正在进行。请在其完成后重试。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Classification completed!
You can check result to decide if UNDO now.
Open the result location now?</source>
        <translation>分类完成：%1 项。
请检查结果，现在仍可撤销。
现在打开目标位置吗？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open the result location now?</source>
        <translation>现在打开目标位置吗？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want to STOP the operation?</source>
        <translation>要停止操作吗？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want to STOP and EXIT?</source>
        <translation>要停止并退出吗？</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can not create new folder: %1, continue?</source>
        <translation>无法创建文件夹 %1，是否继续？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you want to UNDO the last operation ?</source>
        <translation>要撤销上一次操作吗？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo Confirmation</source>
        <translation>确认撤销</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo done.</source>
        <translation>撤销完成。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo done: %1 items put back.</source>
        <translation>撤销完成：已放回 %1 个项目。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preview done.</source>
        <translation>预览完成。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[Target Folder]</source>
        <translation>[目标文件夹]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File: %1</source>
        <translation>文件: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moving %1</source>
        <translation>正在移动 %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copying %1</source>
        <translation>正在复制 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Files: %1, Categories: %2</source>
        <translation>文件: %1，分类: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Files: %1, New Categories: %2</source>
        <translation>文件: %1，新分类: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Classify done. %1 files were classified!</source>
        <translation>分类完成，共分类 %1 个文件。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo %1 of %2</source>
        <translation>正在撤销: %1 / %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 placed, %2 not placed</source>
        <translation>已归类 %1 项，未归类 %2 项</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stopped: %1 items moved</source>
        <translation>已停止: 已移动 %1 项</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped: %1 items copied</source>
        <translation>已停止: 已复制 %1 项</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preview stopped: %1 items</source>
        <translation>预览已停止: %1 项</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo: %1 of %2 items put back; %3 could not be.</source>
        <translation>撤销: 已将 %2 项中的 %1 项放回原处；%3 项无法放回。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Items not placed</source>
        <translation>未归类的项目</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Items not put back</source>
        <translation>未能放回的项目</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no category for it (no group holds its type, or no word matches)</source>
        <translation>没有对应的分类（没有组包含其类型，或没有匹配的词）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot be read: %1</source>
        <translation>无法读取: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its category folder cannot be made: %1</source>
        <translation>无法创建其分类文件夹: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be moved: %1</source>
        <translation>无法移动: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be copied: %1</source>
        <translation>无法复制: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be journaled: %1</source>
        <translation>无法写入操作日志: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be put back: %1</source>
        <translation>无法放回原处: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be removed: %1</source>
        <translation>无法删除: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the name holds a line break, which the journal cannot keep</source>
        <translation>名称中含有换行符，操作日志无法记录</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>another file stands where the run put it</source>
        <translation>运行放置它的位置上现在是另一个文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a copied folder stays where the run put it</source>
        <translation>复制的文件夹留在运行放置它的位置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file there now is not the one the run put there; it stays</source>
        <translation>那里现在的文件不是运行放置的那个，保留不动</translation>
    </message>
    <message>
        <location filename="../app/cli/ConsoleTexts.h" line="+10"/>
        <source>not moved: %1: %2</source>
        <translation>未移动: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not copied: %1: %2</source>
        <translation>未复制: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not put back: %1: %2</source>
        <translation>未放回: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not placed: %1: %2</source>
        <translation>未归类: %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 items/s</source>
        <translation>%1 项/秒</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create the data folder %1: %2</source>
        <translation>无法创建数据文件夹 %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Run with --help for more information.</source>
        <translation>使用 --help 运行可查看更多信息。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exactly one of --preview, --run and --undo is needed</source>
        <translation>需要且只能指定 --preview、--run 和 --undo 中的一个</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot read the word list %1: %2</source>
        <translation>无法读取词列表 %1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: expected FOLDER=LIST</source>
        <translation>%1: 应为 FOLDER=LIST</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--group-list: expected NAME=LIST with NAME one of %1</source>
        <translation>--group-list: 应为 NAME=LIST，NAME 为 %1 之一</translation>
    </message>
</context>
<context>
    <name>varnolt::NameChecks</name>
    <message>
        <location filename="../ui/NameChecks.cpp" line="+15"/>
        <source>You should remove one of following nine characters from input text, because they are prohibited in Windows filenames:  \ / : * ? &quot; &lt; &gt; |</source>
        <translation>请从输入中删除以下九个字符，它们在 Windows 文件名中是禁止的:  \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
</context>
<context>
    <name>varnolt::ReportDialog</name>
    <message>
        <location filename="../ui/ReportDialog.cpp" line="+26"/>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Items not placed</source>
        <translation>未归类的项目</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Copy list</source>
        <translation>复制列表(&amp;C)</translation>
    </message>
</context>
<context>
    <name>varnolt::Settings</name>
    <message>
        <location filename="../ui/SettingsSaver.cpp" line="+68"/>
        <source>The source &quot;%1&quot;: its name holds a line break.</source>
        <translation>源“%1”: 其名称包含换行符。</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>%1: %2</source>
        <extracomment>%1: the part of the settings (&quot;The word list&quot;); %2: why it was not kept</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The Other groups</source>
        <translation>其他组</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Custom Files list</source>
        <translation>自定义类型列表</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The word list</source>
        <translation>词列表</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The source list</source>
        <translation>源列表</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The history of result locations</source>
        <translation>目标位置历史记录</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The window&apos;s size and place</source>
        <translation>窗口的大小和位置</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Not everything could be kept for the next start.</source>
        <translation>部分内容无法保留到下次启动。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>无法打开文件“%1”。%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>无法创建文件“%1”。%2</translation>
    </message>
</context>
</TS>
