<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <extracomment>varnel --help: the description of --help.</extracomment>
        <translation>Muestra la ayuda de las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <extracomment>varnel --help: the description of --help-all.</extracomment>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <extracomment>The file dialog's Type column for a folder (Linux).</extracomment>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>File Folder</source>
        <extracomment>The file dialog's Type column for a folder (Windows).</extracomment>
        <translation>Carpeta de archivos</translation>
    </message>
    <message>
        <source>Drive</source>
        <extracomment>The file dialog's Type column for a drive.</extracomment>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The file dialog's Type column for a file of no known type.</extracomment>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <extracomment>The file dialog's Type column for a symbolic link.</extracomment>
        <translation>Acceso directo</translation>
    </message>
    <message>
        <source>Alias</source>
        <extracomment>The file dialog's Type column for an alias (macOS).</extracomment>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The file dialog's Type column for an entry of no known kind.</extracomment>
        <translation>Desconocido</translation>
    </message>
</context>
</TS>
