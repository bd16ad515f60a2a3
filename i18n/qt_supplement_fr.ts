<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <extracomment>varnel --help: the description of --help.</extracomment>
        <translation>Afficher l'aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <extracomment>varnel --help: the description of --help-all.</extracomment>
        <translation>Afficher l'aide, options propres à Qt comprises.</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <extracomment>The file dialog's Type column for a folder (Linux).</extracomment>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>File Folder</source>
        <extracomment>The file dialog's Type column for a folder (Windows).</extracomment>
        <translation>Dossier de fichiers</translation>
    </message>
    <message>
        <source>Drive</source>
        <extracomment>The file dialog's Type column for a drive.</extracomment>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The file dialog's Type column for a file of no known type.</extracomment>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <extracomment>The file dialog's Type column for a symbolic link.</extracomment>
        <translation>Raccourci</translation>
    </message>
    <message>
        <source>Alias</source>
        <extracomment>The file dialog's Type column for an alias (macOS).</extracomment>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The file dialog's Type column for an entry of no known kind.</extracomment>
        <translation>Inconnu</translation>
    </message>
</context>
</TS>
