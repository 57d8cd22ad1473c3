<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>zav</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>unknown argument %1</source>
        <translation>unbekanntes Argument %1</translation>
    </message>
    <message>
        <source>not every byte was written</source>
        <translation>nicht alle Bytes wurden geschrieben</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>kein Dateiname</translation>
    </message>
    <message>
        <source>this is a folder</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>Cannot load the library %1 from %2 (%3).</source>
        <translation>Die Bibliothek %1 kann nicht aus %2 geladen werden (%3).</translation>
    </message>
    <message>
        <source>The library %1 lacks the call(s) %2.</source>
        <translation>Der Bibliothek %1 fehlen die Aufrufe %2.</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>bereit</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>Gerät nicht vorhanden</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>kein serielles Gerät</translation>
    </message>
    <message>
        <source>permission denied: add your user to the group `%1` and log in again</source>
        <translation>Zugriff verweigert: Benutzer zur Gruppe `%1` hinzufügen und neu anmelden</translation>
    </message>
    <message>
        <source>permission denied: only `%1` may open it; ask the administrator to give it to a group such as `dialout`</source>
        <translation>Zugriff verweigert: nur `%1` darf es öffnen; bitten Sie den Administrator, es einer Gruppe wie `dialout` zu geben</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>kein Gerät</translation>
    </message>
    <message>
        <source>no serial port is chosen yet</source>
        <translation>noch keine serielle Schnittstelle gewählt</translation>
    </message>
    <message>
        <source>FTDI USB adaptor (ftdi_sio)</source>
        <translation>FTDI-USB-Adapter (ftdi_sio)</translation>
    </message>
    <message>
        <source>USB CDC device (cdc_acm)</source>
        <translation>USB-CDC-Gerät (cdc_acm)</translation>
    </message>
    <message>
        <source>Silicon Labs USB adaptor (cp210x)</source>
        <translation>Silicon-Labs-USB-Adapter (cp210x)</translation>
    </message>
    <message>
        <source>serial port</source>
        <translation>serielle Schnittstelle</translation>
    </message>
    <message>
        <source>, in </source>
        <translation>, in </translation>
    </message>
    <message>
        <source>Looked for %1 in %2.</source>
        <translation>%1 wurde in %2 gesucht.</translation>
    </message>
    <message>
        <source> and in </source>
        <translation> und in </translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a RAM-utility file.</source>
        <translation>%1 ist ein Ordner, keine RAM-Utility-Datei.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine normale Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 is a stand-in image that only the simulator runs, and %2 is not a simulated port, so nothing was sent. Put the maker&apos;s RAM-utility file in %3.</source>
        <translation>%1 ist ein Ersatzabbild, das nur der Simulator ausführt, und %2 ist kein simulierter Port; daher wurde nichts gesendet. Legen Sie die RAM-Utility-Datei des Herstellers in %3 ab.</translation>
    </message>
    <message>
        <source> or in </source>
        <translation> oder in </translation>
    </message>
    <message>
        <source>Run aborted: %1</source>
        <translation>Lauf abgebrochen: %1</translation>
    </message>
    <message>
        <source>Run cancelled by the engineer</source>
        <translation>Lauf vom Techniker abgebrochen</translation>
    </message>
    <message>
        <source>Run aborted before the tests: %1</source>
        <translation>Lauf vor den Tests abgebrochen: %1</translation>
    </message>
    <message>
        <source>Service report</source>
        <translation>Servicebericht</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>The results reached before the stop are shown; tests not reached show “%1”.</source>
        <translation>Gezeigt werden die Ergebnisse bis zum Abbruch; nicht erreichte Tests zeigen „%1“.</translation>
    </message>
    <message>
        <source>Mechanics</source>
        <translation>Mechanik</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Grenzwerte</translation>
    </message>
    <message>
        <source>Paper-less test</source>
        <translation>Test ohne Papier</translation>
    </message>
    <message>
        <source>Green-paper test</source>
        <translation>Test mit Grünpapier</translation>
    </message>
    <message>
        <source>Sensor table</source>
        <translation>Sensortabelle</translation>
    </message>
    <message>
        <source>a report file name ends in .pdf or .html</source>
        <translation>ein Berichtsdateiname endet auf .pdf oder .html</translation>
    </message>
    <message>
        <source>RAM utility download</source>
        <translation>Laden des RAM-Utility</translation>
    </message>
    <message>
        <source>Report…</source>
        <translation>Bericht…</translation>
    </message>
    <message>
        <source>Save test data</source>
        <translation>Testdaten speichern</translation>
    </message>
    <message>
        <source>Save service report</source>
        <translation>Servicebericht speichern</translation>
    </message>
    <message>
        <source>--port and --simulate do not go together</source>
        <translation>--port und --simulate passen nicht zusammen</translation>
    </message>
    <message>
        <source>--fault and --paper-delay need --simulate</source>
        <translation>--fault und --paper-delay brauchen --simulate</translation>
    </message>
    <message>
        <source>the port number must be 1 to %1</source>
        <translation>die Portnummer muss 1 bis %1 sein</translation>
    </message>
    <message>
        <source>unknown model %1; the simulator knows %2</source>
        <translation>unbekanntes Modell %1; der Simulator kennt %2</translation>
    </message>
    <message>
        <source>the paper delay must be 0 to 600 seconds</source>
        <translation>die Papierverzögerung muss 0 bis 600 Sekunden sein</translation>
    </message>
    <message>
        <source>no serial port is stored in the settings; give --port N or --simulate MODEL</source>
        <translation>in den Einstellungen ist keine serielle Schnittstelle gespeichert; geben Sie --port N oder --simulate MODELL an</translation>
    </message>
    <message>
        <source>COM%1 to COM%2 are all taken; no port is left for the simulator</source>
        <translation>COM%1 bis COM%2 sind alle belegt; für den Simulator ist kein Port frei</translation>
    </message>
    <message>
        <source>the simulator cannot start: %1</source>
        <translation>der Simulator kann nicht starten: %1</translation>
    </message>
    <message>
        <source>Simulated %1 on COM%2 (%3)</source>
        <translation>Simulierter %1 an COM%2 (%3)</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Statuszeile</translation>
    </message>
    <message>
        <source>the port number must be 1 to %1, as the RAM utility&apos;s channel reaches no higher</source>
        <translation>die Portnummer muss 1 bis %1 sein, weiter reicht der Kanal des RAM-Utility nicht</translation>
    </message>
    <message>
        <source>zavdiag %1: the stored port is COM%2; %3</source>
        <translation>zavdiag %1: der gespeicherte Port ist COM%2; %3</translation>
    </message>
    <message>
        <source>Unit %1 with %2 sensors:</source>
        <translation>Gerät %1 mit %2 Sensoren:</translation>
    </message>
    <message>
        <source>Controls: %1. Type help for the commands.</source>
        <translation>Steuerung: %1. Mit help werden die Befehle angezeigt.</translation>
    </message>
    <message>
        <source>zavdiag controls: the unit is not ready for the controls</source>
        <translation>zavdiag controls: das Gerät ist für die Steuerung nicht bereit</translation>
    </message>
    <message>
        <source>drive the unit&apos;s motor, stacker, straightener and bezel, and read its sensors; commands from standard input</source>
        <translation>Motor, Stapler, Glätter und Blende des Geräts steuern und seine Sensoren lesen; Befehle von der Standardeingabe</translation>
    </message>
    <message>
        <source>the motor is running; stop it first</source>
        <translation>der Motor läuft; zuerst anhalten</translation>
    </message>
    <message>
        <source>the motor is not running</source>
        <translation>der Motor läuft nicht</translation>
    </message>
    <message>
        <source>the stacker is running; switch it off first</source>
        <translation>der Stapler läuft; zuerst ausschalten</translation>
    </message>
    <message>
        <source>the stacker is not running</source>
        <translation>der Stapler läuft nicht</translation>
    </message>
    <message>
        <source>the straightener is running; switch it off first</source>
        <translation>der Glätter läuft; zuerst ausschalten</translation>
    </message>
    <message>
        <source>the straightener is not running</source>
        <translation>der Glätter läuft nicht</translation>
    </message>
    <message>
        <source>the bezel is red already</source>
        <translation>die Blende ist schon rot</translation>
    </message>
    <message>
        <source>the bezel is green already</source>
        <translation>die Blende ist schon grün</translation>
    </message>
    <message>
        <source>the bezel is blue already</source>
        <translation>die Blende ist schon blau</translation>
    </message>
    <message>
        <source>the bezel is white already</source>
        <translation>die Blende ist schon weiß</translation>
    </message>
    <message>
        <source>stacker</source>
        <translation>Stapler</translation>
    </message>
    <message>
        <source>straightener</source>
        <translation>Glätter</translation>
    </message>
    <message>
        <source>bezel light</source>
        <translation>Blendenbeleuchtung</translation>
    </message>
    <message>
        <source>such control</source>
        <translation>solche Steuerung</translation>
    </message>
    <message>
        <source>transport motor</source>
        <translation>Transportmotor</translation>
    </message>
    <message>
        <source>note straightener</source>
        <translation>Banknotenglätter</translation>
    </message>
    <message>
        <source>bezel colour</source>
        <translation>Farbe der Blende</translation>
    </message>
    <message>
        <source>live reading of a sensor (name or number)</source>
        <translation>laufende Messung eines Sensors (Name oder Nummer)</translation>
    </message>
    <message>
        <source>stop the reading</source>
        <translation>Messung beenden</translation>
    </message>
    <message>
        <source>let time pass (for scripts)</source>
        <translation>Zeit verstreichen lassen (für Skripte)</translation>
    </message>
    <message>
        <source>leave (also at end of input)</source>
        <translation>beenden (auch am Ende der Eingabe)</translation>
    </message>
    <message>
        <source>zavdiag controls: standard input cannot be read</source>
        <translation>zavdiag controls: die Standardeingabe kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>unpoll: not polling</source>
        <translation>unpoll: es läuft keine Messung</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; type help for the commands</source>
        <translation>unbekannter Befehl &quot;%1&quot;; mit help werden die Befehle angezeigt</translation>
    </message>
    <message>
        <source>%1: this unit has no %2</source>
        <translation>%1: dieses Gerät hat keinen %2</translation>
    </message>
    <message>
        <source>%1: not now, %2</source>
        <translation>%1: jetzt nicht, %2</translation>
    </message>
    <message>
        <source>poll: no sensor &quot;%1&quot;; the sensors are:</source>
        <translation>poll: kein Sensor &quot;%1&quot;; die Sensoren sind:</translation>
    </message>
    <message>
        <source>polling %1 %2</source>
        <translation>Messung %1 %2</translation>
    </message>
    <message>
        <source>wait: &quot;%1&quot; is not a number of seconds from 0 to 600</source>
        <translation>wait: &quot;%1&quot; ist keine Sekundenzahl von 0 bis 600</translation>
    </message>
    <message>
        <source>the report file name must end in .pdf or .html</source>
        <translation>der Name der Berichtsdatei muss auf .pdf oder .html enden</translation>
    </message>
    <message>
        <source>zavdiag diagnose: the run has no results to save</source>
        <translation>zavdiag diagnose: der Lauf hat keine Ergebnisse zum Speichern</translation>
    </message>
    <message>
        <source>run the automatic diagnostic; print the results, optionally save them and a service report</source>
        <translation>die automatische Diagnose ausführen; Ergebnisse ausgeben, wahlweise mit Servicebericht speichern</translation>
    </message>
    <message>
        <source>%1-%2 read %3</source>
        <translation>%1-%2 gemessen %3</translation>
    </message>
    <message>
        <source>Path (min-max, read)   Paper (min-max, read)</source>
        <translation>Pfad (Min-Max, gemessen)   Papier (Min-Max, gemessen)</translation>
    </message>
    <message>
        <source>%1 code %2  type %3  paper tgt %4  path tgt %5  gains %6/%7  phase delay %8  detect thresh %9  clear thresh %10</source>
        <translation>%1 Code %2  Typ %3  Papier-Soll %4  Pfad-Soll %5  Verst. %6/%7  Phasenverz. %8  Erkennungsschw. %9  Freischw. %10</translation>
    </message>
    <message>
        <source>read the unit&apos;s identity, sensor and motor data</source>
        <translation>Kenndaten, Sensor- und Motordaten des Geräts lesen</translation>
    </message>
    <message>
        <source>%1 %2 gains %3/%4</source>
        <translation>%1 %2 Verst. %3/%4</translation>
    </message>
    <message>
        <source>run the unit&apos;s initialisation and calibration; show each sensor&apos;s status</source>
        <translation>Initialisierung und Kalibrierung des Geräts ausführen; Status jedes Sensors anzeigen</translation>
    </message>
    <message>
        <source>zavdiag %1: interrupted</source>
        <translation>zavdiag %1: unterbrochen</translation>
    </message>
    <message>
        <source>Usage: zavdiag COMMAND [OPTIONS] | --help | --version</source>
        <translation>Aufruf: zavdiag BEFEHL [OPTIONEN] | --help | --version</translation>
    </message>
    <message>
        <source>The service report (--report) is PDF or HTML, written without a display or any graphics library.</source>
        <translation>Der Servicebericht (--report) ist PDF oder HTML und wird ohne Bildschirm und ohne Grafikbibliothek geschrieben.</translation>
    </message>
    <message>
        <source>Exit status: 0 passed, 1 failed, 2 could not run.</source>
        <translation>Rückgabewert: 0 bestanden, 1 nicht bestanden, 2 konnte nicht laufen.</translation>
    </message>
    <message>
        <source>zavdiag: unknown option %1</source>
        <translation>zavdiag: unbekannte Option %1</translation>
    </message>
    <message>
        <source>zavdiag: unknown command %1</source>
        <translation>zavdiag: unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>zavdiag ports: no serial port was found; plug in the adaptor (a USB one shows within seconds) or point a number at a device with ZAV_COM&lt;n&gt;</source>
        <translation>zavdiag ports: keine serielle Schnittstelle gefunden; schließen Sie den Adapter an (ein USB-Adapter erscheint nach wenigen Sekunden) oder weisen Sie mit ZAV_COM&lt;n&gt; einer Portnummer ein Gerät zu</translation>
    </message>
    <message>
        <source>list the serial ports as the port options do; * marks the current port</source>
        <translation>die seriellen Schnittstellen wie in den Port-Optionen auflisten; * markiert den aktuellen Port</translation>
    </message>
    <message>
        <source>Usage: zavdiag %1</source>
        <translation>Aufruf: zavdiag %1</translation>
    </message>
    <message>
        <source>Port description</source>
        <translation>Beschreibung des Ports</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Weitere Werkzeuge</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Weitere Menüs</translation>
    </message>
    <message>
        <source>Choose the validator&apos;s port in %1 &gt; %2.</source>
        <translation>Wählen Sie den Port des Geräts unter %1 &gt; %2.</translation>
    </message>
    <message>
        <source>Simulated %1 on COM%2</source>
        <translation>Simulierter %1 an COM%2</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>the file holds %1 bytes, shorter than the 128-byte header of a program image</source>
        <translation>die Datei enthält %1 Bytes, weniger als der 128-Byte-Header eines Programmabbilds</translation>
    </message>
    <message>
        <source>the image holds only a RAM program (type letter &apos;b&apos;), a RAM utility, not a program for the unit</source>
        <translation>das Abbild enthält nur ein RAM-Programm (Typbuchstabe &apos;b&apos;), also ein RAM-Utility, kein Programm für das Gerät</translation>
    </message>
    <message>
        <source>the header names no RAM loader (length 0)</source>
        <translation>der Header nennt keinen RAM-Lader (Länge 0)</translation>
    </message>
    <message>
        <source>the header names no main code (length 0)</source>
        <translation>der Header nennt keinen Hauptcode (Länge 0)</translation>
    </message>
    <message>
        <source>the header describes %1 bytes (RAM loader %2, main code %3) but the file holds %4</source>
        <translation>der Header beschreibt %1 Bytes (RAM-Lader %2, Hauptcode %3), die Datei enthält aber %4</translation>
    </message>
    <message>
        <source>the block size %1 is not a multiple of 128</source>
        <translation>die Blockgröße %1 ist kein Vielfaches von 128</translation>
    </message>
    <message>
        <source>the loader baud rate %1 is not one a serial line runs at</source>
        <translation>die Baudrate %1 des Laders ist auf einer seriellen Leitung nicht möglich</translation>
    </message>
    <message>
        <source>the file holds %1 bytes, shorter than an old-format header</source>
        <translation>die Datei enthält %1 Bytes, weniger als ein Header im alten Format</translation>
    </message>
    <message>
        <source>old-format image of type letter %1, above &apos;c&apos;: protected</source>
        <translation>Abbild im alten Format mit Typbuchstabe %1, über &apos;c&apos;: geschützt</translation>
    </message>
    <message>
        <source>the old-format header names no blocks</source>
        <translation>der Header im alten Format nennt keine Blöcke</translation>
    </message>
    <message>
        <source>the header names %1 blocks of 128 bytes (%2 bytes) but the file holds %3</source>
        <translation>der Header nennt %1 Blöcke zu 128 Bytes (%2 Bytes), die Datei enthält aber %3</translation>
    </message>
    <message>
        <source>the image is too short to carry its version (at offset 65303)</source>
        <translation>das Abbild ist zu kurz, um seine Version zu enthalten (bei Offset 65303)</translation>
    </message>
    <message>
        <source>the version at offset 65303 is not three digits</source>
        <translation>die Version bei Offset 65303 hat nicht drei Ziffern</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>not a program image: the mark &quot;ZAV&quot; is missing at offsets 0 and 2</source>
        <translation>kein Programmabbild: die Kennung &quot;ZAV&quot; fehlt bei Offset 0 und 2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a device or a FIFO, not a regular file</source>
        <translation>das ist eine Gerätedatei oder ein FIFO, keine normale Datei</translation>
    </message>
    <message>
        <source>the file holds %1 bytes, more than any unit takes</source>
        <translation>die Datei enthält %1 Bytes, mehr als jedes Gerät aufnimmt</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>sie kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>sie kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the file grew past %1 bytes while it was read</source>
        <translation>die Datei ist beim Lesen über %1 Bytes hinaus gewachsen</translation>
    </message>
    <message>
        <source>Format: %1</source>
        <translation>Format: %1</translation>
    </message>
    <message>
        <source>old format (128-byte blocks as commands)</source>
        <translation>altes Format (128-Byte-Blöcke als Befehle)</translation>
    </message>
    <message>
        <source>RAM loader, reconnection, main code</source>
        <translation>RAM-Lader, Neuverbindung, Hauptcode</translation>
    </message>
    <message>
        <source>Kind: %1</source>
        <translation>Art: %1</translation>
    </message>
    <message>
        <source>Type letter: %1</source>
        <translation>Typbuchstabe: %1</translation>
    </message>
    <message>
        <source>RAM program: %1 bytes</source>
        <translation>RAM-Programm: %1 Bytes</translation>
    </message>
    <message>
        <source>Main code: %1 bytes</source>
        <translation>Hauptcode: %1 Bytes</translation>
    </message>
    <message>
        <source>Blocks: %1 of %2 bytes</source>
        <translation>Blöcke: %1 zu %2 Bytes</translation>
    </message>
    <message>
        <source>Loader baud rate: %1</source>
        <translation>Baudrate des Laders: %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>not checked (the image skips the version checks)</source>
        <translation>nicht geprüft (das Abbild überspringt die Versionsprüfungen)</translation>
    </message>
    <message>
        <source>Simulator stand-in image: only a simulated unit takes it</source>
        <translation>Ersatzabbild für den Simulator: nur ein simuliertes Gerät nimmt es an</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file is not a program image (no &quot;ZAV&quot; mark)</source>
        <translation>die Datei ist kein Programmabbild (keine Kennung &quot;ZAV&quot;)</translation>
    </message>
    <message>
        <source>the port cannot be opened</source>
        <translation>der Port kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the unit did not answer SYNC</source>
        <translation>das Gerät hat auf SYNC nicht geantwortet</translation>
    </message>
    <message>
        <source>old-format image of a type above &apos;c&apos; (protected)</source>
        <translation>Abbild im alten Format mit einem Typ über &apos;c&apos; (geschützt)</translation>
    </message>
    <message>
        <source>the transfer failed: a time-out, a write failure, a cancel or a refused block</source>
        <translation>die Übertragung ist fehlgeschlagen: Zeitüberschreitung, Schreibfehler, Abbruch oder abgelehnter Block</translation>
    </message>
    <message>
        <source>the unit refused the program command or the version query</source>
        <translation>das Gerät hat den Programmierbefehl oder die Versionsabfrage abgelehnt</translation>
    </message>
    <message>
        <source>the unit refused the header or a block (0xF9)</source>
        <translation>das Gerät hat den Header oder einen Block abgelehnt (0xF9)</translation>
    </message>
    <message>
        <source>the unit refused the end-of-download command</source>
        <translation>das Gerät hat den Befehl zum Ende des Ladens abgelehnt</translation>
    </message>
    <message>
        <source>the unit refused the closing RESET</source>
        <translation>das Gerät hat das abschließende RESET abgelehnt</translation>
    </message>
    <message>
        <source>the unit&apos;s flash (type 2) takes no image older than version 109</source>
        <translation>der Flash-Speicher des Geräts (Typ 2) nimmt kein Abbild älter als Version 109 an</translation>
    </message>
    <message>
        <source>the unit did not answer the speed check</source>
        <translation>das Gerät hat auf die Geschwindigkeitsprüfung nicht geantwortet</translation>
    </message>
    <message>
        <source>idle</source>
        <translation>inaktiv</translation>
    </message>
    <message>
        <source>sending the RAM loader</source>
        <translation>RAM-Lader wird gesendet</translation>
    </message>
    <message>
        <source>starting</source>
        <translation>wird gestartet</translation>
    </message>
    <message>
        <source>reconnecting</source>
        <translation>Verbindung wird neu aufgebaut</translation>
    </message>
    <message>
        <source>sending the header</source>
        <translation>Header wird gesendet</translation>
    </message>
    <message>
        <source>sending the main code</source>
        <translation>Hauptcode wird gesendet</translation>
    </message>
    <message>
        <source>reading the file</source>
        <translation>Datei wird gelesen</translation>
    </message>
    <message>
        <source>result 0x%1</source>
        <translation>Ergebnis 0x%1</translation>
    </message>
    <message>
        <source>a simulator image, and COM%1 is not a simulated port</source>
        <translation>ein Simulatorabbild, und COM%1 ist kein simulierter Port</translation>
    </message>
    <message>
        <source>sending blocks</source>
        <translation>Blöcke werden gesendet</translation>
    </message>
    <message>
        <source>stopped on request: the unit may need programming again</source>
        <translation>auf Wunsch angehalten: das Gerät muss eventuell neu programmiert werden</translation>
    </message>
    <message>
        <source>identifying the unit again</source>
        <translation>Gerät wird erneut identifiziert</translation>
    </message>
    <message>
        <source>the unit did not answer after the download</source>
        <translation>das Gerät hat nach dem Laden nicht geantwortet</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>Image File...</source>
        <translation>Abbilddatei...</translation>
    </message>
    <message>
        <source>Identify Unit</source>
        <translation>Identifizieren</translation>
    </message>
    <message>
        <source>Blocks sent</source>
        <translation>Gesendete Blöcke</translation>
    </message>
    <message>
        <source>%v of %m blocks</source>
        <translation>%v von %m Blöcken</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Program Download</source>
        <translation>Programm laden</translation>
    </message>
    <message>
        <source>Program Image</source>
        <translation>Programmabbild</translation>
    </message>
    <message>
        <source>Program %1 %2 (firmware %3) with %4?
