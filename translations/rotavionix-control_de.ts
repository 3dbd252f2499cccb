<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Helicopter control unit setup</source>
        <translation>Einstellung der Hubschrauber-Steuereinheit</translation>
    </message>
    <message>
        <source>Edit, keep and send the parameter sets of the Rotavionix unit</source>
        <translation>Parametersätze der Rotavionix-Einheit bearbeiten, aufbewahren und senden</translation>
    </message>
    <message>
        <source>helicopter;gyro;governor;serial;</source>
        <translation>Hubschrauber;Kreisel;Regler;seriell;</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Set up the Rotavionix helicopter control unit</source>
        <translation>Die Hubschrauber-Steuereinheit Rotavionix einstellen</translation>
    </message>
</context>
<context>
    <name>rv::AboutDialog</name>
    <message>
        <source>About Rotavionix Control</source>
        <translation>Über Rotavionix Control</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Lizenz: GNU General Public License, Version 3 oder später (GPL-3.0-or-later)</translation>
    </message>
    <message>
        <source>Qt version: %1</source>
        <translation>Qt-Version: %1</translation>
    </message>
    <message>
        <source>Settings file:</source>
        <translation>Einstellungsdatei:</translation>
    </message>
    <message>
        <source>Open the folder of the settings file</source>
        <translation>Ordner der Einstellungsdatei öffnen</translation>
    </message>
    <message>
        <source>Transfer history:</source>
        <translation>Übertragungsverlauf:</translation>
    </message>
    <message>
        <source>Open the transfer history folder</source>
        <translation>Ordner des Übertragungsverlaufs öffnen</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>rv::ChannelGrid</name>
    <message>
        <source>Pitch / Throttle</source>
        <translation>Pitch / Gas</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Heck</translation>
    </message>
    <message>
        <source>Cyclic Pitch  </source>
        <translation>Nick</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Roll</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Extra 1</source>
        <translation>Extra 1</translation>
    </message>
    <message>
        <source>Extra 2</source>
        <translation>Extra 2</translation>
    </message>
    <message>
        <source>Function</source>
        <extracomment>Column heading of the channel page: the function a channel drives.</extracomment>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>Column heading of the channel page: the receiver channel.</extracomment>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>rev.</source>
        <extracomment>Column heading of the channel page: the channel is reversed.</extracomment>
        <translation>rev.</translation>
    </message>
</context>
<context>
    <name>rv::ChannelOptionButton</name>
    <message>
        <source>Double-click or Delete: no channel for this function</source>
        <translation>Doppelklick oder Entf: kein Kanal für diese Funktion</translation>
    </message>
</context>
<context>
    <name>rv::CompareCommands</name>
    <message>
        <source>full</source>
        <translation>vollständig</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>With the Current File</source>
        <translation>Mit der aktuellen Datei</translation>
    </message>
    <message>
        <source>With Another File...</source>
        <translation>Mit einer anderen Datei...</translation>
    </message>
    <message>
        <source>With the Last Transfer</source>
        <translation>Mit der letzten Übertragung</translation>
    </message>
    <message>
        <source>With a Transfer from the History...</source>
        <translation>Mit einer Übertragung aus dem Verlauf...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>No transfer to the Rotavionix has been recorded yet.</source>
        <translation>Es wurde noch keine Übertragung zur Rotavionix aufgezeichnet.</translation>
    </message>
    <message>
        <source>Skipped:</source>
        <translation>Übersprungen:</translation>
    </message>
    <message>
        <source>Transfers to the Rotavionix</source>
        <translation>Übertragungen zur Rotavionix</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Übertragung</translation>
    </message>
    <message>
        <source>Transfer of %1 on %2 at %3</source>
        <translation>Übertragung von %1 am %2 um %3</translation>
    </message>
    <message numerus="yes">
        <source>partial, %1 of %n blocks</source>
        <translation>
            <numerusform>unvollständig, %1 von %n Block</numerusform>
            <numerusform>unvollständig, %1 von %n Blöcken</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rv::CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Als Text kopieren</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Dashed: %1; solid: the window</source>
        <translation>Gestrichelt: %1; durchgezogen: das Fenster</translation>
    </message>
</context>
<context>
    <name>rv::ControllerPage</name>
    <message>
        <source>Expert Mode</source>
        <translation>Expertenmodus</translation>
    </message>
    <message>
        <source>Gyro Reverse</source>
        <translation>Kreisel Umkehr</translation>
    </message>
    <message>
        <source>System Setup</source>
        <translation>System Einstellungen</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>Drehzahl</translation>
    </message>
    <message>
        <source>Gyro Settings</source>
        <translation>Kreisel Einstellungen</translation>
    </message>
    <message>
        <source>Tail Setup</source>
        <translation>Heck Einstellungen</translation>
    </message>
    <message>
        <source>Heading Lock Settings</source>
        <translation>Heading Lock Einstellungen</translation>
    </message>
