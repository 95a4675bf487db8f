<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>varnolt::FileTypesDialog</name>
    <message>
        <location filename="../ui/FileTypesDialog.cpp" line="+16"/>
        <source>Change file type</source>
        <translation>Modifier le type de fichier</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>File Type:</source>
        <translation>Type de fichier&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>varnolt::MainWindow</name>
    <message>
        <location filename="../engine/TypeGroups.h" line="+32"/>
        <source>Music files</source>
        <translation>Fichiers audio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music Files</source>
        <translation>Fichiers audio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image files</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image Files</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vedio files</source>
        <translation>Fichiers vidéo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vedio Files</source>
        <translation>Fichiers vidéo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program files</source>
        <translation>Fichiers programme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Files</source>
        <translation>Fichiers programme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Document file</source>
        <translation>Documents</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Document Files</source>
        <translation>Documents</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archive files</source>
        <translation>Archives</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Archive Files</source>
        <translation>Archives</translation>
    </message>
    <message>
        <location filename="../ui/MainWindow.cpp" line="+32"/>
        <source>Do not support folder size.</source>
        <translation>Le tri par taille ne s’applique pas aux dossiers.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The desktop could not open the user guide %1. You can open it yourself in a web browser.</source>
        <translation>Le bureau n&apos;a pas pu ouvrir le guide de l&apos;utilisateur %1. Vous pouvez l&apos;ouvrir vous-même dans un navigateur web.</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowFields.cpp" line="+31"/>
        <source>Text File (*.txt)</source>
        <translation>Fichier texte (*.txt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowLayout.cpp" line="+71"/>
        <location filename="../ui/MainWindowPanels.cpp" line="+179"/>
        <source>by file date</source>
        <translation>par date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file name</source>
        <translation>par nom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file number</source>
        <translation>par nombre de fichiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file type</source>
        <translation>par type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by file size</source>
        <translation>par taille</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classify Now</source>
        <translation>Classer maintenant</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview result</source>
        <translation>Afficher l’aperçu du résultat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+347"/>
        <source>Delete</source>
        <translation>Retirer de la liste</translation>
    </message>
    <message>
        <location line="-346"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo the last operation</source>
        <translation>Annuler la dernière opération</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../ui/MainWindowMenus.cpp" line="+97"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read help </source>
        <translation>Lire l’aide </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Varnolt [ classify many files automatically ]</source>
        <translation>Varnolt [ classer automatiquement de nombreux fichiers ]</translation>
    </message>
    <message>
        <location line="+220"/>
        <source>Classification methods</source>
        <translation>Méthodes de classement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto-Classify Files</source>
        <translation>Classement automatique</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Add folder and file to be classified</source>
        <translation>Ajoutez les dossiers et fichiers à classer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders and files to classify</source>
        <translation>Dossiers et fichiers à classer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add folder or files here</source>
        <translation>Ajoutez ici des dossiers ou des fichiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load last list</source>
        <translation>Charger la dernière liste</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Result Location: </source>
        <translation>Destination&#xa0;: </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Select a folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Open the folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Preview results</source>
        <translation>Résultat de l’aperçu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview results here</source>
        <translation>L’aperçu s’affiche ici</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowPanels.cpp" line="+0"/>
        <source>by year</source>
        <translation>par année</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by month</source>
        <translation>par mois</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from Jan. to Dec.</source>
        <translation>de janv. à déc.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by week</source>
        <translation>par jour de la semaine</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from Mon. to Sun.</source>
        <translation>du lun. au dim.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by day</source>
        <translation>par jour</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from 1st to 31st</source>
        <translation>du 1er au 31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>by hour</source>
        <translation>par heure</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>from 1st to 24th</source>
        <translation>de la 1re à la 24e</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>include minute</source>
        <translation>avec les minutes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>include second</source>
        <translation>avec les secondes</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Creation Time</source>
        <translation>Date de création</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Access Time</source>
        <translation>Dernier accès</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Write Time</source>
        <translation>Dernière modification</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Date Taken</source>
        <translation>Date de prise de vue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a file time type: </source>
        <translation>Date de fichier utilisée&#xa0;: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grouped subfolders</source>
        <translation>Sous-dossiers imbriqués</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use number Month</source>
        <translation>Mois en chiffres</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Use number of month and weekday</source>
        <translation>Mois et jours de la semaine en chiffres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use Abbr. Month</source>
        <translation>Mois abrégés</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Abbr. name of month and weekday</source>
        <translation>Noms abrégés des mois et des jours</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>by head letters of name</source>
        <translation>par premières lettres du nom</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number of letters: </source>
        <translation>Nombre de lettres&#xa0;: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>by word of the below list </source>
        <translation>par mot de la liste ci-dessous </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>[one line as one subfolder] </source>
        <translation>[une ligne par sous-dossier] </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Other:</source>
        <translation>Autre&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: folder name</source>
        <translation>%1&#xa0;: nom du dossier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: types</source>
        <translation>%1&#xa0;: types</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type:</source>
        <translation>Types&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First other group</source>
        <translation>Premier groupe personnalisé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Second other group</source>
        <translation>Second groupe personnalisé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Classify to every type </source>
        <translation>Un dossier par type </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use extension part as its folder name</source>
        <translation>L’extension sert de nom de dossier</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Specify step of file size: </source>
        <translation>Pas de taille&#xa0;: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>byte</source>
        <translation>octet</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unit of the size step</source>
        <translation>Unité du pas de taille</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Specify Max. files number in each subfolder: </source>
        <translation>Nombre max. de fichiers par sous-dossier&#xa0;: </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Specify a subfolder name: </source>
        <translation>Nom des sous-dossiers&#xa0;: </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>[More Options]</source>
        <translation>[Autres options]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move source files</source>
        <translation>Déplacer les fichiers source</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>or Copy if dont select Move</source>
        <translation>sinon, ils sont copiés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Include subfolders</source>
        <translation>Inclure les sous-dossiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Include folder name</source>
        <translation>Classer aussi les dossiers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Only classify subfolder</source>
        <translation>Seulement les sous-dossiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude shortcut</source>
        <translation>Exclure les raccourcis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude folder info file</source>
        <translation>Exclure les infos de dossier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is used for folder configure</source>
        <translation>Ce fichier contient les réglages du dossier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude pic thumb file</source>
        <translation>Exclure les miniatures</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep sidecars with their photos</source>
        <translation>XMP avec leurs photos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A photo&apos;s .xmp file goes where the photo goes</source>
        <translation>Le fichier .xmp d&apos;une photo va là où va la photo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limit Preview number</source>
        <translation>Limiter l’aperçu</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preview limit</source>
        <translation>Limite de l’aperçu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File type filter:</source>
        <translation>Filtre de types&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Custom Files</source>
        <translation>Types personnalisés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File type filter group</source>
        <translation>Groupe du filtre de types</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Seperate each with &apos;;&apos;</source>
        <translation>Séparez-les par &apos;;&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File type filter list</source>
        <translation>Liste du filtre de types</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowSources.cpp" line="+33"/>
        <source>Add a folder to list</source>
        <translation>Ajouter un dossier à la liste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a folder to Save result</source>
        <translation>Choisir le dossier du résultat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The result folder does not exist!</source>
        <translation>Le dossier de destination n’existe pas&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These do not exist and were not added to the list:</source>
        <translation>Ces éléments n’existent pas et n’ont pas été ajoutés à la liste&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/MainWindowMenus.cpp" line="-23"/>
        <source>More menus</source>
        <translation>Autres menus</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fi&amp;le</source>
        <extracomment>The menus&apos; letters (&amp;) must not be R, S, P, F, I, E, U, H or C: Alt with those presses toolbar buttons.</extracomment>
        <translation>Fichier (&amp;L)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add Folder...</source>
        <translation>&amp;Ajouter un dossier...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add &amp;Files...</source>
        <translation>Ajouter des &amp;fichiers...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load Last List</source>
        <translation>&amp;Charger la dernière liste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ort</source>
        <translation>&amp;Trier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Run</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stop</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo Last Run</source>
        <translation>Annuler la &amp;dernière exécution</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Varnolt</source>
        <translation>À &amp;propos de Varnolt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About &amp;Qt</source>
        <translation>À propos de &amp;Qt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Varnolt %1

Sorts files into folders by their date, name, number, type or size.

Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later).</source>
        <translation>Varnolt %1

