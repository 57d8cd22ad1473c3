<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>zav</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 est donné plus d&apos;une fois</translation>
    </message>
    <message>
        <source>unknown argument %1</source>
        <translation>argument inconnu %1</translation>
    </message>
    <message>
        <source>not every byte was written</source>
        <translation>tous les octets n&apos;ont pas été écrits</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>aucun nom de fichier</translation>
    </message>
    <message>
        <source>this is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>Cannot load the library %1 from %2 (%3).</source>
        <translation>Impossible de charger la bibliothèque %1 depuis %2 (%3).</translation>
    </message>
    <message>
        <source>The library %1 lacks the call(s) %2.</source>
        <translation>Il manque à la bibliothèque %1 les appels %2.</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>prêt</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>périphérique absent</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>utilisé par un autre programme</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>pas un périphérique série</translation>
    </message>
    <message>
        <source>permission denied: add your user to the group `%1` and log in again</source>
        <translation>accès refusé : ajoutez votre utilisateur au groupe `%1` et reconnectez-vous</translation>
    </message>
    <message>
        <source>permission denied: only `%1` may open it; ask the administrator to give it to a group such as `dialout`</source>
        <translation>accès refusé : seul `%1` peut l&apos;ouvrir ; demandez à l&apos;administrateur de le confier à un groupe tel que `dialout`</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>aucun périphérique</translation>
    </message>
    <message>
        <source>no serial port is chosen yet</source>
        <translation>aucun port série n&apos;est encore choisi</translation>
    </message>
    <message>
        <source>FTDI USB adaptor (ftdi_sio)</source>
        <translation>adaptateur USB FTDI (ftdi_sio)</translation>
    </message>
    <message>
        <source>USB CDC device (cdc_acm)</source>
        <translation>périphérique USB CDC (cdc_acm)</translation>
    </message>
    <message>
        <source>Silicon Labs USB adaptor (cp210x)</source>
        <translation>adaptateur USB Silicon Labs (cp210x)</translation>
    </message>
    <message>
        <source>serial port</source>
        <translation>port série</translation>
    </message>
    <message>
        <source>, in </source>
        <translation>, dans </translation>
    </message>
    <message>
        <source>Looked for %1 in %2.</source>
        <translation>%1 a été cherché dans %2.</translation>
    </message>
    <message>
        <source> and in </source>
        <translation> et dans </translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1 ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a RAM-utility file.</source>
        <translation>%1 est un dossier, pas un fichier d&apos;utilitaire RAM.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 ne peut pas être ouvert : %2.</translation>
    </message>
    <message>
        <source>%1 is a stand-in image that only the simulator runs, and %2 is not a simulated port, so nothing was sent. Put the maker&apos;s RAM-utility file in %3.</source>
        <translation>%1 est une image de remplacement que seul le simulateur exécute, et %2 n&apos;est pas un port simulé : rien n&apos;a donc été envoyé. Placez le fichier d&apos;utilitaire RAM du fabricant dans %3.</translation>
    </message>
    <message>
        <source> or in </source>
        <translation> ou dans </translation>
    </message>
    <message>
        <source>Run aborted: %1</source>
        <translation>Test interrompu : %1</translation>
    </message>
    <message>
        <source>Run cancelled by the engineer</source>
        <translation>Test annulé par le technicien</translation>
    </message>
    <message>
        <source>Run aborted before the tests: %1</source>
        <translation>Test interrompu avant les essais : %1</translation>
    </message>
    <message>
        <source>Service report</source>
        <translation>Rapport de maintenance</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>The results reached before the stop are shown; tests not reached show “%1”.</source>
        <translation>Les résultats obtenus avant l&apos;arrêt sont affichés ; les tests non atteints indiquent « %1 ».</translation>
    </message>
    <message>
        <source>Mechanics</source>
        <translation>Mécanique</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>Paper-less test</source>
        <translation>Test sans papier</translation>
    </message>
    <message>
        <source>Green-paper test</source>
        <translation>Test au papier vert</translation>
    </message>
    <message>
        <source>Sensor table</source>
        <translation>Tableau des capteurs</translation>
    </message>
    <message>
        <source>a report file name ends in .pdf or .html</source>
        <translation>un nom de fichier de rapport se termine par .pdf ou .html</translation>
    </message>
    <message>
        <source>RAM utility download</source>
        <translation>Chargement de l&apos;utilitaire RAM</translation>
    </message>
    <message>
        <source>Report…</source>
        <translation>Rapport…</translation>
    </message>
    <message>
        <source>Save test data</source>
        <translation>Enregistrer les données de test</translation>
    </message>
    <message>
        <source>Save service report</source>
        <translation>Enregistrer le rapport de maintenance</translation>
    </message>
    <message>
        <source>--port and --simulate do not go together</source>
        <translation>--port et --simulate ne vont pas ensemble</translation>
    </message>
    <message>
        <source>--fault and --paper-delay need --simulate</source>
        <translation>--fault et --paper-delay exigent --simulate</translation>
    </message>
    <message>
        <source>the port number must be 1 to %1</source>
        <translation>le numéro de port doit être compris entre 1 et %1</translation>
    </message>
    <message>
        <source>unknown model %1; the simulator knows %2</source>
        <translation>modèle inconnu %1 ; le simulateur connaît %2</translation>
    </message>
    <message>
        <source>the paper delay must be 0 to 600 seconds</source>
        <translation>le délai du papier doit être compris entre 0 et 600 secondes</translation>
    </message>
    <message>
        <source>no serial port is stored in the settings; give --port N or --simulate MODEL</source>
        <translation>aucun port série n&apos;est enregistré dans les réglages ; indiquez --port N ou --simulate MODÈLE</translation>
    </message>
    <message>
        <source>COM%1 to COM%2 are all taken; no port is left for the simulator</source>
        <translation>COM%1 à COM%2 sont tous pris ; il ne reste aucun port pour le simulateur</translation>
    </message>
    <message>
        <source>the simulator cannot start: %1</source>
        <translation>le simulateur ne peut pas démarrer : %1</translation>
    </message>
    <message>
        <source>Simulated %1 on COM%2 (%3)</source>
        <translation>%1 simulé sur COM%2 (%3)</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Ligne d&apos;état</translation>
    </message>
    <message>
        <source>the port number must be 1 to %1, as the RAM utility&apos;s channel reaches no higher</source>
        <translation>le numéro de port doit être compris entre 1 et %1, le canal de l&apos;utilitaire RAM ne va pas plus loin</translation>
    </message>
    <message>
        <source>zavdiag %1: the stored port is COM%2; %3</source>
        <translation>zavdiag %1 : le port enregistré est COM%2 ; %3</translation>
    </message>
    <message>
        <source>Unit %1 with %2 sensors:</source>
        <translation>Appareil %1 avec %2 capteurs :</translation>
    </message>
    <message>
        <source>Controls: %1. Type help for the commands.</source>
        <translation>Commandes : %1. Tapez help pour la liste des commandes.</translation>
    </message>
    <message>
        <source>zavdiag controls: the unit is not ready for the controls</source>
        <translation>zavdiag controls : l&apos;appareil n&apos;est pas prêt pour les commandes</translation>
    </message>
    <message>
        <source>drive the unit&apos;s motor, stacker, straightener and bezel, and read its sensors; commands from standard input</source>
        <translation>piloter le moteur, l&apos;empileur, le redresseur et la façade de l&apos;appareil, et lire ses capteurs ; commandes sur l&apos;entrée standard</translation>
    </message>
    <message>
        <source>the motor is running; stop it first</source>
        <translation>le moteur tourne ; arrêtez-le d&apos;abord</translation>
    </message>
    <message>
        <source>the motor is not running</source>
        <translation>le moteur ne tourne pas</translation>
    </message>
    <message>
        <source>the stacker is running; switch it off first</source>
        <translation>l&apos;empileur tourne ; arrêtez-le d&apos;abord</translation>
    </message>
    <message>
        <source>the stacker is not running</source>
        <translation>l&apos;empileur ne tourne pas</translation>
    </message>
    <message>
        <source>the straightener is running; switch it off first</source>
        <translation>le redresseur tourne ; arrêtez-le d&apos;abord</translation>
    </message>
    <message>
        <source>the straightener is not running</source>
        <translation>le redresseur ne tourne pas</translation>
    </message>
    <message>
        <source>the bezel is red already</source>
        <translation>la façade est déjà rouge</translation>
    </message>
    <message>
        <source>the bezel is green already</source>
        <translation>la façade est déjà verte</translation>
    </message>
    <message>
        <source>the bezel is blue already</source>
        <translation>la façade est déjà bleue</translation>
    </message>
    <message>
        <source>the bezel is white already</source>
        <translation>la façade est déjà blanche</translation>
    </message>
    <message>
        <source>stacker</source>
        <translation>empileur</translation>
    </message>
    <message>
        <source>straightener</source>
        <translation>redresseur</translation>
    </message>
    <message>
        <source>bezel light</source>
        <translation>éclairage de façade</translation>
    </message>
    <message>
        <source>such control</source>
        <translation>commande de ce type</translation>
    </message>
    <message>
        <source>transport motor</source>
        <translation>moteur de transport</translation>
    </message>
    <message>
        <source>note straightener</source>
        <translation>redresseur de billets</translation>
    </message>
    <message>
        <source>bezel colour</source>
        <translation>couleur de la façade</translation>
    </message>
    <message>
        <source>live reading of a sensor (name or number)</source>
        <translation>lecture en direct d&apos;un capteur (nom ou numéro)</translation>
    </message>
    <message>
        <source>stop the reading</source>
        <translation>arrêter la lecture</translation>
    </message>
    <message>
        <source>let time pass (for scripts)</source>
        <translation>laisser passer du temps (pour les scripts)</translation>
    </message>
    <message>
        <source>leave (also at end of input)</source>
        <translation>quitter (aussi en fin d&apos;entrée)</translation>
    </message>
    <message>
        <source>zavdiag controls: standard input cannot be read</source>
        <translation>zavdiag controls : l&apos;entrée standard ne peut pas être lue</translation>
    </message>
    <message>
        <source>unpoll: not polling</source>
        <translation>unpoll : aucune lecture en cours</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; type help for the commands</source>
        <translation>commande inconnue &quot;%1&quot; ; tapez help pour la liste des commandes</translation>
    </message>
    <message>
        <source>%1: this unit has no %2</source>
        <translation>%1 : cet appareil n&apos;a pas de %2</translation>
    </message>
    <message>
        <source>%1: not now, %2</source>
        <translation>%1 : pas maintenant, %2</translation>
    </message>
    <message>
        <source>poll: no sensor &quot;%1&quot;; the sensors are:</source>
        <translation>poll : aucun capteur &quot;%1&quot; ; les capteurs sont :</translation>
    </message>
    <message>
        <source>polling %1 %2</source>
        <translation>lecture %1 %2</translation>
    </message>
    <message>
        <source>wait: &quot;%1&quot; is not a number of seconds from 0 to 600</source>
        <translation>wait : &quot;%1&quot; n&apos;est pas un nombre de secondes entre 0 et 600</translation>
    </message>
    <message>
        <source>the report file name must end in .pdf or .html</source>
        <translation>le nom du fichier de rapport doit se terminer par .pdf ou .html</translation>
    </message>
    <message>
        <source>zavdiag diagnose: the run has no results to save</source>
        <translation>zavdiag diagnose : le test n&apos;a aucun résultat à enregistrer</translation>
    </message>
    <message>
        <source>run the automatic diagnostic; print the results, optionally save them and a service report</source>
        <translation>lancer le diagnostic automatique ; afficher les résultats, et au choix les enregistrer avec un rapport de maintenance</translation>
    </message>
    <message>
        <source>%1-%2 read %3</source>
        <translation>%1-%2 lu %3</translation>
    </message>
    <message>
        <source>Path (min-max, read)   Paper (min-max, read)</source>
        <translation>Trajet (min-max, lu)   Papier (min-max, lu)</translation>
    </message>
    <message>
        <source>%1 code %2  type %3  paper tgt %4  path tgt %5  gains %6/%7  phase delay %8  detect thresh %9  clear thresh %10</source>
        <translation>%1 code %2  type %3  cible papier %4  cible trajet %5  gains %6/%7  déphasage %8  seuil détect. %9  seuil libre %10</translation>
    </message>
    <message>
        <source>read the unit&apos;s identity, sensor and motor data</source>
        <translation>lire l&apos;identité, les données des capteurs et des moteurs de l&apos;appareil</translation>
    </message>
    <message>
        <source>%1 %2 gains %3/%4</source>
        <translation>%1 %2 gains %3/%4</translation>
    </message>
    <message>
        <source>run the unit&apos;s initialisation and calibration; show each sensor&apos;s status</source>
        <translation>lancer l&apos;initialisation et l&apos;étalonnage de l&apos;appareil ; afficher l&apos;état de chaque capteur</translation>
    </message>
    <message>
        <source>zavdiag %1: interrupted</source>
        <translation>zavdiag %1 : interrompu</translation>
    </message>
    <message>
        <source>Usage: zavdiag COMMAND [OPTIONS] | --help | --version</source>
        <translation>Usage : zavdiag COMMANDE [OPTIONS] | --help | --version</translation>
    </message>
    <message>
        <source>The service report (--report) is PDF or HTML, written without a display or any graphics library.</source>
        <translation>Le rapport de maintenance (--report) est en PDF ou en HTML, écrit sans écran ni bibliothèque graphique.</translation>
    </message>
    <message>
        <source>Exit status: 0 passed, 1 failed, 2 could not run.</source>
        <translation>Code de sortie : 0 réussi, 1 échoué, 2 n&apos;a pas pu s&apos;exécuter.</translation>
    </message>
    <message>
        <source>zavdiag: unknown option %1</source>
        <translation>zavdiag : option inconnue %1</translation>
    </message>
    <message>
        <source>zavdiag: unknown command %1</source>
        <translation>zavdiag : commande inconnue %1</translation>
    </message>
    <message>
        <source>zavdiag ports: no serial port was found; plug in the adaptor (a USB one shows within seconds) or point a number at a device with ZAV_COM&lt;n&gt;</source>
        <translation>zavdiag ports : aucun port série trouvé ; branchez l&apos;adaptateur (un adaptateur USB apparaît en quelques secondes) ou associez un numéro à un périphérique avec ZAV_COM&lt;n&gt;</translation>
    </message>
    <message>
        <source>list the serial ports as the port options do; * marks the current port</source>
        <translation>lister les ports série comme les options de port ; * marque le port actuel</translation>
    </message>
    <message>
        <source>Usage: zavdiag %1</source>
        <translation>Usage : zavdiag %1</translation>
    </message>
    <message>
        <source>Port description</source>
        <translation>Description du port</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Autres outils</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Autres menus</translation>
    </message>
    <message>
        <source>Choose the validator&apos;s port in %1 &gt; %2.</source>
        <translation>Choisissez le port du valideur dans %1 &gt; %2.</translation>
    </message>
    <message>
        <source>Simulated %1 on COM%2</source>
        <translation>%1 simulé sur COM%2</translation>
    </message>
</context>
</TS>