</context>
<context>
    <name>rv::CurveDisplay</name>
    <message>
        <source>Transmitter Stick Travel</source>
        <translation>Sender-Knüppelweg</translation>
    </message>
    <message>
        <source>Curve:</source>
        <translation>Kurve:</translation>
    </message>
    <message>
        <source>Cursor:</source>
        <translation>Mauszeiger:</translation>
    </message>
</context>
<context>
    <name>rv::CurvePointRow</name>
    <message>
        <source>&quot;%1&quot; is not a number; nothing written.</source>
        <translation>„%1“ ist keine Zahl; nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is outside %2..%3; nothing written.</source>
        <translation>%1 liegt außerhalb von %2..%3; nichts geschrieben.</translation>
    </message>
    <message>
        <source>Points 0, 5 and 10 cannot be removed.</source>
        <translation>Die Punkte 0, 5 und 10 können nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Point 0 of the hover throttle curve stays at -100.</source>
        <translation>Punkt 0 der Gas-Kurve im Schwebeflug bleibt bei -100.</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Punkt %1</translation>
    </message>
</context>
<context>
    <name>rv::CurveSelectionFrame</name>
    <message>
        <source>Curve selection</source>
        <translation>Kurvenauswahl</translation>
    </message>
    <message>
        <source>Throttle Curve </source>
        <translation>Gas-Kurve</translation>
    </message>
    <message>
        <source>Tail Curve</source>
        <translation>Heck-Kurve</translation>
    </message>
    <message>
        <source>Pitch Curve</source>
        <translation>Pitch-Kurve</translation>
    </message>
    <message>
        <source>Throttle Curve</source>
        <translation>Gas-Kurve</translation>
    </message>
    <message>
        <source>Cyclic Pitch Curve</source>
        <translation>Nick-Kurve</translation>
    </message>
    <message>
        <source>Roll Curve</source>
        <translation>Roll-Kurve</translation>
    </message>
</context>
<context>
    <name>rv::CurveToolButton</name>
    <message>
        <source>Curve tools</source>
        <translation>Kurvenwerkzeuge</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Flat...</source>
        <translation>Waagrecht...</translation>
    </message>
    <message>
        <source>V (idle-up throttle)...</source>
        <translation>V (Gas für Idle-up)...</translation>
    </message>
    <message>
        <source>Expo...</source>
        <translation>Expo...</translation>
    </message>
    <message>
        <source>Mirror around the middle</source>
        <translation>An der Mitte spiegeln</translation>
    </message>
    <message>
        <source>Shift up</source>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>Shift down</source>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <source>Copy hover curve to acro</source>
        <translation>Schwebe-Kurve nach Akro kopieren</translation>
    </message>
    <message>
        <source>Copy acro curve to hover</source>
        <translation>Akro-Kurve nach Schweben kopieren</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; nothing written.</source>
        <translation>„%1“ ist keine Zahl; nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is outside %2..%3; nothing written.</source>
        <translation>%1 liegt außerhalb von %2..%3; nichts geschrieben.</translation>
    </message>
    <message>
        <source>Value of every point (%1..%2):</source>
        <translation>Wert aller Punkte (%1..%2):</translation>
    </message>
    <message>
        <source>Lowest value of the V, at the middle (%1..%2):</source>
        <translation>Tiefster Wert des V, in der Mitte (%1..%2):</translation>
    </message>
    <message>
        <source>Expo strength in percent (-100..100; above 0 softer, below 0 sharper at the centre):</source>
        <translation>Expo-Stärke in Prozent (-100..100; über 0 weicher, unter 0 spitzer um die Mitte):</translation>
    </message>
