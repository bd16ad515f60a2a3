<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <extracomment>The file dialog's Type column for a folder (Linux).</extracomment>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>File Folder</source>
        <extracomment>The file dialog's Type column for a folder (Windows).</extracomment>
        <translation>Pasta de arquivos</translation>
    </message>
    <message>
        <source>Drive</source>
        <extracomment>The file dialog's Type column for a drive.</extracomment>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The file dialog's Type column for a file of no known type.</extracomment>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <extracomment>The file dialog's Type column for a symbolic link.</extracomment>
        <translation>Atalho</translation>
    </message>
    <message>
        <source>Alias</source>
        <extracomment>The file dialog's Type column for an alias (macOS).</extracomment>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The file dialog's Type column for an entry of no known kind.</extracomment>
        <translation>Desconhecido</translation>
    </message>
</context>
</TS>
