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
</context>
</TS>