</context>
<context>
    <name>rv::DeviceCommands</name>
    <message>
        <source>Sending to the Rotavionix: block %1 of %2</source>
        <translation>Übertragung zur Rotavionix: Block %1 von %2</translation>
    </message>
    <message>
        <source>The values in the window have changed since the last transfer to the Rotavionix. Storing now keeps what the Rotavionix received, not what the window shows.</source>
        <translation>Die Werte im Fenster wurden seit der letzten Übertragung zur Rotavionix geändert. Jetzt speichern behält, was die Rotavionix empfangen hat, nicht, was das Fenster zeigt.</translation>
    </message>
    <message>
        <source>Send, then store</source>
        <translation>Übertragen, dann speichern</translation>
    </message>
    <message>
        <source>Store only</source>
        <translation>Nur speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Nothing was sent to the Rotavionix.</source>
        <translation>Nichts wurde zur Rotavionix übertragen.</translation>
    </message>
    <message>
        <source>All data sent to the Rotavionix.</source>
        <translation>Alle Daten wurden zur Rotavionix übertragen.</translation>
    </message>
    <message>
        <source>Saving the data in the Rotavionix...</source>
        <translation>Daten werden in der Rotavionix gespeichert...</translation>
    </message>
    <message>
        <source>Store command sent to the Rotavionix.</source>
        <translation>Speicherbefehl zur Rotavionix gesendet.</translation>
    </message>
    <message>
        <source>Only part of the data reached the Rotavionix. Send it again before saving it in the Rotavionix.</source>
        <translation>Nur ein Teil der Daten hat die Rotavionix erreicht. Vor dem Speichern in der Rotavionix erneut übertragen.</translation>
    </message>
</context>
<context>
    <name>rv::DifferenceText</name>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>reversed</source>
        <translation>umgekehrt</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>nicht gesetzt</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>(byte %1)</source>
        <translation>(Byte %1)</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>point %1: %2</source>
        <translation>Punkt %1: %2</translation>
    </message>
    <message>
        <source>Reserved byte</source>
        <translation>Reserviertes Byte</translation>
    </message>
    <message>
        <source>Reserved text, byte %1</source>
        <translation>Reservierter Text, Byte %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Curves</source>
        <translation>Kurven</translation>
    </message>
    <message>
        <source>Channel assignment</source>
        <translation>Kanalzuordnung</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Bytes the window does not show</source>
        <translation>Bytes, die das Fenster nicht zeigt</translation>
    </message>
    <message>
        <source>%1 compared with the window</source>
        <translation>%1 verglichen mit dem Fenster</translation>
    </message>
    <message>
        <source>%1 and the window hold the same values.</source>
        <translation>%1 und das Fenster enthalten dieselben Werte.</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Datei %1</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
</context>
<context>
    <name>rv::FileCommands</name>
    <message>
        <source>Byte %1 of the parameter set holds %2, which no setting of this program stands for.</source>
        <translation>Byte %1 des Parametersatzes enthält %2; dafür gibt es in diesem Programm keine Einstellung.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 no longer exists. It has been removed from the recent files.</source>
        <translation>%1 existiert nicht mehr und wurde aus der Liste der zuletzt benutzten Dateien entfernt.</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existiert bereits. Soll die Datei ersetzt werden?</translation>
    </message>
</context>
<context>
    <name>rv::FlightPhasePanel</name>
    <message>
        <source>Flight Phase</source>
        <translation>Flugphase</translation>
    </message>
    <message>
        <source>Hover</source>
        <translation>Schweben</translation>
    </message>
    <message>
        <source>Acro</source>
        <translation>Akro</translation>
    </message>
    <message>
        <source>Switch Times:</source>
        <translation>Umschaltzeiten:</translation>
    </message>
    <message>
        <source>Hover -&gt; Acro</source>
        <translation>Schweben -&gt; Akro</translation>
    </message>
    <message>
        <source>Acro -&gt; Hover</source>
        <translation>Akro -&gt; Schweben</translation>
    </message>
    <message>
        <source>sec.</source>
        <extracomment>Seconds, after a switch time.</extracomment>
        <translation>sec.</translation>
    </message>
</context>
<context>
    <name>rv::GeneralPage</name>
    <message>
        <source>Comments: (max. 1000 characters)</source>
        <translation>Kommentar: (max. 1000 Zeichen)</translation>
    </message>
</context>
<context>
    <name>rv::GovernorSpeedRows</name>
    <message>
        <source>Hover</source>
        <translation>Schweben</translation>
    </message>
    <message>
        <source>Acro</source>
        <translation>Akro</translation>
    </message>
    <message>
        <source>rpm</source>
        <extracomment>The unit beside a governor speed (revolutions per minute).</extracomment>
        <translation>U/min.</translation>
    </message>
