<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>varnolt::FileTypesDialog</name>
    <message>
        <location filename="../ui/FileTypesDialog.cpp" line="+16"/>
        <source>Change file type</source>
        <translation>Alterar tipo de arquivo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File Type:</source>
        <translation>Tipo de arquivo:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>varnolt::MainWindow</name>
    <message>
        <location filename="../engine/TypeGroups.h" line="+32"/>
        <source>Music files</source>
        <translation>Música</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music Files</source>
        <translation>Música</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image files</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image Files</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vedio files</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vedio Files</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program files</source>
        <translation>Programas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Files</source>
        <translation>Programas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Document file</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Document Files</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archive files</source>
        <translation>Compactados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archive Files</source>
        <translation>Compactados</translation>
    </message>
    <message>
        <location filename="../ui/MainWindow.cpp" line="+32"/>
        <source>Do not support folder size.</source>
        <translation>A classificação por tamanho não aceita pastas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The desktop could not open the user guide %1. You can open it yourself in a web browser.</source>
        <translation>A área de trabalho não conseguiu abrir o guia do usuário %1. Você pode abri-lo você mesmo em um navegador.</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowFields.cpp" line="+31"/>
        <source>Text File (*.txt)</source>
        <translation>Arquivo de texto (*.txt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Arquivos de texto (*.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowLayout.cpp" line="+71"/>
        <location filename="../ui/MainWindowPanels.cpp" line="+179"/>
        <source>by file date</source>
        <translation>por data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file name</source>
        <translation>por nome</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file number</source>
        <translation>por quantidade</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file type</source>
        <translation>por tipo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file size</source>
        <translation>por tamanho</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Run</source>
        <translation>Executar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classify Now</source>
        <translation>Classificar agora</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview</source>
        <translation>Pré-visualizar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview result</source>
        <translation>Pré-visualizar o resultado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a folder</source>
        <translation>Adicionar uma pasta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add files</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+347"/>
        <source>Delete</source>
        <translation>Remover da lista</translation>
    </message>
    <message>
        <location line="-346"/>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo the last operation</source>
        <translation>Desfazer a última operação</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../ui/MainWindowMenus.cpp" line="+97"/>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read help </source>
        <translation>Ler a ajuda </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Varnolt [ classify many files automatically ]</source>
        <translation>Varnolt [ classifique muitos arquivos automaticamente ]</translation>
    </message>
    <message>
        <location line="+220"/>
        <source>Classification methods</source>
        <translation>Métodos de classificação</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto-Classify Files</source>
        <translation>Classificação automática</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Add folder and file to be classified</source>
        <translation>Adicione as pastas e os arquivos a classificar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders and files to classify</source>
        <translation>Pastas e arquivos a classificar</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add Folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add Files</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add folder or files here</source>
        <translation>Adicione aqui pastas ou arquivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load last list</source>
        <translation>Carregar a última lista</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Result Location: </source>
        <translation>Local de destino: </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Select a folder</source>
        <translation>Selecionar uma pasta</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Open the folder</source>
        <translation>Abrir a pasta</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Preview results</source>
        <translation>Resultado da pré-visualização</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview results here</source>
        <translation>A pré-visualização aparece aqui</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowPanels.cpp" line="+0"/>
        <source>by year</source>
        <translation>por ano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by month</source>
        <translation>por mês</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from Jan. to Dec.</source>
        <translation>de jan. a dez.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by week</source>
        <translation>por dia da semana</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from Mon. to Sun.</source>
        <translation>de seg. a dom.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by day</source>
        <translation>por dia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from 1st to 31st</source>
        <translation>de 1 a 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by hour</source>
        <translation>por hora</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from 1st to 24th</source>
        <translation>da 1ª à 24ª</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>include minute</source>
        <translation>incluir minutos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>include second</source>
        <translation>incluir segundos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Creation Time</source>
        <translation>Data de criação</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Access Time</source>
        <translation>Último acesso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Write Time</source>
        <translation>Última modificação</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Date Taken</source>
        <translation>Data de captura</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a file time type: </source>
        <translation>Tipo de data do arquivo: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grouped subfolders</source>
        <translation>Subpastas aninhadas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use number Month</source>
        <translation>Meses em números</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Use number of month and weekday</source>
        <translation>Meses e dias da semana em números</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use Abbr. Month</source>
        <translation>Meses abreviados</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Abbr. name of month and weekday</source>
        <translation>Nomes abreviados de meses e dias da semana</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>by head letters of name</source>
        <translation>pelas iniciais do nome</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number of letters: </source>
        <translation>Número de letras: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>by word of the below list </source>
        <translation>por palavras da lista </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>[one line as one subfolder] </source>
        <translation>[uma linha por subpasta] </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save as</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change %1</source>
        <translation>Alterar %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Other:</source>
        <translation>Outro:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: folder name</source>
        <translation>%1: nome da pasta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: types</source>
        <translation>%1: tipos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type:</source>
        <translation>Tipos:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First other group</source>
        <translation>Primeiro grupo personalizado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Second other group</source>
        <translation>Segundo grupo personalizado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Classify to every type </source>
        <translation>Uma pasta por tipo </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use extension part as its folder name</source>
        <translation>A extensão vira o nome da pasta</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Specify step of file size: </source>
        <translation>Intervalo de tamanho: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>byte</source>
        <translation>byte</translation>
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
        <translation>Unidade do intervalo de tamanho</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Specify Max. files number in each subfolder: </source>
        <translation>Máximo de arquivos por subpasta: </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Specify a subfolder name: </source>
        <translation>Nome das subpastas: </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>[More Options]</source>
        <translation>[Mais opções]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move source files</source>
        <translation>Mover os originais</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>or Copy if dont select Move</source>
        <translation>caso contrário, eles são copiados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Include subfolders</source>
        <translation>Incluir subpastas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Include folder name</source>
        <translation>Classificar pastas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Only classify subfolder</source>
        <translation>Apenas subpastas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude shortcut</source>
        <translation>Excluir atalhos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude folder info file</source>
        <translation>Excluir info. de pasta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is used for folder configure</source>
        <translation>O arquivo guarda as configurações da pasta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude pic thumb file</source>
        <translation>Excluir miniaturas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep sidecars with their photos</source>
        <translation>XMP junto com as fotos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A photo&apos;s .xmp file goes where the photo goes</source>
        <translation>O arquivo .xmp de uma foto vai para onde a foto vai</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limit Preview number</source>
        <translation>Limitar a pré-visualização</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preview limit</source>
        <translation>Limite da pré-visualização</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File type filter:</source>
        <translation>Filtro de tipos:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Custom Files</source>
        <translation>Tipos personalizados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File type filter group</source>
        <translation>Grupo do filtro de tipos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Seperate each with &apos;;&apos;</source>
        <translation>Separe-os com &apos;;&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File type filter list</source>
        <translation>Lista do filtro de tipos</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowSources.cpp" line="+33"/>
        <source>Add a folder to list</source>
        <translation>Adicionar uma pasta à lista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a folder to Save result</source>
        <translation>Selecionar a pasta do resultado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The result folder does not exist!</source>
        <translation>A pasta de destino não existe!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These do not exist and were not added to the list:</source>
        <translation>Estes itens não existem e não foram adicionados à lista:</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowMenus.cpp" line="-23"/>
        <source>More menus</source>
        <translation>Mais menus</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fi&amp;le</source>
        <extracomment>The menus&apos; letters (&amp;) must not be R, S, P, F, I, E, U, H or C: Alt with those presses toolbar buttons.</extracomment>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add Folder...</source>
        <translation>&amp;Adicionar pasta...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add &amp;Files...</source>
        <translation>Adicionar a&amp;rquivos...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>Re&amp;mover</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load Last List</source>
        <translation>&amp;Carregar a última lista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ort</source>
        <translation>&amp;Ordenar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preview</source>
        <translation>&amp;Visualizar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Run</source>
        <translation>&amp;Executar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo Last Run</source>
        <translation>&amp;Desfazer a última execução</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;User Guide</source>
        <translation>&amp;Guia do usuário</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Varnolt</source>
        <translation>&amp;Sobre o Varnolt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About &amp;Qt</source>
        <translation>Sobre o &amp;Qt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Varnolt %1

Sorts files into folders by their date, name, number, type or size.

Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later).</source>
        <translation>Varnolt %1

Organiza arquivos em pastas por data, nome, número, tipo ou tamanho.

Licença: GNU General Public License, versão 3 ou posterior (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About Varnolt</source>
        <translation>Sobre o Varnolt</translation>
    </message>
</context>
<context>
    <name>varnolt::Messages</name>
    <message>
        <location filename="../engine/Messages.h" line="+16"/>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirmation</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please add folder or files to be classfied.</source>
        <translation>Adicione pastas ou arquivos a classificar.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have not specified conditions(on left panel)!</source>
        <translation>Você não escolheu nenhum método de classificação (painel à esquerda)!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you run it now? or click &apos;No&apos; to preview.</source>
        <translation>Executar agora? Clique em “Não” para pré-visualizar antes.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have not specified result location!</source>
        <translation>Você não indicou o local de destino!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You specified an invalid path of result location!</source>
        <translation>O caminho de destino indicado não é válido!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Can not create result folder:%1</source>
        <translation>Não é possível criar a pasta de destino: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The journal could not be completed in %1: %2</source>
        <translation>Não foi possível concluir o registro em %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The journal cannot be written in %1: %2. Nothing was moved.</source>
        <translation>Não é possível gravar o registro em %1: %2. Nada foi movido.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The journal %1 cannot be read: %2</source>
        <translation>Não é possível ler o registro %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The journal in %1 cannot be locked: %2. Nothing was changed.</source>
        <translation>Não é possível bloquear o registro em %1: %2. Nada foi alterado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There is nothing to undo.</source>
        <translation>Não há nada para desfazer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The desktop could not open the folder %1. You can open it yourself in a file manager.</source>
        <translation>A área de trabalho não conseguiu abrir a pasta %1. Você pode abri-la você mesmo em um gerenciador de arquivos.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No word in the list.</source>
        <translation>A lista de palavras está vazia.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No subfolder name was inputted.</source>
        <translation>Nenhum nome de pasta foi digitado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No file type(extension part) was inputted.</source>
        <translation>Nenhum tipo de arquivo (extensão) foi digitado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No one kind of file types is selected.</source>
        <translation>Nenhum grupo de tipos de arquivo está selecionado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No subfolder name inputted.</source>
        <translation>O nome das subpastas não foi digitado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid subfolder name was inputted.</source>
        <translation>O nome de pasta digitado não é válido.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid subfolder name inputted.</source>
        <translation>O nome das subpastas não é válido.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another run or undo is in progress. Please try again when it has finished.</source>
        <translation>Outra classificação ou desfazer está em andamento. Tente novamente quando terminar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Classification completed!
You can check result to decide if UNDO now.
Open the result location now?</source>
        <translation>Classificação concluída: %1 itens.
Confira o resultado: você ainda pode DESFAZER.
Abrir o local de destino agora?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open the result location now?</source>
        <translation>Abrir o local de destino agora?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want to STOP the operation?</source>
        <translation>Deseja PARAR a operação?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want to STOP and EXIT?</source>
        <translation>Deseja PARAR e SAIR?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can not create new folder: %1, continue?</source>
        <translation>Não é possível criar a pasta %1. Continuar?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you want to UNDO the last operation ?</source>
        <translation>Deseja DESFAZER a última operação?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo Confirmation</source>
        <translation>Confirmar desfazer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo done.</source>
        <translation>Desfeito.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo done: %1 items put back.</source>
        <translation>Desfeito: %1 itens devolvidos ao lugar.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preview done.</source>
        <translation>Pré-visualização concluída.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[Target Folder]</source>
        <translation>[Pasta de destino]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File: %1</source>
        <translation>Arquivo: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moving %1</source>
        <translation>Movendo %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copying %1</source>
        <translation>Copiando %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Files: %1, Categories: %2</source>
        <translation>Arquivos: %1, categorias: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Files: %1, New Categories: %2</source>
        <translation>Arquivos: %1, novas categorias: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Classify done. %1 files were classified!</source>
        <translation>Classificação concluída: %1 arquivos classificados.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo %1 of %2</source>
        <translation>Desfazendo: %1 de %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 placed, %2 not placed</source>
        <translation>%1 colocados, %2 não colocados</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stopped: %1 items moved</source>
        <translation>Parado: %1 itens movidos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped: %1 items copied</source>
        <translation>Parado: %1 itens copiados</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preview stopped: %1 items</source>
        <translation>Pré-visualização parada: %1 itens</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo: %1 of %2 items put back; %3 could not be.</source>
        <translation>Desfazer: %1 de %2 itens devolvidos ao lugar; %3 não puderam ser.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Items not placed</source>
        <translation>Itens não colocados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Items not put back</source>
        <translation>Itens não devolvidos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no category for it (no group holds its type, or no word matches)</source>
        <translation>sem categoria (nenhum grupo contém o tipo, ou nenhuma palavra corresponde)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot be read: %1</source>
        <translation>não pode ser lido: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its category folder cannot be made: %1</source>
        <translation>não é possível criar sua pasta de categoria: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be moved: %1</source>
        <translation>não pode ser movido: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be copied: %1</source>
        <translation>não pode ser copiado: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be journaled: %1</source>
        <translation>não pode ser anotado no registro: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be put back: %1</source>
        <translation>não pode ser devolvido ao lugar: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be removed: %1</source>
        <translation>não pode ser removido: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the name holds a line break, which the journal cannot keep</source>
        <translation>o nome contém uma quebra de linha, que o registro não consegue guardar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>another file stands where the run put it</source>
        <translation>outro arquivo está onde a execução o colocou</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a copied folder stays where the run put it</source>
        <translation>uma pasta copiada fica onde a execução a colocou</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file there now is not the one the run put there; it stays</source>
        <translation>o arquivo que está lá agora não é o que a execução colocou; ele fica</translation>
    </message>
    <message>
        <location filename="../app/cli/ConsoleTexts.h" line="+10"/>
        <source>not moved: %1: %2</source>
        <translation>não movido: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not copied: %1: %2</source>
        <translation>não copiado: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not put back: %1: %2</source>
        <translation>não devolvido: %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not placed: %1: %2</source>
        <translation>não colocado: %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 items/s</source>
        <translation>%1 itens/s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create the data folder %1: %2</source>
        <translation>não é possível criar a pasta de dados %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Run with --help for more information.</source>
        <translation>Execute com --help para mais informações.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exactly one of --preview, --run and --undo is needed</source>
        <translation>é preciso exatamente uma das opções --preview, --run e --undo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot read the word list %1: %2</source>
        <translation>não é possível ler a lista de palavras %1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: expected FOLDER=LIST</source>
        <translation>%1: esperado FOLDER=LIST</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--group-list: expected NAME=LIST with NAME one of %1</source>
        <translation>--group-list: esperado NAME=LIST, com NAME entre %1</translation>
    </message>
</context>
<context>
    <name>varnolt::NameChecks</name>
    <message>
        <location filename="../ui/NameChecks.cpp" line="+15"/>
        <source>You should remove one of following nine characters from input text, because they are prohibited in Windows filenames:  \ / : * ? &quot; &lt; &gt; |</source>
        <translation>Remova do texto os nove caracteres a seguir, proibidos em nomes de arquivo do Windows:  \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
</context>
<context>
    <name>varnolt::ReportDialog</name>
    <message>
        <location filename="../ui/ReportDialog.cpp" line="+26"/>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Items not placed</source>
        <translation>Itens não colocados</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Copy list</source>
        <translation>&amp;Copiar lista</translation>
    </message>
</context>
<context>
    <name>varnolt::Settings</name>
    <message>
        <location filename="../ui/SettingsSaver.cpp" line="+68"/>
        <source>The source &quot;%1&quot;: its name holds a line break.</source>
        <translation>A origem “%1”: o nome contém uma quebra de linha.</translation>
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
        <translation>Os grupos personalizados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Custom Files list</source>
        <translation>A lista de tipos personalizados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The word list</source>
        <translation>A lista de palavras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The source list</source>
        <translation>A lista de origens</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The history of result locations</source>
        <translation>O histórico de locais de destino</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The window&apos;s size and place</source>
        <translation>O tamanho e a posição da janela</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Not everything could be kept for the next start.</source>
        <translation>Nem tudo pôde ser guardado para a próxima inicialização.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Não é possível abrir o arquivo “%1”. %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Não é possível criar o arquivo “%1”. %2</translation>
    </message>
</context>
</TS>
