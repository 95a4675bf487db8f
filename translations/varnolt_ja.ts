<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>varnolt::FileTypesDialog</name>
    <message>
        <location filename="../ui/FileTypesDialog.cpp" line="+16"/>
        <source>Change file type</source>
        <translation>ファイルの種類の変更</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File Type:</source>
        <translation>ファイルの種類:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>varnolt::MainWindow</name>
    <message>
        <location filename="../engine/TypeGroups.h" line="+32"/>
        <source>Music files</source>
        <translation>音楽ファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music Files</source>
        <translation>音楽ファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image files</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image Files</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vedio files</source>
        <translation>動画ファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vedio Files</source>
        <translation>動画ファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program files</source>
        <translation>プログラムファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Files</source>
        <translation>プログラムファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Document file</source>
        <translation>文書ファイル</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Document Files</source>
        <translation>文書ファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archive files</source>
        <translation>アーカイブファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archive Files</source>
        <translation>アーカイブファイル</translation>
    </message>
    <message>
        <location filename="../ui/MainWindow.cpp" line="+32"/>
        <source>Do not support folder size.</source>
        <translation>サイズ別の分類ではフォルダーを扱えません。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The desktop could not open the user guide %1. You can open it yourself in a web browser.</source>
        <translation>デスクトップはユーザーガイド %1 を開けませんでした。Web ブラウザーで直接開いてください。</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowFields.cpp" line="+31"/>
        <source>Text File (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>テキストファイル (*.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowLayout.cpp" line="+71"/>
        <location filename="../ui/MainWindowPanels.cpp" line="+179"/>
        <source>by file date</source>
        <translation>日付別</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file name</source>
        <translation>名前別</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file number</source>
        <translation>ファイル数別</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file type</source>
        <translation>種類別</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file size</source>
        <translation>サイズ別</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classify Now</source>
        <translation>今すぐ分類</translation>
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
        <translation>プレビュー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview result</source>
        <translation>結果をプレビュー</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add files</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+347"/>
        <source>Delete</source>
        <translation>リストから削除</translation>
    </message>
    <message>
        <location line="-346"/>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo the last operation</source>
        <translation>最後の操作を元に戻す</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../ui/MainWindowMenus.cpp" line="+97"/>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read help </source>
        <translation>ヘルプを読む </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Varnolt [ classify many files automatically ]</source>
        <translation>Varnolt [ 大量のファイルを自動で分類 ]</translation>
    </message>
    <message>
        <location line="+220"/>
        <source>Classification methods</source>
        <translation>分類方法</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto-Classify Files</source>
        <translation>ファイルの自動分類</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Add folder and file to be classified</source>
        <translation>分類するフォルダーとファイルを追加</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders and files to classify</source>
        <translation>分類するフォルダーとファイル</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add Folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add Files</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add folder or files here</source>
        <translation>ここにフォルダーまたはファイルを追加</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load last list</source>
        <translation>前回のリストを読み込む</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Result Location: </source>
        <translation>保存先: </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Select a folder</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Open the folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Preview results</source>
        <translation>プレビュー結果</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview results here</source>
        <translation>ここにプレビューが表示されます</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowPanels.cpp" line="+0"/>
        <source>by year</source>
        <translation>年別</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by month</source>
        <translation>月別</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from Jan. to Dec.</source>
        <translation>1月から12月</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by week</source>
        <translation>曜日別</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from Mon. to Sun.</source>
        <translation>月曜から日曜</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by day</source>
        <translation>日別</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from 1st to 31st</source>
        <translation>1日から31日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by hour</source>
        <translation>時間別</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from 1st to 24th</source>
        <translation>1時から24時</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>include minute</source>
        <translation>分を含める</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>include second</source>
        <translation>秒を含める</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Creation Time</source>
        <translation>作成日時</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Access Time</source>
        <translation>最終アクセス日時</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Write Time</source>
        <translation>最終更新日時</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Date Taken</source>
        <translation>撮影日時</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a file time type: </source>
        <translation>使用する日時: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grouped subfolders</source>
        <translation>階層化したサブフォルダー</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use number Month</source>
        <translation>月を数字で表す</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Use number of month and weekday</source>
        <translation>月と曜日を数字で表す</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use Abbr. Month</source>
        <translation>月を略称で表す</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Abbr. name of month and weekday</source>
        <translation>月と曜日の略称</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>by head letters of name</source>
        <translation>名前の先頭文字で</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number of letters: </source>
        <translation>文字数: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>by word of the below list </source>
        <translation>下のリストの語で </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>[one line as one subfolder] </source>
        <translation>[1行が1つのサブフォルダー] </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save as</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load</source>
        <translation>読み込む</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change %1</source>
        <translation>%1 を変更</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Other:</source>
        <translation>その他:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: folder name</source>
        <translation>%1: フォルダー名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: types</source>
        <translation>%1: 種類</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First other group</source>
        <translation>1つ目のその他グループ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Second other group</source>
        <translation>2つ目のその他グループ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Classify to every type </source>
        <translation>種類ごとに分類 </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use extension part as its folder name</source>
        <translation>拡張子をフォルダー名にします</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Specify step of file size: </source>
        <translation>サイズの刻み: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>byte</source>
        <translation>バイト</translation>
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
        <translation>サイズの刻みの単位</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Specify Max. files number in each subfolder: </source>
        <translation>サブフォルダーごとの最大ファイル数: </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Specify a subfolder name: </source>
        <translation>サブフォルダー名: </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>[More Options]</source>
        <translation>[その他のオプション]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move source files</source>
        <translation>元のファイルを移動</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>or Copy if dont select Move</source>
        <translation>オフにするとコピーします</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Include subfolders</source>
        <translation>サブフォルダーを含める</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Include folder name</source>
        <translation>フォルダーも分類する</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Only classify subfolder</source>
        <translation>サブフォルダーのみ分類</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude shortcut</source>
        <translation>ショートカットを除外</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude folder info file</source>
        <translation>フォルダー情報ファイルを除外</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is used for folder configure</source>
        <translation>フォルダーの設定を保存するファイルです</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude pic thumb file</source>
        <translation>サムネイルファイルを除外</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep sidecars with their photos</source>
        <translation>サイドカーを写真と一緒に移す</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A photo&apos;s .xmp file goes where the photo goes</source>
        <translation>写真の .xmp ファイルは写真と同じ場所へ移ります</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limit Preview number</source>
        <translation>プレビュー件数を制限</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preview limit</source>
        <translation>プレビューの上限</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File type filter:</source>
        <translation>ファイルの種類で絞り込み:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Custom Files</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File type filter group</source>
        <translation>絞り込むファイルの種類</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Seperate each with &apos;;&apos;</source>
        <translation>「;」で区切ります</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File type filter list</source>
        <translation>絞り込む拡張子の一覧</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowSources.cpp" line="+33"/>
        <source>Add a folder to list</source>
        <translation>リストにフォルダーを追加</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a folder to Save result</source>
        <translation>結果の保存先フォルダーを選択</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The result folder does not exist!</source>
        <translation>保存先フォルダーが存在しません。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These do not exist and were not added to the list:</source>
        <translation>次の項目は存在しないため、リストに追加されませんでした:</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowMenus.cpp" line="-23"/>
        <source>More menus</source>
        <translation>その他のメニュー</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fi&amp;le</source>
        <extracomment>The menus&apos; letters (&amp;) must not be R, S, P, F, I, E, U, H or C: Alt with those presses toolbar buttons.</extracomment>
        <translation>ファイル(&amp;L)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add Folder...</source>
        <translation>フォルダーを追加(&amp;A)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add &amp;Files...</source>
        <translation>ファイルを追加(&amp;F)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load Last List</source>
        <translation>前回のリストを読み込む(&amp;L)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ort</source>
        <translation>分類(&amp;O)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preview</source>
        <translation>プレビュー(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Run</source>
        <translation>実行(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo Last Run</source>
        <translation>前回の実行を元に戻す(&amp;U)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;User Guide</source>
        <translation>ユーザーガイド(&amp;U)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Varnolt</source>
        <translation>Varnolt について(&amp;A)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About &amp;Qt</source>
        <translation>Qt について(&amp;Q)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Varnolt %1

Sorts files into folders by their date, name, number, type or size.

Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later).</source>
        <translation>Varnolt %1

ファイルを日付、名前、数、種類、サイズでフォルダーに分類します。

ライセンス: GNU General Public License バージョン 3 以降 (GPL-3.0-or-later)。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About Varnolt</source>
        <translation>Varnolt について</translation>
    </message>
</context>
<context>
    <name>varnolt::Messages</name>
    <message>
        <location filename="../engine/Messages.h" line="+16"/>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirmation</source>
        <translation>確認</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please add folder or files to be classfied.</source>
        <translation>分類するフォルダーまたはファイルを追加してください。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have not specified conditions(on left panel)!</source>
        <translation>分類方法が選ばれていません (左側のパネル)。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you run it now? or click &apos;No&apos; to preview.</source>
        <translation>今すぐ実行しますか？先にプレビューするには「いいえ」をクリックしてください。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have not specified result location!</source>
        <translation>保存先が指定されていません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You specified an invalid path of result location!</source>
        <translation>指定された保存先のパスが正しくありません。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Can not create result folder:%1</source>
        <translation>保存先フォルダーを作成できません: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The journal could not be completed in %1: %2</source>
        <translation>%1 の操作記録を完了できませんでした: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The journal cannot be written in %1: %2. Nothing was moved.</source>
        <translation>%1 に操作記録を書き込めません: %2。何も移動していません。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The journal %1 cannot be read: %2</source>
        <translation>操作記録 %1 を読み込めません: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The journal in %1 cannot be locked: %2. Nothing was changed.</source>
        <translation>%1 の操作記録をロックできません: %2。何も変更していません。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There is nothing to undo.</source>
        <translation>元に戻す操作はありません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The desktop could not open the folder %1. You can open it yourself in a file manager.</source>
        <translation>デスクトップはフォルダー %1 を開けませんでした。ファイルマネージャーで直接開いてください。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No word in the list.</source>
        <translation>語のリストが空です。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No subfolder name was inputted.</source>
        <translation>フォルダー名が入力されていません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No file type(extension part) was inputted.</source>
        <translation>ファイルの種類 (拡張子) が入力されていません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No one kind of file types is selected.</source>
        <translation>ファイルの種類が1つも選ばれていません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No subfolder name inputted.</source>
        <translation>サブフォルダー名が入力されていません。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid subfolder name was inputted.</source>
        <translation>入力されたフォルダー名は使えません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid subfolder name inputted.</source>
        <translation>サブフォルダー名が正しくありません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another run or undo is in progress. Please try again when it has finished.</source>
        <translation>別の分類または元に戻す操作を実行中です。終了してからもう一度お試しください。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Classification completed!
You can check result to decide if UNDO now.
Open the result location now?</source>
        <translation>分類が完了しました (%1 件)。
結果を確認して、必要なら今すぐ元に戻せます。
保存先を今すぐ開きますか？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open the result location now?</source>
        <translation>保存先を今すぐ開きますか？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want to STOP the operation?</source>
        <translation>操作を停止しますか？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want to STOP and EXIT?</source>
        <translation>停止して終了しますか？</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can not create new folder: %1, continue?</source>
        <translation>フォルダー %1 を作成できません。続行しますか？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you want to UNDO the last operation ?</source>
        <translation>最後の操作を元に戻しますか？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo Confirmation</source>
        <translation>元に戻す操作の確認</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo done.</source>
        <translation>元に戻しました。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo done: %1 items put back.</source>
        <translation>元に戻しました: %1 個の項目を元の場所に戻しました。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preview done.</source>
        <translation>プレビューが完了しました。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[Target Folder]</source>
        <translation>[保存先フォルダー]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File: %1</source>
        <translation>ファイル: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moving %1</source>
        <translation>%1 を移動中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copying %1</source>
        <translation>%1 をコピー中</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Files: %1, Categories: %2</source>
        <translation>ファイル: %1、分類: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Files: %1, New Categories: %2</source>
        <translation>ファイル: %1、新しい分類: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Classify done. %1 files were classified!</source>
        <translation>分類が完了しました。%1 件のファイルを分類しました。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo %1 of %2</source>
        <translation>元に戻しています: %1 / %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 placed, %2 not placed</source>
        <translation>配置済み %1 件、未配置 %2 件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stopped: %1 items moved</source>
        <translation>停止しました: %1 件を移動済み</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped: %1 items copied</source>
        <translation>停止しました: %1 件をコピー済み</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preview stopped: %1 items</source>
        <translation>プレビューを停止しました: %1 件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo: %1 of %2 items put back; %3 could not be.</source>
        <translation>元に戻す: %2 件中 %1 件を元の場所に戻しました。%3 件は戻せませんでした。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Items not placed</source>
        <translation>配置できなかった項目</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Items not put back</source>
        <translation>元に戻せなかった項目</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no category for it (no group holds its type, or no word matches)</source>
        <translation>分類先がありません (種類を含むグループも一致する語もありません)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot be read: %1</source>
        <translation>読み込めません: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its category folder cannot be made: %1</source>
        <translation>分類フォルダーを作成できません: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be moved: %1</source>
        <translation>移動できません: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be copied: %1</source>
        <translation>コピーできません: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be journaled: %1</source>
        <translation>操作記録に書き込めません: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be put back: %1</source>
        <translation>元の場所に戻せません: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be removed: %1</source>
        <translation>削除できません: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the name holds a line break, which the journal cannot keep</source>
        <translation>名前に改行が含まれており、操作記録に残せません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>another file stands where the run put it</source>
        <translation>実行で置いた場所に別のファイルがあります</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a copied folder stays where the run put it</source>
        <translation>コピーしたフォルダーは実行で置いた場所に残ります</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file there now is not the one the run put there; it stays</source>
        <translation>そこにあるのは実行で置いたファイルではないため、そのまま残します</translation>
    </message>
    <message>
        <location filename="../app/cli/ConsoleTexts.h" line="+10"/>
        <source>not moved: %1: %2</source>
        <translation>移動していません: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not copied: %1: %2</source>
        <translation>コピーしていません: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not put back: %1: %2</source>
        <translation>元に戻していません: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not placed: %1: %2</source>
        <translation>配置していません: %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 items/s</source>
        <translation>%1 件/秒</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create the data folder %1: %2</source>
        <translation>データフォルダー %1 を作成できません: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Run with --help for more information.</source>
        <translation>詳しくは --help を付けて実行してください。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exactly one of --preview, --run and --undo is needed</source>
        <translation>--preview、--run、--undo のうちちょうど1つが必要です</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot read the word list %1: %2</source>
        <translation>語のリスト %1 を読み込めません: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: expected FOLDER=LIST</source>
        <translation>%1: FOLDER=LIST の形で指定してください</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--group-list: expected NAME=LIST with NAME one of %1</source>
        <translation>--group-list: NAME=LIST の形で、NAME は %1 のいずれかです</translation>
    </message>
</context>
<context>
    <name>varnolt::NameChecks</name>
    <message>
        <location filename="../ui/NameChecks.cpp" line="+15"/>
        <source>You should remove one of following nine characters from input text, because they are prohibited in Windows filenames:  \ / : * ? &quot; &lt; &gt; |</source>
        <translation>次の9文字は Windows のファイル名に使えないため、入力から取り除いてください:  \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
</context>
<context>
    <name>varnolt::ReportDialog</name>
    <message>
        <location filename="../ui/ReportDialog.cpp" line="+26"/>
        <source>Item</source>
        <translation>項目</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reason</source>
        <translation>理由</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Items not placed</source>
        <translation>配置できなかった項目</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Copy list</source>
        <translation>リストをコピー(&amp;C)</translation>
    </message>
</context>
<context>
    <name>varnolt::Settings</name>
    <message>
        <location filename="../ui/SettingsSaver.cpp" line="+68"/>
        <source>The source &quot;%1&quot;: its name holds a line break.</source>
        <translation>ソース「%1」: 名前に改行が含まれています。</translation>
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
        <translation>その他グループ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Custom Files list</source>
        <translation>カスタムの一覧</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The word list</source>
        <translation>語のリスト</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The source list</source>
        <translation>ソースの一覧</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The history of result locations</source>
        <translation>保存先の履歴</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The window&apos;s size and place</source>
        <translation>ウィンドウのサイズと位置</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Not everything could be kept for the next start.</source>
        <translation>次回の起動に向けて一部を保存できませんでした。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を開けません。%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を作成できません。%2</translation>
    </message>
</context>
</TS>