</context>
<context>
    <name>rv::MainWindow</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Als PDF exportieren…</translation>
    </message>
    <message>
        <source>%1 was not found. It was looked for in:</source>
        <translation>%1 wurde nicht gefunden. Gesucht wurde in:</translation>
    </message>
    <message>
        <source>The manuals come with the Rotavionix; put the one for your language into one of these folders.</source>
        <translation>Die Handbücher liegen der Rotavionix bei; legen Sie das für Ihre Sprache in einen dieser Ordner.</translation>
    </message>
    <message>
        <source>Rotavionix manual</source>
        <translation>Rotavionix-Handbuch</translation>
    </message>
    <message>
        <source>About Rotavionix Control</source>
        <translation>Über Rotavionix Control</translation>
    </message>
    <message>
        <source>General Setup Values</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Rotavionix Configuration</source>
        <translation>Rotavionix Konfiguration</translation>
    </message>
    <message>
        <source>Channel Allocation</source>
        <translation>Kanalzuordungen</translation>
    </message>
    <message>
        <source>Controller Setup Values</source>
        <translation>Regler Einstellungen</translation>
    </message>
    <message>
        <source>Rotavionix Control Parameter Files (*.rvc) |  *.rvc</source>
        <translation>Rotavionix Control Parameterdateien (*.rvc) |  *.rvc</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Sprache, Language, Langue</source>
        <translation>Sprache, Language, Langue</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Send data to Rotavionix</source>
        <translation>Daten zur Rotavionix übertragen</translation>
    </message>
    <message>
        <source>Save data in Rotavionix</source>
        <translation>Übertragene Daten in Rotavionix speichern</translation>
    </message>
</context>
<context>
    <name>rv::MessageTexts</name>
    <message>
        <source>Rotavionix Control</source>
        <translation>Rotavionix Control </translation>
    </message>
    <message>
        <source>Transfer channel table?</source>
        <translation>Kanalzuordnungen mit übertragen?</translation>
    </message>
    <message>
        <source>Cannot open port.</source>
        <translation>Port konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot open file.</source>
        <translation>Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Changes not saved yet. Quit anyway?</source>
        <translation>Änderungen sind noch nicht gespeichert. Dennoch beenden?</translation>
    </message>
    <message>
        <source>Changes not saved yet. Save first?</source>
        <translation>Änderungen sind noch nicht gespeichert. Erst speichern?</translation>
    </message>
</context>
<context>
    <name>rv::ParameterFile</name>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>This is a device, a pipe or a socket, not a file.</source>
        <translation>Das ist ein Gerät, eine Pipe oder ein Socket, keine Datei.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
</context>
<context>
    <name>rv::PortSelection</name>
    <message>
        <source>No serial device found for this port.</source>
        <translation>Für diesen Port wurde keine serielle Schnittstelle gefunden.</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (nicht angeschlossen)</translation>
    </message>
    <message>
        <source>%1 is not connected.</source>
        <translation>%1 ist nicht angeschlossen.</translation>
    </message>
</context>
<context>
    <name>rv::PresetPanel</name>
    <message>
        <source>Preselection</source>
        <translation>Vorwahl</translation>
    </message>
</context>
<context>
    <name>rv::RangeWarning</name>
    <message>
        <source>%1, point %2: %3</source>
        <translation>%1, Punkt %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>These values lie outside what the Rotavionix expects:</source>
        <translation>Diese Werte liegen außerhalb dessen, was die Rotavionix erwartet:</translation>
    </message>
    <message>
        <source>Send them anyway?</source>
        <translation>Trotzdem übertragen?</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... und %n weiterer</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rv::SerialLink</name>
    <message>
        <source>The port is in use.</source>
        <translation>Der Port wird bereits benutzt.</translation>
    </message>
    <message>
        <source>No serial device found for Com%1.</source>
        <translation>Für Com%1 wurde keine serielle Schnittstelle gefunden.</translation>
    </message>
    <message>
        <source>No permission to use the device. Join the group that owns it (usually &quot;dialout&quot;) and log in again.</source>
        <translation>Keine Berechtigung für das Gerät. Treten Sie der Gruppe bei, der es gehört (meist „dialout“), und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>The device is in use by another program. Close that program and try again.</source>
        <translation>Das Gerät wird von einem anderen Programm benutzt. Schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The port is not open.</source>
        <translation>Der Port ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The device did not take the data.</source>
        <translation>Das Gerät hat die Daten nicht angenommen.</translation>
    </message>
    <message>
        <source>The serial link broke.</source>
        <translation>Die serielle Verbindung ist abgebrochen.</translation>
    </message>
    <message>
        <source>No serial device found for this port.</source>
        <translation>Für diesen Port wurde keine serielle Schnittstelle gefunden.</translation>
    </message>