Trie les fichiers dans des dossiers selon leur date, leur nom, leur nombre, leur type ou leur taille.

Licence : GNU General Public License, version 3 ou ultérieure (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About Varnolt</source>
        <translation>À propos de Varnolt</translation>
    </message>
</context>
<context>
    <name>varnolt::Messages</name>
    <message>
        <location filename="../engine/Messages.h" line="+16"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please add folder or files to be classfied.</source>
        <translation>Ajoutez des dossiers ou des fichiers à classer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have not specified conditions(on left panel)!</source>
        <translation>Vous n’avez choisi aucune méthode de classement (panneau de gauche)&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you run it now? or click &apos;No&apos; to preview.</source>
        <translation>Exécuter maintenant&#xa0;? Cliquez sur «&#xa0;Non&#xa0;» pour voir d’abord l’aperçu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have not specified result location!</source>
        <translation>Vous n’avez pas indiqué de destination&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You specified an invalid path of result location!</source>
        <translation>Le chemin de destination indiqué n’est pas valide&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Can not create result folder:%1</source>
        <translation>Impossible de créer le dossier de destination&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The journal could not be completed in %1: %2</source>
        <translation>Le journal n’a pas pu être terminé dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The journal cannot be written in %1: %2. Nothing was moved.</source>
        <translation>Impossible d’écrire le journal dans %1&#xa0;: %2. Rien n’a été déplacé.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The journal %1 cannot be read: %2</source>
        <translation>Impossible de lire le journal %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The journal in %1 cannot be locked: %2. Nothing was changed.</source>
        <translation>Impossible de verrouiller le journal dans %1&#xa0;: %2. Rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There is nothing to undo.</source>
        <translation>Il n’y a rien à annuler.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The desktop could not open the folder %1. You can open it yourself in a file manager.</source>
        <translation>Le bureau n&apos;a pas pu ouvrir le dossier %1. Vous pouvez l&apos;ouvrir vous-même dans un gestionnaire de fichiers.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No word in the list.</source>
        <translation>La liste de mots est vide.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No subfolder name was inputted.</source>
        <translation>Aucun nom de dossier n’a été saisi.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No file type(extension part) was inputted.</source>
        <translation>Aucun type de fichier (extension) n’a été saisi.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No one kind of file types is selected.</source>
        <translation>Aucun groupe de types de fichiers n’est sélectionné.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No subfolder name inputted.</source>
        <translation>Aucun nom de sous-dossier saisi.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid subfolder name was inputted.</source>
        <translation>Le nom de dossier saisi n’est pas valide.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid subfolder name inputted.</source>
        <translation>Le nom des sous-dossiers n’est pas valide.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another run or undo is in progress. Please try again when it has finished.</source>
        <translation>Un autre classement ou une autre annulation est en cours. Réessayez lorsqu’il sera terminé.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Classification completed!
You can check result to decide if UNDO now.
Open the result location now?</source>
        <translation>Classement terminé&#xa0;: %1 éléments.
Vérifiez le résultat&#xa0;: vous pouvez encore l’ANNULER.
Ouvrir la destination maintenant&#xa0;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open the result location now?</source>
        <translation>Ouvrir la destination maintenant&#xa0;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want to STOP the operation?</source>
        <translation>Voulez-vous ARRÊTER l’opération&#xa0;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want to STOP and EXIT?</source>
        <translation>Voulez-vous ARRÊTER et QUITTER&#xa0;?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can not create new folder: %1, continue?</source>
        <translation>Impossible de créer le dossier %1. Continuer&#xa0;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you want to UNDO the last operation ?</source>
        <translation>Voulez-vous ANNULER la dernière opération&#xa0;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo Confirmation</source>
        <translation>Confirmer l’annulation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo done.</source>
        <translation>Annulation terminée.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo done: %1 items put back.</source>
        <translation>Annulation terminée&#xa0;: %1 éléments remis en place.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preview done.</source>
        <translation>Aperçu terminé.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[Target Folder]</source>
        <translation>[Dossier de destination]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File: %1</source>
        <translation>Fichier&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moving %1</source>
        <translation>Déplacement de %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copying %1</source>
        <translation>Copie de %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Files: %1, Categories: %2</source>
        <translation>Fichiers&#xa0;: %1, catégories&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Files: %1, New Categories: %2</source>
        <translation>Fichiers&#xa0;: %1, nouvelles catégories&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Classify done. %1 files were classified!</source>
        <translation>Classement terminé&#xa0;: %1 fichiers classés.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo %1 of %2</source>
        <translation>Annulation&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 placed, %2 not placed</source>
        <translation>%1 placés, %2 non placés</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stopped: %1 items moved</source>
        <translation>Arrêté&#xa0;: %1 éléments déplacés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopped: %1 items copied</source>
        <translation>Arrêté&#xa0;: %1 éléments copiés</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preview stopped: %1 items</source>
        <translation>Aperçu arrêté&#xa0;: %1 éléments</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo: %1 of %2 items put back; %3 could not be.</source>
        <translation>Annulation&#xa0;: %1 éléments sur %2 remis en place&#xa0;; %3 n’ont pas pu l’être.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Items not placed</source>
        <translation>Éléments non placés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Items not put back</source>
        <translation>Éléments non remis en place</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no category for it (no group holds its type, or no word matches)</source>
        <translation>aucune catégorie (aucun groupe ne contient son type, ou aucun mot ne correspond)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot be read: %1</source>
        <translation>illisible&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its category folder cannot be made: %1</source>
        <translation>impossible de créer son dossier de catégorie&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be moved: %1</source>
        <translation>impossible de le déplacer&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be copied: %1</source>
        <translation>impossible de le copier&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be journaled: %1</source>
        <translation>impossible de l’inscrire au journal&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be put back: %1</source>
        <translation>impossible de le remettre en place&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot be removed: %1</source>
        <translation>impossible de le supprimer&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the name holds a line break, which the journal cannot keep</source>
        <translation>le nom contient un saut de ligne, que le journal ne peut pas conserver</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>another file stands where the run put it</source>
        <translation>un autre fichier se trouve là où l’exécution l’a mis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a copied folder stays where the run put it</source>
        <translation>un dossier copié reste là où l’exécution l’a mis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file there now is not the one the run put there; it stays</source>
        <translation>le fichier qui s’y trouve n’est pas celui que l’exécution y a mis, il reste</translation>
    </message>
    <message>
        <location filename="../app/cli/ConsoleTexts.h" line="+10"/>
        <source>not moved: %1: %2</source>
        <translation>non déplacé&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not copied: %1: %2</source>
        <translation>non copié&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not put back: %1: %2</source>
        <translation>non remis en place&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not placed: %1: %2</source>
        <translation>non placé&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 items/s</source>
        <translation>%1 éléments/s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create the data folder %1: %2</source>
        <translation>impossible de créer le dossier de données %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Run with --help for more information.</source>
        <translation>Lancez avec --help pour en savoir plus.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exactly one of --preview, --run and --undo is needed</source>
        <translation>il faut exactement une des options --preview, --run et --undo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot read the word list %1: %2</source>
        <translation>impossible de lire la liste de mots %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: expected FOLDER=LIST</source>
        <translation>%1&#xa0;: attendu FOLDER=LIST</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--group-list: expected NAME=LIST with NAME one of %1</source>
        <translation>--group-list&#xa0;: attendu NAME=LIST, où NAME est l’un de %1</translation>
    </message>
</context>
<context>
    <name>varnolt::NameChecks</name>
    <message>
        <location filename="../ui/NameChecks.cpp" line="+15"/>
        <source>You should remove one of following nine characters from input text, because they are prohibited in Windows filenames:  \ / : * ? &quot; &lt; &gt; |</source>
        <translation>Retirez de la saisie les neuf caractères suivants, interdits dans les noms de fichiers Windows&#xa0;:  \ /&#xa0;: *&#xa0;? &quot; &lt; &gt; |</translation>
    </message>
</context>
<context>
    <name>varnolt::ReportDialog</name>
    <message>
        <location filename="../ui/ReportDialog.cpp" line="+26"/>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Items not placed</source>
        <translation>Éléments non placés</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Copy list</source>
        <translation>&amp;Copier la liste</translation>
    </message>
</context>
<context>
    <name>varnolt::Settings</name>
    <message>
        <location filename="../ui/SettingsSaver.cpp" line="+68"/>
        <source>The source &quot;%1&quot;: its name holds a line break.</source>
        <translation>La source «&#xa0;%1&#xa0;»&#xa0;: son nom contient un saut de ligne.</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>%1: %2</source>
        <extracomment>%1: the part of the settings (&quot;The word list&quot;); %2: why it was not kept</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The Other groups</source>
        <translation>Les groupes personnalisés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Custom Files list</source>
        <translation>La liste des types personnalisés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The word list</source>
        <translation>La liste de mots</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The source list</source>
        <translation>La liste des sources</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The history of result locations</source>
        <translation>L’historique des destinations</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The window&apos;s size and place</source>
        <translation>La taille et la position de la fenêtre</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Not everything could be kept for the next start.</source>
        <translation>Tout n’a pas pu être conservé pour le prochain démarrage.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d’ouvrir le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
</context>
</TS>