A download that does not complete leaves a unit that does not start.</source>
        <translation>%1 %2 (Firmware %3) mit %4 programmieren?
Wird das Laden nicht abgeschlossen, startet das Gerät nicht mehr.</translation>
    </message>
    <message>
        <source>Stop the download? The unit may then need programming again.</source>
        <translation>Laden abbrechen? Das Gerät muss dann eventuell neu programmiert werden.</translation>
    </message>
    <message>
        <source>No image chosen.</source>
        <translation>Kein Abbild gewählt.</translation>
    </message>
    <message>
        <source>Not sent: %1.</source>
        <translation>Nicht gesendet: %1.</translation>
    </message>
    <message>
        <source>%1, serial number %2
Firmware %3
Data set %4</source>
        <translation>%1, Seriennummer %2
Firmware %3
Datensatz %4</translation>
    </message>
    <message>
        <source>Unit not identified.</source>
        <translation>Gerät nicht identifiziert.</translation>
    </message>
    <message>
        <source>Programmed in %1 s.</source>
        <translation>In %1 s programmiert.</translation>
    </message>
    <message>
        <source>Failed: %1.</source>
        <translation>Fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>Not started: %1.</source>
        <translation>Nicht gestartet: %1.</translation>
    </message>
    <message>
        <source>Firmware before: %1