</context>
<context>
    <name>rv::SetupPage</name>
    <message>
        <source>COM Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Heli Type</source>
        <translation>Heli Typ</translation>
    </message>
    <message>
        <source>RPM controlled</source>
        <translation>Drehzahlgesteuert</translation>
    </message>
    <message>
        <source>Pitch controlled</source>
        <translation>Pitchgesteuert</translation>
    </message>
    <message>
        <source>Main Motor Setup</source>
        <translation>Hauptmotor</translation>
    </message>
    <message>
        <source>Throttle Curve</source>
        <translation>Gas-Kurve</translation>
    </message>
    <message>
        <source>Governor</source>
        <translation>Drehzahlregler</translation>
    </message>
    <message>
        <source>Main signal</source>
        <translation>Hauptsignal</translation>
    </message>
    <message>
        <source>Power Board RV</source>
        <translation>Power Board RV</translation>
    </message>
    <message>
        <source>Servo / Controller</source>
        <translation>Servo / Regler</translation>
    </message>
    <message>
        <source>Tail Motor signal</source>
        <translation>Heckmotor Signal</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Regler</translation>
    </message>
    <message>
        <source>Combo Tail</source>
        <translation>Kombiheck</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Tail Beep</source>
        <translation>Heck Piepton</translation>
    </message>
    <message>
        <source>Swashplate Setup</source>
        <translation>Taumelscheibe</translation>
    </message>
    <message>
        <source>Coll.Pitch, Cyc.Pitch, Roll</source>
        <translation>Pitch, Nick, Roll</translation>
    </message>
    <message>
        <source>Servo Reverse</source>
        <translation>Servo Umkehr</translation>
    </message>
    <message>
        <source>Servo 1</source>
        <translation>Servo 1</translation>
    </message>
    <message>
        <source>Servo 2</source>
        <translation>Servo 2</translation>
    </message>
    <message>
        <source>Servo 3</source>
        <translation>Servo 3</translation>
    </message>
    <message>
        <source>Flash Frequency (Timed in milliseconds)</source>
        <translation>Blitzfrequenz (Zeiten in Millisekunden)</translation>
    </message>
    <message>
        <source>Tail Servo</source>
        <translation>Heckservo</translation>
    </message>
</context>
<context>
    <name>rv::SetupText</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The file is too large for a setup text.</source>
        <translation>Die Datei ist zu groß für einen Setup-Text.</translation>
    </message>
    <message>
        <source>expected a channel 1 to 9 or &quot;none&quot;, followed by &quot;reversed&quot; if reversed</source>
        <translation>erwartet: ein Kanal 1 bis 9 oder &quot;none&quot;, bei Umkehr gefolgt von &quot;reversed&quot;</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>erwartet: %1</translation>
    </message>
    <message>
        <source>expected 11 points, each a whole number or &quot;-&quot; for a removed point</source>
        <translation>erwartet: 11 Punkte, jeder eine ganze Zahl oder &quot;-&quot; für einen entfernten Punkt</translation>
    </message>
    <message>
        <source>expected one byte in hex, such as 0x1F</source>
        <translation>erwartet: ein Byte hexadezimal, etwa 0x1F</translation>
    </message>
    <message>
        <source>expected %1 bytes in hex</source>
        <translation>erwartet: %1 Bytes hexadezimal</translation>
    </message>
    <message>
        <source>unknown escape &quot;%1&quot;</source>
        <translation>unbekannte Escape-Folge &quot;%1&quot;</translation>
    </message>
    <message>
        <source>expected &quot;key = value&quot;</source>
        <translation>erwartet: &quot;Schlüssel = Wert&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice, first in line %2</source>
        <translation>&quot;%1&quot; steht zweimal da, zuerst in Zeile %2</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>unbekannter Schlüssel &quot;%1&quot;</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>fehlt: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be stored in a parameter file</source>
        <translation>&quot;%1&quot; kann in einer Parameterdatei nicht gespeichert werden</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text</source>
        <translation>die Zeile ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>%1 is not a value of this curve; %2 or %3</source>
        <translation>%1 ist kein Wert dieser Kurve; %2 oder %3</translation>
    </message>
    <message>
        <source>expected &quot;version = 2&quot; or &quot;version = 1&quot; as the first setting</source>
        <translation>erwartet: &quot;version = 2&quot; oder &quot;version = 1&quot; als erste Einstellung</translation>
    </message>
    <message numerus="yes">
        <source>the comment has %n characters, but at most %1 fit</source>
        <translation>
            <numerusform>der Kommentar hat %n Zeichen, es passen aber höchstens %1</numerusform>
            <numerusform>der Kommentar hat %n Zeichen, es passen aber höchstens %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rv::SheetCommands</name>
    <message>
        <source>The setup sheet could not be printed.</source>
        <translation>Das Einstellblatt konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf) | *.pdf</source>
        <translation>PDF-Dokumente (*.pdf) | *.pdf</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existiert bereits. Soll die Datei ersetzt werden?</translation>
    </message>