Firmware after: %2</source>
        <translation>Firmware vorher: %1
Firmware nachher: %2</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Stage: %1</source>
        <translation>Schritt: %1</translation>
    </message>
    <message>
        <source>the history was written by a newer program (schema %1, this program knows %2)</source>
        <translation>die Historie wurde von einem neueren Programm geschrieben (Schema %1, dieses Programm kennt %2)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historie</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Läufe</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Open run</source>
        <translation>Lauf öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Back to the list</source>
        <translation>Zurück zur Liste</translation>
    </message>
    <message>
        <source>Trend: choose a run</source>
        <translation>Trend: Lauf wählen</translation>
    </message>
    <message>
        <source>Trend of unit %1:</source>
        <translation>Trend des Geräts %1:</translation>
    </message>
    <message>
        <source>Trend of the sensor&apos;s readings</source>
        <translation>Trend der Messwerte des Sensors</translation>
    </message>
    <message>
        <source>Path test</source>
        <translation>Pfadtest</translation>
    </message>
    <message>
        <source>Paper test</source>
        <translation>Papiertest</translation>
    </message>
    <message>
        <source>Limits (dashed)</source>
        <translation>Grenzwerte (gestrichelt)</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Nicht bestanden</translation>
    </message>
    <message>
        <source>No readings of this sensor</source>
        <translation>Keine Messwerte dieses Sensors</translation>
    </message>
    <message>
        <source>%1 % (%2 of %3 blocks, %4)</source>
        <translation>%1 % (%2 von %3 Blöcken, %4)</translation>
    </message>
    <message>
        <source>not confirmed: no terminal to ask at; give --yes</source>
        <translation>nicht bestätigt: kein Terminal für die Rückfrage; geben Sie --yes an</translation>
    </message>
    <message>
        <source>Program %1 %2 (firmware %3) with %4? [y/N]</source>
        <translation>%1 %2 (Firmware %3) mit %4 programmieren? [y/N]</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>nicht bestätigt</translation>
    </message>
    <message>
        <source>no image file given</source>
        <translation>keine Abbilddatei angegeben</translation>
    </message>
    <message>
        <source>Image    </source>
        <translation>Abbild   </translation>
    </message>
    <message>
        <source>the unit does not answer</source>
        <translation>das Gerät antwortet nicht</translation>
    </message>
    <message>
        <source>Unit     %1, serial number %2</source>
        <translation>Gerät    %1, Seriennummer %2</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>Firmware %1</translation>
    </message>
    <message>
        <source>Data set %1</source>
        <translation>Daten    %1</translation>
    </message>
    <message>
        <source>zavdiag program: interrupted: the transfer was stopped, and the unit may need programming again</source>
        <translation>zavdiag program: unterbrochen: die Übertragung wurde angehalten, und das Gerät muss eventuell neu programmiert werden</translation>
    </message>
    <message>
        <source>Programmed in %1 s: firmware %2 before, %3 after</source>
        <translation>In %1 s programmiert: Firmware vorher %2, nachher %3</translation>
    </message>
    <message>
        <source>zavdiag program: failed: %1</source>
        <translation>zavdiag program: fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>zavdiag program: not started: %1</source>
        <translation>zavdiag program: nicht gestartet: %1</translation>
    </message>
    <message>
        <source>Program Download...</source>
        <translation>Programm laden...</translation>
    </message>
    <message>
        <source>Send a program image to the unit</source>
        <translation>Programmabbild an das Gerät senden</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historie</translation>
    </message>
    <message>
        <source>the damaged history %1 could not be moved aside</source>
        <translation>die beschädigte Historie %1 konnte nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <translation>der SQLite-Treiber von Qt ist nicht installiert</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed</source>
        <translation>der PostgreSQL-Treiber von Qt ist nicht installiert</translation>
    </message>
    <message>
        <source>the new run was given no number</source>
        <translation>der neue Lauf erhielt keine Nummer</translation>
    </message>
    <message>
        <source>Initialisation</source>
        <translation>Initialisierung</translation>
    </message>
    <message>
        <source>Diagnostic</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>simulated</source>
        <translation>simuliert</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Werkzeug</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Simulated</source>
        <translation>Simuliert</translation>
    </message>
    <message>
        <source>The service history %1 cannot be read: %2</source>
        <translation>Die Servicehistorie %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The run cannot be read: %1</source>
        <translation>Der Lauf kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the history URL %1 cannot be read</source>
        <translation>die Historien-URL %1 ist nicht lesbar</translation>
    </message>
    <message>
        <source>the history URL %1 carries a password; a password belongs in ~/.pgpass or PGPASSWORD, never in the settings</source>
        <translation>die Historien-URL %1 enthält ein Passwort; ein Passwort gehört in ~/.pgpass oder PGPASSWORD, nie in die Einstellungen</translation>
    </message>
    <message>
        <source>the history URL %1 has no valid port</source>
        <translation>die Historien-URL %1 hat keinen gültigen Port</translation>
    </message>
    <message>
        <source>the history URL %1 has a parameter this program does not pass on: %2</source>
        <translation>die Historien-URL %1 hat einen Parameter, den dieses Programm nicht weitergibt: %2</translation>
    </message>
    <message>
        <source>The service history %1 was damaged. It was kept as %2 and a new history was started.</source>
        <translation>Die Servicehistorie %1 war beschädigt. Sie wurde als %2 aufbewahrt, und eine neue Historie wurde begonnen.</translation>
    </message>
    <message>
        <source>The run could not be recorded in the service history %1: %2. The run&apos;s result stands.</source>
        <translation>Der Lauf konnte nicht in der Servicehistorie %1 gespeichert werden: %2. Das Ergebnis des Laufs gilt.</translation>
    </message>
    <message>
        <source>The run was kept in the local history %1 instead.</source>
        <translation>Der Lauf wurde stattdessen in der lokalen Historie %1 gespeichert.</translation>
    </message>
    <message>
        <source>The service history cannot be used: %1.</source>
        <translation>Die Servicehistorie ist nicht nutzbar: %1.</translation>
    </message>
    <message>
        <source>The history server %1 could not be reached or written: %2.</source>
        <translation>Der Historien-Server %1 war nicht erreichbar oder nicht beschreibbar: %2.</translation>
    </message>
</context>
</TS>