</context>
<context>
    <name>rv::SheetText</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Unset</source>
        <translation>Nicht gesetzt</translation>
    </message>
    <message>
        <source>reversed</source>
        <translation>umgekehrt</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>(byte %1)</source>
        <translation>(Byte %1)</translation>
    </message>
    <message>
        <source>Setup sheet</source>
        <translation>Einstellblatt</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Changes not saved in the file</source>
        <translation>Änderungen nicht in der Datei gespeichert</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Curves</source>
        <translation>Kurven</translation>
    </message>
</context>
<context>
    <name>rv::SliderRow</name>
    <message>
        <source>Soft Start</source>
        <translation>Sanftanlauf</translation>
    </message>
    <message>
        <source>System Gain</source>
        <translation>System Verstärkung</translation>
    </message>
    <message>
        <source>Tail Gain</source>
        <translation>Heck Verstärkung</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Empfindlichkeit</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensität</translation>
    </message>
    <message>
        <source>Load Change Effect</source>
        <translation>Lastwechsel Wirkung</translation>
    </message>
    <message>
        <source>Load Change Duration</source>
        <translation>Lastwechsel Dauer</translation>
    </message>
    <message>
        <source>Standard Mode Sensitivity</source>
        <translation>Empfindlichkeit Normalmodus</translation>
    </message>
    <message>
        <source>Dynamic Gyro Comp.</source>
        <translation>Dyn. Kreiselkompensation</translation>
    </message>
    <message>
        <source>Dyn. Gyro Holding Time</source>
        <translation>Dyn. Kreisel Haltezeit</translation>
    </message>
    <message>
        <source>Tail Mixing</source>
        <translation>Heckmischung</translation>
    </message>
    <message>
        <source>Dynamic Compensation</source>
        <translation>Dynamische Kompensation</translation>
    </message>
    <message>
        <source>Dynamic Holding Comp.</source>
        <translation>Dyn. Haltekompensation</translation>
    </message>
    <message>
        <source>Combi Tail Mean Value</source>
        <translation>Kombiheck Mittenwert</translation>
    </message>
    <message>
        <source>Pitch Add On</source>
        <translation>Pitch Zumischung</translation>
    </message>
    <message>
        <source>Heading Lock Sensitivity</source>
        <translation>Heading Lock Empfindlichkeit</translation>
    </message>
    <message>
        <source>Heading Lock Mixing</source>
        <translation>Heading Lock Mischung</translation>
    </message>
    <message>
        <source>Heading Lock Fade Out</source>
        <translation>Heading Lock Ausblendung</translation>
    </message>
    <message>
        <source>Holding Angle</source>
        <translation>Haltewinkel</translation>
    </message>
    <message>
        <source>ON 1</source>
        <translation>EIN 1</translation>
    </message>
    <message>
        <source>OFF 1</source>
        <translation>AUS 1</translation>
    </message>
    <message>
        <source>ON 2</source>
        <translation>EIN 2</translation>
    </message>
    <message>
        <source>OFF 2</source>
        <translation>AUS 2</translation>
    </message>
    <message>
        <source>Dual rate</source>
        <translation>Dual Rate</translation>
    </message>
    <message>
        <source>Collective Pitch Part </source>
        <translation>Pitch Anteil (kollektiv)</translation>
    </message>
    <message>
        <source>Cyclic Pitch / Roll Part</source>
        <translation>Nick / Roll Anteil (zyklisch)</translation>
    </message>
</context>
<context>
    <name>rv::SliderValueLabel</name>
    <message>
        <source>Double-click: back to the value of the last load or save</source>
        <translation>Doppelklick: zurück zum Wert beim letzten Laden oder Speichern</translation>
    </message>
</context>
<context>
    <name>rv::StartupArguments</name>
    <message>
        <source>Try &quot;%1 --help&quot;.</source>
        <translation>Mehr dazu mit „%1 --help“.</translation>
    </message>
    <message>
        <source>Rotavionix Control: edit, keep and send the parameter sets of the Rotavionix helicopter control unit.</source>
        <translation>Rotavionix Control: die Parametersätze der Hubschrauber-Steuereinheit Rotavionix bearbeiten, aufbewahren und übertragen.</translation>
    </message>
    <message>
        <source>A parameter file (.rvc) to open instead of the file opened last.</source>
        <translation>Eine Parameterdatei (.rvc), die statt der zuletzt geöffneten Datei geöffnet wird.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and the licence and end.</source>
        <translation>Version und Lizenz zeigen und beenden.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [FILE]</source>
        <extracomment>The first line of --help: keep [FILE], the name the lines below give the argument.</extracomment>
        <translation>Aufruf: %1 [Optionen] [FILE]</translation>
    </message>
    <message>
        <source>only one file can be opened at a time.</source>
        <translation>es kann nur eine Datei auf einmal geöffnet werden.</translation>
    </message>
    <message>
        <source>the file name is empty.</source>
        <translation>der Dateiname ist leer.</translation>
    </message>
    <message>
        <source>Rotavionix Control needs a graphical desktop, and this session has no display (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>Rotavionix Control braucht einen grafischen Desktop, und diese Sitzung hat keine Anzeige (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).</translation>
    </message>
</context>
<context>
    <name>rv::TextFormCommands</name>
    <message>
        <source>Setup texts (*.txt)</source>
        <translation>Setup-Texte (*.txt)</translation>
    </message>
    <message>
        <source>Export as text</source>
        <translation>Als Text exportieren</translation>
    </message>
    <message>
        <source>Import text</source>
        <translation>Text importieren</translation>
    </message>
    <message>
        <source>The text was not imported: it has bad lines.</source>
        <translation>Der Text wurde nicht importiert: er enthält fehlerhafte Zeilen.</translation>
    </message>
</context>
<context>
    <name>rv::TransferHistory</name>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>This is not an entry of the transfer history.</source>
        <translation>Dies ist kein Eintrag des Übertragungsverlaufs.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n bytes, not the %1 of a parameter file.</source>
        <translation>
            <numerusform>Die Datei enthält %n Byte, nicht die %1 einer Parameterdatei.</numerusform>
            <numerusform>Die Datei enthält %n Bytes, nicht die %1 einer Parameterdatei.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rv::TransferSession</name>
    <message>
        <source>The transfer history could not be written: %1</source>
        <translation>Der Übertragungsverlauf konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>rv::TypedValueField</name>
    <message>
        <source>Enter or F2: type the value</source>
        <translation>Enter oder F2: Wert eintippen</translation>
    </message>
    <message>
        <source>Value of %1</source>
        <translation>Wert von %1</translation>
    </message>
    <message>
        <source>Type a value from %1 to %2.</source>
        <translation>Einen Wert von %1 bis %2 eingeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
</context>
<context>
    <name>rv::UnitStateLabel</name>
    <message>
        <source>no file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>Only part of %1 reached the Rotavionix (%2)</source>
        <translation>Nur ein Teil von %1 hat die Rotavionix erreicht (%2)</translation>
    </message>
    <message>
        <source>Changed since the last transfer to the Rotavionix (%1, %2)</source>
        <translation>Geändert seit der letzten Übertragung zur Rotavionix (%1, %2)</translation>
    </message>
    <message>
        <source>Rotavionix: %1, sent at %2</source>
        <translation>Rotavionix: %1, übertragen um %2</translation>
    </message>
</context>
<context>
    <name>rv::ValueEditor</name>
    <message>
        <source>%1 is outside 0..255; nothing written.</source>
        <translation>%1 liegt außerhalb von 0..255; nichts geschrieben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; nothing written.</source>
        <translation>„%1“ ist keine Zahl; nichts geschrieben.</translation>
    </message>
    <message>
        <source>P%1 = %2 written.</source>
        <translation>P%1 = %2 geschrieben.</translation>
    </message>
</context>
<context>
    <name>rv::VersionText</name>
    <message>
        <source>License GPL-3.0-or-later: GNU General Public License, version 3 or later &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Lizenz GPL-3.0-or-later: GNU General Public License, Version 3 oder neuer &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
Dies ist freie Software: Sie dürfen sie ändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</translation>
    </message>
</context>
<context>
    <name>rv::cli</name>
    <message>
        <source>Commands:
  show FILE                  the setup of a parameter file as text
  diff A B                   the differences by key; exit status 1 when they differ
  to-text FILE [-o TEXT]     the text form, to standard output or a file
  from-text TEXT -o FILE     a parameter file from a text
  send FILE --port PORT      send to the Rotavionix as the window does after opening FILE
  send FILE --dry-run        the bytes send would put on the line, with a line
                             &quot;# pause 100 ms&quot; after each block; no port needed
  store --port PORT          tell the Rotavionix to keep what it received

PORT is a device (/dev/ttyUSB0) or Com1 to Com16 as the program&apos;s settings name them.
Exit status: 0 done, 1 diff found differences, 2 a file or the port failed
(one line on standard error names it and the reason).</source>
        <extracomment>The command list of --help: keep the command and option names and the &quot;# pause 100 ms&quot; line.</extracomment>
        <translation>Befehle:
  show FILE                  die Einstellungen einer Parameterdatei als Text
  diff A B                   die Unterschiede nach Schlüssel; Exit-Status 1, wenn es welche gibt
  to-text FILE [-o TEXT]     die Textform, auf die Standardausgabe oder in eine Datei
  from-text TEXT -o FILE     eine Parameterdatei aus einem Text
  send FILE --port PORT      zur Rotavionix übertragen, wie das Fenster nach dem Öffnen von FILE
  send FILE --dry-run        die Bytes, die send auf die Leitung gäbe, nach jedem Block eine Zeile
                             &quot;# pause 100 ms&quot;; kein Port nötig
  store --port PORT          die Rotavionix das Empfangene speichern lassen

PORT ist ein Gerät (/dev/ttyUSB0) oder Com1 bis Com16, wie die Einstellungen des Programms sie nennen.
Exit-Status: 0 erledigt, 1 diff hat Unterschiede gefunden, 2 eine Datei oder der Port ist gescheitert
(eine Zeile auf der Standardfehlerausgabe nennt sie und den Grund).</translation>
    </message>
    <message>
        <source> (see rotavionix-cli --help)</source>
        <translation> (siehe rotavionix-cli --help)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>wrong use of &quot;%1&quot;</source>
        <translation>falsche Verwendung von „%1“</translation>
    </message>
    <message>
        <source>Rotavionix Control on the command line: show, compare and convert parameter files, send them to the Rotavionix.</source>
        <translation>Rotavionix Control auf der Kommandozeile: Parameterdateien zeigen, vergleichen und umwandeln, zur Rotavionix übertragen.</translation>
    </message>
    <message>
        <source>See Commands.</source>
        <translation>Siehe Befehle.</translation>
    </message>
    <message>
        <source>Write to FILE.</source>
        <translation>In FILE schreiben.</translation>
    </message>
    <message>
        <source>The serial port.</source>
        <translation>Die serielle Schnittstelle.</translation>
    </message>
    <message>
        <source>Send without the channel table (the window&apos;s &quot;No&quot;).</source>
        <translation>Ohne die Kanalzuordnungen übertragen (das „Nein“ des Fensters).</translation>
    </message>
    <message>
        <source>Show what send would send; open no port.</source>
        <translation>Zeigen, was send übertragen würde; keinen Port öffnen.</translation>
    </message>
    <message>
        <source>Send values the Rotavionix does not expect (the window asks first).</source>
        <translation>Werte übertragen, die die Rotavionix nicht erwartet (das Fenster fragt vorher).</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>is the input file; nothing written</source>
        <translation>ist die Eingabedatei; nichts geschrieben</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and the licence and end.</source>
        <translation>Version und Lizenz zeigen und beenden.</translation>
    </message>
    <message>
        <source>Sent block %1 of %2</source>
        <translation>Block %1 von %2 übertragen</translation>
    </message>
    <message numerus="yes">
        <source>%n values lie outside what the Rotavionix expects; the window asks before sending them, --send-out-of-range sends them anyway.</source>
        <translation>
            <numerusform>%n Wert liegt außerhalb dessen, was die Rotavionix erwartet; das Fenster fragt vor dem Übertragen, --send-out-of-range überträgt ihn trotzdem.</numerusform>
            <numerusform>%n Werte liegen außerhalb dessen, was die Rotavionix erwartet; das Fenster fragt vor dem Übertragen, --send-out-of-range überträgt sie trotzdem.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %1 of %n blocks reached the Rotavionix. Send again before storing.</source>
        <translation>
            <numerusform>Bei der Rotavionix angekommen: nur %1 von %n Block. Vor dem Speichern erneut übertragen.</numerusform>
            <numerusform>Bei der Rotavionix angekommen: nur %1 von %n Blöcken. Vor dem Speichern erneut übertragen.</numerusform>
        </translation>
    </message>
    <message>
        <source>All data sent to the Rotavionix.</source>
        <translation>Alle Daten wurden zur Rotavionix übertragen.</translation>
    </message>
    <message>
        <source>Store command sent to the Rotavionix.</source>
        <translation>Speicherbefehl zur Rotavionix gesendet.</translation>
    </message>
</context>
</TS>
